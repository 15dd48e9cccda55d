#include "core/InterfaceTexts.h"

#include <gtest/gtest.h>

#include "core/InterfaceLanguages.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

TEST(InterfaceTextsTest, LineIsCutAtTheThirdSeparator) {
  struct Row {
    const char* name;
    const char* line;
    bool ok;
    const char* text;
  };
  const Row rows[] = {
      {"plain", "12==Zapisz=", true, "Zapisz"},
      {"second_field_ignored", "3=xyz=Opcje=reszta=", true, "Opcje"},
      {"equals_cuts_the_text", "4==a=b=", true, "a"},
      {"two_separators_give_nothing", "5==Tekst", true, ""},
      {"one_separator_gives_nothing", "6=", true, ""},
      {"number_with_blanks", " 7==x=", true, "x"},
      {"cp1250_bytes_kept", "8==Wyj\x9C\x63ie=", true, "Wyj\x9C\x63ie"},
      {"no_separator", "Tekst", false, ""},
      {"empty_line", "", false, ""},
      {"number_not_integer", "a1==x=", false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string text = "stale";
    EXPECT_EQ(InterfaceTexts::ParseLine(row.line, text), row.ok);
    if (row.ok) {
      EXPECT_EQ(text, row.text);
    }
  }
}

TEST(InterfaceTextsTest, TextsAreLookedUpByLinePosition) {
  CourseFolder folder;
  folder.Write("infa_r.txt", "1==Pierwszy=\r\n5==Drugi=\r\n3==Trzeci=");
  InterfaceTexts texts;
  ASSERT_TRUE(texts.Load(folder / "infa_r.txt"));
  EXPECT_EQ(texts.Count(), 3);
  EXPECT_EQ(texts.Text(2), "Drugi");
  EXPECT_EQ(texts.Text(3), "Trzeci");
  EXPECT_EQ(texts.Text(0), "");
  EXPECT_EQ(texts.Text(4), "");
  EXPECT_EQ(texts.Text(201), "");
}

TEST(InterfaceTextsTest, AtMostTwoHundredTextsAreKept) {
  CourseFolder folder;
  std::string file;
  for (int n = 1; n <= 205; ++n) file += std::to_string(n) + "==t" + std::to_string(n) + "=\r\n";
  folder.Write("infa_r.txt", file);
  InterfaceTexts texts;
  ASSERT_TRUE(texts.Load(folder / "infa_r.txt"));
  EXPECT_EQ(texts.Count(), 200);
  EXPECT_EQ(texts.Text(200), "t200");
  EXPECT_EQ(texts.Text(201), "");
}

TEST(InterfaceTextsTest, DamagedOrMissingFileIsReported) {
  CourseFolder folder;
  folder.Write("infa_r.txt", "1==a=\r\n2==b=\r\nzepsuty\r\n4==d=\r\n");
  InterfaceTexts texts;
  InterfaceTexts::LoadError error;
  EXPECT_FALSE(texts.Load(folder / "infa_r.txt", &error));
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(texts.Text(2), "b");

  EXPECT_FALSE(texts.Load(folder / "none.txt", &error));
  EXPECT_EQ(error.line, 0);
  EXPECT_EQ(texts.Count(), 0);
}

TEST(InterfaceLanguagesTest, OnlyInstalledFoldersAreListed) {
  CourseFolder folder;
  folder.MakeFolder("LANG_R/0");
  folder.MakeFolder("LANG_R/2");
  folder.Write("LANG_R/3", "a file, not a folder");
  const auto choices = ListLanguageChoices(folder.ProgramDir());
  ASSERT_EQ(choices, (std::vector<int>{0, 2}));
  EXPECT_EQ(InterfaceLanguageName(choices[0]), "polski");
  EXPECT_EQ(InterfaceLanguageName(choices[1]), "deutsch");
  EXPECT_EQ(InitialChoicePosition(choices), 1);
  EXPECT_EQ(LangDirOf(choices[1]), "Lang_r\\2\\");
  EXPECT_EQ(ChoicePositionOf(choices, 2), 1);
  EXPECT_EQ(ChoicePositionOf(choices, 1), -1);
  EXPECT_EQ(InitialChoicePosition({0}), 0);
}

}  // namespace
}  // namespace tess
