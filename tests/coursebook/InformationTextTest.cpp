#include "coursebook/InformationText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

using Tokens = std::vector<std::string>;

// Every byte is 6 pixels wide, 7 in bold and 5 in italic, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool italic) const override {
    const int perByte = bold ? 7 : italic ? 5 : 6;
    return perByte * static_cast<int>(text.size());
  }
};

InformationPictureWidths PictureWidths(int width) {
  InformationPictureWidths widths;
  widths.fill(width);
  return widths;
}

struct TokenCase {
  const char* name;
  std::string text;
  Tokens tokens;
};

TEST(InformationTextTest, TokenisesWordsAndMarkers) {
  const TokenCase cases[] = {
      {"WordBoldWordNewLineWord",
       "Pierwsze <b>Drugie </b>@Trzecie",
       {"Pierwsze", "<b>", "Drugie", "</b>", "@", "Trzecie"}},
      {"TwoBlanksLeaveAnEmptyWord", "a  b", {"a", "", "b"}},
      {"BlankAfterAMarkerLeavesAnEmptyWord", "@ x", {"@", "", "x"}},
      {"MarkersCutWords",
       "a<b>b</b>c<i>d</i>e<br>f@g",
       {"a", "<b>", "b", "</b>", "c", "<i>", "d", "</i>", "e", "<br>", "f", "@", "g"}},
      {"TagsInCapitalsAreWrittenInLowerCase",
       "<B>x</B><BR>y<I>z</I>",
       {"<b>", "x", "</b>", "<br>", "y", "<i>", "z", "</i>"}},
      {"TrimmedFirst", "\r\n  a b \t\r\n", {"a", "b"}},
      {"AngleBracketsOfNoMarkerStayInTheirWords", "a<c >d x<b", {"a<c", ">d", "x<b"}},
      {"BracketTokensAreWords", "[stat_ok] [1]x", {"[stat_ok]", "[1]x"}},
      {"Cp1250BytesStayAsTheyAre",
       "Za\xBF\xF3\xB3\xE6 <i>g\xEA\x9Cl\xB9</i>",
       {"Za\xBF\xF3\xB3\xE6", "<i>", "g\xEA\x9Cl\xB9", "</i>"}},
      {"Cp1251BytesStayAsTheyAre",
       "\xC2\xF5\xEE\xE4 @\xCD\xEE\xE2\xFB\xE9",
       {"\xC2\xF5\xEE\xE4", "@", "\xCD\xEE\xE2\xFB\xE9"}},
      {"Empty", "", {}},
      {"OnlyBlanks", "   ", {}},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TokeniseInformation(c.text), c.tokens);
  }
}

TEST(InformationTextTest, KeepsAtMost3100Tokens) {
  std::string text;
  for (int n = 1; n <= 3200; ++n) text += "w" + std::to_string(n) + (n % 2 ? " " : "@");
  const Tokens tokens = TokeniseInformation(text);
  ASSERT_EQ(tokens.size(), 3100u);
  // Three tokens for every two words: "w1", "w2", "@", "w3", ...
  EXPECT_EQ(tokens[3098], "@");
  EXPECT_EQ(tokens.back(), "w2067");

  std::string exact;
  for (int n = 0; n < 3100; ++n) exact += "x ";
  EXPECT_EQ(TokeniseInformation(exact).size(), 3100u);
}

