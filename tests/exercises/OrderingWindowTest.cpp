// The ordering window as the learner meets it: the launcher opens it, items are dragged with
// the mouse through the real labels, the check shows the solution and closing records it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <vector>

#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "exercises/ExerciseLauncher.h"
#include "exercises/OrderingWindow.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "support/ExerciseRig.h"
#include "support/TempFolder.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::ClickAt;

class OrderingWindowTest : public testing::ExerciseRig {
 protected:
  OrderingWindowTest() : ExerciseRig(11) {}

  void SetUp() override {
    SetUpInstallation();

    exercises_.Add({"a03_2#3#tlo_3#Hoer zu.#Pos\xB3uchaj.#Listen.#####",
                    "DV#They took a train.*1#They saw the river.*2#They had lunch.*3#"
                    "It started to rain.*4#Kasia fell asleep.*5#",
                    "=========="});
    exercises_.Add({"a03_3#3#tlo_3#####", "DV#a*1#b*1#", "=========="});
    ResultRecord record;
    record.Name = "tek_3";
    record.Kind = 46;
    record.Item = 2;
    results_.Append(record);
    results_.CurrentResultName = "tek_3";
    launcher_.OnExerciseClosed = [this] { ++closed_; };
  }

  OrderingWindow& Window() { return *static_cast<OrderingWindow*>(launcher_.WindowOfKind("DV")); }
  QLabel* LabelInRow(int row) {
    return Window().lbl[static_cast<size_t>(Window().Exercise().ItemInRow(row) - 1)];
  }
  /// The middle of a row, in window pixels.
  QPoint RowPoint(int row) {
    const Ordering& exercise = Window().Exercise();
    return {exercise.ColumnLeft() + exercise.ColumnWidth() / 2,
            exercise.ColumnTop() + Ordering::kRowHeight * row - 12};
  }

  /// Presses on `label`, moves the pointer to `to` (window pixels) in three steps and lets go
  /// there; `whileHeld` looks at the window before the release.
  void Drag(QLabel* label, QPoint to, const std::function<void()>& whileHeld = {}) {
    testing::DragLabel(Window(), label, to, whileHeld);
  }

  void ExpectLabelsInTheirRows() {
    const Ordering& exercise = Window().Exercise();
    for (int k = 1; k <= exercise.ItemCount(); ++k) {
      const Point slot = exercise.Slot(k, exercise.CurrentRow(k));
      EXPECT_EQ(Window().lbl[static_cast<size_t>(k - 1)]->pos(), QPoint(slot.X, slot.Y)) << k;
    }
  }

  int closed_ = 0;
};

