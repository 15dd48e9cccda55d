#!/usr/bin/env python3
"""The word-list maker's rules on small dictd databases written here in the layouts of FreeDict's
English-Polish dictionary and of its German-Polish and French-Polish ones (made by WikDict), and
the checker's rules for the languages' code pages and tags."""
import gzip
import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing of the test is left in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_dictionary  # noqa: E402
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


def write_database(root, definitions, files, variants=()):
    """The dictd files root/db.index and root/db.dict.dz of the definitions, each indexed by its
    lower-cased headword (and `variants`: (index line number, old, new) for another spelling
    of the same definition), and our lists beside them."""
    data, index, offset = b"", [], 0
    for definition in definitions:
        raw = definition.encode("utf-8")
        headword = definition.split(" /")[0].split(" <")[0].split("\n")[0].split(", ")[0]
        index.append(f"{headword.lower()}\t{b64(offset)}\t{b64(len(raw))}")
        data += raw
        offset += len(raw)
    for line, old, new in variants:
        index.append(index[line].replace(old, new))
    with open(os.path.join(root, "db.index"), "w", encoding="utf-8") as f:
        f.write("\n".join(index) + "\n")
    with gzip.open(os.path.join(root, "db.dict.dz"), "wb") as f:
        f.write(data)
    for name, text in files.items():
        with open(os.path.join(root, name), "w", encoding="utf-8") as f:
            f.write(text)
    make_wordlist.MIN_DEFINITIONS = len(definitions)
    return os.path.join(root, "db")


