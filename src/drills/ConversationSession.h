#pragma once
// The conversation on screen in its current mode: what each tab shows, the phrases laid out,
// and what every click, hover, press and drop of the window does. The window paints what this
// computes, forwards its events here, and performs the sounds, recordings and waits the
// answers ask for (every path of a sound cue is relative to ProgramDir).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drills/ConversationGaps.h"
#include "drills/ConversationLayout.h"
#include "drills/ConversationScreen.h"
#include "drills/ConversationScript.h"
#include "drills/ConversationScroll.h"
#include "drills/ConversationTally.h"
#include "drills/ConversationWalk.h"
#include "drills/ListeningQuestions.h"
#include "drills/OwnRecordings.h"
#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

struct Conversation;

/// The modes, one per tab.
namespace conversation_mode {
inline constexpr int kListening = 1;
inline constexpr int kSpeaking = 2;
inline constexpr int kTranslation = 3;
inline constexpr int kListeningComprehension = 4;
inline constexpr int kDragDrop = 5;
}  // namespace conversation_mode

inline constexpr const char* kRightSound = "Wav_r\\ok.wav";
inline constexpr const char* kWrongSound = "Wav_r\\no.wav";

/// A sound the window plays (or the player it stops) in answer to the learner.
struct SoundCue {
  enum class Kind { File, StopPlayer };
  Kind What = Kind::File;
  std::string File;  ///< from ProgramDir
  bool Wait = false;
  friend bool operator==(const SoundCue&, const SoundCue&) = default;
};

/// The buttons and panels of the mode, as they stand now.
struct ModeControls {
  bool PlayAll = false;
  std::array<bool, 4> PlayRole{};  ///< A to D
  bool Next = false;               ///< "Wylosuj jeszcze raz"
  bool Replay = false;             ///< "Powtórz nagranie"
  bool WordPanel = false;
  bool RecordButtons = false;  ///< a record button and a switch for every phrase
  int DrawnRecordButton = 0;   ///< the one record button of the phrase to translate
};

/// What a click in the text area does.
struct TextClick {
  /// Playback to start (after the player was stopped), or None.
  WalkStep Step;
  ListeningQuestions::Answer Answer = ListeningQuestions::Answer::Ignored;
  /// Played in order, before `Step`.
  std::vector<SoundCue> Cues;
  bool Repaint = false;
};

struct TextHover {
  int Phrase = 0;  ///< 0: away from every phrase (arrow cursor, box hidden)
  bool ShowTranslation = false;
  std::string Translation;
  TranslationBoxPlace Box;
};

struct LabelDrop {
  GapDrop Result;
  std::vector<SoundCue> Cues;
};

/// The mode that was left or closed, for the results store.
struct ModeAttempt {
  int Mode = 0;
  ConversationTally Tally;
};

class ConversationSession {
 public:
  /// The random source and the measurer (the text area's font) outlive the session;
  /// `playbackMode` is the sound service's mode text.
  ConversationSession(std::string& playbackMode, RandomSource& random,
                      const TextMeasurer& measurer);

  /// The window is shown for this conversation: mode 1 is prepared. `markWidth` and
  /// `markHeight` are the size of the question-mark picture.
  void Open(const Conversation& conversation, int markWidth, int markHeight);
  /// A tab: the mode left, with its tally, and the new mode prepared; nothing for the tab
  /// of the mode in use. The window stops the player, records the attempt and saves, then
  /// starts `FirstStep()` of the new mode.
  std::optional<ModeAttempt> ChangeMode(int mode);
  /// "Wylosuj jeszcze raz": a new draw of the same mode; its counts start again unrecorded.
  void DrawAgain();
  /// The window closes: playback stops; the tally to record.
  ModeAttempt Close();

  /// The playback a freshly prepared mode starts with (mode 4 plays its first question).
  WalkStep FirstStep();
  /// Polish message (cp1250) when the prepared mode has nothing to offer in this
  /// conversation; empty otherwise.
  const std::string& ShortMessage() const { return shortMessage_; }

