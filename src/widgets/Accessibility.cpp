#include "widgets/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <map>
#include <vector>

#include "shared/CodePage.h"
#include "widgets/Clickable.h"
#include "widgets/RowChanges.h"

namespace tess {
namespace {

/// Hangs on a painted list and carries its rows; the list's interface finds it there.
class RowSource : public QObject {
 public:
  RowSource(QWidget& list, ListRows rows) : QObject(&list), Rows(std::move(rows)) {}
  ListRows Rows;
};

/// Hangs on a plain control that acts as a button; its interface finds it there.
class ButtonSource : public QObject {
 public:
  ButtonSource(QWidget& control, std::function<void()> press)
      : QObject(&control), Press(std::move(press)) {}
  std::function<void()> Press;
};

/// Hangs on a hand-made track and carries what it tells and how it is moved.
class SliderSource : public QObject {
 public:
  SliderSource(QWidget& track, std::function<SliderValues()> values,
               std::function<void(double)> set)
      : QObject(&track), Values(std::move(values)), Set(std::move(set)) {}
  std::function<SliderValues()> Values;
  std::function<void(double)> Set;
};

template <typename Source>
Source* SourceOf(const QObject* control) {
  if (!control) return nullptr;
  for (QObject* child : control->children()) {
    if (auto* source = dynamic_cast<Source*>(child)) return source;
  }
  return nullptr;
}

ButtonSource* ButtonSourceOf(const QObject* control) { return SourceOf<ButtonSource>(control); }
RowSource* RowSourceOf(const QObject* list) { return SourceOf<RowSource>(list); }
SliderSource* SliderSourceOf(const QObject* track) { return SourceOf<SliderSource>(track); }

QAccessible::Role RoleOf(ControlRole role) {
  switch (role) {
    case ControlRole::CheckBox:
      return QAccessible::CheckBox;
    case ControlRole::RadioButton:
      return QAccessible::RadioButton;
    case ControlRole::PageTab:
      return QAccessible::PageTab;
    case ControlRole::Caption:
      return QAccessible::StaticText;
    case ControlRole::Button:
      break;
  }
  return QAccessible::Button;
}

/// What a hand-made control is called: its accessible name, else its caption, else its hint.
QString ControlName(const QWidget& control, const QString& caption = {}) {
  if (!control.accessibleName().isEmpty()) return control.accessibleName();
  if (!caption.isEmpty()) return caption;
  return control.toolTip();
}

/// Its description, or its hint unless the hint is what named it: nothing is said twice.
QString ControlDescription(const QWidget& control, const QString& name) {
  if (!control.accessibleDescription().isEmpty()) return control.accessibleDescription();
  return name == control.toolTip() ? QString() : control.toolTip();
}

/// The pointer's way of pressing, for the action: a press may open a modal window, whose
/// loop must not run inside the screen reader's call.
void PressLater(Clickable* control) {
  QMetaObject::invokeMethod(control, &Clickable::Press, Qt::QueuedConnection);
}

class ClickableInterface : public QAccessibleWidget {
 public:
  explicit ClickableInterface(Clickable* control) : QAccessibleWidget(control) {}

