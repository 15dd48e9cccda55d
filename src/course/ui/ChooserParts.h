#pragma once
// The controls both choosers are built of besides their painted lists: the row highlight
// with its focus frame, and scroll arrows drawn from the skins.
#include <QWidget>

#include "course/SkinTable.h"

namespace tess {

class TFCSImage1;
class TMyImageList;

/// The fill of a selected row, hidden at first. Made before the list box, so it lies beneath
/// the rows.
QWidget* MakeRowHighlight(QWidget* window, const char* name);
/// The outline laid on the highlight of the list that has the keyboard focus, hidden at first.
QWidget* MakeFocusFrame(QWidget* window, const char* name);

/// A hidden scroll arrow at `left`,`top` showing frame 0 of `skin`, frame 1 under the mouse;
/// it follows reloads of the skins.
TFCSImage1* MakeScrollArrow(QWidget* window, const char* name, TMyImageList& skins, int skin,
                            int left, int top);

}  // namespace tess
