#include "exercises/MatchingPairs.h"

#include <algorithm>
#include <map>

#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr int kFirstRowTop = 176;  // row 1 stands one step below this
constexpr int kRowStep = 24;
constexpr int kColumnsSpan = 670;  // the two columns are centred on this width
constexpr int kRightLabelGap = 80;
constexpr int kConnectorGap = 10;
constexpr int kConnectorDrop = 9;
constexpr int kLeftFrameGap = 8;
constexpr int kRightFrameGap = 72;
constexpr int kFramePadding = 15;
constexpr int kPanelLeft = 700;  // the right-hand panel of the window starts here
// Longer quotes of the content are cut in messages, so a hostile line cannot flood them.
constexpr size_t kQuotedBytes = 40;

// Messages are cp1250, like every text the window shows.
std::string PairPrefix(int p) {
  return "\xC6wiczenie \xB3\xB9"
         "czenia w pary, para " +
         std::to_string(p) + ": ";
}

std::string Quoted(const std::string& text) {
  const std::string cut = text.size() > kQuotedBytes ? text.substr(0, kQuotedBytes) + "..." : text;
  return "\x84" + cut + "\x94";  // „...” in cp1250
}

}  // namespace

PairsContent ParsePairsContent(std::string_view content) {
  PairsContent result;
  auto fail = [&result](std::string message) {
    result.Pairs.clear();
    result.Error = std::move(message);
    return result;
  };
  std::map<std::string, int> leftSeen;  // left text -> its pair
  // Each pair is cut where it lies, without copying the rest, so long content costs linear
  // time.
  std::string_view text = content;
  while (!Trim(text).empty()) {
    const int p = static_cast<int>(result.Pairs.size()) + 1;
    if (p > MatchingPairs::kMaxPairs) {
      return fail(
          "\xC6wiczenie \xB3\xB9"
          "czenia w pary ma wi\xEA"
          "cej ni\xBF 14 par.");
    }
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) {
      return fail(
          "Tre\x9C\xE6 \xE6wiczenia \xB3\xB9"
          "czenia w pary nie ko\xF1"
          "czy si\xEA znakiem #.");
    }
    const std::string_view pair = text.substr(0, hash);
    text.remove_prefix(hash + 1);
    const size_t star = pair.find('*');
    if (star == std::string_view::npos) {
      return fail(PairPrefix(p) +
                  "brak znaku * mi\xEA"
                  "dzy lew\xB9 a praw\xB9 cz\xEA\x9C"
                  "ci\xB9.");
    }
    std::string left = Trim(pair.substr(0, star));
    std::string right = Trim(pair.substr(star + 1));
    if (left.empty()) return fail(PairPrefix(p) + "pusta lewa cz\xEA\x9C\xE6.");
    if (right.empty()) return fail(PairPrefix(p) + "pusta prawa cz\xEA\x9C\xE6.");
    const auto [seen, added] = leftSeen.emplace(left, p);
    if (!added) {
      // The check shows a wrong row's partner by its left text, which must name one pair.
      return fail(std::string("\xC6wiczenie \xB3\xB9"
                              "czenia w pary: pary ") +
                  std::to_string(seen->second) + " i " + std::to_string(p) +
                  " maj\xB9 t\xEA sam\xB9 lew\xB9 cz\xEA\x9C\xE6 " + Quoted(left) + ".");
    }
    result.Pairs.emplace_back(std::move(left), std::move(right));
  }
  if (static_cast<int>(result.Pairs.size()) < MatchingPairs::kMinPairs) {
    return fail(
        "\xC6wiczenie \xB3\xB9"
        "czenia w pary ma mniej ni\xBF 2 pary.");
  }
  return result;
}

void MatchingPairs::Clear() {
  asWritten_.clear();
  left_.clear();
  right_.clear();
  leftInRow_.clear();
  rightInRow_.clear();
  selectedLeft_ = 0;
  selectedRight_ = 0;
  chosenLast_ = PairColumn::Left;
  start_ = 0;
  leftWidth_ = 0;
  rightWidth_ = 0;
  okVisible_ = false;
  touched_ = false;
  checked_ = false;
  good_ = 0;
  bad_ = 0;
}

bool MatchingPairs::Load(std::string_view content, const TextMeasurer& measurer,
                         RandomSource& random) {
  Clear();
  PairsContent parsed = ParsePairsContent(content);
  loadError_ = std::move(parsed.Error);
  if (!loadError_.empty()) return false;

  const int count = static_cast<int>(parsed.Pairs.size());
  for (int p = 1; p <= count; ++p) {
    left_.push_back({parsed.Pairs[p - 1].first, p, 0, LabelColour::Black});
    right_.push_back({parsed.Pairs[p - 1].second, p, 0, LabelColour::Black});
  }
  // Each column on its own: as many swaps as pairs, each of two different positions.
  for (std::vector<PairLabel>* column : {&left_, &right_}) {
    for (int swaps = 0; swaps < count; ++swaps) {
      const int a = random.Between(1, count);
      int b = random.Between(1, count - 1);
      if (b >= a) ++b;
      std::swap((*column)[a - 1].Text, (*column)[b - 1].Text);
      std::swap((*column)[a - 1].Pair, (*column)[b - 1].Pair);
    }
  }
  for (int i = 1; i <= count; ++i) {
    left_[i - 1].Row = i;
    right_[i - 1].Row = i;
    leftInRow_.push_back(i);
    rightInRow_.push_back(i);
  }
  for (const PairLabel& label : left_) {
    leftWidth_ = std::max(leftWidth_, measurer.Width(label.Text, false, false));
  }
  for (const PairLabel& label : right_) {
    rightWidth_ = std::max(rightWidth_, measurer.Width(label.Text, false, false));
  }
  start_ = (kColumnsSpan - leftWidth_ - rightWidth_) / 2;
  // Wide texts would run under the right-hand panel: the columns move left as far as the
  // window allows, and content wider than that cannot be shown.
  const PairsBox lastFrame = FrameBox(PairColumn::Right, 1);
  if (lastFrame.X + lastFrame.Width > kPanelLeft) {
    start_ -= lastFrame.X + lastFrame.Width - kPanelLeft;
  }
  if (FrameBox(PairColumn::Left, 1).X < 0) {
    Clear();
    loadError_ =
        "\xC6wiczenie \xB3\xB9"
        "czenia w pary: teksty par s\xB9 za d\xB3ugie, by zmie\x9C"
        "ci\xB3y si\xEA w oknie.";
    return false;
  }
  asWritten_ = std::move(parsed.Pairs);
  okVisible_ = true;
  return true;
}