  QAccessible::Role role() const override { return RoleOf(Control()->Role()); }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return Name();
      case QAccessible::Description:
        return ControlDescription(*Control(), Name());
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const Clickable* control = Control();
    switch (control->Role()) {
      case ControlRole::CheckBox:
      case ControlRole::RadioButton:
        state.checkable = true;
        state.checked = control->Checked();
        break;
      case ControlRole::PageTab:
        state.selectable = true;
        state.selected = control->Checked();
        break;
      default:
        break;
    }
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Control()->Role() != ControlRole::Caption) names.prepend(MainAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == MainAction() && Control()->Role() != ControlRole::Caption) {
      PressLater(Control());
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == MainAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  Clickable* Control() const { return static_cast<Clickable*>(widget()); }

  const QString& MainAction() const {
    return Control()->Role() == ControlRole::CheckBox ? toggleAction() : pressAction();
  }

  QString Name() const { return ControlName(*Control(), Control()->text().trimmed()); }
};

class PlainButtonInterface : public QAccessibleWidget {
 public:
  explicit PlainButtonInterface(QWidget* control)
      : QAccessibleWidget(control, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return Name();
      case QAccessible::Description:
        return ControlDescription(*widget(), Name());
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QStringList actionNames() const override {
    const ButtonSource* source = ButtonSourceOf(widget());
    return source && source->Press ? QStringList{pressAction()} : QStringList();
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return;
    QPointer<QWidget> control = widget();
    // Like a click, done when the screen reader's call has returned.
    QMetaObject::invokeMethod(
        control,
        [control] {
          const ButtonSource* source = ButtonSourceOf(control);
          if (control && control->isVisible() && control->isEnabled() && source && source->Press) {
            source->Press();
          }
        },
        Qt::QueuedConnection);
  }

 private:
  /// A label that acts as a button says its own text when it is given no name.
  QString Name() const {
    const auto* label = qobject_cast<const QLabel*>(widget());
    return ControlName(*widget(), label ? label->text().trimmed() : QString());
  }
};

class SliderInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SliderInterface(QWidget* track) : QAccessibleWidget(track, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return ControlName(*widget());
      case QAccessible::Description:
        return ControlDescription(*widget(), ControlName(*widget()));
      case QAccessible::Value:
        return Values().Text;
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QVariant currentValue() const override { return Values().Value; }
  QVariant maximumValue() const override { return Values().Maximum; }
  QVariant minimumValue() const override { return Values().Minimum; }
  QVariant minimumStepSize() const override { return Values().Step; }

  void setCurrentValue(const QVariant& value) override {
    const SliderSource* source = SliderSourceOf(widget());
    if (!source || !source->Set || !widget()->isVisible() || !widget()->isEnabled()) return;
    const SliderValues now = Values();
    source->Set(std::clamp(value.toDouble(), now.Minimum, now.Maximum));
  }

 private:
  SliderValues Values() const {
    const SliderSource* source = SliderSourceOf(widget());
    return source && source->Values ? source->Values() : SliderValues{};
  }
};

class PaintedListInterface;

/// One row of a painted list; it has no object of its own and asks the list for everything.
class RowInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  RowInterface(PaintedListInterface* list, int row) : list_(list), row_(row) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  static const QString& SelectAction() {
    static const QString name = QStringLiteral("select");
    return name;
  }

 private:
  RowRole Role() const;
  const QString& MainAction() const {
    return Role() == RowRole::ListItem ? SelectAction() : pressAction();
  }

  PaintedListInterface* list_;
  int row_;
};

class PaintedListInterface : public QAccessibleWidget {
 public:
  explicit PaintedListInterface(QWidget* list) : QAccessibleWidget(list, QAccessible::List) {}

  QAccessible::Role role() const override {
    const ListRows* rows = Rows();
    return rows && rows->Pane ? QAccessible::Pane : QAccessible::List;
  }

  ~PaintedListInterface() override {
    for (const auto& [row, id] : rowIds_) QAccessible::deleteAccessibleInterface(id);
  }

  const ListRows* Rows() const {
    const RowSource* source = RowSourceOf(widget());
    return source ? &source->Rows : nullptr;
  }
  QWidget* List() const { return widget(); }

  int childCount() const override {
    const ListRows* rows = Rows();
    return rows && rows->Count ? rows->Count() : 0;
  }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return RowAt(index);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [row, id] : rowIds_) {
      if (QAccessible::accessibleInterface(id) == child) return row < childCount() ? row : -1;
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const ListRows* rows = Rows();
    if (!rows || !rows->Bounds) return nullptr;
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < childCount(); ++row) {
      if (rows->Bounds(row).contains(local)) return RowAt(row);
    }
    return nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const int row = SelectedRow();
    return widget()->hasFocus() && row >= 0 ? RowAt(row) : nullptr;
  }

  int SelectedRow() const {
    const ListRows* rows = Rows();
    if (!rows || !rows->Selected) return -1;
    for (int row = 0; row < childCount(); ++row) {
      if (rows->Selected(row)) return row;
    }
    return -1;
  }

  QString RowText(int row) const {
    const ListRows* rows = Rows();
    return rows && rows->Text ? rows->Text(row) : QString();
  }

  RowRole RoleOfRow(int row) const {
    const ListRows* rows = Rows();
    return rows && rows->Role ? rows->Role(row) : RowRole::ListItem;
  }

  QString RowValue(int row) const {
    const ListRows* rows = Rows();
    return rows && rows->Value ? rows->Value(row) : QString();
  }

