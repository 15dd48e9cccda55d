#include "users/NewUserWindow.h"

#include <QKeyEvent>
#include <optional>

#include "core/CourseState.h"
#include "core/InterfaceLanguages.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "shared/CodePage.h"
#include "users/UserNameText.h"
#include "users/UserWidgets.h"
#include "users/Users.h"
#include "widgets/ControlNames.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"

namespace tess {

NewUserWindow::NewUserWindow(CourseState& state, UserList& users, SkinStrips& skins,
                             PictureLoader& pictures, MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      users_(users),
      pictures_(pictures),
      messages_(messages) {
  setObjectName("TForm10");
  setFixedSize(320, 150);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 320, 150);

  // The background draws a white panel exactly under the field.
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(16, 62, 288, 28);
  Edit1->setMaxLength(kMaxUserNameLength);
  StyleNameEdit(*Edit1);

  Label24 = new QLabel(QStringLiteral("Wersja językowa interfejsu"), this);
  Label24->setObjectName("Label24");
  QFont small("MS Sans Serif");
  small.setPixelSize(11);
  Label24->setFont(small);
  Label24->setStyleSheet(palette::Styled(QStringLiteral("color: {muted};")));
  Label24->move(17, 99);
  Label24->adjustSize();
  cb_lang = new QComboBox(this);
  cb_lang->setObjectName("cb_lang");
  cb_lang->setGeometry(16, 115, 150, 22);
  cb_lang->setEnabled(false);
  StyleLanguageBox(*cb_lang);

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(CourseSkin::Close), 293, 2);
  btn_help = SkinnedButton(this, "btn_help", skins, SkinIndex(CourseSkin::Help), 278, 34);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(CourseSkin::ChoiceOk), 232, 104);
  cb_lang->setAccessibleName(Label24->text());

  connect(B_OK, &SkinButton::Click, this, &NewUserWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &NewUserWindow::B_ZamknijClick);
  connect(btn_help, &SkinButton::Click, this, &NewUserWindow::btn_helpClick);
  connect(Edit1, &QLineEdit::textChanged, this, &NewUserWindow::UpdateOk);
  keys_->Watch(*Edit1);
}

void NewUserWindow::FillLanguages() {
  languages_ = ListLanguageChoices(state_.Install.ProgramDir);
  cb_lang->clear();
  for (const int language : languages_) {
    cb_lang->addItem(QString::fromStdString(InterfaceLanguageName(language)));
  }
  if (!languages_.empty()) cb_lang->setCurrentIndex(0);
}

void NewUserWindow::UpdateOk() {
  // Characters cp1250 lacks count here as the "?" they would become; the name is refused
  // for them only when confirmed, with a message saying why.
  B_OK->setVisible(UserNameLongEnough(Encode(Edit1->text(), CodePage::Cp1250)));
}

void NewUserWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  FillLanguages();
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\logow_new.bmp"))));
  // The captions are drawn into the picture; screen readers get them here.
  const int language = state_.InterfaceLanguage;
  NameControl(*Edit1, names::kTypeYourName, language);
  NameControl(*B_Zamknij, names::kClose, language);
  NameControl(*btn_help, names::kHelp, language);
  NameControl(*B_OK, names::kOk, language);
  Edit1->clear();
  UpdateOk();
  Edit1->setFocus();
  QWidget::showEvent(event);
}

void NewUserWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void NewUserWindow::B_OKClick() {
  const TypedUserOutcome outcome = AddTypedUser(Edit1->text(), state_.Install.DataFolder(), users_,
                                                messages_, UiText(state_, 83).toStdString());
  if (outcome == TypedUserOutcome::NameTaken) Edit1->clear();
  if (outcome != TypedUserOutcome::Added) return;
  const int entry = cb_lang->currentIndex();
  if (entry >= 0 && entry < static_cast<int>(languages_.size())) {
    const int language = languages_[static_cast<size_t>(entry)];
    // The settings file made at the new user's first login carries this language.
    state_.DefaultInterfaceLanguage = language;
    if (language != state_.InterfaceLanguage) {
      state_.SetInterfaceLanguageNumber(language);
      if (ReloadLanguageMaterial) ReloadLanguageMaterial();
    }
  }
  SetModalResult(*this, mrOk);
}

void NewUserWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

void NewUserWindow::btn_helpClick() {
  if (ShowHelpText) ShowHelpText(2);
}

bool NewUserWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); }, false,
      [this] {
        if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_log.html"));
      });
}

}  // namespace tess
