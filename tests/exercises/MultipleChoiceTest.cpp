#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "exercises/MultipleChoice.h"

namespace tess {
namespace {

using Kind = ChoiceDrawItem::Kind;
using Strings = std::vector<std::string>;

// Every byte is 6 pixels wide, 7 in bold and 5 in italic, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool italic) const override {
    const int perByte = bold ? 7 : italic ? 5 : 6;
    return perByte * static_cast<int>(text.size());
  }
};

constexpr int kBoxWidth = 609;
constexpr int kBoxHeight = 380;

Strings PartsOf(const ChoiceQuestion& question) {
  return Strings(question.Parts.begin() + 1, question.Parts.begin() + 1 + question.PartCount);
}

struct GoodParseCase {
  const char* name;
  std::string content;
  std::vector<Strings> parts;  // per question: stem, then answers
  std::vector<int> rightParts;
};

TEST(MultipleChoiceTest, ParsesQuestionsAndTheRightAnswer) {
  const GoodParseCase cases[] = {
      {"OneQuestion", "Stem?=a=T_b=c#", {{"Stem?", "a", "b", "c"}}, {3}},
      {"TrailingEqualsChangesNothing", "S=T_a=b=#", {{"S", "a", "b"}}, {2}},
      {"LastPartTrimmedOthersKept",
       "S= x =T_y  #Q2=T_u=v=w=z#",
       {{"S", " x ", "y"}, {"Q2", "u", "v", "w", "z"}},
       {3, 2}},
      {"MarkOnLastPart", "S=a=T_b#", {{"S", "a", "b"}}, {3}},
      {"MarkupKept",
       "<b>Who</b> is it?=T_<I>me</I>=you#",
       {{"<b>Who</b> is it?", "<I>me</I>", "you"}},
       {2}},
  };
  for (const GoodParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ChoiceContent parsed = ParseChoiceContent(c.content);
    EXPECT_EQ(parsed.Error, "");
    ASSERT_EQ(parsed.Questions.size(), c.parts.size());
    for (size_t q = 0; q < c.parts.size(); ++q) {
      EXPECT_EQ(PartsOf(parsed.Questions[q]), c.parts[q]);
      EXPECT_EQ(parsed.Questions[q].RightPart, c.rightParts[q]);
    }
  }
}

// Parts before "=" are not trimmed, so a blank before "T_" leaves the answer unmarked.
TEST(MultipleChoiceTest, OnlyAPartBeginningWithTheMarkIsRight) {
  const ChoiceContent parsed = ParseChoiceContent("S= T_x =T_y#");
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ(PartsOf(parsed.Questions[0]), (Strings{"S", " T_x ", "y"}));
  EXPECT_EQ(parsed.Questions[0].RightPart, 3);
}

std::string Questions(int count) {
  std::string content;
  for (int q = 1; q <= count; ++q) content += "Q" + std::to_string(q) + "=T_a=b=c=d#";
  return content;
}

TEST(MultipleChoiceTest, TenQuestionsOfFourAnswersAreTheLimit) {
  const ChoiceContent parsed = ParseChoiceContent(Questions(10));
  EXPECT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Questions.size(), 10u);
}

struct BadParseCase {
  const char* name;
  std::string content;
  std::string messagePart;  // cp1250
};