  int Mode() const { return mode_; }
  const TextArea& Area() const { return area_; }
  ModeControls Controls() const;
  const ConversationScript& Script() const { return script_; }
  const ConversationPicture& Picture() const { return picture_; }
  ConversationScroll& Scroll() { return scroll_; }
  const ConversationScroll& Scroll() const { return scroll_; }
  ConversationWalk& Walk() { return walk_; }
  const OwnRecordings& Recordings() const { return recordings_; }
  const ListeningQuestions& Questions() const { return questions_; }
  const ConversationGaps& Gaps() const { return gaps_; }
  const ConversationTally& Tally() const { return tally_; }
  /// The phrase to translate in mode 3, 0 when none.
  int DrawnPhrase() const { return drawn_; }
  /// The phrase texts as the mode uses them (with gap markers in mode 5).
  const std::vector<std::string>& Texts() const { return texts_; }

  /// Phrase k is drawn blue.
  bool Highlighted(int k) const { return walk_.Highlighted() == k; }
  /// Window y of phrase k's record button and switch.
  int ControlTop(int k) const;

  /// Stops the conversation playback (the window then stops the player); true when the text
  /// needs a repaint.
  bool StopPlayback() { return walk_.Stop(); }

  WalkStep PlayAll();
  struct RolePress {
    WalkStep Step;
    /// Show the notice about roles B and C first (once a program run).
    bool ShowRolesNotice = false;
  };
  RolePress PlayRole(int role);

  /// A left click; while a phrase loops it first ends the loop, and a click on that phrase
  /// or beside every phrase does nothing more.
  TextClick ClickText(Point areaPoint);
  /// A right click: the phrase under the point plays again and again (modes 1 to 3, not the
  /// phrase to translate); on the phrase already looping it ends the loop.
  TextClick LoopText(Point areaPoint);
  TextHover HoverText(Point areaPoint) const;

  /// The record button of phrase k went down (left button): playback stops, and true when
  /// the window should start the phrase recorder.
  bool StartRecording(int k);
  /// It went up: true when a recording runs; the window waits 300 ms, stops the recorder
  /// with OwnRecordings::RecordingBase(k) and measures the file.
  bool StopRecording();
  bool Recording() const { return recording_; }
  /// The saved recording measured: true when it is offered (its switch shows "on"); false
  /// when it was too short (the window shows interface text 82).
  bool Recorded(int k, std::int64_t lengthMs, const std::string& programDir);
  /// The own-recording switch of phrase k; false when there is nothing to switch.
  bool ToggleOwn(int k);

  /// "Powtórz nagranie": the question being asked, again.
  WalkStep Replay();

  /// Homes of the word labels in the panel (the window measured each caption).
  const std::vector<Point>& PlaceLabels(DropArea panel, const std::vector<int>& widths, int height);
  const std::vector<Point>& LabelHomes() const { return homes_; }
  /// Label i is shown in the panel or being dragged.
  bool LabelShown(int i) const;
  /// A drag of label i starts.
  bool LiftLabel(int label);
  /// Label i let go at a point of the text area; a wrong drop sends it to its home.
  LabelDrop DropLabel(int label, Point areaPoint);

 private:
  void Prepare(int mode);
  /// The looped phrase stops: highlight, mode text and the sound.
  void EndLoop(TextClick& click);
  void Layout();
  bool Studying() const {
    return mode_ == conversation_mode::kListening || mode_ == conversation_mode::kSpeaking;
  }

  RandomSource& random_;
  const TextMeasurer& measurer_;
  ConversationScript script_;
  std::vector<std::string> texts_;
  OwnRecordings recordings_;
  ConversationWalk walk_;
  ConversationScroll scroll_;
  ConversationTally tally_;
  ListeningQuestions questions_;
  ConversationGaps gaps_;
  ConversationPicture picture_;
  std::vector<Point> homes_;
  TextArea area_;
  std::string shortMessage_;
  int mode_ = 0;
  int markWidth_ = 0;
  int markHeight_ = 0;
  int speakerWidth_ = 0;
  int drawn_ = 0;
  int lastDrawn_ = -1;
  bool recording_ = false;
  bool rolesNoticeShown_ = false;
};

}  // namespace tess
