#include "platform/QtWavePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/AudioDevices.h"
#include "platform/TimeStretch.h"

namespace tess {

namespace {

constexpr int kBytesPerSample = 2;
// How long an output may go on handing out the tail of a sound that has ended by the clock.
constexpr int kDrainMs = 2000;
constexpr double kSlowest = 0.25;
constexpr double kFastest = 4.0;

}  // namespace

QtWavePlayer::QtWavePlayer(QObject* parent) : QObject(parent) {
  endTimer_.setSingleShot(true);
  endTimer_.setTimerType(Qt::PreciseTimer);
  connect(&endTimer_, &QTimer::timeout, this, &QtWavePlayer::OnEndTimer);
}

QtWavePlayer::~QtWavePlayer() {
  commands_.SetHandler(nullptr);
  HaltOutput();
}

bool QtWavePlayer::Open(std::string* error) {
  Close();
  std::vector<std::int16_t> samples;
  std::string detail;
  WavFormat format;
  if (!ReadWavSamples(fileName_, format, samples, &detail)) {
    if (error != nullptr)
      *error = "Nie można otworzyć pliku dźwiękowego " + fileName_ + ": " + detail;
    return false;
  }
  format_ = format;
  pcm_ = QByteArray(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size() * kBytesPerSample));
  stretched_.clear();
  stretchedSpeed_ = 1.0;
  open_ = true;
  positionMs_ = 0;
  state_ = PlayerState::Open;
  return true;
}

void QtWavePlayer::Close() {
  HaltOutput();
  commands_.End(PlayResult::Aborted);
  open_ = false;
  pcm_.clear();
  stretched_.clear();
  stretchedSpeed_ = 1.0;
  format_ = WavFormat{};
  positionMs_ = 0;
  state_ = PlayerState::NotReady;
}

void QtWavePlayer::Play() {
  const bool wait = wait_;
  wait_ = false;
  if (!open_) return;
  if (state_ == PlayerState::Playing) {
    // A new command on a playing sound goes on from where it is.
    const std::uint64_t number = commands_.Begin();
    if (wait) commands_.WaitFor(number);
    return;
  }
  if (state_ == PlayerState::Paused) {
    wait_ = wait;
    Resume();
    return;
  }
  if (positionMs_ >= LengthMs()) positionMs_ = 0;
  const std::uint64_t number = commands_.Begin();
  StartOutput();
  if (wait) commands_.WaitFor(number);
}

void QtWavePlayer::Pause() {
  if (state_ != PlayerState::Playing) return;
  positionMs_ = PositionMs();
  endTimer_.stop();
  if (sink_) sink_->suspend();
  state_ = PlayerState::Paused;
  commands_.End(PlayResult::Aborted);
}

void QtWavePlayer::Resume() {
  if (state_ != PlayerState::Paused) return;
  const bool wait = wait_;
  wait_ = false;
  const std::uint64_t number = commands_.Begin();
  if (sink_) {
    sink_->resume();
    clockStartMs_ = positionMs_;
    clock_.start();
    state_ = PlayerState::Playing;
    ArmEndTimer();
  } else {
    // No output was kept over the pause (a new pace, or silence): start one afresh.
    StartOutput();
  }
  if (wait) commands_.WaitFor(number);
}

void QtWavePlayer::Stop() {
  if (!open_) return;
  if (state_ == PlayerState::Playing) positionMs_ = PositionMs();
  HaltOutput();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Aborted);
}

void QtWavePlayer::Seek(std::int64_t ms) {
  if (!open_) return;
  HaltOutput();
  positionMs_ = std::clamp<std::int64_t>(ms, 0, LengthMs());
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Aborted);
}

std::int64_t QtWavePlayer::PositionMs() const {
  if (state_ != PlayerState::Playing) return positionMs_;
  const auto played = static_cast<std::int64_t>(std::llround(clock_.elapsed() * speed_));
  return std::min<std::int64_t>(clockStartMs_ + played, LengthMs());
}

