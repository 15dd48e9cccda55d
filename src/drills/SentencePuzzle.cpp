#include "drills/SentencePuzzle.h"

#include <algorithm>
#include <set>
#include <utility>

#include "platform/RandomSource.h"
#include "shared/Text.h"
#include "shared/TextMeasurer.h"

namespace tess {
namespace {

// With a good source a shuffle that changes nothing repeats rarely; this bound only stops a
// scripted or broken source from spinning, after which the words are put out of order by hand.
constexpr int kShuffleRounds = 1000;

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += ' ';
    text += words[i];
  }
  return text;
}

bool ReadsAs(const std::vector<std::string>& words, const std::string& sentence) {
  return LowerAZ(Trim(Joined(words))) == sentence;
}

}  // namespace

std::vector<std::string> SentencePuzzle::SplitWords(std::string_view sentence) {
  std::vector<std::string> words;
  while (!sentence.empty() && static_cast<int>(words.size()) < kMaxWords - 1) {
    std::string word = NextWord(sentence);
    sentence.remove_prefix(std::min(sentence.size(), word.size() + 1));
    words.push_back(std::move(word));
  }
  return words;
}

bool SentencePuzzle::CanBeShuffled(const std::vector<std::string>& words) {
  std::set<std::string> different;
  int filled = 0;
  int empty = 0;
  for (const std::string& word : words) {
    if (word.empty()) {
      ++empty;
    } else {
      ++filled;
      different.insert(LowerAZ(word));
    }
  }
  // Two different words can swap; equal words can still take an empty word (a doubled
  // blank) between them, which trimming does not hide.
  return different.size() >= 2 || (empty >= 1 && filled >= 2);
}

void SentencePuzzle::Set(std::string_view sentence, RandomSource& random) {
  words_ = SplitWords(sentence);
  boxes_.clear();
  const std::string plain = LowerAZ(Trim(sentence));
  const int size = static_cast<int>(words_.size());
  if (CanBeShuffled(words_)) {
    const std::vector<std::string> original = words_;
    int round = 0;
    do {
      for (int n = 0; n < size; ++n) {
        // The second position is drawn from the others, so no draw is ever thrown away.
        const int a = random.Between(1, size);
        int b = random.Between(1, size - 1);
        if (b >= a) ++b;
        std::swap(words_[static_cast<size_t>(a - 1)], words_[static_cast<size_t>(b - 1)]);
      }
    } while (ReadsAs(words_, plain) && ++round < kShuffleRounds);
    if (ReadsAs(words_, plain)) {
      words_ = original;
      for (int a = 0; a < size && ReadsAs(words_, plain); ++a) {
        for (int b = a + 1; b < size && ReadsAs(words_, plain); ++b) {
          words_ = original;
          std::swap(words_[static_cast<size_t>(a)], words_[static_cast<size_t>(b)]);
        }
      }
    }
  }
  words_.emplace_back(kBlankSlot);
}

bool SentencePuzzle::Pickable(int n) const {
  return n >= 1 && n <= Count() && !Trim(Word(n)).empty();
}

void SentencePuzzle::Layout(const TextMeasurer& measurer, int areaWidth, int wordHeight) {
  boxes_.clear();
  int x = 0;
  int y = 0;
  for (const std::string& word : words_) {
    const int step = measurer.Width(word + "  ", false, false);
    if (x + step > areaWidth) {
      x = 0;
      y += kLineStep;
    }
    boxes_.push_back({x, y, measurer.Width(word, false, false), wordHeight});
    x += step;
  }
}

int SentencePuzzle::WordAt(int x, int y) const {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    if (boxes_[i].Contains(x, y)) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool SentencePuzzle::Move(int picked, int target) {
  const int count = Count();
  if (picked < 1 || picked > count || target < 1 || target > count) return false;
  const auto at = [this](int n) { return words_.begin() + (n - 1); };
  if (target < picked) {
    std::rotate(at(target), at(picked), at(picked + 1));
    return true;
  }
  if (target > picked + 1) {
    std::rotate(at(picked), at(picked + 1), at(target));
    return true;
  }
  return false;
}

std::string SentencePuzzle::Answer() const {
  std::string text;
  for (const std::string& word : words_) text += word + " ";
  return text;
}

}  // namespace tess
