#include "exercises/MistakeKind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

using K = MistakeKind;

constexpr MistakeOptions kEn{false, true, 1};
constexpr MistakeOptions kEnCase{true, true, 1};
constexpr MistakeOptions kEnLoose{false, false, 1};
constexpr MistakeOptions kDe{false, true, 2};
constexpr MistakeOptions kDeCase{true, true, 2};
constexpr MistakeOptions kDeLoose{false, false, 2};
constexpr MistakeOptions kFr{false, true, 3};

TEST(MistakeKindTest, Classify) {
  std::string longSentence;
  std::string longTyped;
  for (int n = 0; n < 150; ++n) {
    const std::string word = "w" + std::to_string(n) + " ";
    longSentence += word;
    if (n != 70) longTyped += word;
  }
  struct Row {
    const char* name;
    std::string typed;
    std::vector<std::string> answers;
    MistakeOptions options;
    MistakeKind kind;
    std::string due = {};  ///< the Mistake's Expected
    std::string put = {};  ///< and its Typed
  };
  const Row rows[] = {
      // Accepted answers, as the checks accept them.
      {"same", "flat", {"flat"}, kEn, K::None},
      {"capitals forgiven", "FLAT ", {"flat"}, kEn, K::None},
      {"apostrophe stripped, German", "gehts", {"geht's"}, kDeLoose, K::None},
      // Capital letters.
      {"capital counts", "berlin", {"Berlin"}, kEnCase, K::Case},
      {"accented capital, A-Z forgiven", "\xE4pfel", {"\xC4pfel"}, kDe, K::Case},
      {"French accented capital", "\xE9toile", {"\xC9toile"}, kFr, K::Case},
      // German letters (cp1250).
      {"umlaut missing", "grun", {"gr\xFCn"}, kDe, K::ForeignLetter, "\xFC", "u"},
      {"capital umlaut missing", "Apfel", {"\xC4pfel"}, kDeCase, K::ForeignLetter, "\xC4", "A"},
      {"umlaut where none is", "sch\xF6n", {"schon"}, kDe, K::ForeignLetter, "o", "\xF6"},
      {"eszett typed as ss", "Fuss", {"Fu\xDF"}, kDe, K::ForeignLetter, "\xDF", "ss"},
      {"ss typed as eszett", "Schlo\xDF", {"Schloss"}, kDe, K::ForeignLetter, "ss", "\xDF"},
      {"first of several", "Ol fur", {"\xD6l f\xFCr"}, kDe, K::ForeignLetter, "\xD6", "O"},
      {"umlaut of another base", "gr\xE4n", {"gr\xFCn"}, kDe, K::Typo, "gr\xFCn"},
      {"English has no foreign letters", "grun", {"gr\xFCn"}, kEn, K::Typo, "gr\xFCn"},
      {"umlaut and a capital", "ich hore", {"Ich h\xF6re"}, kDeCase, K::ForeignLetter, "\xF6", "o"},
      // French letters (cp1252).
      {"acute accent missing", "ete", {"\xE9t\xE9"}, kFr, K::ForeignLetter, "\xE9", "e"},
      {"grave accent missing", "tres", {"tr\xE8s"}, kFr, K::ForeignLetter, "\xE8", "e"},
      {"acute for grave", "tr\xE9s", {"tr\xE8s"}, kFr, K::ForeignLetter, "\xE8", "\xE9"},
      {"cedilla missing", "garcon", {"gar\xE7on"}, kFr, K::ForeignLetter, "\xE7", "c"},
      {"grave u missing", "ou", {"o\xF9"}, kFr, K::ForeignLetter, "\xF9", "u"},
      {"diaeresis missing", "mais", {"ma\xEFs"}, kFr, K::ForeignLetter, "\xEF", "i"},
      {"circumflex missing", "hopital", {"h\xF4pital"}, kFr, K::ForeignLetter, "\xF4", "o"},
      {"capital acute missing", "Etoile", {"\xC9toile"}, kFr, K::ForeignLetter, "\xC9", "E"},
      // Blanks and marks.
      {"words run together", "icecream", {"ice cream"}, kEn, K::Spacing},
      {"doubled blank", "ice  cream", {"ice cream"}, kEn, K::Spacing},
      {"comma and exclamation", "Hi you", {"Hi, you!"}, kEn, K::Punctuation},
      {"apostrophe", "dont", {"don't"}, kEn, K::Punctuation},
      {"hyphen", "email", {"e-mail"}, kEn, K::Punctuation},
      {"apostrophe kept, English", "dont", {"don't"}, kEnLoose, K::Punctuation},
      // One word one letter off.
      {"letter wrong", "appke", {"apple"}, kEn, K::Typo, "apple"},
      {"letter missing", "aple", {"apple"}, kEn, K::Typo, "apple"},
      {"letter extra", "applle", {"apple"}, kEn, K::Typo, "apple"},
      {"letters swapped", "flta", {"flat"}, kEn, K::Typo, "flat"},
      {"in a sentence, as written", "she has a dgo.", {"She has a Dog."}, kEnLoose, K::Typo, "Dog"},
      {"two letters off: another word", "abble", {"apple"}, kEn, K::Other},
      // Words missing, too many, out of order.
      {"word missing", "She a dog", {"She has a dog"}, kEn, K::MissingWord, "has"},
      {"last word missing", "She has a", {"She has a dog."}, kEn, K::MissingWord, "dog"},
      {"repeated word missing", "very good", {"very very good"}, kEn, K::MissingWord, "very"},
      {"long sentence, word missing", longTyped, {longSentence}, kEn, K::MissingWord, "w70"},
      {"word too many", "the flat", {"flat"}, kEn, K::ExtraWord, "", "the"},
      {"extra word within", "She has a big dog", {"She has a dog"}, kEn, K::ExtraWord, "", "big"},
      {"order", "I very much like it", {"I like it very much"}, kEn, K::WordOrder},
      {"order, capital moved along", "Ich heute komme", {"Heute komme ich"}, kDeCase, K::WordOrder},
      {"two words missing", "She dog", {"She has a dog"}, kEn, K::Other},
      // Nothing that fits.
      {"another word", "cold", {"warm"}, kEn, K::Other},
      {"two words wrong", "She had a cat", {"She has a dog"}, kEn, K::Other},
      {"capital and comma at once", "hi you", {"Hi, you"}, kEnCase, K::Other},
      {"nothing typed", "  ", {"flat"}, kEn, K::Other},
      {"no answer", "flat", {}, kEn, K::Other},
      {"too long to look into", std::string(1001, 'a'), {std::string(1000, 'a')}, kEn, K::Other},
      // Alternatives: the nearest explains.
      {"nearer alternative", "apartmnt", {"flat", "apartment"}, kEn, K::Typo, "apartment"},
      {"smaller mistake wins", "Flat", {"flats", "flat"}, kEnCase, K::Case},
      {"first of equals", "fla", {"flat", "flay"}, kEn, K::Typo, "flat"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ClassifyMistake(row.typed, row.answers, row.options),
              (Mistake{row.kind, row.due, row.put}));
  }
}

