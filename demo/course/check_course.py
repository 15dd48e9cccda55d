#!/usr/bin/env python3
"""Mechanical check of the demo course material in this folder.

Run:   python3 check_course.py            check the English course beside this script
       python3 check_course.py --course DIR --language de|fr
                                          check the German or French course in DIR
       ... --write-readme                 also rewrite the generated lists in README.md
                                          (between the "lists begin" and "lists end" marks)

The files are read the way the course program reads them: fields end at the next
separator found from the field's start (so a missing separator gives an empty field),
lines are trimmed where the program trims them, and the limits of every file are checked.
"""
import os
import re
import sys

import argparse

# The course letter names the catalogue files; the French course writes its French side in
# cp1252 and its Polish side in cp1250 (the two agree on every character they share).
LANGUAGES = {"en": "a", "de": "n", "fr": "f"}


def parse_args():
    parser = argparse.ArgumentParser(description="Check a demo course's material.")
    parser.add_argument("--course", default=os.path.dirname(os.path.abspath(__file__)),
                        help="the course folder (default: the English course beside this script)")
    parser.add_argument("--language", default="en", choices=sorted(LANGUAGES))
    parser.add_argument("--write-readme", action="store_true")
    return parser.parse_args()


ARGS = parse_args()
HERE = os.path.abspath(ARGS.course)
LETTER = LANGUAGES[ARGS.language]
FRENCH = ARGS.language == "fr"
GROUPS_FILE = f"gr{LETTER}.txt"
TEXTS_FILE = f"rozumienie_{LETTER}.txt"
EXERCISES_FILE = f"St_{LETTER}.txt"
SENTENCES_FILE = f"zd{LETTER}_rozum.txt"
errors = []


def fail(where, msg):
    errors.append(f"{where}: {msg}")


def check(cond, where, msg):
    if not cond:
        fail(where, msg)
    return cond


# ---------------------------------------------------------------- helpers

def pos_from(start, text, sub):
    """1-based position of sub in text at or after start; -1 as the program's PosFrom."""
    if not sub or not text or start < 1 or start > len(text):
        return -1
    i = text.find(sub, start - 1)
    return -1 if i < 0 else i + 1


def fields(line, sep, count=None):
    """Cut a line into fields, each ending at the next sep. Returns (fields, complete):
    complete is False when a wanted field had no separator (it and later ones are empty)."""
    out = []
    start = 1
    complete = True
    n = count if count is not None else line.count(sep)
    for _ in range(n):
        p = pos_from(start, line, sep) if start <= len(line) else -1
        if p < 0:
            out.append("")
            complete = False
            start = len(line) + 2
        else:
            out.append(line[start - 1:p - 1])
            start = p + 1
    return out, complete


def rest_after(line, sep, count):
    """Text after the count-th separator."""
    start = 1
    for _ in range(count):
        p = pos_from(start, line, sep)
        if p < 0:
            return ""
        start = p + 1
    return line[start - 1:]


def read_lines(name):
    path = os.path.join(HERE, name)
    with open(path, encoding="utf-8") as f:
        data = f.read()
    check("\r" not in data, name, "the source must have LF line ends (the build writes CR LF)")
    check(data.endswith("\n"), name, "the last line must end with a line end")
    return data.split("\n")[:-1]


BAD_CHARS = set("\u2018\u2019\u201c\u2032\t")


def in_code_page(ch, code_page):
    try:
        ch.encode(code_page)
        return True
    except UnicodeEncodeError:
        return False


# Letters only one of the two code pages has: a French text must not need a Polish one, and
# the other way round, or one side would be read in the wrong code page.
POLISH_ONLY = {chr(c) for c in range(0xA0, 0x250) if chr(c).isalpha()
               and in_code_page(chr(c), "cp1250") and not in_code_page(chr(c), "cp1252")}
FRENCH_ONLY = {chr(c) for c in range(0xA0, 0x250) if chr(c).isalpha()
               and in_code_page(chr(c), "cp1252") and not in_code_page(chr(c), "cp1250")}


def check_side(where, text, polish):
    """A field of one side of the French course keeps to that side's letters."""
    if not FRENCH:
        return
    wrong = sorted({ch for ch in text if ch in (FRENCH_ONLY if polish else POLISH_ONLY)})
    side, other = ("Polish", "cp1252") if polish else ("French", "cp1250")
    check(not wrong, where, f"{side} text with letters only {other} has: {''.join(wrong)}")


def check_chars(name, text, allow_tabs=False):
    for i, line in enumerate(text.split("\n"), 1):
        if allow_tabs:
            line = line.replace("\t", " ")
        for ch in line:
            if not in_code_page(ch, "cp1250") and not (FRENCH and in_code_page(ch, "cp1252")):
                fail(f"{name}:{i}", f"character {ch!r} is not in "
                     + ("cp1250 or cp1252" if FRENCH else "cp1250"))
                break
        for ch in line:
            if ch in BAD_CHARS:
                fail(f"{name}:{i}", f"character {ch!r} must not be used (use a plain apostrophe or quote)")
            if ord(ch) > 0xFFFF or 0x2600 <= ord(ch) <= 0x27BF:
                fail(f"{name}:{i}", f"emoji or symbol {ch!r}")


# ---------------------------------------------------------------- group list

def load_groups():
    name = GROUPS_FILE
    groups = []
    for i, line in enumerate(read_lines(name), 1):
        where = f"{name}:{i}"
        f, ok = fields(line, "=", 6)
        check(ok, where, "a group line needs six fields, each followed by '='")
        check(line.endswith("="), where, "line must end with '='")
        check(line.count("=") == 6, where, "exactly six '=' expected")
        en, de, pl, short = f[2], f[3], f[4], f[5]
        for label, v in (("english", en), ("deutsch", de), ("polski", pl), ("short", short)):
            check(v.strip() != "" and v == v.strip(), where, f"{label} name empty or padded")
        check(len(short) <= 12, where, f"short name {short!r} longer than 12 characters")
        check_side(where, pl, polish=True)
        groups.append({"en": en, "de": de, "pl": pl, "short": short})
    check(6 <= len(groups) <= 30, name, "6 to 30 groups wanted")
    shorts = [g["short"] for g in groups]
    check(len(set(shorts)) == len(shorts), name, "short names must differ (they are the results key)")
    return groups


