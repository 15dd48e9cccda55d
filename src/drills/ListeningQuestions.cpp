#include "drills/ListeningQuestions.h"

#include <algorithm>
#include <cstddef>

namespace tess {

void ListeningQuestions::Prepare(std::vector<int> questions, int phraseCount) {
  hidden_.assign(static_cast<size_t>(std::max(phraseCount, 0)), false);
  list_.clear();
  for (int k : questions) {
    if (k < 1 || k > phraseCount) continue;
    hidden_[static_cast<size_t>(k - 1)] = true;
    list_.push_back(k);
  }
  cursor_ = 1;
}

bool ListeningQuestions::IsHidden(int k) const {
  return k >= 1 && k <= static_cast<int>(hidden_.size()) && hidden_[static_cast<size_t>(k - 1)];
}

int ListeningQuestions::Asked() const {
  if (list_.empty()) return 0;
  return list_[static_cast<size_t>(cursor_ - 1)];
}

ListeningQuestions::Answer ListeningQuestions::Click(int k) {
  if (!IsHidden(k)) return Answer::Ignored;
  if (k != Asked()) return Answer::Wrong;
  hidden_[static_cast<size_t>(k - 1)] = false;
  list_.erase(list_.begin() + (cursor_ - 1));
  // The entries after the answered one moved up, and the cursor still steps on: the questions
  // come round in that order.
  ++cursor_;
  if (cursor_ > Remaining()) cursor_ = 1;
  return Answer::Right;
}

}  // namespace tess
