#include "media/PhraseLoop.h"

#include <algorithm>

namespace tess {

PhraseLoop::Mark PhraseLoop::SetA(std::int64_t ms) {
  if (ms < 0) return Mark::Refused;
  const bool had = a_.has_value();
  a_ = ms;
  if (b_ && ms > *b_ - kShortestMs) {
    b_.reset();
    return Mark::Restarted;
  }
  return had ? Mark::Moved : Mark::Set;
}

PhraseLoop::Mark PhraseLoop::SetB(std::int64_t ms) {
  if (!a_ || ms < 0) return Mark::Refused;
  if (ms >= *a_ + kShortestMs) {
    const bool had = b_.has_value();
    b_ = ms;
    return had ? Mark::Moved : Mark::Set;
  }
  if (ms <= *a_ - kShortestMs) {
    b_ = *a_;
    a_ = ms;
    return Mark::Swapped;
  }
  return Mark::Refused;
}

void PhraseLoop::Clear() {
  a_.reset();
  b_.reset();
}

std::optional<std::int64_t> PhraseLoop::OnPosition(std::int64_t ms) const {
  if (Active() && ms >= *b_) return *a_;
  return std::nullopt;
}

std::optional<std::int64_t> PhraseLoop::OnEnd() const {
  if (Active()) return *a_;
  return std::nullopt;
}

void PhraseLoop::OnSeek(std::int64_t ms) {
  if (Active() && (ms < *a_ || ms >= *b_)) Clear();
}

std::int64_t PhraseLoop::MsUntilB(std::int64_t ms) const {
  if (!Active()) return -1;
  return std::max<std::int64_t>(0, *b_ - ms);
}

}  // namespace tess
