#pragma once
// What the three windows of the local users share: their skins and the look of their
// standard controls, which sit on panels drawn into the background pictures.
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tess {

class SkinStrips;
class SkinButton;

// Positions in the shared skin list.
constexpr int kSkinNewUser = 29;  // "nowy_user.bmp", with words of the interface language
constexpr int kSkinHelp = 44;     // "help.bmp"
constexpr int kSkinOk = 47;       // "Wybor_ok.bmp", the word "OK"

/// A skinned button with the usual style of the course windows, at `left`,`top`.
SkinButton* SkinnedButton(QWidget* window, const char* name, SkinStrips& skins, int skin, int left,
                          int top);

/// Rows 18 pixels apart with the list colours of the course, on a transparent ground.
void StyleUserList(QListWidget& list);
/// A frameless field on the white panel of the background.
void StyleNameEdit(QLineEdit& edit);
void StyleLanguageBox(QComboBox& box);

}  // namespace tess
