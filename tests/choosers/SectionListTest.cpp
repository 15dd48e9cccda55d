#include "choosers/SectionList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/ExerciseList.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

ResultRecord Record(const std::string& name, int kind, int level, const std::string& title) {
  ResultRecord record;
  record.Name = name;
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Level = static_cast<std::uint8_t>(level);
  record.Title = title;
  return record;
}

// Texts 1 and 3 have films (one spelt in capitals), text 2 has none; the exercise list's
// entries 1 to 4 are the store's "tek_" records 1 to 4.
class SectionListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder / "Teksty_mpg_r");
    testing::WriteBytes(folder / "Teksty_mpg_r/1.mpg", "film");
    testing::WriteBytes(folder / "Teksty_mpg_r/3.MPG", "film");
    for (const char* text : {"1", "1", "2", "3"}) {
      exercises.Add({std::string("x#") + text + "#tlo#", "MC#", "="});
    }
    const std::vector<ResultRecord> records = {
        Record("tek_1", 40, 2, "Dom = House = Haus = "),          // 1
        Record("tek_1", 41, 2, "Dom = House = Haus = "),          // 2
        Record("tek_2", 40, 1, "Sklep = Shop = Laden = "),        // 3
        Record("tek_3", 44, 1, "Auto = Car = Wagen = "),          // 4
        Record("rpg_1", 54, 2, "Kot = Cat = Katze = "),           // 5
        Record("zda_1", 50, 1, "Zdania (1) = S (1) = S (1) = "),  // 6
        Record("zda_1", 51, 1, "Zdania (1) = S (1) = S (1) = "),  // 7
        Record("rpg_2", 54, 1, "Pies = Dog = Hund = "),           // 8
        Record("dia_1", 70, 1, "Rozmowa = Talk = Dialog = "),     // 9
        Record("dia_1", 71, 1, "Rozmowa = Talk = Dialog = "),     // 10
        Record("dia_2", 71, 1, "Bez = Without = Ohne = "),        // 11: no mode 1
        Record("dia_3", 70, 3, "Bank = Bank = Bank = "),          // 12
    };
    for (const ResultRecord& record : records) store.Append(record);
  }

  SectionList ListOf(int code, bool video = false, int language = 0) {
    SectionList list;
    list.SectionCode = code;
    list.VideoSection = video;
    list.InterfaceLanguage = language;
    list.ProgramDir = folder.path() + "/";
    list.Show(store, exercises);
    return list;
  }

  testing::TempFolder folder;
  ExerciseList exercises;
  ResultsStore store;
};

