// The definitions window as the learner meets it: the launcher opens it, words are dragged
// with the mouse through the real labels into the boxes, the check marks the wrong boxes with
// their hints and closing records the attempt.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QTextDocument>
#include <QToolTip>
#include <vector>

#include "exercises/DefinitionsWindow.h"
#include "support/ExerciseRig.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

using testing::ClickAt;
using testing::SendMouse;

class DefinitionsWindowTest : public testing::ExerciseRig {
 protected:
  DefinitionsWindowTest() : ExerciseRig(7) {}

  void SetUp() override {
    SetUpInstallation();
    exercises_.Add({"a04_2#4#tlo_4#Ordne zu.#Dopasuj.#Match.#####",
                    "DF#hut*a small, simple wooden house#stove*you burn wood in it to heat a "
                    "room or to cook#path*a narrow way for walking in the hills#view*everything "
                    "you can see from a high place#",
                    "=========="});
    exercises_.Add({"a04_3#4#tlo_4#####", "DF#hut*a small house#stove#", "=========="});
    ResultRecord record;
    record.Name = "tek_4";
    record.Kind = 45;
    record.Item = 2;
    results_.Append(record);
    results_.CurrentResultName = "tek_4";
    launcher_.OnExerciseClosed = [this] { ++closed_; };
  }

  DefinitionsWindow& Window() {
    return *static_cast<DefinitionsWindow*>(launcher_.WindowOfKind("DF"));
  }
  /// The label showing the word of definition `row`.
  QLabel* LabelOfRow(int row) {
    const Definitions& exercise = Window().Exercise();
    for (int k = 1; k <= exercise.PairCount(); ++k) {
      if (exercise.PairOfLabel(k) == row) return Window().lbl[static_cast<size_t>(k - 1)];
    }
    return nullptr;
  }
  QPoint BoxCentre(int row) {
    return Window().podkl[static_cast<size_t>(row - 1)]->geometry().center();
  }

  /// Presses on `label`, moves the pointer to `to` (window pixels) in three steps and lets go
  /// there; `whileHeld` looks at the window before the release.
  void Drag(QLabel* label, QPoint to, const std::function<void()>& whileHeld = {}) {
    testing::DragLabel(Window(), label, to, whileHeld);
  }

  /// Every label where the exercise rests it.
  void ExpectLabelsAtRest() {
    const Definitions& exercise = Window().Exercise();
    for (int k = 1; k <= exercise.PairCount(); ++k) {
      const Point rest = exercise.Board().RestingAt(k);
      EXPECT_EQ(Window().lbl[static_cast<size_t>(k - 1)]->pos(), QPoint(rest.X, rest.Y)) << k;
    }
  }

  int closed_ = 0;
};

