// Which entries a word of a course text finds: stripping, folding in the course's code page,
// the forms of its ending, German nouns and plurals, French elision, and the dictionary's own
// rules of which entries are listed.
#include "lookup/WordMatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/EntryTable.h"

namespace tess::lookup {
namespace {

using dictionary::Entry;
using dictionary::EntryTable;

Entry Word(int entryNo, std::string headword, std::string plural = {}) {
  Entry entry;
  entry.EntryNo = entryNo;
  entry.Headword = std::move(headword);
  entry.Translation = "x";
  entry.Plural = std::move(plural);
  return entry;
}

EntryTable Table(const std::vector<Entry>& words, const std::vector<Entry>& sentences = {}) {
  EntryTable table;
  for (const Entry& word : words) table.Add(word);
  table.EndWordList();
  for (const Entry& sentence : sentences) table.Add(sentence);
  table.Finish();
  return table;
}

std::vector<std::string> Headwords(const EntryTable& table, const std::vector<int>& positions) {
  std::vector<std::string> headwords;
  for (int position : positions) headwords.push_back(table.Headword(position));
  return headwords;
}

struct MatchCase {
  const char* name;
  const char* word;
  std::vector<std::string> found;
};

void ExpectMatches(const EntryTable& table, int language, const std::vector<MatchCase>& cases) {
  const WordIndex index(table, language);
  for (const MatchCase& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Headwords(table, index.Find(row.word)), row.found);
  }
}

TEST(WordMatchTest, EnglishWordsFindTheirBaseForms) {
  const EntryTable table =
      Table({Word(1, "a"),       Word(2, "box"),    Word(3, "big"),    Word(4, "city"),
             Word(5, "carry"),   Word(6, "do"),     Word(7, "go"),     Word(8, "house"),
             Word(9, "it"),      Word(10, "knife"), Word(11, "left"),  Word(12, "leave"),
             Word(13, "live"),   Word(14, "make"),  Word(15, "run"),   Word(16, "stop"),
             Word(17, "us"),     Word(18, "use"),   Word(19, "walk"),  Word(20, "woman"),
             Word(21, "wolf"),   Word(22, "late"),  Word(23, "happy"), Word(24, "Paris"),
             Word(25, "o'clock")});
  ExpectMatches(table, 1,
                {{"the word itself", "house", {"house"}},
                 {"one letter", "a", {"a"}},
                 {"capital at a sentence start and a full stop", "House.", {"house"}},
                 {"quotes and a comma around it", "\x84\"walk,\"", {"walk"}},
                 {"a capital headword from a small word", "paris", {"Paris"}},
                 {"plural -s", "houses", {"house"}},
                 {"plural -es", "boxes", {"box"}},
                 {"-s comes before -es", "uses", {"use"}},
                 {"third person -es", "goes", {"go"}},
                 {"plural -ies", "cities", {"city"}},
                 {"plural -ves", "knives", {"knife"}},
                 {"plural -ves of -f", "wolves", {"wolf"}},
                 {"plural -men", "women", {"woman"}},
                 {"past -ed", "walked", {"walk"}},
                 {"past -d", "lived", {"live"}},
                 {"past -ied", "carried", {"carry"}},
                 {"past with a doubled consonant", "stopped", {"stop"}},
                 {"-ing", "walking", {"walk"}},
                 {"-ing of a verb in -e", "making", {"make"}},
                 {"-ing with a doubled consonant", "running", {"run"}},
                 {"comparative with a doubled consonant", "bigger", {"big"}},
                 {"comparative -r", "later", {"late"}},
                 {"superlative -iest", "happiest", {"happy"}},
                 {"an irregular form is an entry of its own", "left", {"left"}},
                 {"possessive 's", "John's", {}},
                 {"it's", "it's", {"it"}},
                 {"n't", "don't", {"do"}},
                 {"an apostrophe inside the headword", "o'clock", {"o'clock"}},
                 {"a typographic apostrophe is an apostrophe", "it\x92s", {"it"}},
                 {"no such word", "xylophones", {}},
                 {"only punctuation", "...", {}}});
}

TEST(WordMatchTest, GermanNounsAreFoundBySingularAndPluralAndVerbsByTheirForms) {
  // cp1250: Ü 0xDC, ü 0xFC, ä 0xE4, ß 0xDF.
  const EntryTable table =
      Table({Word(1, "gehen"), Word(2, "Haus, das", "H\xE4user"), Word(3, "Hund, der", "Hunde"),
             Word(4, "klein"), Word(5, "See, der", "Seen"), Word(6, "See, die", "Seen"),
             Word(7, "spielen"),
             Word(8,
                  "\xDC"
                  "bung, die",
                  "\xDC"
                  "bungen"),
             Word(9, "gro\xDF"), Word(10, "Kind, das", "Kinder"), Word(11, "arbeiten")});
  ExpectMatches(table, 2,
                {{"a noun without its article", "Hund", {"Hund, der"}},
                 {"a noun written small", "hund", {"Hund, der"}},
                 {"the plural field", "Hunde", {"Hund, der"}},
                 {"a plural with an umlaut", "H\xE4user", {"Haus, das"}},
                 {"a dative plural", "Kindern", {"Kind, das"}},
                 {"two genders are two entries", "See", {"See, der", "See, die"}},
                 {"a capital umlaut folds in cp1250",
                  "\xFC"
                  "bungen",
                  {"\xDC"
                   "bung, die"}},
                 {"an adjective ending", "kleinen", {"klein"}},
                 {"an adjective with sharp s",
                  "gro\xDF"
                  "e",
                  {"gro\xDF"}},
                 {"verb -t", "geht", {"gehen"}},
                 {"verb -st", "spielst", {"spielen"}},
                 {"verb -e", "spiele", {"spielen"}},
                 {"weak past -te", "spielte", {"spielen"}},
                 {"weak participle", "gespielt", {"spielen"}},
                 {"weak participle -et", "gearbeitet", {"arbeiten"}},
                 {"no such word", "Katzen", {}}});
}

TEST(WordMatchTest, FrenchWordsLoseTheirElisionAndFoldInCp1252) {
  // cp1252: é 0xE9, É 0xC9, è 0xE8.
  const EntryTable table =
      Table({Word(1, "homme"), Word(2, "maison"), Word(3, "cheval"), Word(4, "parler"),
             Word(5, "grand"), Word(6, "bon"), Word(7, "heureux"), Word(8, "actif"),
             Word(9,
                  "\xE9"
                  "cole"),
             Word(10, "aujourd'hui"), Word(11, "eau"), Word(12, "premier")});
  ExpectMatches(table, 3,
                {{"elided article", "l'homme", {"homme"}},
                 {"elided with a typographic apostrophe",
                  "d\x92"
                  "eau",
                  {"eau"}},
                 {"elided qu'", "qu'il", {}},
                 {"an apostrophe that belongs to the word", "aujourd'hui", {"aujourd'hui"}},
                 {"a capital accented letter folds in cp1252",
                  "\xC9"
                  "cole",
                  {"\xE9"
                   "cole"}},
                 {"elision and a capital",
                  "L'\xC9"
                  "cole",
                  {"\xE9"
                   "cole"}},
                 {"plural -s", "maisons", {"maison"}},
                 {"plural -x", "eaux", {"eau"}},
                 {"plural -aux", "chevaux", {"cheval"}},
                 {"feminine -e", "grande", {"grand"}},
                 {"feminine -nne", "bonne", {"bon"}},
                 {"feminine -euse", "heureuse", {"heureux"}},
                 {"feminine -ive", "active", {"actif"}},
                 {"feminine -ère", "premi\xE8re", {"premier"}},
                 {"verb -e", "parle", {"parler"}},
                 {"verb -ent", "parlent", {"parler"}},
                 {"participle -ée",
                  "parl\xE9"
                  "e",
                  {"parler"}},
                 {"French guillemets", "\xABmaison\xBB", {"maison"}},
                 {"inverted question mark",
                  "\xBF"
                  "bon?",
                  {"bon"}}});
}

TEST(WordMatchTest, OnlyListedEntriesThatStandForTheirNumberAreFound) {
  // A later entry of number 2 stands for it, also one in the sentence list; sentences are not
  // listed, so they find nothing either.
  const EntryTable table = Table({Word(1, "ship"), Word(2, "boat"), Word(2, "boat")},
                                 {Word(1, "ship"), Word(9, "sail")});
  ExpectMatches(table, 1,
                {{"an entry whose number comes again later", "ship", {}},
                 {"the last of a number", "boat", {"boat"}},
                 {"a sentence entry", "sail", {}}});
}

TEST(WordMatchTest, StrippingAndFoldingFollowTheCodePage) {
  // 0xBF is "ż" in cp1250 and "¿" in cp1252; 0xA5 is "Ą" in cp1250.
  EXPECT_EQ(StripWord("\xBF"
                      "aba",
                      1),
            "\xBF"
            "aba");
  EXPECT_EQ(StripWord("\xBF"
                      "aba",
                      3),
            "aba");
  EXPECT_EQ(StripWord(" (well-known), ", 1), "well-known");
  EXPECT_EQ(StripWord("\x96 \x93"
                      "end\x94\x85",
                      2),
            "end");
  EXPECT_EQ(FoldWord("\xA5"
                     "B\xA3",
                     1),
            "\xB9"
            "b\xB3");
  EXPECT_EQ(FoldWord("\xC0"
                     "B\xD7\x8C",
                     3),
            "\xE0"
            "b\xD7\x9C");
}

TEST(WordMatchTest, FormsComeOnceTheWordFirst) {
  const std::vector<std::string> forms = WordForms("stopped", 1);
  ASSERT_FALSE(forms.empty());
  EXPECT_EQ(forms.front(), "stopped");
  for (size_t i = 0; i < forms.size(); ++i) {
    for (size_t j = i + 1; j < forms.size(); ++j) EXPECT_NE(forms[i], forms[j]);
  }
  EXPECT_TRUE(WordForms("", 1).empty());
}

}  // namespace
}  // namespace tess::lookup
