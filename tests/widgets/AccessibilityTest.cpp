// What screen readers are told of the hand-made controls and painted lists, read back through
// Qt's accessibility interfaces offscreen. (Without a bridge Qt sends no accessibility events,
// so what the lists tell on a change is tested through CompareRows.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "widgets/Accessibility.h"
#include "widgets/ControlNames.h"
#include "widgets/HoverLabel.h"
#include "widgets/PaintBox.h"
#include "widgets/RowChanges.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

QAccessibleInterface* Of(QWidget& widget) { return QAccessible::queryAccessibleInterface(&widget); }

QStringList Actions(QAccessibleInterface* made) {
  return made->actionInterface() ? made->actionInterface()->actionNames() : QStringList();
}

TEST(ClickableAccessibilityTest, RoleNameAndActionFollowWhatTheControlShows) {
  InstallAccessibility();
  struct Case {
    const char* Title;
    ControlRole Role;
    QString Caption;
    QString Hint;
    QString Given;  ///< an accessible name the window gives
    bool Checked;
    QAccessible::Role Expected;
    QString Name;
    QString Description;
    QString Action;
  };
  const QString press = QAccessibleActionInterface::pressAction();
  const QString toggle = QAccessibleActionInterface::toggleAction();
  const Case cases[] = {
      {"a caption names the control, its hint describes it",
       ControlRole::Button,
       QStringLiteral("Jeszcze raz"),
       QStringLiteral("Rozwiąż jeszcze raz"),
       {},
       false,
       QAccessible::Button,
       QStringLiteral("Jeszcze raz"),
       QStringLiteral("Rozwiąż jeszcze raz"),
       press},
      {"a picture is named by its hint alone",
       ControlRole::Button,
       {},
       QStringLiteral("Koniec"),
       {},
       false,
       QAccessible::Button,
       QStringLiteral("Koniec"),
       {},
       press},
      {"a name the window gives comes first",
       ControlRole::Button,
       {},
       QStringLiteral("Film"),
       QStringLiteral("Ćwiczenia"),
       false,
       QAccessible::Button,
       QStringLiteral("Ćwiczenia"),
       QStringLiteral("Film"),
       press},
      {"a tick box toggles",
       ControlRole::CheckBox,
       QStringLiteral("Animacje"),
       {},
       {},
       true,
       QAccessible::CheckBox,
       QStringLiteral("Animacje"),
       {},
       toggle},
      {"a choice",
       ControlRole::RadioButton,
       {},
       {},
       QStringLiteral("Lekcje"),
       true,
       QAccessible::RadioButton,
       QStringLiteral("Lekcje"),
       {},
       press},
      {"a tab",
       ControlRole::PageTab,
       {},
       QStringLiteral("Test wyboru"),
       {},
       true,
       QAccessible::PageTab,
       QStringLiteral("Test wyboru"),
       {},
       press},
      {"a caption of another control",
       ControlRole::Caption,
       QStringLiteral("Tylko całe wyrazy"),
       {},
       {},
       false,
       QAccessible::StaticText,
       QStringLiteral("Tylko całe wyrazy"),
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Title);
    QWidget window;
    auto* control = new HoverLabel(c.Caption, &window);
    control->SetRole(c.Role);
    control->SetChecked(c.Checked);
    control->setToolTip(c.Hint);
    if (!c.Given.isEmpty()) control->setAccessibleName(c.Given);
    QAccessibleInterface* made = Of(*control);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->role(), c.Expected);
    EXPECT_EQ(made->text(QAccessible::Name), c.Name);
    EXPECT_EQ(made->text(QAccessible::Description), c.Description);
    const QStringList actions = Actions(made);
    if (c.Action.isEmpty()) {
      EXPECT_FALSE(actions.contains(press));
      EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << "a caption leaves the Tab chain";
    } else {
      ASSERT_FALSE(actions.isEmpty());
      EXPECT_EQ(actions.first(), c.Action);
      EXPECT_EQ(control->focusPolicy(), Qt::TabFocus);
    }
    const QAccessible::State state = made->state();
    EXPECT_EQ(state.checked != 0,
              c.Checked && (c.Role == ControlRole::CheckBox || c.Role == ControlRole::RadioButton));
    EXPECT_EQ(state.selected != 0, c.Checked && c.Role == ControlRole::PageTab);
  }
}