TEST(InformationTextTest, ClassifiesMarkers) {
  struct Case {
    const char* token;
    InformationMarker marker;
    InformationPicture picture;
  };
  using M = InformationMarker;
  using P = InformationPicture;
  const Case cases[] = {
      {"<br>", M::NewLine, P::Count},
      {"@", M::NewLine, P::Count},
      {"<b>", M::BoldOn, P::Count},
      {"</b>", M::BoldOff, P::Count},
      {"<i>", M::ItalicOn, P::Count},
      {"</i>", M::ItalicOff, P::Count},
      {"[1]", M::Picture, P::poz_1},
      {"[4]", M::Picture, P::poz_4},
      {"[TYP_1]", M::Picture, P::zda_dyk},
      {"[typ_2]", M::Picture, P::zda_roz},
      {"[TYP_3]", M::Picture, P::zda_tek},
      {"[Typ_4]", M::Picture, P::img_rpg},
      {"[TYP_5]", M::Picture, P::img_dia},
      {"[YES]", M::Picture, P::rob_yes},
      {"[no]", M::Picture, P::rob_no},
      {"[STAT_OK]", M::Picture, P::stat_1},
      {"[stat_ok]", M::Picture, P::stat_1},
      {"[STAT_NO]", M::Picture, P::stat_2},
      {"[Stat_Proc]", M::Picture, P::stat_3},
      {"[STAT_ABC]", M::Picture, P::stat_4},
      {"[stat_strz]", M::Picture, P::stat_5},
      // Tags are compared exactly, bracket tokens only with A to Z folded.
      {"<B>", M::None, P::Count},
      {"<BR>", M::None, P::Count},
      {"[5]", M::None, P::Count},
      {"[TYP_6]", M::None, P::Count},
      {"[STAT_OK]x", M::None, P::Count},
      {"[ye\xA6]", M::None, P::Count},
      {"", M::None, P::Count},
      {"word", M::None, P::Count},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.token);
    const InformationToken token = ClassifyInformationToken(c.token);
    EXPECT_EQ(token.Marker, c.marker);
    EXPECT_EQ(token.Picture, c.picture);
  }
}

TEST(InformationTextTest, HelpTextOnTwoLinesWithABoldWord) {
  InformationPage page;
  page.Open("HH_Pierwsze <b>Drugie </b>@Trzecie");
  EXPECT_TRUE(page.Help());
  page.LayOut(FixedWidthMeasurer(), PictureWidths(16), 381, 201);
  const std::vector<InformationPiece>& pieces = page.Layout().Pieces;
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].Text, "Pierwsze ");
  EXPECT_EQ(std::pair(pieces[0].X, pieces[0].Y), std::pair(1, 1));
  EXPECT_FALSE(pieces[0].Bold);
  EXPECT_EQ(pieces[1].Text, "Drugie ");
  EXPECT_EQ(std::pair(pieces[1].X, pieces[1].Y), std::pair(1 + 9 * 6, 1));
  EXPECT_TRUE(pieces[1].Bold);
  EXPECT_EQ(pieces[2].Text, "Trzecie ");
  EXPECT_EQ(std::pair(pieces[2].X, pieces[2].Y), std::pair(1, 21));
  EXPECT_FALSE(pieces[2].Bold);
  EXPECT_EQ(page.Layout().Bottom, 41);
  EXPECT_FALSE(page.DownShown());
  EXPECT_FALSE(page.UpShown());
}

TEST(InformationTextTest, OtherTextsAreTranslations) {
  InformationPage page;
  page.Open("hh_Tekst");
  EXPECT_FALSE(page.Help());
  EXPECT_EQ(page.Tokens(), Tokens{"hh_Tekst"});
  EXPECT_EQ(InformationBackground(false), "gfx_r\\tlumaczenia.bmp");
  EXPECT_EQ(InformationBackground(true), "gfx_r\\help.bmp");
}

struct Placed {
  std::string text;  // empty for a picture
  int x;
  int y;
  friend bool operator==(const Placed&, const Placed&) = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << "\"" << p.text << "\"@" << p.x << "," << p.y;
}

std::vector<Placed> PlaceAll(const std::string& text, int width) {
  std::vector<Placed> placed;
  const InformationLayout layout =
      LayOutInformation(TokeniseInformation(text), FixedWidthMeasurer(), PictureWidths(16), width);
  for (const InformationPiece& piece : layout.Pieces)
    placed.push_back({piece.Text, piece.X, piece.Y});
  return placed;
}