TEST(MultipleChoiceTest, RejectsContentOutsideTheLimitsWithAMessage) {
  const BadParseCase cases[] = {
      {"Empty", "",
       "nie ko\xF1"
       "czy si\xEA znakiem #"},
      {"NoFinalHash", "S=T_a=b",
       "nie ko\xF1"
       "czy si\xEA znakiem #"},
      {"TextAfterLastHash", "S=T_a=b#S2",
       "nie ko\xF1"
       "czy si\xEA znakiem #"},
      {"ElevenQuestions", Questions(11), "ni\xBF 10 pyta\xF1"},
      {"FiveAnswers", "S=T_a=b=c=d=e#",
       "Pytanie 1: wi\xEA"
       "cej ni\xBF 4 odpowiedzi"},
      {"FiveAnswersLastTrailing", "S=T_a=b=c=d=e=#",
       "Pytanie 1: wi\xEA"
       "cej ni\xBF 4"},
      {"OneAnswer", "S=T_a#", "Pytanie 1: mniej ni\xBF 2 odpowiedzi"},
      {"StemOnly", "S#", "Pytanie 1: mniej ni\xBF 2"},
      {"EmptyQuestion", "S=T_a=b##", "Pytanie 2: mniej ni\xBF 2"},
      {"NoMark", "S=a=b#",
       "Pytanie 1: \xBF"
       "adna odpowied\x9F"},
      {"TwoMarks", "S=T_a=T_b#",
       "Pytanie 1: wi\xEA"
       "cej ni\xBF jedna odpowied\x9F"},
      {"MarkOnStem", "T_S=a=b#", "Pytanie 1: znacznik T_"},
      {"SecondQuestionUnmarked", "S=T_a=b#S2=a=b#",
       "Pytanie 2: \xBF"
       "adna"},
  };
  for (const BadParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ChoiceContent parsed = ParseChoiceContent(c.content);
    EXPECT_NE(parsed.Error.find(c.messagePart), std::string::npos) << parsed.Error;
    EXPECT_TRUE(parsed.Questions.empty());
  }
}

TEST(MultipleChoiceTest, RejectedContentLeavesAnInactiveEmptyList) {
  FixedWidthMeasurer measurer;
  SeededRandom random(1);
  MultipleChoice exercise;
  EXPECT_FALSE(exercise.Load("S=a=b#", random));
  EXPECT_NE(exercise.LoadError(), "");
  EXPECT_EQ(exercise.QuestionCount(), 0);
  EXPECT_TRUE(exercise.Paint(measurer, kBoxWidth, kBoxHeight).empty());
  EXPECT_FALSE(exercise.Click(0, 0));
  EXPECT_FALSE(exercise.DownVisible());

  EXPECT_TRUE(exercise.Load("S=T_a=b#", random));
  EXPECT_EQ(exercise.LoadError(), "");
}

TEST(MultipleChoiceTest, ShuffleSwapsFourTimesAndTheMarkFollows) {
  ChoiceQuestion question = ParseChoiceContent("S=T_a=b=c#").Questions.at(0);
  // (2,2) is drawn again; then swaps (2,3), (3,4), (2,4), (3,2).
  ScriptedRandom random({2, 2, 2, 3, 3, 4, 4, 4, 2, 4, 3, 2, 2, 3});
  ShuffleChoiceAnswers(question, random);
  EXPECT_EQ(PartsOf(question), (Strings{"S", "c", "a", "b"}));
  EXPECT_EQ(question.RightPart, 3);
  ASSERT_EQ(random.asked.size(), 12u);
  for (const auto& range : random.asked) EXPECT_EQ(range, std::make_pair(2, 4));
}

TEST(MultipleChoiceTest, RightAnswerStaysRightWhateverTheSeed) {
  const std::string content = "One=T_r1=w=x=y#Two=w=T_r2#Three=w=x=T_r3#";
  const Strings rights = {"r1", "r2", "r3"};
  bool orderChanged = false;
  for (const unsigned seed : {1u, 7u, 42u, 2026u, 99999u, 123456789u}) {
    SCOPED_TRACE(seed);
    SeededRandom random(seed);
    MultipleChoice exercise;
    ASSERT_TRUE(exercise.Load(content, random));
    const ChoiceContent original = ParseChoiceContent(content);
    for (int q = 1; q <= 3; ++q) {
      const ChoiceQuestion& shuffled = exercise.Question(q);
      EXPECT_EQ(shuffled.Parts[shuffled.RightPart], rights[q - 1]);
      Strings before = PartsOf(original.Questions[q - 1]);
      Strings after = PartsOf(shuffled);
      EXPECT_EQ(after[0], before[0]);  // the stem never moves
      if (after != before) orderChanged = true;
      std::sort(before.begin(), before.end());
      std::sort(after.begin(), after.end());
      EXPECT_EQ(after, before);
    }
  }
  EXPECT_TRUE(orderChanged);
}

