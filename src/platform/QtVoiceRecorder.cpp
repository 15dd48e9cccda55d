#include "platform/QtVoiceRecorder.h"

#include <QAudioDevice>

#include "platform/AudioDevices.h"
#include "platform/WavFile.h"

namespace tess {

namespace {

// The recording of a machine without an input device is empty, in an ordinary format.
constexpr int kFallbackRate = 22050;
constexpr int kFallbackChannels = 1;
constexpr qint64 kFragmentUs = 40000;

}  // namespace

QtVoiceRecorder::QtVoiceRecorder(QObject* parent) : QObject(parent) {}

QtVoiceRecorder::~QtVoiceRecorder() { StopSource(); }

int QtVoiceRecorder::Open() {
  StopSource();
  data_.clear();
  open_ = true;
  format_ = QAudioFormat();
  format_.setSampleRate(kFallbackRate);
  format_.setChannelCount(kFallbackChannels);
  format_.setSampleFormat(QAudioFormat::Int16);

  const QAudioDevice device = PreferredAudioInput();
  if (device.isNull()) return kNoInputDevice;
  QAudioFormat preferred = device.preferredFormat();
  preferred.setSampleFormat(QAudioFormat::Int16);
  if (preferred.sampleRate() <= 0) preferred.setSampleRate(kFallbackRate);
  if (preferred.channelCount() <= 0) preferred.setChannelCount(kFallbackChannels);
  if (!device.isFormatSupported(preferred)) return kFormatUnsupported;
  format_ = preferred;
  source_ = std::make_unique<QAudioSource>(device, format_);
  // Small fragments, so what was said just before the stop is in the recording.
  source_->setBufferSize(format_.bytesForDuration(kFragmentUs));
  return kNoError;
}

int QtVoiceRecorder::Record() {
  if (!open_) return kNotOpen;
  if (!source_) return kNoError;
  if (input_) return kNoError;
  input_ = source_->start();
  if (input_ == nullptr || source_->error() != QAudio::NoError) {
    StopSource();
    return kDeviceFailed;
  }
  connect(input_.data(), &QIODevice::readyRead, this, &QtVoiceRecorder::Collect);
  return kNoError;
}

void QtVoiceRecorder::Collect() {
  if (input_) data_.append(input_->readAll());
}

int QtVoiceRecorder::Save(const std::string& path) {
  if (!open_) return kNotOpen;
  Collect();
  StopSource();
  const int channels = format_.channelCount();
  const auto frameBytes = static_cast<qsizetype>(channels) * 2;
  const qsizetype whole = data_.size() - data_.size() % frameBytes;
  saveError_.clear();
  if (!WriteWavPcm16(path, format_.sampleRate(), channels,
                     reinterpret_cast<const std::int16_t*>(data_.constData()),
                     static_cast<std::size_t>(whole / 2), &saveError_)) {
    return kSaveFailed;
  }
  return kNoError;
}

int QtVoiceRecorder::Close() {
  if (!open_) return kNotOpen;
  StopSource();
  data_.clear();
  open_ = false;
  return kNoError;
}

void QtVoiceRecorder::StopSource() {
  if (input_) input_->disconnect(this);
  input_ = nullptr;
  if (source_) {
    source_->stop();
    source_.reset();
  }
}

std::string QtVoiceRecorder::ErrorText(int code) const {
  switch (code) {
    case kNoError:
      return "";
    case kNoInputDevice:
      return "Nie znaleziono urządzenia do nagrywania dźwięku (mikrofonu).";
    case kFormatUnsupported:
      return "Urządzenie nagrywające nie przyjmuje próbek 16-bitowych.";
    case kNotOpen:
      return "Urządzenie nagrywające nie jest otwarte.";
    case kDeviceFailed:
      return "Urządzenie nagrywające nie działa.";
    case kSaveFailed:
      return "Nie można zapisać nagrania: " + saveError_;
    default:
      return "Nieznany błąd urządzenia nagrywającego.";
  }
}

}  // namespace tess