TEST(ClickableAccessibilityTest, ThePressClicksOnceAfterTheCallAndNotWhenHidden) {
  QWidget window;
  auto* button = new SkinButton(&window);
  button->setToolTip(QStringLiteral("OK"));
  window.show();
  int clicks = 0;
  QObject::connect(button, &SkinButton::Click, [&] { ++clicks; });
  QAccessibleActionInterface* actions = Of(*button)->actionInterface();
  ASSERT_NE(actions, nullptr);

  actions->doAction(QAccessibleActionInterface::pressAction());
  // A click may open a modal window; its loop must not run inside the screen reader's call.
  EXPECT_EQ(clicks, 0);
  QApplication::processEvents();
  EXPECT_EQ(clicks, 1);

  actions->doAction(QAccessibleActionInterface::pressAction());
  button->hide();
  QApplication::processEvents();
  EXPECT_EQ(clicks, 1) << "a control hidden meanwhile is not clicked";
}

TEST(ClickableAccessibilityTest, SpaceClicksAndEnterIsLeftToTheWindow) {
  QWidget window;
  auto* button = new SkinButton(&window);
  window.show();
  int clicks = 0;
  int windowKeys = 0;
  QObject::connect(button, &SkinButton::Click, [&] { ++clicks; });
  struct KeyCounter : QObject {
    int* keys;
    explicit KeyCounter(int* k) : keys(k) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::KeyPress) ++*keys;
      return false;
    }
  } counter(&windowKeys);
  window.installEventFilter(&counter);

  for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_F1}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(windowKeys, 2) << "Enter and F1 go on to the window, which may press OK with Enter";
}

/// A painted list over a vector of row texts, the selected row and the presses it got.
struct RowModel {
  std::vector<QString> Texts;
  int Selected = -1;
  std::vector<int> Pressed;

  ListRows Rows() {
    return {[this] { return static_cast<int>(Texts.size()); },
            [this](int row) { return Texts[static_cast<size_t>(row)]; },
            [this](int row) { return row == Selected; },
            [](int row) { return QRect(0, 20 * row, 100, 20); },
            [this](int row) {
              Pressed.push_back(row);
              Selected = row;
            }};
  }
};

QStringList ChildNames(QAccessibleInterface* list) {
  QStringList names;
  for (int i = 0; i < list->childCount(); ++i) names << list->child(i)->text(QAccessible::Name);
  return names;
}

