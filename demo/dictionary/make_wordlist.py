#!/usr/bin/env python3
"""Makes the dictionary's word list and sentence list from a FreeDict dictionary.

usage: make_wordlist.py LANG DICTD_BASE DATA_DIR OUT_DIR
       make_wordlist.py DICTD_BASE DATA_DIR OUT_DIR          (English)

LANG is en, de or fr. DICTD_BASE is the dictd database without its suffixes, from the Debian
packages dict-freedict-eng-pol, dict-freedict-deu-pol and dict-freedict-fra-pol (for example
/usr/share/dictd/freedict-deu-pol); its ".index" and ".dict.dz" are read. DATA_DIR holds our
own material for the language: common_words.txt (themes and levels of common words),
own_entries.txt (common words the dictionary lacks), irregular_verbs.txt, sentences.txt and,
for German, plurals.txt. Written to OUT_DIR, in UTF-8 with LF line ends (the build converts
them with CR LF line ends):

  word list       sba_s.txt, sbn_r.txt or sbf_s.txt: sorted alphabetically, numbered from 1
  sentence list   zda.txt, zdn.txt or zdf.txt: numbered on after the word list
  recordings.txt  "number<TAB>what to say" for every entry that has a recording

English and German lines hold only characters that cp1250 has. In the French lists the French
side (headword, plural, synonyms, sentence) holds only characters of cp1252 and the Polish side
only those of cp1250, and neither a letter that only the other code page has: the build writes
each character in cp1250 where cp1250 has it and in cp1252 otherwise. A letter that does not
belong is replaced by its unaccented form; an entry that still cannot be written is left out.
"""
import gzip
import os
import re
import sys
import unicodedata

sys.dont_write_bytecode = True  # nothing of the build is left in the source folder
import wikdict  # noqa: E402

MAX_WORDS = 14000        # the sentence list must fit beside it into the 15000 entries
CAPACITY = 15000
MIN_RECORDINGS = 2500    # besides every entry of levels 1 and 2
TRANSLATION_BUDGET = 64  # characters of Polish text on one entry before senses are left out
BLOCK_BUDGET = 40        # and within one part of speech
COMMENT_BUDGET = 60
MIN_DEFINITIONS = 1000   # fewer means a damaged or wrong database

# FreeDict's part-of-speech marks and the word-class tags of the list.
TAG_OF_POS = {
    "N": "[1]", "N Comp": "[1]",
    "Adj": "[2]",
    "V": "[3]", "V Phras": "[3]", "V Mod": "[3]", "V Refl": "[3]",
    "Adv": "[6]",
    "Prep": "[4]", "Conj": "[4]", "Pron": "[4]", "Num": "[4]", "Det": "[4]",
    "Inter": "[4]", "Interj": "[4]",
}
CLASS_OF_TAG = {"[1]": 1, "[2]": 2, "[3]": 3}  # anything else is 4, "other"
PAST_TENSE, PAST_PARTICIPLE = "[7]", "[8]"

# Labels of a field: the thematic group of an entry that no theme of ours claims.
DOMAIN_GROUPS = {"med": 2, "sport": 14, "muz": 14, "komp": 15, "techn": 15, "praw": 19,
                 "wojsk": 19, "relig": 19, "chem": 21, "mat": 21, "fiz": 21, "biol": 21,
                 "gram": 21, "jęz": 21, "ekon": 20, "fin": 20, "handl": 20}
GROUP_OTHER = 99

ROMAN = re.compile(r"^(?:I|II|III|IV|V|VI|VII|VIII|IX|X|XI|XII|XIII|XIV|XV)\.\s*(.*)$")
SENSE = re.compile(r"^((?:\[[^\]]*\]\s*)*)\d+\.( +)(.*)$")  # labels may stand before the number
LETTER = re.compile(r"^([a-z])\.\s*(.*)$")
SEE_ALSO = re.compile(r"See also:\s*\{([^}]*)\}")
LABEL = re.compile(r"\[([^\]]*)\]")
VALENCY = re.compile(r"\(([^()]*\s-\s[^()]*)\)")
PHRASE_CODE = re.compile(r"\([^()]*:[^()]*\)")


def fail(message):
    sys.exit(f"make_wordlist: {message}")


# ------------------------------------------------------------------ reading the dictd database

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def b64_number(text):
    value = 0
    for ch in text:
        value = value * 64 + B64.index(ch)
    return value


