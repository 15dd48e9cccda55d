// The lesson and exercise chooser window, offscreen, over a results file in a fixture folder.
// The list rules themselves are tested with LessonChoice; these tests follow the window's
// controls, keys and hooks.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "choosers/LessonChooserWindow.h"
#include "choosers/ProgressWindow.h"
#include "core/Catalogue.h"
#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "platform/Fakes.h"
#include "results/ResultsStore.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

void Mouse(QWidget& widget, QEvent::Type type, QPointF at = QPointF(2, 2)) {
  QMouseEvent mouse(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &mouse);
}

void Click(QWidget& widget, QPointF at = QPointF(2, 2)) {
  Mouse(widget, QEvent::MouseButtonPress, at);
  Mouse(widget, QEvent::MouseButtonRelease, at);
}

void PressKey(QWidget& window, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&window, &press);
}

ResultRecord Record(const std::string& name, int kind, const std::string& group,
               const std::string& title) {
  ResultRecord record;
  record.Name = name;
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Level = 1;
  record.Group = group;
  record.Title = title + " = " + title + " = " + title + " = ";
  return record;
}

// Two groups: "g1" with twenty comprehension exercises (more than a page), titled in store
// order; "g2" with a text of two exercises and a conversation.
class LessonChooserWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    std::string texts;
    for (int n = 1; n <= 60; ++n) texts += std::to_string(n) + "==t" + std::to_string(n) + "=\r\n";
    folder.Write("Lang_r/0/infa_r.txt", texts);
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    ASSERT_TRUE(state.Texts.Load(state.LangPath("infa_r.txt")));
    state.UserDir = folder.ProgramDir();
    groups.Add({"Home", "Haus", "Dom", "g1"});
    groups.Add({"Town", "Stadt", "Miasto", "g2"});
    pictures.size = QSize(16, 16);
  }

  /// The user's results file as the item windows leave it.
  void WriteResults() {
    ResultsStore file;
    for (int n = 1; n <= 20; ++n) {
      file.Append(Record("rpg_" + std::to_string(n), 54, "g1",
                         std::string("Obrazek ") + (n < 10 ? "0" : "") + std::to_string(n)));
    }
    file.Append(Record("tek_1", 40, "g2", "Rodzina"));
    file.Append(Record("tek_1", 41, "g2", "Rodzina"));
    file.Append(Record("dia_1", 70, "g2", "Rozmowa"));
    ASSERT_TRUE(SaveResults(ResultsFilePath(state.UserDir, state.Install.SettingsTag), file));
  }

  std::unique_ptr<LessonChooserWindow> Chooser() {
    auto chooser = std::make_unique<LessonChooserWindow>(
        state, LessonChooserSources{store, groups, classroom},
        LessonChooserPorts{skins.MyImageList1, pictures, messages, clock});
    chooser->OpenItem = [this](int position) { opened.push_back(position); };
    chooser->ShowHelpPage = [this](const std::string& page) { pages.push_back(page); };
    chooser->ShowInformation = [this](const std::string& text) { information.push_back(text); };
    chooser->HideMediaWindow = [this] { ++mediaHidden; };
    return chooser;
  }

  QRect RightRow(int row) const { return QRect(362, 164 + 18 * (row - 1), 371, 16); }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeMessageBox messages;
  FakeClock clock;
  CourseSkins skins{pictures};
  GroupList groups;
  ClassroomLessons classroom;
  ResultsStore store;
  std::vector<int> opened;
  std::vector<std::string> pages;
  std::vector<std::string> information;
  int mediaHidden = 0;
};

