#pragma once
// What the windows of the local users share: the look of their standard controls, which sit on
// panels drawn into the background pictures.
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tess {

/// Rows 18 pixels apart with the list colours of the course, on a transparent ground.
void StyleUserList(QListWidget& list);
/// A frameless field on the white panel of the background.
void StyleNameEdit(QLineEdit& edit);
void StyleLanguageBox(QComboBox& box);

}  // namespace tess
