#include "drills/ConversationScroll.h"

namespace tess {

void ConversationScroll::Relayout(const ConversationPicture& picture, int areaHeight) {
  lines_.clear();
  for (const LaidPhrase& phrase : picture.Phrases) lines_.push_back(phrase.Lines);
  topLine_ = 0;
  maxTopLine_ = picture.MaxTopLine(areaHeight);
  upShown_ = false;
  downShown_ = maxTopLine_ > 0;
}

void ConversationScroll::GrowAfterAnswer(const ConversationPicture& picture, int areaHeight) {
  const int bottom = AreaY(picture.Bottom);
  if (bottom <= areaHeight) return;
  maxTopLine_ = (bottom - areaHeight) / LayoutSettings::kLineStep + topLine_ + 1;
  downShown_ = true;
}

bool ConversationScroll::Up() {
  if (topLine_ <= 0) return false;
  --topLine_;
  upShown_ = topLine_ > 0;
  downShown_ = true;
  return true;
}

bool ConversationScroll::Down() {
  if (topLine_ >= maxTopLine_) return false;
  ++topLine_;
  downShown_ = topLine_ < maxTopLine_;
  upShown_ = true;
  return true;
}

bool ConversationScroll::EnsureVisible(int k) {
  if (maxTopLine_ == 0 || k < 1 || k > static_cast<int>(lines_.size())) return false;
  int before = 0;
  for (int i = 1; i < k; ++i) before += lines_[static_cast<size_t>(i - 1)];
  const int lines = lines_[static_cast<size_t>(k - 1)];
  const int old = topLine_;
  if (before + lines - topLine_ > LayoutSettings::kVisibleLines) {
    topLine_ = before + lines - LayoutSettings::kVisibleLines;
  } else if (before < topLine_) {
    topLine_ = before;
  }
  downShown_ = topLine_ < maxTopLine_;
  upShown_ = topLine_ > 0;
  return topLine_ != old;
}

}  // namespace tess
