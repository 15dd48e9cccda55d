#pragma once
// The counts of the mode being studied and what is recorded for it in the results store when
// the mode is left or the window closed: kinds 70 (mode 1) to 74 (mode 5), item 0.
#include <cstdint>
#include <string_view>

#include "results/ResultsStore.h"

namespace tess {

struct ConversationTally {
  int Good = 0;
  int Bad = 0;
  bool Attempted = false;
  bool Completed = false;

  void Reset() { *this = ConversationTally(); }
  /// Listening, speaking and translating count in full as soon as the learner uses them.
  void UsedInFull() {
    Attempted = true;
    Completed = true;
    Good = 1;
  }
  /// 100 x good / (good + bad), halves to even; 0 with nothing counted.
  int Percent() const;
};

/// 69 + mode.
std::uint8_t ConversationKind(int mode);

/// The mode's attempt, when there was one, on the record of `resultName` for the mode's kind;
/// returns its position, 0 when nothing was recorded. The caller saves the results file in
/// every case.
int RecordConversationMode(ResultsStore& store, const ConversationTally& tally, int mode,
                           std::string_view resultName, const RecordContext& context);

}  // namespace tess
