#include "core/Settings.h"

#include <gtest/gtest.h>

#include "platform/Fakes.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;
using testing::ReadBytes;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    folder.MakeFolder("Lang_r/0");
    folder.MakeFolder("Lang_r/2");
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    folder.MakeFolder("7");
    state.UserDir = folder.ProgramDir() + "7\\";
  }
  std::string SettingsPath() const { return folder / "7/ustaw_tsa2_2003.txt"; }
  bool Load() {
    return LoadUserSettings(state, messages, [this] {
      ++reloads;
      reloadedWith = state.LangDir;
      return true;
    });
  }

  CourseFolder folder;
  CourseState state;
  FakeMessageBox messages;
  int reloads = 0;
  std::string reloadedWith;
};

TEST_F(SettingsTest, WrittenSettingsReadBackUnchanged) {
  state.SetInterfaceLanguageNumber(2);
  state.Options = {true, false, true, false, false, true, false, true};
  ASSERT_TRUE(SaveUserSettings(state, messages));
  EXPECT_EQ(ReadBytes(SettingsPath()), "2\r\nT\r\nN\r\nT\r\nN\r\nN\r\nT\r\nN\r\nT\r\n");

  const UserOptions written = state.Options;
  state.Options = UserOptions::Defaults();
  state.SetInterfaceLanguageNumber(0);
  ASSERT_TRUE(Load());
  EXPECT_EQ(state.Options, written);
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_EQ(reloadedWith, "Lang_r\\2\\");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SettingsTest, OnlyTheFirstLineLeavesEveryOptionFalse) {
  folder.Write("7/ustaw_tsa2_2003.txt", "2\r\n");
  state.Options = UserOptions::Defaults();
  ASSERT_TRUE(Load());
  EXPECT_EQ(state.Options, UserOptions{});
  EXPECT_EQ(state.InterfaceLanguage, 2);
}

TEST_F(SettingsTest, LanguageLineIsTrimmedOfTabsToo) {
  folder.Write("7/ustaw_tsa2_2003.txt", "\t2\t\r\nT\r\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SettingsTest, OnlyAnExactTIsTrueAndALaterGroupWins) {
  folder.Write("7/ustaw_tsa2_2003.txt",
               "0\r\n t \r\nTak\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\n"
               "N\r\nN\r\nN\r\nN\r\nN\r\nN\r\nT");
  ASSERT_TRUE(Load());
  // The second group overwrites the first; its missing eighth line is false.
  UserOptions expected;
  expected.ExerciseHintPending = true;
  EXPECT_EQ(state.Options, expected);
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndTheDefaultLanguageAndIsWritten) {
  state.DefaultInterfaceLanguage = 2;
  ASSERT_TRUE(Load());
  EXPECT_EQ(state.Options, UserOptions::Defaults());
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(ReadBytes(SettingsPath()), "2\r\nT\r\nT\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n");
}

TEST_F(SettingsTest, DamagedFirstLineIsReportedAndTheDefaultLanguageUsed) {
  folder.Write("7/ustaw_tsa2_2003.txt", "polski\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\n");
  state.DefaultInterfaceLanguage = 2;
  ASSERT_TRUE(Load());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("uszkodzony"), std::string::npos);
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_TRUE(state.Options.Animations);
}

TEST_F(SettingsTest, LanguageWithoutItsFolderFallsBackToAnInstalledOne) {
  folder.Write("7/ustaw_tsa2_2003.txt", "3\r\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(state.InterfaceLanguage, 0);
  EXPECT_EQ(state.LangDir, "Lang_r\\0\\");
}

TEST_F(SettingsTest, SavedLanguageThatDoesNotLoadGivesWayToOneThatDoes) {
  folder.Write("7/ustaw_tsa2_2003.txt", "2\r\nT\r\n");
  std::vector<std::string> tried;
  const bool loaded = LoadUserSettings(state, messages, [&] {
    tried.push_back(state.LangDir);
    return state.InterfaceLanguage != 2;
  });
  EXPECT_TRUE(loaded);
  EXPECT_EQ(tried, (std::vector<std::string>{"Lang_r\\2\\", "Lang_r\\0\\"}));
  EXPECT_EQ(state.InterfaceLanguage, 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("polski"), std::string::npos);
  EXPECT_EQ(ReadBytes(SettingsPath()).substr(0, 3), "2\r\n") << "the learner's choice is kept";

  EXPECT_FALSE(LoadUserSettings(state, messages, [] { return false; }))
      << "with no language that loads the program ends as before";
}

TEST_F(SettingsTest, UnwritableFolderIsReported) {
  state.UserDir = folder.ProgramDir() + "missing\\";
  EXPECT_FALSE(SaveUserSettings(state, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("Nie można zapisać"), std::string::npos);
}

}  // namespace
}  // namespace tess
