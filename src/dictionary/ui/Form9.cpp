#include "dictionary/ui/Form9.h"

#include <QKeyEvent>

#include "dictionary/DictionaryState.h"
#include "dictionary/ui/Centre.h"
#include "dictionary/ui/DictionaryLook.h"
#include "dictionary/ui/Form10.h"
#include "dictionary/ui/Form5.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "results/Users.h"
#include "results/ui/UserNameText.h"
#include "results/ui/UserWidgets.h"
#include "shared/Text.h"

namespace tess::dictionary {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 229;
const QRect kUserList(16, 64, 268, 100);

}  // namespace

TForm9::TForm9(DictionaryState& state, TMyImageList& skins, ModalShower& modal, TForm10& newUser,
               MessageBox& messages, QWidget* parent)
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

  connect(B_OK, &TTransparentButton::Click, this, &TForm9::B_OKClick);
  connect(B_Zamknij, &TTransparentButton::Click, this, &TForm9::B_ZamknijClick);
  connect(TransparentButton1, &TTransparentButton::Click, this, &TForm9::TransparentButton1Click);
  connect(ComboBox1, &QListWidget::currentRowChanged, this, &TForm9::UpdateOk);
  keys_->Watch(*ComboBox1);

  if (!LoadUsers(state_.ProgramDir, state_.Users, &loadError_) && loadError_.empty()) {
    loadError_ = "Nie można odczytać listy użytkowników.";
  }
  FillList();
}

void TForm9::FillList() {
  ComboBox1->clear();
  for (const LocalUser& user : state_.Users.Users()) ComboBox1->addItem(UserNameText(user.Name));
}

void TForm9::SelectLast() {
  if (ComboBox1->count() > 0) ComboBox1->setCurrentRow(ComboBox1->count() - 1);
  UpdateOk();
}

void TForm9::UpdateOk() {
  const int row = ComboBox1->currentRow();
  const bool named =
      row >= 0 && row < state_.Users.Count() && !Trim(state_.Users.At(row + 1).Name).empty();
  B_OK->setVisible(named);
}

void TForm9::showEvent(QShowEvent* event) {
  SelectLast();
  ComboBox1->setFocus();
  QWidget::showEvent(event);
}

void TForm9::B_OKClick() {
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

void TForm9::TransparentButton1Click() {
  CentreOnScreen(newUser_);
  const int result = modal_.ShowModal(newUser_);
  // Adding re-reads usr.t, so the list also shows users the course added meanwhile.
  FillList();
  SelectLast();
  if (result == mrOk && !B_OK->isHidden()) B_OKClick();
}

void TForm9::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

bool TForm9::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); }, true);
}

}  // namespace tess::dictionary