def read_definitions(base, package="dict-freedict-eng-pol"):
    """The distinct definitions of the database in index order (several index words may name
    one definition: spelling variants)."""
    try:
        with gzip.open(base + ".dict.dz") as f:
            data = f.read()
        with open(base + ".index", encoding="utf-8") as f:
            index = f.read().splitlines()
    except OSError as error:
        fail(f"cannot read the dictionary {base}: {error} (Debian package {package})")
    seen = set()
    definitions = []
    for line in index:
        parts = line.split("\t")
        if len(parts) != 3 or parts[0].startswith("00database"):
            continue
        try:
            start, length = b64_number(parts[1]), b64_number(parts[2])
        except ValueError:
            continue
        if (start, length) in seen:
            continue
        seen.add((start, length))
        definitions.append(data[start:start + length].decode("utf-8", errors="replace"))
    if len(definitions) < MIN_DEFINITIONS:
        fail(f"{base} holds only {len(definitions)} definitions")
    return definitions


# ------------------------------------------------------------------ parsing one definition

class Sense:
    def __init__(self, text):
        self.text = text.strip()
        self.phrase = bool(PHRASE_CODE.search(text))
        self.variant = False  # a sense about another form of the word ("goods")


class Block:
    """The senses of one part of speech."""

    def __init__(self, pos, headword=None):
        self.pos = pos
        self.headword = headword  # a compound or phrasal verb inside another word's entry
        self.senses = []
        self.gender = None        # of a noun, where the dictionary gives it
        self.weight = 0           # how many meanings the part covers


def parse_definition(text):
    """(headwords, blocks, see-also words) of one dictd definition."""
    lines = text.split("\n")
    header = lines[0]
    pos = None
    m = re.search(r"<([^>]*)>\s*$", header)
    if m:
        pos = m.group(1).strip()
        header = header[:m.start()]
    headword_text = re.split(r"\s+/", header, maxsplit=1)[0].strip()
    headwords = [h.strip() for h in headword_text.split(", ") if h.strip()]
    blocks = [Block(pos)]
    see_also = []

    def add_text(block, body):
        body = body.strip()
        if not body:
            return
        if body.startswith('"'):  # an example sentence
            return
        m = SENSE.match(body)
        if m:
            sense = Sense(m.group(1) + m.group(3))
            # "5. acknowledgements  podziękowania": one blank and an English form first.
            sense.variant = len(m.group(2)) == 1 and "  " in m.group(3)
            if sense.variant:
                sense.text = ""
            block.senses.append(sense)
            strip_sub_letter(sense)
            return
        m = LETTER.match(body)
        if m:
            if m.group(1) == "a" and m.group(2):
                if block.senses and not block.senses[-1].text:
                    block.senses[-1].text = m.group(2)
                else:  # "<N>  a. popołudnie": a first sense given with its example
                    block.senses.append(Sense(m.group(2)))
            return
        if body.startswith("- ") or body == "-":
            if block.senses:
                block.senses[-1].phrase = True
            return
        found = SEE_ALSO.findall(body)
        if found:
            see_also.extend(found)
            return
        sense = Sense(body)
        block.senses.append(sense)
        strip_sub_letter(sense)

    for line in lines[1:]:
        m = ROMAN.match(line)
        if m:
            rest = m.group(1)
            pm = re.match(r"<([^>]*)>(.*)$", rest)
            block = Block(pm.group(1).strip() if pm else None)
            if pm:
                rest = pm.group(2)
                if rest and not rest[0].isspace():
                    # "<N Comp>apple tree /ˈæpəl tri:/   jabłoń"
                    head, _, translation = rest.partition("  ")
                    block.headword = re.split(r"\s+/", head, maxsplit=1)[0].strip()
                    translation = re.sub(r"^\s*/[^/]*/", "", translation)
                    rest = translation
                else:
                    # "<N> the west  zachód": the form the part of speech is used in, then
                    # its translation.
                    form = re.match(r"^ (?![\d\[])\S.*?  +(\S.*)$", rest)
                    if form:
                        rest = form.group(1)
            elif "  " in rest.strip() and rest.strip()[0].isalpha():
                head, _, rest = rest.strip().partition("  ")
                head = head.strip()
                if re.sub(r"^(the|a|an) ", "", head.lower()) in (h.lower() for h in headwords):
                    # "I.  the weather  pogoda": the word itself, used as a noun.
                    block.pos = "N"
                else:
                    # "I.  grind up  mielić, mleć": a phrase of the word with its translation.
                    block.headword = head
            blocks.append(block)
            add_text(block, rest)
        else:
            # " the daytime  pora dzienna": the form the word is used in, then its translation.
            form = re.match(r"^ (?![\d\[\-\"])\S.*?  +(\S.*)$", line)
            add_text(blocks[-1], form.group(1) if form else line)
    return headwords, [b for b in blocks if b.senses], see_also


def strip_sub_letter(sense):
    """"[nieform]  a. większy" -> "[nieform]  większy"; a lone "b." has no text of its own."""
    m = re.match(r"^((?:\[[^\]]*\]\s*)*)a\.\s+(.*)$", sense.text)
    if m:
        sense.text = m.group(1) + m.group(2)
    elif re.match(r"^[a-z]\.$", sense.text):
        sense.text = ""


