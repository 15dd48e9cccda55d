"""Reads one definition of FreeDict's German-Polish and French-Polish dictionaries.

Both are made by WikDict from Wiktionary and share one layout:

    Haus /haʊ̯s/ <n, neut>          headword, pronunciations, part of speech and gender
    dom 2.                          the translation of the only sense ("2." numbers the glosses)
    zu einem bestimmten Zweck ...   glosses in the foreign language, one a line
     3.
    zum Wohnen dienendes ...

and with several senses "1. pies, suka", a gloss, "2. pies", a gloss, ... The glosses only
tell how much a word is used and in which field (a "Medizin:" or "(Médecine)" in front).
"""
import html
import re

HEADER_POS = re.compile(r"<([^>]*)>\s*$")
NUMBERED = re.compile(r"^(\d+)\. (.*)$")
GLOSS_NUMBER = re.compile(r"^\s+\d+\.\s*$")
TRAILING_GLOSS_NUMBER = re.compile(r"\s+\d+\.$")
GENDERS = ("masc", "fem", "neut")


class WikSense:
    def __init__(self, translation):
        self.translation = TRAILING_GLOSS_NUMBER.sub("", translation).strip()
        self.glosses = []

    @property
    def weight(self):
        """How many meanings of the foreign word this translation covers (at least one)."""
        return max(1, len(self.glosses))


class WikDefinition:
    def __init__(self, word, pos, gender):
        self.word = word
        self.pos = pos        # "n", "v", "adj", ...; None when the header gives none
        self.gender = gender  # "masc", "fem", "neut" or None
        self.senses = []

    @property
    def glosses(self):
        return [gloss for sense in self.senses for gloss in sense.glosses]


def parse_header(line):
    """(headword, part of speech, gender) of a definition's first line."""
    pos = gender = None
    m = HEADER_POS.search(line)
    if m:
        line = line[:m.start()]
        marks = [part.strip() for part in m.group(1).split(",")]
        genders = [mark for mark in marks if mark in GENDERS]
        others = [mark for mark in marks if mark not in GENDERS and mark]
        gender = genders[0] if genders else None
        pos = others[0] if others else None
    # The pronunciations follow the headword, each between slashes.
    word = re.split(r"\s+/", line, maxsplit=1)[0].strip()
    return word, pos, gender


def parse_definition(text):
    """The definition of one dictd entry, or None when it has no headword."""
    lines = html.unescape(text).rstrip("\n").split("\n")
    word, pos, gender = parse_header(lines[0])
    if not word:
        return None
    definition = WikDefinition(word, pos, gender)
    numbered = False
    for line in lines[1:]:
        if not line.strip():
            continue
        m = NUMBERED.match(line)
        senses = definition.senses
        # Sense k+1 starts with "k+1. " at the line start, and only where sense 1 did.
        if m and int(m.group(1)) == len(senses) + 1 and (numbered or not senses):
            numbered = True
            senses.append(WikSense(m.group(2)))
        elif not senses:
            senses.append(WikSense(line))
        elif GLOSS_NUMBER.match(line):
            continue
        else:
            senses[-1].glosses.append(line.strip())
    definition.senses = [s for s in definition.senses if s.translation]
    return definition