def read_lines(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8") as f:
        return f.read().splitlines()


def headword_of(line):
    return line[13:line.index("=") - 1]


class WordListMaker(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.tmp.name
        # A spelling variant names the same definition again.
        cls.db = write_database(root, DEFINITIONS,
                                {"own_entries.txt": OWN, "irregular_verbs.txt": IRREGULAR,
                                 "common_words.txt": COMMON, "sentences.txt": SENTENCES},
                                [(2, "colourise", "colorise")])
        cls.out = os.path.join(root, "out")
        code = make_wordlist.main(["make_wordlist.py", "en", cls.db, root, cls.out])
        assert code == 0
        cls.words = read_lines(cls.out, "sba_s.txt")
        cls.sentences = read_lines(cls.out, "zda.txt")
        cls.recordings = read_lines(cls.out, "recordings.txt")
        cls.by_headword = {headword_of(line): line for line in cls.words}

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

    def test_the_form_without_a_language_is_english(self):
        # The build called the maker without a language before there were others.
        out = os.path.join(self.tmp.name, "out-old")
        self.assertEqual(make_wordlist.main(["make_wordlist.py", self.db, self.tmp.name, out]), 0)
        for name in ("sba_s.txt", "zda.txt", "recordings.txt"):
            self.assertEqual(read_lines(out, name), read_lines(self.out, name))


# Made-up definitions in the layout of FreeDict's German-Polish dictionary.
GERMAN_DEFINITIONS = [
    # Two senses; the glosses in German are not translations.
    "Hund /hʊnt/ <n, masc>\n1. pies, suka\nHaustier, dessen Vorfahre der Wolf ist\n"
    "2. pies\ngerissener Mitmensch\n",
    # One headword, two genders: two words. " 2." numbers the glosses, not the senses.
    "See /zeː/ <n, masc>\njezioro\nstehendes Gewässer\n",
    "See /zeː/ <n, fem>\nmorze 2.\ngroßes Gewässer\n 3.\nWellengang\n",
    # Parts of speech of one headword: the one covering more meanings first.
    "sein /zaɪ̯n/\n1. jego, swój\nPossessivpronomen\n",
    "sein /zaɪ̯n/ <v>\nbyć 2.\nKopula\n 3.\nsich befinden\n 4.\nexistieren\n",
    "schnell /ʃnɛl/ <adj>\n1. szybki\nGeschwindigkeit habend\n2. szybko\nadverbiell\n",
    # A suffix, a headword with a number and a family name beside the weekday stay out.
    "ismus /ˈɪsmʊs/ <suffix, masc>\nizm\nbezeichnet Richtungen\n",
    "2. Korintherbrief /ˈt͡svaɪ̯tɐ/ <n, masc>\nDrugi List do Koryntian\n",
    "Freitag /ˈfʁaɪ̯taːk/ <n>\nPiontek\nFamilienname\n",
    "Freitag /ˈfʁaɪ̯taːk/ <n, masc>\npiątek\nfünfter Wochentag\n",
    # Without a gender; our own entry gives it.
    "Monat /ˈmoːnat/ <n>\nmiesiąc\nZeitraum\n",
    # ß sorts as ss.
    "Straße /ˈʃtʁaːsə/ <n, fem>\nulica\n",
    "Strand /ʃtʁant/ <n, masc>\nplaża\n",
    "gehen /ɡeːn/ /ˈɡeːən/ <v>\n1. iść, chodzić\nsich fortbewegen\n",
]
GERMAN_FILES = {
    "own_entries.txt": "Monat, der\tmiesiąc [1]\nder\tten (rodzajnik) [4]\n",
    "irregular_verbs.txt": "gehen ging gegangen\n",
    "common_words.txt": "@12 zwierzęta\n1: Hund\n2: See\n",
    "plurals.txt": "Hund Hunde\nSee Seen\nMonat Monate\n",
    "sentences.txt": "@12 1 zwierzęta\nDer Hund bellt. | Pies szczeka.\n",
}


class GermanWordList(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.tmp.name
        db = write_database(root, GERMAN_DEFINITIONS, GERMAN_FILES)
        out = os.path.join(root, "out")
        assert make_wordlist.main(["make_wordlist.py", "de", db, root, out]) == 0
        cls.files = sorted(os.listdir(out))
        cls.words = read_lines(out, "sbn_r.txt")
        cls.sentences = read_lines(out, "zdn.txt")
        cls.recordings = dict(line.split("\t") for line in read_lines(out, "recordings.txt"))
        cls.by_headword = {headword_of(line): line for line in cls.words}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_the_lists_have_the_german_names(self):
        self.assertEqual(self.files, ["recordings.txt", "sbn_r.txt", "zdn.txt"])
        self.assertEqual(self.sentences, [f"12 0{len(self.words) + 1:05d} 14 Der Hund bellt."
                                          "=Pies szczeka.=====0=0="])

    def test_nouns_carry_their_article_and_plural(self):
        # Headword, translation and plural; "sein" shows the verb before the pronoun.
        cases = {
            "Hund, der": "Hund, der =pies, suka [1]=Hunde=",
            "See, der": "See, der =jezioro [1]=Seen=",
            "See, die": "See, die =morze [1]=Seen=",
            "Monat, der": "Monat, der =miesiąc [1]=Monate=",
            "Freitag, der": "Freitag, der =piątek [1]==",
            "sein": "sein =być [3] jego, swój==",
            "schnell": "schnell =szybki, szybko [2]==",
            "ging": "ging =iść [7]==",
            "gegangen": "gegangen =iść [8]==",
            "der": "der =ten (rodzajnik) [4]==",
        }
        for headword, expected in cases.items():
            with self.subTest(headword=headword):
                self.assertIn(headword, self.by_headword)
                self.assertEqual(self.by_headword[headword][13:13 + len(expected)], expected)
        for missing in ("ismus", "2. Korintherbrief", "Freitag", "Monat"):
            self.assertNotIn(missing, self.by_headword)

    def test_word_class_group_and_level(self):
        # (group, difficulty, class, level mark); both "See" are the listed word, and the
        # meanings of "sein" make it a word of medium difficulty.
        cases = {"Hund, der": ("12", "1", "1", "1"), "See, die": ("12", "2", "1", "1"),
                 "sein": ("99", "2", "3", "0"), "schnell": ("99", "3", "2", "0")}
        for headword, (group, difficulty, word_class, level) in cases.items():
            with self.subTest(headword=headword):
                line = self.by_headword[headword]
                self.assertEqual((line[:2], line[10], line[11], line.split("=")[7]),
                                 (group, difficulty, word_class, level))

    def test_recordings_say_a_noun_with_its_article(self):
        number = self.by_headword["Hund, der"].split("=")[5]
        self.assertEqual(self.recordings[number], "der Hund")
        self.assertEqual(self.recordings[self.by_headword["schnell"].split("=")[5]], "schnell")

    def test_order_leaves_out_the_article_and_reads_sz_as_ss(self):
        headwords = [headword_of(line) for line in self.words]
        self.assertLess(headwords.index("See, die"), headwords.index("sein"))
        self.assertLess(headwords.index("Strand, der"), headwords.index("Straße, die"))


# Made-up definitions in the layout of FreeDict's French-Polish dictionary.
FRENCH_DEFINITIONS = [
    # Two genders of one headword: one entry, the word covering more meanings first.
    "livre /livʁ/ <n, fem>\nfunt 2.\nUnité de masse\n 3.\nUnité monétaire\n",
    "livre /livʁ/ <n, masc>\nksiążka 2.\nEnsemble de pages\n 3.\nOuvrage\n 4.\nPartie\n",
    "être /ɛtʁ/ <n, masc>\nbyt\n",
    "être /ɛtʁ/ <v>\nbyć 2.\nCopule\n 3.\nSe trouver\n",
    # A noun without its gender has no mark: it follows the adjective.
    "amateur /a.ma.tœʁ/ <n>\namator\nPersonne qui aime\n",
    "amateur /a.ma.tœʁ/ <adj>\namatorski\nQui aime\n",
    "ascète /a.sɛt/ <n>\nasceta\n",
    # Letters of the wrong side: ñ, Ł and ź leave the French side, û and è the Polish side;
    # ó and é are in both code pages.
    "cañon /ka.ɲɔ̃/ <n, masc>\nkanion\n",
    "Łódź /wutʃ/ <pn, fem>\nŁódź\nVille de Pologne\n",
    "crème brûlée /kʁɛm bʁy.le/ <n, fem>\ncrème brûlée\n",
    "d’accord /da.kɔʁ/ <adv>\nzgoda, dobrze\n",
    "faire /fɛʁ/ <v>\nrobić\n",
    "fait /fɛ/ <n, masc>\nfakt\n",
]
FRENCH_FILES = {
    "own_entries.txt": "maison\tdom (f)\n",
    "irregular_verbs.txt": "faire - fait\n",
    "common_words.txt": "@09 szkoła\n1: livre\n",
    "sentences.txt": "@04 1 jedzenie\nLa crème brûlée est délicieuse. | Krem jest pyszny.\n",
}


def mixed_code_pages(text):
    """What the build's writer makes of a French list: each character in cp1250 where cp1250
    has it, in cp1252 otherwise, lines ending in CR LF."""
    out = bytearray()
    for ch in text.replace("\n", "\r\n"):
        try:
            out += ch.encode("cp1250")
        except UnicodeEncodeError:
            out += ch.encode("cp1252")
    return bytes(out)


class FrenchWordList(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.tmp.name
        db = write_database(root, FRENCH_DEFINITIONS, FRENCH_FILES)
        cls.out = os.path.join(root, "out")
        assert make_wordlist.main(["make_wordlist.py", "fr", db, root, cls.out]) == 0
        cls.files = sorted(os.listdir(cls.out))
        cls.words = read_lines(cls.out, "sbf_s.txt")
        cls.sentences = read_lines(cls.out, "zdf.txt")
        cls.recordings = dict(line.split("\t") for line in read_lines(cls.out, "recordings.txt"))
        cls.by_headword = {headword_of(line): line for line in cls.words}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def setUp(self):
        check_dictionary.errors.clear()

    def test_nouns_carry_their_gender(self):
        cases = {
            "livre": "livre =książka (m) funt (f)=",
            "être": "être =być [3] byt (m)=",
            "amateur": "amateur =amatorski [2] amator=",
            "ascète": "ascète =asceta=",
            "maison": "maison =dom (f)=",
            "fait": "fait =fakt (m) robić [8]=",
            "d'accord": "d'accord =zgoda, dobrze [6]=",
        }
        for headword, expected in cases.items():
            with self.subTest(headword=headword):
                self.assertIn(headword, self.by_headword)
                self.assertEqual(self.by_headword[headword][13:13 + len(expected)], expected)
        # (group, class, level mark)
        for headword, marks in {"livre": ("09", "1", "1"), "être": ("99", "3", "0"),
                                "amateur": ("99", "2", "0"), "ascète": ("99", "1", "0")}.items():
            with self.subTest(headword=headword):
                line = self.by_headword[headword]
                self.assertEqual((line[:2], line[11], line.split("=")[7]), marks)

    def test_each_side_keeps_only_letters_of_its_code_page(self):
        cases = {"canon": "canon =kanion (m)=", "Lódz": "Lódz =Łódź (f)=",
                 "crème brûlée": "crème brûlée =creme brulée (f)="}
        for headword, expected in cases.items():
            with self.subTest(headword=headword):
                self.assertIn(headword, self.by_headword)
                self.assertEqual(self.by_headword[headword][13:13 + len(expected)], expected)
        self.assertEqual(self.sentences, [f"04 0{len(self.words) + 1:05d} 14 La crème brûlée "
                                          "est délicieuse.=Krem jest pyszny.=====0=0="])
        self.assertEqual(self.recordings[self.by_headword["crème brûlée"].split("=")[5]],
                         "crème brûlée")
        self.assertEqual(self.files, ["recordings.txt", "sbf_s.txt", "zdf.txt"])

    def test_the_checker_reads_each_side_in_its_code_page(self):
        with open(os.path.join(self.out, "sbf_s.txt"), encoding="utf-8") as f:
            written = mixed_code_pages(f.read()).decode("latin-1").split("\r\n")[:-1]
        for number, line in enumerate(written, 1):
            entry = check_dictionary.parse_entry(line, f"sbf_s.txt:{number}", True)
            check_dictionary.check_code_pages(entry, f"sbf_s.txt:{number}")
        self.assertEqual(check_dictionary.errors, [])
        # A Polish letter written into a French word, a French one into Polish text.
        for line, side in (("01 000001 11 łódź =dom=====0=0=", "headword"),
                           ("01 000001 11 dom =crème=====0=0=", "translation")):
            with self.subTest(side=side):
                check_dictionary.errors.clear()
                entry = check_dictionary.parse_entry(
                    mixed_code_pages(line).decode("latin-1"), "x", True)
                check_dictionary.check_code_pages(entry, "x")
                self.assertEqual(len(check_dictionary.errors), 1)
                self.assertIn(side, check_dictionary.errors[0])


class CheckerTags(unittest.TestCase):
    def test_tags_agree_with_the_word_class_of_the_language(self):
        # (language, headword, word class, translation, right)
        cases = [("de", "Hund, der", 1, "pies [1]", True),
                 ("de", "Hund, der", 4, "pies", False),
                 ("de", "schnell", 2, "szybki [2]", True),
                 ("fr", "maison", 1, "dom (f)", True),
                 ("fr", "maison", 1, "dom [1]", False),
                 ("fr", "ascète", 1, "asceta", True),
                 ("fr", "amateur", 1, "amatorski [2] amator", False),
                 ("en", "house", 1, "dom (f)", False)]
        for language, headword, word_class, translation, right in cases:
            with self.subTest(language=language, headword=headword, translation=translation):
                check_dictionary.errors.clear()
                check_dictionary.check_tags({"headword": headword, "class": word_class,
                                             "translation": translation}, "x", language)
                self.assertEqual(check_dictionary.errors == [], right, check_dictionary.errors)


if __name__ == "__main__":
    unittest.main()