# ------------------------------------------------------------------ making entries

class Entry:
    def __init__(self, headword):
        self.headword = headword
        self.lemma = headword   # the word itself, without a German noun's article
        self.article = ""       # "der", "die" or "das" of a German noun
        self.plural = ""
        self.name = False       # a place or a person: wanted only when a list of ours names it
        self.translation = ""
        self.word_class = 4
        self.synonyms = []
        self.comment = ""
        self.group = GROUP_OTHER
        self.difficulty = 3
        self.level = 0          # of the common words, 0 when not one of them
        self.level_mark = 0
        self.polysemy = 0       # senses and parts of speech: a frequency estimate
        self.score = 0            # usefulness: what stays and what is recorded
        self.recorded = False
        self.number = 0
        self.irregular_of = None  # base verb of a past form


def clean_sense(text):
    """(Polish text, labels, valencies) of one sense."""
    labels = [label.strip() for label in LABEL.findall(text)]
    valencies = [v.strip() for v in VALENCY.findall(text)]
    text = LABEL.sub(" ", text)
    text = VALENCY.sub(" ", text)
    text = re.sub(r"\s+", " ", text).replace(" ,", ",").strip(" ,;")
    return text, labels, valencies


def items_of(text):
    return [item.strip() for item in text.split(",") if item.strip()]


def block_text(block, used_items):
    """(text, items, labels, valencies) of one part of speech: its first sense, then further
    senses that carry no label (a context, a field, a register) while they fit. Items already
    given by an earlier part are left out."""
    chosen = []
    items = []
    labels = []
    valencies = []
    length = 0
    for sense in block.senses:
        if sense.phrase or sense.variant or not sense.text:
            continue
        text, sense_labels, sense_valencies = clean_sense(sense.text)
        if not text:
            continue
        # A labelled sense is a special use, unless every sense is one ("against": [opierać
        # się] o, [komuś] przeciw, [prawu] wbrew).
        if chosen and ((sense_labels and not labels) or length + len(text) > BLOCK_BUDGET
                       or len(chosen) >= 3):
            continue
        new_items = []
        for item in items_of(text):
            # "gwóźdź tapicerski, gwóźdź": an item that only repeats the start of another.
            if any(item == old or old.startswith(item + " ")
                   for old in used_items + items + new_items):
                continue
            new_items.append(item)
        if not new_items:
            continue
        items.extend(new_items)
        chosen.append(", ".join(new_items))
        length += len(chosen[-1])
        labels.extend(sense_labels if not chosen[:-1] else [])
        valencies.extend(sense_valencies)
    return ", ".join(chosen), items, labels, valencies


def english_marks(block):
    """The tag of a part of speech and the word class it gives; None for both when unknown."""
    tag = TAG_OF_POS.get(block.pos or "")
    return tag, (CLASS_OF_TAG.get(tag, 4) if tag else None)


def entry_of(headword, blocks, synonyms, marks=english_marks):
    """An entry from the blocks of one word, or None when no translation is left."""
    entry = Entry(headword)
    entry.synonyms = synonyms
    parts = []
    used_items = []
    labels = []
    valencies = []
    first_class = None
    tagged = False  # whether the last part ends with its tag
    for block in blocks:
        text, items, block_labels, block_valencies = block_text(block, used_items)
        if not text:
            continue
        if parts and len(" ".join(parts)) + len(text) > TRANSLATION_BUDGET:
            break
        tag, word_class = marks(block)
        if tag and parts and parts[-1].endswith(" " + tag):
            # "skrzydło [1] błotnik [1]" reads better as "skrzydło, błotnik [1]".
            parts[-1] = parts[-1][:-len(tag)].rstrip() + ", " + text + " " + tag
        else:
            if parts and not tagged:
                parts[-1] += ","
            parts.append(text + (" " + tag if tag else ""))
        tagged = bool(tag)
        used_items.extend(items)
        labels.extend(block_labels)
        valencies.extend(block_valencies)
        if first_class is None and word_class:
            first_class = word_class
    if not parts:
        return None
    entry.translation = " ".join(parts)
    entry.word_class = first_class or 4
    entry.polysemy = sum(len(b.senses) for b in blocks) + 2 * (len(blocks) - 1)
    notes = []
    for note in labels + valencies:
        if note not in notes:
            notes.append(note)
    comment = ""
    for note in notes:
        candidate = note if not comment else comment + "; " + note
        if len(candidate) <= COMMENT_BUDGET:
            comment = candidate
    entry.comment = comment
    for label in labels:
        if label.lower() in DOMAIN_GROUPS:
            entry.group = DOMAIN_GROUPS[label.lower()]
            break
    return entry


