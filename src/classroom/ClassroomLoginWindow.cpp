#include "classroom/ClassroomLoginWindow.h"

#include "classroom/ClassroomForms.h"
#include "classroom/ClassroomWindowParts.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/CodePage.h"
#include "widgets/ControlNames.h"
#include "widgets/Palette.h"

namespace tess {
namespace {

constexpr int kUserTop = 44;  // the background's panels stand at these heights
constexpr int kPasswordTop = 76;
constexpr int kLinksTop = 130;

std::string Shown(const std::string& cp1250) {
  return Decode(cp1250, CodePage::Cp1250).toStdString();
}

HoverLabel* MakeLink(QWidget& window, const char* name, const QString& text, int left) {
  auto* link = new HoverLabel(text, &window);
  link->setObjectName(name);
  link->setCursor(Qt::PointingHandCursor);
  link->setStyleSheet(palette::Styled(
      QStringLiteral("color: {teal}; background: transparent; text-decoration: underline;")));
  link->move(left, kLinksTop);
  link->adjustSize();
  return link;
}

}  // namespace

ClassroomLoginWindow::ClassroomLoginWindow(CourseState& state, SkinStrips& skins,
                                           PictureLoader& pictures, MessageBox& messages,
                                           MessageBox& plain, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      pictures_(pictures),
      messages_(messages),
      plain_(plain) {
  setObjectName("TNetLoginForm");
  setWindowTitle(QStringLiteral("Logowanie do systemu"));
  Image1 = MakeClassroomBackground(*this, QSize(387, 163));
  Label1 = MakeFieldLabel(*this, QStringLiteral("Użytkownik:"), kUserTop);
  Label2 = MakeFieldLabel(*this, QStringLiteral("Hasło:"), kPasswordTop);
  edit_user = MakeField(*this, "edit_user", kUserTop, false);
  edit_password = MakeField(*this, "edit_password", kPasswordTop, true);
  keys_->Watch(*edit_user);
  keys_->Watch(*edit_password);
  NameByLabel(*edit_user, *Label1);
  NameByLabel(*edit_password, *Label2);

  btn_anuluj = SkinnedButton(this, "btn_anuluj", skins, SkinIndex(CourseSkin::Close), 360, 2);
  btn_anuluj->setToolTip(QStringLiteral("Koniec"));
  btn_ok = SkinnedButton(this, "btn_ok", skins, SkinIndex(CourseSkin::ChoiceOk), 300, 124);
  img_pomoc = SkinnedButton(this, "img_pomoc", skins, SkinIndex(CourseSkin::Help), 16, 126);
  NameControl(*btn_ok, names::kOk, state.InterfaceLanguage);
  NameControl(*img_pomoc, names::kHelp, state.InterfaceLanguage);
  img_zmienhaslo = MakeLink(*this, "img_zmienhaslo", QStringLiteral("Zmień hasło"), 52);
  img_lokalna = MakeLink(*this, "img_lokalna", QStringLiteral("Praca lokalna"), 150);

  connect(btn_ok, &SkinButton::Click, this, &ClassroomLoginWindow::btn_okClick);
  connect(btn_anuluj, &SkinButton::Click, this, &ClassroomLoginWindow::btn_anulujClick);
  connect(img_pomoc, &SkinButton::Click, this, &ClassroomLoginWindow::img_pomocClick);
  connect(img_zmienhaslo, &HoverLabel::Click, this, [this] {
    if (ChangePassword) ChangePassword();
  });
  connect(img_lokalna, &HoverLabel::Click, this, &ClassroomLoginWindow::img_lokalnaClick);
  connect(edit_user, &QLineEdit::textChanged, this, &ClassroomLoginWindow::UpdateOk);
  connect(edit_password, &QLineEdit::textChanged, this, &ClassroomLoginWindow::UpdateOk);
  UpdateOk();
}

void ClassroomLoginWindow::showEvent(QShowEvent* event) {
  ShowClassroomBackground(*Image1, pictures_, state_.ProgramPath("gfx_r\\siec_logowanie.bmp"));
  // After a log-out the fields still hold what was typed last.
  img_lokalna->setVisible(state_.Classroom.LocalAllowed);
  UpdateOk();
  edit_user->setFocus();
  QWidget::showEvent(event);
}

void ClassroomLoginWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void ClassroomLoginWindow::UpdateOk() {
  btn_ok->setVisible(LoginOkVisible(Encode(edit_user->text(), CodePage::Cp1250),
                                    Encode(edit_password->text(), CodePage::Cp1250)));
}

void ClassroomLoginWindow::btn_okClick() {
  const std::string name = Encode(edit_user->text(), CodePage::Cp1250);
  const std::string password = Encode(edit_password->text(), CodePage::Cp1250);
  if (const std::optional<std::string> problem = LoginFieldsProblem(name, password)) {
    plain_.ShowMessage(Shown(*problem));
    return;
  }
  if (!LogIn) return;
  const ClassroomLoginOutcome outcome = LogIn(name, password);
  for (const ClassroomLoginOutcome::Message& message : outcome.Messages) {
    (message.Plain ? plain_ : messages_).ShowMessage(Shown(message.Text));
  }
  if (outcome.LoggedIn) SetModalResult(*this, kLoggedIn);
}

void ClassroomLoginWindow::btn_anulujClick() { SetModalResult(*this, kEndProgram); }

void ClassroomLoginWindow::img_pomocClick() { messages_.ShowMessage(Shown(ForgottenLoginHelp())); }

void ClassroomLoginWindow::img_lokalnaClick() {
  if (state_.Classroom.LocalAllowed) SetModalResult(*this, kLocalWork);
}

bool ClassroomLoginWindow::HandleKey(int key) {
  return DialogKey(
      key, *btn_ok, [this] { btn_okClick(); }, [this] { btn_anulujClick(); }, true);
}

}  // namespace tess
