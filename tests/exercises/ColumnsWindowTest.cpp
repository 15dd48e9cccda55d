// The columns window as the learner meets it: the launcher opens it, words are dragged with
// the mouse through the real labels into the table, the check sends the wrong ones home and
// shows the solution with hints, and closing records it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTextDocument>
#include <functional>
#include <utility>
#include <vector>

#include "exercises/ColumnsWindow.h"
#include "support/ExerciseRig.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

using testing::ClickAt;
using testing::SendMouse;

class ColumnsWindowTest : public testing::ExerciseRig {
 protected:
  ColumnsWindowTest() : ExerciseRig(7) {}

  void SetUp() override {
    SetUpInstallation();
    exercises_.Add({"a02_1#2#tlo_2#Hoer zu.#Pos\xB3uchaj.#Listen.#####",
                    "DD#2#3#They buy#They don't buy#bread*1#apples*1#fish*2#milk*2#eggs*1#",
                    "=========="});
    exercises_.Add({"a02_2#2#tlo_2#####", "DD#2#3#A#B#a*1#b*3#", "====50=300==160==="});
    ResultRecord record;
    record.Name = "tek_2";
    record.Kind = 42;
    record.Item = 2;
    results_.Append(record);
    results_.CurrentResultName = "tek_2";
    launcher_.OnExerciseClosed = [this] { ++closed_; };
  }

  ColumnsWindow& Window() { return *static_cast<ColumnsWindow*>(launcher_.WindowOfKind("DD")); }
  QLabel* Label(int k) { return Window().lbl[static_cast<size_t>(k - 1)]; }
  /// A point in the body of a column, in window pixels.
  QPoint InColumn(int column) {
    const Columns& exercise = Window().Exercise();
    return {exercise.ColumnArea(column).Left + exercise.ColumnWidth() / 2,
            exercise.TableTop() + 50};
  }
  QPoint Pos(Point at) { return {at.X, at.Y}; }

  /// Presses on `label`, moves the pointer to `to` (window pixels) in three steps and lets go
  /// there; `whileHeld` looks at the window before the release.
  void Drag(QLabel* label, QPoint to, const std::function<void()>& whileHeld = {}) {
    testing::DragLabel(Window(), label, to, whileHeld);
  }

  void ExpectLabelsWhereTheyRest() {
    const Columns& exercise = Window().Exercise();
    for (int k = 1; k <= exercise.WordCount(); ++k) {
      EXPECT_EQ(Label(k)->pos(), Pos(exercise.Board().RestingAt(k))) << k;
    }
  }

  int closed_ = 0;
};