def entries_from_dictionary(definitions):
    entries = []
    for text in definitions:
        headwords, blocks, see_also = parse_definition(text)
        if not headwords:
            continue
        own = [b for b in blocks if b.headword is None]
        entry = entry_of(headwords[0], own, headwords[1:] + see_also)
        if entry:
            entries.append(entry)
        for block in blocks:
            if block.headword:
                sub = entry_of(block.headword, [block], [])
                if sub:
                    entries.append(sub)
    return entries


# ------------------------------------------------------------------ the languages

# Letters each side of the French lists may hold besides those cp1250 and cp1252 share: a
# character only one of them has must belong to the side's own language.
SHARED_LETTERS = frozenset(
    ch for ch in bytes(range(256)).decode("cp1252", errors="ignore")
    if ch.encode("cp1250", errors="ignore") == ch.encode("cp1252"))
FRENCH_LETTERS = frozenset("àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ")
POLISH_LETTERS = frozenset("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")
STROKED_LETTERS = str.maketrans("ŁłØøĐđĦħ", "LlOoDdHh")

# Fields of a gloss: the thematic group of an entry that no theme of ours claims.
GERMAN_DOMAINS = {
    "Medizin": 2, "Anatomie": 2, "Zoologie": 12, "Ornithologie": 12, "Ichthyologie": 12,
    "Entomologie": 12, "Botanik": 11, "Geologie": 11, "Meteorologie": 11, "Astronomie": 11,
    "Geografie": 11, "Sport": 14, "Musik": 14, "Tanz": 14, "Technik": 15, "Informatik": 15,
    "EDV": 15, "Recht": 19, "Militär": 19, "Religion": 19, "Christentum": 19, "Theologie": 19,
    "Politik": 19, "Chemie": 21, "Mathematik": 21, "Physik": 21, "Biologie": 21,
    "Linguistik": 21, "Grammatik": 21, "Wirtschaft": 20, "Gastronomie": 4, "Kleidung": 5,
    "Architektur": 3}
FRENCH_DOMAINS = {
    "Médecine": 2, "Anatomie": 2, "Zoologie": 12, "Entomologie": 12, "Ornithologie": 12,
    "Ichtyologie": 12, "Botanique": 11, "Astronomie": 11, "Géographie": 11, "Géologie": 11,
    "Météorologie": 11, "Sport": 14, "Musique": 14, "Danse": 14, "Informatique": 15,
    "Technique": 15, "Droit": 19, "Militaire": 19, "Religion": 19, "Théologie": 19,
    "Politique": 19, "Chimie": 21, "Mathématiques": 21, "Physique": 21, "Biologie": 21,
    "Linguistique": 21, "Grammaire": 21, "Géométrie": 21, "Économie": 20, "Finance": 20,
    "Commerce": 20, "Cuisine": 4, "Habillement": 5, "Architecture": 3}
GERMAN_DOMAIN = re.compile(r"^([A-ZÄÖÜ][\wäöüß]+)[:,]")
FRENCH_DOMAIN = re.compile(r"^\(([A-ZÉ][^()]*)\)")

# Glosses of places and people: such entries come last unless a list of ours names them.
GERMAN_NAME_GLOSS = re.compile(
    r"\b(?:(?:Haupt|Groß|Klein|Hafen)?[Ss]tadt|Gemeinde|Ortsteil|Insel|Inselgruppe|Fluss|"
    r"Nebenfluss|Bundesstaat|Staat|Bundesland|Landkreis|Kanton|Provinz|Region|Gebirge|"
    r"Stadtteil|Ort|Ortes|Dorf) (?:in|im|von|an|der|des|auf|am)\b|Vorname\b|Familienname\b|"
    r"Nachname\b|\bName (?:des|der|eines|einer)\b")
FRENCH_NAME_GLOSS = re.compile(
    r"^(?:Ville|Commune|Pays|Capitale|Prénom|Nom de famille|Île|Fleuve|Rivière|Région|"
    r"Département|Province|Comté|Canton|État|Localité|Village)\b")

# WikDict's parts of speech, as FreeDict's English-Polish dictionary names them.
POS_OF_WIKDICT = {
    "n": "N", "pn": "N", "abbreviation": "N", "adj": "Adj", "v": "V",
    "adv": "Adv", "Adverb": "Adv", "pronominalAdverb": "Adv",
    "preposition": "Prep", "postposition": "Prep", "numeral": "Num", "interjection": "Inter",
    "article": "Det", "particle": "Conj", "indefinitePronoun": "Pron",
    "demonstrativePronoun": "Pron", "personalPronoun": "Pron", "possessivePronoun": "Pron",
    "interrogativePronoun": "Pron", "relativePronoun": "Pron", "pronoun": "Pron", "conj": "Conj",
    "conjunction": "Conj"}
