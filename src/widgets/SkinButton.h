#pragma once
// A button drawn from a strip of a SkinStrips: frame 0 normal, 1 highlighted, 2 pressed.
#include <QPointer>

#include "widgets/Clickable.h"
#include "widgets/SkinStrips.h"

namespace tess {

enum TransparentButtonStyle {
  tbs_Highlighted = 1 << 0,
  tbs_Pressed = 1 << 1,
  tbs_DefPos = 1 << 2,
};

class SkinButton : public Clickable {
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void OnEnter() override;
  void OnLeave() override;
  void OnPress() override;
  void OnRelease() override;
  void hideEvent(QHideEvent* event) override;

 private:
  /// Takes size (and with tbs_DefPos the position) from the strip.
  void FitToStrip();

  QPointer<SkinStrips> list_;
  int bitmapNormal_ = 0;
  int stan_ = 0;
  int style_ = tbs_Highlighted;
  bool hideNormal_ = false;
};

/// A skinned button with the usual style of the windows (hand cursor), at `left`,`top`.
SkinButton* SkinnedButton(QWidget* window, const char* name, SkinStrips& skins, int skin, int left,
                          int top);

}  // namespace tess
