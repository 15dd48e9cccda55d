#pragma once
// The dictionary's login: asked for when the learning list is first used; it returns with or
// without a user, and the program goes on either way.
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <string>

#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {
class MessageBox;
class ModalShower;
}  // namespace tess

namespace tess::dictionary {

struct DictionaryState;
class NewUserWindow;

class LoginWindow : public QWidget {
  Q_OBJECT
 public:
  /// Reads usr.t (at most 50 users) and fills the list once; `LoadError()` tells whether
  /// reading failed.
  LoginWindow(DictionaryState& state, SkinStrips& skins, ModalShower& modal, NewUserWindow& newUser,
              MessageBox& messages, QWidget* parent = nullptr);

  const std::string& LoadError() const { return loadError_; }

  QLabel* Image1;
  QLabel* Label1;
  QListWidget* ComboBox1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;
  SkinButton* TransparentButton1;

  /// Logs the selected user in (UserName, UserDir, the folder made) and closes with mrOk.
  void B_OKClick();
  /// The new-user window; a user it added is logged in at once.
  void TransparentButton1Click();
  /// Closes without a user.
  void B_ZamknijClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  void FillList();
  void SelectLast();
  void UpdateOk();

  DictionaryState& state_;
  ModalShower& modal_;
  NewUserWindow& newUser_;
  MessageBox& messages_;
  std::string loadError_;
};

}  // namespace tess::dictionary