TEST(PaintedListAccessibilityTest, ItsChildrenFollowItsRows) {
  QWidget window;
  auto* box = new PaintBox(&window);
  box->setGeometry(10, 10, 100, 200);
  box->setFocusPolicy(Qt::TabFocus);
  box->setAccessibleName(QStringLiteral("Działy"));
  RowModel model{
      {QStringLiteral("Dom"), QStringLiteral("Praca"), QStringLiteral("Zdrowie")}, 0, {}};
  ExposeRows(*box, model.Rows());
  window.show();
  QApplication::setActiveWindow(&window);
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());

  QAccessibleInterface* list = Of(*box);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Działy"));
  EXPECT_EQ(ChildNames(list), QStringList({"Dom", "Praca", "Zdrowie"}));
  QAccessibleInterface* second = list->child(1);
  EXPECT_EQ(second->role(), QAccessible::ListItem);
  EXPECT_EQ(second->parent(), list);
  EXPECT_EQ(list->indexOfChild(second), 1);
  EXPECT_EQ(second->rect(), QRect(box->mapToGlobal(QPoint(0, 20)), QSize(100, 20)));
  const QPoint third = box->mapToGlobal(QPoint(5, 45));
  EXPECT_EQ(list->childAt(third.x(), third.y()), list->child(2));
  EXPECT_TRUE(list->child(0)->state().selected);
  EXPECT_TRUE(list->child(0)->state().focused);
  EXPECT_FALSE(second->state().selected);
  EXPECT_EQ(list->focusChild(), list->child(0));

  // A scroll by one and a shorter list: the rows keep their place, their names change.
  model.Texts = {QStringLiteral("Praca"), QStringLiteral("Zdrowie")};
  model.Selected = 1;
  EXPECT_EQ(ChildNames(list), QStringList({"Praca", "Zdrowie"}));
  EXPECT_EQ(list->child(2), nullptr);
  EXPECT_EQ(list->focusChild(), list->child(1));

  // The select action presses the row once the screen reader's call has returned.
  QAccessibleInterface* first = list->child(0);
  ASSERT_NE(first->actionInterface(), nullptr);
  first->actionInterface()->doAction(first->actionInterface()->actionNames().first());
  EXPECT_TRUE(model.Pressed.empty());
  QApplication::processEvents();
  EXPECT_EQ(model.Pressed, std::vector<int>{0});
  EXPECT_TRUE(list->child(0)->state().selected);

  box->hide();
  first->actionInterface()->doAction(first->actionInterface()->actionNames().first());
  QApplication::processEvents();
  EXPECT_EQ(model.Pressed, std::vector<int>{0}) << "a hidden list takes no presses";
  QApplication::setActiveWindow(nullptr);
}

TEST(RowChangesTest, TellsWhatChangedSinceLastTold) {
  using Rows = std::vector<std::string>;
  struct Case {
    const char* Title;
    RowSnapshot Before;
    RowSnapshot After;
    bool CountChanged;
    std::vector<int> Renamed;
    std::vector<int> SelectionChanged;
    int Focus;
  };
  const Case cases[] = {
      {"nothing changed", {Rows{"a", "b"}, 0}, {Rows{"a", "b"}, 0}, false, {}, {}, -1},
      {"the selection moved down", {Rows{"a", "b"}, 0}, {Rows{"a", "b"}, 1}, false, {}, {0, 1}, 1},
      {"a scroll by one under a kept selection: the row is read again",
       {Rows{"a", "b", "c"}, 1},
       {Rows{"b", "c", "d"}, 1},
       false,
       {0, 1, 2},
       {},
       1},
      {"rows went away with the selected one",
       {Rows{"a", "b", "c"}, 2},
       {Rows{"a"}, -1},
       true,
       {},
       {},
       -1},
      {"the first showing", {Rows{}, -1}, {Rows{"a", "b"}, 0}, true, {}, {0}, 0},
      {"a selection beyond the rows is none", {Rows{"a"}, -1}, {Rows{"a"}, 4}, false, {}, {}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Title);
    const RowChanges changes = CompareRows(c.Before, c.After);
    EXPECT_EQ(changes.CountChanged, c.CountChanged);
    EXPECT_EQ(changes.Renamed, c.Renamed);
    EXPECT_EQ(changes.SelectionChanged, c.SelectionChanged);
    EXPECT_EQ(changes.Focus, c.Focus);
    EXPECT_EQ(changes.Empty(),
              !c.CountChanged && c.Renamed.empty() && c.SelectionChanged.empty() && c.Focus < 0);
  }
}