# ---------------------------------------------------------------- text catalogue

def load_texts(groups):
    name = TEXTS_FILE
    texts = {}
    order = []
    for i, line in enumerate(read_lines(name), 1):
        where = f"{name}:{i}"
        if line.startswith("/"):
            continue
        check(line.strip() != "", where, "empty line (only '/' lines are comments)")
        f, ok = fields(line, "=", 6)
        check(ok and line.endswith("=") and line.count("=") == 6, where, "six fields each followed by '='")
        try:
            n, level, group = int(f[0]), int(f[1]), int(f[2])
        except ValueError:
            fail(where, "number, level and group must be decimal numbers")
            continue
        check(1 <= level <= 4, where, "level 1 to 4")
        check(1 <= group <= len(groups), where, f"group {group} not in the group list")
        check(n not in texts, where, f"text number {n} used twice")
        de, en, pl = f[3], f[4], f[5]
        for v in (de, en, pl):
            check(v.strip() != "", where, "a name is empty")
        title = f"{pl} = {en} = {de} = "
        check(len(title) <= 140, where, "the three names together are too long for the 140-character title")
        check_side(where, pl, polish=True)
        texts[n] = {"level": level, "group": group, "de": de, "en": en, "pl": pl}
        order.append(n)
    check(len(texts) >= 8, name, "at least 8 texts wanted")
    check(len(texts) <= 200, name, "at most 200 texts")
    check({t["level"] for t in texts.values()} == {1, 2, 3, 4}, name, "levels 1 to 4 must all be used")
    used = {t["group"] for t in texts.values()}
    check(len(used) >= min(6, len(groups)), name, "texts should be spread over the groups")
    # spoken transcripts
    for n in order:
        path = f"texts/{n}.txt"
        full = os.path.join(HERE, path)
        if not check(os.path.exists(full), name, f"transcript {path} is missing"):
            continue
        body = "\n".join(read_lines(path))
        check_chars(path, body)
        check_side(path, body, polish=False)
        wc = len(body.split())
        check(80 <= wc <= 200, path, f"{wc} words, 80 to 200 wanted")
        check("=" not in body and "#" not in body and "<" not in body, path, "no markup or separators in a transcript")
        texts[n]["transcript"] = body
        texts[n]["paragraphs"] = [p for p in body.split("\n") if p.strip()]
        ws = [len(p.split()) for p in texts[n]["paragraphs"]]
        # level 1 texts: short sentences
        if texts[n]["level"] == 1:
            sentences = [s for s in re.split(r"[.!?]+", body) if s.strip()]
            longest = max(len(s.split()) for s in sentences)
            check(longest <= 16, path, f"level 1 text has a sentence of {longest} words")
    return texts, order


# ---------------------------------------------------------------- exercise list

KINDS = {"MC": 40, "TF": 41, "DD": 42, "HH": 43, "WP": 44, "DF": 45, "DV": 46}
FILM_WPM = 125          # slowest speech rate assumed for the film paragraphs
FILM_MARGIN = 1.0       # seconds of silence at least between a paragraph's end and the next mark


def parse_mc(where, content):
    check(content.endswith("#"), where, "MC content must end with '#'")
    qs = []
    text = content
    while text:
        parts = []
        right = []
        while True:
            e, h = text.find("="), text.find("#")
            if e >= 0 and (h < 0 or e < h):
                part = text[:e]
                text = text[e + 1:]
                parts.append(part)
            else:
                break
        h = text.find("#")
        last = (text[:h] if h >= 0 else text).strip()
        text = text[h + 1:] if h >= 0 else ""
        if last:
            parts.append(last)
        for k, p in enumerate(parts):
            if p.startswith("T_"):
                right.append(k)
        qs.append((parts, right))
    check(1 <= len(qs) <= 10, where, f"{len(qs)} questions, 1 to 10 allowed")
    for q, (parts, right) in enumerate(qs, 1):
        answers = len(parts) - 1
        check(2 <= answers <= 4, where, f"question {q}: {answers} answers, 2 to 4 needed")
        check(len(right) == 1 and right[0] >= 1, where, f"question {q}: exactly one 'T_' answer needed (not the stem)")
        for p in parts:
            check(p.strip() != "" and p == p.strip(), where, f"question {q}: empty or padded part {p!r}")
        stripped = [p[2:] if p.startswith("T_") else p for p in parts[1:]]
        check(len(set(stripped)) == len(stripped), where, f"question {q}: two answers are the same")
    return len(qs)


def parse_tf(where, content):
    check(content.endswith("#"), where, "TF content must end with '#'")
    f = content.split("#")[:-1]
    check(len(f) >= 8, where, "six headings and at least two statements needed")
    heads = f[:6]
    for h in heads:
        check(h.strip() != "", where, "empty column heading")
    check(heads[0] != heads[3], where, "true and false headings must differ")
    st = f[6:]
    check(2 <= len(st) <= 18, where, f"{len(st)} statements, 2 to 18 allowed")
    t = sum(1 for s in st if s.startswith("T_"))
    check(0 < t < len(st), where, "a mix of true and false statements wanted")
    for s in st:
        check(s.strip() != "" and s == s.strip(), where, f"empty or padded statement {s!r}")
        check(not s.startswith(" T_"), where, "'T_' must start the statement")
    return len(st)


