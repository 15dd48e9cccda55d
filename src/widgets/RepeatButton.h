#pragma once
// A picture button that repeats its click while held down (scroll arrows).
#include "widgets/Clickable.h"

class QTimer;

namespace tess {

class RepeatButton : public Clickable {
  Q_OBJECT
 public:
  explicit RepeatButton(QWidget* parent = nullptr) : Clickable(parent) {}

  int Repeatpause = 75;
  int InitRepeatpause = 250;

 protected:
  void OnPress() override;
  void OnRelease() override;

 private:
  void RepeatStep();

  QTimer* repeat_ = nullptr;  // made on first use
};

}  // namespace tess
