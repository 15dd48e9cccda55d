// The matching-pairs window as the learner meets it: the launcher opens it, labels are paired
// by clicks on the real labels, the check colours the rows and closing records the attempt.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "exercises/ExerciseLauncher.h"
#include "exercises/MatchingPairsWindow.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "support/ExerciseRig.h"
#include "support/TempFolder.h"
#include "widgets/PaintBox.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using Column = PairColumn;

void Click(QWidget* widget, QPoint at) { testing::ClickAt(widget, at); }

class MatchingPairsWindowTest : public testing::ExerciseRig {
 protected:
  MatchingPairsWindowTest() : ExerciseRig(5) {}

  void SetUp() override {
    SetUpInstallation();

    // The layout line is ignored by this kind: its numbers must move nothing.
    exercises_.Add({"a01_3#1#tlo_1#Hoer zu.#Pos\xB3uchaj.#Listen.#####",
                    "HH#Anna*a teacher#Mark*a nurse#Leo*six years old#Pepper*a cat#"
                    "Anna's mother*cooks lunch#Anna's father*plays in the garden#",
                    "300=300=300=300=300=300=300=300=300=300="});
    exercises_.Add({"a01_4#1#tlo_1#####", "HH#Anna*a teacher#", "=========="});
    ResultRecord record;
    record.Name = "tek_1";
    record.Kind = 43;
    record.Item = 3;
    results_.Append(record);
    results_.CurrentResultName = "tek_1";
    launcher_.OnExerciseClosed = [this] { ++closed_; };
    launcher_.OnShowHelpPage = [this](const std::string& page) { help_.push_back(page); };
  }

  MatchingPairsWindow& Window() {
    return *static_cast<MatchingPairsWindow*>(launcher_.WindowOfKind("HH"));
  }
  QLabel* LabelInRow(Column column, int row) {
    const int n = Window().Exercise().LabelInRow(column, row);
    return (column == Column::Left ? Window().lbl_L : Window().lbl_P)[static_cast<size_t>(n - 1)];
  }
  /// The right label that belongs to the left label standing in `row`.
  QLabel* PartnerOfRow(int row) {
    const MatchingPairs& exercise = Window().Exercise();
    const int pair = exercise.Label(Column::Left, exercise.LabelInRow(Column::Left, row)).Pair;
    for (int n = 1; n <= exercise.PairCount(); ++n) {
      if (exercise.Label(Column::Right, n).Pair == pair) {
        return Window().lbl_P[static_cast<size_t>(n - 1)];
      }
    }
    return nullptr;
  }
  static QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
  }

  int closed_ = 0;
  std::vector<std::string> help_;
};

