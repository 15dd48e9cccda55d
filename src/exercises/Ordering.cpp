#include "exercises/Ordering.h"

#include <algorithm>

#include "exercises/Shuffle.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

// Messages are cp1250, like every text the window shows.
std::string NoFinalHashMessage() {
  return "Tre\x9C\xE6 \xE6wiczenia porz\xB9"
         "dkowania nie ko\xF1"
         "czy si\xEA znakiem #.";
}

std::string NoItemsMessage() {
  return "\xC6wiczenie porz\xB9"
         "dkowania nie ma \xBF"
         "adnego elementu.";
}

std::string TooManyItemsMessage() {
  return "\xC6wiczenie porz\xB9"
         "dkowania ma wi\xEA"
         "cej ni\xBF 14 element\xF3w.";
}

std::string ItemPrefix(int k) {
  return "\xC6wiczenie porz\xB9"
         "dkowania, element " +
         std::to_string(k) + ": ";
}

std::string NoStarMessage(int k) { return ItemPrefix(k) + "brak znaku * i numeru wiersza."; }

std::string NoTextMessage(int k) { return ItemPrefix(k) + "brak tekstu przed znakiem *."; }

std::string NotANumberMessage(int k, std::string_view number) {
  return ItemPrefix(k) + "numer wiersza \"" + EchoOf(number) + "\" nie jest liczb\xB9.";
}

std::string RowOutOfRangeMessage(int k, int row, int count) {
  return ItemPrefix(k) + "numer wiersza " + std::to_string(row) +
         " nie mie\x9C"
         "ci si\xEA w zakresie od 1 do " +
         std::to_string(count) + ".";
}

std::string SameRowMessage(int first, int second, int row) {
  return "\xC6wiczenie porz\xB9"
         "dkowania: elementy " +
         std::to_string(first) + " i " + std::to_string(second) +
         " maj\xB9 ten sam numer wiersza " + std::to_string(row) + ".";
}

OrderingContent Rejected(std::string error) {
  OrderingContent result;
  result.Error = std::move(error);
  return result;
}

}  // namespace

OrderingContent ParseOrderingContent(std::string_view content) {
  OrderingContent result;
  // Items are cut where they lie, without copying the rest, so a long content costs linear
  // time.
  std::string_view text = content;
  while (!Trim(text).empty()) {
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) return Rejected(NoFinalHashMessage());
    const int k = static_cast<int>(result.Items.size()) + 1;
    if (k > Ordering::kMaxItems) return Rejected(TooManyItemsMessage());
    const std::string_view item = text.substr(0, hash);
    text.remove_prefix(hash + 1);

    const size_t star = item.find('*');
    if (star == std::string_view::npos) return Rejected(NoStarMessage(k));
    OrderingItem parsed;
    parsed.Text = Trim(item.substr(0, star));
    if (parsed.Text.empty()) return Rejected(NoTextMessage(k));
    const std::string number = Trim(item.substr(star + 1));
    const std::optional<int> row = ParseInt(number);
    if (!row) return Rejected(NotANumberMessage(k, number));
    parsed.TargetRow = *row;
    result.Items.push_back(std::move(parsed));
  }
  const int count = static_cast<int>(result.Items.size());
  if (count == 0) return Rejected(NoItemsMessage());
  // Every row 1..N once, so the column holds every item and the check can be passed.
  std::vector<int> itemOfRow(static_cast<size_t>(count) + 1, 0);
  for (int k = 1; k <= count; ++k) {
    const int row = result.Items[static_cast<size_t>(k - 1)].TargetRow;
    if (row < 1 || row > count) return Rejected(RowOutOfRangeMessage(k, row, count));
    int& first = itemOfRow[static_cast<size_t>(row)];
    if (first != 0) return Rejected(SameRowMessage(first, k, row));
    first = k;
  }
  return result;
}

