#include "users/UserPickerWindow.h"

#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/Text.h"
#include "users/UserNameText.h"
#include "users/UserWidgets.h"
#include "users/Users.h"
#include "widgets/Centre.h"

namespace tess {

UserPickerWindow::UserPickerWindow(UserList& users, LoginTarget target, ModalShower& modal,
                                   NewUserSource newUser, MessageBox& messages,
                                   const QRect& listArea, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      users_(users),
      target_(target),
      modal_(modal),
      newUser_(std::move(newUser)),
      messages_(messages) {
  ComboBox1 = new QListWidget(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setGeometry(listArea);
  ComboBox1->setAccessibleName(QStringLiteral("Wybierz swoje imię z listy"));
  StyleUserList(*ComboBox1);
  connect(ComboBox1, &QListWidget::currentRowChanged, this, &UserPickerWindow::UpdateOk);
  keys_->Watch(*ComboBox1);

  loadError_ = LoadUsersForWindow(target_.DataDir, users_);
  FillList();
}

void UserPickerWindow::ConnectButtons() {
  connect(B_OK, &SkinButton::Click, this, &UserPickerWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &UserPickerWindow::B_ZamknijClick);
}

void UserPickerWindow::FillList() {
  ComboBox1->clear();
  for (const LocalUser& user : users_.Users()) ComboBox1->addItem(UserNameText(user.Name));
}

void UserPickerWindow::SelectLast() {
  if (ComboBox1->count() > 0) ComboBox1->setCurrentRow(ComboBox1->count() - 1);
  UpdateOk();
  ComboBox1->setFocus();
}

void UserPickerWindow::UpdateOk() {
  if (!B_OK) return;
  const int row = ComboBox1->currentRow();
  const bool named = row >= 0 && row < users_.Count() && !Trim(users_.At(row + 1).Name).empty();
  B_OK->setVisible(named);
}

void UserPickerWindow::B_OKClick() {
  const int position = ComboBox1->currentRow() + 1;
  if (position < 1 || position > users_.Count()) return;
  const LocalUser& user = users_.At(position);
  std::string error;
  if (!ChooseUser(target_.DataDir, user, target_.UserName, target_.UserDir, &error)) {
    messages_.ShowMessage(error);
    return;
  }
  SetModalResult(*this, mrOk);
}

void UserPickerWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

void UserPickerWindow::AddNewUser() {
  QWidget& newUser = newUser_();
  CentreOnScreen(newUser);
  const int result = modal_.ShowModal(newUser);
  // The new-user window read usr.t again, also when it added nobody, so the list shows users
  // another program added meanwhile; only a user this window added is logged in.
  FillList();
  SelectLast();
  if (result == mrOk && !B_OK->isHidden()) B_OKClick();
}

}  // namespace tess