def parse_dd(where, content):
    f = content.split("#")
    try:
        c, r = int(f[0]), int(f[1])
    except ValueError:
        fail(where, "DD: column and row counts must be numbers")
        return 0
    check(1 <= c <= 8, where, "1 to 8 columns")
    check(1 <= r <= 20, where, "1 to 20 rows")
    heads = f[2:2 + c]
    for h in heads:
        check(h.strip() != "", where, "empty column heading")
    rest = rest_after(content, "#", 2 + c)
    items = []
    while rest.strip():
        star = rest.find("*")
        if not check(star > 0, where, f"DD item without '*': {rest[:30]!r}"):
            break
        word = rest[:star].strip()
        digit = rest[star + 1:star + 2]
        sep = rest[star + 2:star + 3]
        check(digit.isdigit(), where, f"DD item {word!r}: column must be one digit")
        check(sep == "#", where, f"DD item {word!r}: one '#' must follow the column digit")
        items.append((word, int(digit) if digit.isdigit() else 0))
        rest = rest[star + 3:]
    check(2 <= len(items) <= 40, where, f"{len(items)} words, at most 40")
    for col in range(1, c + 1):
        n = sum(1 for _, k in items if k == col)
        check(1 <= n <= r, where, f"column {col} gets {n} words, rows {r}")
    for w, k in items:
        check(1 <= k <= c, where, f"word {w!r} in column {k}")
        check(w != "", where, "empty word")
    check(len({w for w, _ in items}) == len(items), where, "DD words must differ")
    return len(items)


def parse_pairs(where, content, kind, lo, hi):
    check(content.endswith("#"), where, f"{kind} content must end with '#'")
    pairs = []
    for piece in content.split("#")[:-1]:
        if not piece.strip():
            continue
        if not check(piece.count("*") == 1, where, f"{kind} pair must have one '*': {piece!r}"):
            continue
        a, b = piece.split("*")
        check(a.strip() != "" and b.strip() != "", where, f"{kind} pair with an empty side: {piece!r}")
        pairs.append((a, b))
    check(lo <= len(pairs) <= hi, where, f"{len(pairs)} pairs, {lo} to {hi} allowed")
    lefts = [a for a, _ in pairs]
    rights = [b for _, b in pairs]
    check(len(set(lefts)) == len(lefts), where, f"{kind}: left texts must differ")
    check(len(set(rights)) == len(rights), where, f"{kind}: right texts must differ")
    return pairs


def parse_dv(where, content):
    check(content.endswith("#"), where, "DV content must end with '#'")
    items = []
    for piece in content.split("#")[:-1]:
        if not check("*" in piece, where, f"DV item without '*': {piece!r}"):
            continue
        t, _, r = piece.rpartition("*")
        try:
            items.append((t, int(r)))
        except ValueError:
            fail(where, f"DV row must be a number: {piece!r}")
    n = len(items)
    check(2 <= n <= 14, where, f"{n} items, at most 14")
    check(sorted(r for _, r in items) == list(range(1, n + 1)), where, "DV rows must be 1..N, each once")
    check(len({t for t, _ in items}) == n, where, "DV items must differ")
    return n


MARKS = [".", ",", ";", "!", "?"]


def parse_fcs(where, name, transcript):
    path = os.path.join("Wpisywania", name + ".fcs")
    if not check(os.path.exists(os.path.join(HERE, path)), where, f"gap text {path} is missing"):
        return 0
    lines = read_lines(path)
    check_chars(path, "\n".join(lines))
    check_side(path, "\n".join(lines[3:]), polish=False)
    check(len(lines) >= 4, path, "three head lines and the text needed")
    width = lines[0][8:]
    check(width.isdigit() and 40 <= int(width) <= 200, path, f"line 1: gap width after the 8-character label, got {width!r}")
    gloss = lines[1][12:].strip()
    check(gloss != "", path, "line 2: glossary after the 12-character label")
    check(re.sub(r"</?b>|@", "", gloss).find("<") < 0 and ">" not in re.sub(r"</?b>", "", gloss),
          path, "glossary may use only <b>, </b> and @ as markup")
    check(lines[2][10:].strip() == "1", path, "line 3: '1' (underscore placeholders) after the 10-character label")
    gaps = []
    nwords = 0
    norm_tr = " ".join(transcript.split())
    for k, line in enumerate(lines[3:], 4):
        wl = f"{path}:{k}"
        check("$%^" not in line and ">>" not in line and "*" not in line, wl,
              "no joins or prefills are used in these texts")
        # An alternative answer is written "&expected/\\alternative": the separator before the
        # backslash keeps the expected answer whole.
        for w in line.split():
            if "\\" in w:
                check(w.startswith("&") and re.fullmatch(r"&[^/\\]+/\\[^/\\]+", w.rstrip(".,;!?")) is not None,
                      wl, f"an alternative is written &expected/\\alternative, got {w!r}")
        for m in MARKS:
            check(" " + m not in line, wl, f"a '{m}' after a blank would stop the splitting of later marks")
        for w in line.split():
            if w.upper() == "<BR>":
                continue
            nwords += 1
            if w.startswith("&"):
                answers = w[1:].rstrip(".,;!?").split("/\\")
                for ans in answers:
                    ans = ans.replace("+", " ", 1)
                    check(ans != "" and len(ans) <= 30, wl, f"gap answer {ans!r}")
                    check(ans == ans.lower(), wl, f"gap answer {ans!r} should be lower case (the case option)")
                gaps.append(answers[0].replace("+", " ", 1))
        # The recording says the expected answer; the alternative is left out of the comparison.
        spoken = re.sub(r"/\\[^\s.,;!?]+", "", line)
        plain = " ".join(spoken.replace("&", "").replace("<BR>", " ").split())
        check(plain in norm_tr, wl, "the text of this line must be a passage of the recording's transcript")
    check(3 <= len(gaps) <= 12, path, f"{len(gaps)} gaps")
    check(nwords <= 1400, path, "at most 1400 words")
    return len(gaps)


