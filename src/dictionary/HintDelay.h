#pragma once
class QApplication;

namespace tess::dictionary {

/// Hints of the whole program show after `milliseconds` under the mouse.
void ShowHintsAfter(QApplication& app, int milliseconds);

}  // namespace tess::dictionary
