#!/usr/bin/env python3
"""Speaks the dictionary's recordings with espeak-ng and puts them where the dictionary looks.

usage: make_recordings.py LANG RECORDINGS_LIST INSTALL_DIR WORK_DIR
       make_recordings.py RECORDINGS_LIST INSTALL_DIR WORK_DIR       (English)

LANG (en, de or fr) chooses the espeak-ng voice. RECORDINGS_LIST has a line
"number<TAB>what to say" for each recording (made by make_wordlist.py). Recording n goes to
INSTALL_DIR/Hdd/Slownik/D_xx/dd_xxx/nnnnn.wav, where nnnnn is n with leading zeros to five
digits, xx its first two and xxx its first three digits.
Also writes the dictionary's click sound INSTALL_DIR/klik.wav.

What was spoken is kept in WORK_DIR/cache by what was said and how, so a second run only links
files; two words are spoken at a time. Recordings that the list no longer names are removed.
"""
import concurrent.futures
import hashlib
import os
import shutil
import subprocess
import sys

VOICES = {"en": "en-gb+m3", "de": "de+m3", "fr": "fr-fr+m3"}
WORDS_PER_MINUTE = 130
RATE = 16000  # ample for speech, and half the size of the course's 22050 Hz
# Trims espeak-ng's leading and trailing silence to a short, even margin, then normalises.
SOX_EFFECTS = ["silence", "1", "0.02", "0.3%", "reverse", "silence", "1", "0.02", "0.3%",
               "reverse", "pad", "0.05", "0.15", "norm", "-1"]
PARALLEL = 2
RECORDINGS_FOLDER = os.path.join("Hdd", "Slownik")


def fail(message):
    sys.exit(f"make_recordings: {message}")


def recording_path(number):
    """The file of recording `number` below the recordings root."""
    digits = f"{number:05d}"
    return os.path.join(f"D_{digits[:2]}", f"dd_{digits[:3]}", f"{digits}.wav")


def tool_version(tool):
    try:
        result = subprocess.run([tool, "--version"], capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError):
        fail(f"{tool} is not installed")
    return (result.stdout or result.stderr).splitlines()[0].strip()


def read_list(path):
    recordings = []
    try:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line:
                    continue
                value, tab, text = line.partition("\t")
                if not tab or not value.isdigit() or int(value) < 1 or not text.strip():
                    fail(f"{path}:{number}: expected 'number<TAB>text'")
                recordings.append((int(value), text.strip()))
    except OSError as error:
        fail(f"cannot read {path}: {error}")
    return recordings


def speak(voice, text, cached, tmp_dir):
    """Speaks `text` into the cache file `cached` (written whole or not at all)."""
    base = os.path.join(tmp_dir, os.path.basename(cached))
    raw, trimmed = base + ".raw.wav", base + ".wav"
    subprocess.run(["espeak-ng", "-v", voice, "-s", str(WORDS_PER_MINUTE), "-w", raw, "--", text],
                   check=True, capture_output=True)
    subprocess.run(["sox", "-q", raw, "-r", str(RATE), "-c", "1", "-b", "16", trimmed]
                   + SOX_EFFECTS, check=True, capture_output=True)
    os.remove(raw)
    os.replace(trimmed, cached)


def place(cached, target):
    """The cached file at `target`: a hard link where the file system allows one."""
    os.makedirs(os.path.dirname(target), exist_ok=True)
    if os.path.exists(target):
        if os.path.samefile(cached, target):
            return
        os.remove(target)
    try:
        os.link(cached, target)
    except OSError:
        shutil.copyfile(cached, target)


def make_click(install_dir, tmp_dir):
    """A short soft click for adding a word to the learning list."""
    tmp = os.path.join(tmp_dir, "klik.wav")
    subprocess.run(["sox", "-q", "-n", "-r", str(RATE), "-c", "1", "-b", "16", tmp,
                    "synth", "0.045", "sine", "1400", "fade", "0", "0.045", "0.04", "norm", "-8"],
                   check=True, capture_output=True)
    os.replace(tmp, os.path.join(install_dir, "klik.wav"))


def remove_stale(root, wanted):
    """Recordings of numbers the list no longer names would play a wrong word."""
    removed = 0
    for folder, _, files in os.walk(root):
        for name in files:
            path = os.path.join(folder, name)
            if name.lower().endswith(".wav") and os.path.relpath(path, root) not in wanted:
                os.remove(path)
                removed += 1
    return removed


def main(argv):
    args = argv[1:]
    if len(args) == 3:
        args = ["en"] + args
    if len(args) != 4 or args[0] not in VOICES:
        sys.stderr.write(__doc__)
        return 2
    language, list_path, install_dir, work_dir = args
    voice = VOICES[language]
    recordings = read_list(list_path)
    recipe = "\n".join([tool_version("espeak-ng"), tool_version("sox"), voice,
                        str(WORDS_PER_MINUTE), str(RATE)] + SOX_EFFECTS)
    cache_dir = os.path.join(work_dir, "cache")
    tmp_dir = os.path.join(work_dir, "tmp")
    os.makedirs(cache_dir, exist_ok=True)
    os.makedirs(tmp_dir, exist_ok=True)

    def cache_file(text):
        key = hashlib.sha1((recipe + "\n" + text).encode("utf-8")).hexdigest()[:20]
        return os.path.join(cache_dir, key + ".wav")

    missing = {}
    for _, text in recordings:
        cached = cache_file(text)
        if not os.path.isfile(cached):
            missing[cached] = text
    if missing:
        with concurrent.futures.ThreadPoolExecutor(PARALLEL) as pool:
            jobs = [pool.submit(speak, voice, text, cached, tmp_dir)
                    for cached, text in missing.items()]
            for job in jobs:
                try:
                    job.result()
                except subprocess.CalledProcessError as error:
                    fail(f"{' '.join(error.cmd)} failed: {error.stderr.decode(errors='replace')}")

    root = os.path.join(install_dir, RECORDINGS_FOLDER)
    wanted = set()
    for number, text in recordings:
        relative = recording_path(number)
        wanted.add(relative)
        place(cache_file(text), os.path.join(root, relative))
    removed = remove_stale(root, wanted)
    make_click(install_dir, tmp_dir)
    shutil.rmtree(tmp_dir, ignore_errors=True)
    print(f"make_recordings: {len(recordings)} recordings, {len(missing)} spoken now"
          + (f", {removed} no longer listed removed" if removed else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
