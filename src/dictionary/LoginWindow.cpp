#include "dictionary/LoginWindow.h"

#include <QKeyEvent>

#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/NewUserWindow.h"
#include "widgets/SkinButton.h"

namespace tess::dictionary {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 229;
const QRect kUserList(16, 64, 268, 100);

}  // namespace

LoginWindow::LoginWindow(DictionaryState& state, SkinStrips& skins, ModalShower& modal,
                         NewUserSource newUser, MessageBox& messages, QWidget* parent)
    : UserPickerWindow(state.Users, {state.DataFolder(), state.UserName, state.UserDir}, modal,
                       std::move(newUser), messages, kUserList, parent) {
  setObjectName("TForm9");
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("Tessaron 5.0"));
  Image1 = WindowBackground(*this, QStringLiteral("Logowanie"), {kUserList});
  Image1->lower();
  Label1 = new QLabel(QStringLiteral("Wybierz swoje imię z listy:"), this);
  StyleLabel(*Label1, 13, true);
  Label1->setGeometry(16, 38, 260, 22);

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(DictionarySkin::Close), 0, 0);
  B_Zamknij->move(kWidth - B_Zamknij->width() - 2, 2);
  B_Zamknij->setToolTip(QStringLiteral("Koniec"));
  TransparentButton1 =
      SkinnedButton(this, "TransparentButton1", skins, SkinIndex(DictionarySkin::NewUser), 0, 0);
  TransparentButton1->move(16, kHeight - TransparentButton1->height() - 12);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(DictionarySkin::Ok), 0, 0);
  B_OK->move(kWidth - B_OK->width() - 16, kHeight - B_OK->height() - 12);
  TransparentButton1->setAccessibleName(QStringLiteral("Nowy użytkownik"));
  B_OK->setAccessibleName(QStringLiteral("OK"));
  ConnectButtons();

  connect(TransparentButton1, &SkinButton::Click, this, &LoginWindow::TransparentButton1Click);
}

void LoginWindow::showEvent(QShowEvent* event) {
  SelectLast();
  QWidget::showEvent(event);
}

bool LoginWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); }, true);
}

}  // namespace tess::dictionary
