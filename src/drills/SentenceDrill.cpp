#include "drills/SentenceDrill.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/RandomSource.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {

std::uint8_t SentenceKind(int mode) {
  if (mode == sentence_mode::kDictation) return kDictationKind;
  if (mode == sentence_mode::kPuzzle) return kPuzzleKind;
  return 0;
}

std::vector<Sentence> SentenceDrill::PackageMembers(const SentenceList& list, int packageNumber) {
  std::vector<Sentence> members;
  const SentencePackage* package = list.Packages().At(packageNumber);
  if (package == nullptr) return members;
  for (const int n : package->Sentences) {
    if (const Sentence* sentence = list.At(n)) members.push_back(*sentence);
  }
  return members;
}

void SentenceDrill::Open(std::vector<Sentence> members) {
  members_ = std::move(members);
  position_ = 1;
  mode_ = sentence_mode::kNone;
  attempted_ = false;
  Reset();
}

void SentenceDrill::Reset() {
  const int size = Size();
  order_.resize(static_cast<size_t>(size));
  std::iota(order_.begin(), order_.end(), 1);
  for (int n = 1; n < size; ++n) {
    const int a = random_.Between(1, size);
    int b = random_.Between(1, size - 1);
    if (b >= a) ++b;
    std::swap(order_[static_cast<size_t>(a - 1)], order_[static_cast<size_t>(b - 1)]);
  }
  // One flag per sentence, however large the package.
  right_.assign(static_cast<size_t>(size), false);
  finished_ = false;
  attempted_ = false;
  rightCount_ = 0;
  wrongCount_ = 0;
  checked_ = false;
  lastWrong_.clear();
}

SentenceModeChange SentenceDrill::ChangeMode(int mode) {
  SentenceModeChange change;
  if (mode == mode_) return change;
  change.Changed = true;
  position_ = 1;
  change.Left = Result();
  Reset();
  mode_ = mode;
  StartSentence();
  return change;
}

const Sentence& SentenceDrill::Current() const {
  return members_[static_cast<size_t>(MemberAt(position_) - 1)];
}

void SentenceDrill::StartSentence() {
  checked_ = false;
  lastWrong_.clear();
  if (mode_ == sentence_mode::kPuzzle && HasSentence()) puzzle_.Set(Current().Variants[0], random_);
}

void SentenceDrill::Counted(bool right) {
  right_[static_cast<size_t>(position_ - 1)] = right;
  if (right) {
    ++rightCount_;
    lastWrong_.clear();
  } else {
    ++wrongCount_;
  }
  if (rightCount_ >= Size()) finished_ = true;
  checked_ = true;
}

SentenceVerdict SentenceDrill::CheckDictation(const std::string& typed,
                                              const DictationOptions& options,
                                              const EquivalenceList& equivalences) {
  attempted_ = true;
  const Sentence& sentence = Current();
  const int variants = std::max(1, std::min(sentence.VariantCount, 4));
  SentenceVerdict verdict;
  verdict.Right = DictationMatches(typed, sentence.Variants, variants, options, equivalences);
  verdict.Answer = Trim(sentence.Variants[variants - 1]);
  verdict.InfoText =
      verdict.Right ? sentence_text::kDictationRight : sentence_text::kDictationWrong;
  if (!verdict.Right) {
    lastWrong_ = typed;
    verdict.Why = DictationMistake(typed, sentence.Variants, variants, options, equivalences);
  }
  Counted(verdict.Right);
  return verdict;
}

SentenceVerdict SentenceDrill::CheckPuzzle() {
  attempted_ = true;
  const std::string answer = puzzle_.Answer();
  lastWrong_ = answer;
  SentenceVerdict verdict;
  verdict.Right = Trim(answer) == Trim(Current().Variants[0]);
  verdict.Answer = verdict.Right ? Trim(answer) : Trim(Current().Variants[0]);
  verdict.InfoText = verdict.Right ? sentence_text::kPuzzleRight : sentence_text::kPuzzleWrong;
  Counted(verdict.Right);
  return verdict;
}

bool SentenceDrill::MoveOn() {
  const int size = Size();
  if (rightCount_ >= size) return false;
  for (int step = 1; step <= size; ++step) {
    const int position = (position_ - 1 + step) % size + 1;
    if (!AnsweredRight(position)) {
      position_ = position;
      StartSentence();
      return true;
    }
  }
  return false;
}

SentenceTally SentenceDrill::Tally() const {
  SentenceTally tally;
  tally.Right = rightCount_;
  tally.Wrong = wrongCount_;
  const int answers = Size() + wrongCount_;
  if (answers > 0) {
    tally.Percent = RoundHalfEven(100.0 * rightCount_ / answers);
    tally.ShownPercent = 100 * rightCount_ / answers;
  }
  tally.Remaining = Size() - rightCount_;
  return tally;
}

std::optional<SentenceResult> SentenceDrill::Result() const {
  const std::uint8_t kind = SentenceKind(mode_);
  if (!attempted_ || kind == 0) return std::nullopt;
  return SentenceResult{Tally().Percent, kind, finished_};
}

}  // namespace tess
