#include "coursebook/MessageWindow.h"

#include <QKeyEvent>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/Fonts.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "widgets/Centre.h"
#include "widgets/ControlNames.h"

namespace tess {

MessageWindow::MessageWindow(const CourseState& state, CourseSkins& skins, PictureLoader& pictures,
                             ModalShower& modal, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      pictures_(pictures),
      modal_(modal) {
  setObjectName("TForm20");
  setFixedSize(440, 120);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 440, 120);
  B_OK = new SkinButton(this);
  B_OK->setObjectName("B_OK");
  B_OK->SetImageList(&skins.MyImageList1);
  B_OK->SetBitmapNormal(SkinIndex(CourseSkin::Close));
  B_OK->move(413, 2);
  B_OK->setCursor(Qt::PointingHandCursor);
  Label1 = new QLabel(this);
  Label1->setGeometry(16, 39, 401, 58);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font("MS Sans Serif");
  font.setPixelSize(13);
  Label1->setFont(font);
  connect(B_OK, &SkinButton::Click, this, &MessageWindow::CloseWindow);
}

void MessageWindow::ShowText(const QString& text) {
  Label1->setText(text);
  CentreOnScreen(*this);
  modal_.ShowModal(*this);
}

void MessageWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\info.bmp"))));
  NameControl(*B_OK, names::kClose, state_.InterfaceLanguage);
  QWidget::showEvent(event);
}

void MessageWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void MessageWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (event->key() == Qt::Key_Escape || (enter && B_OK->isVisible())) {
    CloseWindow();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MessageWindow::CloseWindow() { SetModalResult(*this, mrOk); }

void MessageWindowBox::ShowMessage(const std::string& text) {
  form_.ShowText(QString::fromStdString(text));
}

}  // namespace tess
