#include "users/LoginWindow.h"

#include <QKeyEvent>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "shared/Text.h"
#include "users/NewUserWindow.h"
#include "users/UserNameText.h"
#include "users/UserWidgets.h"
#include "users/Users.h"
#include "widgets/Centre.h"

namespace tess {

LoginWindow::LoginWindow(CourseState& state, UserList& users, SkinStrips& skins,
                         PictureLoader& pictures, ModalShower& modal, NewUserWindow& newUser,
                         MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      users_(users),
      pictures_(pictures),
      modal_(modal),
      newUser_(newUser),
      messages_(messages) {
  setObjectName("TForm9");
  setFixedSize(300, 200);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 300, 200);

  // The background draws a white panel exactly under the list.
  ComboBox1 = new QListWidget(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setGeometry(16, 64, 268, 80);
  StyleUserList(*ComboBox1);

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, kSkinClose, 273, 2);
  B_Zamknij->setToolTip(QStringLiteral("Koniec"));
  btn_help = SkinnedButton(this, "btn_help", skins, kSkinHelp, 258, 35);
  L_powtorki = SkinnedButton(this, "L_powtorki", skins, kSkinNewUser, 16, 156);
  B_OK = SkinnedButton(this, "B_OK", skins, kSkinOk, 212, 155);

  connect(B_OK, &SkinButton::Click, this, &LoginWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &LoginWindow::B_ZamknijClick);
  connect(L_powtorki, &SkinButton::Click, this, &LoginWindow::L_powtorkiClick);
  connect(btn_help, &SkinButton::Click, this, &LoginWindow::btn_helpClick);
  connect(ComboBox1, &QListWidget::currentRowChanged, this, &LoginWindow::UpdateOk);
  connect(ComboBox1, &QListWidget::itemDoubleClicked, this, [this] {
    if (!B_OK->isHidden()) B_OKClick();
  });
  keys_->Watch(*ComboBox1);

  if (!LoadUsers(state_.Install.ProgramDir, users_, &loadError_) && loadError_.empty()) {
    loadError_ = "Nie można odczytać listy użytkowników.";
  }
  FillList();
}

void LoginWindow::FillList() {
  ComboBox1->clear();
  for (const LocalUser& user : users_.Users()) ComboBox1->addItem(UserNameText(user.Name));
}

void LoginWindow::SelectLast() {
  if (ComboBox1->count() > 0) ComboBox1->setCurrentRow(ComboBox1->count() - 1);
  UpdateOk();
}

void LoginWindow::UpdateOk() {
  const int row = ComboBox1->currentRow();
  const bool named = row >= 0 && row < users_.Count() && !Trim(users_.At(row + 1).Name).empty();
  B_OK->setVisible(named);
}

void LoginWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\logowanie.bmp"))));
  SelectLast();
  ComboBox1->setFocus();
  QWidget::showEvent(event);
}

void LoginWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void LoginWindow::B_OKClick() {
  const int position = ComboBox1->currentRow() + 1;
  if (position < 1 || position > users_.Count()) return;
  const LocalUser& user = users_.At(position);
  std::string error;
  if (!ChooseUser(state_.Install.ProgramDir, user, state_.UserName, state_.UserDir, &error)) {
    messages_.ShowMessage(error);
    return;
  }
  SetModalResult(*this, mrOk);
}

void LoginWindow::L_powtorkiClick() {
  CentreOnScreen(newUser_);
  const int result = modal_.ShowModal(newUser_);
  // The new-user window refreshes the list from usr.t, also when it adds nobody.
  FillList();
  SelectLast();
  // Only a user added by this window is logged in; users another program added meanwhile
  // only appear in the list.
  if (result == mrOk && !B_OK->isHidden()) B_OKClick();
}

void LoginWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

void LoginWindow::btn_helpClick() {
  if (ShowHelpText) ShowHelpText(1);
}

bool LoginWindow::HandleKey(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (B_OK->isHidden()) return false;
      B_OKClick();
      return true;
    case Qt::Key_Escape:
      B_ZamknijClick();
      return true;
    case Qt::Key_F1:
      if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_log.html"));
      return true;
    default:
      return false;
  }
}

}  // namespace tess