TEST_F(DefinitionsWindowTest, DragCheckAndCloseRecordsTheAttempt) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  DefinitionsWindow& window = Window();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.objectName(), "TC_DefForm");
  const Definitions& exercise = window.Exercise();
  ASSERT_EQ(exercise.PairCount(), 4);
  EXPECT_TRUE(messages_.messages.empty());
  for (int i = 1; i <= Definitions::kMaxPairs; ++i) {
    const size_t at = static_cast<size_t>(i - 1);
    EXPECT_EQ(window.lbl[at]->isVisible(), i <= 4) << i;
    EXPECT_EQ(window.podkl[at]->isVisible(), i <= 4) << i;
    EXPECT_EQ(window.mys[at]->isVisible(), i <= 4) << i;
  }
  // Boxes, dashes and the definitions' frame stand where the exercise laid them out.
  const DefinitionBox tall = exercise.Box(2);
  EXPECT_EQ(window.podkl[1]->geometry(), QRect(tall.Left, tall.Top, tall.Width, tall.Height));
  EXPECT_EQ(window.mys[1]->pos(), QPoint(exercise.Dash(2).X, exercise.Dash(2).Y));
  const DefinitionBox frame = exercise.Frame();
  EXPECT_EQ(window.DxRamka->geometry(), QRect(frame.Left, frame.Top, frame.Width, frame.Height));
  EXPECT_FALSE(window.btn_sprawdz->isHidden());
  ExpectLabelsAtRest();

  // While held, the label is in front and its centre follows the pointer; let go over the
  // panel, it goes back to the pool.
  QLabel* hut = LabelOfRow(1);
  Drag(hut, BoxCentre(1), [&] {
    EXPECT_EQ(hut->pos(), BoxCentre(1) - QPoint(hut->width() / 2, hut->height() / 2));
    EXPECT_EQ(window.childAt(BoxCentre(1)), hut);
  });
  ASSERT_NE(exercise.LabelInBox(1), 0);
  EXPECT_EQ(window.lbl[static_cast<size_t>(exercise.LabelInBox(1) - 1)], hut);
  EXPECT_TRUE(exercise.ExerciseTouched());
  ExpectLabelsAtRest();
  QLabel* stove = LabelOfRow(2);
  const QPoint home = stove->pos();
  Drag(stove, QPoint(750, 300), [&] { EXPECT_LT(stove->geometry().center().x(), 700); });
  EXPECT_EQ(stove->pos(), home);

  // A word dropped on the full box goes home and leaves the box as it was.
  Drag(stove, BoxCentre(1));
  EXPECT_EQ(stove->pos(), home);
  EXPECT_EQ(window.lbl[static_cast<size_t>(exercise.LabelInBox(1) - 1)], hut);

  // Three right, the word of row 4 left in the pool.
  Drag(stove, BoxCentre(2));
  Drag(LabelOfRow(3), BoxCentre(3));
  ExpectLabelsAtRest();

  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  EXPECT_TRUE(window.btn_sprawdz->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "75");
  EXPECT_EQ(window.lbl_komentarz->text(), "T71");
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(window.img[static_cast<size_t>(row - 1)]->isVisible(), row == 4) << row;
  }
  QLabel* mark = window.img[3];
  const DefinitionBox empty = exercise.Box(4);
  EXPECT_EQ(mark->pos(), QPoint(empty.Left + empty.Width - 6, empty.Top + (empty.Height - 18) / 2));
  EXPECT_EQ(mark->toolTip(), Qt::convertFromPlainText("-"));
  // Every word shows in its own box, in front of the marks, and no longer moves.
  QLabel* view = LabelOfRow(4);
  EXPECT_EQ(window.childAt(BoxCentre(4)), view);
  ExpectLabelsAtRest();
  const QPoint solved = view->pos();
  Drag(view, BoxCentre(1));
  EXPECT_EQ(view->pos(), solved);
  EXPECT_EQ(exercise.GoodCount(), 3);

  // In the active window the mark's hint comes up, to stay 20 seconds, and closing takes it
  // down. The offscreen platform activates no window by itself.
  EXPECT_EQ(mark->toolTipDuration(), 20000);
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(window.isActiveWindow());
  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), mark->mapToGlobal(QPoint(5, 5)));
  EXPECT_TRUE(QCoreApplication::sendEvent(mark, &help));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), mark->toolTip());

  window.lbl_exitClick();
  QApplication::setActiveWindow(nullptr);
  EXPECT_EQ(closed_, 1);
  EXPECT_FALSE(QToolTip::isVisible());
  for (QLabel* picture : window.img) EXPECT_TRUE(picture->isHidden());
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Kind, 45);
  EXPECT_EQ(saved.Item, 2);
  EXPECT_EQ(saved.Score, 75);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(DefinitionsWindowTest, BadContentIsRefusedAndAgainStartsAfresh) {
  launcher_.BeginLesson({2, 1}, {2, 2}, 1, {-1, -1, -1, -1});
  DefinitionsWindow& window = Window();
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_NE(messages_.messages.back().find("para 2: brak znaku *"), std::string::npos)
      << messages_.messages.back();
  EXPECT_EQ(window.Exercise().PairCount(), 0);
  EXPECT_TRUE(window.btn_sprawdz->isHidden());
  EXPECT_TRUE(window.lbl[0]->isHidden());
  EXPECT_TRUE(window.podkl[0]->isHidden());
  EXPECT_TRUE(window.DxRamka->isHidden());

  launcher_.OpenExerciseTab(2);
  ASSERT_EQ(window.Exercise().PairCount(), 4);
  Drag(LabelOfRow(2), BoxCentre(1));
  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  EXPECT_FALSE(window.img[0]->isHidden());
  window.lbl_jeszcze_razClick();
  EXPECT_FALSE(window.btn_sprawdz->isHidden());
  EXPECT_TRUE(window.ptoc_panel->isHidden());
  EXPECT_FALSE(window.Exercise().ExerciseTouched());
  EXPECT_FALSE(window.Exercise().ExerciseChecked());
  for (QLabel* picture : window.img) EXPECT_TRUE(picture->isHidden());
  for (int box = 1; box <= 4; ++box) EXPECT_EQ(window.Exercise().LabelInBox(box), 0);
  ExpectLabelsAtRest();
  // The words can be dragged again.
  Drag(LabelOfRow(1), BoxCentre(1));
  EXPECT_NE(window.Exercise().LabelInBox(1), 0);
}

TEST_F(DefinitionsWindowTest, KeysPutAWordInABoxAsTheMouseDoesAndScreenReadersReadIt) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  const Definitions& exercise = Window().Exercise();
  const auto key = [](QWidget* widget, int code) {
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  const auto boxes = [&] {
    std::vector<int> lying;
    for (int box = 1; box <= exercise.PairCount(); ++box) lying.push_back(exercise.LabelInBox(box));
    return lying;
  };
  QLabel* hut = LabelOfRow(1);
  Drag(hut, BoxCentre(3));
  const std::vector<int> byMouse = boxes();
  const QPoint placed = hut->pos();
  Drag(hut, QPoint(300, 100));  // back to the pool
  ASSERT_EQ(boxes(), std::vector<int>(4, 0));

  // The places are the definitions, then the pool, where the word starts.
  key(hut, Qt::Key_Space);
  EXPECT_EQ(hut->accessibleDescription(), QString::fromUtf8("pula wyrazów"));
  key(hut, Qt::Key_Right);
  EXPECT_EQ(hut->accessibleDescription(), "a small, simple wooden house");
  key(hut, Qt::Key_Right);
  key(hut, Qt::Key_Right);
  key(hut, Qt::Key_Return);
  EXPECT_EQ(boxes(), byMouse);
  EXPECT_EQ(hut->pos(), placed);
  ExpectLabelsAtRest();

  // Each definition is a gap whose answer is the word in its box.
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(Window().DxRamka);
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->childCount(), 4);
  EXPECT_EQ(frame->child(2)->role(), QAccessible::EditableText);
  EXPECT_EQ(frame->child(2)->text(QAccessible::Value), "hut");
  EXPECT_EQ(frame->child(0)->text(QAccessible::Value), "");
  // Checked, each box shows its own word, with the verdict on what was put there.
  ClickAt(Window().btn_sprawdz, QPoint(3, 3));
  EXPECT_EQ(frame->child(0)->text(QAccessible::Description), QString::fromUtf8("hut, źle"));
  EXPECT_EQ(frame->child(2)->text(QAccessible::Description), QString::fromUtf8("path, źle"));
}

}  // namespace
}  // namespace tess
