#!/usr/bin/env python3
"""Makes the dictionary's word list and sentence list from FreeDict's English-Polish dictionary.

usage: make_wordlist.py DICTD_BASE DATA_DIR OUT_DIR

DICTD_BASE is the dictd database without its suffixes (for example
/usr/share/dictd/freedict-eng-pol, from the Debian package dict-freedict-eng-pol); its
".index" and ".dict.dz" are read. DATA_DIR holds our own material beside this script:
common_words.txt (themes and levels of common words), own_entries.txt (common words the
dictionary lacks), irregular_verbs.txt and sentences.txt. Written to OUT_DIR, in UTF-8 with LF
line ends (the build converts them to cp1250 with CR LF):

  sba_s.txt       the word list, sorted alphabetically, entries numbered from 1
  zda.txt         the sentence list, numbered on after the word list
  recordings.txt  "number<TAB>what to say" for every entry that has a recording

Every character of a written line is one that cp1250 has: a letter it lacks is replaced by its
unaccented form, and an entry that still cannot be written is left out.
"""
import gzip
import os
import re
import sys
import unicodedata

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


def read_definitions(base):
    """The distinct definitions of the database in index order (several index words may name
    one definition: spelling variants)."""
    try:
        with gzip.open(base + ".dict.dz") as f:
            data = f.read()
        with open(base + ".index", encoding="utf-8") as f:
            index = f.read().splitlines()
    except OSError as error:
        fail(f"cannot read the dictionary {base}: {error} "
             "(Debian package dict-freedict-eng-pol)")
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


def entry_of(headword, blocks, synonyms):
    """An entry from the blocks of one word, or None when no translation is left."""
    entry = Entry(headword)
    entry.synonyms = synonyms
    parts = []
    used_items = []
    labels = []
    valencies = []
    first_tag = None
    for block in blocks:
        text, items, block_labels, block_valencies = block_text(block, used_items)
        if not text:
            continue
        if parts and len(" ".join(parts)) + len(text) > TRANSLATION_BUDGET:
            break
        tag = TAG_OF_POS.get(block.pos or "")
        if tag and parts and parts[-1].endswith(" " + tag):
            # "skrzydło [1] błotnik [1]" reads better as "skrzydło, błotnik [1]".
            parts[-1] = parts[-1][:-len(tag)].rstrip() + ", " + text + " " + tag
        else:
            if parts and not parts[-1].endswith("]"):
                parts[-1] += ","
            parts.append(text + (" " + tag if tag else ""))
        used_items.extend(items)
        labels.extend(block_labels)
        valencies.extend(block_valencies)
        if first_tag is None and tag:
            first_tag = tag
    if not parts:
        return None
    entry.translation = " ".join(parts)
    entry.word_class = CLASS_OF_TAG.get(first_tag or "", 4)
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


# ------------------------------------------------------------------ our own material

def data_lines(path):
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


def read_own_entries(path):
    """Common words the dictionary lacks: headword<TAB>translation with its word-class tags."""
    entries = []
    for number, line in data_lines(path):
        headword, _, translation = (part.strip() for part in line.partition("\t"))
        tags = [t for t in translation.split() if re.fullmatch(r"\[\d\]", t)]
        if not headword or not translation or not tags:
            fail(f"{path}:{number}: expected 'headword<TAB>translation [tag]'")
        entry = Entry(headword)
        entry.translation = re.sub(r"\s+", " ", translation)
        entry.word_class = CLASS_OF_TAG.get(tags[0], 4)
        entry.polysemy = 3
        entries.append(entry)
    return entries


def read_irregular_verbs(path):
    """(base, past forms, participle forms, meaning or ""); "was/were" lists two forms, and a
    meaning after "|" stands where the dictionary's first verb sense is another verb's."""
    verbs = []
    for number, line in data_lines(path):
        forms, _, meaning = (part.strip() for part in line.partition("|"))
        parts = forms.split()
        if len(parts) != 3:
            fail(f"{path}:{number}: expected 'base past participle [| meaning]'")
        verbs.append((parts[0], parts[1].split("/"), parts[2].split("/"), meaning))
    return verbs


def read_sentences(path):
    """(group, level, English, Polish)."""
    sentences = []
    group = level = None
    for number, line in data_lines(path):
        m = re.match(r"^@(\d\d)\s+([123])\s+\S", line)
        if m:
            group, level = int(m.group(1)), int(m.group(2))
            continue
        english, bar, polish = (part.strip() for part in line.partition("|"))
        if group is None or not bar or not english or not polish:
            fail(f"{path}:{number}: expected '@NN LEVEL theme' or 'English | Polish'")
        sentences.append((group, level, english, polish))
    return sentences


def verb_meaning(translation):
    """The first Polish word of the verb part of a translation ("[3]"), or ""."""
    words = []
    for token in translation.split():
        if re.fullmatch(r"\[\d\]", token):
            if token == "[3]":
                return " ".join(words).split(",")[0].strip()
            words = []
        else:
            words.append(token)
    return ""