SKIPPED_POS = {"prefix", "suffix", "affix", "infix"}
POS_ORDER = {"V": 0, "Adj": 1, "Adv": 2, "N": 3}  # of a word's parts that weigh the same
ARTICLES = {"masc": "der", "fem": "die", "neut": "das"}
GENDER_MARKS = {"masc": "(m)", "fem": "(f)"}
CLASS_OF_MARK = {"[1]": 1, "[2]": 2, "[3]": 3, "(m)": 1, "(f)": 1}


class Language:
    """What differs between the dictionaries: files, the reading of the database, the marks of
    the parts of speech and the code pages."""

    def __init__(self, code, package, word_list, sentence_list, wikdict_layout=False,
                 articles=False, genders=False, domains=None, domain=None, name_gloss=None):
        self.code = code
        self.package = package
        self.word_list = word_list
        self.sentence_list = sentence_list
        self.wikdict_layout = wikdict_layout
        self.articles = articles  # German nouns: "Hund, der", spoken "der Hund"
        self.genders = genders    # French nouns: "(m)" or "(f)" after the Polish noun
        self.domains = domains or {}
        self.domain = domain
        self.name_gloss = name_gloss
        # Tags, and French gender marks, as tokens of a translation.
        self.marker = re.compile(r"\[\d\]|\([mf]\)" if genders else r"\[\d\]")

    def marks(self, block):
        if block.pos == "N" and self.genders:
            return GENDER_MARKS.get(block.gender), 1
        return english_marks(block)


LANGUAGES = {
    "en": Language("en", "dict-freedict-eng-pol", "sba_s.txt", "zda.txt"),
    "de": Language("de", "dict-freedict-deu-pol", "sbn_r.txt", "zdn.txt", wikdict_layout=True,
                   articles=True, domains=GERMAN_DOMAINS, domain=GERMAN_DOMAIN,
                   name_gloss=GERMAN_NAME_GLOSS),
    "fr": Language("fr", "dict-freedict-fra-pol", "sbf_s.txt", "zdf.txt", wikdict_layout=True,
                   genders=True, domains=FRENCH_DOMAINS, domain=FRENCH_DOMAIN,
                   name_gloss=FRENCH_NAME_GLOSS),
}


def german_noun(headword):
    """(word, article) of "Hund, der"; (headword, "") for anything else."""
    m = re.fullmatch(r"(.+), (der|die|das)", headword)
    return (m.group(1), m.group(2)) if m else (headword, "")


def is_name(definition, language):
    if definition.pos == "pn" or (definition.pos is None and definition.gender):
        return True  # a proper noun, or a first name ("Adrien <masc>")
    return any(language.name_gloss.search(gloss) for gloss in definition.glosses[:2])


def distinct_items(text):
    """"rabbi, Rabbi" says one thing twice."""
    items = []
    for item in items_of(text):
        if item.lower() not in (i.lower() for i in items):
            items.append(item)
    return ", ".join(items)


def entries_from_wikdict(definitions, language):
    """One entry per headword, and per article of a German noun ("See, der" is a lake, "See,
    die" the sea); the parts of speech of a headword weightiest first."""
    words = {}
    for text in definitions:
        definition = wikdict.parse_definition(text)
        if definition is None or not definition.senses or definition.pos in SKIPPED_POS:
            continue
        word = definition.word.replace("’", "'")
        # A first name has only a gender ("Adrien <masc>").
        pos = "N" if definition.pos is None and definition.gender else \
            POS_OF_WIKDICT.get(definition.pos or "")
        if word[:1].isdigit() or (definition.pos == "abbreviation" and not word[:1].isupper()):
            continue  # "2. Korintherbrief", "10e", units such as "a" (Ar)
        article = ARTICLES.get(definition.gender, "") if language.articles and pos == "N" else ""
        words.setdefault((word, article), []).append((definition, pos))

    entries = []
    for (word, article), found in words.items():
        blocks = []
        for definition, pos in found:
            block = Block(pos)
            block.gender = definition.gender
            block.weight = sum(sense.weight for sense in definition.senses)
            block.senses = [Sense(distinct_items(sense.translation))
                            for sense in definition.senses]
            blocks.append(block)
        # A French noun of unknown gender has no mark: it goes last, so that the first mark
        # still tells the word class.
        unmarked = [language.genders and b.pos == "N" and not GENDER_MARKS.get(b.gender)
                    for b in blocks]
        order = sorted(range(len(blocks)), key=lambda i: (
            unmarked[i], -blocks[i].weight, POS_ORDER.get(blocks[i].pos, 4), i))
        blocks = [blocks[i] for i in order]
        entry = entry_of(f"{word}, {article}" if article else word, blocks, [], language.marks)
        if entry is None:
            continue
        entry.lemma = word
        entry.article = article
        entry.polysemy = sum(b.weight for b in blocks) + 2 * (len(blocks) - 1)
        entry.name = any(is_name(definition, language) for definition, _ in found)
        for definition, _ in found:
            # The field a gloss starts with: "Medizin: ...", "(Médecine) ...".
            field_label = definition.glosses and language.domain.match(definition.glosses[0])
            if field_label and field_label.group(1) in language.domains:
                entry.group = language.domains[field_label.group(1)]
                break
        entries.append(entry)
    # "Freitag" is also a family name: the weekday alone is the word.
    words_of_their_own = {e.lemma for e in entries if not e.name}
    return [e for e in entries if not e.name or e.lemma not in words_of_their_own]