  /// The answer a gap holds and the verdict, as far as there are any.
  QString RowDescription(int row) const {
    const ListRows* rows = Rows();
    QStringList parts;
    if (const QString value = RowValue(row); !value.isEmpty()) parts << value;
    if (rows && rows->Description) {
      if (const QString verdict = rows->Description(row); !verdict.isEmpty()) parts << verdict;
    }
    return parts.join(QStringLiteral(", "));
  }

  bool RowChecked(int row) const {
    const ListRows* rows = Rows();
    return rows && rows->Checked && rows->Checked(row);
  }

  /// Everything a row says, to find what changed since screen readers were told.
  std::string RowSaid(int row) const {
    return (RowText(row) + QChar(0x1F) + RowDescription(row) + QChar(0x1F) +
            QChar(RowChecked(row) ? '1' : '0'))
        .toStdString();
  }

  /// Compares the rows with what screen readers were told last and tells them the rest.
  void Announce() {
    RowSnapshot now;
    for (int row = 0; row < childCount(); ++row) now.Texts.push_back(RowSaid(row));
    now.Selected = SelectedRow();
    const RowChanges changes = CompareRows(told_, now);
    if (changes.CountChanged) {
      QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
      QAccessible::updateAccessibility(&reorder);
    }
    for (const int row : changes.Renamed) {
      QAccessibleEvent renamed(RowAt(row), QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
      if (RoleOfRow(row) == RowRole::ListItem) continue;
      QAccessibleEvent described(RowAt(row), QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&described);
      QAccessible::State changed;
      changed.checked = true;
      QAccessibleStateChangeEvent ticked(RowAt(row), changed);
      QAccessible::updateAccessibility(&ticked);
    }
    for (const int row : changes.SelectionChanged) {
      QAccessible::State changed;
      changed.selected = true;
      QAccessibleStateChangeEvent event(RowAt(row), changed);
      QAccessible::updateAccessibility(&event);
    }
    // Read out like the focus moving in a list of Qt's own.
    if (changes.Focus >= 0 && widget()->hasFocus()) {
      QAccessibleEvent focus(RowAt(changes.Focus), QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
    told_ = std::move(now);
  }

 private:
  RowInterface* RowAt(int row) const {
    const auto known = rowIds_.find(row);
    if (known != rowIds_.end()) {
      return static_cast<RowInterface*>(QAccessible::accessibleInterface(known->second));
    }
    auto* item = new RowInterface(const_cast<PaintedListInterface*>(this), row);
    rowIds_[row] = QAccessible::registerAccessibleInterface(item);
    return item;
  }

  // Rows keep their interface by their place on screen; a scroll renames them.
  mutable std::map<int, QAccessible::Id> rowIds_;
  RowSnapshot told_;
};

bool RowInterface::isValid() const { return list_->isValid() && row_ < list_->childCount(); }

QWindow* RowInterface::window() const { return list_->window(); }

QAccessibleInterface* RowInterface::parent() const { return list_; }

QString RowInterface::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  switch (t) {
    case QAccessible::Name:
      return list_->RowText(row_);
    case QAccessible::Value:
      return list_->RowValue(row_);
    case QAccessible::Description:
      return list_->RowDescription(row_);
    default:
      return {};
  }
}

RowRole RowInterface::Role() const { return isValid() ? list_->RoleOfRow(row_) : RowRole::Text; }

QAccessible::Role RowInterface::role() const {
  switch (Role()) {
    case RowRole::Text:
      return QAccessible::StaticText;
    case RowRole::Choice:
      return QAccessible::RadioButton;
    case RowRole::CheckBox:
      return QAccessible::CheckBox;
    case RowRole::Entry:
      return QAccessible::EditableText;
    case RowRole::ListItem:
      break;
  }
  return QAccessible::ListItem;
}

QStringList RowInterface::actionNames() const {
  if (Role() == RowRole::Text) return {};
  return {MainAction()};
}

QRect RowInterface::rect() const {
  const ListRows* rows = list_->Rows();
  if (!isValid() || !rows->Bounds) return {};
  const QRect local = rows->Bounds(row_);
  return QRect(list_->List()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State RowInterface::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  const QWidget* list = list_->List();
  const ListRows* rows = list_->Rows();
  state.invisible = !list->isVisible();
  switch (Role()) {
    case RowRole::Text:
      state.readOnly = true;
      return state;
    case RowRole::Choice:
    case RowRole::CheckBox:
      state.checkable = true;
      state.checked = list_->RowChecked(row_);
      break;
    case RowRole::Entry:
      state.editable = true;
      break;
    case RowRole::ListItem:
      state.selectable = true;
      break;
  }
  state.selected = rows->Selected && rows->Selected(row_);
  state.focusable = list->focusPolicy() != Qt::NoFocus;
  state.focused = state.selected && list->hasFocus();
  return state;
}

void RowInterface::doAction(const QString& action) {
  if (!isValid() || Role() == RowRole::Text || action != MainAction()) return;
  QPointer<QWidget> list = list_->List();
  const int row = row_;
  // Like a press, done when the screen reader's call has returned.
  QMetaObject::invokeMethod(
      list,
      [list, row] {
        const RowSource* source = RowSourceOf(list);
        if (!list || !list->isVisible() || !source || !source->Rows.Select) return;
        if (row >= (source->Rows.Count ? source->Rows.Count() : 0)) return;
        source->Rows.Select(row);
        RowsChanged(*list);
      },
      Qt::QueuedConnection);
}

/// Our frameless windows are plain widgets to Qt, which screen readers would take for a
/// filler; they are told a window or a dialog, named by the title or the name given.
bool OwnWindow(const QString& className, const QWidget& widget) {
  return widget.isWindow() && className.startsWith(QLatin1String("tess::"));
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (auto* control = qobject_cast<Clickable*>(object)) return new ClickableInterface(control);
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (RowSourceOf(object)) return new PaintedListInterface(widget);
  if (ButtonSourceOf(object)) return new PlainButtonInterface(widget);
  if (SliderSourceOf(object)) return new SliderInterface(widget);
  if (OwnWindow(className, *widget)) {
    const bool dialog = (widget->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog;
    return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

QString VerdictWord(bool right) {
  return Decode(right ? "dobrze" : "\x9Fle", CodePage::Cp1250);
}

ListRows RowsOf(std::function<std::vector<PaintedRow>()> rows, std::function<void(int row)> press) {
  auto at = [rows](int row) {
    std::vector<PaintedRow> now = rows();
    return row >= 0 && row < static_cast<int>(now.size()) ? now[static_cast<size_t>(row)]
                                                          : PaintedRow{};
  };
  ListRows result{[rows] { return static_cast<int>(rows().size()); },
                  [at](int row) { return at(row).Text; },
                  [at](int row) { return at(row).Selected; },
                  [at](int row) { return at(row).Bounds; }, std::move(press)};
  result.Role = [at](int row) { return at(row).Role; };
  result.Checked = [at](int row) { return at(row).Checked; };
  result.Value = [at](int row) { return at(row).Value; };
  result.Description = [at](int row) { return at(row).Description; };
  result.Pane = true;
  return result;
}

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void RenewAccessible(QWidget& control) {
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&control);
  if (!made) return;
  const bool ours = dynamic_cast<ClickableInterface*>(made) != nullptr ||
                    dynamic_cast<PaintedListInterface*>(made) != nullptr ||
                    dynamic_cast<PlainButtonInterface*>(made) != nullptr ||
                    dynamic_cast<SliderInterface*>(made) != nullptr;
  if (!ours) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ExposeRows(QWidget& list, ListRows rows) {
  InstallAccessibility();
  delete RowSourceOf(&list);
  new RowSource(list, std::move(rows));
  RenewAccessible(list);
}

void ExposeButton(QWidget& control, std::function<void()> press) {
  InstallAccessibility();
  delete ButtonSourceOf(&control);
  new ButtonSource(control, std::move(press));
  RenewAccessible(control);
}

void ExposeSlider(QWidget& track, std::function<SliderValues()> values,
                  std::function<void(double)> set) {
  InstallAccessibility();
  delete SliderSourceOf(&track);
  new SliderSource(track, std::move(values), std::move(set));
  RenewAccessible(track);
}

void SliderMoved(QWidget& track) {
  if (!QAccessible::isActive() || !SliderSourceOf(&track)) return;
  const SliderSource* source = SliderSourceOf(&track);
  QAccessibleValueChangeEvent event(&track, source->Values ? source->Values().Value : 0.0);
  QAccessible::updateAccessibility(&event);
}

void RowsChanged(QWidget& list) {
  if (!QAccessible::isActive() || !RowSourceOf(&list)) return;
  if (auto* made =
          dynamic_cast<PaintedListInterface*>(QAccessible::queryAccessibleInterface(&list))) {
    made->Announce();
  }
}

}  // namespace tess