def load_exercises(texts):
    name = EXERCISES_FILE
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    entries = []
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        if line.startswith("/") or line == "":
            i += 1
            continue
        if not check(i + 2 < len(lines), f"{name}:{i + 1}", "an exercise needs three lines"):
            break
        entries.append((i + 1, line, lines[i + 1].strip(), lines[i + 2].strip()))
        for j in (1, 2):
            check(not lines[i + j].strip().startswith("/") and lines[i + j].strip(), f"{name}:{i + 1 + j}",
                  "the three lines of an exercise must follow each other")
        i += 3
    check(len(entries) <= 300, name, "at most 300 exercises")
    per_text = {}
    kinds = {}
    backgrounds = {}
    for ln, header, kindline, layout in entries:
        where = f"{name}:{ln}"
        h, ok = fields(header, "#", 10)
        check(ok and header.endswith("#") and header.count("#") == 10, where, "header: ten fields, each followed by '#'")
        try:
            n = int(h[1])
        except ValueError:
            fail(where, "header field 2 must be the text number")
            continue
        check(n in texts, where, f"text {n} is not in the text catalogue")
        pic = h[2]
        check(re.fullmatch(r"[A-Za-z0-9_]+", pic) is not None, where, f"background name {pic!r} (no extension, the program adds it)")
        for lang, ins in zip(("deutsch", "polski", "english"), h[3:6]):
            check(ins.strip() != "", where, f"{lang} instruction empty")
            check("<" not in ins and ">" not in ins, where, "instructions are plain text here")
            check(len(ins) <= 150, where, f"{lang} instruction too long for the instruction box")
        times = h[7:10]
        film = n in FILMS
        if film:
            check(all(t.strip().isdigit() for t in times), where, "a film text needs three jump times")
        else:
            check(all(t.strip() == "" for t in times), where, "jump times only for the film texts")
        code = kindline[:2]
        kinds[code] = kinds.get(code, 0) + 1
        check(code in KINDS and kindline[2:3] == "#", where, f"kind line must start with a kind code and '#': {kindline[:10]!r}")
        content = kindline[3:]
        if code == "TF":
            # The six column headings are interface texts: Polish first, then English, German.
            check_side(where, rest_after(content, "#", 6), polish=False)
            check_side(where, " ".join(content.split("#")[0:6:3]), polish=True)
        else:
            check_side(where, content, polish=False)
        check_side(where, h[4], polish=True)
        if code == "DD":
            check(len(h[3]) <= 70 and len(h[5]) <= 70 and len(h[4]) <= 70, where,
                  "DD instructions must fit on one line (the word pool starts below)")
        if code == "MC":
            parse_mc(where, content)
        elif code == "TF":
            parse_tf(where, content)
        elif code == "DD":
            parse_dd(where, content)
        elif code == "HH":
            parse_pairs(where, content, "HH", 2, 14)
        elif code == "DF":
            pairs = parse_pairs(where, content, "DF", 2, 12)
            for w, _ in pairs:
                tr = texts.get(n, {}).get("transcript", "").lower()
                check(w.lower() in tr, where, f"DF word {w!r} does not occur in the recording")
        elif code == "DV":
            parse_dv(where, content)
        elif code == "WP":
            check(re.fullmatch(r"[A-Za-z0-9_]+", content) is not None, where,
                  "WP: the kind line holds 'WP#' and the gap-text name only")
            parse_fcs(where, content, texts.get(n, {}).get("transcript", ""))
        lv, lok = fields(layout, "=", 10)
        check(lok and layout.count("=") == 10 and layout.endswith("="), where, "layout line: ten values, each followed by '='")
        for v in lv:
            check(v.strip() == "" or re.fullmatch(r"-?\d+", v.strip()) is not None, where, f"layout value {v!r}")
        per_text.setdefault(n, []).append(code)
        backgrounds.setdefault(pic, set()).add("bmp" if code == "DD" else "jpg")
        if film:
            FILMS[n]["times"] = [int(t) for t in times]
    for n in texts:
        ex = per_text.get(n, [])
        check(2 <= len(ex) <= 6, name, f"text {n} has {len(ex)} exercises, 2 to 6 wanted")
        check(len(set(ex)) == len(ex), name, f"text {n} has two exercises of one kind")
    for code in KINDS:
        check(kinds.get(code, 0) >= 3, name, f"kind {code} used {kinds.get(code, 0)} times, several wanted")
    # film jump times against the paragraphs
    for n, film in FILMS.items():
        paras = texts[n]["paragraphs"]
        t = film.get("times")
        if not check(t is not None, name, f"film text {n} has no exercise with jump times"):
            continue
        check(len(paras) == 4, f"texts/{n}.txt", "a film text has four paragraphs (four scenes)")
        starts = [0] + t
        for k in range(len(paras) - 1):
            dur = len(paras[k].split()) * 60.0 / FILM_WPM
            check(starts[k] + dur + FILM_MARGIN <= starts[k + 1], f"texts/{n}.txt",
                  f"paragraph {k + 1} ({dur:.1f} s) does not end before the mark at {starts[k + 1]} s")
    return entries, per_text, kinds, backgrounds


# ---------------------------------------------------------------- sentences

