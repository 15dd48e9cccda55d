#pragma once
// The password change (`TZmienPassForm`), open from the classroom login without logging in:
// the four fields checked in their order, then the server's answer shown.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string_view>

#include "classroom/ClassroomClient.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class MessageBox;
class PictureLoader;

class PasswordChangeWindow : public QWidget {
  Q_OBJECT
 public:
  PasswordChangeWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                       MessageBox& plain, QWidget* parent = nullptr);

  /// Sends "CHP:" with the texts as typed.
  std::function<RequestOutcome(std::string_view user, std::string_view oldPassword,
                               std::string_view newPassword)>
      ChangePassword;

  QLabel* Image1;
  QLineEdit* edit_user;
  QLineEdit* edit_password;
  QLineEdit* edit_new_password1;
  QLineEdit* edit_new_password2;
  SkinButton* button1;
  SkinButton* button2;

  void button1Click();
  void button2Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool HandleKey(int key);

  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  CourseState& state_;
  PictureLoader& pictures_;
  MessageBox& plain_;
};

}  // namespace tess
