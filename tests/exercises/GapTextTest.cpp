#include "exercises/GapText.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace tess {
namespace {

constexpr int kEnglish = 1;
constexpr int kFrench = 3;

std::string File(const std::string& text, const std::string& mode = "1") {
  return "GAP_W = 80\r\nGLOSSARY  = <b>flat</b> - mieszkanie\r\nBLANKS  = " + mode + "\r\n" + text +
         "\r\n";
}

GapText Parse(const std::string& bytes, int course = kEnglish) {
  return ParseGapText(bytes, "Wpisywania\\wp_1.fcs", course);
}

TEST(GapTextTest, MarksAreDetachedUntilOneAlreadyFollowsABlank) {
  struct Row {
    const char* line;
    const char* detached;
  };
  const Row rows[] = {
      {"word.second!", "word .second !"},
      {"One . Two.Three", "One . Two.Three"},  // the first full stop stops the search
      {"a.b .c.d", "a .b .c.d"},
      {"a,b;c!d?e.", "a ,b ;c !d ?e ."},
      {",then", " ,then"},
      {"end...", "end . . ."},
      {"Hi, there. Go .", "Hi , there . Go ."},
      {"no marks", "no marks"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DetachMarks(row.line), row.detached) << row.line;
  }
}

TEST(GapTextTest, HeadLinesWordsGapsAndPrefills) {
  const GapText text = Parse(File("We live in a &flat.\r\n*ice &ice+cream and &Big+Ben+Tower"));
  ASSERT_EQ(text.Error, "");
  EXPECT_EQ(text.GapWidthPx, 80);
  EXPECT_EQ(text.Glossary, "<b>flat</b> - mieszkanie");
  EXPECT_TRUE(text.UnderscoreMode);
  // The "*" word is no word of the text; line ends are no breaks.
  ASSERT_EQ(text.Words.size(), 9u);
  EXPECT_EQ(text.Words[5].Text, ".");
  EXPECT_EQ(text.Words[7].Text, "and");
  ASSERT_EQ(text.Gaps.size(), 3u);
  EXPECT_EQ(text.Gaps[0].Word, 5);
  EXPECT_EQ(text.Gaps[0].Expected, "flat");
  EXPECT_EQ(text.Gaps[1].Word, 7);
  EXPECT_EQ(text.Gaps[1].Expected, "ice cream");
  EXPECT_EQ(text.Gaps[2].Expected, "Big Ben+Tower");  // only the first "+" is a blank
  EXPECT_TRUE(text.Words[6].IsGap);
  EXPECT_EQ(text.Words[6].Gap, 2);
  EXPECT_EQ(text.Words[6].Prefill, "ice");
  EXPECT_EQ(text.Words[6].Text, "");  // underscore mode: every entry starts empty

  const GapText prefilled = Parse(File("*ice &ice+cream *x and", "0"));
  ASSERT_EQ(prefilled.Error, "");
  EXPECT_FALSE(prefilled.UnderscoreMode);
  EXPECT_EQ(prefilled.Words[0].Text, "ice");
  EXPECT_EQ(prefilled.Words[1].Text, "and");  // a prefill of a plain word changes nothing
}

TEST(GapTextTest, AlternativeAnswers) {
  struct Row {
    const char* word;
    const char* expected;
    const char* alternative;
  };
  // With a separator before the backslash the expected answer stays whole; without one it
  // loses its last character. Either way the alternative is what follows the backslash.
  const Row rows[] = {
      {"&flat/\\apartment", "flat", "apartment"},
      {"&flat\\apartment", "fla", "apartment"},
      {"&ice+cream/\\ice+lolly", "ice cream", "ice lolly"},
      {"&colour/\\", "colour", ""},
      {"&plain", "plain", ""},
  };
  for (const Row& row : rows) {
    const GapText text = Parse(File(std::string("x ") + row.word + " y"));
    ASSERT_EQ(text.Error, "") << row.word;
    ASSERT_EQ(text.Gaps.size(), 1u) << row.word;
    EXPECT_EQ(text.Gaps[0].Expected, row.expected) << row.word;
    EXPECT_EQ(text.Gaps[0].Alternative, row.alternative) << row.word;
  }
}

TEST(GapTextTest, RefusedFilesSayWhatIsWrong) {
  std::string words1400;
  for (int i = 0; i < 1400; ++i) words1400 += "w ";
  struct Row {
    const char* name;
    std::string bytes;
    int course;
    const char* message;  // empty: accepted
  };
  const Row rows[] = {
      {"empty", "", kEnglish, "Plik \xE6wiczenia wpisywania Wpisywania\\wp_1.fcs jest pusty."},
      {"two head lines", "GAP_W = 80\r\nGLOSSARY  = x\r\n", kEnglish,
       "Plik \xE6wiczenia wpisywania Wpisywania\\wp_1.fcs nie ma trzech wierszy nag\xB3\xF3wka."},
      {"width not a number", "GAP_W = wide\r\nG\r\nB\r\n", kEnglish,
       "\xC6wiczenie wpisywania, plik Wpisywania\\wp_1.fcs, wiersz 1: szeroko\x9C\xE6 luki "
       "\"wide\" nie jest liczb\xB9 od 1 do 1000."},
      {"width zero", "GAP_W = 0\r\nG\r\nB\r\n", kEnglish, "wiersz 1: szeroko\x9C\xE6 luki \"0\""},
      {"gap without answer", File("a b\r\nc & d"), kEnglish,
       "\xC6wiczenie wpisywania, plik Wpisywania\\wp_1.fcs, wiersz 5: luka bez odpowiedzi."},
      {"only an alternative", File("&\\x"), kEnglish, "wiersz 4: luka bez odpowiedzi."},
      {"1400 words", File(words1400), kEnglish, ""},
      {"1401 words", File(words1400 + "\r\nmore"), kEnglish,
       "wiersz 5: tekst ma wi\xEA"
       "cej ni\xBF 1400 s\xB3\xF3w."},
      {"byte cp1250 lacks", File("ok\r\nbad \x83 byte"), kEnglish,
       "wiersz 5: znak o kodzie 131, kt\xF3rego nie ma w stronie kodowej pliku."},
      {"the same byte in cp1252", File("ok\r\nbad \x83 byte"), kFrench, ""},
      {"byte cp1252 lacks", File("\x9D"), kFrench, "wiersz 4: znak o kodzie 157"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const GapText text = Parse(row.bytes, row.course);
    if (*row.message == '\0') {
      EXPECT_EQ(text.Error, "");
      continue;
    }
    EXPECT_NE(text.Error.find(row.message), std::string::npos) << text.Error;
    EXPECT_TRUE(text.Words.empty());
    EXPECT_TRUE(text.Gaps.empty());
  }
}

TEST(GapTextTest, ReadsTheFileBesideTheProgram) {
  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string programDir = folder.path() + "/";
  EXPECT_EQ(GapTextPath("C:\\T\\", "wp_2"), "C:\\T\\\\Wpisywania\\wp_2.fcs");

  const GapText missing = ReadGapText(GapTextPath(programDir, "wp_2"), "Wpisywania\\wp_2.fcs", 1);
  EXPECT_EQ(missing.Error,
            "Nie mo\xBFna otworzy\xE6 pliku \xE6wiczenia wpisywania Wpisywania\\wp_2.fcs.");

  std::filesystem::create_directories(folder / "Wpisywania");
  testing::WriteBytes(folder / "Wpisywania/wp_2.fcs", File("It is &cold."));
  const GapText read = ReadGapText(GapTextPath(programDir, "wp_2"), "Wpisywania\\wp_2.fcs", 1);
  ASSERT_EQ(read.Error, "");
  ASSERT_EQ(read.Gaps.size(), 1u);
  EXPECT_EQ(read.Gaps[0].Expected, "cold");
}

}  // namespace
}  // namespace tess