def load_sentences(groups):
    name = SENTENCES_FILE
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    sents = []
    packages = []
    sounds = set()
    for i, line in enumerate(lines, 1):
        where = f"{name}:{i}"
        head = line[:16]
        check(len(line) > 16 and "=" not in head, where, "a 16-character head without '=' comes first")
        level, code, group = head[0], head[1:3], head[3:5]
        check(level in "1234" and level != "", where, "character 1: level 1 to 4")
        check(len(code) == 2 and code.strip() == code, where, "characters 2-3: two-character package code")
        check(group.isdigit() and 1 <= int(group) <= len(groups), where, "characters 4-5: group number")
        body = line[16:]
        f, ok = fields(body, "=", 8)
        check(ok and body.count("=") == 8 and body.endswith("="), where, "eight fields, each followed by '='")
        v = f[0:4]
        check(v[0].strip() != "" and v[0] == v[0].strip(), where, "first variant empty or padded")
        used = [x for x in v if x.strip()]
        count = max((k + 1 for k in range(4) if v[k].strip()), default=1)
        check(count == len(used), where, "variants must be written without holes")
        for x in used:
            check(x == x.strip(), where, f"variant {x!r} padded")
            check(len(x) <= len(v[0]) + 25, where, f"variant {x!r} longer than the entry box allows")
        snd = f[4].strip()
        check(re.fullmatch(r"z\d{4}\.wav", snd) is not None, where, f"sound file name {snd!r}")
        check(snd not in sounds, where, f"sound {snd} used twice")
        sounds.add(snd)
        check(f[5] == "" and f[6] == "", where, "fields 6 and 7 are not read: keep them empty")
        check(f[7].strip() != "", where, "translation missing")
        for x in used:
            check_side(where, x, polish=False)
        check_side(where, f[7], polish=True)
        words_ = v[0].split(" ")
        check(len(words_) >= 3 and len({w.lower() for w in words_}) >= 2, where, "a puzzle needs several different words")
        s = {"level": int(level) if level.isdigit() else 0, "code": code, "group": int(group) if group.isdigit() else 0,
             "variants": used, "sound": snd, "pl": f[7]}
        sents.append(s)
        key = (s["level"], code, s["group"])
        for p in packages:
            if p["key"] == key:
                p["members"].append(len(sents))
                break
        else:
            packages.append({"key": key, "members": [len(sents)]})
    check(len(sents) >= 60, name, f"{len(sents)} sentences, at least 60 wanted")
    check(len(packages) >= 8, name, f"{len(packages)} packages, at least 8 wanted")
    for k, p in enumerate(packages, 1):
        check(len(p["members"]) <= 20, name, f"package {k} has more than 20 sentences")
        c = p["key"][1].lstrip("0")
        g = groups[p["key"][2] - 1]
        title = f"{g['pl']} - zdania ({c}) = {g['en']} ({c}) = {g['de']} ({c}) = "
        check(len(title) <= 140, name, f"package {k}: title too long")
    return sents, packages


def load_equivalences():
    name = "ss_r.t"
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    pairs = []
    for i, line in enumerate(lines, 1):
        where = f"{name}:{i}"
        check(line.count("=") == 2 and line.endswith("="), where, "two fields, each followed by '='")
        a, b = line.split("=")[0], line.split("=")[1]
        check(a != "" and b != "" and a != b, where, "both fields needed and different")
        check_side(where, a + b, polish=False)
        pairs.append((a, b))
    check(1 <= len(pairs) <= 70, name, f"{len(pairs)} pairs, at most 70 are read")
    check(len(set(pairs)) == len(pairs), name, "a pair is written twice")
    return pairs


# ---------------------------------------------------------------- comprehension

def load_comprehension(groups):
    name = "rozum_pig.txt"
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    items = {}
    for i, line in enumerate(lines, 1):
        where = f"{name}:{i}"
        if line.startswith("//"):
            continue
        f, ok = fields(line, "=", 7)
        check(ok and line.count("=") == 7 and line.endswith("="), where, "seven fields, each followed by '='")
        f = [x.strip() for x in f]
        check(all(f), where, "every field needed")
        ident = f[0]
        check(ident not in items, where, f"item {ident} twice")
        check(re.fullmatch(r"[a-z0-9_]+", f[1]) is not None and not f[1].endswith(".wav"), where,
              "sound name without '.wav'")
        pics = f[4:7]
        check(len(set(pics)) == 3, where, "three different pictures")
        for p in pics:
            check(re.fullmatch(r"[a-z0-9_]+", p) is not None, where, f"picture name {p!r} without extension")
        check_side(where, f[2], polish=True)
        check_side(where, f[3], polish=False)
        items[ident] = {"sound": f[1], "pl": f[2], "en": f[3], "pics": pics}
    check(len(items) <= 600, name, "at most 600 items")
    sounds = [it["sound"] for it in items.values()]
    check(len(set(sounds)) == len(sounds), name, "sound names must differ")

    name = "kurs_cwicz.kdx"
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    exercises = []
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        if line.startswith("*") or line == "":
            i += 1
            continue
        where = f"{name}:{i + 1}"
        if not check(i + 4 < len(lines), where, "an exercise takes five lines"):
            break
        ident, topic, names, ids = line, lines[i + 1].strip(), lines[i + 2].strip(), lines[i + 3].strip()
        lv, gr = ident[6:8], ident[8:10]
        check(lv.isdigit() and 1 <= int(lv) <= 4, where, "characters 7-8: level 01 to 04")
        check(gr.isdigit() and 1 <= int(gr) <= len(groups), where, "characters 9-10: group number")
        check(topic != "" and not topic.startswith("*"), f"{name}:{i + 2}", "line 2 kept with the entry")
        nm, ok = fields(names, "=", 3)
        check(ok and names.count("=") == 3 and names.endswith("="), f"{name}:{i + 3}", "three names, each followed by '='")
        check(all(x.strip() for x in nm), f"{name}:{i + 3}", "names must not be empty")
        check(len(f"{nm[0]} = {nm[2]} = {nm[1]} = ") <= 140, f"{name}:{i + 3}", "names too long for the title")
        check(ids.endswith("="), f"{name}:{i + 4}", "item list must end with '='")
        idl = [x for x in ids.split("=")[:-1]]
        check(3 <= len(idl) <= 20, f"{name}:{i + 4}", f"{len(idl)} items, at most 20")
        for x in idl:
            check(x in items, f"{name}:{i + 4}", f"item {x!r} not in rozum_pig.txt")
        check(len(set(idl)) == len(idl), f"{name}:{i + 4}", "an item is listed twice")
        exercises.append({"id": ident, "level": int(lv) if lv.isdigit() else 0, "group": int(gr) if gr.isdigit() else 0,
                          "names": nm, "items": [x for x in idl if x in items]})
        i += 5
    check(3 <= len(exercises) <= 100, name, f"{len(exercises)} exercises, at least 3 wanted")
    return items, exercises