TEST_F(MatchingPairsWindowTest, PairCheckAndCloseRecordsTheAttempt) {
  launcher_.BeginLesson({1}, {3}, 1, {-1, -1, -1, -1});
  MatchingPairsWindow& window = Window();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.objectName(), "TC_HForm");
  const MatchingPairs& exercise = window.Exercise();
  ASSERT_EQ(exercise.PairCount(), 6);
  EXPECT_FALSE(window.lbl_L[5]->isHidden());
  EXPECT_TRUE(window.lbl_L[6]->isHidden());
  EXPECT_FALSE(window.shp[14 + 5]->isHidden());
  EXPECT_TRUE(window.Shape[6]->isHidden());
  EXPECT_EQ(window.btn_media->pos(), QPoint(10, 10));
  EXPECT_EQ(window.pb_polecenie->geometry(), QRect(56, 105, 601, 93));
  EXPECT_EQ(window.pb_polecenie->objectName(), "PaintBox1");

  // Rows 1 to 4 get their partners: the right label clicked second moves into the row.
  for (int row = 1; row <= 4; ++row) {
    QLabel* partner = PartnerOfRow(row);
    Click(LabelInRow(Column::Left, row), QPoint(3, 3));
    EXPECT_EQ(TextColour(LabelInRow(Column::Left, row)), palette::kVerdictRed);
    Click(partner, QPoint(3, 3));
    EXPECT_EQ(partner->y(), MatchingPairs::RowTop(row));
    EXPECT_EQ(TextColour(partner), QColor(Qt::black));
  }
  EXPECT_EQ(waiter_.waits, std::vector<int>(8, 100));  // the chosen label shows red a moment
  // Rows 5 and 6 end wrong: if they happen to be right, their right labels change places.
  if (exercise.RowRight(5)) {
    Click(LabelInRow(Column::Right, 5), QPoint(3, 3));
    Click(LabelInRow(Column::Left, 6), QPoint(3, 3));
  }
  ASSERT_FALSE(exercise.RowRight(5) || exercise.RowRight(6));
  EXPECT_TRUE(exercise.ExerciseTouched());

  Click(window.btn_ok, QPoint(3, 3));
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  // No verdict line and no percentage for this kind.
  EXPECT_TRUE(window.lbl_komentarz->isHidden());
  EXPECT_TRUE(window.ptoc_panel->isHidden());
  EXPECT_EQ(exercise.GoodCount(), 4);
  for (int row = 1; row <= 6; ++row) {
    SCOPED_TRACE(row);
    const QColor expected = row <= 4 ? palette::kLeaf : palette::kVerdictRed;
    EXPECT_EQ(TextColour(LabelInRow(Column::Left, row)), expected);
    EXPECT_EQ(TextColour(LabelInRow(Column::Right, row)), expected);
    EXPECT_EQ(LabelInRow(Column::Right, row)->cursor().shape(), Qt::ArrowCursor);
  }
  // A wrong row shows the partner of its left label.
  const int leftOf6 = exercise.LabelInRow(Column::Left, 6);
  EXPECT_EQ(LabelInRow(Column::Right, 6)->text().toStdString(),
            exercise.RightAsWritten(exercise.Label(Column::Left, leftOf6).Pair));
  // Frozen after the check.
  Click(LabelInRow(Column::Left, 1), QPoint(3, 3));
  Click(LabelInRow(Column::Right, 6), QPoint(3, 3));
  EXPECT_EQ(exercise.Selected(Column::Left), 0);
  EXPECT_EQ(exercise.GoodCount(), 4);

  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &f1);
  EXPECT_EQ(help_, std::vector<std::string>{state_.Install.ProgramDir + "Htm_r\\h_8_crz.html"});

  window.lbl_exitClick();
  EXPECT_EQ(closed_, 1);
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Kind, 43);
  EXPECT_EQ(saved.Item, 3);
  EXPECT_EQ(saved.Score, 67);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(MatchingPairsWindowTest, AClickDuringThePauseAndContentThatCannotBeShown) {
  launcher_.BeginLesson({1}, {3}, 1, {-1, -1, -1, -1});
  MatchingPairsWindow& window = Window();
  const MatchingPairs& exercise = window.Exercise();
  // The check pressed while the second label of a pairing still shows red: nothing moves
  // after it, and no label stays red.
  QLabel* right = LabelInRow(Column::Right, 2);
  Click(LabelInRow(Column::Left, 1), QPoint(3, 3));
  waiter_.duringWait = [&](int) {
    waiter_.duringWait = nullptr;
    Click(window.btn_ok, QPoint(3, 3));
  };
  Click(right, QPoint(3, 3));
  EXPECT_TRUE(exercise.ExerciseChecked());
  EXPECT_EQ(right->y(), MatchingPairs::RowTop(2));
  EXPECT_EQ(exercise.Selected(Column::Left) + exercise.Selected(Column::Right), 0);

  // "Jeszcze raz" starts afresh.
  window.lbl_jeszcze_razClick();
  EXPECT_FALSE(exercise.ExerciseChecked() || exercise.ExerciseTouched());
  EXPECT_FALSE(window.btn_ok->isHidden());
  EXPECT_EQ(TextColour(window.lbl_L[0]), QColor(Qt::black));

  // One pair only: refused with a message; nothing to click, no check button.
  results_.Append([] {
    ResultRecord record;
    record.Name = "tek_1";
    record.Kind = 43;
    record.Item = 4;
    return record;
  }());
  launcher_.BeginLesson({1, 2}, {3, 4}, 1, {-1, -1, -1, -1});
  launcher_.OpenExerciseTab(2);
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(exercise.PairCount(), 0);
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_TRUE(window.lbl_L[0]->isHidden());
  EXPECT_TRUE(window.shp[0]->isHidden());
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_NE(messages_.messages.back().find("mniej ni\xC5\xBC 2 pary"), std::string::npos)
      << messages_.messages.back();
}

// The French course writes its French side in cp1252: 0xE8 is "è" there ("č" in cp1250), while
// the Polish instruction stays cp1250.
TEST_F(MatchingPairsWindowTest, TheFrenchCourseShowsItsLettersInTheirCodePage) {
  state_.Install.CourseLanguage = 3;
  exercises_.Add(
      {"f01_1#1#tlo_1#H\xF6r zu.#Po\xB3\xB9"
       "cz w pary.#Match.#####",
       "HH#tr\xE8s*tr\xE8s bien#o\xF9*l\xE0-bas#", "=========="});
  results_.Append([] {
    ResultRecord record;
    record.Name = "tek_1";
    record.Kind = 43;
    record.Item = 5;
    return record;
  }());
  launcher_.BeginLesson({3}, {5}, 1, {-1, -1, -1, -1});
  MatchingPairsWindow& window = Window();
  QStringList shown;
  for (int n = 1; n <= 2; ++n) {
    shown << window.lbl_L[static_cast<size_t>(n - 1)]->text()
          << window.lbl_P[static_cast<size_t>(n - 1)]->text();
  }
  shown.sort();
  EXPECT_EQ(shown, QStringList({QStringLiteral("l\u00E0-bas"), QStringLiteral("o\u00F9"),
                                QStringLiteral("tr\u00E8s"), QStringLiteral("tr\u00E8s bien")}));
}

}  // namespace
}  // namespace tess
