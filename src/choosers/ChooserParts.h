#pragma once
// The controls both choosers are built of besides their painted lists: the row highlight
// with its focus frame, and scroll arrows drawn from the skins.
#include <QWidget>

#include "core/SkinTable.h"

namespace tess {

class RepeatButton;
class SkinStrips;

/// The fill of a selected row, hidden at first. Made before the list box, so it lies beneath
/// the rows.
QWidget* MakeRowHighlight(QWidget* window, const char* name);
/// The outline laid on the highlight of the list that has the keyboard focus, hidden at first.
QWidget* MakeFocusFrame(QWidget* window, const char* name);

/// A hidden scroll arrow at `left`,`top` showing frame 0 of `skin`, frame 1 under the mouse;
/// it follows reloads of the skins.
RepeatButton* MakeScrollArrow(QWidget* window, const char* name, SkinStrips& skins, int skin,
                              int left, int top);

}  // namespace tess
