#pragma once
// The working copy of the conversation on screen: each phrase split into its speaker label and
// its text, with role, translation and the lecturer's sound. Modes change the texts (gap
// markers), never the conversation table.
#include <string>
#include <string_view>
#include <vector>

#include "shared/TextMeasurer.h"

namespace tess {

struct Conversation;

struct ScriptPhrase {
  int Role = 0;
  std::string Speaker;      ///< up to and including the first ":"; empty without one
  std::string Text;         ///< after the speaker label and the blank behind it
  std::string Translation;  ///< Polish
  std::string Sound;        ///< the lecturer's sound name from the conversation file
};

class ConversationScript {
 public:
  static constexpr int kMaxPhrases = 25;
  /// Extra room right of the widest speaker label.
  static constexpr int kSpeakerGap = 5;

  ConversationScript() = default;
  /// The conversation's phrases, at most 25.
  explicit ConversationScript(const Conversation& conversation);

  int Count() const { return static_cast<int>(phrases_.size()); }
  /// Phrase k, 1..Count().
  const ScriptPhrase& Phrase(int k) const { return phrases_.at(static_cast<size_t>(k - 1)); }
  ScriptPhrase& Phrase(int k) { return phrases_.at(static_cast<size_t>(k - 1)); }
  std::vector<int> Roles() const;
  /// The highest role number (0 without phrases).
  int MaxRole() const;
  /// Width of the widest speaker label in bold, plus 5.
  int SpeakerWidth(const TextMeasurer& measurer) const;

 private:
  std::vector<ScriptPhrase> phrases_;
};

/// "Speaker: text" into "Speaker:" and "text" (the one character after the colon dropped);
/// a text without ":" is all text.
void SplitSpeaker(std::string_view full, std::string& speaker, std::string& text);

/// The conversations' word loop: take the text up to the first blank (the rest when there is
/// none), trim it, drop that many characters plus one, until the rest is blank after
/// trimming. Two blanks in a row give an empty word.
std::vector<std::string> SplitPhraseWords(std::string_view text);

}  // namespace tess