bool Ordering::Load(std::string_view content, RandomSource& random) {
  OrderingContent parsed = ParseOrderingContent(content);
  loadError_ = std::move(parsed.Error);
  items_ = std::move(parsed.Items);
  const int count = ItemCount();
  ShuffleBySwaps(random, count, 2 * count, [this](int a, int b) {
    std::swap(items_[static_cast<size_t>(a - 1)], items_[static_cast<size_t>(b - 1)]);
  });
  currentRow_.assign(static_cast<size_t>(count), 0);
  itemInRow_.assign(static_cast<size_t>(count), 0);
  widths_.assign(static_cast<size_t>(count), 0);
  marks_.clear();
  board_.Reset(count);
  board_.SetFollowArea(kFollowArea);
  touched_ = false;
  checked_ = false;
  good_ = 0;
  bad_ = 0;
  return loadError_.empty();
}

void Ordering::Place(const TextMeasurer& measurer, int labelHeight, int left, int top) {
  labelHeight_ = labelHeight;
  int widest = 0;
  for (int k = 1; k <= ItemCount(); ++k) {
    const int width = measurer.Width(Text(k), false, false);
    widths_[static_cast<size_t>(k - 1)] = width;
    widest = std::max(widest, width);
  }
  width_ = widest + kWidthMargin;
  left_ = left == -1 ? (kCentringWidth - width_) / 2 : left;
  top_ = top == -1 ? kDefaultTop : top;
  for (int k = 1; k <= ItemCount(); ++k) StandIn(k, k);
}

Point Ordering::Slot(int k, int row) const {
  return {CentredIn(left_, width_, LabelWidth(k)), top_ + kRowHeight * row - kLabelDrop};
}

void Ordering::StandIn(int k, int row) {
  currentRow_[static_cast<size_t>(k - 1)] = row;
  itemInRow_[static_cast<size_t>(row - 1)] = k;
  board_.SetHome(k, Slot(k, row));
}

DropArea Ordering::ColumnArea() const {
  return DropArea::Inside(left_ + 1, top_ + 1, left_ + width_ - 1,
                          top_ + kRowHeight * ItemCount() - 1);
}

std::vector<ColumnLine> Ordering::ColumnLines() const {
  // The outline is the rectangle from (left, top) to (left + width, top + 25 x N + 1) with its
  // far edges left out, as a frame drawn by corners is.
  std::vector<ColumnLine> lines;
  const int right = left_ + width_ - 1;
  const int bottom = top_ + kRowHeight * ItemCount();
  lines.push_back({left_, top_, right, top_});
  lines.push_back({right, top_, right, bottom});
  lines.push_back({right, bottom, left_, bottom});
  lines.push_back({left_, bottom, left_, top_});
  for (int d = 1; d < ItemCount(); ++d) {
    lines.push_back({left_, top_ + kRowHeight * d, right, top_ + kRowHeight * d});
  }
  return lines;
}

DropOutcome Ordering::Drop(int k, Point point) {
  if (checked_ || k < 1 || k > ItemCount()) return {};
  if (!ColumnArea().Contains(point)) {
    board_.ReturnHome(k);
    return {};
  }
  const int r = (point.Y - top_) / kRowHeight + 1;
  const int d = CurrentRow(k);
  if (d < r) {
    for (int row = d + 1; row <= r; ++row) StandIn(ItemInRow(row), row - 1);
  } else if (d > r) {
    for (int row = d - 1; row >= r; --row) StandIn(ItemInRow(row), row + 1);
  }
  StandIn(k, r);
  return {true, 1, r};
}

void Ordering::Check() {
  if (checked_) return;
  touched_ = true;
  checked_ = true;
  good_ = 0;
  marks_.clear();
  for (int k = 1; k <= ItemCount(); ++k) {
    if (CurrentRow(k) == TargetRow(k)) {
      ++good_;
      continue;
    }
    marks_.push_back({CurrentRow(k), {left_ - kMarkWidth, board_.Home(k).Y}, Text(k)});
  }
  bad_ = ItemCount() - good_;
  // The learner's rows stay as answered; only the labels show the solution.
  for (int k = 1; k <= ItemCount(); ++k) board_.RestAt(k, Slot(k, TargetRow(k)));
  board_.Freeze();
}

int Ordering::Percent() const { return PercentOf(good_, bad_); }

int Ordering::VerdictText() const { return good_ == ItemCount() ? 72 : 73; }

}  // namespace tess