# ------------------------------------------------------------------ our own material

def data_lines(path, required=True):
    if not required and not os.path.exists(path):
        return
    try:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.strip()
                if line and not line.startswith("#"):
                    yield number, line
    except OSError as error:
        fail(f"cannot read {path}: {error}")


def read_common_words(path):
    """word -> (group, level)."""
    words = {}
    group = None
    for number, line in data_lines(path):
        m = re.match(r"^@(\d\d)\s+\S", line)
        if m:
            group = int(m.group(1))
            continue
        m = re.match(r"^([123]):\s*(.*)$", line)
        if not m or group is None:
            fail(f"{path}:{number}: expected '@NN theme' or '1:', '2:', '3:' and words")
        level = int(m.group(1))
        for word in m.group(2).split(","):
            word = word.strip()
            if not word:
                continue
            if word not in words or words[word][1] > level:
                words[word] = (words.get(word, (group, level))[0], level)
    return words


def read_own_entries(path, language=LANGUAGES["en"]):
    """Common words the dictionary lacks: headword<TAB>translation with its word-class tags
    (and French gender marks); a German noun is written "Hund, der"."""
    entries = []
    for number, line in data_lines(path):
        headword, _, translation = (part.strip() for part in line.partition("\t"))
        tags = [t for t in translation.split() if language.marker.fullmatch(t)]
        if not headword or not translation or not tags:
            fail(f"{path}:{number}: expected 'headword<TAB>translation [tag]'")
        entry = Entry(headword)
        if language.articles:
            entry.lemma, entry.article = german_noun(headword)
        entry.translation = re.sub(r"\s+", " ", translation)
        entry.word_class = CLASS_OF_MARK.get(tags[0], 4)
        entry.polysemy = 3
        entries.append(entry)
    return entries


def read_plurals(path):
    """German noun -> its plural; "-" for a noun without one."""
    plurals = {}
    for number, line in data_lines(path, required=False):
        parts = line.split()
        if len(parts) != 2:
            fail(f"{path}:{number}: expected 'noun plural'")
        plurals[parts[0]] = "" if parts[1] == "-" else parts[1]
    return plurals


def read_irregular_verbs(path):
    """(base, past forms, participle forms, meaning or ""); "was/were" lists two forms, "-"
    none, and a meaning after "|" stands where the dictionary's first verb sense is another
    verb's."""
    verbs = []
    for number, line in data_lines(path):
        forms, _, meaning = (part.strip() for part in line.partition("|"))
        parts = forms.split()
        if len(parts) != 3:
            fail(f"{path}:{number}: expected 'base past participle [| meaning]'")
        verbs.append((parts[0], parts[1].split("/"), parts[2].split("/"), meaning))
    return verbs


def read_sentences(path):
    """(group, level, foreign sentence, Polish)."""
    sentences = []
    group = level = None
    for number, line in data_lines(path):
        m = re.match(r"^@(\d\d)\s+([123])\s+\S", line)
        if m:
            group, level = int(m.group(1)), int(m.group(2))
            continue
        foreign, bar, polish = (part.strip() for part in line.partition("|"))
        if group is None or not bar or not foreign or not polish:
            fail(f"{path}:{number}: expected '@NN LEVEL theme' or 'sentence | Polish'")
        sentences.append((group, level, foreign, polish))
    return sentences


def verb_meaning(translation, marker=LANGUAGES["en"].marker):
    """The first Polish word of the verb part of a translation ("[3]"), or ""."""
    words = []
    for token in translation.split():
        if marker.fullmatch(token):
            if token == "[3]":
                return " ".join(words).split(",")[0].strip()
            words = []
        else:
            words.append(token)
    return ""


