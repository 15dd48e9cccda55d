// The exercise windows as the learner meets them: the launcher opens a text's lesson, the
// multiple-choice window is answered, checked and closed, and the results file holds it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollArea>

#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "exercises/ExerciseLauncher.h"
#include "exercises/MultipleChoiceWindow.h"
#include "exercises/TrueFalseWindow.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "support/ExerciseRig.h"
#include "support/TempFolder.h"
#include "widgets/HoverLabel.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

void Click(QWidget* widget, QPoint at) { testing::ClickAt(widget, at); }

std::string Header(int text) {
  return "x#" + std::to_string(text) + "#tlo_" + std::to_string(text) +
         "#Hoer zu.#Pos\xB3uchaj.#Listen.#####";
}

class ExerciseWindowTest : public testing::ExerciseRig {
 protected:
  ExerciseWindowTest() : ExerciseRig(7) {}

  void SetUp() override {
    SetUpInstallation();
    std::filesystem::create_directories(folder_ / "Hdd/Teksty_wav");
    testing::WriteBytes(folder_ / "Hdd/Teksty_wav/3.wav", "RIFF");

    exercises_.Add({Header(3),
                    "MC#Who?=T_Anna.=Mark.#Where?=Bath.=T_Bristol.=Leeds.#"
                    "When?=T_Now.=Later.#",
                    "=========="});
    exercises_.Add({Header(3), "ZZ#unknown kind#", "=========="});
    exercises_.Add({Header(3), "MC#Broken?=T_Yes.=No.", "=========="});
    exercises_.Add({Header(3),
                    "TF#Prawda#True#Richtig#Fa\xB3sz#False#Falsch#T_Anna is 32.#"
                    "Mark is 40.#T_Leo is her son.#",
                    "=========="});
    // Eighteen statements of two lines each under a four-line instruction.
    std::string statements = "TF#Prawda#True#Richtig#Fa\xB3sz#False#Falsch#";
    for (int i = 1; i <= 18; ++i) {
      statements += (i % 2 ? "T_" : "") + std::string("Statement ") + std::to_string(i) +
                    " says that the speaker went to the market on Saturday morning and bought "
                    "some bread, apples and cheese for the family.#";
    }
    std::string instruction;
    for (int i = 0; i < 40; ++i) instruction += "Listen and decide. ";
    exercises_.Add(
        {"x#3#tlo_3##" + instruction + "#" + instruction + "#####", statements, "=========="});
    for (int item = 1; item <= 5; ++item) {
      ResultRecord record;
      record.Name = "tek_3";
      record.Kind = item == 1 ? 40 : item == 2 ? 44 : item == 3 ? 40 : 41;
      record.Item = static_cast<std::uint8_t>(item);
      results_.Append(record);
    }
    results_.CurrentResultName = "tek_3";
    launcher_.OnExerciseClosed = [this] { ++closed_; };
    launcher_.OnShowHelpPage = [this](const std::string& page) { help_.push_back(page); };
  }

  MultipleChoiceWindow& McWindow() {
    return *static_cast<MultipleChoiceWindow*>(launcher_.WindowOfKind("MC"));
  }

  void Begin() { launcher_.BeginLesson({1, 2, 3}, {1, 2, 3}, 2, {-1, -1, -1, -1}); }

  /// Clicks answer `part` (2..) of question `q` where the window drew it.
  void Tick(int q, int part) {
    MultipleChoiceWindow& window = McWindow();
    window.pb_tresc->grab();  // a paint lays the list out
    const ChoiceAnswer& answer = window.Exercise().Question(q).Answer[part - 1];
    Click(window.pb_tresc, QPoint(answer.Left + 2, answer.Top + 2));
  }
  int RightPart(int q) { return McWindow().Exercise().Question(q).RightPart; }
  int WrongPart(int q) { return RightPart(q) == 2 ? 3 : 2; }

