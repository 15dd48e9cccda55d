#pragma once
// The look of the dictionary's windows where their pictures are part of the program: a navy
// title strip, sand paper, white panels under the lists and fields, teal text buttons.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace tess::dictionary {

namespace look {
inline const QColor kNavy{0x1F, 0x3A, 0x5F};
inline const QColor kTeal{0x2A, 0x9D, 0x8F};
inline const QColor kSand{0xF4, 0xE9, 0xD8};
inline const QColor kSandLine{0xE4, 0xD4, 0xBA};
inline const QColor kMuted{0x5E, 0x6E, 0x82};
inline const QColor kTagGrey{128, 128, 128};
inline const QColor kRowHighlight{153, 204, 102};
constexpr int kTitleHeight = 30;
}  // namespace look

/// A window picture of `size`: title strip with `title`, sand ground, a white panel under
/// each of `panels`, a navy frame.
QImage WindowPicture(QSize size, const QString& title, const std::vector<QRect>& panels);

/// The window's background label `Image1`, filling `window` with its `WindowPicture`.
QLabel* WindowBackground(QWidget& window, const QString& title, const std::vector<QRect>& panels);

/// The keys of the dictionary's small windows: Enter presses `ok` while it shows, Esc closes.
/// With `enterOnlyForOk` an Enter that finds OK hidden is left to the focused control.
bool DialogKey(int key, const QWidget& ok, const std::function<void()>& pressOk,
               const std::function<void()>& close, bool enterOnlyForOk = false);

/// A text button in the teal of the buttons, with a lighter fill under the mouse.
QPushButton* TextButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);

/// A label in navy (or muted) text on the sand paper.
void StyleLabel(QLabel& label, int pixels, bool bold, const QColor& ink = look::kNavy);

}  // namespace tess::dictionary
