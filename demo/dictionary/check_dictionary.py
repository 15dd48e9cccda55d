#!/usr/bin/env python3
"""Checks the dictionary's files in an assembled installation, read the way the dictionary
reads them.

usage: check_dictionary.py [LANG] INSTALL_DIR        (exit code 1 on a failure)

LANG is en (the default), de or fr: the installation's dictionary language. The word list
("sba_s.txt", "sbn_r.txt", "sbf_s.txt") and the sentence list ("zda.txt", "zdn.txt",
"zdf.txt"): CR LF line ends, the fixed columns numeric, the separator blank before the first
"=" of a word, every field present, word-class tags as tokens of their own, at most 14000 words
and 15000 entries in all, no entry number twice. English and German lists are cp1250; in the
French ones the French side is cp1252 and the Polish side cp1250, and a letter that only one
code page has belongs to that side's language (a Polish letter in a French word would read as
another character, and the other way round). German nouns carry their article and the noun
tag, French nouns their gender. tess_50_slow.txt names the language; the descriptor files, or
for French ts50.ini, lead to the recordings folder, and every recording number has a readable
WAV file at the path the dictionary computes. The skin strips and the background are readable
pictures of the sizes the window needs.
"""
import os
import re
import struct
import sys
import wave

MAX_WORDS = 14000
CAPACITY = 15000
MIN_RECORDINGS = 2000
FIELDS = 8  # headword, translation, plural, synonyms, comment, recording, flag, level mark
SKIN_STRIPS = ["minim.bmp", "zamknij_rog.bmp", "ok2.bmp", "nowy_user.bmp"]
BACKGROUND = ("slownik_t.bmp", (600, 320))

# number in tess_50_slow.txt, word list, sentence list, database folder (None: the recordings
# folder is the one of ts50.ini)
LANGUAGES = {
    "en": (1, "sba_s.txt", "zda.txt", "db/eng_34"),
    "de": (2, "sbn_r.txt", "zdn.txt", "db/niem_1234"),
    "fr": (3, "sbf_s.txt", "zdf.txt", None),
}
SHARED_LETTERS = frozenset(
    ch for ch in bytes(range(256)).decode("cp1252", errors="ignore")
    if ch.encode("cp1250", errors="ignore") == ch.encode("cp1252"))
FRENCH_LETTERS = frozenset("àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ")
POLISH_LETTERS = frozenset("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")
GENDER_MARKS = ("(m)", "(f)")

errors = []


def fail(where, message):
    errors.append(f"{where}: {message}")


def check(condition, where, message):
    if not condition:
        fail(where, message)
    return condition


def resolve(root, windows_path):
    """A path written with "\\" or "/", below `root`; a doubled separator stands for one."""
    parts = [p for p in re.split(r"[\\/]", windows_path) if p]
    return os.path.join(root, *parts)


def read_cp1250_lines(root, name, code_page="cp1250"):
    """The lines of a cp1250 file with CR LF line ends, or None when it is missing. With the
    code page "latin-1" each byte stays one character, for a file of two code pages."""
    path = resolve(root, name)
    if not check(os.path.isfile(path), name, "missing"):
        return None
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode(code_page)
    except UnicodeDecodeError as error:
        fail(name, f"byte {data[error.start]:#04x} at {error.start} is not {code_page}")
        return None
    check(text.endswith("\r\n"), name, "the last line must end with CR LF")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    for number, line in enumerate(lines, 1):
        check("\r" not in line and "\n" not in line, f"{name}:{number}", "a bare CR or LF")
    return lines


def recording_path(number):
    digits = f"{number:05d}"
    return f"D_{digits[:2]}\\dd_{digits[:3]}\\{digits}.wav"


def parse_entry(line, where, word_list):
    """The entry of one list line as the dictionary reads it, or None (the failure recorded)."""
    line = line.strip()
    if not check(len(line) >= 8, where, "shorter than 8 characters: the dictionary skips it"):
        return None
    columns = {"group": line[0:2], "entry": line[4:9], "difficulty": line[10:11],
               "class": line[11:12]}
    values = {}
    for name, text in columns.items():
        if not check(text.strip().isdigit(), where, f"column of the {name} is {text!r}"):
            return None
        values[name] = int(text)
    check(line[3:4] in ("", " ", "0"), where, "column 4 must say the recording is ours")
    check(line[2] == " " and line[9] == " " and line[12] == " ", where,
          "columns 3, 10 and 13 must be blank")
    check(values["entry"] >= 1, where, "entry number below 1: the dictionary drops it")
    check(1 <= values["difficulty"] <= 3, where, "difficulty must be 1 to 3")
    check(1 <= values["class"] <= 4, where, "word class must be 1 to 4")
    first = line.find("=")
    if not check(first > 13, where, "no '=' after the headword"):
        return None
    if word_list:
        check(line[first - 1] == " ", where, "the character before the first '=' must be the "
              "separator blank, or the headword loses its last letter")
        headword = line[13:first - 1].strip()
    else:
        headword = line[13:first].strip()
    check(headword != "", where, "empty headword")
    fields = line[first + 1:].split("=")
    if not check(len(fields) >= FIELDS, where, f"{FIELDS - 1} fields after the headword, each "
                 "ending with '=', expected"):
        return None
    translation, plural, synonyms, comment, recording, flag, level = \
        (f.strip() for f in fields[:FIELDS - 1])
    check(translation != "", where, "empty translation")
    check(flag in ("", "0", "1"), where, f"flag {flag!r}")
    check(level in ("", "0", "1"), where, f"level mark {level!r}")
    return dict(values, headword=headword, translation=translation, recording=recording,
                level=level, plural=plural, synonyms=synonyms, comment=comment)


