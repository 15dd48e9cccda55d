#include "exercises/Typing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tess {
namespace {

// Every byte 6 pixels wide, 7 in bold, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool) const override {
    return (bold ? 7 : 6) * static_cast<int>(text.size());
  }
};

using Kind = TypingDrawItem::Kind;

GapText Text(const std::string& lines, int gapWidth = 60, const std::string& mode = "1") {
  return ParseGapText("GAP_W = " + std::to_string(gapWidth) +
                          "\r\nGLOSSARY  = \r\nBLANKS  = " + mode + "\r\n" + lines + "\r\n",
                      "t.fcs", 1);
}

class TypingTest : public ::testing::Test {
 protected:
  void Load(const std::string& lines, int boxWidth = 120, int boxHeight = 200) {
    ASSERT_TRUE(exercise_.Load(Text(lines))) << exercise_.LoadError();
    exercise_.Attach(measurer_, boxWidth, boxHeight);
    exercise_.Paint();
  }
  /// Opens gap k and types `text` into the entry box.
  void Type(int k, const std::string& text) {
    ASSERT_TRUE(exercise_.OpenGap(k));
    exercise_.SetEntryText(text);
  }

  FixedWidthMeasurer measurer_;
  Typing exercise_;
};

TEST_F(TypingTest, LayoutAcrossLines) {
  Load("The cat sat on the &mat.Then it slept!", 120, 40);
  const std::vector<TypingDrawItem> expected = {
      {Kind::Word, 0, 17, "The ", false, false},
      {Kind::Word, 24, 17, "cat ", false, false},
      {Kind::Word, 48, 17, "sat ", false, false},
      {Kind::Word, 72, 17, "on ", false, false},
      {Kind::Word, 0, 34, "the ", false, false},  // 90 + 24 + 15 reaches the width
      {Kind::Word, 24, 34, "__________ ", false, true},
      {Kind::Word, 0, 51, ".Then ", false, false},
      {Kind::Word, 36, 51, "it ", false, false},
      {Kind::Word, 54, 51, "slept", false, false},  // no blank before the mark
      {Kind::Word, 84, 51, "! ", false, false},
  };
  EXPECT_EQ(exercise_.Paint(), expected);
  // The gap takes the gap width, not the placeholder's; ten underscores reach 60 - 5.
  EXPECT_EQ(exercise_.GapBox(1), (TypingBox{24, 34, 66, 17}));
  EXPECT_EQ(exercise_.Placeholder(1), "__________");
  // The last line starts 11 pixels below the box: one step of scrolling.
  EXPECT_EQ(exercise_.ScrollMax(), 1);
  EXPECT_TRUE(exercise_.DownVisible());
  exercise_.ScrollDown();
  EXPECT_EQ(exercise_.Paint().front().Y, 0);
  EXPECT_FALSE(exercise_.DownVisible());
  EXPECT_TRUE(exercise_.UpVisible());
}