# ---------------------------------------------------------------- conversations

def max_matching(left_options):
    """Size of a maximum matching: left_options is a list of sets of right nodes."""
    match = {}

    def try_(u, seen):
        for v in left_options[u]:
            if v in seen:
                continue
            seen.add(v)
            if v not in match or try_(match[v], seen):
                match[v] = u
                return True
        return False

    return sum(1 for u in range(len(left_options)) if try_(u, set()))


def gap_key(w):
    for m in (".", ",", "?", "!", ";"):
        if w.endswith(m):
            w = w[:-1]
    return w


def gaps_for(nwords):
    if 1 <= nwords <= 3:
        return 0
    if 4 <= nwords <= 10:
        return 1
    if 11 <= nwords <= 20:
        return 2
    if 21 <= nwords <= 800:
        return 3
    return 0


def load_conversations(groups):
    name = "dialogi.txt"
    lines = read_lines(name)
    check_chars(name, "\n".join(lines))
    convs = []
    i = 0
    while i < len(lines):
        where = f"{name}:{i + 1}"
        hf, ok = fields(lines[i], "=", 8)
        check(ok and lines[i].count("=") == 8 and lines[i].endswith("="), where, "header: eight fields, each followed by '='")
        hf = [x.strip() for x in hf]
        bg, pl, en, de, grp, lvl, modes, layout = hf
        check(re.fullmatch(r"[a-z]_[a-z0-9_]+", bg) is not None, where, f"background name {bg!r}")
        check(all((pl, en, de)), where, "three titles")
        check(len(f"{pl} = {en} = {de} = ") <= 140, where, "titles too long")
        check(grp.isdigit() and 1 <= int(grp) <= len(groups), where, "group number")
        check(lvl.isdigit() and 1 <= int(lvl) <= 4, where, "level 1 to 4")
        check(re.fullmatch(r"[TN]{5}", modes) is not None and modes[0] == "T", where, "mode flags: five of T/N, mode 1 on")
        check(layout in ("0", "1"), where, "text layout 0 or 1")
        phrases = []
        i += 1
        while i < len(lines) and lines[i].strip() != "*":
            pw = f"{name}:{i + 1}"
            pf, ok = fields(lines[i], "=", 4)
            check(ok and lines[i].count("=") == 4 and lines[i].endswith("="), pw, "phrase: four fields, each followed by '='")
            snd, role, text, tr = pf
            check(re.fullmatch(r"d\d+_\d\d", snd.strip()) is not None, pw, f"sound name {snd!r} (no extension)")
            check(role.strip().isdigit() and 1 <= int(role) <= 4, pw, "role 1 to 4")
            c = text.find(":")
            check(c > 0 and text[c + 1:c + 2] == " " and text[c + 2:c + 3] != " ", pw, "text starts with 'Name: '")
            check(tr.strip() != "", pw, "translation missing")
            check("<" not in text and ">" not in text, pw, "no markup in phrases")
            check_side(pw, text, polish=False)
            check_side(pw, tr, polish=True)
            phrases.append({"sound": snd.strip(), "role": int(role) if role.strip().isdigit() else 0,
                            "speaker": text[:c], "text": text[c + 2:], "pl": tr})
            i += 1
        check(i < len(lines), name, "the last conversation must end with a '*' line")
        i += 1
        n = len(phrases)
        check(6 <= n <= 14, where, f"{n} phrases, 6 to 14 wanted (25 at most)")
        roles = sorted({p["role"] for p in phrases})
        check(2 <= len(roles) <= 4 and roles == list(range(1, len(roles) + 1)), where, f"roles {roles}: 2 to 4, numbered from 1")
        for r in roles:
            names = {p["speaker"] for p in phrases if p["role"] == r}
            check(len(names) == 1, where, f"role {r} has several speaker names {names}")
        # mode 4: enough phrases with different translations among 1..n-1
        trs = {p["pl"] for p in phrases[:-1]}
        need = 2 if n in (3, 4, 5) else n // 3
        check(len(trs) >= need, where, "mode 4 needs phrases with different translations")
        # mode 5: the gap draw must always be able to finish
        if modes[4] == "T":
            per = []
            for p in phrases:
                ws = p["text"].split(" ")
                keys = {gap_key(w.strip()) for w in ws if w.strip() not in ("...", "-") and gap_key(w.strip())}
                per.append((gaps_for(len(ws)), keys))
            total = sum(g for g, _ in per)
            check(total >= 3, where, "mode 5 needs some gaps")
            earlier = []
            for k, (g, keys) in enumerate(per):
                if g == 0:
                    continue
                # worst case: the earlier gaps took as many of this phrase's keys as they can
                taken = max_matching([ks & keys for ks in earlier]) if earlier else 0
                check(len(keys) - taken >= g, where,
                      f"mode 5: phrase {k + 1} might run out of words for its gaps")
                earlier.extend([keys] * g)
        convs.append({"bg": bg, "pl": pl, "en": en, "de": de, "group": int(grp) if grp.isdigit() else 0,
                      "level": int(lvl) if lvl.isdigit() else 0, "modes": modes, "phrases": phrases})
    check(4 <= len(convs) <= 70, name, f"{len(convs)} conversations, at least 4")
    check(any(c["modes"] == "TTTTT" for c in convs), name, "one conversation with all five modes wanted")
    check(any(c["modes"] != "TTTTT" for c in convs), name, "some conversations with fewer modes wanted")
    sounds = [p["sound"] for c in convs for p in c["phrases"]]
    check(len(set(sounds)) == len(sounds), name, "phrase sound names must differ")
    for k, c in enumerate(convs, 1):
        for j, p in enumerate(c["phrases"], 1):
            check(p["sound"] == f"d{k}_{j:02d}", name, f"conversation {k} phrase {j}: sound should be d{k}_{j:02d}")
    return convs


