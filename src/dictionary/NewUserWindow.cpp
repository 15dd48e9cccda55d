#include "dictionary/NewUserWindow.h"

#include <QKeyEvent>
#include <optional>

#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryState.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "shared/CodePage.h"
#include "users/UserNameText.h"
#include "users/UserWidgets.h"
#include "users/Users.h"
#include "widgets/SkinButton.h"

namespace tess::dictionary {

namespace {

constexpr int kWidth = 321;
constexpr int kHeight = 146;
const QRect kNameField(16, 62, 289, 28);

}  // namespace

NewUserWindow::NewUserWindow(DictionaryState& state, SkinStrips& skins, MessageBox& messages,
                             QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog), state_(state), messages_(messages) {
  setObjectName("TForm10");
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("Nowy użytkownik"));
  Image1 = WindowBackground(*this, QStringLiteral("Nowy użytkownik"), {kNameField});
  Label1 = new QLabel(QStringLiteral("Wpisz swoje imię lub pseudonim:"), this);
  StyleLabel(*Label1, 13, true);
  Label1->setGeometry(16, 36, 260, 22);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(kNameField);
  Edit1->setMaxLength(kMaxUserNameLength);
  StyleNameEdit(*Edit1);

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(DictionarySkin::Close), 0, 0);
  B_Zamknij->move(kWidth - B_Zamknij->width() - 2, 2);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(DictionarySkin::Ok), 0, 0);
  B_OK->move(kWidth - B_OK->width() - 16, kHeight - B_OK->height() - 12);

  Edit1->setAccessibleName(QStringLiteral("Wpisz swoje imię lub pseudonim"));
  B_Zamknij->setAccessibleName(QStringLiteral("Zamknij"));
  B_OK->setAccessibleName(QStringLiteral("OK"));
  connect(B_OK, &SkinButton::Click, this, &NewUserWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &NewUserWindow::B_ZamknijClick);
  connect(Edit1, &QLineEdit::textChanged, this, &NewUserWindow::UpdateOk);
  keys_->Watch(*Edit1);
}

void NewUserWindow::UpdateOk() {
  B_OK->setVisible(UserNameLongEnough(Encode(Edit1->text(), CodePage::Cp1250)));
}

void NewUserWindow::showEvent(QShowEvent* event) {
  Edit1->clear();
  UpdateOk();
  Edit1->setFocus();
  QWidget::showEvent(event);
}

void NewUserWindow::B_OKClick() {
  const TypedUserOutcome outcome =
      AddTypedUser(Edit1->text(), state_.DataFolder(), state_.Users, messages_,
                   "Wpisany identyfikator już istnieje. Proszę wprowadzić inny.");
  if (outcome == TypedUserOutcome::NameTaken) Edit1->clear();
  if (outcome != TypedUserOutcome::Added) return;
  SetModalResult(*this, mrOk);
}

void NewUserWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

bool NewUserWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); });
}

}  // namespace tess::dictionary
