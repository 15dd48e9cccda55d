#include "drills/PhraseDraw.h"

#include <algorithm>

namespace tess {
namespace {

int Pick(const std::vector<int>& candidates, RandomSource& random) {
  return candidates[static_cast<size_t>(random.Between(1, static_cast<int>(candidates.size())) - 1)];
}

}  // namespace

int DrawTranslationPhrase(int phraseCount, int lastDrawn, RandomSource& random) {
  if (phraseCount < 1) return 0;
  const int last = std::max(1, phraseCount - 1);
  std::vector<int> candidates;
  for (int k = 1; k <= last; ++k) {
    if (k != lastDrawn) candidates.push_back(k);
  }
  if (candidates.empty()) return last;
  return Pick(candidates, random);
}

int QuestionCount(int phraseCount) {
  if (phraseCount >= 3 && phraseCount <= 5) return 2;
  return std::max(0, phraseCount / 3);
}

std::vector<int> DrawQuestions(const std::vector<std::string>& translations, RandomSource& random) {
  const int count = static_cast<int>(translations.size());
  const int wanted = QuestionCount(count);
  std::vector<int> chosen;
  while (static_cast<int>(chosen.size()) < wanted) {
    std::vector<int> candidates;
    for (int k = 1; k < count; ++k) {
      const bool taken = std::any_of(chosen.begin(), chosen.end(), [&](int c) {
        return c == k || translations[static_cast<size_t>(c - 1)] ==
                             translations[static_cast<size_t>(k - 1)];
      });
      if (!taken) candidates.push_back(k);
    }
    if (candidates.empty()) break;
    chosen.push_back(Pick(candidates, random));
  }
  return chosen;
}

}  // namespace tess