# ---------------------------------------------------------------- lists for the build

FILMS = {
    3: {"scenes": [
        "Morning at a railway station: a red train at a platform, a station clock, two young women with small bags, blue sky.",
        "A white tourist boat on a wide blue river; on the far bank a long stone building with a tall clock tower and a big wheel.",
        "Midday: a small cafe with a striped awning and a table with fish and chips; beside it a big museum front with columns and a crowd.",
        "Evening in the rain: dark blue sky, rain lines, an underground sign (red circle, blue bar), then a lit train window at night.",
    ]},
    7: {"scenes": [
        "Early morning in a bedroom: an alarm clock showing five o'clock, an open bag with clothes, a man hurrying to the door; a taxi outside.",
        "A motorway with a long line of cars in a traffic jam, a yellow taxi among them, a road sign with a plane symbol.",
        "An airport hall: a long queue at a security gate, a scanner arch, a grey bag opened on a table with a laptop.",
        "A boarding gate with the number 12, a plane beyond the window; inside, a man in a seat looking down at his slippers.",
    ]},
}

TEXT_VOICE = {1: "narrator_female", 2: "narrator_male", 3: "narrator_female", 4: "narrator_male",
              5: "narrator_male", 6: "narrator_female", 7: "narrator_male", 8: "narrator_female",
              9: "narrator_male", 10: "narrator_female"}

TEXT_BACKGROUNDS = {
    1: "A family home: a small block of flats beside a park with trees; in a window a black and white cat on a sofa.",
    2: "A street market: three stalls with striped awnings, boxes of apples and bananas, loaves of bread, a sun.",
    3: "London: a river with a boat, a tall clock tower, a big wheel and a red double-decker bus.",
    4: "Mountains: green and grey peaks, a small wooden hut with a chimney beside a blue lake.",
    5: "A doctor's room: a desk, a chair, a thermometer, a glass of water and a box of tablets.",
    6: "A small bright office: desks with computers, a coffee cup, a plant and a big window.",
    7: "An airport: a plane on the runway, a control tower, a departures board and a suitcase.",
    8: "Online shopping: a parcel box with a label, a green raincoat on a hanger, a laptop showing a shop.",
    9: "Night: a bedroom with a bed, a dark blue window with a moon and stars, a clock on a bedside table.",
    10: "Working from home: a kitchen table with a laptop, a mug, a window onto a garden, running shoes by the door.",
}

VOICES = ("narrator_female", "narrator_male", "female_1", "male_1", "female_2", "male_2")
SPEAKERS_FILE = "speakers.tsv"


def load_speaker_voices():
    """speakers.tsv: the voice of each speaker, one line a speaker: conversation number, speaker's
    name as the phrases write it, voice, separated by tabs."""
    voices = {}
    path = os.path.join(HERE, SPEAKERS_FILE)
    if not check(os.path.exists(path), SPEAKERS_FILE,
                 "missing: one line a speaker: conversation number<TAB>speaker<TAB>voice"):
        return voices
    with open(path, encoding="utf-8") as f:
        for i, line in enumerate(f.read().split("\n"), 1):
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            where = f"{SPEAKERS_FILE}:{i}"
            if not check(len(parts) == 3 and parts[0].isdigit(), where,
                         "conversation number<TAB>speaker<TAB>voice"):
                continue
            check(parts[2] in VOICES, where, f"voice {parts[2]!r} is not one of {', '.join(VOICES)}")
            voices.setdefault(int(parts[0]), {})[parts[1]] = parts[2]
    return voices


CONV_VOICES = {}

CONV_BACKGROUNDS = {
    "cafe": "A cafe: a counter with a coffee machine, a cake stand with a chocolate cake, two small round tables.",
    "station": "A station ticket office: a window with a ticket counter, a departures board and a clock.",
    "surgery": "A health centre reception: a desk with a telephone and a computer, chairs, a red cross sign.",
    "flat": "A living room: a sofa, a low table with cups, a window with sun, a bicycle by the wall.",
    "office": "A meeting room: a long table, three chairs, a whiteboard and a window with city buildings.",
}

COMP_PICTURES = {}


def clock_desc(h, m):
    return (f"A round clock face with twelve hour marks; the short hand and the long hand show "
            f"{h}:{m:02d} (long hand on {m // 5 if m else 12}).")


PICTURE_TEXT = {
    "bicycle": "A bicycle seen from the side: two wheels, a frame, a saddle and handlebars.",
    "bus": "A red single-decker bus seen from the side, with windows and two wheels.",
    "car": "A small blue car seen from the side, with two windows and two wheels.",
    "plane": "A white plane in a blue sky, seen from the side, with wings and a tail.",
    "train": "A green train engine with two carriages on rails, seen from the side.",
    "boat": "A small rowing boat with two oars on blue water.",
    "walking": "A stick figure walking on a path, one leg forward, with a tree beside the path.",
    "weather_rain": "A grey cloud with blue rain drops falling from it.",
    "weather_sun": "A big yellow sun with rays in a clear blue sky.",
    "weather_snow": "A grey cloud with white snowflakes, white snow on the ground.",
    "weather_storm": "A dark grey cloud with a yellow lightning bolt and rain.",
    "weather_cloud": "Two white-grey clouds covering the sky, no sun, no rain.",
    "weather_wind": "A tree bending to one side, wind lines, and a hat flying in the air.",
    "apples_2": "Two red apples side by side.",
    "apples_3": "Three red apples side by side.",
    "bananas_2": "Two yellow bananas.",
    "bananas_3": "Three yellow bananas.",
    "bottle": "A tall clear bottle of water with a blue cap.",
    "cup": "A white cup on a saucer.",
    "glass": "An empty drinking glass.",
    "umbrella": "An open red umbrella.",
    "hat": "A red hat with a brim.",
    "bag": "A blue shopping bag with two handles.",
    "key": "A metal door key.",
    "book": "A closed book with a green cover.",
}