TEST_F(ColumnsWindowTest, DragCheckAndCloseRecordsTheAttempt) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  ColumnsWindow& window = Window();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.objectName(), "TC_DDForm");
  const Columns& exercise = window.Exercise();
  ASSERT_EQ(exercise.WordCount(), 5);
  EXPECT_FALSE(Label(5)->isHidden());
  EXPECT_TRUE(Label(6)->isHidden());
  EXPECT_EQ(Label(1)->font().pixelSize(), 13);
  EXPECT_EQ(window.PaintBox2->geometry(), QRect(0, 0, 700, 600));
  EXPECT_TRUE(window.Label1->text().endsWith("teksty\\tlo_2.bmp"));
  ExpectLabelsWhereTheyRest();

  // While held, the word is in front and hangs nine pixels right of the pointer; let go over
  // the panel, it goes back to the pool.
  QLabel* first = Label(1);
  const QPoint home = first->pos();
  Drag(first, QPoint(750, 300), [&] { EXPECT_LT(first->x(), 700); });
  EXPECT_EQ(first->pos(), home);
  EXPECT_TRUE(exercise.ExerciseTouched());
  Drag(first, InColumn(2), [&] {
    EXPECT_EQ(first->pos(), InColumn(2) - QPoint(first->width() / 2 - 9, first->height() / 2));
    EXPECT_EQ(window.childAt(InColumn(2)), first);
  });
  EXPECT_EQ(exercise.PlacedColumn(1), 2);
  EXPECT_EQ(first->pos(), Pos(exercise.Slot(1, {2, 1})));

  // Column 1's words: two into it, the third into column 2. Column 2's words: one into it,
  // the other left in the pool. Three of five right.
  int ownColumn1 = 0;
  int ownColumn2 = 0;
  for (int k = 1; k <= 5; ++k) {
    if (exercise.Column(k) == 1) {
      Drag(Label(k), InColumn(++ownColumn1 <= 2 ? 1 : 2));
    } else if (++ownColumn2 == 1) {
      Drag(Label(k), InColumn(2));
    } else {
      Drag(Label(k), InColumn(1));  // then back out of the table
      Drag(Label(k), QPoint(300, 500));
    }
  }
  ExpectLabelsWhereTheyRest();
  int inPool = 0;
  for (int k = 1; k <= 5; ++k) inPool += exercise.PlacedColumn(k) == 0 ? 1 : 0;
  EXPECT_EQ(inPool, 1);

  ClickAt(window.btn_ok, QPoint(3, 3));
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "60");
  EXPECT_EQ(window.lbl_komentarz->text(), "T69");
  EXPECT_FALSE(window.lbl_jeszcze_raz->isHidden());
  // The table lies over the whole left part but under the controls, which still take clicks.
  for (QWidget* control : std::initializer_list<QWidget*>{window.lbl_jeszcze_raz, window.btn_media,
                                                          window.pb_polecenie, window.ptoc_panel}) {
    EXPECT_NE(window.childAt(control->geometry().center()), window.PaintBox2)
        << control->objectName().toStdString();
  }
  // Every word shows in its own column; the marks' hints come up over the table.
  ExpectLabelsWhereTheyRest();
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(exercise.PlacedColumn(k), exercise.Column(k)) << k;
  const std::vector<ColumnsMark> marks = exercise.Marks();
  ASSERT_EQ(marks.size(), 2u);
  for (const ColumnsMark& mark : marks) {
    SendMouse(window.PaintBox2, QEvent::MouseMove, Pos(mark.At) + QPoint(4, 4), Qt::NoButton,
              Qt::NoButton);
    EXPECT_EQ(window.PaintBox2->toolTip(),
              Qt::convertFromPlainText(QString::fromStdString(mark.Hint)));
    EXPECT_EQ(window.PaintBox2->cursor().shape(), Qt::PointingHandCursor);
  }
  SendMouse(window.PaintBox2, QEvent::MouseMove, QPoint(20, 400), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.PaintBox2->toolTip(), QString());
  EXPECT_EQ(window.PaintBox2->cursor().shape(), Qt::ArrowCursor);
  // Frozen: a word no longer moves.
  const QPoint before = Label(1)->pos();
  Drag(Label(1), QPoint(300, 500));
  EXPECT_EQ(Label(1)->pos(), before);
  EXPECT_EQ(Label(1)->cursor().shape(), Qt::ArrowCursor);

  window.lbl_exitClick();
  EXPECT_EQ(closed_, 1);
  const ResultRecord saved = SavedResults().At(1);
  EXPECT_EQ(saved.Kind, 42);
  EXPECT_EQ(saved.Item, 2);
  EXPECT_EQ(saved.Score, 60);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(ColumnsWindowTest, BadContentIsRefusedAndTheLayoutLinePlacesTheTable) {
  launcher_.BeginLesson({2, 1}, {2, 2}, 1, {-1, -1, -1, -1});
  ColumnsWindow& window = Window();
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_NE(messages_.messages.back().find("wyraz 2: numer kolumny 3"), std::string::npos);
  EXPECT_EQ(window.Exercise().WordCount(), 0);
  EXPECT_TRUE(window.btn_ok->isHidden());
  EXPECT_TRUE(Label(1)->isHidden());
  // Given places: the table at L5, L6 with the verdict line above it, the pool from L8.
  EXPECT_EQ(window.Exercise().TableLeft(), 50);
  EXPECT_EQ(window.Exercise().TableTop(), 300);
  EXPECT_EQ(window.lbl_komentarz->pos(), QPoint(50, 275));

  launcher_.OpenExerciseTab(2);
  const Columns& exercise = window.Exercise();
  ASSERT_EQ(exercise.WordCount(), 5);
  Drag(Label(1), InColumn(exercise.Column(1)));
  ClickAt(window.btn_ok, QPoint(3, 3));
  window.lbl_jeszcze_razClick();
  EXPECT_FALSE(window.btn_ok->isHidden());
  EXPECT_TRUE(window.ptoc_panel->isHidden());
  EXPECT_FALSE(exercise.ExerciseTouched());
  EXPECT_TRUE(exercise.Marks().empty());
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(Label(k)->pos(), Pos(exercise.Board().Home(k))) << k;
  EXPECT_EQ(Label(1)->cursor().shape(), Qt::PointingHandCursor);
}

/// Sends a key press to `widget`.
void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(widget, &event);
}