TEST_F(LessonChooserWindowTest, AnEmptyStoreIsReportedAndAMissingBackgroundDrawsBlack) {
  const std::string background = folder.ProgramDir() + "Lang_r\\0\\gfx_r\\wybor_cw_rozum_a.bmp";
  pictures.missing = {background};
  auto chooser = Chooser();
  for (int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    messages.messages.clear();
    chooser->OpenChooser(mode);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(pictures.WasRequested(background));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"brak info o cw - wygeneruj!"});
    ASSERT_EQ(chooser->List.LeftCount(), 2);  // every group, at 0
    EXPECT_EQ(chooser->List.RightCount(), 0);
    EXPECT_TRUE(chooser->Shape2->isVisible());
    EXPECT_FALSE(chooser->B_OK->isVisible());
    EXPECT_FALSE(chooser->cb_lekcje->isVisible()) << "a local user has no lessons";
    EXPECT_FALSE(chooser->grab().isNull());  // paints both lists in the mode
    chooser->close();
  }
}

TEST_F(LessonChooserWindowTest, ScrollingByTwoThenClickingRowOneOpensTheThirdEntry) {
  WriteResults();
  auto chooser = Chooser();
  chooser->OpenChooser(1);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(store.Count(), 23) << "the store is read from the user's file on showing";
  EXPECT_EQ(chooser->Shape2->geometry(), QRect(47, 76, 253, 16));
  EXPECT_EQ(chooser->shp_focus->geometry(), chooser->Shape2->geometry());
  EXPECT_TRUE(chooser->btn_dn->isVisible());
  EXPECT_FALSE(chooser->btn_up->isVisible());
  EXPECT_FALSE(chooser->L_btn_dn->isVisible());

  Click(*chooser->btn_dn);
  Click(*chooser->btn_dn);
  EXPECT_TRUE(chooser->btn_up->isVisible());
  EXPECT_FALSE(chooser->btn_dn->isVisible()) << "20 entries: the last is on the page";
  Mouse(*chooser->pb_paczki, QEvent::MouseButtonPress, QPointF(60, 3));
  EXPECT_EQ(chooser->Shape3->geometry(), RightRow(1));
  EXPECT_EQ(chooser->shp_focus->geometry(), RightRow(1));
  EXPECT_TRUE(chooser->B_OK->isVisible());
  EXPECT_EQ(chooser->lbl_info->text().trimmed(), QStringLiteral("t39"))
      << "the summary of a never-done item is its kind's name";

  Click(*chooser->B_OK);
  EXPECT_EQ(opened, std::vector<int>{3});
  EXPECT_EQ(store.CurrentResultName, "rpg_3");
  EXPECT_EQ(store.CurrentResultKind, 54);
  PressKey(*chooser, Qt::Key_Return);
  EXPECT_EQ(opened, (std::vector<int>{3, 3}));

  // A double click comes after the press of its first click.
  Mouse(*chooser->pb_paczki, QEvent::MouseButtonPress, QPointF(60, 18 + 3));
  Mouse(*chooser->pb_paczki, QEvent::MouseButtonRelease, QPointF(60, 18 + 3));
  Mouse(*chooser->pb_paczki, QEvent::MouseButtonDblClick, QPointF(60, 18 + 3));
  EXPECT_EQ(opened.back(), 4);
  EXPECT_EQ(store.CurrentResultName, "rpg_4");
}

TEST_F(LessonChooserWindowTest, TabAndArrowsMoveTheFocusAndTheSelection) {
  WriteResults();
  auto chooser = Chooser();
  chooser->OpenChooser(1);

  PressKey(*chooser, Qt::Key_Tab);
  EXPECT_EQ(chooser->shp_focus->geometry(), RightRow(1)) << "row 1 of the right list";
  PressKey(*chooser, Qt::Key_Down);
  PressKey(*chooser, Qt::Key_Down);
  PressKey(*chooser, Qt::Key_Up);
  EXPECT_EQ(chooser->Shape3->geometry(), RightRow(2));
  EXPECT_EQ(chooser->List.SelectedPosition(), 2);

  PressKey(*chooser, Qt::Key_Tab);
  EXPECT_EQ(chooser->shp_focus->geometry(), chooser->Shape2->geometry());
  EXPECT_TRUE(chooser->Shape3->isVisible()) << "the right selection stays";
  PressKey(*chooser, Qt::Key_Down);
  EXPECT_EQ(chooser->Shape2->geometry().top(), 76 + 18);
  EXPECT_EQ(chooser->List.RightCount(), 2) << "one text, one conversation";
  EXPECT_FALSE(chooser->Shape3->isVisible());
  EXPECT_FALSE(chooser->B_OK->isVisible());
  PressKey(*chooser, Qt::Key_Return);
  EXPECT_TRUE(opened.empty()) << "Enter opens only what OK would";
}

