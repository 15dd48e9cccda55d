#pragma once
// A voice recorder on the default audio input: 16-bit samples at the rate and channel count
// the device prefers, kept in memory and saved as a WAV file through libsndfile.
#include <QAudioFormat>
#include <QAudioSource>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/VoiceRecorder.h"

namespace tess {

class QtVoiceRecorder : public QObject, public VoiceRecorder {
  Q_OBJECT
 public:
  enum Error {
    kNoError = 0,
    kNoInputDevice = 1,  ///< there is no input device
    kFormatUnsupported,  ///< the device takes no 16-bit samples
    kNotOpen,            ///< a command before Open
    kDeviceFailed,       ///< the device refused to start or stopped on its own
    kSaveFailed,         ///< the file could not be written
  };

  explicit QtVoiceRecorder(QObject* parent = nullptr);
  ~QtVoiceRecorder() override;

  /// A new, empty recording; without an input device it stays empty (and says so).
  int Open() override;
  /// Nothing to start without a device: Open has already told why.
  int Record() override;
  int Save(const std::string& path) override;
  int Close() override;
  std::string ErrorText(int code) const override;

 private:
  void Collect();
  void StopSource();

  bool open_ = false;
  QAudioFormat format_;
  std::unique_ptr<QAudioSource> source_;
  QPointer<QIODevice> input_;
  QByteArray data_;
  std::string saveError_;
};

}  // namespace tess
