#pragma once
// What the three classroom windows share: the frameless dialog with its background picture,
// labels on the left and fields on the paper panels the picture draws.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <string>

namespace tess {

class PictureLoader;

namespace classroom_look {
inline constexpr int kLabelLeft = 16;
inline constexpr int kFieldLeft = 170;  // the background's panels stand here
inline constexpr int kFieldWidth = 200;
inline constexpr int kFieldHeight = 24;
}  // namespace classroom_look

/// A frameless dialog window of `size` whose background is ProgramDir + "gfx_r\" + picture.
QLabel* MakeClassroomBackground(QWidget& window, QSize size);
void ShowClassroomBackground(QLabel& background, PictureLoader& pictures, const std::string& path);
/// A label at the left of a field row.
QLabel* MakeFieldLabel(QWidget& window, const QString& text, int top);
/// A field on its panel; `hidden` shows "*" for every character.
QLineEdit* MakeField(QWidget& window, const char* name, int top, bool hidden);
/// The label's caption, without its colon, names the control for screen readers.
void NameByLabel(QWidget& control, QLabel& label);

}  // namespace tess
