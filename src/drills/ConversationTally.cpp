#include "drills/ConversationTally.h"

#include "core/KindCode.h"
#include "shared/Percent.h"

namespace tess {

int ConversationTally::Percent() const { return PercentOf(Good, Bad); }

std::uint8_t ConversationKind(int mode) {
  return static_cast<std::uint8_t>(KindCode::ConversationFirst - 1 + mode);
}

int RecordConversationMode(ResultsStore& store, const ConversationTally& tally, int mode,
                           std::string_view resultName, const RecordContext& context) {
  if (!tally.Attempted || mode < 1 || mode > 5) return 0;
  return RecordResult(store, tally.Percent(), resultName, ConversationKind(mode), 0,
                      tally.Completed ? 1 : 0, context);
}

}  // namespace tess
