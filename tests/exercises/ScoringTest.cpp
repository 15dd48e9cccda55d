#include "exercises/Scoring.h"

#include <gtest/gtest.h>

#include <optional>

namespace tess {
namespace {

constexpr int kEnglish = 1;
constexpr int kGerman = 2;

TEST(ScoringTest, PercentOfTheLastCheck) {
  struct Row {
    const char* name;
    int good;
    int items;
    int percent;
  };
  const Row rows[] = {
      {"1 of 3", 1, 3, 33},
      {"2 of 3", 2, 3, 67},
      {"5 of 8, 62.5 to even", 5, 8, 62},
      {"7 of 8, 87.5 to even", 7, 8, 88},
      {"no items", 0, 0, 0},
      {"all of 4", 4, 4, 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ExerciseScore score;
    score.Check(row.good, row.items);
    EXPECT_EQ(score.BadCount, row.items - row.good);
    EXPECT_EQ(score.Percent(), row.percent);
  }
}

TEST(ScoringTest, NoItemsIsTheAllRightVerdict) {
  ExerciseScore score;
  score.Check(0, 0);
  EXPECT_TRUE(score.AllRight());
  score.Check(2, 3);
  EXPECT_FALSE(score.AllRight());
}

TEST(ScoringTest, WhatIsRecordedOnClose) {
  ExerciseScore untouched;
  EXPECT_FALSE(AttemptOnClose(untouched, "tek_7", 44, 3).has_value());

  ExerciseScore typedNotChecked;
  typedNotChecked.Touch();
  EXPECT_EQ(AttemptOnClose(typedNotChecked, "tek_7", 44, 3),
            (RecordedAttempt{0, "tek_7", 44, 3, 0}));

  ExerciseScore checked;
  checked.Check(5, 8);
  EXPECT_EQ(AttemptOnClose(checked, "tek_7", 40, 1), (RecordedAttempt{62, "tek_7", 40, 1, 1}));

  checked.Reset();
  EXPECT_FALSE(AttemptOnClose(checked, "tek_7", 40, 1).has_value());
  EXPECT_EQ(checked.GoodCount, 0);
  EXPECT_FALSE(checked.ExerciseChecked);
}

TEST(ScoringTest, AnswersEqual) {
  struct Row {
    const char* name;
    const char* entry;
    const char* expected;
    bool caseSensitive;
    bool equal;
  };
  const Row rows[] = {
      {"capitals match when case does not count", "HOUSE", "house", false, true},
      {"capitals differ when case counts", "House", "house", true, false},
      {"trimmed incl. tab and CR", "\t house\r", "house", true, true},
      // cp1250: 0xA3 is the capital L with stroke, 0xB3 its small letter.
      {"accented capital is not folded",
       "\xA3\xF3"
       "d\xBC",
       "\xB3\xF3"
       "d\xBC",
       false, false},
      {"accented small letters equal",
       "\xB3\xF3"
       "d\xBC",
       "\xB3\xF3"
       "d\xBC",
       false, true},
      {"umlaut capital not folded",
       "\xDC"
       "ber",
       "\xFC"
       "ber",
       false, false},
      {"punctuation counts here", "house.", "house", false, false},
      {"inner blanks count", "ice cream", "icecream", false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(AnswersEqual(row.entry, row.expected, row.caseSensitive), row.equal);
  }
}

TEST(ScoringTest, StripPunctuation) {
  struct Row {
    const char* name;
    const char* text;
    int course;
    const char* stripped;
  };
  const Row rows[] = {
      {"every mark anywhere", "a.b,c;d:e!f?g", kEnglish, "abcdefg"},
      {"runs of marks", "?!Ja...,", kEnglish, "Ja"},
      {"German drops the apostrophe", "geht's", kGerman, "gehts"},
      {"English keeps the apostrophe", "it's", kEnglish, "it's"},
      {"other signs stay", "a-b \"c\" (d)", kEnglish, "a-b \"c\" (d)"},
      {"cp1250 letters stay", "\xB9\xEA\xB3\xF3\x9C\x9F\xBF.", kEnglish,
       "\xB9\xEA\xB3\xF3\x9C\x9F\xBF"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(StripPunctuation(row.text, row.course), row.stripped);
  }
}

TEST(ScoringTest, TypedAnswerUnderBothOptions) {
  struct Row {
    const char* name;
    const char* entry;
    const char* expected;
    AnswerOptions options;
    bool equal;
  };
  const Row rows[] = {
      {"German apostrophe ignored", "gehts", "geht's", {false, false, kGerman}, true},
      {"English apostrophe counts", "its", "it's", {false, false, kEnglish}, false},
      {"kept punctuation counts", "gehts", "geht's", {false, true, kGerman}, false},
      {"stripped then trimmed", " Yes! ", "yes", {false, false, kEnglish}, true},
      {"case counts", "Yes", "yes", {true, false, kEnglish}, false},
      {"mark between words leaves the blank",
       "yes, sir",
       "yes sir",
       {false, false, kEnglish},
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TypedAnswerMatches(row.entry, row.expected, row.options), row.equal);
  }
}

}  // namespace
}  // namespace tess