TEST(PaintedListAccessibilityTest, ARowThatWentAwayIsNoLongerValid) {
  QWidget window;
  auto* box = new PaintBox(&window);
  RowModel model{{QStringLiteral("a"), QStringLiteral("b")}, -1, {}};
  ExposeRows(*box, model.Rows());
  QAccessibleInterface* list = Of(*box);
  QAccessibleInterface* second = list->child(1);
  ASSERT_NE(second, nullptr);
  model.Texts.pop_back();
  EXPECT_FALSE(second->isValid());
  EXPECT_TRUE(second->state().invalid);
  EXPECT_EQ(list->indexOfChild(second), -1);
  second->actionInterface()->doAction(QStringLiteral("select"));
  QApplication::processEvents();
  EXPECT_TRUE(model.Pressed.empty());
}

TEST(PaintedListAccessibilityTest, PaneRowsAreTextsChoicesAndGapsWithTheirAnswers) {
  QWidget window;
  auto* box = new PaintBox(&window);
  box->setGeometry(0, 0, 200, 100);
  std::vector<PaintedRow> rows = {
      {RowRole::Text, QStringLiteral("Ile to kosztuje?")},
      {RowRole::Choice,
       QStringLiteral("dwa"),
       QRect(0, 20, 50, 10),
       true,
       false,
       {},
       VerdictWord(false)},
      {RowRole::CheckBox, QStringLiteral("prawda"), {}, false},
      {RowRole::Entry, QStringLiteral("luka 1"), QRect(0, 40, 50, 10), false, true,
       QStringLiteral("Haus"), VerdictWord(true)},
      {RowRole::Entry, QStringLiteral("luka 2")},
  };
  std::vector<int> pressed;
  ExposeRows(*box, RowsOf([&] { return rows; }, [&](int row) { pressed.push_back(row); }));
  window.show();
  QAccessibleInterface* pane = Of(*box);
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(pane->role(), QAccessible::Pane);
  ASSERT_EQ(pane->childCount(), 5);

  struct Expected {
    QAccessible::Role Role;
    QString Description;
    bool Checkable;
    bool Checked;
    bool Editable;
    bool ReadOnly;
    int Actions;
  };
  const Expected expected[] = {
      {QAccessible::StaticText, {}, false, false, false, true, 0},
      {QAccessible::RadioButton, QString::fromUtf8("źle"), true, true, false, false, 1},
      {QAccessible::CheckBox, {}, true, false, false, false, 1},
      {QAccessible::EditableText, QStringLiteral("Haus, dobrze"), false, false, true, false, 1},
      {QAccessible::EditableText, {}, false, false, true, false, 1},
  };
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    QAccessibleInterface* row = pane->child(i);
    const Expected& e = expected[i];
    EXPECT_EQ(row->role(), e.Role);
    EXPECT_EQ(row->text(QAccessible::Name), rows[static_cast<size_t>(i)].Text);
    EXPECT_EQ(row->text(QAccessible::Description), e.Description);
    EXPECT_EQ(row->state().checkable, e.Checkable);
    EXPECT_EQ(row->state().checked, e.Checked);
    EXPECT_EQ(row->state().editable, e.Editable);
    EXPECT_EQ(row->state().readOnly, e.ReadOnly);
    EXPECT_EQ(Actions(row).size(), e.Actions);
  }
  EXPECT_EQ(pane->child(3)->text(QAccessible::Value), QStringLiteral("Haus"));
  EXPECT_TRUE(pane->child(3)->state().selected);
  EXPECT_EQ(pane->child(1)->rect(), QRect(box->mapToGlobal(QPoint(0, 20)), QSize(50, 10)));

  // A choice is pressed as a click; a text takes no press.
  QAccessibleInterface* choice = pane->child(1);
  choice->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  pane->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QApplication::processEvents();
  EXPECT_EQ(pressed, std::vector<int>{1});
  // The rows are read afresh: a tick taken away shows at once.
  rows[1].Checked = false;
  EXPECT_FALSE(choice->state().checked);
}

