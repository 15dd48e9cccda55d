#pragma once
// The timer of the open exercise window, as the sound service switches it: playback start
// enables it, pause and stop disable it.

namespace tess {

class ExerciseTimer {
 public:
  virtual ~ExerciseTimer() = default;
  virtual void Enable() = 0;
  virtual void Disable() = 0;
};

}  // namespace tess