TEST(InformationTextTest, BreaksLinesAtTheRightEdge) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    std::vector<Placed> placed;
  };
  const Case cases[] = {
      // "aaaa " is 30 pixels: the second word ends exactly at 61.
      {"WordEndingAtTheEdgeStays", "aaaa bbbb", 61, {{"aaaa ", 1, 1}, {"bbbb ", 31, 1}}},
      {"WordPastTheEdgeBreaks", "aaaa bbbb", 60, {{"aaaa ", 1, 1}, {"bbbb ", 1, 21}}},
      {"PicturesNeverBreak",
       "aaaa [1] [yes] x",
       60,
       {{"aaaa ", 1, 1}, {"", 31, 1}, {"", 50, 1}, {"x ", 1, 21}}},
      {"EmptyWordIsOneBlank", "a  b", 100, {{"a ", 1, 1}, {" ", 13, 1}, {"b ", 19, 1}}},
      {"NewLineStartsAtTheLeft", "a@@b<br>c", 100, {{"a ", 1, 1}, {"b ", 1, 41}, {"c ", 1, 61}}},
      {"ItalicIsMeasuredItalic", "<i>aa </i>b", 100, {{"aa ", 1, 1}, {"b ", 16, 1}}},
      // The rule moves even a word that is wider than the area down a line first.
      {"WordWiderThanTheAreaStartsOneLineDown", "aaaaaaaaaaaa", 60, {{"aaaaaaaaaaaa ", 1, 21}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceAll(c.text, c.width), c.placed);
  }
}

// n lines of one word each.
std::string Lines(int n) {
  std::string text = "1";
  for (int line = 2; line <= n; ++line) text += "@" + std::to_string(line);
  return text;
}

TEST(InformationTextTest, ScrollButtonsFollowTheLinesBelowTheArea) {
  struct Case {
    int lines;
    bool down;
    int last;
  };
  // Ten lines of 20 pixels fill the 201-pixel area from y 1 exactly.
  const Case cases[] = {
      {1, false, 0}, {10, false, 0}, {11, true, 2}, {12, true, 3}, {30, true, 21}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    InformationPage page;
    page.Open(Lines(c.lines));
    page.LayOut(FixedWidthMeasurer(), PictureWidths(16), 381, 201);
    EXPECT_EQ(page.Layout().Bottom, 1 + 20 * c.lines);
    EXPECT_EQ(page.DownShown(), c.down);
    EXPECT_FALSE(page.UpShown());
    EXPECT_EQ(page.LastScrollLine(), c.last);
  }
}

TEST(InformationTextTest, ScrollsToTheLastLineAndBack) {
  InformationPage page;
  page.Open(Lines(12));
  page.LayOut(FixedWidthMeasurer(), PictureWidths(16), 381, 201);
  ASSERT_EQ(page.LastScrollLine(), 3);

  struct Step {
    bool down;  // else up
    int line;
    bool upShown;
    bool downShown;
  };
  const Step steps[] = {{true, 1, true, true},   {true, 2, true, true},
                        {true, 3, true, false},  {true, 3, true, false},  // hidden: nothing happens
                        {false, 2, true, true},  {false, 1, true, true},
                        {false, 0, false, true}, {false, 0, false, true}};
  int n = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(++n);
    step.down ? page.ScrollDown() : page.ScrollUp();
    EXPECT_EQ(page.ScrollLine(), step.line);
    EXPECT_EQ(page.ScrollOffset(), -20 * step.line);
    EXPECT_EQ(page.UpShown(), step.upShown);
    EXPECT_EQ(page.DownShown(), step.downShown);
  }

  // A new text starts at its top with the up button hidden.
  page.ScrollDown();
  page.Open(Lines(12));
  EXPECT_EQ(page.ScrollLine(), 0);
  EXPECT_FALSE(page.UpShown());
}

}  // namespace
}  // namespace tess
