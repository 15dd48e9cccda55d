#!/usr/bin/env python3
"""Writes a help page for one course language.

Usage: localize.py LANGUAGE SOURCE TARGET     (LANGUAGE: en, de or fr)

The pages are written once, for the English course. The few places that name the course
language or the dictionary's source are replaced here for the German and French courses;
a place that is no longer in its page stops the build, so a changed page is never half
translated.
"""
import os
import sys

DICTIONARY_EN = (
    "Słownik angielsko-polski projektu <a href=\"https://freedict.org/\">FreeDict</a>\n"
    "(eng-pol, oparty na „Nowym słowniku angielsko-polskim” T. Piotrowskiego i Z. Saloniego),\n"
    "rozpowszechniany na licencji GNU GPL w wersji 3 lub późniejszej, a jego treść także na\n"
    "licencji GNU FDL w wersji 1.2 lub późniejszej; przy budowie programu przekształcamy go\n"
    "z pakietu Debiana dict-freedict-eng-pol.")


def dictionary(adjective, code):
    return (
        f"Słownik {adjective}-polski projektu <a href=\"https://freedict.org/\">FreeDict</a>\n"
        f"({code}-pol, utworzony przez <a href=\"https://www.wikdict.com/\">WikDict</a> z danych\n"
        "<a href=\"https://www.wiktionary.org/\">Wikisłownika</a>), rozpowszechniany na licencji\n"
        "Creative Commons Uznanie autorstwa – Na tych samych warunkach 3.0; przy budowie programu\n"
        f"przekształcamy go z pakietu Debiana dict-freedict-{code}-pol.")


# page -> (text of the English page, the German text, the French text)
PLACES = {
    "h_8_crz.html": [
        ("na przykład angielski", "na przykład niemiecki", "na przykład francuski"),
    ],
    "h_comp.html": [
        ("Nagraj ją po angielsku", "Nagraj ją po niemiecku", "Nagraj ją po francusku"),
    ],
    "h_index.html": [
        ("mówionego języka angielskiego", "mówionego języka niemieckiego",
         "mówionego języka francuskiego"),
        ("Kurs języka angielskiego", "Kurs języka niemieckiego", "Kurs języka francuskiego"),
    ],
    "h_kvarn.html": [
        ("mówiony język angielski", "mówiony język niemiecki", "mówiony język francuski"),
        (DICTIONARY_EN, dictionary("niemiecko", "deu"), dictionary("francusko", "fra")),
    ],
}
COLUMN = {"de": 1, "fr": 2}


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("en", "de", "fr"):
        sys.exit("usage: localize.py en|de|fr SOURCE TARGET")
    language, source, target = sys.argv[1:]
    with open(source, encoding="utf-8") as f:
        page = f.read()
    if language != "en":
        for place in PLACES.get(os.path.basename(source), []):
            if place[0] not in page:
                sys.exit(f"localize.py: {source} no longer says {place[0][:60]!r}")
            page = page.replace(place[0], place[COLUMN[language]])
    os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
    with open(target + ".new", "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(target + ".new", target)


if __name__ == "__main__":
    main()
