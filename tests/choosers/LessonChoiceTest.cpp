#include "choosers/LessonChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "shared/TextMeasurer.h"

namespace tess {
namespace {

ResultRecord Record(const std::string& name, int kind, int level, const std::string& group, int score,
               const std::string& title) {
  ResultRecord record;
  record.Name = name;
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Level = static_cast<std::uint8_t>(level);
  record.Group = group;
  record.Score = static_cast<std::uint8_t>(score);
  record.Title = title;
  return record;
}

std::vector<int> Positions(const std::vector<RightEntry>& items) {
  std::vector<int> positions;
  for (const RightEntry& item : items) positions.push_back(item.Position);
  return positions;
}

std::vector<int> Percents(const std::vector<RightEntry>& items) {
  std::vector<int> percents;
  for (const RightEntry& item : items) percents.push_back(item.Percent);
  return percents;
}

std::vector<int> Values(const std::vector<LeftEntry>& items) {
  std::vector<int> values;
  for (const LeftEntry& item : items) values.push_back(item.Value);
  return values;
}

GroupList ThreeGroups() {
  GroupList groups;
  groups.Add({"Home", "Haus", "Dom", "g1"});
  groups.Add({"Town", "Stadt", "Miasto", "g2"});
  groups.Add({"Work", "Arbeit", "Praca", "g3"});
  return groups;
}

// Group g1 holds a text of three exercises, another text, a comprehension exercise, a
// package, two conversations and, after g2's records, one more text; g3 is empty.
class LessonChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<ResultRecord> records = {
        Record("tek_1", 40, 2, "g1", 50, "Dom = House = Haus = "),          // 1
        Record("tek_1", 41, 2, "g1", 60, "Dom = House = Haus = "),          // 2
        Record("tek_1", 42, 2, "g1", 65, "Dom = House = Haus = "),          // 3
        Record("tek_2", 40, 1, "g1", 30, "Sklep = Shop = Laden = "),        // 4
        Record("rpg_1", 54, 1, "g1", 70, "Kot = Cat = Katze = "),           // 5
        Record("zda_1", 50, 1, "g1", 40, "Zdania = Sentences = Satze = "),  // 6
        Record("zda_1", 51, 1, "g1", 45, "Zdania = Sentences = Satze = "),  // 7
        Record("dia_1", 70, 2, "g1", 80, "Rozmowa = Talk = Dialog = "),     // 8
        Record("dia_1", 71, 2, "g1", 91, "Rozmowa = Talk = Dialog = "),     // 9
        Record("dia_2", 70, 1, "g1", 10, "Bank = Bank = Bank = "),          // 10
        Record("tek_3", 40, 1, "g2", 50, "Park = Park = Park = "),          // 11
        Record("tek_3", 41, 1, "g2", 55, "Park = Park = Park = "),          // 12
        Record("tek_4", 40, 1, "g1", 100, "Auto = Zebra = Wagen = "),       // 13
    };
    for (const ResultRecord& record : records) store.Append(record);
    groups = ThreeGroups();
  }

  ChooserSources Sources(double now = 100) const { return {store, groups, classroom, now}; }

  ResultsStore store;
  GroupList groups;
  ClassroomLessons classroom;
};

