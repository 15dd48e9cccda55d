#pragma once
// The shared wave player: the file is decoded by libsndfile when it is opened and played on
// the default audio output with Qt Multimedia. Without an output device the sound is "played"
// in silence, so its time still passes and its end is still reported.
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "platform/MediaPlayer.h"
#include "platform/QtPlayCommands.h"
#include "platform/WavFile.h"

namespace tess {

class QtWavePlayer : public QObject, public MediaPlayer {
  Q_OBJECT
 public:
  explicit QtWavePlayer(QObject* parent = nullptr);
  ~QtWavePlayer() override;

  void SetFileName(const std::string& path) override { fileName_ = path; }
  const std::string& FileName() const override { return fileName_; }
  bool Open(std::string* error) override;
  void Close() override;
  void SetWait(bool wait) override { wait_ = wait; }
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Stop() override;
  void Seek(std::int64_t ms) override;
  PlayerState State() const override { return state_; }
  std::int64_t PositionMs() const override;
  std::int64_t LengthMs() const override { return open_ ? format_.LengthMs() : 0; }
  void SetDoneHandler(DoneHandler handler) override { commands_.SetHandler(std::move(handler)); }
  /// The sound is stretched in time (SoundTouch) when it starts at a new pace; the clock runs
  /// in the recording's time, `speed` times as fast as the wall clock.
  void SetSpeed(double speed) override;
  double Speed() const override { return speed_; }

  /// Whether the sound now playing goes to an output device (not timed in silence).
  bool HasOutput() const { return sink_ != nullptr; }

 private:
  /// Starts sound output at the current position (or only the clock, in silence).
  void StartOutput();
  /// Ends sound output at once; the position stays where it was.
  void HaltOutput();
  void ArmEndTimer();
  void OnEndTimer();
  void OnSinkState(QAudio::State state);
  /// The frames as they are played: the file's, or the file's stretched to the current pace.
  const QByteArray& PlayedPcm();

  std::string fileName_;
  bool open_ = false;
  bool wait_ = false;
  PlayerState state_ = PlayerState::NotReady;
  WavFormat format_;
  QByteArray pcm_;  // 16-bit interleaved frames of the whole file
  double speed_ = 1.0;
  QByteArray stretched_;         // pcm_ at stretchedSpeed_, made when first played so
  double stretchedSpeed_ = 1.0;  // (1: none made yet)
  std::unique_ptr<QAudioSink> sink_;
  QBuffer* source_ = nullptr;      // owned by sink_
  QElapsedTimer clock_;            // runs while playing
  std::int64_t clockStartMs_ = 0;  // position when the clock started
  std::int64_t positionMs_ = 0;    // position while not playing
  QTimer endTimer_;
  QtPlayCommands commands_;
};

}  // namespace tess
