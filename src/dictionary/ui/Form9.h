#pragma once
// The dictionary's login: asked for when the learning list is first used; it returns with or
// without a user, and the program goes on either way.
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <string>

#include "controls/TransparentButton.h"
#include "controls/WindowKeys.h"

namespace tess {
class MessageBox;
class ModalShower;
}  // namespace tess

namespace tess::dictionary {

struct DictionaryState;
class TForm10;

class TForm9 : public QWidget {
  Q_OBJECT
 public:
  /// Reads usr.t (at most 50 users) and fills the list once; `LoadError()` tells whether
  /// reading failed.
  TForm9(DictionaryState& state, TMyImageList& skins, ModalShower& modal, TForm10& newUser,
         MessageBox& messages, QWidget* parent = nullptr);

  const std::string& LoadError() const { return loadError_; }

  QLabel* Image1;
  QLabel* Label1;
  QListWidget* ComboBox1;
  TTransparentButton* B_OK;
  TTransparentButton* B_Zamknij;
  TTransparentButton* TransparentButton1;

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
  TForm10& newUser_;
  MessageBox& messages_;
  std::string loadError_;
};

}  // namespace tess::dictionary
