#pragma once
// The classroom login (`TNetLoginForm`): name and password checked by the classroom server,
// the way to the password change, the help text and, where the school allows it, the way to
// local work. The steps of the login are ClassroomSession's; this window shows their messages.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string_view>

#include "classroom/ClassroomSession.h"
#include "widgets/HoverLabel.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class MessageBox;
class PictureLoader;

class ClassroomLoginWindow : public QWidget {
  Q_OBJECT
 public:
  /// The window's results.
  static constexpr int kLoggedIn = 1;
  static constexpr int kLocalWork = 2;
  static constexpr int kEndProgram = 3;

  /// `messages` is the program's message window, `plain` a plain message box.
  ClassroomLoginWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                       MessageBox& messages, MessageBox& plain, QWidget* parent = nullptr);

  /// Runs the login steps with the typed texts.
  std::function<ClassroomLoginOutcome(std::string_view name, std::string_view password)> LogIn;
  /// Opens the password window.
  std::function<void()> ChangePassword;

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* edit_user;
  QLineEdit* edit_password;
  SkinButton* btn_ok;
  SkinButton* btn_anuluj;
  SkinButton* img_pomoc;
  HoverLabel* img_zmienhaslo;
  HoverLabel* img_lokalna;

  void btn_okClick();
  void btn_anulujClick();
  void img_pomocClick();
  void img_lokalnaClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool HandleKey(int key);
  void UpdateOk();

  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  CourseState& state_;
  PictureLoader& pictures_;
  MessageBox& messages_;
  MessageBox& plain_;
};

}  // namespace tess
