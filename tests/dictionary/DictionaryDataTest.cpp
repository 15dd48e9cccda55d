#include <gtest/gtest.h>

#include "dictionary/DictionaryConfig.h"
#include "dictionary/DictionaryFixture.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/EntryTable.h"
#include "dictionary/Recordings.h"

namespace tess::dictionary {
namespace {

using testing::DictionaryFolder;
using testing::WordLine;

TEST(EntryLineTest, TheExampleLineGivesEveryField) {
  const auto entry = ParseEntryLine("01 000012 13 house =dom [1]=houses=home=a building=1234=1=1=",
                                    ListKind::Words);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->GroupNo, 1);
  EXPECT_EQ(entry->OwnRecording, 0);
  EXPECT_EQ(entry->EntryNo, 12);
  EXPECT_EQ(entry->Difficulty, 1);
  EXPECT_EQ(entry->WordClass, 3);
  EXPECT_EQ(entry->Headword, "house");
  EXPECT_EQ(entry->Translation, "dom [1]");
  EXPECT_EQ(entry->Plural, "houses");
  EXPECT_EQ(entry->Synonyms, "home");
  EXPECT_EQ(entry->Comment, "a building");
  EXPECT_EQ(entry->Recording, "1234");
  EXPECT_EQ(entry->Flag, 1);
  EXPECT_EQ(entry->LevelMark, 1);
}

struct LineCase {
  const char* name;
  const char* line;
  ListKind kind;
  bool kept;
  const char* headword;
  const char* translation;
};

class EntryLineCases : public ::testing::TestWithParam<LineCase> {};

TEST_P(EntryLineCases, ParsesOrSkips) {
  const LineCase& c = GetParam();
  const auto entry = ParseEntryLine(c.line, c.kind);
  ASSERT_EQ(entry.has_value(), c.kept);
  if (!entry) return;
  EXPECT_EQ(entry->Headword, c.headword);
  EXPECT_EQ(entry->Translation, c.translation);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EntryLineCases,
    ::testing::Values(
        LineCase{"WordListDropsTheSeparatorBeforeEquals", "01 000012 13 house=dom [1]",
                 ListKind::Words, true, "hous", "dom [1]"},
        LineCase{"SentenceListKeepsItsLastLetter", "01 000012 13 house=dom [1]",
                 ListKind::Sentences, true, "house", "dom [1]"},
        LineCase{"SevenCharactersAreIgnored", "01 0000", ListKind::Words, false, "", ""},
        LineCase{"SevenAfterTrimmingAreIgnored", "   01 0000 \t", ListKind::Words, false, "", ""},
        LineCase{"BlanksAroundTheGroupAreAllowed", "1  000012 13 house =dom", ListKind::Words, true,
                 "house", "dom"},
        LineCase{"LettersInTheNumberSkipTheLine", "01 0000x2 13 house =dom", ListKind::Words, false,
                 "", ""},
        LineCase{"LetterAsDifficultySkipsTheLine", "01 000012 x3 house =dom", ListKind::Words,
                 false, "", ""},
        LineCase{"LetterAsClassSkipsTheLine", "01 000012 1x house =dom", ListKind::Sentences, false,
                 "", ""},
        LineCase{"LetterAsGroupSkipsTheLine", "0a 000012 13 house =dom", ListKind::Words, false, "",
                 ""},
        LineCase{"LetterAsOwnRecordingSkipsTheLine", "01 x00012 13 house =dom", ListKind::Words,
                 false, "", ""},
        LineCase{"LetterAsLevelSkipsTheLine", "01 000012 13 house =dom======x=", ListKind::Words,
                 false, "", ""},
        LineCase{"TooShortForTheClassColumnsIsSkipped", "01 000012", ListKind::Words, false, "",
                 ""},
        LineCase{"WithoutEqualsTheHeadwordRunsToTheEnd", "01 000012 13 house", ListKind::Words,
                 true, "house", ""},
        LineCase{"SeparatorAtColumn14LeavesNoHeadword", "01 000012 13 =dom", ListKind::Words, true,
                 "", "dom"},
        LineCase{"FieldsAreTrimmed", "01 000012 13   to be   =  być [3]  =", ListKind::Words, true,
                 "to be", "być [3]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryLineTest, OverlongHeadwordsAndTranslationsAreCut) {
  const std::string line = "01 000012 13 " + std::string(100000, 'h') + " =" +
                           std::string(12 << 20, 't') + "==home=a building=1234=1=1=";
  const auto entry = ParseEntryLine(line, ListKind::Words);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Headword, std::string(kMaxHeadwordBytes - 3, 'h') + "...");
  EXPECT_EQ(entry->Translation, std::string(kMaxTranslationBytes - 3, 't') + "...");
  EXPECT_EQ(entry->Synonyms, "home");
  EXPECT_EQ(entry->Recording, "1234");
}

TEST(EntryTableTest, LoadsWordsThenSentencesAndStopsAtTheCapacity) {
  DictionaryFolder folder;
  std::vector<std::string> words;
  for (int n = 1; n <= kEntryCapacity - 1; ++n) words.push_back(WordLine(n, "w", "s"));
  folder.WriteLines("sba_s.txt", words);
  folder.WriteLines("zda.txt", {"01 020001 11 A sentence.=Zdanie.=",
                                "01 020002 11 The 15001st.=Nie ma miejsca.="});
  EntryTable table;
  LoadEntries(folder.ProgramDir(), 1, table);
  EXPECT_EQ(table.WordCount(), kEntryCapacity - 1);
  ASSERT_EQ(table.Count(), kEntryCapacity);
  EXPECT_EQ(table.EntryNo(kEntryCapacity), 20001);
  EXPECT_EQ(table.Headword(kEntryCapacity), "A sentence.");
}

TEST(EntryTableTest, WordListKeepsOnlyRealNumbersAndRecordings) {
  DictionaryFolder folder;
  folder.WriteLines(
      "sba_s.txt", {
                       WordLine(0, "zero", "zero"),           // entry number below 1: not kept
                       WordLine(5, "cat", "kot [1]", "abc"),  // not a number: no recording
                       WordLine(6, "dog", "pies [1]", "0"),   // 0: no recording
                       WordLine(7, "bird", "ptak [1]", "77"),
                       "01 100008 13 mine =moje====my.wav===",  // own recording keeps its file name
                       "short",
                   });
  EntryTable table;
  LoadEntries(folder.ProgramDir(), 1, table);
  ASSERT_EQ(table.Count(), 4);
  EXPECT_EQ(table.Headword(1), "cat");
  EXPECT_EQ(table.Recording(1), "");
  EXPECT_EQ(table.Recording(2), "");
  EXPECT_EQ(table.Recording(3), "77");
  EXPECT_EQ(table.OwnRecording(4), 1);
  EXPECT_EQ(table.Recording(4), "my.wav");
}

TEST(EntryTableTest, MissingListsLeaveTheTableEmpty) {
  DictionaryFolder folder;
  EntryTable table;
  LoadEntries(folder.ProgramDir(), 1, table);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.WordCount(), 0);
}

TEST(EntryTableTest, TheLastEntryOfANumberStandsForIt) {
  EntryTable table;
  for (const int number : {3, 4, 3, 5, 4}) {
    Entry entry;
    entry.EntryNo = number;
    table.Add(entry);
  }
  table.Finish();
  EXPECT_FALSE(table.StandsForItsNumber(1));
  EXPECT_FALSE(table.StandsForItsNumber(2));
  EXPECT_TRUE(table.StandsForItsNumber(3));
  EXPECT_TRUE(table.StandsForItsNumber(4));
  EXPECT_TRUE(table.StandsForItsNumber(5));
}

struct LanguageCase {
  const char* name;
  const char* line;  // line 2 of tess_50_slow.txt
  int language;
  const char* wordList;
};

class DictionaryLanguageCases : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(DictionaryLanguageCases, ChoosesTheWordList) {
  const LanguageCase& c = GetParam();
  DictionaryFolder folder;
  folder.WriteInstallation("Hdd\\Slownik\\", c.line);
  folder.WriteLines(c.wordList, {WordLine(1, "one", "jeden")});
  DictionaryState state;
  ASSERT_EQ(LoadDictionary(folder.ProgramDir(), state), ConfigError::None);
  EXPECT_EQ(state.Language(), c.language);
  EXPECT_EQ(state.Table.WordCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, DictionaryLanguageCases,
                         ::testing::Values(LanguageCase{"ZeroIsEnglish", "0", 1, "sba_s.txt"},
                                           LanguageCase{"EmptyIsEnglish", "", 1, "sba_s.txt"},
                                           LanguageCase{"English", "1", 1, "sba_s.txt"},
                                           LanguageCase{"German", " 2 ", 2, "sbn_r.txt"},
                                           LanguageCase{"French", "3", 3, "sbf_s.txt"},
                                           LanguageCase{"Russian", "6", 6, "sbr.txt"},
                                           LanguageCase{"AnyOther", "4", 4, "sba.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryConfigTest, RecordingsRootAndDriveRootComeFromTs50) {
  DictionaryFolder folder;
  folder.WriteInstallation("  D:\\Tess\\Slownik  ");
  DictionaryConfig config;
  ASSERT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config), ConfigError::None);
  EXPECT_EQ(config.RecordingsRoot, "D:\\Tess\\Slownik\\");
  EXPECT_EQ(config.DriveRoot, "Tes");
}

TEST(DictionaryConfigTest, TheDescriptorMovesTheRecordingsRoot) {
  struct Case {
    const char* name;
    const char* folderLine;  // line 9
    const char* relative;    // line 16
    const char* root;
  };
  const Case cases[] = {
      {"Absolute", "Nagrania\\Slownik", "0", "Nagrania\\Slownik\\"},
      {"RelativeToTheDrive", "Slownik\\", "1", "abc\\Slownik\\"},
      {"RelativeWithLeadingBackslash", "\\Slownik", "1", "abc\\Slownik\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DictionaryFolder folder;
    folder.WriteInstallation("123abc");
    folder.Write("db/eng_34/tess_s.txt", "");
    std::vector<std::string> lines(16);
    lines[8] = std::string("  ") + c.folderLine + " ";
    lines[15] = c.relative;
    folder.WriteLines("db/eng_34/tess_r.txt", lines);
    DictionaryConfig config;
    ASSERT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config), ConfigError::None);
    EXPECT_EQ(config.RecordingsRoot, c.root);
  }
}

TEST(DictionaryConfigTest, MissingFilesEndTheProgramWithTheirMessages) {
  DictionaryConfig config;
  {
    DictionaryFolder folder;
    EXPECT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config),
              ConfigError::MissingInstallationFile);
    EXPECT_EQ(ConfigMessage(ConfigError::MissingInstallationFile),
              "Brak plików systemowych, proszę powtórzyć instalację programu!");
  }
  {
    DictionaryFolder folder;
    folder.WriteLines("ts50.ini", {"x", "Hdd\\Slownik\\"});
    EXPECT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config), ConfigError::MissingSystemFile);
    EXPECT_EQ(ConfigMessage(ConfigError::MissingSystemFile), "Brak plików systemowych programu!");
  }
  {
    DictionaryFolder folder;
    folder.WriteInstallation();
    folder.Write("db/eng_34/tess_s.txt", "");
    EXPECT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config), ConfigError::MissingSystemFile);
  }
  {
    DictionaryFolder folder;
    folder.WriteInstallation("Hdd\\", "angielski");
    EXPECT_EQ(LoadDictionaryConfig(folder.ProgramDir(), config), ConfigError::BadLanguage);
    EXPECT_FALSE(ConfigMessage(ConfigError::BadLanguage).empty());
  }
}