void QtWavePlayer::SetSpeed(double speed) {
  if (!(speed >= kSlowest && speed <= kFastest)) speed = 1.0;
  if (speed == speed_) return;
  if (state_ == PlayerState::Playing) {
    // The sound goes on from where it is at the new pace, as the same play command.
    positionMs_ = PositionMs();
    speed_ = speed;
    StartOutput();
    return;
  }
  // A paused output holds sound at the old pace; Resume starts a new one.
  if (state_ == PlayerState::Paused) HaltOutput();
  speed_ = speed;
}

const QByteArray& QtWavePlayer::PlayedPcm() {
  if (!IsStretched(speed_)) return pcm_;
  if (stretchedSpeed_ != speed_ || stretched_.isEmpty()) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(pcm_.size()) / kBytesPerSample);
    std::memcpy(samples.data(), pcm_.constData(), samples.size() * kBytesPerSample);
    const std::vector<std::int16_t> slow =
        StretchTime(samples, format_.Channels, format_.SampleRate, speed_);
    stretched_ = QByteArray(reinterpret_cast<const char*>(slow.data()),
                            static_cast<qsizetype>(slow.size() * kBytesPerSample));
    stretchedSpeed_ = speed_;
  }
  return stretched_;
}

void QtWavePlayer::StartOutput() {
  HaltOutput();
  state_ = PlayerState::Playing;
  clockStartMs_ = positionMs_;
  clock_.start();

  const QAudioDevice device = PreferredAudioOutput();
  QAudioFormat format;
  format.setSampleRate(format_.SampleRate);
  format.setChannelCount(format_.Channels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isNull() && device.isFormatSupported(format)) {
    const qint64 frameBytes = static_cast<qint64>(format_.Channels) * kBytesPerSample;
    const QByteArray& pcm = PlayedPcm();
    // The stretched sound reaches a moment of the recording 1/speed as late.
    const auto frame =
        static_cast<qint64>(std::llround(positionMs_ * format_.SampleRate / 1000.0 / speed_));
    const qint64 start = std::min<qint64>(frame * frameBytes, pcm.size());
    sink_ = std::make_unique<QAudioSink>(device, format);
    // Each output reads its own copy, so one that is still draining never takes the data of
    // the next.
    source_ = new QBuffer(sink_.get());
    source_->setData(pcm.mid(start));
    source_->open(QIODevice::ReadOnly);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &QtWavePlayer::OnSinkState);
    sink_->start(source_);
  } else {
    static bool warned = false;
    if (!warned) {
      qWarning("No audio output for this sound format; sounds are timed in silence.");
      warned = true;
    }
  }
  ArmEndTimer();
}

void QtWavePlayer::HaltOutput() {
  endTimer_.stop();
  if (sink_) {
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
  }
  source_ = nullptr;
}

void QtWavePlayer::ArmEndTimer() {
  const auto left = static_cast<double>(std::max<std::int64_t>(0, LengthMs() - PositionMs()));
  endTimer_.start(static_cast<int>(std::ceil(left / speed_)));
}

void QtWavePlayer::OnEndTimer() {
  if (state_ != PlayerState::Playing) return;
  // The sound ends by the clock, as the learner hears it. An output that lags behind keeps
  // the tail of its data a while longer instead of being cut off.
  if (sink_) {
    QAudioSink* draining = sink_.release();
    draining->disconnect(this);
    draining->setParent(this);
    QTimer::singleShot(kDrainMs, draining, [draining] {
      draining->stop();
      draining->deleteLater();
    });
    source_ = nullptr;
  }
  positionMs_ = LengthMs();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Successful);
}

void QtWavePlayer::OnSinkState(QAudio::State state) {
  if (state != QAudio::StoppedState || !sink_ || sink_->error() == QAudio::NoError) return;
  // The device gave up in the middle of the sound.
  positionMs_ = PositionMs();
  HaltOutput();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Failed);
}

}  // namespace tess
