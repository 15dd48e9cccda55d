#include "exercises/Definitions.h"

#include <algorithm>

#include "exercises/Shuffle.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

// Messages are cp1250, like every text the window shows.
std::string NoFinalHashMessage() {
  return "Tre\x9C\xE6 \xE6wiczenia z definicjami nie ko\xF1"
         "czy si\xEA znakiem #.";
}

std::string NoPairsMessage() {
  return "\xC6wiczenie z definicjami nie ma \xBF"
         "adnej pary.";
}

std::string TooManyPairsMessage() {
  return "\xC6wiczenie z definicjami ma wi\xEA"
         "cej ni\xBF 12 par.";
}

std::string PairPrefix(int k) {
  return "\xC6wiczenie z definicjami, para " + std::to_string(k) + ": ";
}

std::string NoStarMessage(int k) {
  return PairPrefix(k) +
         "brak znaku * mi\xEA"
         "dzy s\xB3owem a definicj\xB9.";
}

std::string NoWordMessage(int k) { return PairPrefix(k) + "brak s\xB3owa przed znakiem *."; }

std::string NoDefinitionMessage(int k) { return PairPrefix(k) + "brak definicji po znaku *."; }

std::string PoolTooWideMessage() {
  return "\xC6wiczenie z definicjami: s\xB3owa nie mieszcz\xB9 si\xEA w czterech wierszach "
         "nad definicjami.";
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

DefinitionsContent Rejected(std::string error) {
  DefinitionsContent result;
  result.Error = std::move(error);
  return result;
}

}  // namespace

DefinitionsContent ParseDefinitionsContent(std::string_view content) {
  DefinitionsContent result;
  // Pairs are cut where they lie, without copying the rest, so a long content costs linear
  // time.
  std::string_view text = content;
  while (!IsBlank(text)) {
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) return Rejected(NoFinalHashMessage());
    const int k = static_cast<int>(result.Pairs.size()) + 1;
    if (k > Definitions::kMaxPairs) return Rejected(TooManyPairsMessage());
    const std::string_view pair = text.substr(0, hash);
    text.remove_prefix(hash + 1);

    const size_t star = pair.find('*');
    if (star == std::string_view::npos) return Rejected(NoStarMessage(k));
    DefinitionPair parsed;
    parsed.Word = Trim(pair.substr(0, star));
    if (parsed.Word.empty()) return Rejected(NoWordMessage(k));
    parsed.Definition = Trim(pair.substr(star + 1));
    if (parsed.Definition.empty()) return Rejected(NoDefinitionMessage(k));
    result.Pairs.push_back(std::move(parsed));
  }
  if (result.Pairs.empty()) return Rejected(NoPairsMessage());
  return result;
}

bool Definitions::Load(std::string_view content, RandomSource& random) {
  DefinitionsContent parsed = ParseDefinitionsContent(content);
  loadError_ = std::move(parsed.Error);
  pairs_ = std::move(parsed.Pairs);
  const int count = PairCount();
  words_.clear();
  pairOfLabel_.clear();
  for (int i = 1; i <= count; ++i) {
    words_.push_back(pairs_[static_cast<size_t>(i - 1)].Word);
    pairOfLabel_.push_back(i);
  }
  ShuffleBySwaps(random, count, count, [this](int a, int b) {
    std::swap(words_[static_cast<size_t>(a - 1)], words_[static_cast<size_t>(b - 1)]);
    std::swap(pairOfLabel_[static_cast<size_t>(a - 1)], pairOfLabel_[static_cast<size_t>(b - 1)]);
  });
  widths_.assign(static_cast<size_t>(count), 0);
  rows_.assign(static_cast<size_t>(count), Row{});
  definitionWords_.clear();
  marks_.clear();
  boxes_.Reset(1, count);
  board_.Reset(count);
  board_.SetFollowArea(kFollowArea);
  frame_ = {};
  labelHeight_ = 0;
  wordWidth_ = 0;
  touched_ = false;
  checked_ = false;
  good_ = 0;
  bad_ = 0;
  return loadError_.empty();
}

void Definitions::Refuse(std::string error) {
  loadError_ = std::move(error);
  pairs_.clear();
  words_.clear();
  pairOfLabel_.clear();
  widths_.clear();
  rows_.clear();
  boxes_.Reset(1, 0);
  board_.Reset(0);
  board_.SetFollowArea(kFollowArea);
}

