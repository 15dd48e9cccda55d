#include "core/ConversationTable.h"

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

namespace {

std::vector<std::string> TrimmedFields(const std::string& line, int count) {
  auto fields = CutFields(line, '=', count);
  for (std::string& field : fields) field = TrimBlanks(field);
  return fields;
}

bool IsBlockEnd(const std::string& line) { return Trim(line) == "*"; }

bool ParseHeader(const std::string& line, Conversation& out) {
  const auto f = TrimmedFields(line, 8);
  const auto group = ParseInt(f[4]);
  const auto level = ParseInt(f[5]);
  const auto layout = ParseInt(f[7]);
  if (!group || !level || !layout) return false;
  out.BackgroundName = f[0];
  out.TitlePl = f[1];
  out.TitleEn = f[2];
  out.TitleDe = f[3];
  out.GroupNumber = *group;
  out.LevelNumber = *level;
  out.ModeFlags = f[6];
  out.TextLayout = *layout;
  return true;
}

// False when the phrase did not fit.
bool AddPhrase(const std::string& line, Conversation& out) {
  const auto f = TrimmedFields(line, 4);
  const auto role = ParseInt(f[1]);
  if (!role) return true;
  if (out.PhraseCount >= ConversationTable::kMaxPhrases) return false;
  out.Sounds.push_back(f[0]);
  out.Roles.push_back(*role);
  out.Texts.push_back(f[2]);
  out.Translations.push_back(f[3]);
  ++out.PhraseCount;
  return true;
}

}  // namespace

bool Conversation::OffersMode(int mode) const {
  return mode >= 1 && mode <= static_cast<int>(ModeFlags.size()) &&
         ModeFlags[static_cast<size_t>(mode - 1)] == 'T';
}

const Conversation* ConversationTable::At(int n) const {
  if (n < 1 || n > Count()) return nullptr;
  return &conversations_[static_cast<size_t>(n - 1)];
}

bool ConversationTable::Add(Conversation conversation) {
  if (Count() >= kMaxConversations) return false;
  conversations_.push_back(std::move(conversation));
  return true;
}

bool LoadConversations(const std::string& path, ConversationTable& table, bool* overflowed) {
  table.Clear();
  if (overflowed) *overflowed = false;
  TextFileReader reader;
  if (!reader.Open(path)) return false;
  std::string line;
  bool over = false;
  while (reader.ReadLine(line)) {
    if (Trim(line).empty()) continue;
    if (table.Count() >= ConversationTable::kMaxConversations) {
      over = true;  // a further block exists; nothing of it is read
      break;
    }
    Conversation conversation;
    const bool good = ParseHeader(line, conversation);
    // The block runs to its "*" line whether or not its header could be used.
    while (reader.ReadLine(line) && !IsBlockEnd(line)) {
      if (good && !AddPhrase(line, conversation)) over = true;
    }
    if (good) table.Add(std::move(conversation));
  }
  if (overflowed) *overflowed = over;
  return true;
}

}  // namespace tess