QStringList RowNames(QWidget& list) {
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&list);
  QStringList names;
  for (int i = 0; i < made->childCount(); ++i) names << made->child(i)->text(QAccessible::Name);
  return names;
}

TEST_F(LessonChooserWindowTest, ScreenReadersReadTheRowsShownAndChooseThemByTheirAction) {
  WriteResults();
  auto chooser = Chooser();
  chooser->OpenChooser(1);
  QAccessibleInterface* groups = QAccessible::queryAccessibleInterface(chooser->pb_dzialy2);
  EXPECT_EQ(groups->role(), QAccessible::List);
  EXPECT_EQ(groups->text(QAccessible::Name), QStringLiteral("Działy"));
  EXPECT_EQ(RowNames(*chooser->pb_dzialy2), QStringList({"Dom", "Miasto"}));
  EXPECT_TRUE(groups->child(0)->state().selected);
  const QStringList firstPage = RowNames(*chooser->pb_paczki);
  ASSERT_EQ(firstPage.size(), 18) << "a page of the twenty";
  EXPECT_EQ(firstPage.first(), QStringLiteral("Obrazek 01, poziom 1, jeszcze nie, obrazki"));

  // Scrolled by two, the first row shown is the third entry, and its action selects it.
  Click(*chooser->btn_dn);
  Click(*chooser->btn_dn);
  QAccessibleInterface* exercises = QAccessible::queryAccessibleInterface(chooser->pb_paczki);
  EXPECT_EQ(exercises->child(0)->text(QAccessible::Name),
            QStringLiteral("Obrazek 03, poziom 1, jeszcze nie, obrazki"));
  QAccessibleActionInterface* select = exercises->child(0)->actionInterface();
  ASSERT_NE(select, nullptr);
  select->doAction(select->actionNames().first());
  QApplication::processEvents();
  EXPECT_TRUE(exercises->child(0)->state().selected);
  EXPECT_TRUE(chooser->B_OK->isVisible());
  EXPECT_EQ(chooser->List.SelectedPosition(), 3);

  // The other group by its row's action: the right list follows.
  QAccessibleActionInterface* town = groups->child(1)->actionInterface();
  town->doAction(town->actionNames().first());
  QApplication::processEvents();
  EXPECT_EQ(RowNames(*chooser->pb_paczki),
            QStringList({"Rodzina, poziom 1, jeszcze nie, nagrany tekst",
                         "Rozmowa, poziom 1, jeszcze nie, rozmowa"}));
}

TEST_F(LessonChooserWindowTest, HelpFollowsTheMode) {
  auto chooser = Chooser();
  for (int mode : {1, 2}) {
    chooser->OpenChooser(mode);
    PressKey(*chooser, Qt::Key_F1);
    Click(*chooser->btn_help);
    chooser->close();
  }
  EXPECT_EQ(pages, (std::vector<std::string>{folder.ProgramDir() + "Htm_r\\h_comp.html",
                                             folder.ProgramDir() + "Htm_r\\h_stat.html"}));
  EXPECT_EQ(information, (std::vector<std::string>{"HH_t5", "HH_t6"}));
}