def check_tags(entry, where, language="en"):
    """Word-class tags are tokens of their own, and the word class agrees with the first. A
    German noun is "Hund, der" with the tag [1]; a French noun is marked by its gender, since a
    French dictionary would show "[1]" as it is."""
    tokens = entry["translation"].split()
    tags = []
    for token in tokens:
        if "[" in token or "]" in token:
            if check(re.fullmatch(r"\[[1-9]\]", token) is not None, where,
                     f"{token!r} in the translation: only the tags [1] to [9] belong there"):
                tags.append(token)
        elif language == "fr" and token in GENDER_MARKS:
            tags.append(token)
    first = tags[0] if tags else None
    expected = {"[1]": 1, "[2]": 2, "[3]": 3, "(m)": 1, "(f)": 1}.get(first or "", 4)
    if language == "fr":
        check("[1]" not in tags, where, "the tag [1] in a French translation: give the gender")
        if first is None and entry["class"] == 1:
            expected = 1  # a noun whose gender the dictionary does not give
    check(entry["class"] == expected, where,
          f"word class {entry['class']} but the first tag is {first or 'none'}")
    if language == "de" and re.search(r", (der|die|das)$", entry["headword"]):
        check(first == "[1]" and entry["class"] == 1, where,
              "a noun with its article needs the word class 1 and the tag [1] first")


def check_code_pages(entry, where):
    """The French side of a French list reads as cp1252, the Polish side as cp1250; each holds
    no letter that only the other code page has."""
    sides = (("headword", "cp1252", FRENCH_LETTERS), ("plural", "cp1252", FRENCH_LETTERS),
             ("synonyms", "cp1252", FRENCH_LETTERS), ("translation", "cp1250", POLISH_LETTERS),
             ("comment", "cp1250", POLISH_LETTERS))
    for name, code_page, own in sides:
        raw = entry[name].encode("latin-1")
        try:
            text = raw.decode(code_page)
        except UnicodeDecodeError as error:
            fail(where, f"{name}: byte {raw[error.start]:#04x} is not {code_page}")
            continue
        entry[name] = text
        strange = sorted({ch for ch in text if ch not in SHARED_LETTERS and ch not in own})
        check(not strange, where, f"{name} {text!r} holds {''.join(strange)!r}: a letter of "
              f"the other language, written in the wrong code page")


def check_wav(path, where):
    try:
        with wave.open(path, "rb") as w:
            check(w.getnframes() > 0, where, "no sound in it")
            check(w.getsampwidth() == 2 and w.getnchannels() == 1, where, "not 16-bit mono")
    except (wave.Error, EOFError, OSError) as error:
        fail(where, f"not a readable WAV file: {error}")


