#include "coursebook/ClassroomFlow.h"

#include "classroom/ClassroomLoginWindow.h"
#include "classroom/PasswordChangeWindow.h"
#include "classroom/QtServerLink.h"
#include "classroom/SessionEndWindow.h"
#include "core/CourseState.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/CodePage.h"
#include "widgets/Centre.h"

namespace tess {

ClassroomFlow::ClassroomFlow(CourseState& state, const CourseMaterial& material,
                             ResultsStore& results, SkinStrips& skins, PictureLoader& pictures,
                             ModalShower& modal, Clock& clock, MessageBox& messages,
                             MessageBox& plain)
    : state_(state), results_(results), modal_(modal), plain_(plain) {
  link_ = std::make_unique<QtServerLink>(state.Classroom.ServerHost, ClassroomSettings::kPort);
  session_ = std::make_unique<ClassroomSession>(*link_, material, clock);
  password_ = std::make_unique<PasswordChangeWindow>(state, skins, pictures, plain);
  password_->ChangePassword = [this](std::string_view user, std::string_view old,
                                     std::string_view fresh) {
    return session_->Client().ChangePassword(user, old, fresh);
  };
  login_ = std::make_unique<ClassroomLoginWindow>(state, skins, pictures, messages, plain);
  login_->LogIn = [this](std::string_view name, std::string_view password) {
    return session_->LogIn(state_, name, password, results_);
  };
  login_->ChangePassword = [this] {
    CentreOnScreen(*password_);
    modal_.ShowModal(*password_);
  };
  end_ = std::make_unique<SessionEndWindow>(state, skins, pictures);
}

ClassroomFlow::~ClassroomFlow() = default;

int ClassroomFlow::ShowLogin() {
  CentreOnScreen(*login_);
  return modal_.ShowModal(*login_);
}

SessionEnd ClassroomFlow::AskSessionEnd() {
  CentreOnScreen(*end_);
  modal_.ShowModal(*end_);
  return end_->Choice();
}

void ClassroomFlow::ReportResult(const ResultRecord& record) {
  const RequestOutcome outcome = session_->SendResult(state_.UserDir, record);
  if (!outcome.Ok && !outcome.Message.empty()) {
    plain_.ShowMessage(Decode(outcome.Message, CodePage::Cp1250).toStdString());
  }
}

}  // namespace tess
