#include "media/MediaWindowLogic.h"

#include <algorithm>
#include <cmath>

#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "shared/Paths.h"
#include "shared/Text.h"

namespace tess {

namespace {

constexpr int kTitleHeight = 18;
constexpr int kCloseWidth = 23;
constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 30;
constexpr int kTrackHeight = 5;
constexpr int kKnobWidth = 7;
constexpr int kKnobHeight = 13;

}  // namespace

MediaLayout MediaLayoutFor(int kind, bool hasMarks) {
  MediaLayout layout;
  const auto button = [](int left, int top) {
    return MediaRect{left, top, kButtonWidth, kButtonHeight};
  };
  if (kind == kMediaFilm) {
    layout.Width = 336;
    layout.Height = 344;
    layout.TitleShown = true;
    layout.PanelShown = true;
    layout.Panel = {1, 20, 334, 252};
    layout.Play = button(8, 308);
    layout.Stop = button(32, 308);
    layout.Pause = button(56, 308);
    layout.Track = {100, 315, 200, kTrackHeight};
    layout.Knob = {100, 311, kKnobWidth, kKnobHeight};
    // The film's marks stand in a row between the picture and the buttons.
    for (int k = 0; k < kJumpMarks; ++k) layout.Marks[k] = button(8 + 24 * k, 275);
  } else {
    layout.Width = hasMarks ? 290 : 200;
    layout.Height = 33;
    layout.Play = button(8, 1);
    layout.Stop = button(32, 1);
    layout.Pause = button(56, 1);
    layout.Track = {86, 10, 100, kTrackHeight};
    layout.Knob = {86, 6, kKnobWidth, kKnobHeight};
    for (int k = 0; k < kJumpMarks; ++k) layout.Marks[k] = button(190 + 24 * k, 1);
  }
  layout.Title = {0, 0, layout.Width - kCloseWidth, kTitleHeight};
  layout.Close = {layout.Width - kCloseWidth, 0, kCloseWidth, kTitleHeight};
  return layout;
}

std::array<int, kJumpMarks> JumpTimesFromHeader(const std::string& headerLine) {
  std::array<int, kJumpMarks> times{-1, -1, -1, -1};
  if (std::count(headerLine.begin(), headerLine.end(), '#') < 5) return times;
  times[0] = 0;
  const std::vector<std::string> fields = CutFields(headerLine, '#', 10);
  for (int k = 1; k < kJumpMarks; ++k) {
    const std::string field = Trim(fields[static_cast<std::size_t>(6 + k)]);
    if (field.empty()) continue;
    const std::optional<int> seconds = ParseInt(field);
    if (seconds && *seconds >= 0 && *seconds <= 24 * 3600) times[k] = *seconds * 1000;
  }
  return times;
}

int MediaKindOfPath(int kind, const std::string& path) {
  const std::string lower = LowerAZ(path);
  if (lower.find(".avi") != std::string::npos) return kMediaFilm;
  if (lower.find(".wav") != std::string::npos) return kMediaRecording;
  return kind;
}

std::int64_t TrackPressTime(int x, std::int64_t lengthMs, int trackWidth, int knobWidth) {
  const int room = trackWidth - knobWidth;
  if (room <= 0) return 0;
  return static_cast<std::int64_t>(x) * (lengthMs / room);
}

int KnobLeftFor(std::int64_t positionMs, std::int64_t lengthMs, const MediaRect& track,
                const MediaRect& knob) {
  if (lengthMs <= 0) return track.Left;
  const double share = static_cast<double>(std::clamp<std::int64_t>(positionMs, 0, lengthMs)) /
                       static_cast<double>(lengthMs);
  return track.Left + static_cast<int>(std::lround(share * (track.Width - knob.Width)));
}

std::array<int, 2> MediaWindowOrigin(int mainLeft, int mainTop, int l1, int l2) {
  return {mainLeft + (l1 == -1 ? 10 : l1), mainTop + (l2 == -1 ? 10 : l2)};
}

MediaWindowLogic::MediaWindowLogic(MediaPlayer& player, MessageBox& messages)
    : player_(player), messages_(messages) {}

void MediaWindowLogic::Attach(bool attach) {
  if (AttachDisplay) AttachDisplay(attach);
}

bool MediaWindowLogic::Open(int kind, const std::string& path) {
  HasMarks = JumpTimes[1] != -1;
  for (int k = 0; k < kJumpMarks; ++k) MarkShown[k] = HasMarks && JumpTimes[k] != -1;
  TimerRunning = false;
  MediaPlaying = false;

  if (!FileExists(path)) {
    messages_.ShowMessage(kind == kMediaFilm ? "Tutaj będzie film" : "Tutaj będzie nagranie");
    return false;
  }
  const int shownAs = MediaKindOfPath(kind, path);
  player_.Close();
  Attach(shownAs == kMediaFilm);
  player_.SetFileName(path);
  std::string error;
  if (!player_.Open(&error)) {
    Attach(false);
    messages_.ShowMessage(error);
    return false;
  }
  Kind = shownAs;
  Path = path;
  Layout = MediaLayoutFor(Kind, HasMarks);
  KnobLeft = Layout.Knob.Left;
  MediaShown = true;
  if (Kind == kMediaFilm) {
    player_.Play();
    TimerRunning = true;
  }
  return true;
}

void MediaWindowLogic::PlayClicked() {
  player_.Play();
  MediaPlaying = true;
  TimerRunning = true;
}

void MediaWindowLogic::PauseClicked() {
  if (player_.State() == PlayerState::Playing) {
    player_.Pause();
  } else if (player_.State() == PlayerState::Paused) {
    player_.Resume();
  }
  TimerRunning = player_.State() != PlayerState::Paused;
}

void MediaWindowLogic::StopClicked() {
  player_.Stop();
  player_.Seek(0);
  TimerRunning = false;
  MediaPlaying = false;
  TimerTick();
}

void MediaWindowLogic::TrackPressed(int x) {
  const std::int64_t length = player_.LengthMs();
  const std::int64_t time = TrackPressTime(x, length, Layout.Track.Width, Layout.Knob.Width);
  player_.Seek(std::clamp<std::int64_t>(time, 0, length));
  player_.Play();
  MediaPlaying = true;
  TimerRunning = true;
}

void MediaWindowLogic::MarkClicked(int k) {
  if (k < 1 || k > kJumpMarks || JumpTimes[k - 1] < 0) return;
  PauseClicked();
  player_.Seek(JumpTimes[k - 1]);
  player_.Play();
  TimerRunning = true;
}

void MediaWindowLogic::TimerTick() {
  KnobLeft = KnobLeftFor(player_.PositionMs(), player_.LengthMs(), Layout.Track, Layout.Knob);
}

void MediaWindowLogic::CloseClicked() {
  Hidden();
  MediaShown = false;
}

void MediaWindowLogic::Hidden() {
  if (player_.State() == PlayerState::Playing) player_.Stop();
  if (player_.State() == PlayerState::Open) player_.Close();
  TimerRunning = false;
  Attach(false);
}

void MediaWindowLogic::Reshown() {
  if (Path.empty()) return;
  if (Kind == kMediaFilm) Attach(true);
  if (player_.State() != PlayerState::NotReady || player_.FileName() != Path) return;
  std::string error;
  player_.Open(&error);
}

}  // namespace tess
