#include "coursebook/ExitConfirmationWindow.h"

#include <QKeyEvent>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "widgets/ControlNames.h"
#include "widgets/SkinButton.h"

namespace tess {

ExitConfirmationWindow::ExitConfirmationWindow(const CourseState& state, SkinStrips& skins,
                                               PictureLoader& pictures, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog), state_(state), pictures_(pictures) {
  setObjectName("TForm24");
  setFixedSize(300, 100);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 300, 100);
  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(CourseSkin::Close), 273, 2);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(CourseSkin::ChoiceOk), 212, 50);
  connect(B_OK, &SkinButton::Click, this, &ExitConfirmationWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &ExitConfirmationWindow::B_ZamknijClick);
}

void ExitConfirmationWindow::B_OKClick() { SetModalResult(*this, mrYes); }

void ExitConfirmationWindow::B_ZamknijClick() { SetModalResult(*this, mrNo); }

void ExitConfirmationWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\koniec.bmp"))));
  NameControl(*B_OK, names::kOk, state_.InterfaceLanguage);
  NameControl(*B_Zamknij, names::kClose, state_.InterfaceLanguage);
  QWidget::showEvent(event);
}

void ExitConfirmationWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void ExitConfirmationWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    B_ZamknijClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tess
