#pragma once
// The order in which the conversation is played: the whole conversation, one role (the other
// roles' phrases are waited through, 70 ms per character, so the learner can speak them), a
// single phrase, the learner's recording followed by the lecturer's, or a question. The window
// runs the chain on its event loop; this says which phrase comes next, how long to wait, when
// the chain ends, and whether a step still belongs to the running chain.
#include <string>
#include <vector>

namespace tess {

class OwnRecordings;

struct WalkStep {
  enum class Kind {
    None,         ///< nothing happens (and nothing changed)
    Play,         ///< highlight as told, play `Sound`; the end of the sound goes on
    WaitThrough,  ///< phrase highlighted: wait `Slices` x 70 ms, checking after each slice
    End,          ///< the chain is over: repaint
  };
  static constexpr int kSliceMs = 70;
  /// Between two rounds of a looped phrase: 700 ms to take a breath.
  static constexpr int kLoopPauseSlices = 10;

  Kind What = Kind::None;
  int Phrase = 0;
  std::string Sound;         ///< Play: the name for PlayConversationSound
  int Slices = 0;            ///< WaitThrough
  bool KeepVisible = false;  ///< scroll the phrase into view first
  unsigned Chain = 0;        ///< the chain the step belongs to
};

class ConversationWalk {
 public:
  /// `playbackMode` is the sound service's mode text, which decides what the end of a sound
  /// triggers; the walk sets and empties it. `sounds` names what each phrase plays.
  ConversationWalk(std::string& playbackMode, const OwnRecordings& sounds);

  /// A mode was prepared: these roles and text lengths (characters) per phrase, nothing
  /// played, nothing highlighted. Ends every running chain.
  void Reset(std::vector<int> roles, std::vector<int> textLengths);

  /// Stops the conversation playback: the mode text is emptied, the current phrase loses its
  /// highlight, every running chain ends. True when the text needs a repaint. The window then
  /// stops (or closes) the shared player.
  bool Stop();

  WalkStep PlayAll();
  /// Nothing when this role is already being played or has no phrase at all (then nothing is
  /// stopped or changed either).
  WalkStep PlayRole(int role);
  WalkStep PlayPhrase(int k);
  /// The learner's recording of phrase k, then the lecturer's sound of it.
  WalkStep PlayOwnThenLecturer(int k);
  /// Mode 4's question: played without a highlight.
  WalkStep PlayQuestion(int k);
  /// Phrase k as a single phrase that starts again after a short pause each time it ends,
  /// until the walk is stopped or another playback begins.
  WalkStep LoopPhrase(int k);

  /// A WaitThrough step was waited out: the next step of its chain (None when the chain was
  /// stopped or replaced meanwhile).
  WalkStep AfterWait(const WalkStep& step);
  /// The end of a sound in a whole-conversation or role mode: the next step.
  WalkStep Continue();
  /// The end of a single phrase: its highlight goes, the mode text is emptied. A looped
  /// phrase instead keeps both and waits its pause; AfterWait then plays it again.
  WalkStep SinglePhraseEnded();

  /// The step's chain still runs: no stop and no new playback since it was made.
  bool IsCurrent(const WalkStep& step) const { return step.Chain == chain_ && running_; }

  int CurrentPhrase() const { return current_; }
  /// The phrase drawn in blue, 0 when none.
  int Highlighted() const { return highlighted_; }
  int Count() const { return static_cast<int>(roles_.size()); }
  /// The phrase played in a loop, 0 when none.
  int LoopedPhrase() const { return looping_ ? current_ : 0; }
  /// Some phrase from `from` on has this role.
  bool RoleAhead(int role, int from = 1) const;

  /// "dialogi_A" .. "dialogi_D" for roles 1..4; empty for others.
  static std::string RoleMode(int role);

 private:
  WalkStep Begin(const std::string& mode, int k);
  WalkStep StepAt(int k);
  int Role() const;

  std::string& mode_;
  const OwnRecordings& sounds_;
  std::vector<int> roles_;
  std::vector<int> lengths_;
  int current_ = 0;
  int highlighted_ = 0;
  unsigned chain_ = 0;
  bool running_ = false;
  bool leading_ = false;  // a role walk before its first phrase of the role
  bool looping_ = false;  // the single phrase starts again when it ends
};

}  // namespace tess
