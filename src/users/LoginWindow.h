#pragma once
// The local login: a list of the users of usr.t, the way to a new user, and the end of the
// program for whoever does not want to log in.
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <functional>
#include <string>

#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class MessageBox;
class ModalShower;
class PictureLoader;
class NewUserWindow;
class UserList;

class LoginWindow : public QWidget {
  Q_OBJECT
 public:
  /// Reads usr.t and fills the list; `LoadError()` tells whether that failed.
  LoginWindow(CourseState& state, UserList& users, SkinStrips& skins, PictureLoader& pictures,
              ModalShower& modal, NewUserWindow& newUser, MessageBox& messages,
              QWidget* parent = nullptr);

  /// The Polish message of a usr.t that could not be read; empty when it was read or missing.
  const std::string& LoadError() const { return loadError_; }

  /// Shows the information window with help text "HH_" + interface text n.
  std::function<void(int textNumber)> ShowHelpText;
  /// Shows the help window on a page (ProgramDir + "Htm_r\...").
  std::function<void(const std::string& page)> ShowHelpPage;

  QLabel* Image1;
  QListWidget* ComboBox1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;
  SkinButton* L_powtorki;
  SkinButton* btn_help;

  /// Logs the selected user in: sets UserName and UserDir (the folder is made) and closes
  /// with mrOk. A folder that cannot be made is reported and the window stays.
  void B_OKClick();
  void L_powtorkiClick();
  /// Closes with mrCancel: the program ends.
  void B_ZamknijClick();
  void btn_helpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Keys are seen by the window before its controls.
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  void FillList();
  /// Selects the last entry and shows B_OK as its name allows.
  void SelectLast();
  void UpdateOk();

  CourseState& state_;
  UserList& users_;
  PictureLoader& pictures_;
  ModalShower& modal_;
  NewUserWindow& newUser_;
  MessageBox& messages_;
  std::string loadError_;
};

}  // namespace tess