TEST_F(OrderingWindowTest, DragCheckAndCloseRecordsTheAttempt) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  OrderingWindow& window = Window();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  const Ordering& exercise = window.Exercise();
  ASSERT_EQ(exercise.ItemCount(), 5);
  EXPECT_FALSE(window.lbl[4]->isHidden());
  EXPECT_TRUE(window.lbl[5]->isHidden());
  ExpectLabelsInTheirRows();

  // While held, the label is in front and its centre follows the pointer; over the panel it
  // stays where it was; let go there, it goes back to its row.
  QLabel* first = LabelInRow(1);
  const std::string firstText = exercise.Text(exercise.ItemInRow(1));
  Drag(first, RowPoint(3), [&] {
    EXPECT_EQ(first->pos(), RowPoint(3) - QPoint(first->width() / 2, first->height() / 2));
    EXPECT_EQ(window.childAt(RowPoint(3)), first);
  });
  EXPECT_EQ(exercise.Text(exercise.ItemInRow(3)), firstText);
  ExpectLabelsInTheirRows();
  EXPECT_TRUE(exercise.ExerciseTouched());
  QLabel* third = LabelInRow(3);
  const QPoint rested = third->pos();
  Drag(third, QPoint(750, 300), [&] { EXPECT_LT(third->x() + third->width() / 2, 700); });
  EXPECT_EQ(third->pos(), rested);
  EXPECT_EQ(exercise.Text(exercise.ItemInRow(3)), firstText);

  // Put every item in its row, top to bottom, then spoil the first three: 2 of 5 right.
  for (int row = 1; row <= 5; ++row) {
    for (int k = 1; k <= 5; ++k) {
      if (exercise.TargetRow(k) == row && exercise.CurrentRow(k) != row) {
        Drag(window.lbl[static_cast<size_t>(k - 1)], RowPoint(row));
      }
    }
  }
  for (int row = 1; row <= 5; ++row) EXPECT_EQ(exercise.TargetRow(exercise.ItemInRow(row)), row);
  Drag(LabelInRow(1), RowPoint(3));
  ExpectLabelsInTheirRows();

  ClickAt(window.btn_ok, QPoint(3, 3));
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "40");
  EXPECT_EQ(window.lbl_komentarz->text(), "T73");
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  // Marks beside rows 1 to 3, hinted with the item standing there; the labels show the
  // solution and no longer move.
  for (int row = 1; row <= 5; ++row) {
    QLabel* mark = window.img[static_cast<size_t>(row - 1)];
    EXPECT_EQ(mark->isVisible(), row <= 3) << row;
  }
  EXPECT_EQ(window.img[2]->toolTip(),
            Qt::convertFromPlainText(QString::fromStdString(exercise.Text(exercise.ItemInRow(3)))));
  for (int k = 1; k <= 5; ++k) {
    const Point solution = exercise.Slot(k, exercise.TargetRow(k));
    EXPECT_EQ(window.lbl[static_cast<size_t>(k - 1)]->pos(), QPoint(solution.X, solution.Y));
  }
  QLabel* frozen = window.lbl[0];
  const QPoint before = frozen->pos();
  Drag(frozen, RowPoint(5));
  EXPECT_EQ(frozen->pos(), before);
  EXPECT_EQ(exercise.GoodCount(), 2);

  window.lbl_exitClick();
  EXPECT_EQ(closed_, 1);
  EXPECT_TRUE(window.img[0]->isHidden());
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Kind, 46);
  EXPECT_EQ(saved.Item, 2);
  EXPECT_EQ(saved.Score, 40);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(OrderingWindowTest, BadContentIsRefusedAndAgainStartsAfresh) {
  launcher_.BeginLesson({2, 1}, {2, 2}, 1, {-1, -1, -1, -1});
  OrderingWindow& window = Window();
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_NE(messages_.messages.back().find("ten sam numer wiersza 1"), std::string::npos);
  EXPECT_EQ(window.Exercise().ItemCount(), 0);
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_TRUE(window.lbl[0]->isHidden());

  launcher_.OpenExerciseTab(2);
  Drag(LabelInRow(2), RowPoint(1));
  ClickAt(window.btn_ok, QPoint(3, 3));
  window.lbl_jeszcze_razClick();
  EXPECT_FALSE(window.btn_ok->isHidden());
  EXPECT_TRUE(window.ptoc_panel->isHidden());
  EXPECT_FALSE(window.Exercise().ExerciseTouched());
  for (QLabel* mark : window.img) EXPECT_TRUE(mark->isHidden());
  ExpectLabelsInTheirRows();
}

TEST_F(OrderingWindowTest, KeysMoveAnItemToARowAsTheMouseDoes) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  const Ordering& exercise = Window().Exercise();
  const auto order = [&] {
    std::vector<int> items;
    for (int row = 1; row <= exercise.ItemCount(); ++row) items.push_back(exercise.ItemInRow(row));
    return items;
  };
  const auto key = [](QWidget* widget, int code) {
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  const std::vector<int> before = order();
  QLabel* fourth = LabelInRow(4);
  Drag(fourth, RowPoint(2));
  const std::vector<int> byMouse = order();
  ASSERT_NE(byMouse, before);
  Drag(fourth, RowPoint(4));
  ASSERT_EQ(order(), before);

  // By keys the item starts at its own row; each row is named by its number and its item.
  key(fourth, Qt::Key_Space);
  EXPECT_TRUE(fourth->accessibleDescription().startsWith("4. "));
  key(fourth, Qt::Key_Up);
  key(fourth, Qt::Key_Up);
  EXPECT_EQ(fourth->accessibleDescription(), "2. " + LabelInRow(2)->text());
  key(fourth, Qt::Key_Return);
  EXPECT_EQ(order(), byMouse);
  ExpectLabelsInTheirRows();
}

}  // namespace
}  // namespace tess
