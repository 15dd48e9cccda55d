#include "core/Installation.h"

#include <gtest/gtest.h>

#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

TEST(InstallationTest, CourseLanguageLineGivesLetterAndTag) {
  struct Row {
    const char* name;
    const char* line;
    int language;
    const char* letter;
    const char* tag;
  };
  const Row rows[] = {
      {"english", "1", 1, "a", "tsa2_2003"},
      {"german", "2", 2, "n", "tsn2_2003"},
      {"french", " 3 ", 3, "f", "tsf2_2003"},
      {"zero_is_english", "0", 1, "a", "tsa2_2003"},
      {"empty_is_english", "", 1, "a", "tsa2_2003"},
      {"tab_and_blanks_are_trimmed", "\t2 \t", 2, "n", "tsn2_2003"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CourseFolder folder;
    folder.WriteInstallation(row.line);
    CourseInstallation install;
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), install), InstallationError::None);
    EXPECT_EQ(install.CourseLanguage, row.language);
    EXPECT_EQ(install.CourseLetter, row.letter);
    EXPECT_EQ(install.SettingsTag, row.tag);
    EXPECT_EQ(install.CourseTitle, "Kurs angielskiego");
    EXPECT_EQ(install.MediaDir, folder.ProgramDir() + "Hdd\\");
    EXPECT_EQ(install.RecordingsDir, folder.ProgramDir() + "Hdd\\bsgram\\");
  }
}

TEST(InstallationTest, TitleIsTheWholeUntrimmedLineAndNamesIgnoreCase) {
  CourseFolder folder;
  folder.Write("TS50.INI", "");
  folder.Write("Tess_R.txt", "  Tytu\xB3 kursu  \n2");
  CourseInstallation install;
  ASSERT_EQ(ReadInstallation(folder.ProgramDir(), install), InstallationError::None);
  EXPECT_EQ(install.CourseTitle, "  Tytu\xB3 kursu  ");
  EXPECT_EQ(install.CourseLanguage, 2);
}

TEST(InstallationTest, FailuresAndTheirMessages) {
  struct Row {
    const char* name;
    bool ini;
    const char* course;  // nullptr: no tess_r.txt
    InstallationError error;
    const char* message;
  };
  const Row rows[] = {
      {"no_ini", false, "T\r\n1\r\n", InstallationError::MissingInstallationFile,
       "Brak plików systemowych, proszę powtórzyć instalację programu!"},
      {"no_course_file", true, nullptr, InstallationError::MissingCourseFile,
       "Brak plików systemowych programu!"},
      {"language_not_a_number", true, "T\r\nangielski\r\n", InstallationError::BadCourseLanguage,
       nullptr},
      {"language_out_of_range", true, "T\r\n7\r\n", InstallationError::BadCourseLanguage, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CourseFolder folder;
    if (row.ini) folder.Write("ts50.ini", "x\r\n");
    if (row.course) folder.Write("tess_r.txt", row.course);
    CourseInstallation install;
    EXPECT_EQ(ReadInstallation(folder.ProgramDir(), install), row.error);
    if (row.message) {
      EXPECT_EQ(InstallationMessage(row.error), row.message);
    } else {
      EXPECT_NE(InstallationMessage(row.error).find("tess_r.txt"), std::string::npos);
    }
  }
}

TEST(InstallationTest, ProgramDirIsTheFolderOfTheProgramFile) {
  EXPECT_EQ(ProgramDirOf("/opt/tessaron/coursebook"), "/opt/tessaron/");
  EXPECT_EQ(ProgramDirOf("C:\\Tessaron\\ts50.exe"), "C:\\Tessaron\\");
}

}  // namespace
}  // namespace tess