TEST_F(SectionListTest, EachSectionListsItsRecordsInOrder) {
  struct Row {
    const char* name;
    int code;
    bool video;
    int language;
    std::vector<int> positions;
  };
  const Row rows[] = {
      // One entry per text, by film file; level first, then the title.
      {"videos", 40, true, 0, {4, 1}},
      {"recordings", 40, false, 0, {3}},
      // Packages and comprehension exercises; by level, comprehension before packages.
      {"sentences", 50, false, 0, {8, 6, 5}},
      {"conversations", 70, false, 0, {9, 12}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SectionList list = ListOf(row.code, row.video, row.language);
    EXPECT_EQ(list.SectionItems, row.positions);
    EXPECT_FALSE(list.UpShown);
    EXPECT_FALSE(list.DownShown);
    EXPECT_EQ(list.SectionTop, 1);
  }
}

TEST_F(SectionListTest, SortKeyIsLevelKindTitleAndPositionAsText) {
  EXPECT_EQ(SectionList::SortKey(store, 4, 0), "11Auto=4=");
  EXPECT_EQ(SectionList::SortKey(store, 5, 1), "23Cat=5=");
  EXPECT_EQ(SectionList::SortKey(store, 7, 2), "14S (1)=7=");
  EXPECT_EQ(SectionList::SortKey(store, 9, 3), "12Rozmowa=9=") << "the Polish title for Russian";

  // Within a level the title of the interface language decides.
  store.Clear();
  store.Append(Record("dia_1", 70, 1, "Alfa = Zulu = Alfa = "));
  store.Append(Record("dia_2", 70, 1, "Beta = Yankee = Beta = "));
  EXPECT_EQ(ListOf(70, false, 0).SectionItems, (std::vector<int>{1, 2}));
  EXPECT_EQ(ListOf(70, false, 1).SectionItems, (std::vector<int>{2, 1}));

  // Equal titles fall back to the position compared as text: 10 sorts before 1.
  store.Clear();
  for (int i = 1; i <= 10; ++i) {
    store.Append(Record("dia_" + std::to_string(i), 70, 1, "A = A = A = "));
  }
  EXPECT_EQ(ListOf(70).SectionItems, (std::vector<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(SectionListTest, TitleOfTheInterfaceLanguage) {
  const ResultRecord record = Record("x", 40, 1, " Dom =House= Haus = ");
  EXPECT_EQ(RecordTitle(record, 0), "Dom");
  EXPECT_EQ(RecordTitle(record, 1), "House");
  EXPECT_EQ(RecordTitle(record, 2), "Haus");
  EXPECT_EQ(RecordTitle(record, 3), "Dom") << "the Russian interface shows the Polish names";
  EXPECT_EQ(RecordTitle(record, 4), "");
  EXPECT_EQ(RecordTitle(Record("x", 40, 1, "Dom = House"), 1), "") << "a field ends at its =";
}

TEST_F(SectionListTest, DoneMarks) {
  store.At(2).Attempts = 1;  // the second exercise of text 1
  store.At(7).Attempts = 3;  // the dictation of package 1
  store.At(8).Attempts = 1;
  EXPECT_TRUE(ItemDone(store, 1)) << "another record of the text was done";
  EXPECT_TRUE(ItemDone(store, 6)) << "another record of the package was done";
  EXPECT_TRUE(ItemDone(store, 8));
  EXPECT_FALSE(ItemDone(store, 5));
  EXPECT_FALSE(ItemDone(store, 9));
  store.Append(Record("inne_1", 60, 1, ""));
  store.At(13).Attempts = 5;
  EXPECT_FALSE(ItemDone(store, 13)) << "other kinds are never done";
}

TEST_F(SectionListTest, ScrollingAPageAndAHalf) {
  store.Clear();
  for (int i = 1; i <= 21; ++i)
    store.Append(Record("dia_" + std::to_string(i), 70, 1, "R = R = R = "));
  SectionList list = ListOf(70);
  ASSERT_EQ(list.Count(), 21);
  EXPECT_TRUE(list.DownShown);
  EXPECT_FALSE(list.UpShown);
  EXPECT_FALSE(list.ScrollUp());

  ASSERT_TRUE(list.PressAt(0));  // row 1 selected
  EXPECT_TRUE(list.ScrollDown());
  EXPECT_EQ(list.SectionTop, 2);
  EXPECT_FALSE(list.DownShown) << "the last entry is on the page";
  EXPECT_TRUE(list.UpShown);
  EXPECT_FALSE(list.HighlightShown) << "its entry left the page";
  EXPECT_FALSE(list.ScrollDown());

  EXPECT_TRUE(list.ScrollUp());
  EXPECT_EQ(list.SectionTop, 1);
  EXPECT_FALSE(list.UpShown);
  EXPECT_TRUE(list.DownShown);
  EXPECT_EQ(list.SelectedPosition(), list.SectionItems[0]) << "the selection kept its entry";

  store.Clear();
  for (int i = 1; i <= 205; ++i)
    store.Append(Record("dia_" + std::to_string(i), 70, 1, "R = R = R = "));
  EXPECT_EQ(ListOf(70).Count(), SectionList::kMaxItems);
}

TEST_F(SectionListTest, ArrowsMoveTheSelectionAndScrollAtTheEdges) {
  store.Clear();
  for (int i = 1; i <= 25; ++i)
    store.Append(Record("dia_" + std::to_string(i), 70, 1, "R = R = R = "));
  SectionList list = ListOf(70);
  list.ArrowDown();
  EXPECT_EQ(list.SectionRow, 1) << "nothing happens before a row is chosen";

  ASSERT_TRUE(list.PressAt(19 * SectionList::kRowHeight + 5));
  ASSERT_EQ(list.SectionRow, 20);
  list.ArrowDown();
  EXPECT_EQ(list.SectionTop, 2);
  EXPECT_EQ(list.SectionTop + list.SectionRow - 1, 21) << "the next entry";
  EXPECT_TRUE(list.HighlightShown);

  list.PressAt(0);
  list.ArrowUp();
  EXPECT_EQ(list.SectionTop, 1);
  EXPECT_EQ(list.SectionRow, 1);
  EXPECT_FALSE(list.UpShown);
  list.ArrowUp();
  EXPECT_EQ(list.SectionRow, 1) << "nothing above the first entry";
}

TEST_F(SectionListTest, PressAndOpenSetTheCurrentResult) {
  SectionList list = ListOf(50);  // 8, 6, 5
  EXPECT_FALSE(list.PressAt(3 * SectionList::kRowHeight)) << "row 4 is empty";
  EXPECT_FALSE(list.OkShown);
  EXPECT_EQ(list.OpenSectionItem(store), 0);
  EXPECT_EQ(store.CurrentResultName, "");

  ASSERT_TRUE(list.PressAt(SectionList::kRowHeight + 17));  // row 2
  EXPECT_TRUE(list.OkShown);
  EXPECT_TRUE(list.InfoShown);
  EXPECT_EQ(list.OpenSectionItem(store), 6);
  EXPECT_EQ(store.CurrentResultName, "zda_1");
  EXPECT_EQ(store.CurrentResultKind, 50);
  EXPECT_EQ(store.CurrentResultItem, 0);

  store.At(4).Item = 4;
  list = ListOf(40, true);
  list.PressAt(0);
  EXPECT_EQ(list.OpenSectionItem(store), 4);
  EXPECT_EQ(store.CurrentResultName, "tek_3");
  EXPECT_EQ(store.CurrentResultKind, 44);
  EXPECT_EQ(store.CurrentResultItem, 4);
}

}  // namespace
}  // namespace tess
