#pragma once
// The rules of the media window: its two layouts, the jump marks, the progress knob and the
// seek arithmetic, and what its buttons do to its player. The widget (frm_multimedia) only
// places controls where the layout says and mirrors the progress timer.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "media/PhraseLoop.h"

namespace tess {

class MediaPlayer;
class MessageBox;
enum class PlayResult;

constexpr int kMediaFilm = 1;
constexpr int kMediaRecording = 2;
constexpr int kJumpMarks = 4;

struct MediaRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const MediaRect&) const = default;
};

struct MediaLayout {
  int Width = 0;
  int Height = 0;
  bool TitleShown = false;  ///< title strip `Label1`, `img_up` and the close label
  MediaRect Title;          ///< `Label1`
  MediaRect Close;          ///< `btn_zamknij`, at the strip's right end
  bool PanelShown = false;
  MediaRect Panel;  ///< `Panel1`, the film area
  MediaRect Play, Stop, Pause;
  MediaRect Track;  ///< `SHAPE1`
  MediaRect Knob;   ///< `Shape2`
  MediaRect Time;   ///< position and length, under the track
  std::array<MediaRect, kJumpMarks> Marks;
  /// The loop's marks A and B and its clear button, clear of every control above.
  MediaRect LoopA, LoopB, LoopClear;
  /// The pace button (key T), clear of them all too.
  MediaRect Tempo;
};

/// The film layout (336 x 344) or the recording bar (290 x 33 with marks, 200 x 33 without).
MediaLayout MediaLayoutFor(int kind, bool hasMarks);

/// The four jump times of a text from its exercise header: all -1 unless the header has a
/// fifth "#"; then 0 for mark 1 and fields 8, 9 and 10 in whole seconds x 1000 (-1 where a
/// field is empty).
std::array<int, kJumpMarks> JumpTimesFromHeader(const std::string& headerLine);

/// A path containing ".avi" is a film and one containing ".wav" a recording, whatever `kind`
/// says.
int MediaKindOfPath(int kind, const std::string& path);

/// Where a press at x pixels from the track's left seeks to: x x (length div (track width -
/// knob width)).
std::int64_t TrackPressTime(int x, std::int64_t lengthMs, int trackWidth, int knobWidth);

/// The knob's left edge for a position: track left + position / length x (track width -
/// knob width), rounded to the nearest integer.
int KnobLeftFor(std::int64_t positionMs, std::int64_t lengthMs, const MediaRect& track,
                const MediaRect& knob);

/// The window's top-left: the main window's plus the film button's layout values L1 and L2
/// (10 where a value is -1).
std::array<int, 2> MediaWindowOrigin(int mainLeft, int mainTop, int l1, int l2);

/// The state of the media window and what its controls do to its own player.
class MediaWindowLogic {
 public:
  /// Hears the end of the player's sounds (to loop a stretch that reaches the end).
  MediaWindowLogic(MediaPlayer& player, MessageBox& messages);
  ~MediaWindowLogic();
  MediaWindowLogic(const MediaWindowLogic&) = delete;
  MediaWindowLogic& operator=(const MediaWindowLogic&) = delete;

  /// Opens the window on a file; false when it stays closed (missing or unplayable file,
  /// reported in a message). A film starts at once.
  bool Open(int kind, const std::string& path);

  void PlayClicked();
  /// Pauses when playing, resumes when paused.
  void PauseClicked();
  void StopClicked();
  /// A press at x pixels from the track's left.
  void TrackPressed(int x);
  /// The arrow keys: `ms` back (negative) or on from where it is, within the sound, then
  /// playing as after a press on the track. Nothing while no file is open.
  void SeekBy(std::int64_t ms);
  /// Jump mark k (1..4).
  void MarkClicked(int k);
  /// The progress timer's tick: moves the knob, and goes back to A once B is reached.
  void TimerTick();
  /// Marks A or B at the player's position (refused while no file is open); a B reached at
  /// once sends playing back to A.
  PhraseLoop::Mark LoopAClicked();
  PhraseLoop::Mark LoopBClicked();
  void LoopClearClicked();
  /// Where a time lies on the track: pixels from its left to the knob's middle there.
  int TrackX(std::int64_t ms) const;
  /// The pace button: the next of kTempoSteps, at once for what plays, and kept for the user.
  void TempoClicked();
  /// The close label: as Hidden, and the window counts as closed.
  void CloseClicked();
  /// The window was hidden (by its close label, an exercise window or the help window).
  void Hidden();
  /// The window is shown again after Hidden: the file is reopened if the player let it go.
  void Reshown();

  std::array<int, kJumpMarks> JumpTimes{-1, -1, -1, -1};
  bool HasMarks = false;
  std::array<bool, kJumpMarks> MarkShown{};
  bool MediaShown = false;
  bool MediaPlaying = false;
  /// The 100 ms progress timer runs.
  bool TimerRunning = false;
  int Kind = kMediaRecording;
  std::string Path;
  MediaLayout Layout = MediaLayoutFor(kMediaRecording, false);
  int KnobLeft = Layout.Knob.Left;
  /// The A-B stretch; it ends with stop, hiding, closing, another file or a seek outside it.
  PhraseLoop Loop;

  /// Lets the player draw into the film area (true) or detaches it (false).
  std::function<void(bool attach)> AttachDisplay;
  /// The pace in percent, read again from the user's pace file at every opening.
  int TempoPercent = 100;
  /// That file (TempoFilePath); none while nobody is logged in.
  std::function<std::string()> TempoFile;

 private:
  void Attach(bool attach);
  std::string TempoPath() const;
  void PlayEnded(PlayResult result);
  /// A seek made by the learner: the A-B stretch hears of it, and playing goes on from there.
  void PlayFrom(std::int64_t time);

  MediaPlayer& player_;
  MessageBox& messages_;
};

}  // namespace tess
