#pragma once
// Fakes of the sound and film players and the voice recorder: they record every call and let
// a test end a sound with any result.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/MediaPlayer.h"
#include "platform/VoiceRecorder.h"

namespace tess {

/// Moves only when told: a play command runs until the test calls Finish, or until another
/// command interrupts it, and the results are derived as the real players derive them.
/// Reports reach the handler at once. A play with waiting runs to its end before returning.
class FakeMediaPlayer : public FilmPlayer {
 public:
  void SetFileName(const std::string& path) override;
  const std::string& FileName() const override { return fileName; }
  bool Open(std::string* error) override;
  void Close() override;
  void SetWait(bool wait) override { waitNext = wait; }
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Stop() override;
  void Seek(std::int64_t ms) override;
  PlayerState State() const override { return state; }
  std::int64_t PositionMs() const override { return position; }
  std::int64_t LengthMs() const override;
  void SetDoneHandler(DoneHandler handler) override { handler_ = std::move(handler); }
  void SetDisplay(QWidget* panel) override;
  /// Kept apart from `calls`: the pace is a setting, not a command.
  void SetSpeed(double value) override { speed = value; }
  double Speed() const override { return speed; }

  /// Ends the running play command as the device would; a successful end moves to the end.
  void Finish(PlayResult result = PlayResult::Successful);
  /// Playing goes on for `ms` (not beyond the end).
  void Advance(std::int64_t ms);
  bool Running() const { return command_.Running(); }

  /// Commands in order: "SetFileName <path>", "Open", "Close", "Play", "Play wait", "Pause",
  /// "Resume", "Stop", "Seek <ms>", "Display on", "Display off".
  std::vector<std::string> calls;
  /// Results of the ended play commands, in order.
  std::vector<PlayResult> reports;
  /// Position at which each play command started.
  std::vector<std::int64_t> playedFrom;

  std::string fileName;
  PlayerState state = PlayerState::NotReady;
  std::int64_t position = 0;
  bool waitNext = false;
  bool displayed = false;
  double speed = 1.0;
  /// Files (as named) that cannot be opened, with the error text given.
  std::set<std::string> unopenable;
  std::string openError = "device error";
  /// Lengths of files by name; others are `defaultLength`.
  std::map<std::string, std::int64_t> lengths;
  std::int64_t defaultLength = 5000;

 private:
  void Report(PlayResult result);
  void Release();

  PlayCommand command_;
  DoneHandler handler_;
};

/// Returns the codes a test sets per command ("Open", "Record", "Save", "Close"); ErrorText
/// gives "error <code>". With `savedLengthMs` set, Save writes a silent WAV of that length.
class FakeVoiceRecorder : public VoiceRecorder {
 public:
  int Open() override;
  int Record() override;
  int Save(const std::string& path) override;
  int Close() override;
  std::string ErrorText(int code) const override;

  /// "Open", "Record", "Save <path>", "Close".
  std::vector<std::string> calls;
  std::map<std::string, int> errors;
  std::int64_t savedLengthMs = -1;

 private:
  int Answer(const std::string& command) const;
};

}  // namespace tess
