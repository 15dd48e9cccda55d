#!/usr/bin/env python3
"""Checks the dictionary's files in an assembled installation, read the way the dictionary
reads them.

usage: check_dictionary.py INSTALL_DIR        (exit code 1 on a failure)

The word list "sba_s.txt" and the sentence list "zda.txt": cp1250 with CR LF, the fixed columns
numeric, the separator blank before the first "=" of a word, every field present, word-class
tags as tokens of their own, at most 14000 words and 15000 entries in all, no entry number
twice. The descriptor files lead to the recordings folder, and every recording number has a
readable WAV file at the path the dictionary computes. The skin strips and the background are
readable pictures of the sizes the window needs.
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


def read_cp1250_lines(root, name):
    """The lines of a cp1250 file with CR LF line ends, or None when it is missing."""
    path = resolve(root, name)
    if not check(os.path.isfile(path), name, "missing"):
        return None
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("cp1250")
    except UnicodeDecodeError as error:
        fail(name, f"byte {data[error.start]:#04x} at {error.start} is not cp1250")
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
    translation, _plural, _synonyms, _comment, recording, flag, level = \
        (f.strip() for f in fields[:FIELDS - 1])
    check(translation != "", where, "empty translation")
    check(flag in ("", "0", "1"), where, f"flag {flag!r}")
    check(level in ("", "0", "1"), where, f"level mark {level!r}")
    return dict(values, headword=headword, translation=translation, recording=recording,
                level=level)


def check_tags(entry, where):
    """Word-class tags are tokens of their own, and the word class agrees with the first."""
    tokens = entry["translation"].split()
    tags = []
    for token in tokens:
        if "[" in token or "]" in token:
            if check(re.fullmatch(r"\[[1-9]\]", token) is not None, where,
                     f"{token!r} in the translation: only the tags [1] to [9] belong there"):
                tags.append(token)
    expected = {"[1]": 1, "[2]": 2, "[3]": 3}.get(tags[0] if tags else "", 4)
    check(entry["class"] == expected, where,
          f"word class {entry['class']} but the first tag is {tags[0] if tags else 'none'}")


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


def recordings_root(root):
    """The folder the dictionary takes its recordings from, as it reads its descriptors."""
    slow = read_cp1250_lines(root, "tess_50_slow.txt")
    if slow is not None:
        check(len(slow) >= 2 and slow[1].strip() == "1", "tess_50_slow.txt",
              "line 2 must be 1 (English)")
    check(os.path.isfile(resolve(root, "db/eng_34/tess_s.txt")), "db/eng_34/tess_s.txt",
          "missing: without it the recordings root of ts50.ini is used")
    descriptor = read_cp1250_lines(root, "db/eng_34/tess_r.txt")
    if descriptor is None or not check(len(descriptor) >= 16, "db/eng_34/tess_r.txt",
                                       "fewer than 16 lines"):
        return None
    folder = descriptor[8].strip()
    check(descriptor[15].strip() != "1", "db/eng_34/tess_r.txt",
          "line 16 must not be 1: the folder is relative to the program folder")
    path = resolve(root, folder)
    check(os.path.isdir(path), "db/eng_34/tess_r.txt", f"line 9 names {folder!r}, not a folder")
    return path


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    root = argv[1]
    words = read_cp1250_lines(root, "sba_s.txt") or []
    sentences = read_cp1250_lines(root, "zda.txt") or []
    entries = []
    for name, lines, word_list in (("sba_s.txt", words, True), ("zda.txt", sentences, False)):
        for number, line in enumerate(lines, 1):
            where = f"{name}:{number}"
            entry = parse_entry(line, where, word_list)
            if entry is None:
                continue
            entry["where"] = where
            entry["word"] = word_list
            if word_list:
                check_tags(entry, where)
            entries.append(entry)
    check(len(words) <= MAX_WORDS, "sba_s.txt", f"{len(words)} words, at most {MAX_WORDS}")
    check(len(words) + len(sentences) <= CAPACITY, "sba_s.txt + zda.txt",
          f"{len(words) + len(sentences)} entries, the dictionary holds {CAPACITY}")
    seen = {}
    for entry in entries:
        # The last entry of a number stands for it in a search: a repeat hides a word.
        earlier = seen.setdefault(entry["entry"], entry["where"])
        check(earlier == entry["where"], entry["where"],
              f"entry number {entry['entry']} is also in {earlier}")

    recordings = os.path.join(root, "Hdd", "Slownik")
    root_folder = recordings_root(root)
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
    check(recorded >= MIN_RECORDINGS, "sba_s.txt",
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