TEST_F(TypingTest, SpecialWords) {
  struct Row {
    const char* line;
    std::vector<TypingDrawItem> items;
  };
  const Row rows[] = {
      {"a $%^ b",
       {{Kind::Word, 0, 17, "a ", false, false}, {Kind::Word, 6, 17, "b ", false, false}}},
      {"x >> 2 y",
       {{Kind::Word, 0, 17, "x ", false, false},
        {Kind::Word, 6, 13, "2 ", false, false},
        {Kind::Word, 18, 17, "y ", false, false}}},
      {"a <br> b",
       {{Kind::Word, 0, 17, "a ", false, false}, {Kind::Word, 0, 34, "b ", false, false}}},
      {"<b> a </B> b",
       {{Kind::Word, 0, 17, "a ", true, false}, {Kind::Word, 14, 17, "b ", false, false}}},
      {"a . .b",
       {{Kind::Word, 0, 17, "a", false, false},
        {Kind::Word, 6, 17, ". ", false, false},
        {Kind::Word, 12, 17, ".b ", false, false}}},
      // A mark is never moved to a new line, even past the edge.
      {"abcdefghijklmn!",
       {{Kind::Word, 0, 17, "abcdefghijklmn", false, false},
        {Kind::Word, 84, 17, "! ", false, false}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Load(row.line, 100);
    EXPECT_EQ(exercise_.Paint(), row.items);
  }
}

TEST_F(TypingTest, WhatIsTypedIntoAGapIsNoSpecialWord) {
  Load("a &b c &d", 300);
  Type(1, "<BR>");
  Type(2, ".");
  exercise_.CloseEntry();
  const std::vector<TypingDrawItem> expected = {
      {Kind::Word, 0, 17, "a ", false, false},
      {Kind::Word, 12, 17, "<BR> ", false, true},
      {Kind::Word, 42, 17, "c ", false, false},  // a blank before the gap that holds "."
      {Kind::Word, 54, 17, ". ", false, true},
  };
  EXPECT_EQ(exercise_.Paint(), expected);
}

TEST_F(TypingTest, PrefilledPlaceholders) {
  ASSERT_TRUE(exercise_.Load(Text("*go &went home", 60, "0")));
  exercise_.Attach(measurer_, 300, 100);
  EXPECT_EQ(exercise_.Entry(1), "go");
  EXPECT_EQ(exercise_.Paint()[0].Text, "go ");
  ASSERT_TRUE(exercise_.OpenGap(1));
  EXPECT_EQ(exercise_.EntryText(), "go");
  // Under the open box the gap shows its prefill as placeholder, the gap width wide.
  EXPECT_EQ(exercise_.Paint()[0].Text, "go ");
  EXPECT_EQ(exercise_.Paint()[1].X, 66);
}

TEST_F(TypingTest, OpeningGapsWithClicksTabAndEnter) {
  Load("a &one b &two c &three", 400);
  EXPECT_FALSE(exercise_.NextGap());  // no entry box: the key is not used
  EXPECT_FALSE(exercise_.ExerciseTouched());
  const TypingBox second = exercise_.GapBox(2);
  exercise_.Click(second.Left + second.Width, second.Top + second.Height);  // edges count
  EXPECT_EQ(exercise_.EntryGap(), 2);
  EXPECT_TRUE(exercise_.ExerciseTouched());  // filling the box counts as a change
  EXPECT_EQ(exercise_.EntryBox(), (TypingBox{second.Left, second.Top, 60, 18}));
  exercise_.SetEntryText("  two  ");
  ASSERT_TRUE(exercise_.NextGap());
  EXPECT_EQ(exercise_.EntryGap(), 3);
  EXPECT_EQ(exercise_.Entry(2), "two");  // stored trimmed
  exercise_.SetEntryText("3");
  ASSERT_TRUE(exercise_.NextGap());  // the last gap is followed by the first
  EXPECT_EQ(exercise_.EntryGap(), 1);
  EXPECT_EQ(exercise_.Entry(3), "3");
  ASSERT_TRUE(exercise_.NextGap());
  EXPECT_EQ(exercise_.EntryText(), "two");  // the entry goes back into the box
  EXPECT_EQ(exercise_.Entry(2), "");
  exercise_.Click(1, 1);  // beside every gap: the box closes
  EXPECT_EQ(exercise_.EntryGap(), 0);
  EXPECT_EQ(exercise_.Entry(2), "two");
}

TEST_F(TypingTest, AGapOutOfViewClosesTheEntryBox) {
  // Gap 1 on the first line, gap 2 on the fourth: 68 lies below the band of a 50 high box.
  Load("&one <BR> x <BR> y <BR> &two", 300, 50);
  ASSERT_TRUE(exercise_.OpenGap(1));
  exercise_.SetEntryText(" typed ");
  EXPECT_TRUE(exercise_.NextGap());  // the key is used all the same
  EXPECT_EQ(exercise_.EntryGap(), 0);
  EXPECT_EQ(exercise_.Entry(1), "typed");
  EXPECT_EQ(exercise_.Entry(2), "");

  // Scrolling closes the box too; scrolled down, the second gap is in view.
  ASSERT_TRUE(exercise_.OpenGap(1));
  exercise_.ScrollDown();
  EXPECT_EQ(exercise_.EntryGap(), 0);
  exercise_.ScrollDown();
  EXPECT_TRUE(exercise_.OpenGap(2));
}

TEST_F(TypingTest, CaseOption) {
  for (const bool caseSensitive : {false, true}) {
    SCOPED_TRACE(caseSensitive);
    Load("&london and &flat/\\apartment");
    Type(1, "London");
    Type(2, "APARTMENT");
    exercise_.Check(caseSensitive);
    EXPECT_EQ(exercise_.GapRight(1), !caseSensitive);
    EXPECT_EQ(exercise_.GapRight(2), !caseSensitive);
    EXPECT_EQ(exercise_.VerdictText(), caseSensitive ? 67 : 66);
  }
}

TEST_F(TypingTest, EveryGapRightFillsInNothing) {
  Load("&flat/\\apartment &Ice+cream &go");
  Type(1, "apartment");
  Type(2, "ice cream");
  Type(3, " go ");
  exercise_.Check(false);
  EXPECT_EQ(exercise_.GoodCount(), 3);
  EXPECT_EQ(exercise_.BadCount(), 0);
  EXPECT_EQ(exercise_.Percent(), 100);
  EXPECT_EQ(exercise_.VerdictText(), 66);
  EXPECT_EQ(exercise_.Entry(1), "apartment");
  EXPECT_EQ(exercise_.Entry(2), "ice cream");
  EXPECT_EQ(exercise_.Entry(3), " go ");  // the check stores the box's text as it is
  EXPECT_TRUE(exercise_.Marks().empty());
  EXPECT_FALSE(exercise_.CheckVisible());
}

TEST_F(TypingTest, WrongGapsGetTheExpectedAnswerAndAMark) {
  Load("&flat/\\apartment &cold &wet &dry", 400);
  Type(1, "apartment");
  Type(2, "Cold");
  Type(3, "warm");
  exercise_.Check(false);  // gap 4 left empty
  EXPECT_EQ(exercise_.GoodCount(), 2);
  EXPECT_EQ(exercise_.BadCount(), 2);
  EXPECT_EQ(exercise_.Percent(), 50);
  EXPECT_EQ(exercise_.VerdictText(), 67);
  // The alternative as written stays; a right answer in other letters shows as expected.
  EXPECT_EQ(exercise_.Entry(1), "apartment");
  EXPECT_EQ(exercise_.Entry(2), "cold");
  EXPECT_EQ(exercise_.Entry(3), "wet");
  EXPECT_EQ(exercise_.WrongEntry(3), "warm");
  EXPECT_EQ(exercise_.Entry(4), "dry");

  const std::vector<TypingDrawItem>& items = exercise_.Paint();
  ASSERT_EQ(exercise_.Marks().size(), 2u);
  const TypingMark& wet = exercise_.Marks()[0];
  const TypingMark& dry = exercise_.Marks()[1];
  EXPECT_EQ(wet.Gap, 3);
  EXPECT_EQ(wet.Hint, "warm");
  EXPECT_EQ(dry.Hint, "-");
  // Right gaps no longer take the pointer; the mark stands before its gap, which moves on.
  EXPECT_EQ(exercise_.GapBox(1).Left, -50);
  const TypingBox gap3 = exercise_.GapBox(3);
  EXPECT_EQ(wet.Box, (TypingBox{gap3.Left, gap3.Top, 16, 18}));
  const auto mark = std::find_if(items.begin(), items.end(), [](const TypingDrawItem& item) {
    return item.What == Kind::Exclamation;
  });
  ASSERT_NE(mark, items.end());
  EXPECT_EQ(mark->X, gap3.Left - 4);
  EXPECT_EQ((mark + 1)->X, gap3.Left + 16);
  EXPECT_EQ((mark + 1)->Text, "wet ");
  EXPECT_TRUE((mark + 1)->Blue);

  EXPECT_TRUE(exercise_.PointerOverGap(gap3.Left + 16, gap3.Top + 18));
  ASSERT_NE(exercise_.MarkAt(dry.Box.Left + 3, dry.Box.Top + 3), nullptr);
  EXPECT_EQ(exercise_.MarkAt(dry.Box.Left + 3, dry.Box.Top + 3)->Hint, "-");
  EXPECT_EQ(exercise_.MarkAt(gap3.Left + 17, gap3.Top), nullptr);
  // Frozen after the check.
  EXPECT_FALSE(exercise_.OpenGap(3));
  exercise_.Click(gap3.Left + 30, gap3.Top + 2);
  EXPECT_EQ(exercise_.EntryGap(), 0);
}

// Each wrong gap's mark knows its mistake, against the nearer of its two answers and with the
// course's foreign letters and the case option.
TEST_F(TypingTest, MarksTellTheKindOfMistake) {
  Load("&flat/\\apartment &gr\xFCn &Berlin &dry", 400);
  Type(1, "apartmnt");
  Type(2, "grun");
  Type(3, "berlin");
  exercise_.Check(true, 2);  // gap 4 left empty
  exercise_.Paint();
  ASSERT_EQ(exercise_.Marks().size(), 4u);
  EXPECT_EQ(exercise_.Marks()[0].Why, (Mistake{MistakeKind::Typo, "apartment", ""}));
  EXPECT_EQ(exercise_.Marks()[1].Why, (Mistake{MistakeKind::ForeignLetter, "\xFC", "u"}));
  EXPECT_EQ(exercise_.Marks()[2].Why.Kind, MistakeKind::Case);
  EXPECT_EQ(exercise_.Marks()[3].Why.Kind, MistakeKind::Other);
  EXPECT_EQ(exercise_.Marks()[3].Hint, "-");
}

TEST_F(TypingTest, CheckWithTheBoxOpenAndLoadAgain) {
  Load("&one &two &three");
  Type(2, "two");
  exercise_.Check(false);
  EXPECT_EQ(exercise_.EntryGap(), 0);
  EXPECT_EQ(exercise_.Percent(), 33);
  EXPECT_TRUE(exercise_.ExerciseChecked());

  ASSERT_TRUE(exercise_.Load(Text("&one &two &three")));
  EXPECT_FALSE(exercise_.ExerciseTouched());
  EXPECT_FALSE(exercise_.ExerciseChecked());
  EXPECT_EQ(exercise_.Entry(2), "");
  EXPECT_EQ(exercise_.GoodCount(), 0);
  EXPECT_TRUE(exercise_.CheckVisible());

  EXPECT_FALSE(exercise_.Load(Text("&")));
  EXPECT_EQ(exercise_.GapCount(), 0);
  EXPECT_FALSE(exercise_.CheckVisible());
}

}  // namespace
}  // namespace tess
