#pragma once
// The media window's player: films (MPG, AVI) through Qt Multimedia's GStreamer backend,
// drawn on a surface that fills the panel it is given, and recordings (WAV) through the wave
// player, whose slower pace keeps the pitch. The backend is loaded when the player is first
// used, not when it is made.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QVideoFrame>
#include <QWidget>
#include <memory>

#include "platform/MediaPlayer.h"
#include "platform/QtPlayCommands.h"
#include "platform/QtWavePlayer.h"

class QVideoSink;

namespace tess {

/// The film's picture, painted from the frames of a video sink and kept in proportion on a
/// black ground. Painting in software works on every display, also without OpenGL (where
/// QVideoWidget shows nothing).
class FilmSurface : public QWidget {
  Q_OBJECT
 public:
  explicit FilmSurface(QWidget* parent);
  QVideoSink* Sink() const { return sink_; }
  /// Frames shown so far.
  int Frames() const { return frames_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVideoSink* sink_;
  QVideoFrame frame_;
  int frames_ = 0;
};

class QtFilmPlayer : public QObject, public FilmPlayer {
  Q_OBJECT
 public:
  explicit QtFilmPlayer(QObject* parent = nullptr);
  ~QtFilmPlayer() override;

  void SetFileName(const std::string& path) override { fileName_ = path; }
  const std::string& FileName() const override { return fileName_; }
  /// Waits (handling events) until the backend has loaded the file or refused it.
  bool Open(std::string* error) override;
  void Close() override;
  void SetWait(bool wait) override { wait_ = wait; }
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Stop() override;
  void Seek(std::int64_t ms) override;
  PlayerState State() const override;
  std::int64_t PositionMs() const override;
  std::int64_t LengthMs() const override;
  void SetDoneHandler(DoneHandler handler) override;
  void SetDisplay(QWidget* panel) override;
  /// For recordings only. Films play as recorded: Qt 6.4's backend slows their sound by
  /// lowering its pitch (and cuts it short for MPEG), and it lets no pitch keeping element in.
  void SetSpeed(double speed) override;
  double Speed() const override { return speed_; }
  /// The surface the film is drawn on, while a display is set.
  FilmSurface* Surface() const { return video_; }

 private:
  void OnStatus(QMediaPlayer::MediaStatus status);
  void OnError(QMediaPlayer::Error error, const QString& text);

  std::string fileName_;
  bool wait_ = false;
  bool atEnd_ = false;
  PlayerState state_ = PlayerState::NotReady;
  // Made at the first use: the multimedia backend and the sound server connection cost time
  // the program's start should not wait for.
  QMediaPlayer& Player();
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> audio_;
  QPointer<FilmSurface> video_;
  QtPlayCommands commands_;
  double speed_ = 1.0;
  QtWavePlayer wave_;
  bool waveOpen_ = false;  // the open file is a recording, played by wave_
};

}  // namespace tess
