// The conversation table "dialogi.txt".
#include "FuzzSupport.h"
#include "core/ConversationTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("dialogi.txt", fuzz::AsText(data, size));
  ConversationTable table;
  TESS_FUZZ_CHECK(LoadConversations(path, table));
  TESS_FUZZ_CHECK(table.Count() <= ConversationTable::kMaxConversations);
  for (int n = 1; n <= table.Count(); ++n) {
    const Conversation& c = *table.At(n);
    TESS_FUZZ_CHECK(c.PhraseCount <= ConversationTable::kMaxPhrases);
    const auto phrases = static_cast<std::size_t>(c.PhraseCount);
    TESS_FUZZ_CHECK(c.Sounds.size() == phrases && c.Roles.size() == phrases &&
                    c.Texts.size() == phrases && c.Translations.size() == phrases);
    for (int mode = 0; mode <= 6; ++mode) c.OffersMode(mode);
  }
  return 0;
}
