#include "exercises/Typing.h"

#include <algorithm>

#include "exercises/Scoring.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr int kRightMargin = 15;  // a word that would come this close to the edge wraps
constexpr int kRaise = 4;         // ">>" lifts the next word this far
constexpr int kMarkLeft = 4;      // the mark stands this far left of its gap
constexpr int kPlaceholderRoom = 5;
constexpr int kBandBottom = 10;  // a gap this close to the box bottom counts as out of view
constexpr int kGoneAway = -50;   // a right gap's hit box after the check
constexpr size_t kMostUnderscores = 2000;

bool IsMark(std::string_view word) {
  return word == "." || word == "," || word == ";" || word == "!" || word == "?";
}

// "_" repeated until the row is at least `width` wide (one at the least). The count is
// estimated first and then corrected, so a wide gap does not cost a measuring per character.
std::string Underscores(const TextMeasurer& measurer, int width) {
  const int one = measurer.Width("_", false, false);
  size_t count = 1;
  if (one > 0 && width > one) count = static_cast<size_t>((width + one - 1) / one);
  std::string row(std::min(count, kMostUnderscores), '_');
  while (row.size() < kMostUnderscores && measurer.Width(row, false, false) < width) row += '_';
  while (row.size() > 1 &&
         measurer.Width(std::string_view(row).substr(0, row.size() - 1), false, false) >= width) {
    row.pop_back();
  }
  return row;
}

}  // namespace

bool Typing::Load(GapText text) {
  loadError_ = std::move(text.Error);
  words_ = std::move(text.Words);
  gaps_ = std::move(text.Gaps);
  if (!loadError_.empty()) {
    words_.clear();
    gaps_.clear();
  }
  gapState_.assign(gaps_.size(), GapState());
  glossary_ = std::move(text.Glossary);
  gapWidth_ = text.GapWidthPx;
  underscore_ = text.UnderscoreMode;
  items_.clear();
  marks_.clear();
  underscores_.clear();
  entryGap_ = 0;
  entryText_.clear();
  scroll_ = 0;
  scrollMax_ = 0;
  needsMeasure_ = true;
  upVisible_ = false;
  downVisible_ = false;
  checkVisible_ = loadError_.empty();
  touched_ = false;
  checked_ = false;
  good_ = 0;
  bad_ = 0;
  return loadError_.empty();
}

bool Typing::GlossaryShown() const { return !Trim(glossary_).empty(); }

void Typing::Attach(const TextMeasurer& measurer, int boxWidth, int boxHeight) {
  measurer_ = &measurer;
  boxWidth_ = boxWidth;
  boxHeight_ = boxHeight;
}

std::string Typing::Placeholder(int k) const {
  return underscore_ ? underscores_
                     : words_.at(static_cast<size_t>(gaps_.at(k - 1).Word - 1)).Prefill;
}

const std::vector<TypingDrawItem>& Typing::Paint() {
  items_.clear();
  marks_.clear();
  if (!measurer_) return items_;
  const TextMeasurer& measurer = *measurer_;
  if (underscore_) underscores_ = Underscores(measurer, gapWidth_ - kPlaceholderRoom);
  const int blank[2] = {measurer.Width(" ", false, false), measurer.Width(" ", true, false)};
  int x = 0;
  int y = kLineStep - kLineStep * scroll_;
  bool raised = false;
  bool bold = false;
  const size_t count = words_.size();
  // A gap holds what the learner typed: it is drawn as a gap whatever it says, never read as
  // one of the special words.
  const auto special = [this, count](size_t i) {
    return i < count && !words_[i].IsGap ? Trim(words_[i].Text) : std::string();
  };
  std::string next = special(0);
  for (size_t i = 0; i < count; ++i) {
    const GapTextWord& word = words_[i];
    const std::string trimmed = std::move(next);
    next = special(i + 1);
    const int blankWidth = blank[bold ? 1 : 0];
    if (trimmed == "$%^") {
      x -= blankWidth;
      continue;
    }
    const bool beforeMark = i + 1 < count && IsMark(next);
    const std::string_view separator = beforeMark ? "" : " ";
    const int separatorWidth = beforeMark ? 0 : blankWidth;
    const bool placeholder = word.IsGap && Trim(word.Text).empty();
    const std::string& drawn =
        placeholder ? (underscore_ ? underscores_ : word.Prefill) : word.Text;
    const int advance =
        separatorWidth + (placeholder ? gapWidth_ : measurer.Width(word.Text, bold, false));
    if (trimmed == ">>") {
      y -= kRaise;
      x -= blankWidth;
      raised = true;
      continue;
    }
    const std::string tag = UpperAZ(trimmed);
    if (tag == "<BR>") {
      x = 0;
      y += kLineStep;
    } else if (tag == "<B>") {
      bold = true;
    } else if (tag == "</B>") {
      bold = false;
    } else {
      if (x + advance + kRightMargin >= boxWidth_ && !IsMark(trimmed)) {
        x = 0;
        y += kLineStep;
      }
      if (word.IsGap) {
        GapState& gap = gapState_[static_cast<size_t>(word.Gap - 1)];
        gap.Box = {x, y, advance, kLineStep};
        if (checked_ && gap.Right) {
          gap.Box.Left = kGoneAway;
          gap.Box.Top = kGoneAway;
        } else if (checked_) {
          items_.push_back({TypingDrawItem::Kind::Exclamation, x - kMarkLeft, y, {}, false, false});
          marks_.push_back({word.Gap,
                            {x, y, kMarkWidth, kMarkHeight},
                            Trim(gap.WrongEntry).empty() ? "-" : gap.WrongEntry,
                            gap.Why});
          x += kMarkWidth;
        }
      }
      std::string text;
      text.reserve(drawn.size() + separator.size());
      text.append(drawn).append(separator);
      items_.push_back({TypingDrawItem::Kind::Word, x, y, std::move(text), bold, word.IsGap});
      x += advance;
    }
    // A full stop followed by a word that starts with one ("..." pieces) joins it.
    if (trimmed == "." && i + 1 < count && !words_[i + 1].IsGap && words_[i + 1].Text.size() > 1 &&
        words_[i + 1].Text[0] == '.') {
      x -= blankWidth;
    }
    if (raised) {
      raised = false;
      y += kRaise;
    }
  }
  if (needsMeasure_) {
    if (boxHeight_ < y) {
      scrollMax_ = (y - boxHeight_) / kLineStep + 1;
      downVisible_ = true;
    } else {
      downVisible_ = false;
    }
    needsMeasure_ = false;
  }
  return items_;
}

