#pragma once
// What screen readers are told of the hand-made controls: a clickable label or skinned button
// is a button (or a tick box, a choice, a tab), and a list a window paints itself has one item
// per row it shows. Qt's own controls speak for themselves.
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace tess {

/// The role a clickable control has for screen readers.
enum class ControlRole {
  Button,
  CheckBox,     ///< ticked or not (Clickable::SetChecked)
  RadioButton,  ///< one choice of a few, the chosen one checked
  PageTab,      ///< the current tab checked
  Caption,      ///< the clickable caption of another control: plain text, off the Tab chain
};

/// The rows a painted list shows now, top first, counted from 0. The window computed them
/// for its painting already; these only read them.
struct ListRows {
  std::function<int()> Count;
  std::function<QString(int row)> Text;
  std::function<bool(int row)> Selected;
  /// Where the row is drawn, in the list's coordinates.
  std::function<QRect(int row)> Bounds;
  /// What a press on the row does; the rows are read again afterwards.
  std::function<void(int row)> Select;
};

/// Makes `list` a list with `rows` for screen readers.
void ExposeRows(QWidget& list, ListRows rows);
/// Tells screen readers what changed in the rows of `list` since they were last told: new
/// texts, rows that came or went, the selection (as the focus when the list has it).
void RowsChanged(QWidget& list);

/// Puts the interfaces above in place of Qt's; repeated calls do nothing.
void InstallAccessibility();
/// Qt makes and keeps a widget's interface as soon as its text or name is set, also while the
/// control is still being built and before the interfaces above are in place; this drops such
/// an interface so ours is made instead.
void RenewAccessible(QWidget& control);

}  // namespace tess