def picture_desc(name):
    m = re.fullmatch(r"clock_(\d+)_(\d\d)", name)
    if m:
        return clock_desc(int(m.group(1)), int(m.group(2)))
    return PICTURE_TEXT.get(name)


def build_lists(texts, order, entries, backgrounds, sents, packages, items, comp, convs):
    out = []
    out.append("```sounds")
    out.append("# path (in the installation)\tvoice\ttext to speak")
    for n in order:
        out.append(f"Hdd/Teksty_wav/{n}.wav\t{TEXT_VOICE[n]}\t@texts/{n}.txt")
    for k, p in enumerate(packages, 1):
        voice = "female_1" if k % 2 else "male_1"
        for m in p["members"]:
            s = sents[m - 1]
            out.append(f"Hdd/bsgram/{s['sound']}\t{voice}\t{s['variants'][0]}")
    for k, c in enumerate(convs, 1):
        for p in c["phrases"]:
            out.append(f"Hdd/Dialogi/{p['sound']}.wav\t{CONV_VOICES[k][p['speaker']]}\t{p['text']}")
    for k, e in enumerate(comp, 1):
        voice = "female_2" if k % 2 else "male_2"
        for ident in e["items"]:
            it = items[ident]
            out.append(f"rozumienia_wav_r/{it['sound']}.wav\t{voice}\t{it['en']}")
    out.append("```")
    out.append("")
    out.append("```films")
    out.append("# path\tscene\tstarts at (seconds)\ttranscript paragraph\twhat the scene shows")
    for n, film in FILMS.items():
        starts = [0] + film.get("times", [0, 0, 0])
        for k, desc in enumerate(film["scenes"]):
            out.append(f"Teksty_mpg_r/{n}.mpg\t{k + 1}\t{starts[k]}\t@texts/{n}.txt:{k + 1}\t{desc}")
    out.append("```")
    out.append("")
    out.append("```pictures")
    out.append("# path (in the installation)\tsize\twhat to draw")
    for pic in sorted(backgrounds, key=lambda p: int(p.split("_")[1])):
        n = int(pic.split("_")[1])
        for ext in sorted(backgrounds[pic], key=lambda e: e != "jpg"):
            out.append(f"Hdd/teksty/{pic}.{ext}\t700x600\t{TEXT_BACKGROUNDS[n]} Pale colours.")
    seen = []
    for e in comp:
        for ident in e["items"]:
            for p in items[ident]["pics"]:
                if p not in seen:
                    seen.append(p)
    for p in seen:
        out.append(f"Hdd/Rozumienia_gfx_r/{p}.bmp\t160x200\t{picture_desc(p)}")
    for c in convs:
        key = c["bg"][2:]
        out.append(f"Hdd/dialogi_tlo/dial_tlo_{key}.bmp\t700x600\t{CONV_BACKGROUNDS[key]} Pale colours.")
    out.append("Hdd/dialogi_tlo/tmp.bmp\t700x600\tA plain pale background with a thin frame (used when a conversation's picture is missing).")
    out.append("```")
    return out


def check_readme(lists, write):
    path = os.path.join(HERE, "README.md")
    with open(path, encoding="utf-8") as f:
        readme = f.read()
    begin, end = "<!-- lists begin -->\n", "<!-- lists end -->"
    a, b = readme.find(begin), readme.find(end)
    if not check(a >= 0 and b > a, "README.md", "the list marks are missing"):
        return
    generated = "\n".join(lists) + "\n"
    current = readme[a + len(begin):b]
    if write:
        with open(path, "w", encoding="utf-8") as f:
            f.write(readme[:a + len(begin)] + generated + readme[b:])
    else:
        check(current == generated, "README.md", "the lists are out of date: run check_course.py --write-readme")


def main():
    write = ARGS.write_readme
    CONV_VOICES.update(load_speaker_voices())
    groups = load_groups()
    texts, order = load_texts(groups)
    entries, per_text, kinds, backgrounds = load_exercises(texts)
    sents, packages = load_sentences(groups)
    eq = load_equivalences()
    items, comp = load_comprehension(groups)
    convs = load_conversations(groups)
    for name in (GROUPS_FILE, TEXTS_FILE, "README.md"):
        with open(os.path.join(HERE, name), encoding="utf-8") as f:
            check_chars(name, f.read(), allow_tabs=(name == "README.md"))
    used_items = {x for e in comp for x in e["items"]}
    check(used_items == set(items), "rozum_pig.txt", "every item should belong to an exercise")
    for e in comp:
        for x in e["items"]:
            for p in items[x]["pics"]:
                check(picture_desc(p) is not None, "rozum_pig.txt", f"picture {p} has no description")
    for c in convs:
        check(c["bg"][2:] in CONV_BACKGROUNDS, "dialogi.txt", f"background {c['bg']} has no description")
    for k, c in enumerate(convs, 1):
        for p in c["phrases"]:
            check(p["speaker"] in CONV_VOICES.get(k, {}), "dialogi.txt", f"conversation {k}: no voice for {p['speaker']} in {SPEAKERS_FILE}")
    lists = build_lists(texts, order, entries, backgrounds, sents, packages, items, comp, convs)
    check_readme(lists, write)
    if errors:
        for e in errors:
            print("FAIL", e)
        print(f"{len(errors)} problem(s)")
        return 1
    print(f"OK: {len(groups)} groups, {len(texts)} texts, {len(entries)} exercises "
          f"({', '.join(f'{k} {kinds.get(k, 0)}' for k in KINDS)}), "
          f"{len(sents)} sentences in {len(packages)} packages, {len(eq)} equivalences, "
          f"{len(comp)} comprehension exercises with {len(items)} items, "
          f"{len(convs)} conversations with {sum(len(c['phrases']) for c in convs)} phrases")
    return 0


if __name__ == "__main__":
    sys.exit(main())