struct RecordingCase {
  const char* name;
  std::string line;
  const char* path;
};

class RecordingPathCases : public ::testing::TestWithParam<RecordingCase> {};

TEST_P(RecordingPathCases, FindsTheFile) {
  const RecordingCase& c = GetParam();
  DictionaryFolder folder;
  folder.WriteLines("sba_s.txt", {c.line});
  EntryTable table;
  LoadEntries(folder.ProgramDir(), 1, table);
  ASSERT_EQ(table.Count(), 1);
  DictionaryConfig config;
  config.RecordingsRoot = "Hdd\\Slownik\\";
  EXPECT_EQ(RecordingPath(table, 1, config, "/prog/"), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, RecordingPathCases,
    ::testing::Values(RecordingCase{"Number1234", WordLine(1, "a", "b", "1234"),
                                    "Hdd\\Slownik\\D_01\\dd_012\\01234.wav"},
                      RecordingCase{"Number7", WordLine(1, "a", "b", "7"),
                                    "Hdd\\Slownik\\D_00\\dd_000\\00007.wav"},
                      RecordingCase{"SixDigits", WordLine(1, "a", "b", "123456"),
                                    "Hdd\\Slownik\\D_12\\dd_123\\123456.wav"},
                      RecordingCase{"ZeroPlaysNothing", WordLine(1, "a", "b", "0"), ""},
                      RecordingCase{"NoneWithoutANumber", WordLine(1, "a", "b"), ""},
                      RecordingCase{"OwnRecording",
                                    "01 100001 13 a =b====moje.wav===", "/prog/Nagrania\\moje.wav"},
                      RecordingCase{"OwnRecordingWithoutAFile", "01 100001 13 a =b=======", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess::dictionary