int MatchingPairs::LabelInRow(PairColumn column, int row) const {
  const std::vector<int>& inRow = column == PairColumn::Left ? leftInRow_ : rightInRow_;
  return inRow.at(row - 1);
}

int MatchingPairs::RowTop(int row) { return kFirstRowTop + kRowStep * row; }

PairsBox MatchingPairs::LabelBox(PairColumn column, int row) const {
  if (column == PairColumn::Left) return {start_, RowTop(row), leftWidth_, kFrameHeight};
  return {start_ + leftWidth_ + kRightLabelGap, RowTop(row), rightWidth_, kFrameHeight};
}

PairsBox MatchingPairs::FrameBox(PairColumn column, int row) const {
  if (column == PairColumn::Left) {
    return {start_ - kLeftFrameGap, RowTop(row), leftWidth_ + kFramePadding, kFrameHeight};
  }
  return {start_ + leftWidth_ + kRightFrameGap, RowTop(row), rightWidth_ + kFramePadding,
          kFrameHeight};
}

PairsBox MatchingPairs::ConnectorBox(int row) const {
  return {start_ + leftWidth_ + kConnectorGap, RowTop(row) + kConnectorDrop, kConnectorWidth, 1};
}

bool MatchingPairs::Choose(PairColumn column, int n) {
  if (checked_ || n < 1 || n > PairCount()) return false;
  std::vector<PairLabel>& labels = Labels(column);
  int& selected = column == PairColumn::Left ? selectedLeft_ : selectedRight_;
  if (selected != 0) labels[selected - 1].Colour = LabelColour::Black;
  selected = n;
  labels[n - 1].Colour = LabelColour::Red;
  chosenLast_ = column;
  return true;
}

bool MatchingPairs::Pair() {
  if (checked_ || selectedLeft_ == 0 || selectedRight_ == 0) return false;
  const PairColumn moving = chosenLast_;
  const PairColumn other = moving == PairColumn::Left ? PairColumn::Right : PairColumn::Left;
  std::vector<PairLabel>& labels = Labels(moving);
  std::vector<int>& inRow = InRow(moving);
  const int label = Selected(moving);
  const int targetRow = Label(other, Selected(other)).Row;
  const int oldRow = labels[label - 1].Row;
  bool moved = false;
  if (targetRow != oldRow) {
    const int displaced = inRow[targetRow - 1];
    labels[label - 1].Row = targetRow;
    labels[displaced - 1].Row = oldRow;
    inRow[targetRow - 1] = label;
    inRow[oldRow - 1] = displaced;
    touched_ = true;
    moved = true;
  }
  left_[selectedLeft_ - 1].Colour = LabelColour::Black;
  right_[selectedRight_ - 1].Colour = LabelColour::Black;
  selectedLeft_ = 0;
  selectedRight_ = 0;
  return moved;
}

bool MatchingPairs::RowRight(int row) const {
  const PairLabel& left = Label(PairColumn::Left, LabelInRow(PairColumn::Left, row));
  const PairLabel& right = Label(PairColumn::Right, LabelInRow(PairColumn::Right, row));
  // By text, not by pair number: two pairs may share a right-hand text, and either label
  // then completes the row as far as the learner can see.
  return RightAsWritten(right.Pair) == RightAsWritten(left.Pair);
}

void MatchingPairs::Check() {
  if (checked_) return;
  // A choice still pending is dropped, so no label keeps its red after the check.
  if (selectedLeft_ != 0) left_[selectedLeft_ - 1].Colour = LabelColour::Black;
  if (selectedRight_ != 0) right_[selectedRight_ - 1].Colour = LabelColour::Black;
  selectedLeft_ = 0;
  selectedRight_ = 0;
  touched_ = true;
  checked_ = true;
  okVisible_ = false;
  good_ = 0;
  for (int row = 1; row <= PairCount(); ++row) {
    if (RowRight(row)) ++good_;
  }
  bad_ = PairCount() - good_;
  if (bad_ == 0) return;  // all right: the labels keep their black text
  for (int row = 1; row <= PairCount(); ++row) {
    PairLabel& left = left_[LabelInRow(PairColumn::Left, row) - 1];
    PairLabel& right = right_[LabelInRow(PairColumn::Right, row) - 1];
    if (RowRight(row)) {
      left.Colour = right.Colour = LabelColour::Green;
    } else {
      right.Text = RightAsWritten(left.Pair);
      left.Colour = right.Colour = LabelColour::Red;
    }
  }
}

int MatchingPairs::Percent() const { return PercentOf(good_, bad_); }

}  // namespace tess