def add_irregular_forms(entries, verbs, language=LANGUAGES["en"]):
    """Past tense and past participle of irregular verbs, shown with the verb's meaning and the
    tags "[7]" and "[8]"; a form that is also a word of its own gets them added."""
    by_headword = {e.headword: e for e in entries}
    added = []
    for base, pasts, participles, meaning in verbs:
        verb = by_headword.get(base)
        if verb is None:
            continue
        meaning = meaning or verb_meaning(verb.translation, language.marker)
        if not meaning:
            continue
        forms = {}
        for form in pasts:
            forms.setdefault(form, []).append(PAST_TENSE)
        for form in participles:
            forms.setdefault(form, []).append(PAST_PARTICIPLE)
        for form, tags in forms.items():
            if form == base or form == "-":
                continue
            text = meaning + " " + " ".join(tags)
            existing = by_headword.get(form)
            if existing is not None:
                tokens = existing.translation.split()
                if PAST_TENSE not in tokens and PAST_PARTICIPLE not in tokens:
                    existing.translation += " " + text
                    existing.irregular_of = existing.irregular_of or verb
                continue
            entry = Entry(form)
            entry.translation = text
            entry.irregular_of = verb
            by_headword[form] = entry
            added.append(entry)
    entries.extend(added)


# ------------------------------------------------------------------ ranking and numbering

def rank(entries, common, language=LANGUAGES["en"]):
    """Levels, groups and difficulty from the common words; a usefulness score for choosing
    what stays and what is recorded."""
    for entry in entries:
        # A past form is as common as its verb; "August" and "august" are different words.
        word = entry.irregular_of or entry
        found = common.get(word.headword) or common.get(word.lemma)
        if found:
            group, level = found
            entry.group = group
            entry.level = level
            entry.level_mark = 1 if level <= 2 else 0
            entry.difficulty = min(level, 2)
        else:
            entry.difficulty = 2 if entry.polysemy >= 6 and len(entry.lemma) <= 9 else 3

    def score(entry):
        if entry.level:
            value = 10000 - 1000 * entry.level
        else:
            value = 1000 + 40 * min(entry.polysemy, 20)
            if entry.name:
                value -= 800
        longest = max(len(word) for word in re.split(r"[ -]", entry.lemma))
        value -= 15 * max(0, longest - 6)
        if " " in entry.lemma:
            value -= 60
        if "-" in entry.lemma:
            value -= 100
        # German nouns are written with a capital letter.
        if entry.lemma[:1].isupper() and not (language.articles and entry.word_class == 1):
            value -= 200
        if entry.irregular_of:
            value -= 50
        return value

    for entry in entries:
        entry.score = score(entry)


def sort_key(entry):
    folded = unicodedata.normalize("NFKD", entry.headword.lower())
    folded = "".join(ch for ch in folded if not unicodedata.combining(ch))
    return (re.sub(r"[^a-z0-9 ]", "", folded), folded, entry.headword)


def folded_sort_key(entry):
    """German and French order: accents and the article do not count, ß is ss."""
    text = entry.lemma.lower().replace("ß", "ss").replace("œ", "oe").replace("æ", "ae")
    folded = unicodedata.normalize("NFKD", text)
    folded = "".join(ch for ch in folded if not unicodedata.combining(ch))
    return (re.sub(r"[^a-z0-9 ]", "", folded), folded, entry.lemma, entry.headword)


# ------------------------------------------------------------------ writing

