#pragma once
// The new-user window: a name, the interface language the user starts with, and the
// addition to usr.t.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class MessageBox;
class PictureLoader;
class UserList;

class NewUserWindow : public QWidget {
  Q_OBJECT
 public:
  NewUserWindow(CourseState& state, UserList& users, SkinStrips& skins, PictureLoader& pictures,
                MessageBox& messages, QWidget* parent = nullptr);

  /// Reloads the material of a changed interface language; false when it failed (the
  /// reason was shown).
  std::function<bool()> ReloadLanguageMaterial;
  /// As in the login window.
  std::function<void(int textNumber)> ShowHelpText;
  std::function<void(const std::string& page)> ShowHelpPage;

  QLabel* Image1;
  QLineEdit* Edit1;
  QLabel* Label24;
  QComboBox* cb_lang;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;
  SkinButton* btn_help;

  /// Adds the typed user and closes with mrOk; a taken name shows interface text 83 and
  /// empties the field, other refusals show why; the window then stays.
  void B_OKClick();
  /// Closes with mrCancel.
  void B_ZamknijClick();
  void btn_helpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Keys are seen by the window before its controls.
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  void UpdateOk();
  void FillLanguages();

  CourseState& state_;
  UserList& users_;
  PictureLoader& pictures_;
  MessageBox& messages_;
  std::vector<int> languages_;  // the language number of each entry of cb_lang
};

}  // namespace tess
