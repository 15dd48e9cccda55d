#pragma once
// The media window's player: films (MPG, AVI) through GStreamer, drawn on a surface that
// fills the panel it is given, and recordings (WAV) through the wave player. Both keep the
// pitch when slowed. GStreamer starts at the first film, not when the player is made.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/GstFilm.h"
#include "platform/MediaPlayer.h"
#include "platform/QtPlayCommands.h"
#include "platform/QtWavePlayer.h"

namespace tess {

/// The film's picture, kept in proportion on a black ground. Painting in software works on
/// every display, also without OpenGL.
class FilmSurface : public QWidget {
  Q_OBJECT
 public:
  explicit FilmSurface(QWidget* parent);
  void Show(const QImage& frame);
  /// Frames shown so far.
  int Frames() const { return frames_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage frame_;
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
  void SetSpeed(double speed) override;
  double Speed() const override { return speed_; }
  /// The surface the film is drawn on, while a display is set.
  FilmSurface* Surface() const { return video_; }
  /// For tests: films opened from now on play their sound into a buffer, not to a device.
  void CaptureFilmSound(bool capture) { capture_ = capture; }
  /// The sound of the open film so far, while capturing.
  GstFilm::Sound CapturedFilmSound() const { return film_.CapturedSound(); }

 private:
  void OnEnded();
  void OnFailed();

  std::string fileName_;
  bool wait_ = false;
  bool atEnd_ = false;
  PlayerState state_ = PlayerState::NotReady;
  bool capture_ = false;
  GstFilm film_;
  QPointer<FilmSurface> video_;
  QImage lastFrame_;  // shown at once on a surface made while the film stands still
  QtPlayCommands commands_;
  double speed_ = 1.0;
  QtWavePlayer wave_;
  bool waveOpen_ = false;  // the open file is a recording, played by wave_
};

}  // namespace tess
