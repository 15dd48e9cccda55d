#include "media/MediaWindowLogic.h"

#include <algorithm>
#include <cmath>

#include "core/SpeechTempo.h"
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
// The recording bar's loop buttons share the row under the track with the time.
constexpr int kSmallButtonWidth = 13;
constexpr int kSmallButtonHeight = 13;

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
    // The loop's buttons close the marks' row at its right end, the pace button before them.
    layout.LoopA = button(258, 275);
    layout.LoopB = button(282, 275);
    layout.LoopClear = button(306, 275);
    layout.Tempo = {222, 275, 34, kButtonHeight};
    layout.Time = {100, 323, 200, 13};
  } else {
    layout.Width = hasMarks ? 290 : 200;
    layout.Height = 33;
    layout.Play = button(8, 1);
    layout.Stop = button(32, 1);
    layout.Pause = button(56, 1);
    layout.Track = {86, 10, 100, kTrackHeight};
    layout.Knob = {86, 6, kKnobWidth, kKnobHeight};
    for (int k = 0; k < kJumpMarks; ++k) layout.Marks[k] = button(190 + 24 * k, 1);
    const auto small = [](int left) {
      return MediaRect{left, 19, kSmallButtonWidth, kSmallButtonHeight};
    };
    layout.LoopA = small(145);
    layout.LoopB = small(159);
    layout.LoopClear = small(173);
    // The pace button shows its figure alone here, in front of the loop's buttons.
    layout.Tempo = {127, 19, 17, kSmallButtonHeight};
    layout.Time = {86, 18, layout.Tempo.Left - 1 - 86, 13};
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
    : player_(player), messages_(messages) {
  player_.SetDoneHandler([this](PlayResult result) { PlayEnded(result); });
}

MediaWindowLogic::~MediaWindowLogic() { player_.SetDoneHandler(nullptr); }

void MediaWindowLogic::Attach(bool attach) {
  if (AttachDisplay) AttachDisplay(attach);
}

bool MediaWindowLogic::Open(int kind, const std::string& path) {
  HasMarks = JumpTimes[1] != -1;
  for (int k = 0; k < kJumpMarks; ++k) MarkShown[k] = HasMarks && JumpTimes[k] != -1;
  TimerRunning = false;
  MediaPlaying = false;
  Loop.Clear();

  if (!FileExists(path)) {
    messages_.ShowMessage(kind == kMediaFilm ? "Tutaj będzie film" : "Tutaj będzie nagranie");
    return false;
  }
  const int shownAs = MediaKindOfPath(kind, path);
  player_.Close();
  // Another window, or another user, may have changed the pace since.
  TempoPercent = ReadTempoPercent(TempoPath());
  player_.SetSpeed(TempoSpeed(TempoPercent));
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
  Loop.Clear();
  player_.Stop();
  player_.Seek(0);
  TimerRunning = false;
  MediaPlaying = false;
  TimerTick();
}

void MediaWindowLogic::TrackPressed(int x) {
  const std::int64_t length = player_.LengthMs();
  PlayFrom(std::clamp<std::int64_t>(
      TrackPressTime(x, length, Layout.Track.Width, Layout.Knob.Width), 0, length));
}

void MediaWindowLogic::SeekBy(std::int64_t ms) {
  if (player_.State() == PlayerState::NotReady) return;
  PlayFrom(std::clamp<std::int64_t>(player_.PositionMs() + ms, 0, player_.LengthMs()));
}

void MediaWindowLogic::PlayFrom(std::int64_t time) {
  Loop.OnSeek(time);
  player_.Seek(time);
  player_.Play();
  MediaPlaying = true;
  TimerRunning = true;
}

void MediaWindowLogic::MarkClicked(int k) {
  if (k < 1 || k > kJumpMarks || JumpTimes[k - 1] < 0) return;
  PauseClicked();
  Loop.OnSeek(JumpTimes[k - 1]);
  player_.Seek(JumpTimes[k - 1]);
  player_.Play();
  TimerRunning = true;
}

void MediaWindowLogic::TimerTick() {
  if (player_.State() == PlayerState::Playing) {
    if (const std::optional<std::int64_t> back = Loop.OnPosition(player_.PositionMs())) {
      player_.Seek(*back);
      player_.Play();
    }
  }
  KnobLeft = KnobLeftFor(player_.PositionMs(), player_.LengthMs(), Layout.Track, Layout.Knob);
}

void MediaWindowLogic::PlayEnded(PlayResult result) {
  if (result != PlayResult::Successful) return;
  if (const std::optional<std::int64_t> back = Loop.OnEnd()) {
    player_.Seek(*back);
    player_.Play();
  }
}

PhraseLoop::Mark MediaWindowLogic::LoopAClicked() {
  if (!MediaShown || player_.State() == PlayerState::NotReady) return PhraseLoop::Mark::Refused;
  return Loop.SetA(player_.PositionMs());
}

PhraseLoop::Mark MediaWindowLogic::LoopBClicked() {
  if (!MediaShown || player_.State() == PlayerState::NotReady) return PhraseLoop::Mark::Refused;
  const PhraseLoop::Mark mark = Loop.SetB(player_.PositionMs());
  if (mark != PhraseLoop::Mark::Refused) TimerTick();
  return mark;
}

void MediaWindowLogic::LoopClearClicked() { Loop.Clear(); }

int MediaWindowLogic::TrackX(std::int64_t ms) const {
  return KnobLeftFor(ms, player_.LengthMs(), Layout.Track, Layout.Knob) - Layout.Track.Left +
         Layout.Knob.Width / 2;
}

std::string MediaWindowLogic::TempoPath() const { return TempoFile ? TempoFile() : std::string(); }

void MediaWindowLogic::TempoClicked() {
  TempoPercent = NextTempoPercent(TempoPercent);
  player_.SetSpeed(TempoSpeed(TempoPercent));
  // The pace stays for this session even where the file cannot be written.
  WriteTempoPercent(TempoPath(), TempoPercent);
}

void MediaWindowLogic::CloseClicked() {
  Hidden();
  MediaShown = false;
}

void MediaWindowLogic::Hidden() {
  Loop.Clear();
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