  int closed_ = 0;
  std::vector<std::string> help_;
};

TEST_F(ExerciseWindowTest, AnswerCheckAndCloseRecordsTheAttempt) {
  Begin();
  MultipleChoiceWindow& window = McWindow();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_TRUE(window.isVisible());
  // The recording opens in the media window at once; the film button hides.
  EXPECT_TRUE(media_.isVisible());
  EXPECT_TRUE(window.btn_media->isHidden());
  EXPECT_TRUE(pictures_.WasRequested(state_.Install.MediaDir + "teksty\\tlo_3.jpg"));
  // One tab icon per exercise of the text, the shown one in its own picture, hinted by kind.
  EXPECT_TRUE(pictures_.WasRequested(state_.Install.ProgramDir + "\\but_r\\zakl\\_1a.bmp"));
  EXPECT_TRUE(pictures_.WasRequested(state_.Install.ProgramDir + "\\but_r\\zakl\\_2.bmp"));
  EXPECT_FALSE(window.MImage[2]->isHidden());
  EXPECT_TRUE(window.MImage[3]->isHidden());

  Tick(1, RightPart(1));
  Tick(2, WrongPart(2));
  Tick(2, RightPart(2));  // one answer per question: the last click wins
  Tick(3, WrongPart(3));
  EXPECT_TRUE(window.Exercise().ExerciseTouched());
  EXPECT_TRUE(window.lbl_proc->isHidden());

  Click(window.btn_ok, QPoint(3, 3));
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_FALSE(window.ptoc_panel->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "67");
  EXPECT_EQ(window.lbl_komentarz->text(), "T65");
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  // Frozen after the check.
  Tick(3, RightPart(3));
  EXPECT_EQ(window.Exercise().GoodCount(), 2);

  clock_.Advance(60000);
  window.lbl_exitClick();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(media_.isVisible());
  EXPECT_EQ(closed_, 1);
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Score, 67);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
  EXPECT_DOUBLE_EQ(saved.LastDate, clock_.now);
}

TEST_F(ExerciseWindowTest, ScreenReadersReadTheQuestionsAndTickAnswers) {
  Begin();
  MultipleChoiceWindow& window = McWindow();
  window.pb_tresc->grab();
  QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(window.pb_tresc);
  ASSERT_NE(pane, nullptr);
  // Each question, then its answers as choices in the order shown.
  const MultipleChoice& exercise = window.Exercise();
  QStringList names;
  for (int i = 0; i < pane->childCount(); ++i) names << pane->child(i)->text(QAccessible::Name);
  ASSERT_EQ(names.size(), 3 + 2 + 3 + 2);
  EXPECT_EQ(names[0], "Who?");
  EXPECT_EQ(names[3], "Where?");
  EXPECT_EQ(pane->child(0)->role(), QAccessible::StaticText);
  const int right = 1 + RightPart(1) - 2;  // the row of question 1's right answer
  EXPECT_EQ(names[right], "Anna.");
  QAccessibleInterface* anna = pane->child(right);
  EXPECT_EQ(anna->role(), QAccessible::RadioButton);
  EXPECT_FALSE(anna->state().checked);

  // A press ticks it as a click does; a wrong one for question 3 by the mouse.
  anna->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  EXPECT_TRUE(exercise.Question(1).Answer[RightPart(1) - 1].Ticked);
  EXPECT_TRUE(anna->state().checked);
  Tick(3, WrongPart(3));
  Click(window.btn_ok, QPoint(3, 3));
  window.pb_tresc->grab();
  EXPECT_EQ(anna->text(QAccessible::Description), "dobrze");
  const int wrong = 3 + 1 + 3 + 1 + WrongPart(3) - 2;
  EXPECT_TRUE(pane->child(wrong)->state().checked);
  EXPECT_EQ(pane->child(wrong)->text(QAccessible::Description), QString::fromUtf8("źle"));
  // An answer left unticked gets no verdict.
  EXPECT_EQ(pane->child(4)->text(QAccessible::Description).isEmpty(),
            !exercise.Question(2).Answer[1].Ticked);
}

