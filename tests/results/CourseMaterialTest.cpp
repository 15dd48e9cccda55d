#include "results/CourseMaterial.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CourseMaterialFixture.h"

namespace tess {
namespace {

using testing::CourseMaterialFolder;

TEST(CourseMaterialTest, LoadsEveryFile) {
  CourseMaterialFolder folder;
  CourseMaterial material;
  std::vector<std::string> messages;
  ASSERT_TRUE(LoadCourseMaterial(folder.Installation(), material, messages));
  EXPECT_TRUE(messages.empty());
  const CourseCatalogue& c = material.Catalogue;
  EXPECT_EQ(material.Equivalences.Count(), 1);
  EXPECT_EQ(c.Groups.Count(), 2);
  EXPECT_EQ(c.Texts.Count(), 2);
  EXPECT_EQ(c.Sentences.Count(), 3);
  EXPECT_EQ(c.Sentences.Packages().Count(), 2);
  EXPECT_EQ(c.Comprehension.Count(), 2);
  EXPECT_EQ(c.Items.Count(), 1);
  EXPECT_EQ(material.Exercises.Count(), 5);
  EXPECT_EQ(material.Conversations.Count(), 2);
}

TEST(CourseMaterialTest, MissingFiles) {
  struct Row {
    const char* file;
    bool starts;
    const char* message;  // nullptr: none; the path follows the text
  };
  const Row rows[] = {
      {"ss_r.t", true, nullptr},
      {"gra.txt", true, nullptr},
      {"rozumienie_a.txt", true, nullptr},
      {"zda_rozum.txt", true, nullptr},
      {"kurs_cwicz.kdx", true, "Nie znaleziono pliku "},
      {"rozum_pig.txt", false, "Nie można odczytać pliku "},
      {"St_a.txt", false, "Nie można odczytać pliku "},
      {"dialogi.txt", false, "Nie można odczytać pliku "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    CourseMaterialFolder folder;
    folder.Remove(row.file);
    CourseMaterial material;
    std::vector<std::string> messages;
    EXPECT_EQ(LoadCourseMaterial(folder.Installation(), material, messages), row.starts);
    if (!row.message) {
      EXPECT_TRUE(messages.empty());
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    const std::string expected = row.message + folder.ProgramDir() + row.file;
    if (row.starts) {
      EXPECT_EQ(messages[0], expected);  // exactly "Nie znaleziono pliku " + full path
    } else {
      EXPECT_EQ(messages[0].substr(0, expected.size()), expected);
    }
  }
}

TEST(CourseMaterialTest, ConversationsBeyondTheLimitAreNamedOnceAndTheCourseStarts) {
  CourseMaterialFolder folder;
  std::string bytes;
  for (int n = 1; n <= 72; ++n) bytes += "bg=C=E=D=1=1=TTTTT=0=\r\ns=1=A: t=u=\r\n*\r\n";
  folder.Write("dialogi.txt", bytes);
  CourseMaterial material;
  std::vector<std::string> messages;
  EXPECT_TRUE(LoadCourseMaterial(folder.Installation(), material, messages));
  EXPECT_EQ(material.Conversations.Count(), 70);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(folder.ProgramDir() + "dialogi.txt"), std::string::npos);
}

TEST(CourseMaterialTest, FileNamesFollowTheCourseLetter) {
  CourseMaterialFolder folder;
  // A German installation finds none of the English lists, and no "St_n.txt".
  CourseInstallation install = folder.Installation();
  install.CourseLanguage = 2;
  install.CourseLetter = "n";
  CourseMaterial material;
  std::vector<std::string> messages;
  EXPECT_FALSE(LoadCourseMaterial(install, material, messages));
  EXPECT_EQ(material.Catalogue.Groups.Count(), 0);
  EXPECT_EQ(material.Catalogue.Texts.Count(), 0);
  EXPECT_EQ(material.Catalogue.Sentences.Count(), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("St_n.txt"), std::string::npos);
}

}  // namespace
}  // namespace tess
