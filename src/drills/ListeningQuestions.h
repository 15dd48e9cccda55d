#pragma once
// Listening comprehension: the hidden phrases still to be asked, the one being asked, and the
// check of a click on a question mark. A right answer reveals the phrase and moves on; the
// questions are asked round the list until none is left.
#include <cstddef>
#include <vector>

namespace tess {

class ListeningQuestions {
 public:
  enum class Answer { Ignored, Right, Wrong };

  /// The drawn questions, asked from the first.
  void Prepare(std::vector<int> questions, int phraseCount);

  /// Phrase k is shown as a question mark.
  bool IsHidden(int k) const;
  /// The phrase being asked, 0 when none is left.
  int Asked() const;
  /// Questions not yet answered.
  int Remaining() const { return static_cast<int>(list_.size()); }
  bool Finished() const { return list_.empty(); }

  /// A click on phrase k: Ignored when it is not a question mark; Right for the phrase being
  /// asked (it is shown again and the next question is asked); Wrong for another mark.
  Answer Click(int k);

 private:
  std::vector<int> list_;
  std::vector<bool> hidden_;
  int cursor_ = 1;
};

}  // namespace tess