TEST_F(ExerciseWindowTest, AgainStartsAFreshAttempt) {
  Begin();
  MultipleChoiceWindow& window = McWindow();
  Click(window.btn_ok, QPoint(3, 3));
  EXPECT_EQ(window.lbl_proc->text(), "0");
  window.lbl_jeszcze_razClick();
  EXPECT_FALSE(window.btn_ok->isHidden());
  EXPECT_TRUE(window.ptoc_panel->isHidden());
  EXPECT_FALSE(window.Exercise().ExerciseChecked());
  Tick(1, RightPart(1));
  EXPECT_TRUE(window.Exercise().Question(1).Answer[RightPart(1) - 1].Ticked);
}

TEST_F(ExerciseWindowTest, TabsSwitchRecordOnlyTouchedExercises) {
  Begin();
  // An untouched exercise is not recorded, but the file is written.
  launcher_.OpenExerciseTab(3);
  EXPECT_EQ(SavedResults().At(1).Attempts, 0);
  // Content the window cannot show: a message, no list, no check button; same window reused.
  MultipleChoiceWindow& window = McWindow();
  EXPECT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.Exercise().QuestionCount(), 0);
  EXPECT_TRUE(window.btn_ok->isHidden());
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_NE(messages_.messages.back().find("#"), std::string::npos);

  launcher_.OpenExerciseTab(1);
  Tick(1, RightPart(1));
  // A kind without a window says so and leaves the exercise at hand open and as it was.
  const size_t shown = messages_.messages.size();
  launcher_.OpenExerciseTab(2);
  EXPECT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(closed_, 0);
  ASSERT_EQ(messages_.messages.size(), shown + 1);
  EXPECT_NE(messages_.messages.back().find("\"ZZ\""), std::string::npos);
  EXPECT_EQ(launcher_.Lesson().CurrentTab, 1);
  // Leaving it for another tab records the touched exercise unchecked.
  launcher_.OpenExerciseTab(3);
  EXPECT_EQ(launcher_.CurrentExerciseWindow(), &window);
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Score, 0);
  EXPECT_EQ(saved.Finished, 0);
}

