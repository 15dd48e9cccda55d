#pragma once
// The classroom side of the program: the connection to the school's server, the session, and
// the three windows of the login, the password change and the end of a session. Made only
// when the installation is in classroom mode.
#include <memory>
#include <string>

#include "classroom/ClassroomForms.h"
#include "classroom/ClassroomSession.h"
#include "results/ResultsStore.h"

namespace tess {

class ClassroomLoginWindow;
class Clock;
class MessageBox;
class ModalShower;
class PasswordChangeWindow;
class PictureLoader;
class QtServerLink;
class SessionEndWindow;
class SkinStrips;

class ClassroomFlow : public ResultReporter {
 public:
  ClassroomFlow(CourseState& state, const CourseMaterial& material, ResultsStore& results,
                SkinStrips& skins, PictureLoader& pictures, ModalShower& modal, Clock& clock,
                MessageBox& messages, MessageBox& plain);
  ~ClassroomFlow() override;

  /// The classroom login, modally: ClassroomLoginWindow::kLoggedIn, kLocalWork or kEndProgram.
  int ShowLogin();
  /// The end-of-session window, modally.
  SessionEnd AskSessionEnd();
  const ClassroomLessons& Lessons() const { return session_->Lessons(); }

  /// Every recorded attempt goes to the server, or waits in the user's queue.
  void ReportResult(const ResultRecord& record) override;

  ClassroomLoginWindow& LoginDialog() { return *login_; }
  PasswordChangeWindow& PasswordDialog() { return *password_; }
  SessionEndWindow& SessionEndDialog() { return *end_; }

 private:
  CourseState& state_;
  ResultsStore& results_;
  ModalShower& modal_;
  MessageBox& plain_;
  std::unique_ptr<QtServerLink> link_;
  std::unique_ptr<ClassroomSession> session_;
  std::unique_ptr<PasswordChangeWindow> password_;
  std::unique_ptr<ClassroomLoginWindow> login_;
  std::unique_ptr<SessionEndWindow> end_;
};

}  // namespace tess