TEST(PlainButtonAccessibilityTest, APictureActingAsAButtonIsOneNamedByItsHint) {
  QWidget window;
  auto* record = new QLabel(&window);
  record->setToolTip(QStringLiteral("Nagraj"));
  auto* close = new QLabel(QStringLiteral("✕"), &window);
  close->setToolTip(QStringLiteral("Zamknij okno"));
  close->setAccessibleName(QStringLiteral("Zamknij"));
  int closed = 0;
  Of(*close);  // Qt's own interface, made before, gives way
  auto* info = new QLabel(QStringLiteral(" Kliknij, aby zobaczyć "), &window);
  info->setToolTip(QStringLiteral("Pokazuje odpowiedź"));
  ExposeButton(*record);
  ExposeButton(*close, [&] { ++closed; });
  ExposeButton(*info, [] {});
  window.show();

  QAccessibleInterface* line = Of(*info);
  EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Kliknij, aby zobaczyć"))
      << "a label without a name says its text";
  EXPECT_EQ(line->text(QAccessible::Description), QStringLiteral("Pokazuje odpowiedź"));
  info->setText(QStringLiteral("Dobrze"));
  EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Dobrze"));

  QAccessibleInterface* held = Of(*record);
  EXPECT_EQ(held->role(), QAccessible::Button);
  EXPECT_EQ(held->text(QAccessible::Name), QStringLiteral("Nagraj"));
  EXPECT_EQ(held->text(QAccessible::Description), QString());
  EXPECT_TRUE(Actions(held).isEmpty()) << "a button held down has no press";

  QAccessibleInterface* pressed = Of(*close);
  EXPECT_EQ(pressed->role(), QAccessible::Button);
  EXPECT_EQ(pressed->text(QAccessible::Name), QStringLiteral("Zamknij"));
  EXPECT_EQ(pressed->text(QAccessible::Description), QStringLiteral("Zamknij okno"));
  pressed->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(closed, 0);
  QApplication::processEvents();
  EXPECT_EQ(closed, 1);
}

TEST(SliderAccessibilityTest, ATrackTellsItsValueAndIsMovedWithinItsEnds) {
  QWidget window;
  auto* track = new QWidget(&window);
  track->setAccessibleName(QStringLiteral("Pasek postępu"));
  double at = 12;
  std::vector<double> set;
  ExposeSlider(
      *track, [&] { return SliderValues{at, 0, 90, 5, QStringLiteral("0:12/1:30")}; },
      [&](double value) { set.push_back(value); });
  window.show();

  QAccessibleInterface* made = Of(*track);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->role(), QAccessible::Slider);
  EXPECT_EQ(made->text(QAccessible::Name), QStringLiteral("Pasek postępu"));
  EXPECT_EQ(made->text(QAccessible::Value), QStringLiteral("0:12/1:30"));
  QAccessibleValueInterface* value = made->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toDouble(), 12);
  EXPECT_EQ(value->minimumValue().toDouble(), 0);
  EXPECT_EQ(value->maximumValue().toDouble(), 90);
  EXPECT_EQ(value->minimumStepSize().toDouble(), 5);
  at = 30;
  EXPECT_EQ(value->currentValue().toDouble(), 30) << "read afresh";

  value->setCurrentValue(40.0);
  value->setCurrentValue(500.0);
  value->setCurrentValue(-3.0);
  EXPECT_EQ(set, (std::vector<double>{40, 90, 0}));
  track->hide();
  value->setCurrentValue(20.0);
  EXPECT_EQ(set.size(), 3u) << "a hidden track is not moved";
}

TEST(ControlNamesTest, NamesFollowTheInterfaceLanguage) {
  QWidget control;
  const std::pair<int, const char*> cases[] = {
      {0, "Zamknij"}, {1, "Close"}, {2, "Schließen"}, {3, "Закрыть"}, {7, "Zamknij"}};
  for (const auto& [language, expected] : cases) {
    SCOPED_TRACE(language);
    NameControl(control, names::kClose, language);
    EXPECT_EQ(control.accessibleName(), QString::fromUtf8(expected));
  }
}

}  // namespace
}  // namespace tess