TEST_F(ExerciseWindowTest, TrueFalseTickCheckAndClose) {
  state_.InterfaceLanguage = 1;
  launcher_.BeginLesson({4}, {4}, 2, {-1, -1, -1, -1});
  auto& window = *static_cast<TrueFalseWindow*>(launcher_.WindowOfKind("TF"));
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.Exercise().TrueHeading(), "True");
  EXPECT_EQ(window.Exercise().FalseHeading(), "False");
  window.pb_tresc->grab();  // a paint places the boxes
  const auto tick = [&](int row, bool trueColumn) {
    const StatementRow& r = window.Exercise().Row(row);
    Click(window.pb_tresc,
          QPoint(TrueFalseWindow::kMarkMargin + (trueColumn ? r.TrueLeft : r.FalseLeft) + 8,
                 r.BoxTop + 8));
  };
  // Row 1 right after changing its mind, row 2 wrong, row 3 left empty.
  tick(1, !window.Exercise().Row(1).IsTrue);
  tick(1, window.Exercise().Row(1).IsTrue);
  tick(2, !window.Exercise().Row(2).IsTrue);
  EXPECT_TRUE(window.Exercise().ExerciseTouched());

  Click(window.btn_ok, QPoint(3, 3));
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "33");
  EXPECT_EQ(window.lbl_komentarz->text(), "T75");
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  EXPECT_TRUE(window.Exercise().Row(3).Exclamation);
  // Frozen after the check.
  tick(2, window.Exercise().Row(2).IsTrue);
  EXPECT_EQ(window.Exercise().GoodCount(), 1);

  window.lbl_jeszcze_razClick();
  window.pb_tresc->grab();
  for (int row = 1; row <= 3; ++row) tick(row, window.Exercise().Row(row).IsTrue);
  Click(window.btn_ok, QPoint(3, 3));
  EXPECT_EQ(window.lbl_proc->text(), "100");
  EXPECT_EQ(window.lbl_komentarz->text(), "T74");

  window.lbl_exitClick();
  EXPECT_EQ(closed_, 1);
  const ResultRecord saved = SavedResults().At(4);
  EXPECT_EQ(saved.Kind, 41);
  EXPECT_EQ(saved.Score, 100);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(ExerciseWindowTest, TrueFalseShowsEveryStatementUnderALongInstruction) {
  for (int language : {1, 3}) {
    SCOPED_TRACE(language);
    state_.InterfaceLanguage = language;
    state_.LangDir = "Lang_r\\1\\";
    launcher_.BeginLesson({5}, {5}, 1, {-1, -1, -1, -1});
    auto& window = *static_cast<TrueFalseWindow*>(launcher_.WindowOfKind("TF"));
    ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
    const TrueFalse& exercise = window.Exercise();
    ASSERT_EQ(exercise.StatementCount(), 18);

    // The instruction box holds its lines and the content starts below them.
    const int lines = window.pb_polecenie->height() / 18;
    EXPECT_GE(lines, 4);
    EXPECT_GE(window.sb_tresc->y(), window.pb_polecenie->geometry().bottom());
    // The verdict keeps the place it has under a two-line instruction: over the last line's
    // descenders at most.
    EXPECT_GE(window.lbl_komentarz->y(), window.pb_polecenie->y() + 18 * lines - 3);
    // The content is as high as its rows; the window scrolls to the last one.
    EXPECT_GE(window.pb_tresc->height(), exercise.ContentHeight());
    EXPECT_LT(window.sb_tresc->height(), exercise.ContentHeight());
    EXPECT_LE(window.sb_tresc->geometry().right(), 699);
    const StatementRow& last = exercise.Row(18);
    EXPECT_GT(last.BoxTop + TrueFalse::kBoxSize, window.sb_tresc->height());
    window.sb_tresc->ensureVisible(0, last.BoxTop + TrueFalse::kBoxSize);
    const QPoint onScreen =
        window.pb_tresc->mapTo(window.sb_tresc->viewport(), QPoint(last.TrueLeft, last.BoxTop));
    EXPECT_LE(onScreen.y() + TrueFalse::kBoxSize, window.sb_tresc->viewport()->height());
    // The two columns never overlap, whatever the headings.
    EXPECT_GE(last.FalseLeft - last.TrueLeft, 2 * TrueFalse::kBoxSize);

    for (int row = 1; row <= 18; ++row) {
      const StatementRow& r = exercise.Row(row);
      Click(window.pb_tresc, QPoint(TrueFalseWindow::kMarkMargin + r.TrueLeft + 8, r.BoxTop + 8));
    }
    Click(window.btn_ok, QPoint(3, 3));
    EXPECT_EQ(exercise.GoodCount(), 9);
    // The marks beside the boxes lie inside the content box.
    EXPECT_GE(TrueFalseWindow::kMarkMargin + TrueFalse::kMarkLeft, 0);
    window.lbl_exitClick();
  }
}

TEST_F(ExerciseWindowTest, HelpKeyAndFilmButton) {
  launcher_.BeginLesson({1}, {1}, 1, {0, 5000, -1, -1});
  MultipleChoiceWindow& window = McWindow();
  EXPECT_FALSE(window.btn_media->isHidden());
  EXPECT_FALSE(media_.isVisible());
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &f1);
  EXPECT_EQ(help_, std::vector<std::string>{state_.Install.ProgramDir + "Htm_r\\h_comp.html#mc"});
}

}  // namespace
}  // namespace tess
