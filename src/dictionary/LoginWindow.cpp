#include "dictionary/LoginWindow.h"

#include <QKeyEvent>

#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/NewUserWindow.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/Text.h"
#include "users/UserNameText.h"
#include "users/UserWidgets.h"
#include "users/Users.h"
#include "widgets/Centre.h"

namespace tess::dictionary {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 229;
const QRect kUserList(16, 64, 268, 100);

}  // namespace

LoginWindow::LoginWindow(DictionaryState& state, SkinStrips& skins, ModalShower& modal,
                         NewUserWindow& newUser, MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      modal_(modal),
      newUser_(newUser),
      messages_(messages) {
  setObjectName("TForm9");
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("Tessaron 5.0"));
  Image1 = WindowBackground(*this, QStringLiteral("Logowanie"), {kUserList});
  Label1 = new QLabel(QStringLiteral("Wybierz swoje imię z listy:"), this);
  StyleLabel(*Label1, 13, true);
  Label1->setGeometry(16, 38, 260, 22);

  ComboBox1 = new QListWidget(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setGeometry(kUserList);
  StyleUserList(*ComboBox1);

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, kSkinClose, 0, 0);
  B_Zamknij->move(kWidth - B_Zamknij->width() - 2, 2);
  B_Zamknij->setToolTip(QStringLiteral("Koniec"));
  TransparentButton1 = SkinnedButton(this, "TransparentButton1", skins, kSkinNewUser, 0, 0);
  TransparentButton1->move(16, kHeight - TransparentButton1->height() - 12);
  B_OK = SkinnedButton(this, "B_OK", skins, kSkinOk, 0, 0);
  B_OK->move(kWidth - B_OK->width() - 16, kHeight - B_OK->height() - 12);

  connect(B_OK, &SkinButton::Click, this, &LoginWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &LoginWindow::B_ZamknijClick);
  connect(TransparentButton1, &SkinButton::Click, this, &LoginWindow::TransparentButton1Click);
  connect(ComboBox1, &QListWidget::currentRowChanged, this, &LoginWindow::UpdateOk);
  keys_->Watch(*ComboBox1);

  if (!LoadUsers(state_.ProgramDir, state_.Users, &loadError_) && loadError_.empty()) {
    loadError_ = "Nie można odczytać listy użytkowników.";
  }
  FillList();
}

void LoginWindow::FillList() {
  ComboBox1->clear();
  for (const LocalUser& user : state_.Users.Users()) ComboBox1->addItem(UserNameText(user.Name));
}

void LoginWindow::SelectLast() {
  if (ComboBox1->count() > 0) ComboBox1->setCurrentRow(ComboBox1->count() - 1);
  UpdateOk();
}

void LoginWindow::UpdateOk() {
  const int row = ComboBox1->currentRow();
  const bool named =
      row >= 0 && row < state_.Users.Count() && !Trim(state_.Users.At(row + 1).Name).empty();
  B_OK->setVisible(named);
}

void LoginWindow::showEvent(QShowEvent* event) {
  SelectLast();
  ComboBox1->setFocus();
  QWidget::showEvent(event);
}

void LoginWindow::B_OKClick() {
  const int position = ComboBox1->currentRow() + 1;
  if (position < 1 || position > state_.Users.Count()) return;
  const LocalUser& user = state_.Users.At(position);
  std::string error;
  if (!ChooseUser(state_.ProgramDir, user, state_.UserName, state_.UserDir, &error)) {
    messages_.ShowMessage(error);
    return;
  }
  SetModalResult(*this, mrOk);
}

void LoginWindow::TransparentButton1Click() {
  CentreOnScreen(newUser_);
  const int result = modal_.ShowModal(newUser_);
  // Adding re-reads usr.t, so the list also shows users the course added meanwhile.
  FillList();
  SelectLast();
  if (result == mrOk && !B_OK->isHidden()) B_OKClick();
}

void LoginWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

bool LoginWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); }, true);
}

}  // namespace tess::dictionary
