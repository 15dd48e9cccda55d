#include "widgets/SkinButton.h"

#include <QPainter>

namespace tess {

SkinButton::SkinButton(QWidget* parent) : Clickable(parent) {
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
  QPainter painter(this);
  if (list_ && !(hideNormal_ && stan_ == 0)) {
    const int frame = (stan_ == 2 && !(style_ & tbs_Highlighted)) ? 1 : stan_;
    list_->DrawFrame(painter, bitmapNormal_, frame, QPoint(0, 0));
  }
  PaintFocusFrame(painter);
}

void SkinButton::OnEnter() {
  if (style_ & tbs_Highlighted) SetStan(1);
}

void SkinButton::OnLeave() {
  if (style_ & tbs_Highlighted) SetStan(0);
}

void SkinButton::OnPress() {
  if (style_ & tbs_Pressed) SetStan(2);
}

void SkinButton::OnRelease() {
  if (style_ & tbs_Pressed) SetStan(0);
}

void SkinButton::hideEvent(QHideEvent* event) {
  if (style_ & (tbs_Highlighted | tbs_Pressed)) stan_ = 0;
  Clickable::hideEvent(event);
}

SkinButton* SkinnedButton(QWidget* window, const char* name, SkinStrips& skins, int skin, int left,
                          int top) {
  auto* button = new SkinButton(window);
  button->setObjectName(name);
  button->SetImageList(&skins);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace tess
