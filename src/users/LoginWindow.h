#pragma once
// The local login: a list of the users of usr.t, the way to a new user, and the end of the
// program for whoever does not want to log in.
#include <QLabel>
#include <functional>
#include <string>

#include "users/UserPickerWindow.h"

namespace tess {

struct CourseState;
class PictureLoader;
class NewUserWindow;

class LoginWindow : public UserPickerWindow {
  Q_OBJECT
 public:
  /// Reads usr.t and fills the list; `LoadError()` tells whether that failed.
  LoginWindow(CourseState& state, UserList& users, SkinStrips& skins, PictureLoader& pictures,
              ModalShower& modal, NewUserSource newUser, MessageBox& messages,
              QWidget* parent = nullptr);

  /// Shows the information window with help text "HH_" + interface text n.
  std::function<void(int textNumber)> ShowHelpText;
  /// Shows the help window on a page (ProgramDir + "Htm_r\...").
  std::function<void(const std::string& page)> ShowHelpPage;

  QLabel* Image1;
  SkinButton* L_powtorki;
  SkinButton* btn_help;

  void L_powtorkiClick() { AddNewUser(); }
  void btn_helpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool HandleKey(int key) override;

  CourseState& state_;
  PictureLoader& pictures_;
};

}  // namespace tess
