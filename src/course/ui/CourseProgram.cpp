#include "course/ui/CourseProgram.h"

#include <QApplication>

#include "course/Settings.h"
#include "course/ui/Centre.h"
#include "course/ui/Form20.h"
#include "course/ui/Form5.h"
#include "course/ui/LanguageMaterial.h"
#include "course/ui/Main.h"
#include "course/ui/Podklad.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "results/ui/Form10.h"
#include "results/ui/Form24.h"
#include "results/ui/Form9.h"

namespace tess {

CourseProgram::CourseProgram(CourseState& state, CoursePorts ports) : state_(state), ports_(ports) {
  form5_ = std::make_unique<TForm5>(ports_.Pictures);
  mainForm_ = std::make_unique<TMainForm>(state_, *form5_, ports_.Pictures);
  form20_ = std::make_unique<TForm20>(state_, *form5_, ports_.Pictures, ports_.Modal);
  podklad_ = std::make_unique<TPodkladForm>();
  // Until the skins are loaded the message window cannot draw, so start-up failures use
  // the plain message box.
  material_ = std::make_unique<LanguageMaterial>(state_, *mainForm_, *form5_, ports_.PlainMessages);
  messages_ = std::make_unique<Form20MessageBox>(*form20_, ports_.PlainMessages);
  // The login reads usr.t as it is created, and reports through the message window.
  form10_ =
      std::make_unique<TForm10>(state_, users_, form5_->MyImageList1, ports_.Pictures, *messages_);
  form10_->ReloadLanguageMaterial = [this] { return material_->Reload(); };
  form9_ = std::make_unique<TForm9>(state_, users_, form5_->MyImageList1, ports_.Pictures,
                                    ports_.Modal, *form10_, *messages_);
  form24_ = std::make_unique<TForm24>(state_, form5_->MyImageList1, ports_.Pictures);
  mainForm_->SetCloseConfirmation([this] { return ConfirmClose(); });
  for (auto* help : {&form9_->ShowHelpText, &form10_->ShowHelpText}) {
    *help = [this](int n) { ShowInformation("HH_" + state_.InterfaceText(n)); };
  }
  form9_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  form10_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
}

CourseProgram::~CourseProgram() = default;

MessageBox& CourseProgram::Messages() { return *messages_; }

bool CourseProgram::ReloadLanguageMaterial() { return material_->Reload(); }

bool CourseProgram::LoadCourseMaterial() {
  std::vector<std::string> messages;
  const bool loaded = tess::LoadCourseMaterial(state_.Install, courseMaterial_, messages);
  for (const std::string& message : messages) Messages().ShowMessage(message);
  return loaded;
}

void CourseProgram::ShowBackdrop() { podklad_->ShowCovering(); }

bool CourseProgram::ShowClassroomLogin() { return false; }

void CourseProgram::ShowLocalLogin() {
  if (!form9_->LoadError().empty()) Messages().ShowMessage(form9_->LoadError());
  CentreOnScreen(*form9_);
  if (ports_.Modal.ShowModal(*form9_) != mrOk || !OnLocalUserChosen()) endRequested_ = true;
}

bool CourseProgram::OnLocalUserChosen() {
  LoadUserResults();
  return LoadUserSettings(state_, Messages(), [this] { return material_->Reload(); });
}

void CourseProgram::LoadUserResults() {
  const std::string path = ResultsFilePath(state_.UserDir, state_.Install.SettingsTag);
  std::string error;
  if (!LoadResults(path, results_, &error)) {
    Messages().ShowMessage("Nie można odczytać wyników z pliku " + path + ": " + error);
    return;  // a damaged file is kept as it is, never overwritten by a fresh build
  }
  if (results_.Count() > 0) return;
  BuildResults(courseMaterial_, ports_.Time.Now(), results_);
  if (!SaveResults(path, results_, &error)) {
    Messages().ShowMessage("Nie można zapisać wyników w pliku " + path + ": " + error);
  }
}

bool CourseProgram::ConfirmClose() {
  if (state_.RunMode == kRunModeLocal) {
    CentreOnScreen(*form24_);
    if (ports_.Modal.ShowModal(*form24_) != mrYes) return false;
  }
  QApplication::quit();
  return true;
}

void CourseProgram::ShowHelpPage(const std::string&) {}

void CourseProgram::ShowInformation(const std::string&) {}

void CourseProgram::ShowOptions() {}

void CourseProgram::ShowMainWindow() {
  CentreOnScreen(*mainForm_);
  mainForm_->show();
  mainForm_->raise();
  mainForm_->activateWindow();
}

}  // namespace tess