TEST_F(LessonChooserWindowTest, TheResultsModeOpensTheProgressWindowOverTheStore) {
  WriteResults();
  auto chooser = Chooser();
  chooser->OpenChooser(1);
  EXPECT_FALSE(chooser->btn_progress->isVisible());
  chooser->OpenChooser(2);
  ASSERT_TRUE(chooser->btn_progress->isVisible());
  EXPECT_FALSE(chooser->btn_progress->accessibleName().isEmpty());
  EXPECT_EQ(chooser->Progress(), nullptr);

  chooser->btn_progress->click();
  ProgressWindow* progress = chooser->Progress();
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  // The store as the chooser reloaded it: the groups in list order.
  ASSERT_EQ(progress->GroupFigures().size(), 2u);
  EXPECT_EQ(progress->GroupFigures()[0].Total, 20);
  EXPECT_EQ(progress->GroupFigures()[1].Total, 3);
  progress->close();
  chooser->btn_progress->click();
  EXPECT_EQ(chooser->Progress(), progress) << "one window, opened again";
}

TEST_F(LessonChooserWindowTest, ReactivationShowsTheNewScoreOnTheSameRow) {
  WriteResults();
  auto chooser = Chooser();
  chooser->OpenChooser(2);
  Click(*chooser->btn_dn);
  Mouse(*chooser->pb_paczki, QEvent::MouseButtonPress, QPointF(60, 18 * 3 + 3));
  ASSERT_EQ(chooser->List.SelectedPosition(), 5);
  PressKey(*chooser, Qt::Key_Return);
  ASSERT_EQ(opened, std::vector<int>{5});

  // The item's window records an attempt in the store and closes.
  RecordResult(store, 77, "rpg_5", 54, 0, 1, RecordContext{clock.now});
  const int hidden = mediaHidden;
  chooser->Reactivated();
  EXPECT_EQ(mediaHidden, hidden + 1);
  EXPECT_EQ(chooser->List.RightTop, 1);
  EXPECT_EQ(chooser->Shape3->geometry(), RightRow(4));
  EXPECT_TRUE(chooser->btn_up->isVisible()) << "the scroll buttons keep their state";
  EXPECT_EQ(chooser->List.RightItems[4].Percent, 77);
  EXPECT_TRUE(chooser->lbl_info->text().contains(QStringLiteral("77%")));
}

TEST_F(LessonChooserWindowTest, AClassroomUserChoosesBetweenLessonsAndTheWholeMaterial) {
  WriteResults();
  state.RunMode = 1;
  classroom.WholeMaterial = true;
  classroom.Lessons = {{"Lekcja pierwsza", {21, 23}}};
  classroom.Assignments = {{1, clock.now - 1, false, clock.now + 1}};
  auto chooser = Chooser();
  chooser->OpenChooser(1);
  EXPECT_TRUE(chooser->cb_lekcje->isVisible());
  EXPECT_TRUE(chooser->Label2->isVisible());
  ASSERT_EQ(chooser->List.LeftCount(), 1);
  EXPECT_EQ(chooser->List.RightCount(), 2);

  Click(*chooser->cb_caly_material);
  EXPECT_TRUE(chooser->List.WholeMaterialChosen);
  EXPECT_EQ(chooser->List.LeftCount(), 2);
  EXPECT_EQ(chooser->List.RightCount(), 20);
  Click(*chooser->cb_lekcje);
  EXPECT_EQ(chooser->List.LeftCount(), 1);

  // Once the assignment has run out the choice hides and the user is told.
  chooser->close();
  clock.now += 2;
  chooser->OpenChooser(1);
  EXPECT_FALSE(chooser->cb_lekcje->isVisible());
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_EQ(messages.messages.back(),
            "Nie ma żadnych zadanych dostępnych lekcji. Możesz pracowac na całym materiale");
  EXPECT_EQ(chooser->List.LeftCount(), 2) << "switched to the whole material";
}

}  // namespace
}  // namespace tess
