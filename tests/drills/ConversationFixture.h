#pragma once
// Conversations made up in the tests and a measurer whose widths can be worked out by hand.
#include <string>
#include <vector>

#include "core/ConversationTable.h"
#include "shared/TextMeasurer.h"

namespace tess::testing_drills {

// Every byte is 6 pixels wide, 7 in bold.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool) const override {
    return (bold ? 7 : 6) * static_cast<int>(text.size());
  }
};

struct Line {
  int Role = 1;
  std::string Text;
  std::string Translation;
};

inline Conversation MakeConversation(const std::vector<Line>& lines, int textLayout = 0) {
  Conversation c;
  c.ModeFlags = "TTTTT";
  c.TextLayout = textLayout;
  int k = 0;
  for (const Line& line : lines) {
    ++k;
    c.Sounds.push_back("d1_" + std::to_string(k));
    c.Roles.push_back(line.Role);
    c.Texts.push_back(line.Text);
    c.Translations.push_back(line.Translation.empty() ? "pl " + std::to_string(k)
                                                      : line.Translation);
  }
  c.PhraseCount = k;
  return c;
}

// Phrases "A: a1 ..." with the given roles, each text as long as its number of characters.
inline Conversation WithRoles(const std::vector<int>& roles) {
  std::vector<Line> lines;
  int k = 0;
  for (int role : roles) {
    ++k;
    lines.push_back({role, std::string(1, static_cast<char>('A' + role - 1)) + ": phrase " +
                               std::to_string(k),
                     ""});
  }
  return MakeConversation(lines);
}

}  // namespace tess::testing_drills