def add_irregular_forms(entries, verbs):
    """Past tense and past participle of irregular verbs, shown with the verb's meaning and the
    tags "[7]" and "[8]"; a form that is also a word of its own gets them added."""
    by_headword = {e.headword: e for e in entries}
    added = []
    for base, pasts, participles, meaning in verbs:
        verb = by_headword.get(base)
        if verb is None:
            continue
        meaning = meaning or verb_meaning(verb.translation)
        if not meaning:
            continue
        forms = {}
        for form in pasts:
            forms.setdefault(form, []).append(PAST_TENSE)
        for form in participles:
            forms.setdefault(form, []).append(PAST_PARTICIPLE)
        for form, tags in forms.items():
            if form == base:
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

def rank(entries, common):
    """Levels, groups and difficulty from the common words; a usefulness score for choosing
    what stays and what is recorded."""
    for entry in entries:
        # A past form is as common as its verb; "August" and "august" are different words.
        found = common.get(entry.irregular_of.headword if entry.irregular_of else entry.headword)
        if found:
            group, level = found
            entry.group = group
            entry.level = level
            entry.level_mark = 1 if level <= 2 else 0
            entry.difficulty = min(level, 2)
        else:
            entry.difficulty = 2 if entry.polysemy >= 6 and len(entry.headword) <= 9 else 3

    def score(entry):
        if entry.level:
            value = 10000 - 1000 * entry.level
        else:
            value = 1000 + 40 * min(entry.polysemy, 20)
        longest = max(len(word) for word in re.split(r"[ -]", entry.headword))
        value -= 15 * max(0, longest - 6)
        if " " in entry.headword:
            value -= 60
        if "-" in entry.headword:
            value -= 100
        if entry.headword[:1].isupper():
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


def field(text):
    """A field never holds the separator or a line end."""
    return re.sub(r"[=\s]+", " ", text).strip()


def list_line(group, number, difficulty, word_class, headword, fields, separator):
    """One line of a list: fixed columns, the headword, then the "="-separated fields."""
    return (f"{group:02d} 0{number:05d} {difficulty}{word_class} {headword}{separator}="
            + "=".join(fields) + "=")


def writable(entry):
    parts = [entry.headword, entry.translation, ", ".join(entry.synonyms), entry.comment]
    converted = [cp1250_text(field(p)) for p in parts]
    if any(c is None for c in converted) or not converted[0] or not converted[1]:
        return None
    return converted


def word_line(entry, converted):
    headword, translation, synonyms, comment = converted
    recording = str(entry.number) if entry.recorded else ""
    return list_line(entry.group, entry.number, entry.difficulty, entry.word_class, headword,
                     [translation, "", synonyms, comment, recording, "0",
                      "1" if entry.level_mark else "0"], " ")


def write_lines(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    base, data_dir, out_dir = argv[1:]
    common = read_common_words(os.path.join(data_dir, "common_words.txt"))
    own = read_own_entries(os.path.join(data_dir, "own_entries.txt"))
    verbs = read_irregular_verbs(os.path.join(data_dir, "irregular_verbs.txt"))
    sentences = read_sentences(os.path.join(data_dir, "sentences.txt"))

    entries = entries_from_dictionary(read_definitions(base))
    # Our own entries fill gaps; where the dictionary has the word after all, ours stand.
    own_headwords = {e.headword for e in own}
    entries = [e for e in entries if e.headword not in own_headwords]
    # One entry per headword: the first, which is the word's own rather than a compound.
    unique = {}
    for entry in own + entries:
        unique.setdefault(entry.headword, entry)
    entries = list(unique.values())
    add_irregular_forms(entries, verbs)

    # What cannot be written in cp1250 stays out before anything is counted.
    written = []
    for entry in entries:
        converted = writable(entry)
        if converted and not converted[0].endswith("."):  # abbreviations such as "Rd."
            written.append((entry, converted))
    rank([e for e, _ in written], common)

    by_use = sorted(written, key=lambda pair: -pair[0].score)
    kept = by_use[:max(0, min(MAX_WORDS, CAPACITY - len(sentences)))]
    for position, (entry, _) in enumerate(by_use):
        entry.recorded = entry.level_mark == 1 or position < MIN_RECORDINGS
    kept.sort(key=lambda pair: sort_key(pair[0]))

    lines = []
    recordings = []
    for number, (entry, converted) in enumerate(kept, 1):
        entry.number = number
        lines.append(word_line(entry, converted))
        if entry.recorded:
            recordings.append(f"{number}\t{converted[0]}")
    os.makedirs(out_dir, exist_ok=True)
    write_lines(os.path.join(out_dir, "sba_s.txt"), lines)
    write_lines(os.path.join(out_dir, "recordings.txt"), recordings)

    sentence_lines = []
    for offset, (group, level, english, polish) in enumerate(sentences, 1):
        english_text, polish_text = cp1250_text(field(english)), cp1250_text(field(polish))
        if not english_text or not polish_text:
            fail(f"sentence {offset} has a character cp1250 lacks")
        sentence_lines.append(list_line(group, len(kept) + offset, level, 4, english_text,
                                        [polish_text, "", "", "", "", "0", "0"], ""))
    write_lines(os.path.join(out_dir, "zda.txt"), sentence_lines)
    print(f"make_wordlist: {len(kept)} words ({len(recordings)} recorded), "
          f"{len(sentence_lines)} sentences")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
