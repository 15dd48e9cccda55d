#pragma once
// One film played through a GStreamer playbin: pictures come as RGB images for software
// painting, and the sound goes through scaletempo, so a slower rate keeps its pitch. Every
// call and signal is on the user-interface thread; GStreamer's bus is drained there from an
// event posted by its streaming threads. GStreamer is initialised at the first Open, so a
// program that never shows a film never starts it.
#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tess {

class GstFilm : public QObject {
  Q_OBJECT
 public:
  /// Where the sound goes: the system's default output, a named output of the sound server,
  /// or (for tests) a buffer collecting the 16-bit samples as they would be played.
  struct Output {
    std::string device;  ///< the sound server's name of the output; empty for the default
    bool capture = false;
  };
  /// The sound collected while `Output::capture` is set: interleaved, as played.
  struct Sound {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
  };

  explicit GstFilm(QObject* parent = nullptr);
  ~GstFilm() override;

  /// Loads `path` and waits (handling events) until its first picture is ready, the file is
  /// refused or `timeoutMs` passes; false with GStreamer's error text when it cannot play it.
  bool Open(const std::string& path, const Output& output, int timeoutMs, std::string* error);
  /// Stops and releases the file.
  void Close();
  bool IsOpen() const;
  /// Open and not failed since.
  bool IsPlayable() const { return IsOpen() && !failed_; }

  /// Plays from the current position at `rate` times the film's pace.
  void Play(double rate);
  /// Holds the current picture.
  void Pause();
  /// Moves to `ms` (paused), at `rate` for the play that follows.
  void Seek(std::int64_t ms, double rate);
  /// Changes the pace of a film now playing from where it is.
  void SetRate(double rate);

  /// In the film's own time, whatever the rate.
  std::int64_t PositionMs() const;
  std::int64_t DurationMs() const;
  Sound CapturedSound() const;

 Q_SIGNALS:
  void Frame(const QImage& image);
  void Ended();
  void Failed(const QString& text);
  /// Open's first picture is ready or the file was refused.
  void Settled();

 private:
  struct Pipeline;
  void DrainBus();
  void SeekTo(std::int64_t ms, double rate);

  std::unique_ptr<Pipeline> pipeline_;
  std::string error_;
  bool prerolled_ = false;
  bool failed_ = false;
  double rate_ = 1.0;             // as the pipeline plays now
  std::int64_t seekTarget_ = -1;  // told as the position until the seek has been done
  // Where the film's own time starts in GStreamer's: an MPEG stream's clock may start late.
  std::int64_t originMs_ = 0;
};

}  // namespace tess
