// The dictation's spacing, the equivalence forms and the comparison of a typed sentence.
#include "drills/SentenceText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

EquivalenceList Pairs(const std::vector<Equivalence>& pairs) {
  EquivalenceList list;
  for (const Equivalence& pair : pairs) list.Add(pair);
  return list;
}

TEST(SentenceTextTest, Normalize) {
  struct Row {
    const char* text;
    const char* normal;
  };
  const Row rows[] = {
      {"I get up at seven o'clock.", "I get up at seven o'clock"},
      {"  I get up  at   seven o'clock .", "I get up at seven o'clock"},
      {"Where do you live ?", "Where do you live"},
      {"Yes,I do", "Yes, I do"},
      {"Yes , I do ;no", "Yes, I do; no"},
      {"Stop!Now", "Stop! Now"},
      {"well - known", "well- known"},
      {"Really?!", "Really? !"},  // "?" is spaced after "!", and only a final "?" or "." goes
      {"   ", ""},
      {"", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(NormalizeSentence(row.text), row.normal);
  }
}

TEST(SentenceTextTest, SpaceAroundKeepsPiecesAndTrims) {
  EXPECT_EQ(SpaceAround("a  b   c", " "), "a b c");
  EXPECT_EQ(SpaceAround("a ,b,c ,", ","), "a, b, c,");
  EXPECT_EQ(SpaceAround("no mark here", ";"), "no mark here");
}

TEST(SentenceTextTest, AlternativeForms) {
  const EquivalenceList list = Pairs({{"I am", "I'm"}, {"do not", "don't"}, {"zzz", "y"}});
  // One pair found: one form, the leading blank kept.
  EXPECT_EQ(AlternativeForms("I am here.", list), std::vector<std::string>{" I'm here."});
  // Two pairs, the second after the first: each alone and both.
  EXPECT_EQ(AlternativeForms("I am sure I do not know", list),
            (std::vector<std::string>{" I'm sure I do not know", " I am sure I don't know",
                                      " I'm sure I don't know", " I am sure I don't know"}));
  // An apostrophe at the start gets no blank.
  EXPECT_EQ(AlternativeForms("'do not' he said", list),
            std::vector<std::string>{"'don't' he said"});
  EXPECT_TRUE(AlternativeForms("nothing to swap", list).empty());
  EXPECT_TRUE(AlternativeForms("   ", list).empty());
  EXPECT_TRUE(AlternativeForms("I am here", EquivalenceList()).empty());
}

TEST(SentenceTextTest, FortyFormsAtMostTheLastOverwritten) {
  std::vector<Equivalence> pairs;
  for (int n = 0; n < 45; ++n) pairs.push_back({"a", "b" + std::to_string(n)});
  const std::vector<std::string> forms = AlternativeForms("a", Pairs(pairs));
  ASSERT_EQ(forms.size(), 40u);
  EXPECT_EQ(forms[38], " b38");
  EXPECT_EQ(forms[39], " b44");
}

TEST(SentenceTextTest, DictationMatches) {
  const std::string variants[2] = {"I am not hungry.", "I'm not hungry."};
  const EquivalenceList none;
  const EquivalenceList list = Pairs({{"do not", "don't"}, {"I am", "I'm"}});
  const std::string knowing[1] = {"I do not know."};
  const std::string doIt[1] = {"Do not do it."};
  struct Row {
    const char* name;
    const char* typed;
    const std::string* variants;
    int count;
    DictationOptions options;
    const EquivalenceList* equivalences;
    bool right;
  };
  const DictationOptions plain;
  const DictationOptions strict{true, true, 1};
  const Row rows[] = {
      {"as written", "I am not hungry.", variants, 2, plain, &none, true},
      {"double blank, blank before the stop", "I am  not hungry .", variants, 2, plain, &none,
       true},
      {"second variant", "I'm not hungry", variants, 2, plain, &none, true},
      {"variant not in use", "I'm not hungry", variants, 1, plain, &none, false},
      {"case ignored", "i AM not hungry", variants, 2, plain, &none, true},
      {"case counts", "i am not hungry.", variants, 2, strict, &none, false},
      {"punctuation stripped", "I am, not hungry!", variants, 2, plain, &none, true},
      {"punctuation kept", "I am, not hungry", variants, 2, strict, &none, false},
      {"wrong word", "I am not angry", variants, 2, plain, &none, false},
      {"equivalence used", "I don't know.", knowing, 1, plain, &list, true},
      {"no equivalences, no form", "I don't know.", knowing, 1, plain, &none, false},
      {"pair with a capital, case ignored", "i'm not hungry", variants, 1, plain, &list, true},
      {"pair with a capital, case counts", "I'm not hungry.", variants, 1, strict, &list, true},
      {"form taken at the sentence's start", "Don't do it", doIt, 1, plain, &list, true},
      {"empty", "", variants, 2, plain, &none, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DictationMatches(row.typed, row.variants, row.count, row.options, *row.equivalences),
              row.right);
  }
}

// The mistake is found against the nearest of the variants and their equivalence forms, all
// spaced as the check spaces them and under the same options.
TEST(SentenceTextTest, DictationMistake) {
  const std::string variants[2] = {"I am not hungry.", "I'm not hungry."};
  const EquivalenceList none;
  struct Row {
    const char* name;
    const char* typed;
    int count;
    DictationOptions options;
    Mistake expected;
  };
  const DictationOptions plain;
  const DictationOptions strict{true, true, 1};
  const Row rows[] = {
      {"accepted when spaced alike", "I am  not hungry .", 2, plain, {}},
      {"typo", "I am not hungy", 2, plain, {MistakeKind::Typo, "hungry", ""}},
      {"nearer variant", "I'm hungry", 2, plain, {MistakeKind::MissingWord, "not", ""}},
      {"variant not in use", "I'm hungry", 1, plain, {MistakeKind::Other, "", ""}},
      {"mark kept", "I am not hungry!", 2, strict, {MistakeKind::Punctuation, "", ""}},
      {"order", "Hungry I am not", 2, plain, {MistakeKind::WordOrder, "", ""}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DictationMistake(row.typed, variants, row.count, row.options, none), row.expected);
  }
  // Against an equivalence form: "I don't know" is the nearest.
  const std::string knowing[1] = {"I do not know."};
  EXPECT_EQ(DictationMistake("I dont know", knowing, 1, plain, none).Kind, MistakeKind::Other);
  EXPECT_EQ(DictationMistake("I dont know", knowing, 1, plain, Pairs({{"do not", "don't"}})).Kind,
            MistakeKind::Punctuation);
}

}  // namespace
}  // namespace tess