std::string Joined(const std::vector<ExplanationPiece>& pieces) {
  std::string text;
  for (const ExplanationPiece& piece : pieces) {
    text += piece.CourseText ? "[" + piece.Text + "]" : piece.Text;
  }
  return text;
}

// Polish is cp1250; the quoted letters and words, in brackets here, stay course text. Every
// explanation starts "Błąd: ".
TEST(MistakeKindTest, Explanation) {
  const std::string mistake =
      "B\xB3\xB9"
      "d: ";
  struct Row {
    Mistake mistake;
    std::string text;
  };
  const Row rows[] = {
      {{K::Case, "", ""},
       "wielka/ma\xB3"
       "a litera"},
      {{K::ForeignLetter, "\xE4", "a"}, "brak litery [\xE4] (wpisano [a])"},
      {{K::ForeignLetter, "\xDF", "ss"}, "brak litery [\xDF] (wpisano [ss])"},
      {{K::ForeignLetter, "\xE8", "\xE9"}, "wpisano [\xE9] zamiast [\xE8]"},
      {{K::ForeignLetter, "o", "\xF6"}, "wpisano [\xF6] zamiast [o]"},
      {{K::Spacing, "", ""},
       "odst\xEApy mi\xEA"
       "dzy wyrazami"},
      {{K::Punctuation, "", ""}, "znaki interpunkcyjne"},
      {{K::Typo, "gr\xFCn", ""}, "liter\xF3wka w wyrazie \x84[gr\xFCn]\x94"},
      {{K::MissingWord, "has", ""}, "brakuje wyrazu \x84[has]\x94"},
      {{K::ExtraWord, "", "the"},
       "zb\xEA"
       "dny wyraz \x84[the]\x94"},
      {{K::WordOrder, "", ""}, "kolejno\x9C\xE6 wyraz\xF3w"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Joined(MistakeExplanation(row.mistake)), mistake + row.text);
  }
  EXPECT_TRUE(MistakeExplanation({K::Other, "", ""}).empty());
  EXPECT_TRUE(MistakeExplanation({K::None, "", ""}).empty());
}

}  // namespace
}  // namespace tess