def cp1250_text(text):
    """The text with each letter cp1250 lacks replaced by its unaccented form; None when even
    then something cannot be written."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1250")
            out.append(ch)
        except UnicodeEncodeError:
            out.append("".join(c for c in unicodedata.normalize("NFKD", ch)
                               if not unicodedata.combining(c)))
    result = "".join(out)
    try:
        result.encode("cp1250")
    except UnicodeEncodeError:
        return None
    return result


def side_text(text, own_letters):
    """The text with each character that neither both code pages nor the side's own letters
    hold replaced by its unaccented form; None when even then something does not fit."""
    out = []
    for ch in text:
        if ch in SHARED_LETTERS or ch in own_letters:
            out.append(ch)
        else:
            # "Ł" and "ø" have no accent to take away, only a stroke.
            ch = ch.translate(STROKED_LETTERS)
            out.append("".join(c for c in unicodedata.normalize("NFKD", ch)
                               if not unicodedata.combining(c)))
    result = "".join(out)
    if any(ch not in SHARED_LETTERS and ch not in own_letters for ch in result):
        return None
    return result


def french_text(text):
    return side_text(text.replace("’", "'"), FRENCH_LETTERS)


def polish_text(text):
    return side_text(text, POLISH_LETTERS)


def field(text):
    """A field never holds the separator or a line end."""
    return re.sub(r"[=\s]+", " ", text).strip()


def list_line(group, number, difficulty, word_class, headword, fields, separator):
    """One line of a list: fixed columns, the headword, then the "="-separated fields."""
    return (f"{group:02d} 0{number:05d} {difficulty}{word_class} {headword}{separator}="
            + "=".join(fields) + "=")


def converters(language):
    """How the foreign side and the Polish side are made writable."""
    if language.genders:
        return french_text, polish_text
    return cp1250_text, cp1250_text


def writable(entry, language=LANGUAGES["en"]):
    """(headword, translation, synonyms, comment, plural) as they can be written, or None."""
    foreign, polish = converters(language)
    parts = [(entry.headword, foreign), (entry.translation, polish),
             (", ".join(entry.synonyms), foreign), (entry.comment, polish),
             (entry.plural, foreign)]
    converted = [convert(field(p)) for p, convert in parts]
    if any(c is None for c in converted) or not converted[0] or not converted[1]:
        return None
    return converted


def spoken(entry, converted, language):
    """What the recording of an entry says: a German noun with its article."""
    if entry.article:
        return language_text(f"{entry.article} {entry.lemma}", language)
    return converted[0]


def language_text(text, language):
    return converters(language)[0](field(text))


def word_line(entry, converted):
    headword, translation, synonyms, comment, plural = converted
    recording = str(entry.number) if entry.recorded else ""
    return list_line(entry.group, entry.number, entry.difficulty, entry.word_class, headword,
                     [translation, plural, synonyms, comment, recording, "0",
                      "1" if entry.level_mark else "0"], " ")


def write_lines(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")


def dictionary_entries(base, language):
    definitions = read_definitions(base, language.package)
    if language.wikdict_layout:
        return entries_from_wikdict(definitions, language)
    return entries_from_dictionary(definitions)


def main(argv):
    args = argv[1:]
    if len(args) == 3 and args[0] not in LANGUAGES:
        args = ["en"] + args  # the English form of before there were other languages
    if len(args) != 4 or args[0] not in LANGUAGES:
        sys.stderr.write(__doc__)
        return 2
    code, base, data_dir, out_dir = args
    language = LANGUAGES[code]
    common = read_common_words(os.path.join(data_dir, "common_words.txt"))
    own = read_own_entries(os.path.join(data_dir, "own_entries.txt"), language)
    verbs = read_irregular_verbs(os.path.join(data_dir, "irregular_verbs.txt"))
    sentences = read_sentences(os.path.join(data_dir, "sentences.txt"))
    plurals = read_plurals(os.path.join(data_dir, "plurals.txt")) if language.articles else {}

    entries = dictionary_entries(base, language)
    # Our own entries fill gaps; where the dictionary has the word after all, ours stand.
    own_headwords = {e.headword for e in own}
    own_nouns = {e.lemma for e in own if e.article}  # "Monat, der" stands for a bare "Monat"
    entries = [e for e in entries if e.headword not in own_headwords
               and (e.article or e.lemma not in own_nouns)]
    # One entry per headword: the first, which is the word's own rather than a compound.
    unique = {}
    for entry in own + entries:
        unique.setdefault(entry.headword, entry)
    entries = list(unique.values())
    add_irregular_forms(entries, verbs, language)
    for entry in entries:
        if entry.article:
            entry.plural = plurals.get(entry.lemma, "")

    # What cannot be written stays out before anything is counted.
    written = []
    for entry in entries:
        converted = writable(entry, language)
        if converted and not converted[0].endswith("."):  # abbreviations such as "Rd."
            written.append((entry, converted))
    rank([e for e, _ in written], common, language)

    by_use = sorted(written, key=lambda pair: -pair[0].score)
    kept = by_use[:max(0, min(MAX_WORDS, CAPACITY - len(sentences)))]
    for position, (entry, _) in enumerate(by_use):
        entry.recorded = entry.level_mark == 1 or position < MIN_RECORDINGS
    key = folded_sort_key if language.wikdict_layout else sort_key
    kept.sort(key=lambda pair: key(pair[0]))

    lines = []
    recordings = []
    for number, (entry, converted) in enumerate(kept, 1):
        entry.number = number
        lines.append(word_line(entry, converted))
        if entry.recorded:
            recordings.append(f"{number}\t{spoken(entry, converted, language)}")
    os.makedirs(out_dir, exist_ok=True)
    write_lines(os.path.join(out_dir, language.word_list), lines)
    write_lines(os.path.join(out_dir, "recordings.txt"), recordings)

    foreign_side, polish_side = converters(language)
    sentence_lines = []
    for offset, (group, level, foreign, polish) in enumerate(sentences, 1):
        foreign_text, polish_text_ = foreign_side(field(foreign)), polish_side(field(polish))
        if not foreign_text or not polish_text_:
            fail(f"sentence {offset} has a character its code page lacks")
        sentence_lines.append(list_line(group, len(kept) + offset, level, 4, foreign_text,
                                        [polish_text_, "", "", "", "", "0", "0"], ""))
    write_lines(os.path.join(out_dir, language.sentence_list), sentence_lines)
    print(f"make_wordlist: {len(kept)} words ({len(recordings)} recorded), "
          f"{len(sentence_lines)} sentences")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
