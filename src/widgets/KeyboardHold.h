#pragma once
// Keyboard use of the controls that work while held down (the record buttons): with the focus
// on one, holding the space bar is holding the mouse button on it.
#include <functional>

class QLabel;
class QWidget;

namespace tess {

/// The frame in the focus colour that shows which hand-made control has the keyboard's
/// focus: a hidden child of `parent`, never in the way of the mouse.
QLabel* MakeFocusFrame(QWidget& parent);

/// Puts `control` on the Tab chain. While it has the focus, pressing the space bar calls
/// `down` and letting it go calls `up`; losing the focus while it is held lets it go too.
void HoldWithSpace(QWidget& control, std::function<void()> down, std::function<void()> up);

}  // namespace tess
