#include "course/ui/LoginPlaceholder.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "controls/TransparentButton.h"
#include "course/ui/Form5.h"
#include "platform/ModalShower.h"

namespace tess {

TLoginPlaceholderForm::TLoginPlaceholderForm(TForm5& skins, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog) {
  setObjectName("TForm9");
  setFixedSize(420, 220);
  auto* ok = new TTransparentButton(this);
  ok->setObjectName("btn_ok");
  ok->SetImageList(&skins.MyImageList1);
  ok->SetBitmapNormal(0);
  ok->setCursor(Qt::PointingHandCursor);
  ok->move(width() - ok->width() - 20, height() - ok->height() - 16);
  connect(&skins.MyImageList1, &TMyImageList::Changed, this,
          [this, ok] { ok->move(width() - ok->width() - 20, height() - ok->height() - 16); });
  connect(ok, &TTransparentButton::Click, this, [this] { SetModalResult(*this, mrOk); });
}

void TLoginPlaceholderForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor("#F4E9D8"));
  p.fillRect(QRect(0, 0, width(), 44), QColor("#1F3A5F"));
  QFont title("Liberation Sans");
  title.setPixelSize(20);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(20, 0, width() - 40, 44), Qt::AlignVCenter, QStringLiteral("Logowanie"));
  QFont body("Liberation Sans");
  body.setPixelSize(15);
  p.setFont(body);
  p.setPen(QColor("#1F3A5F"));
  p.drawText(QRect(20, 60, width() - 40, 90), Qt::TextWordWrap,
             QStringLiteral("Wybór i zakładanie użytkowników pojawi się w następnej wersji "
                            "programu. Kliknij OK, aby przejść do kursu."));
}

void TLoginPlaceholderForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    SetModalResult(*this, mrOk);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tess