def read_bmp(path):
    """(width, height, bottom-left pixel as (r, g, b)) of a 24- or 32-bit BMP, or None."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return None
    if len(data) < 54 or data[:2] != b"BM":
        return None
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits not in (24, 32) or width <= 0 or height == 0:
        return None
    # Rows are stored bottom-up when the height is positive: the first row is the bottom one.
    row = ((width * bits // 8) + 3) & ~3
    first = offset if height > 0 else offset + row * (abs(height) - 1)
    if first + 3 > len(data):
        return None
    b, g, r = data[first:first + 3]
    return width, abs(height), (r, g, b)


def check_pictures(root):
    folder = os.path.join(root, "but_slow_r")
    for name in SKIN_STRIPS:
        where = f"but_slow_r\\{name}"
        picture = read_bmp(os.path.join(folder, name))
        if check(picture is not None, where, "missing or not a 24-bit BMP"):
            width, _, corner = picture
            check(width % 2 == 0, where, f"width {width} is not two frames")
            check(corner == (255, 0, 255), where, f"bottom-left pixel {corner} is not magenta")
    name, size = BACKGROUND
    picture = read_bmp(os.path.join(folder, name))
    if check(picture is not None, f"but_slow_r\\{name}", "missing or not a 24-bit BMP"):
        check(picture[:2] == size, f"but_slow_r\\{name}", f"size {picture[:2]}, not {size}")


def recordings_root(root, language="en"):
    """The folder the dictionary takes its recordings from, as it reads its descriptors."""
    number, _, _, database = LANGUAGES[language]
    slow = read_cp1250_lines(root, "tess_50_slow.txt")
    if slow is not None:
        check(len(slow) >= 2 and slow[1].strip() == str(number), "tess_50_slow.txt",
              f"line 2 must be {number}, the dictionary language {language}")
    if database is None:
        install = read_cp1250_lines(root, "ts50.ini")
        if install is None or not check(len(install) >= 2, "ts50.ini", "fewer than 2 lines"):
            return None
        folder = install[1].strip()
        path = resolve(root, folder)
        check(os.path.isdir(path), "ts50.ini", f"line 2 names {folder!r}, not a folder")
        return path
    check(os.path.isfile(resolve(root, f"{database}/tess_s.txt")), f"{database}/tess_s.txt",
          "missing: without it the recordings root of ts50.ini is used")
    descriptor = read_cp1250_lines(root, f"{database}/tess_r.txt")
    if descriptor is None or not check(len(descriptor) >= 16, f"{database}/tess_r.txt",
                                       "fewer than 16 lines"):
        return None
    folder = descriptor[8].strip()
    check(descriptor[15].strip() != "1", f"{database}/tess_r.txt",
          "line 16 must not be 1: the folder is relative to the program folder")
    path = resolve(root, folder)
    check(os.path.isdir(path), f"{database}/tess_r.txt", f"line 9 names {folder!r}, not a folder")
    return path


def main(argv):
    args = argv[1:]
    if len(args) == 1:
        args = ["en"] + args
    if len(args) != 2 or args[0] not in LANGUAGES:
        sys.stderr.write(__doc__)
        return 2
    language, root = args
    _, word_list_name, sentence_list_name, _ = LANGUAGES[language]
    two_code_pages = language == "fr"
    code_page = "latin-1" if two_code_pages else "cp1250"
    words = read_cp1250_lines(root, word_list_name, code_page) or []
    sentences = read_cp1250_lines(root, sentence_list_name, code_page) or []
    entries = []
    for name, lines, word_list in ((word_list_name, words, True),
                                   (sentence_list_name, sentences, False)):
        for number, line in enumerate(lines, 1):
            where = f"{name}:{number}"
            entry = parse_entry(line, where, word_list)
            if entry is None:
                continue
            entry["where"] = where
            entry["word"] = word_list
            if two_code_pages:
                check_code_pages(entry, where)
            if word_list:
                check_tags(entry, where, language)
            entries.append(entry)
    check(len(words) <= MAX_WORDS, word_list_name, f"{len(words)} words, at most {MAX_WORDS}")
    check(len(words) + len(sentences) <= CAPACITY, f"{word_list_name} + {sentence_list_name}",
          f"{len(words) + len(sentences)} entries, the dictionary holds {CAPACITY}")
    seen = {}
    for entry in entries:
        # The last entry of a number stands for it in a search: a repeat hides a word.
        earlier = seen.setdefault(entry["entry"], entry["where"])
        check(earlier == entry["where"], entry["where"],
              f"entry number {entry['entry']} is also in {earlier}")

    recordings = os.path.join(root, "Hdd", "Slownik")
    root_folder = recordings_root(root, language)
    if root_folder is not None:
        recordings = root_folder
    recorded = 0
    for entry in (e for e in entries if e["word"] and e["recording"]):
        where = entry["where"]
        if not check(entry["recording"].isdigit() and int(entry["recording"]) > 0, where,
                     f"recording {entry['recording']!r} is not a number above 0"):
            continue
        recorded += 1
        relative = recording_path(int(entry["recording"]))
        path = resolve(recordings, relative)
        if check(os.path.isfile(path), where, f"no recording file {relative}"):
            check_wav(path, f"{where} ({relative})")
    check(recorded >= MIN_RECORDINGS, word_list_name,
          f"{recorded} entries have a recording, at least {MIN_RECORDINGS} wanted")
    check_wav(os.path.join(root, "klik.wav"), "klik.wav")
    check_pictures(root)

    if errors:
        for error in errors[:50]:
            print("FAIL", error)
        print(f"{len(errors)} problem(s)")
        return 1
    print(f"OK: {len(words)} words ({recorded} recorded), {len(sentences)} sentences")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
