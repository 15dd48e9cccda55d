#include "drills/ConversationScript.h"

#include <algorithm>

#include "core/ConversationTable.h"
#include "shared/Text.h"

namespace tess {

ConversationScript::ConversationScript(const Conversation& conversation) {
  const size_t count = std::min({static_cast<size_t>(std::max(conversation.PhraseCount, 0)),
                                 static_cast<size_t>(kMaxPhrases), conversation.Texts.size(),
                                 conversation.Roles.size(), conversation.Sounds.size(),
                                 conversation.Translations.size()});
  phrases_.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    ScriptPhrase phrase;
    phrase.Role = conversation.Roles[i];
    SplitSpeaker(conversation.Texts[i], phrase.Speaker, phrase.Text);
    phrase.Translation = conversation.Translations[i];
    phrase.Sound = conversation.Sounds[i];
    phrases_.push_back(std::move(phrase));
  }
}

std::vector<int> ConversationScript::Roles() const {
  std::vector<int> roles;
  roles.reserve(phrases_.size());
  for (const ScriptPhrase& phrase : phrases_) roles.push_back(phrase.Role);
  return roles;
}

int ConversationScript::MaxRole() const {
  int role = 0;
  for (const ScriptPhrase& phrase : phrases_) role = std::max(role, phrase.Role);
  return role;
}

int ConversationScript::SpeakerWidth(const TextMeasurer& measurer) const {
  int widest = 0;
  for (const ScriptPhrase& phrase : phrases_) {
    widest = std::max(widest, measurer.Width(phrase.Speaker, true, false));
  }
  return widest + kSpeakerGap;
}

void SplitSpeaker(std::string_view full, std::string& speaker, std::string& text) {
  const size_t colon = full.find(':');
  if (colon == std::string_view::npos) {
    speaker.clear();
    text = std::string(full);
    return;
  }
  speaker = std::string(full.substr(0, colon + 1));
  text = std::string(full.substr(std::min(full.size(), colon + 2)));
}

std::vector<std::string> SplitPhraseWords(std::string_view text) {
  std::vector<std::string> words;
  while (!Trim(text).empty()) {
    std::string word = Trim(NextWord(text));
    text.remove_prefix(std::min(text.size(), word.size() + 1));
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace tess
