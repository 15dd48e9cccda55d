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
  // Each step's rest, its next word and that word trimmed are found from positions that only
  // move forward, never by trimming or searching the whole rest again, so a long phrase (or a
  // long run of control characters) costs linear time.
  const auto control = [&](size_t i) { return static_cast<unsigned char>(text[i]) <= 32; };
  size_t end = text.size();  // the rest is blank from the last character above code 32 on
  while (end > 0 && control(end - 1)) --end;
  std::vector<std::string> words;
  size_t taken = 0;      // characters dropped so far
  size_t blank = 0;      // the blank ending the word that starts at `taken`
  size_t wordEnd = 0;    // past the last character above code 32 before `blank`
  size_t wordStart = 0;  // the first character above code 32 at or after `taken`
  bool known = false;
  while (taken < end) {
    if (!known || taken > blank) {
      blank = std::min(text.find(' ', taken), text.size());
      wordEnd = blank;
      while (wordEnd > taken && control(wordEnd - 1)) --wordEnd;
      wordStart = taken;
      known = true;
    }
    wordStart = std::max(wordStart, taken);
    while (wordStart < wordEnd && control(wordStart)) ++wordStart;
    const size_t length = wordStart < wordEnd ? wordEnd - wordStart : 0;
    words.emplace_back(text.substr(wordStart, length));
    taken += std::min(text.size() - taken, length + 1);
  }
  return words;
}

}  // namespace tess
