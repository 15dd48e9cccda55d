#include "drills/ConversationScreen.h"

#include <algorithm>

namespace tess {

TextArea TextAreaFor(int textLayout) {
  if (textLayout == 1) return {16, 656};
  return {110, 544};
}

std::array<TabPlace, 5> TabPlaces(std::string_view modeFlags) {
  std::array<TabPlace, 5> tabs{};
  int position = 0;
  for (size_t k = 0; k < tabs.size(); ++k) {
    if (k < modeFlags.size() && modeFlags[k] == 'T') {
      ++position;
      tabs[k] = {true, position, 25 * position + 41};
    }
  }
  return tabs;
}

std::string TabPicture(int position, bool selected) {
  return "but_r\\zakl\\dial_" + std::to_string(position) + (selected ? "a" : "") + ".bmp";
}

TranslationBoxPlace TranslationBoxFor(size_t translationLength) {
  if (translationLength <= 300) return {TranslationBackground::Small, 536, 62, 540, 58};
  if (translationLength <= 550) return {TranslationBackground::Medium, 502, 97, 506, 89};
  return {TranslationBackground::Big, 387, 212, 391, 204};
}

std::string BackgroundPicture(std::string_view mediaDir, std::string_view backgroundName) {
  const std::string_view rest = backgroundName.substr(std::min<size_t>(2, backgroundName.size()));
  return std::string(mediaDir) + "dialogi_tlo\\dial_tlo_" + std::string(rest) + ".bmp";
}

std::string FallbackBackground(std::string_view mediaDir) {
  return std::string(mediaDir) + "dialogi_tlo\\tmp.bmp";
}

}  // namespace tess
