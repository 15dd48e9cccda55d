#pragma once
// The dictionary's login: asked for when the learning list is first used; it returns with or
// without a user, and the program goes on either way.
#include <QLabel>
#include <QWidget>
#include <string>

#include "users/UserPickerWindow.h"

namespace tess {
class MessageBox;
class ModalShower;
}  // namespace tess

namespace tess::dictionary {

struct DictionaryState;
class NewUserWindow;

class LoginWindow : public UserPickerWindow {
  Q_OBJECT
 public:
  /// Reads usr.t (at most 50 users) and fills the list once; `LoadError()` tells whether
  /// reading failed.
  LoginWindow(DictionaryState& state, SkinStrips& skins, ModalShower& modal, NewUserSource newUser,
              MessageBox& messages, QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* Label1;
  SkinButton* TransparentButton1;

  /// The new-user window; a user it added is logged in at once.
  void TransparentButton1Click() { AddNewUser(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool HandleKey(int key) override;
};

}  // namespace tess::dictionary