// Two answers come back in order after four swaps, so layout tests know where each one is.
MultipleChoice LoadedTwoAnswers(const std::string& content) {
  SeededRandom random(5);
  MultipleChoice exercise;
  EXPECT_TRUE(exercise.Load(content, random));
  return exercise;
}

TEST(MultipleChoiceTest, LaysOutStemAndAnswersWithBoxesAndHitBoxes) {
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers("Is it?=T_Yes it is=No#");
  const std::vector<ChoiceDrawItem> items = exercise.Paint(measurer, kBoxWidth, kBoxHeight);
  ASSERT_EQ(items.size(), 8u);
  const auto word = [](int x, int y, std::string text) {
    return ChoiceDrawItem{Kind::Word, x, y, text, false, false};
  };
  const ChoiceDrawItem expected[] = {
      word(15, 24, "Is "),
      word(33, 24, "it? "),
      {Kind::EmptyBox, 15, 46, "", false, false},
      word(40, 48, "Yes "),
      word(64, 48, "it "),
      word(82, 48, "is "),
      {Kind::EmptyBox, 15, 70, "", false, false},
      word(40, 72, "No "),
  };
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].What, expected[i].What);
    EXPECT_EQ(items[i].X, expected[i].X);
    EXPECT_EQ(items[i].Y, expected[i].Y);
    EXPECT_EQ(items[i].Text, expected[i].Text);
  }
  const ChoiceAnswer& yes = exercise.Question(1).Answer[1];
  EXPECT_EQ((std::vector<int>{yes.Left, yes.Top, yes.Right, yes.Bottom}),
            (std::vector<int>{15, 48, 100, 73}));
  const ChoiceAnswer& no = exercise.Question(1).Answer[2];
  EXPECT_EQ((std::vector<int>{no.Left, no.Top, no.Right, no.Bottom}),
            (std::vector<int>{15, 72, 58, 97}));

  // Edges are inclusive, boxes overlap by two lines and the first answer wins.
  EXPECT_TRUE(exercise.PointerOverAnswer(15, 48));
  EXPECT_TRUE(exercise.PointerOverAnswer(100, 60));
  EXPECT_FALSE(exercise.PointerOverAnswer(101, 60));
  EXPECT_FALSE(exercise.PointerOverAnswer(14, 60));
  EXPECT_FALSE(exercise.PointerOverAnswer(20, 30));  // the stem is not an answer
  ASSERT_TRUE(exercise.Click(50, 73));
  EXPECT_TRUE(exercise.Question(1).Answer[1].Ticked);
  EXPECT_FALSE(exercise.Question(1).Answer[2].Ticked);
}

TEST(MultipleChoiceTest, WrapsLongAnswersAndKeepsTheWidestLine) {
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers("S=T_Yesss it=No#");
  const std::vector<ChoiceDrawItem> items = exercise.Paint(measurer, 80, kBoxHeight);
  // "Yesss " ends at 76; "it " would pass 80 and goes to the next line at 40.
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[3].Text, "it ");
  EXPECT_EQ(items[3].X, 40);
  EXPECT_EQ(items[3].Y, 72);
  const ChoiceAnswer& yes = exercise.Question(1).Answer[1];
  EXPECT_EQ(yes.Right, 76);
  EXPECT_EQ(yes.Bottom, 97);
  EXPECT_EQ(exercise.Question(1).Answer[2].Top, 96);
}

