#pragma once
// The course program's windows, created once in start order, and the start host that
// drives them.
#include <memory>

#include "course/CourseState.h"
#include "course/StartSequence.h"

namespace tess {

class MessageBox;
class ModalShower;
class PictureLoader;
class TForm5;
class TForm20;
class TLoginPlaceholderForm;
class TMainForm;
class TPodkladForm;
class LanguageMaterial;
class Form20MessageBox;

/// The outside facilities the windows use.
struct CoursePorts {
  MessageBox& PlainMessages;
  PictureLoader& Pictures;
  ModalShower& Modal;
};

class CourseProgram : public StartHost {
 public:
  CourseProgram(CourseState& state, CoursePorts ports);
  ~CourseProgram() override;

  bool ReloadLanguageMaterial() override;
  bool LoadCourseMaterial() override;
  void ShowBackdrop() override;
  bool ShowClassroomLogin() override;
  void ShowLocalLogin() override;

  /// Shows the main window once the login is done.
  void ShowMainWindow();

  TMainForm& MainForm() { return *mainForm_; }
  TForm20& MessageForm() { return *form20_; }
  TPodkladForm& Backdrop() { return *podklad_; }
  /// Messages of the running program, shown in the message window.
  MessageBox& Messages();

 private:
  CourseState& state_;
  CoursePorts ports_;
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TLoginPlaceholderForm> form9_;
  std::unique_ptr<TForm20> form20_;
  std::unique_ptr<TPodkladForm> podklad_;
  std::unique_ptr<LanguageMaterial> material_;
  std::unique_ptr<Form20MessageBox> messages_;
};

}  // namespace tess
