#pragma once
// The look of the dictionary's windows where their pictures are part of the program: a navy
// title strip, sand paper, white panels under the lists and fields, teal text buttons.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "widgets/Palette.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tess::dictionary {

namespace look {
constexpr int kTitleHeight = 30;
}  // namespace look

/// A window picture of `size`: title strip with `title`, sand ground, a white panel under
/// each of `panels`, a navy frame.
QImage WindowPicture(QSize size, const QString& title, const std::vector<QRect>& panels);

/// The window's background label `Image1`, filling `window` with its `WindowPicture`, drawn
/// when the window is first shown.
QLabel* WindowBackground(QWidget& window, const QString& title, const std::vector<QRect>& panels);

/// A text button in the teal of the buttons, with a lighter fill under the mouse.
QPushButton* TextButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);

/// A label in navy (or muted) text on the sand paper.
void StyleLabel(QLabel& label, int pixels, bool bold, const QColor& ink = palette::kNavy);

}  // namespace tess::dictionary
