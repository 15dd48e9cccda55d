#pragma once
// A stretch of a film or recording marked A to B that plays again and again: the marks, the
// rules that keep the stretch usable, and what a position, the end of the media, a seek or a
// stop do to it. The media window asks it and moves its player; nothing here plays.
#include <cstdint>
#include <optional>

namespace tess {

class PhraseLoop {
 public:
  /// A shorter stretch would only stutter; such a B is refused.
  static constexpr std::int64_t kShortestMs = 300;

  enum class Mark {
    Set,        ///< the mark stands where it was asked
    Moved,      ///< it stood elsewhere before
    Swapped,    ///< B before A: the old A became B and the new place A
    Restarted,  ///< A at, past or too near B: A moved there and B was dropped
    Refused,    ///< nothing changed
  };

  /// A at `ms`: always taken (a negative time is refused). With B set, a place at least
  /// kShortestMs before B keeps B; any later place starts a new stretch without B.
  Mark SetA(std::int64_t ms);
  /// B at `ms`: refused without A or within kShortestMs of A; a place before A swaps.
  Mark SetB(std::int64_t ms);
  void Clear();

  bool HasA() const { return a_.has_value(); }
  bool HasB() const { return b_.has_value(); }
  /// Both marks stand: the stretch loops.
  bool Active() const { return a_ && b_; }
  std::int64_t A() const { return a_.value_or(-1); }
  std::int64_t B() const { return b_.value_or(-1); }

  /// Where to seek while playing at `ms`: A once B is reached; nothing otherwise.
  std::optional<std::int64_t> OnPosition(std::int64_t ms) const;
  /// The media played to its end (B lay at or near it): A when looping.
  std::optional<std::int64_t> OnEnd() const;
  /// The learner moved the player to `ms` (track, jump mark): a place outside the stretch
  /// ends the loop, so the learner can leave it without looking for the clear button.
  void OnSeek(std::int64_t ms);
  /// Milliseconds from `ms` until B, for a check on time; -1 when not looping.
  std::int64_t MsUntilB(std::int64_t ms) const;

 private:
  std::optional<std::int64_t> a_;
  std::optional<std::int64_t> b_;
};

}  // namespace tess
