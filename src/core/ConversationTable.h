#pragma once
// The conversation table, read once at start from "dialogi.txt": one block per conversation,
// a header line, phrase lines and a line "*". Conversations are numbered from 1 in file order.
#include <string>
#include <vector>

namespace tess {

/// One conversation (`_Dialogi`). The phrase lists hold `PhraseCount` entries; phrase k is
/// at index k - 1.
struct Conversation {
  int GroupNumber = 0;         ///< header field 5: section (position in the group list)
  int LevelNumber = 0;         ///< header field 6: level 1 to 4
  std::string TitleDe;         ///< header field 4, interface language 2
  std::string TitleEn;         ///< header field 3, interface language 1
  std::string TitlePl;         ///< header field 2, interface language 0
  std::string ModeFlags;       ///< header field 7: character k is "T" when mode k is offered
  int TextLayout = 0;          ///< header field 8: 1 wide, 0 narrow, other: the form's own
  std::string BackgroundName;  ///< header field 1
  int PhraseCount = 0;
  std::vector<std::string> Sounds;        ///< phrase field 1
  std::vector<int> Roles;                 ///< phrase field 2: 1 to 4 (A to D)
  std::vector<std::string> Texts;         ///< phrase field 3, "Speaker: text"
  std::vector<std::string> Translations;  ///< phrase field 4, Polish

  /// Mode m (1 to 5) is offered: character m of `ModeFlags` is "T".
  bool OffersMode(int mode) const;
};

class ConversationTable {
 public:
  static constexpr int kMaxConversations = 70;
  static constexpr int kMaxPhrases = 25;

  int Count() const { return static_cast<int>(conversations_.size()); }
  /// Conversation n (1-based); nullptr when there is none.
  const Conversation* At(int n) const;

  void Clear() { conversations_.clear(); }
  bool Add(Conversation conversation);

 private:
  std::vector<Conversation> conversations_;
};

inline constexpr const char* kConversationFile = "dialogi.txt";

/// Empties the table and reads the file. Every field is trimmed of blanks. A block whose
/// header has a non-number in a number field is left out whole; a phrase line whose role is
/// not a number is left out. Blocks beyond 70 and phrases beyond 25 are ignored, and
/// `overflowed` tells that some were; blank lines where a header is expected are passed over.
/// False when the file cannot be read.
bool LoadConversations(const std::string& path, ConversationTable& table,
                       bool* overflowed = nullptr);

}  // namespace tess
