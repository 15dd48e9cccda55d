#pragma once
// A media player as the windows use it: it opens one file by name, plays it with or without
// waiting, pauses, stops and seeks, and tells its state, position and length in milliseconds. The
// end of every play command is reported with a result; a command that another command interrupts
// never reports success.
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace tess {

enum class PlayerState { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

enum class PlayResult {
  Successful,  ///< played to its end
  Superseded,  ///< replaced by another play command
  Aborted,     ///< stopped, paused, sought or closed before its end
  Failed,      ///< the device gave up
};

class MediaPlayer {
 public:
  using DoneHandler = std::function<void(PlayResult)>;

  virtual ~MediaPlayer() = default;

  virtual void SetFileName(const std::string& path) = 0;
  virtual const std::string& FileName() const = 0;
  /// Opens the file named; false with the device's error text when it cannot, and the
  /// player stays closed.
  virtual bool Open(std::string* error) = 0;
  /// Ends any play command (aborted) and releases the file; the name is kept.
  virtual void Close() = 0;

  /// Applies to the next Play only: it returns when the sound has ended, while window events
  /// go on being handled.
  virtual void SetWait(bool wait) = 0;
  /// Plays from the current position; a file played through is rewound to its start first.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  /// Goes on from a pause.
  virtual void Resume() = 0;
  virtual void Stop() = 0;
  /// Moves to `ms` and leaves the player stopped.
  virtual void Seek(std::int64_t ms) = 0;

  /// NotReady while closed; Open after opening until the first play; then Playing, Paused or
  /// Stopped (also after the end of a sound).
  virtual PlayerState State() const = 0;
  virtual std::int64_t PositionMs() const = 0;
  virtual std::int64_t LengthMs() const = 0;

  /// Called on the user-interface thread, from an event of its own, once for every play
  /// command that ends.
  virtual void SetDoneHandler(DoneHandler handler) = 0;

  /// Plays at `speed` times the recording's pace (1 = as recorded) at the same pitch, at once
  /// also for a sound now playing; positions and lengths stay in the recording's own time.
  /// Players that cannot change their pace ignore it.
  virtual void SetSpeed(double speed) { (void)speed; }
  virtual double Speed() const { return 1.0; }
};

/// The media window's player, which can also draw a film.
class FilmPlayer : public MediaPlayer {
 public:
  /// Lets the player draw its film into `panel`, filling it; nullptr detaches it.
  virtual void SetDisplay(QWidget* panel) = 0;
};

/// Keeps track of the one play command that may be running and decides how it ends, so every
/// player derives the results the same way.
class PlayCommand {
 public:
  /// A new play command starts; one still running is superseded. Returns its number.
  std::uint64_t Begin(const MediaPlayer::DoneHandler& report) {
    End(PlayResult::Superseded, report);
    running_ = true;
    return ++number_;
  }
  /// The running command, if any, ends with `result`.
  void End(PlayResult result, const MediaPlayer::DoneHandler& report) {
    if (!running_) return;
    running_ = false;
    if (report) report(result);
  }
  bool Running() const { return running_; }
  /// Whether command `number` is still the running one.
  bool IsRunning(std::uint64_t number) const { return running_ && number == number_; }

 private:
  bool running_ = false;
  std::uint64_t number_ = 0;
};

}  // namespace tess
