#!/usr/bin/env python3
"""The word-list maker's rules on a small dictd database written here in FreeDict's layout."""
import base64
import gzip
import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing of the test is left in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_wordlist  # noqa: E402

# Made-up definitions in the layout of FreeDict's dictd files.
DEFINITIONS = [
    "lamp /læmp/ <N>\n  lampa\n",
    # Parts of speech, a labelled second sense, a phrase, a compound inside the entry.
    "brisk /brɪsk/\nI.  <Adj> 1.  żwawy\n 2.  [wiatr]  rześki\nII.  <V>  ożywiać\n"
    "III.  <N> 1.  marsz\n 2.  walk brisk (walk V: :brisk)\n - maszerować\n"
    "IV.  <N Comp>brisk walk /x/   szybki spacer\n",
    # Spellings, a register label and a valency.
    "colourise, colorise /ˈkʌləraɪz/ <V>\n  [nieform]  barwić (with sth - czymś)\n",
    # Letters cp1250 lacks: the headword loses the accent, the entry without a way out goes.
    "naïve /naɪˈi:v/ <Adj>\n  naiwny\n",
    "tick /tɪk/ <N>\n  ✓ znaczek\n",
    # The form a part of speech is used in, before its translation; an abbreviation.
    "north /nɔ:θ/\nI.  <N> the north  północ\nII.  <Adv>  na północ\n",
    "approx. <Adv>\n  około\n",
    # A translation with the field separator.
    "equals <V>\n  równa się = jest\n",
]
OWN = "go\tiść, jechać [3]\n"
IRREGULAR = "go went gone\n"
COMMON = "@07 podróże\n1: go\n2: lamp\n3: north\n"
SENTENCES = "@07 1 podróże\nWe go home. | Idziemy do domu.\n"


def b64(number):
    digits = make_wordlist.B64
    text = ""
    while True:
        text = digits[number % 64] + text
        number //= 64
        if number == 0:
            return text


class WordListMaker(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.tmp.name
        data, index, offset = b"", [], 0
        for definition in DEFINITIONS:
            raw = definition.encode("utf-8")
            headword = definition.split(" /")[0].split(" <")[0].split("\n")[0].split(", ")[0]
            index.append(f"{headword.lower()}\t{b64(offset)}\t{b64(len(raw))}")
            data += raw
            offset += len(raw)
        # A spelling variant names the same definition again.
        index.append(index[2].replace("colourise", "colorise"))
        with open(os.path.join(root, "db.index"), "w", encoding="utf-8") as f:
            f.write("\n".join(index) + "\n")
        with gzip.open(os.path.join(root, "db.dict.dz"), "wb") as f:
            f.write(data)
        for name, text in (("own_entries.txt", OWN), ("irregular_verbs.txt", IRREGULAR),
                           ("common_words.txt", COMMON), ("sentences.txt", SENTENCES)):
            with open(os.path.join(root, name), "w", encoding="utf-8") as f:
                f.write(text)
        out = os.path.join(root, "out")
        make_wordlist.MIN_DEFINITIONS = len(DEFINITIONS)
        code = make_wordlist.main(["make_wordlist.py", os.path.join(root, "db"), root, out])
        assert code == 0

        def read(name):
            with open(os.path.join(out, name), encoding="utf-8") as f:
                return f.read().splitlines()

        cls.words = read("sba_s.txt")
        cls.sentences = read("zda.txt")
        cls.recordings = read("recordings.txt")
        cls.by_headword = {line[13:line.index("=") - 1]: line for line in cls.words}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_entries_keep_the_fixed_columns_and_eight_fields(self):
        for number, line in enumerate(self.words, 1):
            with self.subTest(line=line):
                self.assertRegex(line, r"^\d\d 0\d{5} [1-3][1-4] \S")
                self.assertEqual(int(line[4:9]), number)
                self.assertEqual(line.count("="), 8)
                self.assertEqual(line[line.index("=") - 1], " ")

    def test_translations_and_tags(self):
        cases = {
            "lamp": "lamp =lampa [1]=",
            "brisk": "brisk =żwawy [2] ożywiać [3] marsz [1]=",
            "brisk walk": "brisk walk =szybki spacer [1]=",
            "colourise": "colourise =barwić [3]==colorise=nieform; with sth - czymś=",
            "naive": "naive =naiwny [2]=",
            "north": "north =północ [1] na północ [6]=",
            "equals": "equals =równa się jest [3]=",
            "go": "go =iść, jechać [3]=",
            "went": "went =iść [7]=",
            "gone": "gone =iść [8]=",
        }
        for headword, expected in cases.items():
            with self.subTest(headword=headword):
                self.assertIn(headword, self.by_headword)
                self.assertEqual(self.by_headword[headword][13:13 + len(expected)], expected)
        for missing in ("tick", "approx.", "naïve"):
            self.assertNotIn(missing, self.by_headword)

    def test_word_class_difficulty_group_and_level_follow_the_common_words(self):
        # (group, difficulty, class, level mark); many senses make a word of medium difficulty
        # even when no list names it.
        cases = {"go": ("07", "1", "3", "1"), "went": ("07", "1", "4", "1"),
                 "lamp": ("07", "2", "1", "1"), "north": ("07", "2", "1", "0"),
                 "brisk": ("99", "2", "2", "0"), "equals": ("99", "3", "3", "0")}
        for headword, (group, difficulty, word_class, level) in cases.items():
            with self.subTest(headword=headword):
                line = self.by_headword[headword]
                self.assertEqual((line[:2], line[10], line[11], line.split("=")[7]),
                                 (group, difficulty, word_class, level))

    def test_recordings_are_numbered_as_their_entries(self):
        self.assertTrue(self.recordings)
        for recording in self.recordings:
            number, text = recording.split("\t")
            line = self.words[int(number) - 1]
            self.assertEqual(line[13:line.index("=") - 1], text)
            self.assertEqual(line.split("=")[5], number)

    def test_sentences_follow_the_words(self):
        self.assertEqual(self.sentences,
                         [f"07 0{len(self.words) + 1:05d} 14 We go home.=Idziemy do domu."
                          "=====0=0="])


if __name__ == "__main__":
    unittest.main()
