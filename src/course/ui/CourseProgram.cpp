#include "course/ui/CourseProgram.h"

#include <QApplication>

#include "course/ui/Centre.h"
#include "course/ui/Form20.h"
#include "course/ui/Form5.h"
#include "course/ui/LanguageMaterial.h"
#include "course/ui/LoginPlaceholder.h"
#include "course/ui/Main.h"
#include "course/ui/Podklad.h"
#include "platform/ModalShower.h"

namespace tess {

CourseProgram::CourseProgram(CourseState& state, CoursePorts ports)
    : state_(state), ports_(ports) {
  form5_ = std::make_unique<TForm5>(ports_.Pictures);
  mainForm_ = std::make_unique<TMainForm>(state_, *form5_, ports_.Pictures);
  form9_ = std::make_unique<TLoginPlaceholderForm>(*form5_);
  form20_ = std::make_unique<TForm20>(state_, *form5_, ports_.Pictures, ports_.Modal);
  podklad_ = std::make_unique<TPodkladForm>();
  // Until the skins are loaded the message window cannot draw, so start-up failures use
  // the plain message box.
  material_ = std::make_unique<LanguageMaterial>(state_, *mainForm_, *form5_, ports_.PlainMessages);
  messages_ = std::make_unique<Form20MessageBox>(*form20_, ports_.PlainMessages);
  mainForm_->SetCloseConfirmation([] {
    QApplication::quit();
    return true;
  });
}

CourseProgram::~CourseProgram() = default;

MessageBox& CourseProgram::Messages() { return *messages_; }

bool CourseProgram::ReloadLanguageMaterial() { return material_->Reload(); }

bool CourseProgram::LoadCourseMaterial() { return true; }

void CourseProgram::ShowBackdrop() { podklad_->ShowCovering(); }

bool CourseProgram::ShowClassroomLogin() { return false; }

void CourseProgram::ShowLocalLogin() {
  CentreOnScreen(*form9_);
  ports_.Modal.ShowModal(*form9_);
}

void CourseProgram::ShowMainWindow() {
  CentreOnScreen(*mainForm_);
  mainForm_->show();
  mainForm_->raise();
  mainForm_->activateWindow();
}

}  // namespace tess
