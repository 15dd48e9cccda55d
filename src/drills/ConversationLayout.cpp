#include "drills/ConversationLayout.h"

#include <algorithm>

#include "drills/ConversationScript.h"

namespace tess {
namespace {

// A word starting with this tag stands for the capital L with stroke (cp1250), which the
// course files cannot always carry as it is.
constexpr std::string_view kCapitalLStrokeTag = "<\xA3>";
constexpr std::string_view kCapitalLStroke = "\xA3";
// Words wrap this far before the right edge; gap marks only when they would pass it.
constexpr int kRightMargin = 30;
constexpr int kMarkMargin = 5;
constexpr int kMarkAdvance = 7;
constexpr int kMarkIndent = 2;
constexpr int kHitHeight = 18;

}  // namespace

int ConversationPicture::PhraseAt(Point point, bool hovering) const {
  for (size_t i = 0; i < Phrases.size(); ++i) {
    if (!Phrases[i].HasHit) continue;
    DropArea area = Phrases[i].Hit;
    if (hovering) ++area.Bottom;
    if (area.Contains(point)) return static_cast<int>(i) + 1;
  }
  return 0;
}

int ConversationPicture::MaxTopLine(int areaHeight) const {
  if (Bottom <= areaHeight) return 0;
  return (Bottom - areaHeight) / LayoutSettings::kLineStep + 1;
}

ConversationPicture LayoutConversation(const std::vector<LayoutPhrase>& phrases,
                                       const LayoutSettings& settings,
                                       const TextMeasurer& measurer) {
  ConversationPicture picture;
  const int step = LayoutSettings::kLineStep;
  const int left = settings.SpeakerWidth + 1;
  int y = 1;
  int openGaps = 0;
  for (size_t i = 0; i < phrases.size(); ++i) {
    const LayoutPhrase& phrase = phrases[i];
    const int k = static_cast<int>(i) + 1;
    LaidPhrase laid;
    laid.Top = y;
    if (!phrase.Speaker.empty()) picture.Runs.push_back({k, 1, y, phrase.Speaker, true});
    int x = left;
    if (phrase.QuestionMark) {
      picture.Marks.push_back({k, 0, {x, y}});
      laid.HasHit = true;
      laid.Hit = {x, y, x + settings.MarkWidth, y + settings.MarkHeight};
      picture.Phrases.push_back(laid);
      y += step;
      continue;
    }
    laid.HasHit = !settings.GapMode;
    laid.Hit = {x, y, x, y};
    const auto newLine = [&] {
      x = left;
      y += step;
      ++laid.Lines;
    };
    for (std::string word : SplitPhraseWords(phrase.Words)) {
      if (std::string_view(word).starts_with(kCapitalLStrokeTag)) word = kCapitalLStroke;
      if (!std::string_view(word).starts_with(kGapMarker)) {
        std::string piece = word + " ";
        const int width = measurer.Width(piece, false, false);
        if (x + width >= settings.AreaWidth - kRightMargin) newLine();
        picture.Runs.push_back({k, x, y, std::move(piece), false});
        x += width;
        // A wrapped phrase keeps the width of its longest line clickable.
        laid.Hit.Right = std::max(laid.Hit.Right, x);
        continue;
      }
      if (settings.AreaWidth < x + settings.MarkWidth + kMarkMargin) newLine();
      ++openGaps;
      picture.Gaps.push_back({k, {x, y, x + settings.MarkWidth, y + settings.MarkHeight},
                              word.substr(kGapMarkerLength)});
      picture.Marks.push_back({k, openGaps, {x + kMarkIndent, y}});
      x += settings.MarkWidth + kMarkAdvance;
    }
    laid.Hit.Bottom = y + kHitHeight;
    picture.Phrases.push_back(laid);
    y += step;
  }
  picture.Bottom = y;
  return picture;
}

}  // namespace tess
