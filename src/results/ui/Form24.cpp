#include "results/ui/Form24.h"

#include <QKeyEvent>

#include "course/CourseState.h"
#include "course/SkinTable.h"
#include "course/ui/UiText.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "results/ui/UserWidgets.h"

namespace tess {

TForm24::TForm24(const CourseState& state, TMyImageList& skins, PictureLoader& pictures,
                 QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog), state_(state), pictures_(pictures) {
  setObjectName("TForm24");
  setFixedSize(300, 100);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 300, 100);
  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, kSkinClose, 273, 2);
  B_OK = SkinnedButton(this, "B_OK", skins, kSkinOk, 212, 50);
  connect(B_OK, &TTransparentButton::Click, this, &TForm24::B_OKClick);
  connect(B_Zamknij, &TTransparentButton::Click, this, &TForm24::B_ZamknijClick);
}

void TForm24::B_OKClick() { SetModalResult(*this, mrYes); }

void TForm24::B_ZamknijClick() { SetModalResult(*this, mrNo); }

void TForm24::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\koniec.bmp"))));
  QWidget::showEvent(event);
}

void TForm24::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void TForm24::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    B_ZamknijClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tess
