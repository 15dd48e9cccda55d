#include "widgets/SkinButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace tess {

SkinButton::SkinButton(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_Hover, false);
  resize(SkinStrips::kMissingSize, SkinStrips::kMissingSize);
}

void SkinButton::SetImageList(SkinStrips* list) {
  if (list_) disconnect(list_, nullptr, this, nullptr);
  list_ = list;
  if (list_) connect(list_, &SkinStrips::Changed, this, &SkinButton::FitToStrip);
  FitToStrip();
}

void SkinButton::SetBitmapNormal(int index) {
  bitmapNormal_ = index;
  FitToStrip();
}

void SkinButton::SetStan(int stan) {
  if (stan_ == stan) return;
  stan_ = stan;
  update();
}

void SkinButton::SetHideNormal(bool hide) {
  hideNormal_ = hide;
  update();
}

void SkinButton::FitToStrip() {
  if (list_) {
    if (style_ & tbs_DefPos) {
      move(list_->DefaultLeftOf(bitmapNormal_), list_->DefaultTopOf(bitmapNormal_));
    }
    resize(list_->FrameWidthOf(bitmapNormal_), list_->HeightOf(bitmapNormal_));
  }
  update();
}

void SkinButton::paintEvent(QPaintEvent*) {
  if (!list_ || (hideNormal_ && stan_ == 0)) return;
  const int frame = (stan_ == 2 && !(style_ & tbs_Highlighted)) ? 1 : stan_;
  QPainter painter(this);
  list_->DrawFrame(painter, bitmapNormal_, frame, QPoint(0, 0));
}

void SkinButton::enterEvent(QEnterEvent*) {
  if (!isEnabled()) return;
  if (style_ & tbs_Highlighted) SetStan(1);
  Q_EMIT MouseEnter();
}

void SkinButton::leaveEvent(QEvent*) {
  if (!isEnabled()) return;
  if (style_ & tbs_Highlighted) SetStan(0);
  Q_EMIT MouseLeave();
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressedInside_ = true;
  if (style_ & tbs_Pressed) SetStan(2);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressedInside_) return;
  pressedInside_ = false;
  QPointer<SkinButton> self(this);
  if (rect().contains(event->position().toPoint())) Q_EMIT Click();
  if (self && (style_ & tbs_Pressed)) SetStan(0);
}

void SkinButton::hideEvent(QHideEvent* event) {
  pressedInside_ = false;
  if (style_ & (tbs_Highlighted | tbs_Pressed)) stan_ = 0;
  QWidget::hideEvent(event);
}

}  // namespace tess
