#include "drills/ConversationGaps.h"

#include <algorithm>

#include "drills/ConversationScript.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr DropArea kNoArea{-9999, -9999, -9999 - 1, -9999 - 1};

std::string WithoutSuffix(std::string text, std::string_view suffix) {
  if (std::string_view(text).ends_with(suffix)) text.resize(text.size() - suffix.size());
  return text;
}

std::string MarkerMissingMessage(const std::string& answer) {
  return "Blad przy wyszukiwaniu <!!TU>+Wyraz - x1 zwrocil -1 !!!\r\r" + answer;
}

int Pick(int count, RandomSource& random) { return random.Between(1, count) - 1; }

}  // namespace

int GapsForWordCount(int words) {
  if (words >= 4 && words <= 10) return 1;
  if (words >= 11 && words <= 20) return 2;
  if (words >= 21 && words <= 800) return 3;
  return 0;
}

std::string GapKey(std::string_view word) {
  std::string key(word);
  for (const char* mark : {".", ",", "?", "!", ";"}) key = WithoutSuffix(std::move(key), mark);
  return key;
}

std::string GapDisplayForm(std::string_view answer) {
  std::string form = WithoutSuffix(std::string(answer), "...");
  form = WithoutSuffix(std::move(form), "\"");
  if (!form.empty() && form.front() == '"') form.erase(0, 1);
  return GapKey(form);
}

void ConversationGaps::Draw(std::vector<std::string>& texts, RandomSource& random) {
  gaps_.clear();
  filled_ = 0;
  numbered_ = false;
  std::vector<std::vector<std::string>> words;
  std::vector<int> perPhrase;
  int total = 0;
  for (const std::string& text : texts) {
    words.push_back(SplitPhraseWords(text));
    perPhrase.push_back(GapsForWordCount(static_cast<int>(words.back().size())));
    total += perPhrase.back();
  }
  while (total > kMaxGaps) {
    std::vector<size_t> withGaps;
    for (size_t k = 0; k < perPhrase.size(); ++k) {
      if (perPhrase[k] > 0) withGaps.push_back(k);
    }
    --perPhrase[withGaps[static_cast<size_t>(Pick(static_cast<int>(withGaps.size()), random))]];
    --total;
  }
  for (size_t k = 0; k < texts.size(); ++k) {
    const size_t considered = std::min<size_t>(words[k].size(), kMaxWordsConsidered);
    std::vector<size_t> candidates;
    for (size_t w = 0; w < considered; ++w) candidates.push_back(w);
    for (int n = 0; n < perPhrase[k]; ++n) {
      // Words that cannot be a gap are struck off, so the draw always ends.
      std::erase_if(candidates, [&](size_t w) {
        const std::string& word = words[k][w];
        const std::string key = GapKey(word);
        return key.empty() || word == "..." || word == "-" ||
               std::string_view(word).starts_with(kGapMarker) ||
               std::any_of(gaps_.begin(), gaps_.end(), [&](const Gap& g) { return g.Key == key; });
      });
      bool placed = false;
      while (!placed && !candidates.empty()) {
        const size_t c = static_cast<size_t>(Pick(static_cast<int>(candidates.size()), random));
        const std::string& word = words[k][candidates[c]];
        const size_t at = (" " + texts[k] + " ").find(" " + word + " ");
        if (at == std::string::npos) {
          candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(c));
          continue;
        }
        texts[k].insert(at, kGapMarker);
        Gap gap;
        gap.Word = word;
        gap.Key = GapKey(word);
        gap.Phrase = static_cast<int>(k) + 1;
        gap.Area = kNoArea;
        gaps_.push_back(std::move(gap));
        placed = true;
      }
      if (!placed) break;
    }
  }
}

void ConversationGaps::Take(const ConversationPicture& picture) {
  size_t laid = 0;
  for (Gap& gap : gaps_) {
    if (gap.Filled) continue;
    if (laid >= picture.Gaps.size()) {
      gap.Area = kNoArea;
      continue;
    }
    const LaidGap& mark = picture.Gaps[laid++];
    gap.Area = mark.Area;
    if (!numbered_) {
      gap.Answer = mark.Answer;
      gap.Phrase = mark.Phrase;
    }
  }
  numbered_ = true;
}

std::string ConversationGaps::Caption(int i) const {
  return "  " + GapDisplayForm(At(i).Answer) + "  ";
}

std::vector<Point> ConversationGaps::PlaceLabels(DropArea panel, const std::vector<int>& widths,
                                                 int height, RandomSource& random) const {
  const int count = std::min(Count(), static_cast<int>(widths.size()));
  std::vector<Point> homes(static_cast<size_t>(count));
  std::vector<int> left;
  for (int i = 1; i <= count; ++i) left.push_back(i);
  const int startX = panel.Left + 2;
  const int panelWidth = panel.Right - panel.Left + 1;
  int x = startX;
  int y = panel.Top + 6;
  while (!left.empty()) {
    const size_t pick = static_cast<size_t>(Pick(static_cast<int>(left.size()), random));
    const int label = left[pick];
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(pick));
    const int width = widths[static_cast<size_t>(label - 1)];
    // A label too wide for any row stays in the row it starts.
    if (x > startX && x + width - panel.Left + 5 > panelWidth - 20) {
      x = startX;
      y += height + 4;
    }
    homes[static_cast<size_t>(label - 1)] = {x, y};
    x += width + 4;
  }
  return homes;
}

GapDrop ConversationGaps::Drop(int label, Point point, std::vector<std::string>& texts) {
  GapDrop drop;
  if (label < 1 || label > Count() || At(label).Filled) return drop;
  int hit = 0;
  for (int i = 1; i <= Count() && hit == 0; ++i) {
    if (!At(i).Filled && At(i).Area.Contains(point)) hit = i;
  }
  if (hit != label) {
    drop.What = GapDrop::Kind::Wrong;
    return drop;
  }
  Gap& gap = gaps_[static_cast<size_t>(label - 1)];
  const std::string answer = Trim(gap.Answer);
  const size_t phrase = static_cast<size_t>(gap.Phrase - 1);
  const size_t at = phrase < texts.size()
                        ? (" " + texts[phrase] + " ").find(std::string(" ") + kGapMarker + answer + " ")
                        : std::string::npos;
  if (at == std::string::npos) {
    drop.Error = MarkerMissingMessage(answer);
  } else {
    texts[phrase].erase(at, kGapMarkerLength);
  }
  gap.Filled = true;
  gap.Area = kNoArea;
  ++filled_;
  drop.What = GapDrop::Kind::Right;
  drop.AllFilled = AllFilled();
  return drop;
}

}  // namespace tess