bool Definitions::Place(const TextMeasurer& words, int labelHeight, const TextMeasurer& definitions,
                        int top) {
  labelHeight_ = labelHeight;
  const int poolTop = top == -1 ? kDefaultTop : top;

  // The pool: labels side by side, a new row 20 pixels lower for one that would reach past
  // the wrap.
  std::vector<Point> homes;
  int x = kPoolLeft;
  int y = poolTop;
  for (int k = 1; k <= PairCount(); ++k) {
    const int width = words.Width(Word(k), true, false);
    widths_[static_cast<size_t>(k - 1)] = width;
    if (width + x > kPoolWrap) {
      x = kPoolLeft;
      y += kPoolRowStep;
    }
    homes.push_back({x, y});
    x += width + kPoolGap;
  }
  // A fifth row would lie over the definitions and their boxes.
  if (y > poolTop + (kMaxPoolRows - 1) * kPoolRowStep) {
    Refuse(PoolTooWideMessage());
    homes.clear();
  }
  wordWidth_ = 0;
  for (int k = 1; k <= PairCount(); ++k) {
    wordWidth_ = std::max(wordWidth_, LabelWidth(k));
    board_.SetHome(k, homes[static_cast<size_t>(k - 1)]);
  }

  frame_.Left = wordWidth_ + kFrameMargin;
  frame_.Top = poolTop + kFrameDrop;
  frame_.Width = kFrameSpan - wordWidth_;
  LayOutDefinitions(definitions);
  return loadError_.empty();
}

void Definitions::LayOutDefinitions(const TextMeasurer& measurer) {
  definitionWords_.clear();
  int y = 0;
  for (int i = 1; i <= PairCount(); ++i) {
    Row& row = rows_[static_cast<size_t>(i - 1)];
    const int boxTop = frame_.Top + y + kTextDrop;
    int extra = 0;
    int x = 0;
    // Words as NextWord cuts them: a run of blanks gives empty words, drawn as their blank.
    std::string_view text = Definition(i);
    while (!text.empty()) {
      const size_t blank = text.find(' ');
      const std::string_view word = text.substr(0, blank);
      text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
      if (x + measurer.Width(word, false, false) > frame_.Width) {
        y += kLineHeight;
        extra += kLineHeight;
        x = 0;
      }
      std::string drawn(word);
      drawn += ' ';
      const int width = measurer.Width(drawn, false, false);
      definitionWords_.push_back({x, y + kTextDrop, std::move(drawn), {}});
      x += width;
    }
    y += kRowStep;
    row.Box = {kBoxLeft, boxTop, wordWidth_ + kBoxMargin, extra + kLineHeight};
    row.Dash = {wordWidth_ + kDashLeft, boxTop + (row.Box.Height - 1) / 2};
  }
  frame_.Height = y;
}

Point Definitions::CentredInBox(int label, int box) const {
  const DefinitionBox& area = Box(box);
  return {CentredIn(area.Left, area.Width, LabelWidth(label)),
          CentredIn(area.Top, area.Height, labelHeight_)};
}

DropOutcome Definitions::Drop(int label, Point point) {
  if (checked_ || !board_.IsLabel(label)) return {};
  std::vector<DropArea> areas;
  areas.reserve(rows_.size());
  for (const Row& row : rows_) areas.push_back(row.Box.Area());
  const int box = FirstAreaHit(areas, point, [this, label](int n) {
    const int lying = LabelInBox(n);
    return lying == 0 || lying == label;
  });
  boxes_.Free(label);
  if (box == 0) {
    board_.ReturnHome(label);
    return {};
  }
  boxes_.Put({1, box}, label);
  board_.RestAt(label, CentredInBox(label, box));
  return {true, box, 0};
}

std::string Definitions::AnswerText(int box) const {
  const int label = LabelInBox(box);
  return label == 0 ? std::string("-") : Word(label);
}

void Definitions::Check() {
  if (checked_) return;
  touched_ = true;
  checked_ = true;
  good_ = 0;
  marks_.clear();
  const int count = PairCount();
  std::vector<bool> right(static_cast<size_t>(count) + 1, false);
  for (int k = 1; k <= count; ++k) {
    if (BoxOfLabel(k) == PairOfLabel(k)) {
      ++good_;
      right[static_cast<size_t>(PairOfLabel(k))] = true;
    }
  }
  for (int box = 1; box <= count; ++box) {
    if (right[static_cast<size_t>(box)]) continue;
    const DefinitionBox& area = Box(box);
    marks_.push_back(
        {box,
         {area.Left + area.Width - kMarkInset, area.Top + (area.Height - kMarkSize) / 2},
         AnswerText(box)});
  }
  bad_ = count - good_;
  // The learner's boxes stay as answered; only the labels show the solution.
  for (int k = 1; k <= count; ++k) board_.RestAt(k, CentredInBox(k, PairOfLabel(k)));
  board_.Freeze();
}

int Definitions::Percent() const { return PercentOf(good_, bad_); }

int Definitions::VerdictText() const { return good_ == PairCount() ? 70 : 71; }

}  // namespace tess