TEST_F(ColumnsWindowTest, KeysCarryWordsLikeTheMouseAndScoreTheSame) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  ColumnsWindow& window = Window();
  const Columns& exercise = window.Exercise();
  ASSERT_EQ(exercise.WordCount(), 5);
  auto* frame = window.findChild<QLabel*>("shp_labelFocus");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(Label(1)->focusPolicy(), Qt::TabFocus);
  // Space, then Right until the place named `place`, then Enter.
  const auto carryTo = [&](int k, const QString& place) {
    Key(Label(k), Qt::Key_Space);
    for (int i = 0; i < 3 && Label(k)->accessibleDescription() != place; ++i) {
      Key(Label(k), Qt::Key_Right);
    }
    ASSERT_EQ(Label(k)->accessibleDescription(), place);
    Key(Label(k), Qt::Key_Return);
  };
  const auto where = [&] {
    std::vector<std::pair<int, QPoint>> now;
    for (int k = 1; k <= 5; ++k) now.emplace_back(exercise.PlacedColumn(k), Label(k)->pos());
    return now;
  };

  // Reached by Tab, a word shows the focus frame; a click's focus does not.
  QApplication::setActiveWindow(&window);
  Label(2)->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(Label(2)->hasFocus());
  EXPECT_FALSE(frame->isHidden());
  EXPECT_EQ(frame->geometry(), Label(2)->geometry().adjusted(-2, -2, 2, 2));
  Key(Label(2), Qt::Key_Tab);
  EXPECT_TRUE(Label(3)->hasFocus()) << QApplication::focusWidget()->objectName().toStdString();
  EXPECT_EQ(frame->geometry(), Label(3)->geometry().adjusted(-2, -2, 2, 2));
  Label(4)->setFocus(Qt::OtherFocusReason);
  EXPECT_TRUE(frame->isHidden());
  Label(4)->clearFocus();

  // Picked up, the word is framed and starts at the pool, where it lies; Right aims at column
  // 1 and shows it where the mouse would hang it there; Escape puts it back untouched.
  QLabel* first = Label(1);
  const QPoint home = first->pos();
  Key(first, Qt::Key_Space);
  EXPECT_EQ(exercise.Board().Lifted(), 1);
  EXPECT_EQ(first->accessibleDescription(), QString::fromUtf8("pula wyrazów"));
  EXPECT_FALSE(frame->isHidden());
  EXPECT_EQ(frame->geometry(), first->geometry().adjusted(-2, -2, 2, 2));
  Key(first, Qt::Key_Right);
  EXPECT_EQ(first->accessibleDescription(), "They buy");
  EXPECT_TRUE(first->geometry().contains(InColumn(1).x(), first->geometry().center().y()));
  Key(first, Qt::Key_Escape);
  EXPECT_EQ(exercise.Board().Lifted(), 0);
  EXPECT_EQ(first->pos(), home);
  EXPECT_EQ(exercise.PlacedColumn(1), 0);
  EXPECT_TRUE(frame->isHidden());

  // The same drop by mouse and by keys leaves the same table.
  Drag(first, InColumn(2));
  const auto byMouse = where();
  Drag(first, QPoint(300, 500));
  ASSERT_EQ(exercise.PlacedColumn(1), 0);
  carryTo(1, "They don't buy");
  EXPECT_EQ(where(), byMouse);
  // Taken up again it starts at its column; Tab goes round the places while carried.
  Key(first, Qt::Key_Space);
  EXPECT_EQ(first->accessibleDescription(), "They don't buy");
  Key(first, Qt::Key_Tab);
  EXPECT_EQ(first->accessibleDescription(), QString::fromUtf8("pula wyrazów"));
  Key(first, Qt::Key_Backtab);
  Key(first, Qt::Key_Up);
  EXPECT_EQ(first->accessibleDescription(), "They buy");
  Key(first, Qt::Key_Escape);
  EXPECT_EQ(where(), byMouse);

  // The moves of the mouse test, by keys: three of five right.
  int ownColumn1 = 0;
  int ownColumn2 = 0;
  for (int k = 1; k <= 5; ++k) {
    if (exercise.Column(k) == 1) {
      carryTo(k, ++ownColumn1 <= 2 ? "They buy" : "They don't buy");
    } else if (++ownColumn2 == 1) {
      carryTo(k, "They don't buy");
    } else {
      carryTo(k, "They buy");
      carryTo(k, QString::fromUtf8("pula wyrazów"));
    }
  }
  ExpectLabelsWhereTheyRest();
  // Screen readers read each heading with the words its column holds, top first.
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.PaintBox2);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->childCount(), 2);
  for (int column = 1; column <= 2; ++column) {
    QStringList words;
    for (int row = 1; row <= 3; ++row) {
      if (const int k = exercise.Table().LabelAt({column, row})) words << Label(k)->text();
    }
    EXPECT_EQ(words.size(), 2);
    QAccessibleInterface* heading = table->child(column - 1);
    EXPECT_EQ(heading->text(QAccessible::Name), column == 1 ? "They buy" : "They don't buy");
    EXPECT_EQ(heading->text(QAccessible::Description), words.join(", "));
  }
  ClickAt(window.btn_ok, QPoint(3, 3));
  EXPECT_EQ(window.lbl_proc->text(), "60");
  window.PaintBox2->grab();
  // Each mark is read with the word that was wrongly put there.
  EXPECT_EQ(table->childCount(), 2 + static_cast<int>(exercise.Marks().size()));
  EXPECT_EQ(table->child(2)->text(QAccessible::Description), QString::fromUtf8("źle"));
  // Checked: the words leave the Tab chain and keys lift nothing.
  EXPECT_EQ(first->focusPolicy(), Qt::NoFocus);
  Key(first, Qt::Key_Space);
  EXPECT_EQ(exercise.Board().Lifted(), 0);
  ExpectLabelsWhereTheyRest();
}

}  // namespace
}  // namespace tess
