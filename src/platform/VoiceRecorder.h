#pragma once
// A recorder as the windows use it: a new, empty recording is opened
// on the default input, recorded into, saved to a file and closed. Every command returns 0 or
// an error code that ErrorText turns into words.
#include <string>

namespace tess {

class VoiceRecorder {
 public:
  virtual ~VoiceRecorder() = default;
  virtual int Open() = 0;
  virtual int Record() = 0;
  /// Writes the recording so far as a WAV file and returns when it is written.
  virtual int Save(const std::string& path) = 0;
  virtual int Close() = 0;
  virtual std::string ErrorText(int code) const = 0;
};

}  // namespace tess
