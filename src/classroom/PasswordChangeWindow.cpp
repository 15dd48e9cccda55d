#include "classroom/PasswordChangeWindow.h"

#include "classroom/ClassroomForms.h"
#include "classroom/ClassroomWindowParts.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/CodePage.h"
#include "widgets/ControlNames.h"

namespace tess {
namespace {

constexpr int kRowTops[] = {36, 62, 88, 114};  // the background's panels

}  // namespace

PasswordChangeWindow::PasswordChangeWindow(CourseState& state, SkinStrips& skins,
                                           PictureLoader& pictures, MessageBox& plain,
                                           QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      pictures_(pictures),
      plain_(plain) {
  setObjectName("TZmienPassForm");
  setWindowTitle(QStringLiteral("Zmiana hasła"));
  Image1 = MakeClassroomBackground(*this, QSize(373, 191));
  const QString labels[] = {QStringLiteral("Użytkownik:"), QStringLiteral("Stare hasło:"),
                            QStringLiteral("Nowe hasło:"), QStringLiteral("Potwierdź nowe hasło:")};
  QLabel* captions[4] = {};
  for (int row = 0; row < 4; ++row)
    captions[row] = MakeFieldLabel(*this, labels[row], kRowTops[row]);
  edit_user = MakeField(*this, "edit_user", kRowTops[0], false);
  edit_password = MakeField(*this, "edit_password", kRowTops[1], true);
  edit_new_password1 = MakeField(*this, "edit_new_password1", kRowTops[2], true);
  edit_new_password2 = MakeField(*this, "edit_new_password2", kRowTops[3], true);
  int row = 0;
  for (QLineEdit* field : {edit_user, edit_password, edit_new_password1, edit_new_password2}) {
    keys_->Watch(*field);
    NameByLabel(*field, *captions[row++]);
  }
  button2 = SkinnedButton(this, "button2", skins, SkinIndex(CourseSkin::Close), 346, 2);
  button1 = SkinnedButton(this, "button1", skins, SkinIndex(CourseSkin::ChoiceOk), 286, 152);
  NameControl(*button1, names::kOk, state.InterfaceLanguage);
  NameControl(*button2, names::kClose, state.InterfaceLanguage);
  connect(button1, &SkinButton::Click, this, &PasswordChangeWindow::button1Click);
  connect(button2, &SkinButton::Click, this, &PasswordChangeWindow::button2Click);
}

void PasswordChangeWindow::showEvent(QShowEvent* event) {
  ShowClassroomBackground(*Image1, pictures_, state_.ProgramPath("gfx_r\\siec_haslo.bmp"));
  for (QLineEdit* field : {edit_user, edit_password, edit_new_password1, edit_new_password2}) {
    field->clear();
  }
  edit_user->setFocus();
  QWidget::showEvent(event);
}

void PasswordChangeWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void PasswordChangeWindow::button1Click() {
  const std::string user = Encode(edit_user->text(), CodePage::Cp1250);
  const std::string old = Encode(edit_password->text(), CodePage::Cp1250);
  const std::string fresh = Encode(edit_new_password1->text(), CodePage::Cp1250);
  const std::string repeated = Encode(edit_new_password2->text(), CodePage::Cp1250);
  if (const std::optional<std::string> problem =
          PasswordChangeProblem(user, old, fresh, repeated)) {
    plain_.ShowMessage(Decode(*problem, CodePage::Cp1250).toStdString());
    return;
  }
  if (ChangePassword) {
    const RequestOutcome outcome = ChangePassword(user, old, fresh);
    plain_.ShowMessage(Decode(outcome.Message, CodePage::Cp1250).toStdString());
  }
  SetModalResult(*this, mrOk);
}

void PasswordChangeWindow::button2Click() { SetModalResult(*this, mrCancel); }

bool PasswordChangeWindow::HandleKey(int key) {
  return DialogKey(
      key, *button1, [this] { button1Click(); }, [this] { button2Click(); }, true);
}

}  // namespace tess
