#include "users/LoginWindow.h"

#include <QKeyEvent>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/PictureLoader.h"
#include "users/NewUserWindow.h"
#include "widgets/ControlNames.h"

namespace tess {

LoginWindow::LoginWindow(CourseState& state, UserList& users, SkinStrips& skins,
                         PictureLoader& pictures, ModalShower& modal, NewUserSource newUser,
                         MessageBox& messages, QWidget* parent)
    // The background draws a white panel exactly under the list.
    : UserPickerWindow(users, {state.Install.DataFolder(), state.UserName, state.UserDir}, modal,
                       std::move(newUser), messages, QRect(16, 64, 268, 80), parent),
      state_(state),
      pictures_(pictures) {
  setObjectName("TForm9");
  setFixedSize(300, 200);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 300, 200);
  Image1->lower();

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(CourseSkin::Close), 273, 2);
  B_Zamknij->setToolTip(QStringLiteral("Koniec"));
  btn_help = SkinnedButton(this, "btn_help", skins, SkinIndex(CourseSkin::Help), 258, 35);
  L_powtorki = SkinnedButton(this, "L_powtorki", skins, SkinIndex(CourseSkin::NewUser), 16, 156);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(CourseSkin::ChoiceOk), 212, 155);
  ConnectButtons();

  connect(L_powtorki, &SkinButton::Click, this, &LoginWindow::L_powtorkiClick);
  connect(btn_help, &SkinButton::Click, this, &LoginWindow::btn_helpClick);
  connect(ComboBox1, &QListWidget::itemDoubleClicked, this, [this] {
    if (!B_OK->isHidden()) B_OKClick();
  });
}

void LoginWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\logowanie.bmp"))));
  // The captions are drawn into the picture; screen readers get them here.
  const int language = state_.InterfaceLanguage;
  NameControl(*ComboBox1, names::kChooseYourName, language);
  NameControl(*btn_help, names::kHelp, language);
  NameControl(*L_powtorki, names::kNewUser, language);
  NameControl(*B_OK, names::kOk, language);
  SelectLast();
  QWidget::showEvent(event);
}

void LoginWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void LoginWindow::btn_helpClick() {
  if (ShowHelpText) ShowHelpText(1);
}

bool LoginWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); }, true,
      [this] {
        if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_log.html"));
      });
}

}  // namespace tess