TypingBox Typing::EntryBox() const {
  if (entryGap_ == 0) return {};
  const TypingBox& gap = GapBox(entryGap_);
  return {gap.Left, gap.Top, gapWidth_, kEntryHeight};
}

void Typing::SetEntryText(std::string text) {
  entryText_ = std::move(text);
  touched_ = true;
}

void Typing::StoreEntry(std::string text) {
  if (entryGap_ != 0) EntryOf(entryGap_) = std::move(text);
}

bool Typing::OpenGap(int k) {
  if (checked_ || k < 1 || k > GapCount()) return false;
  Paint();
  const TypingBox& box = GapBox(k);
  if (box.Top < 0 || box.Top > boxHeight_ - kBandBottom) {
    CloseEntry();
    return false;
  }
  if (entryGap_ != 0) StoreEntry(Trim(entryText_));
  entryText_ = std::move(EntryOf(k));
  EntryOf(k).clear();
  entryGap_ = k;
  touched_ = true;  // filling the entry box is a change of its text
  Paint();
  return true;
}

bool Typing::NextGap() {
  if (checked_ || entryGap_ == 0) return false;
  OpenGap(entryGap_ % GapCount() + 1);
  return true;
}

void Typing::Click(int x, int y) {
  if (checked_) return;
  for (int k = 1; k <= GapCount(); ++k) {
    if (GapBox(k).Contains(x, y)) {
      OpenGap(k);
      return;
    }
  }
  CloseEntry();
}

void Typing::CloseEntry() {
  StoreEntry(Trim(entryText_));
  entryGap_ = 0;
  entryText_.clear();
  Paint();
}

const TypingMark* Typing::MarkHit(int x, int y) const {
  for (const TypingMark& mark : marks_) {
    if (mark.Box.Contains(x, y)) return &mark;
  }
  return nullptr;
}

bool Typing::PointerOverGap(int x, int y) const {
  if (checked_) return MarkHit(x, y) != nullptr;
  for (const GapState& gap : gapState_) {
    if (gap.Box.Contains(x, y)) return true;
  }
  return false;
}

const TypingMark* Typing::MarkAt(int x, int y) const { return checked_ ? MarkHit(x, y) : nullptr; }

void Typing::Check(bool caseSensitive, int courseLanguage) {
  if (checked_) return;
  touched_ = true;
  checkVisible_ = false;
  if (entryGap_ != 0) {
    StoreEntry(entryText_);
    entryGap_ = 0;
    entryText_.clear();
  }
  checked_ = true;
  good_ = 0;
  for (int k = 1; k <= GapCount(); ++k) {
    std::string& entry = EntryOf(k);
    const std::string& alternative = Alternative(k);
    const bool right =
        AnswersEqual(entry, Expected(k), caseSensitive) ||
        (!Trim(alternative).empty() && AnswersEqual(entry, alternative, caseSensitive));
    GapState& gap = gapState_[static_cast<size_t>(k - 1)];
    if (right) {
      gap.Right = true;
      ++good_;
    } else {
      std::vector<std::string> answers{Expected(k)};
      if (!Trim(alternative).empty()) answers.push_back(alternative);
      gap.Why = ClassifyMistake(entry, answers, {caseSensitive, true, courseLanguage});
      gap.WrongEntry = std::move(entry);
      entry.clear();
    }
  }
  bad_ = GapCount() - good_;
  if (good_ != GapCount()) {
    // The text shows every expected answer; an entry that is the alternative as written stays.
    // A gap without an alternative does not keep its cleared entry as "the alternative".
    for (int k = 1; k <= GapCount(); ++k) {
      std::string& entry = EntryOf(k);
      const std::string& alternative = Alternative(k);
      const bool isAlternative = !Trim(alternative).empty() && entry == alternative;
      if (!isAlternative && entry != Expected(k)) entry = Expected(k);
    }
  }
  Paint();
}

int Typing::Percent() const { return PercentOf(good_, bad_); }

int Typing::VerdictText() const { return good_ == GapCount() ? 66 : 67; }

void Typing::ScrollUp() {
  if (entryGap_ != 0) CloseEntry();
  if (scroll_ > 0) --scroll_;
  upVisible_ = scroll_ > 0;
  downVisible_ = true;
  Paint();
}

void Typing::ScrollDown() {
  if (entryGap_ != 0) CloseEntry();
  if (scroll_ < scrollMax_) ++scroll_;
  if (scroll_ >= scrollMax_) downVisible_ = false;
  upVisible_ = true;
  Paint();
}

}  // namespace tess
