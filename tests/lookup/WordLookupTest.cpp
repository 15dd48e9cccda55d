// The dictionary as the word look-up opens it, the entries as the popup shows them, and the
// learning list it writes: the very file the dictionary program keeps for the same learner.
#include "lookup/WordLookup.h"

#include <gtest/gtest.h>

#include "dictionary/DictionaryFixture.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/LearningList.h"
#include "shared/DataRoot.h"
#include "shared/Paths.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "users/Users.h"

namespace tess::lookup {
namespace {

using testing::DictionaryFolder;
using testing::WordLine;

// An English installation: the dictionary, and tess_r.txt naming the course language.
void WriteEnglish(const DictionaryFolder& folder) {
  folder.WriteInstallation("Hdd\\Slownik\\", "1");
  folder.WriteLines("tess_r.txt", {"Tessaron 5.0", "1"});
  folder.WriteLines("sba_s.txt", {WordLine(12, "house", "dom [1]", "12", "1"),
                                  WordLine(13, "walk", "spacer [1] [4] chodzi\xE6 [3]"),
                                  WordLine(14, "ship", "statek [1]", "0")});
}

TEST(WordLookupTest, OpensOnlyADictionaryOfTheCourseLanguage) {
  DictionaryFolder none;
  EXPECT_EQ(WordLookup::Open(none.ProgramDir(), 1), nullptr);

  DictionaryFolder english;
  WriteEnglish(english);
  EXPECT_EQ(WordLookup::Open(english.ProgramDir(), 2), nullptr);
  EXPECT_NE(WordLookup::Open(english.ProgramDir(), 1), nullptr);

  DictionaryFolder empty;
  empty.WriteInstallation("Hdd\\Slownik\\", "2");
  EXPECT_EQ(WordLookup::Open(empty.ProgramDir(), 2), nullptr);
}

TEST(WordLookupTest, EntriesAreShownAsTheDictionaryListsThem) {
  DictionaryFolder folder;
  WriteEnglish(folder);
  const auto lookup = WordLookup::Open(folder.ProgramDir(), 1);
  ASSERT_NE(lookup, nullptr);

  const std::vector<LookupEntry> houses = lookup->Look("Houses,");
  ASSERT_EQ(houses.size(), 1u);
  const LookupEntry& house = houses[0];
  EXPECT_EQ(house.EntryNo, 12);
  EXPECT_EQ(house.Headword, "house");
  EXPECT_EQ(house.Translation,
            (std::vector<TranslationWord>{{"dom", false, ""}, {"n", true, "noun (rzeczownik)"}}));
  EXPECT_EQ(house.Note, "Poziom 1, 2");
  // The recordings root is relative: it lies in the program's folder.
  EXPECT_EQ(house.Recording, folder.ProgramDir() + "Hdd\\Slownik\\D_00\\dd_000\\00012.wav");

  const std::vector<LookupEntry> walks = lookup->Look("walking");
  ASSERT_EQ(walks.size(), 1u);
  // "[4]" shows nothing; "[3]" is a verb.
  EXPECT_EQ(walks[0].Translation, (std::vector<TranslationWord>{{"spacer", false, ""},
                                                                {"n", true, "noun (rzeczownik)"},
                                                                {"chodzi\xE6", false, ""},
                                                                {"v", true, "verb (czasownik)"}}));
  EXPECT_EQ(walks[0].Note, "");
  EXPECT_EQ(walks[0].Recording, "");
  EXPECT_TRUE(lookup->Look("ships").front().Recording.empty());
  EXPECT_TRUE(lookup->Look("boat").empty());
}

TEST(WordLookupTest, FrenchTagsStayAsTheyAre) {
  EXPECT_EQ(
      TranslationWords("maison (f) [1]", 3),
      (std::vector<TranslationWord>{{"maison", false, ""}, {"(f)", false, ""}, {"[1]", true, ""}}));
}

// The learner "Ala", the second user, in the data folder `dataDir`; returns the course's UserDir.
std::string LogInAla(const std::string& dataDir) {
  UserList users;
  EXPECT_TRUE(AddUser(dataDir, users, "Ola").Status == AddUserStatus::Added);
  EXPECT_TRUE(AddUser(dataDir, users, "Ala").Status == AddUserStatus::Added);
  std::string name;
  std::string userDir;
  EXPECT_TRUE(ChooseUser(dataDir, users.At(2), name, userDir));
  return userDir;
}

TEST(WordLookupTest, TheLearningListIsTheOneTheDictionaryKeepsForTheLearner) {
  struct Row {
    const char* name;
    bool writable;
  };
  for (const Row& row : {Row{"installation folder", true}, Row{"read-only installation", false}}) {
    SCOPED_TRACE(row.name);
    DictionaryFolder folder;
    WriteEnglish(folder);
    testing::TempFolder home;
    const testing::ScopedEnv xdg("XDG_DATA_HOME", home.path().c_str());
    const WritableProbe probe = [&row](const std::string&) { return row.writable; };

    // The course program's data folder and its learner.
    const std::string courseData = SettleDataRoot(folder.ProgramDir(), 1, probe);
    const std::string courseUserDir = LogInAla(courseData);
    const std::string popupList = dictionary::LearningListPath(
        LearningListFolder(courseData, courseUserDir, "Ala", false), 1);

    // The dictionary program, started on the same installation, logs the same learner in.
    dictionary::DictionaryState wordbook;
    ASSERT_EQ(dictionary::LoadDictionary(folder.ProgramDir(), wordbook, probe),
              dictionary::ConfigError::None);
    UserList users;
    ASSERT_TRUE(LoadUsers(wordbook.DataFolder(), users));
    ASSERT_TRUE(ChooseUser(wordbook.DataFolder(), users.At(users.Find("ala")), wordbook.UserName,
                           wordbook.UserDir));
    const std::string wordbookList =
        dictionary::LearningListPath(wordbook.UserDir, wordbook.Language());
    EXPECT_EQ(popupList, wordbookList);

    EXPECT_EQ(AddToLearning(popupList, 12).Outcome, LearnOutcome::Added);
    // The dictionary appends to the same file; the popup sees its entry as listed.
    ASSERT_TRUE(dictionary::AppendToLearningList(wordbookList, 40));
    EXPECT_EQ(ReadLearningList(wordbookList), (std::vector<int>{12, 40}));
    const LearnResult again = AddToLearning(popupList, 40);
    EXPECT_EQ(again.Outcome, LearnOutcome::AlreadyListed);
    EXPECT_EQ(again.Message,
              "To s\xB3owo jest ju\xBF na li\x9C"
              "cie s\xB3\xF3wek do nauki.");
    EXPECT_EQ(ReadLearningList(popupList), (std::vector<int>{12, 40}));
    EXPECT_EQ(testing::ReadBytes(ResolvePath(wordbookList)).substr(0, 12), "Tessaron 5.0");
  }
}

TEST(WordLookupTest, AClassroomLearnerUsesTheLocalUserOfTheSameName) {
  DictionaryFolder folder;
  const std::string data = folder.ProgramDir();
  const std::string alaDir = LogInAla(data);
  const std::string classroomDir = data + "0_tmp\\";
  EXPECT_EQ(LearningListFolder(data, alaDir, "Ala", false), alaDir);
  EXPECT_EQ(LearningListFolder(data, classroomDir, " ALA ", true), alaDir);
  EXPECT_EQ(LearningListFolder(data, classroomDir, "Bartek", true), data);
  EXPECT_EQ(LearningListFolder(data, "", "", false), data);
}

TEST(WordLookupTest, AListThatCannotBeWrittenSaysSo) {
  DictionaryFolder folder;
  folder.Write("3", "a file where the user's folder should be");
  const LearnResult result = AddToLearning(folder.ProgramDir() + "3\\eng_34slow.txt", 12);
  EXPECT_EQ(result.Outcome, LearnOutcome::Failed);
  EXPECT_EQ(result.Message, "Nie mo\xBFna dopisa\xE6 s\xB3owa do listy s\xB3\xF3wek do nauki.");
  EXPECT_FALSE(result.Reason.empty());
}

}  // namespace
}  // namespace tess::lookup
