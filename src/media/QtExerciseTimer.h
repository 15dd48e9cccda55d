#pragma once
// An exercise window's QTimer as the sound service switches it.
#include <QTimer>

#include "media/ExerciseTimer.h"

namespace tess {

class QtExerciseTimer : public ExerciseTimer {
 public:
  explicit QtExerciseTimer(QTimer& timer) : timer_(timer) {}
  void Enable() override { timer_.start(); }
  void Disable() override { timer_.stop(); }

 private:
  QTimer& timer_;
};

}  // namespace tess
