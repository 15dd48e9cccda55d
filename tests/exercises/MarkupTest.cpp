#include "exercises/Markup.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tess {

void PrintTo(const TextRun& run, std::ostream* os) {
  *os << "(" << run.X << "," << run.Y << ",\"" << run.Text << "\"" << (run.Style.Bold ? ",B" : "")
      << (run.Style.Italic ? ",I" : "") << ")";
}

namespace {

// 10 pixels a byte, 12 in bold, so a run measured in the wrong style lands elsewhere.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool /*italic*/) const override {
    return static_cast<int>(text.size()) * (bold ? 12 : 10);
  }
};

constexpr TextStyle kPlain{};
constexpr TextStyle kBold{true, false};
constexpr TextStyle kItalic{false, true};
constexpr TextStyle kBoldItalic{true, true};

TEST(MarkupTest, ApplyStyleTagIsExact) {
  struct Row {
    const char* name;
    TextStyle before;
    const char* tag;
    TextStyle after;
  };
  const Row rows[] = {
      {"bold on", kPlain, "<B>", kBold},
      {"bold off", kBoldItalic, "</B>", kItalic},
      {"italic on", kBold, "<I>", kBoldItalic},
      {"italic off", kItalic, "</I>", kPlain},
      {"lower case is another tag", kPlain, "<b>", kPlain},
      {"unknown tag", kBold, "<U>", kBold},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TextStyle style = row.before;
    ApplyStyleTag(style, row.tag);
    EXPECT_EQ(style, row.after);
  }
}

TEST(MarkupTest, InstructionWordWrapping) {
  const FixedWidthMeasurer measurer;
  struct Row {
    const char* name;
    const char* text;
    int width;
    std::vector<TextRun> runs;
  };
  const Row rows[] = {
      {"words on one line", "ab cd", 100, {{0, 0, "ab ", kPlain}, {30, 0, "cd ", kPlain}}},
      {"word that passes the width wraps",
       "abc defg hi",
       80,
       {{0, 0, "abc ", kPlain}, {0, 18, "defg ", kPlain}, {50, 18, "hi ", kPlain}}},
      {"exact fit stays on the line",
       "abc def",
       80,
       {{0, 0, "abc ", kPlain}, {40, 0, "def ", kPlain}}},
      {"lower-case bold tag works",
       "a <b> bb </b> c",
       100,
       {{0, 0, "a ", kPlain}, {20, 0, "bb ", kBold}, {56, 0, "c ", kPlain}}},
      {"italic and mixed-case tags",
       "<i> x <B> y </I> z",
       100,
       {{0, 0, "x ", kItalic}, {20, 0, "y ", kBoldItalic}, {44, 0, "z ", kBold}}},
      {"BR starts a line 18 pixels lower",
       "ab <BR> cd <br> e",
       100,
       {{0, 0, "ab ", kPlain}, {0, 18, "cd ", kPlain}, {0, 36, "e ", kPlain}}},
      {"two blanks give an empty word",
       "a  b",
       100,
       {{0, 0, "a ", kPlain}, {20, 0, " ", kPlain}, {30, 0, "b ", kPlain}}},
      {"unknown tag is not drawn", "<x> a", 100, {{0, 0, "a ", kPlain}}},
      {"bracket without close is a word",
       "<a b",
       100,
       {{0, 0, "<a ", kPlain}, {30, 0, "b ", kPlain}}},
      {"too long first word wraps before itself",
       "abcdefghijk",
       50,
       {{0, 18, "abcdefghijk ", kPlain}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LayoutInstruction("Lang_r\\0\\", row.width, measurer, "", row.text, ""), row.runs);
  }
}

TEST(MarkupTest, InstructionFollowsTheInterfaceFolder) {
  const FixedWidthMeasurer measurer;
  struct Row {
    const char* name;
    const char* langDir;
    const char* expected;  // the first run, empty for no runs
  };
  const Row rows[] = {
      {"polski", "Lang_r\\0\\", "Polecenie "},
      {"english", "Lang_r\\1\\", "Instruction "},
      {"deutsch", "Lang_r\\2\\", "Anweisung "},
      {"russki shows the Polish one", "Lang_r\\3\\", "Polecenie "},
      {"another folder shows nothing", "Lang_r\\4\\", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<TextRun> runs =
        LayoutInstruction(row.langDir, 600, measurer, "Anweisung", "Polecenie", "Instruction");
    if (*row.expected == '\0') {
      EXPECT_TRUE(runs.empty());
    } else {
      ASSERT_EQ(runs.size(), 1u);
      EXPECT_EQ(runs[0].Text, row.expected);
    }
  }
}

TEST(MarkupTest, LongInstructionPushesTheContentBelowIt) {
  const FixedWidthMeasurer measurer;
  const std::string words = "aaaa bbbb cccc dddd eeee ffff gggg hhhh";
  // Four words to a line of 200 pixels: two, three and four lines.
  const std::vector<TextRun> two = LayoutInstruction("Lang_r\\0\\", 200, measurer, "", words, "");
  const std::vector<TextRun> three =
      LayoutInstruction("Lang_r\\0\\", 200, measurer, "", words + " iiii", "");
  const std::vector<TextRun> four =
      LayoutInstruction("Lang_r\\0\\", 200, measurer, "", words + " iiii jjjj kkkk llll mmmm", "");
  EXPECT_EQ(InstructionLines({}), 0);
  EXPECT_EQ(InstructionLines(two), 2);
  EXPECT_EQ(InstructionLines(three), 3);
  EXPECT_EQ(InstructionLines(four), 4);
  EXPECT_EQ(InstructionOverflow(two), 0);
  EXPECT_EQ(InstructionOverflow(three), 18);
  EXPECT_EQ(InstructionOverflow(four), 36);

  struct Row {
    const char* name;
    int top;
    int overflow;
    int expected;
  };
  // The box stands at 106 and is 50 high.
  const Row rows[] = {
      {"nothing grew", 160, 0, 160},
      {"right under the box", 160, 36, 196},
      {"content above the box stays", 60, 36, 60},
      {"far below absorbs the growth", 240, 36, 240},
      {"far below moves by the rest", 240, 72, 253},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ContentTopBelowInstruction(row.top, 106, 50, row.overflow), row.expected);
  }
}

TEST(MarkupTest, ContentTextKeepsTagCaseWhenAsked) {
  const FixedWidthMeasurer measurer;
  MarkupLayout layout;
  layout.BoxWidth = 100;
  layout.LineHeight = 20;
  layout.FoldTagCase = false;
  const std::vector<TextRun> expected = {{0, 0, "a ", kPlain}, {0, 20, "b ", kPlain}};
  EXPECT_EQ(LayoutMarkedUpText("<b> a <BR> b", layout, measurer), expected);
}

}  // namespace
}  // namespace tess