TEST(LessonAssignmentTest, AvailableBetweenItsDatesOrAtOnce) {
  struct Row {
    const char* name;
    double od;
    bool odRazu;
    double to;
    bool available;
  };
  const double now = 100.5;
  const Row rows[] = {
      {"inside the window", 90, false, 110, true},
      {"from exactly now", 100.5, false, 110, true},
      {"until exactly now", 90, false, 100.5, true},
      {"closed a moment ago", 90, false, 100.4, false},
      {"opens later", 100.6, false, 110, false},
      {"opens later but at once", 100.6, true, 110, true},
      {"at once does not reopen a closed one", 80, true, 99, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(AssignmentAvailable({1, row.od, row.odRazu, row.to}, now), row.available);
  }
}

TEST(LessonChoicePercentTest, GroupMeanIsRoundedAndTextMeanIsCut) {
  struct Row {
    const char* name;
    std::vector<int> scores;  // one text's exercises, the group's only records
    int left;
    int right;
  };
  const Row rows[] = {
      {"three exercises", {50, 60, 65}, 58, 58},
      {"half to even below", {50, 55}, 52, 52},
      {"half to even above", {53, 54}, 54, 53},
      {"just below a hundred", {99, 100}, 100, 99},
      {"one exercise", {7}, 7, 7},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResultsStore store;
    for (int score : row.scores) store.Append(Record("tek_1", 40, 1, "g1", score, "T = T = T = "));
    const GroupList groups = ThreeGroups();
    const ClassroomLessons classroom;
    LessonChoice choice;
    EXPECT_EQ(choice.BuildLeftList(1, {store, groups, classroom, 0}), "");
    ASSERT_EQ(choice.LeftCount(), 3);
    EXPECT_EQ(choice.LeftItems[0].Percent, row.left);
    EXPECT_EQ(choice.LeftItems[1].Percent, 0);  // a group without records
    EXPECT_EQ(choice.RightItems,
              (std::vector<RightEntry>{{static_cast<int>(row.scores.size()), row.right}}));
  }
}

TEST_F(LessonChoiceTest, WholeMaterialListsEachGroupInKindLevelTitleOrder) {
  struct Row {
    const char* name;
    int group;
    int language;
    std::vector<int> positions;
    std::vector<int> percents;
  };
  const Row rows[] = {
      // Texts, conversations, comprehension, packages; each by level, then title.
      {"home in polish", 1, 0, {13, 4, 3, 10, 9, 5, 7}, {100, 30, 58, 10, 85, 70, 42}},
      {"home in english", 1, 1, {4, 13, 3, 10, 9, 5, 7}, {30, 100, 58, 10, 85, 70, 42}},
      {"town", 2, 0, {12}, {52}},
      {"empty group", 3, 0, {}, {}},
      {"no such group", 9, 0, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto items =
        LessonChoice::BuildWholeMaterialItems(store, groups, row.group, row.language);
    EXPECT_EQ(Positions(items), row.positions);
    EXPECT_EQ(Percents(items), row.percents);
  }
}

TEST_F(LessonChoiceTest, SortKeyStartsWithKindThenLevel) {
  EXPECT_EQ(LessonChoice::SortKey(store, 3, 58, 0), "12Dom=3=58=");
  EXPECT_EQ(LessonChoice::SortKey(store, 9, 85, 1), "22Talk=9=85=");
  EXPECT_EQ(LessonChoice::SortKey(store, 5, 70, 2), "31Katze=5=70=");
  EXPECT_EQ(LessonChoice::SortKey(store, 7, 42, 3), "41Zdania=7=42=");  // Polish for Russian
}

TEST_F(LessonChoiceTest, LessonItemsKeepTheLessonOrderWithTextMeans) {
  classroom.Lessons = {{"Lekcja", {9, 2, 5, 3, 1, 99}}};
  const auto items = LessonChoice::BuildLessonItems(store, classroom, 1);
  // A text's percent is the mean of its records up to the listed one; a position past the
  // store is left out.
  EXPECT_EQ(items, (std::vector<RightEntry>{{9, 91}, {2, 55}, {5, 70}, {3, 58}, {1, 50}}));
  EXPECT_TRUE(LessonChoice::BuildLessonItems(store, classroom, 2).empty());
}

TEST_F(LessonChoiceTest, SortTextItemsSortsOnlyALeadingRunOfTexts) {
  struct Row {
    const char* name;
    std::vector<int> before;
    std::vector<int> after;
  };
  const Row rows[] = {
      {"leading texts by level", {3, 4, 5, 11}, {4, 3, 5, 11}},
      {"texts after another kind stay", {3, 5, 13}, {3, 5, 13}},
      {"another kind first", {5, 3, 4}, {5, 3, 4}},
      {"all texts, equal levels keep order", {3, 1, 13, 4}, {13, 4, 3, 1}},
      {"no texts", {9, 5}, {9, 5}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<RightEntry> items;
    for (int position : row.before) items.push_back({position, position});
    LessonChoice::SortTextItems(store, items);
    EXPECT_EQ(Positions(items), row.after);
    EXPECT_EQ(Percents(items), row.after);  // percents move with their entries
  }
}

TEST_F(LessonChoiceTest, LocalUserSeesTheWholeMaterialWithoutTheChoice) {
  classroom.WholeMaterial = true;
  classroom.Lessons = {{"Lekcja", {1}}};
  classroom.Assignments = {{1, 0, false, 200}};
  LessonChoice choice;
  choice.InterfaceLanguage = 1;
  choice.PrepareLessonChoice(classroom, 100);
  EXPECT_FALSE(choice.ChoiceShown);
  EXPECT_EQ(choice.BuildLeftList(2, Sources()), "");
  EXPECT_EQ(choice.ChooserMode, 2);
  EXPECT_EQ(Values(choice.LeftItems), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(choice.LeftItems[1].Name, "Town");
  EXPECT_EQ(choice.LeftItems[0].Percent, 58);  // 641 / 11
  EXPECT_TRUE(choice.LeftHighlightShown);
  EXPECT_EQ(choice.FocusList, 1);
  EXPECT_EQ(Positions(choice.RightItems), (std::vector<int>{4, 13, 3, 10, 9, 5, 7}));
  EXPECT_TRUE(choice.RightListShown);
  EXPECT_FALSE(choice.OkShown);
}

TEST_F(LessonChoiceTest, ClassroomUserSeesOnlyAvailableLessons) {
  classroom.Lessons = {{"Pierwsza", {1, 2}}, {"Druga", {9, 3}}, {"Trzecia", {5}}};
  classroom.Assignments = {
      {3, 0, false, 50}, {2, 0, false, 200}, {1, 150, true, 200}, {3, 150, false, 200}};
  LessonChoice choice;
  choice.RunMode = 1;
  choice.PrepareLessonChoice(classroom, 100);
  EXPECT_FALSE(choice.ChoiceShown);  // no whole material
  EXPECT_EQ(choice.BuildLeftList(1, Sources()), "");
  EXPECT_EQ(choice.LeftItems, (std::vector<LeftEntry>{{2, "Druga", 0}, {1, "Pierwsza", 0}}));
  EXPECT_EQ(choice.RightItems, (std::vector<RightEntry>{{9, 91}, {3, 58}}));
}

TEST_F(LessonChoiceTest, TheChoiceSwitchesBetweenLessonsAndWholeMaterial) {
  classroom.WholeMaterial = true;
  classroom.Lessons = {{"Pierwsza", {3, 1}}};
  classroom.Assignments = {{1, 0, false, 200}};
  LessonChoice choice;
  choice.RunMode = 1;
  choice.PrepareLessonChoice(classroom, 100);
  EXPECT_TRUE(choice.ChoiceShown);
  choice.BuildLeftList(1, Sources());
  EXPECT_EQ(Values(choice.LeftItems), (std::vector<int>{1}));
  // Texts of a lesson sort by level; both are level 2, so the lesson order stays.
  EXPECT_EQ(Positions(choice.RightItems), (std::vector<int>{3, 1}));

  choice.LeftTop = 2;
  EXPECT_EQ(choice.ChooseWholeMaterial(true, Sources()), "");
  EXPECT_TRUE(choice.WholeMaterialChosen);
  EXPECT_EQ(choice.LeftTop, 0);
  EXPECT_EQ(Values(choice.LeftItems), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Positions(choice.RightItems), (std::vector<int>{13, 4, 3, 10, 9, 5, 7}));

  choice.ChooseWholeMaterial(false, Sources());
  EXPECT_EQ(Values(choice.LeftItems), (std::vector<int>{1}));
}

TEST_F(LessonChoiceTest, NoAvailableLessonGivesAMessage) {
  classroom.Lessons = {{"Pierwsza", {1}}};
  classroom.Assignments = {{1, 0, false, 50}};
  for (bool wholeMaterial : {false, true}) {
    SCOPED_TRACE(wholeMaterial ? "with whole material" : "without whole material");
    classroom.WholeMaterial = wholeMaterial;
    LessonChoice choice;
    choice.RunMode = 1;
    choice.RightItems = {{1, 0}};
    choice.RightListShown = true;
    const std::string message = choice.BuildLeftList(1, Sources());
    EXPECT_FALSE(choice.LeftHighlightShown);
    EXPECT_FALSE(choice.FocusShown);
    if (wholeMaterial) {
      EXPECT_EQ(message, kNoLessonsWholeMaterialMessage);
      EXPECT_TRUE(choice.WholeMaterialChosen);
      EXPECT_EQ(Values(choice.LeftItems), (std::vector<int>{1, 2, 3}));
      EXPECT_EQ(choice.RightCount(), 7);
    } else {
      EXPECT_EQ(message, std::string("Nie ma \xBF"
                                     "adnych zadanych dost\xEA"
                                     "pnych lekcji."));
      EXPECT_TRUE(choice.LeftItems.empty());
      EXPECT_TRUE(choice.RightItems.empty());
      EXPECT_FALSE(choice.RightListShown);
    }
  }
}

TEST_F(LessonChoiceTest, ChosenItemOpensWithItsRecord) {
  LessonChoice choice;
  choice.BuildLeftList(1, Sources());
  EXPECT_EQ(choice.OpenItem(store), 0);  // nothing selected yet
  EXPECT_EQ(store.CurrentResultName, "");

  choice.RightRow = 4;
  InterfaceTexts texts;
  choice.ShowItemInfo(store, 0, texts);
  EXPECT_TRUE(choice.RightHighlightShown);
  EXPECT_TRUE(choice.OkShown);
  EXPECT_EQ(choice.FocusList, 2);
  EXPECT_EQ(choice.InfoText, ResultsSummary(store, "dia_2", 70, 0, texts));
  EXPECT_EQ(choice.OpenItem(store), 10);
  EXPECT_EQ(store.CurrentResultName, "dia_2");
  EXPECT_EQ(store.CurrentResultKind, 70);
  // A click under the last of the 7 entries leaves the highlighted one chosen.
  EXPECT_FALSE(choice.PressRight(18 * 7, store, 0, texts));
  EXPECT_FALSE(choice.PressRight(-1, store, 0, texts));
  EXPECT_EQ(choice.OpenItem(store), 10);

  choice.RightRow = 8;
  EXPECT_EQ(choice.OpenItem(store), 0);
}

// Twenty-two groups, groups 1 to 3 holding 19 + g comprehension exercises titled in store order.
class LessonChoiceScrollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int g = 1; g <= 22; ++g) {
      const std::string name = "g" + std::to_string(g);
      groups.Add({name, name, name, name});
    }
    for (int g = 1; g <= 3; ++g) {
      for (int i = 1; i <= 19 + g; ++i) {
        const std::string title = std::to_string(g) + (i < 10 ? "0" : "") + std::to_string(i);
        store.Append(Record("rpg_" + title, 54, 1, "g" + std::to_string(g), i,
                            title + " = " + title + " = " + title + " = "));
      }
    }
    EXPECT_EQ(choice.Show(Sources()), "");
    choice.LeftListDrawn();
    choice.RightListDrawn();
  }

  ChooserSources Sources() const { return {store, groups, classroom, 0}; }
  int SelectedEntry() const { return choice.RightTop + choice.RightRow; }

  ResultsStore store;
  GroupList groups;
  ClassroomLessons classroom;
  InterfaceTexts texts;
  LessonChoice choice;
};

TEST_F(LessonChoiceScrollTest, ClickAfterScrollingSelectsTheEntryOnThatRow) {
  EXPECT_TRUE(choice.LeftDownShown);
  EXPECT_FALSE(choice.LeftUpShown);
  ASSERT_TRUE(choice.LeftScrollDown());
  EXPECT_FALSE(choice.LeftHighlightShown);  // the selected group left the page
  ASSERT_TRUE(choice.LeftScrollDown());
  EXPECT_TRUE(choice.LeftUpShown);
  ASSERT_TRUE(choice.PressLeft(5, Sources()));
  EXPECT_EQ(choice.SelectedLeft()->Value, 3);
  EXPECT_EQ(choice.RightCount(), 22);
  EXPECT_FALSE(choice.PressLeft(18 * 20, Sources()));  // past entry 22, the last
  EXPECT_EQ(choice.RightCount(), 22);
  EXPECT_EQ(choice.SelectedLeft()->Value, 3) << "the selection stays with its highlight";
  EXPECT_TRUE(choice.LeftRowHasEntry(18 * 19));
  EXPECT_FALSE(choice.LeftRowHasEntry(18 * 20));

  // The last step down hides its button; further steps do nothing.
  EXPECT_TRUE(choice.LeftScrollDown());
  EXPECT_TRUE(choice.LeftScrollDown());
  EXPECT_FALSE(choice.LeftDownShown);
  EXPECT_FALSE(choice.LeftScrollDown());
  EXPECT_EQ(choice.LeftTop, 4);
}

TEST_F(LessonChoiceScrollTest, ArrowsMoveOneEntryAndScrollAtTheEdge) {
  struct Row {
    const char* name;
    int downs;
    int ups;
    int top;
    int row;
  };
  const Row rows[] = {
      {"within the page", 5, 0, 0, 6},           {"to the page's last row", 17, 0, 0, 18},
      {"one past the page", 18, 0, 1, 18},       {"to the last entry", 19, 0, 2, 18},
      {"stays on the last entry", 25, 0, 2, 18}, {"back to the top row", 19, 17, 2, 1},
      {"scrolls back up", 19, 18, 1, 1},         {"stays on the first entry", 19, 25, 0, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    choice.Show(Sources());
    choice.RightListDrawn();
    ASSERT_TRUE(choice.PressRight(0, store, 0, texts));
    for (int i = 0; i < row.downs; ++i) choice.ArrowDown(Sources(), 0, texts);
    for (int i = 0; i < row.ups; ++i) choice.ArrowUp(Sources(), 0, texts);
    EXPECT_EQ(choice.RightTop, row.top);
    EXPECT_EQ(choice.RightRow, row.row);
    EXPECT_TRUE(choice.RightHighlightShown);
    EXPECT_EQ(choice.SelectedPosition(), SelectedEntry());  // titles sort in store order
  }
}

TEST_F(LessonChoiceScrollTest, ScrollingTheSelectionOffThePageHidesIt) {
  ASSERT_TRUE(choice.PressRight(18, store, 0, texts));
  EXPECT_TRUE(choice.OkShown);
  ASSERT_TRUE(choice.RightScrollDown());
  EXPECT_TRUE(choice.OkShown);  // row 1 still holds it
  ASSERT_TRUE(choice.RightScrollDown());
  EXPECT_FALSE(choice.OkShown);
  EXPECT_FALSE(choice.RightHighlightShown);
  EXPECT_FALSE(choice.RightScrollDown());  // 20 entries: the last is on the page
  ASSERT_TRUE(choice.RightScrollUp());
  ASSERT_TRUE(choice.RightScrollUp());
  EXPECT_FALSE(choice.RightUpShown);
  EXPECT_FALSE(choice.RightScrollUp());
  EXPECT_EQ(choice.RightRow, 2);
}

TEST_F(LessonChoiceScrollTest, TabMovesTheFocusAndSelectsAFirstRow) {
  EXPECT_EQ(choice.FocusList, 1);
  choice.Tab(Sources(), 0, texts);
  EXPECT_EQ(choice.FocusList, 2);
  EXPECT_EQ(choice.SelectedPosition(), 1);
  EXPECT_TRUE(choice.RightHighlightShown);
  EXPECT_EQ(choice.InfoText, ResultsSummary(store, "rpg_101", 54, 0, texts));
  choice.Tab(Sources(), 0, texts);
  EXPECT_EQ(choice.FocusList, 1);
  EXPECT_TRUE(choice.RightHighlightShown);  // the right selection stays
}

TEST_F(LessonChoiceScrollTest, ReactivationRebuildsAndKeepsTheSelection) {
  choice.RightScrollDown();
  choice.RightScrollDown();
  ASSERT_TRUE(choice.PressRight(18 * 4, store, 0, texts));
  ASSERT_EQ(choice.SelectedPosition(), 7);
  store.At(7).Score = 99;
  choice.Reactivated(Sources(), 0, texts);
  EXPECT_EQ(choice.RightTop, 2);
  EXPECT_EQ(choice.RightRow, 5);
  EXPECT_EQ(choice.RightItems[6], (RightEntry{7, 99}));
  EXPECT_TRUE(choice.RightHighlightShown);
  EXPECT_FALSE(choice.RightScrollResetPending);
}

TEST_F(LessonChoiceTest, ShowingAnEmptyStoreGivesItsMessage) {
  LessonChoice choice;
  choice.LeftTop = 3;
  const ResultsStore empty;
  EXPECT_EQ(choice.Show({empty, groups, classroom, 0}), "brak info o cw - wygeneruj!");
  EXPECT_EQ(choice.LeftTop, 0);
}

class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool, bool) const override {
    return static_cast<int>(text.size()) * 10;
  }
};

TEST(LessonChoiceDrawingTest, LongNamesAreShortenedWithDots) {
  struct Row {
    const char* name;
    std::string text;
    std::string shown;
  };
  const Row rows[] = {
      {"fits with room for dots", "Abcdefghi", "Abcdefghi"},
      {"one letter too long", "Abcdefghij", "Abcdefghi..."},
      {"much too long", "Abcdefghijklmnop", "Abcdefghi..."},
      {"empty", "", ""},
      {"a megabyte", std::string(1 << 20, 'x'), std::string(9, 'x') + "..."},
  };
  const FixedWidthMeasurer measurer;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LessonChoice::ShortenForDisplay(row.text, LessonChoice::kLeftNameLimit, measurer),
              row.shown);
  }
  EXPECT_EQ(LessonChoice::ProgressWidth(50), 38);  // 37.5, halves to even
  EXPECT_EQ(LessonChoice::ProgressWidth(30), 22);
  EXPECT_EQ(LessonChoice::ProgressWidth(100), 75);
}

}  // namespace
}  // namespace tess
