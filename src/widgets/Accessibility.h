#pragma once
// What screen readers are told of the hand-made controls: a clickable label or skinned button
// is a button (or a tick box, a choice, a tab), and a list a window paints itself has one item
// per row it shows. Qt's own controls speak for themselves.
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

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

/// What a row of painted content is to screen readers.
enum class RowRole {
  ListItem,  ///< a row of a list, selected or not
  Text,      ///< text the window paints, read only
  Choice,    ///< one answer of a few, ticked or not
  CheckBox,  ///< ticked or not, on its own
  Entry,     ///< a gap: its answer is the row's value
};

/// The rows a painted list (or other painted content) shows now, top first, counted from 0.
/// The window computed them for its painting already; these only read them.
struct ListRows {
  std::function<int()> Count;
  std::function<QString(int row)> Text;
  std::function<bool(int row)> Selected;
  /// Where the row is drawn, in the list's coordinates.
  std::function<QRect(int row)> Bounds;
  /// What a press on the row does; the rows are read again afterwards.
  std::function<void(int row)> Select;
  /// Rows of a list unless given.
  std::function<RowRole(int row)> Role = {};
  /// Ticked or chosen, for choices and tick boxes.
  std::function<bool(int row)> Checked = {};
  /// The answer a gap holds now.
  std::function<QString(int row)> Value = {};
  /// Said after the name, e.g. the check's verdict on the row (VerdictWord).
  std::function<QString(int row)> Description = {};
  /// Painted content that is no list: a pane of texts, choices and gaps.
  bool Pane = false;
};

/// One row of painted content, for a window that lists them all at once.
struct PaintedRow {
  RowRole Role = RowRole::Text;
  QString Text = {};
  QRect Bounds = {};  ///< none where the window keeps no place for it
  bool Checked = false;
  bool Selected = false;
  QString Value = {};
  QString Description = {};
};

/// Pane rows read from the list `rows` makes afresh each time they are asked for; `press` is
/// what a screen reader's press on a row does.
ListRows RowsOf(std::function<std::vector<PaintedRow>()> rows,
                std::function<void(int row)> press = {});

/// What screen readers say of an answer after the check: "dobrze" or "\x9Fle".
QString VerdictWord(bool right);

/// Makes `list` a list with `rows` for screen readers.
void ExposeRows(QWidget& list, ListRows rows);
/// Tells screen readers what changed in the rows of `list` since they were last told: new
/// texts, rows that came or went, the selection (as the focus when the list has it).
void RowsChanged(QWidget& list);

/// Makes a plain picture or label that the window treats as a button one for screen readers,
/// named by its accessible name, else a label's own text, else its hint. `press` is what a screen reader's press does;
/// a button that must be held down (a recorder's) is given none.
void ExposeButton(QWidget& control, std::function<void()> press = {});

/// What a hand-made track tells screen readers: where it stands between its ends, the step its
/// keys move it by, and the same said in words.
struct SliderValues {
  double Value = 0;
  double Minimum = 0;
  double Maximum = 0;
  double Step = 1;
  QString Text = {};
};

/// Makes `track` a slider for screen readers: `values` is read each time they ask, and `set`
/// is what a value they set does (given within the ends).
void ExposeSlider(QWidget& track, std::function<SliderValues()> values,
                  std::function<void(double value)> set = {});
/// Tells screen readers that the track's value moved.
void SliderMoved(QWidget& track);

/// Puts the interfaces above in place of Qt's; repeated calls do nothing.
void InstallAccessibility();
/// Qt makes and keeps a widget's interface as soon as its text or name is set, also while the
/// control is still being built and before the interfaces above are in place; this drops such
/// an interface so ours is made instead.
void RenewAccessible(QWidget& control);

}  // namespace tess
