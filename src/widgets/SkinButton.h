#pragma once
// A button drawn from a strip of a SkinStrips: frame 0 normal, 1 highlighted, 2 pressed.
#include <QPointer>
#include <QWidget>

#include "widgets/SkinStrips.h"

namespace tess {

enum TransparentButtonStyle {
  tbs_Highlighted = 1 << 0,
  tbs_Pressed = 1 << 1,
  tbs_DefPos = 1 << 2,
};

class SkinButton : public QWidget {
  Q_OBJECT
 public:
  explicit SkinButton(QWidget* parent = nullptr);

  void SetImageList(SkinStrips* list);
  SkinStrips* ImageList() const { return list_; }
  void SetBitmapNormal(int index);
  int BitmapNormal() const { return bitmapNormal_; }
  void SetStan(int stan);
  int Stan() const { return stan_; }
  void SetStyle(int style) { style_ = style; }
  int Style() const { return style_; }
  void SetHideNormal(bool hide);
  bool HideNormal() const { return hideNormal_; }

 Q_SIGNALS:
  void Click();
  void MouseEnter();
  void MouseLeave();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  /// A window closed by this button never tells it the mouse left; the look is reset here
  /// so the button does not come back highlighted.
  void hideEvent(QHideEvent* event) override;

 private:
  /// Takes size (and with tbs_DefPos the position) from the strip.
  void FitToStrip();

  QPointer<SkinStrips> list_;
  int bitmapNormal_ = 0;
  int stan_ = 0;
  int style_ = tbs_Highlighted;
  bool hideNormal_ = false;
  bool pressedInside_ = false;
};

}  // namespace tess