// A hostile course file can hold one huge kind line: parsing and layout must stay linear in
// it. They used to copy the rest of the line for every part and every word, which took half a
// minute for these; the bound leaves room for slow machines and sanitizers.
TEST(MultipleChoiceTest, HugeContentParsesAndLaysOutInLinearTime) {
  const auto start = std::chrono::steady_clock::now();
  std::string manyParts = "S";
  for (int i = 0; i < 1000000; ++i) manyParts += "=a";
  manyParts += "#";
  EXPECT_NE(ParseChoiceContent(manyParts).Error.find("wi\xEA"
                                                     "cej ni\xBF 4"),
            std::string::npos);

  std::string manyWords = "S=T_";
  for (int i = 0; i < 300000; ++i) manyWords += "ab ";
  manyWords += "=No#";
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers(manyWords);
  EXPECT_GT(exercise.Paint(measurer, kBoxWidth, kBoxHeight).size(), 300000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(MultipleChoiceTest, TagsSwitchStylesBreakLinesAndAreNotDrawn) {
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers("A  <b> B </B> <BR> <I> C <foo> D=T_E=F#");
  std::vector<ChoiceDrawItem> words;
  for (const ChoiceDrawItem& item : exercise.Paint(measurer, kBoxWidth, kBoxHeight)) {
    if (item.What == Kind::Word) words.push_back(item);
  }
  struct Expected {
    int x, y;
    const char* text;
    bool bold, italic;
  };
  // A double blank gives an empty word, drawn as its blank; italic carries into the answers.
  const Expected expected[] = {
      {15, 24, "A ", false, false}, {27, 24, " ", false, false}, {33, 24, "B ", true, false},
      {40, 42, "C ", false, true},  {50, 42, "D ", false, true}, {40, 66, "E ", false, true},
      {40, 90, "F ", false, true},
  };
  ASSERT_EQ(words.size(), std::size(expected));
  for (size_t i = 0; i < words.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(words[i].X, expected[i].x);
    EXPECT_EQ(words[i].Y, expected[i].y);
    EXPECT_EQ(words[i].Text, expected[i].text);
    EXPECT_EQ(words[i].Bold, expected[i].bold);
    EXPECT_EQ(words[i].Italic, expected[i].italic);
  }
}

// Three questions; returns the part number of a wrong answer of question q.
int WrongPart(const ChoiceQuestion& question) { return question.RightPart == 2 ? 3 : 2; }

void ClickPart(MultipleChoice& exercise, int q, int part) {
  // The middle of the box: its top two lines are also the previous answer's, which wins there.
  const ChoiceAnswer& answer = exercise.Question(q).Answer[part - 1];
  ASSERT_TRUE(exercise.Click(answer.Left, (answer.Top + answer.Bottom) / 2));
}

struct CheckCase {
  const char* name;
  std::vector<char> picks;  // per question: 'r' right, 'w' wrong, '-' none
  int good;
  int percent;
  int verdict;
};

TEST(MultipleChoiceTest, CheckCountsAndMarksEveryQuestion) {
  const CheckCase cases[] = {
      {"NothingTicked", {'-', '-', '-'}, 0, 0, 65},
      {"AllRight", {'r', 'r', 'r'}, 3, 100, 64},
      {"TwoOfThree", {'r', 'w', 'r'}, 2, 67, 65},
      {"OneRightOneWrongOneLeft", {'r', 'w', '-'}, 1, 33, 65},
  };
  FixedWidthMeasurer measurer;
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    SeededRandom random(11);
    MultipleChoice exercise;
    ASSERT_TRUE(exercise.Load("One=T_a=b=c#Two=d=T_e#Three=f=g=h=T_i#", random));
    exercise.Paint(measurer, kBoxWidth, kBoxHeight);
    for (int q = 1; q <= 3; ++q) {
      const ChoiceQuestion& question = exercise.Question(q);
      if (c.picks[q - 1] == 'r') ClickPart(exercise, q, question.RightPart);
      if (c.picks[q - 1] == 'w') ClickPart(exercise, q, WrongPart(question));
    }
    exercise.Check();

    EXPECT_TRUE(exercise.ExerciseChecked());
    EXPECT_TRUE(exercise.ExerciseTouched());
    EXPECT_FALSE(exercise.OkVisible());
    EXPECT_EQ(exercise.GoodCount(), c.good);
    EXPECT_EQ(exercise.BadCount(), 3 - c.good);
    EXPECT_EQ(exercise.Percent(), c.percent);
    EXPECT_EQ(exercise.VerdictText(), c.verdict);
    EXPECT_EQ(exercise.VerdictRed(), c.verdict == 65);
    for (int q = 1; q <= 3; ++q) {
      SCOPED_TRACE(q);
      const ChoiceQuestion& question = exercise.Question(q);
      for (int p = 2; p <= question.PartCount; ++p) {
        const ChoiceAnswer& answer = question.Answer[p - 1];
        const bool right = p == question.RightPart;
        const bool wronglyTicked = c.picks[q - 1] == 'w' && p == WrongPart(question);
        EXPECT_EQ(answer.Ticked, right || wronglyTicked) << p;
        EXPECT_EQ(answer.Wrong, wronglyTicked) << p;
        EXPECT_EQ(answer.Flagged, wronglyTicked || (right && c.picks[q - 1] == '-')) << p;
      }
    }
  }
}

TEST(MultipleChoiceTest, CheckedListShowsRedBoxAndExclamationMarks) {
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers("S=T_a=b#S2=c=T_d#");
  exercise.Paint(measurer, kBoxWidth, kBoxHeight);
  ClickPart(exercise, 1, 3);  // wrong; question 2 left unanswered
  exercise.Check();
  std::vector<ChoiceDrawItem> stamps;
  for (const ChoiceDrawItem& item : exercise.Paint(measurer, kBoxWidth, kBoxHeight)) {
    if (item.What != Kind::Word) stamps.push_back(item);
  }
  const std::vector<std::pair<Kind, int>> expected = {
      {Kind::TickedBox, 46}, {Kind::Exclamation, 70},  {Kind::RedBox, 70},
      {Kind::EmptyBox, 142}, {Kind::Exclamation, 166}, {Kind::TickedBox, 166},
  };
  ASSERT_EQ(stamps.size(), expected.size());
  for (size_t i = 0; i < stamps.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(stamps[i].What, expected[i].first);
    EXPECT_EQ(stamps[i].Y, expected[i].second);
    EXPECT_EQ(stamps[i].X, stamps[i].What == Kind::Exclamation ? 0 : 15);
  }
}

TEST(MultipleChoiceTest, OneAnswerPerQuestionAndClicksIgnoredAfterTheCheck) {
  FixedWidthMeasurer measurer;
  MultipleChoice exercise = LoadedTwoAnswers("S=T_a=b#S2=c=T_d#");
  EXPECT_FALSE(exercise.Click(20, 50));  // nothing is laid out before the first paint
  exercise.Paint(measurer, kBoxWidth, kBoxHeight);
  EXPECT_FALSE(exercise.Click(300, 300));
  EXPECT_FALSE(exercise.ExerciseTouched());

  ClickPart(exercise, 1, 2);
  ClickPart(exercise, 2, 2);
  ClickPart(exercise, 1, 3);
  ClickPart(exercise, 1, 3);  // a ticked answer stays ticked
  EXPECT_TRUE(exercise.ExerciseTouched());
  EXPECT_FALSE(exercise.Question(1).Answer[1].Ticked);
  EXPECT_TRUE(exercise.Question(1).Answer[2].Ticked);
  EXPECT_TRUE(exercise.Question(2).Answer[1].Ticked);

  exercise.Check();
  const ChoiceQuestion before = exercise.Question(2);
  for (int p = 2; p <= 3; ++p) {
    const ChoiceAnswer& answer = before.Answer[p - 1];
    const int y = (answer.Top + answer.Bottom) / 2;
    EXPECT_FALSE(exercise.PointerOverAnswer(answer.Left, y));
    EXPECT_FALSE(exercise.Click(answer.Left, y));
  }
  EXPECT_EQ(exercise.Question(2).Answer, before.Answer);
  exercise.Check();  // a second check counts nothing again
  EXPECT_EQ(exercise.GoodCount(), 0);
  EXPECT_EQ(exercise.BadCount(), 2);

  // "Jeszcze raz": a new load makes the list active again.
  SeededRandom random(3);
  ASSERT_TRUE(exercise.Load("S=T_a=b#S2=c=T_d#", random));
  EXPECT_FALSE(exercise.ExerciseChecked());
  EXPECT_FALSE(exercise.ExerciseTouched());
  EXPECT_TRUE(exercise.OkVisible());
  exercise.Paint(measurer, kBoxWidth, kBoxHeight);
  EXPECT_FALSE(exercise.Question(2).Answer[1].Ticked);
  ClickPart(exercise, 2, 2);
  EXPECT_TRUE(exercise.Question(2).Answer[1].Ticked);
}

struct ScrollCase {
  const char* name;
  int boxHeight;  // six questions of four answers end at y 888
  int scrollMax;
  bool downVisible;
};

TEST(MultipleChoiceTest, FirstPaintMeasuresTheScrollRange) {
  const ScrollCase cases[] = {
      {"Overflow500", 388, 21, true},    {"Overflow524", 364, 21, true},
      {"Overflow525", 363, 22, true},    {"Overflow26", 862, 2, true},
      {"Overflow25Fits", 863, 0, false}, {"TallBox", 2000, 0, false},
  };
  FixedWidthMeasurer measurer;
  for (const ScrollCase& c : cases) {
    SCOPED_TRACE(c.name);
    SeededRandom random(2);
    MultipleChoice exercise;
    ASSERT_TRUE(exercise.Load(Questions(6), random));
    EXPECT_FALSE(exercise.DownVisible());
    exercise.Paint(measurer, kBoxWidth, c.boxHeight);
    EXPECT_EQ(exercise.ScrollMax(), c.scrollMax);
    EXPECT_EQ(exercise.DownVisible(), c.downVisible);
    EXPECT_FALSE(exercise.UpVisible());
  }
}

TEST(MultipleChoiceTest, ScrollStepsMoveTheListAndTheArrows) {
  FixedWidthMeasurer measurer;
  SeededRandom random(2);
  MultipleChoice exercise;
  ASSERT_TRUE(exercise.Load(Questions(6), random));
  exercise.Paint(measurer, kBoxWidth, 836);  // overflow 52: ScrollMax 3
  ASSERT_EQ(exercise.ScrollMax(), 3);

  exercise.ScrollDown();
  EXPECT_EQ(exercise.Scroll(), 1);
  EXPECT_TRUE(exercise.UpVisible());
  EXPECT_TRUE(exercise.DownVisible());
  // The first line is now at y 0; words above the box are not drawn, hit boxes move along.
  std::vector<ChoiceDrawItem> items = exercise.Paint(measurer, kBoxWidth, 836);
  EXPECT_EQ(items.front().Y, 0);
  EXPECT_EQ(exercise.Question(1).Answer[1].Top, 24);
  EXPECT_EQ(exercise.ScrollMax(), 3);  // measured once per load

  exercise.ScrollDown();
  exercise.ScrollDown();
  EXPECT_EQ(exercise.Scroll(), 3);
  EXPECT_FALSE(exercise.DownVisible());
  exercise.ScrollDown();
  EXPECT_EQ(exercise.Scroll(), 3);
  items = exercise.Paint(measurer, kBoxWidth, 836);
  const auto firstWord = std::find_if(items.begin(), items.end(),
                                      [](const ChoiceDrawItem& i) { return i.What == Kind::Word; });
  ASSERT_NE(firstWord, items.end());
  EXPECT_EQ(firstWord->Y, 0);  // stem at -48, first answer at -24, second answer at 0

  exercise.ScrollUp();
  exercise.ScrollUp();
  EXPECT_TRUE(exercise.UpVisible());
  EXPECT_TRUE(exercise.DownVisible());
  exercise.ScrollUp();
  EXPECT_EQ(exercise.Scroll(), 0);
  EXPECT_FALSE(exercise.UpVisible());
  exercise.ScrollUp();
  EXPECT_EQ(exercise.Scroll(), 0);
}

}  // namespace
}  // namespace tess
