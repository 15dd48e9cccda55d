#pragma once
// What the login windows of both programs share: the users of usr.t in a list, OK shown only
// for a user with a name, logging the chosen user in (the user's folder made), and the way to
// the new-user window, whose new user is logged in at once.
#include <QListWidget>
#include <QWidget>
#include <functional>
#include <string>

#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

/// The new-user window, made when it is first asked for: most starts never need it.
using NewUserSource = std::function<QWidget&()>;

class MessageBox;
class ModalShower;
class UserList;

/// Where a login puts the chosen user: the folder of usr.t and the user folders, and the user
/// fields.
struct LoginTarget {
  const std::string& DataDir;
  std::string& UserName;
  std::string& UserDir;
};

class UserPickerWindow : public QWidget {
  Q_OBJECT
 public:
  /// The Polish message of a usr.t that could not be read; empty when it was read or missing.
  const std::string& LoadError() const { return loadError_; }

  QListWidget* ComboBox1;
  SkinButton* B_OK = nullptr;
  SkinButton* B_Zamknij = nullptr;

  /// Logs the selected user in and closes with mrOk. A folder that cannot be made is reported
  /// and the window stays.
  void B_OKClick();
  /// Closes with mrCancel.
  void B_ZamknijClick();

 protected:
  /// Reads usr.t and fills the list, laid at `listArea`.
  UserPickerWindow(UserList& users, LoginTarget target, ModalShower& modal, NewUserSource newUser,
                   MessageBox& messages, const QRect& listArea, QWidget* parent);

  /// Wires OK and close (made by the window in its own skins) to the list.
  void ConnectButtons();
  /// Shows the new-user window; the list is read again, and a user it added is logged in.
  void AddNewUser();
  /// Selects the last entry, shows OK as its name allows and gives the list the focus.
  void SelectLast();
  /// The window's keys, seen before its controls (the list among them); true when used.
  virtual bool HandleKey(int key) = 0;

  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });

 private:
  void FillList();
  void UpdateOk();

  UserList& users_;
  LoginTarget target_;
  ModalShower& modal_;
  NewUserSource newUser_;
  MessageBox& messages_;
  std::string loadError_;
};

}  // namespace tess
