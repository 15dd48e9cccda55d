#include "exercises/Columns.h"

#include <algorithm>
#include <optional>

#include "exercises/Shuffle.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

// Messages are cp1250, like every text the window shows.
std::string Prefix() { return "\xC6wiczenie z kolumnami: "; }

std::string NoFinalHashMessage() {
  return "Tre\x9C\xE6 \xE6wiczenia z kolumnami nie ko\xF1"
         "czy si\xEA znakiem #.";
}

std::string MissingMessage(std::string_view what) {
  return Prefix() + "brak " + std::string(what) + ".";
}

std::string NotANumberMessage(std::string_view what, std::string_view number) {
  return Prefix() + std::string(what) + " \"" + EchoOf(number) + "\" nie jest liczb\xB9.";
}

std::string OutOfRangeMessage(std::string_view what, int value, int highest) {
  return Prefix() + std::string(what) + " " + std::to_string(value) +
         " nie mie\x9C"
         "ci si\xEA w zakresie od 1 do " +
         std::to_string(highest) + ".";
}

std::string TooManyWordsMessage() {
  return "\xC6wiczenie z kolumnami ma wi\xEA"
         "cej ni\xBF 40 wyraz\xF3w.";
}

std::string WordPrefix(int k) { return Prefix() + "wyraz " + std::to_string(k) + ": "; }

std::string NoStarMessage(int k) { return WordPrefix(k) + "brak znaku * i numeru kolumny."; }

std::string NoWordMessage(int k) { return WordPrefix(k) + "brak wyrazu przed znakiem *."; }

std::string NotADigitMessage(int k, std::string_view digit) {
  return WordPrefix(k) + "numer kolumny \"" + EchoOf(digit) + "\" nie jest jedn\xB9 cyfr\xB9.";
}

std::string NoSuchColumnMessage(int k, int column, int columns) {
  return WordPrefix(k) + "numer kolumny " + std::to_string(column) +
         " nie mie\x9C"
         "ci si\xEA w zakresie od 1 do " +
         std::to_string(columns) + ".";
}

std::string ColumnOverfullMessage(int column, int words, int rows) {
  return Prefix() + "w kolumnie " + std::to_string(column) + " jest wi\xEA" + "cej wyraz\xF3w (" +
         std::to_string(words) + ") ni\xBF wierszy (" + std::to_string(rows) + ").";
}

ColumnsContent Rejected(std::string error) {
  ColumnsContent result;
  result.Error = std::move(error);
  return result;
}

// The next field ended by "#", cut off the front of `text`; nothing when no "#" is left.
std::optional<std::string_view> NextField(std::string_view& text) {
  const size_t hash = text.find('#');
  if (hash == std::string_view::npos) return std::nullopt;
  const std::string_view field = text.substr(0, hash);
  text.remove_prefix(hash + 1);
  return field;
}

// A field that is not there: nothing left at all, or text that never reaches its "#".
std::string AbsentFieldMessage(std::string_view rest, std::string_view what) {
  return Trim(rest).empty() ? MissingMessage(what) : NoFinalHashMessage();
}

}  // namespace

ColumnsContent ParseColumnsContent(std::string_view content) {
  ColumnsContent result;
  // Fields are cut where they lie, without copying the rest, so a long content costs linear
  // time.
  std::string_view text = content;
  struct Count {
    const char* missing;
    const char* name;
    int highest;
    int* value;
  };
  const Count counts[] = {
      {"liczby kolumn", "liczba kolumn", Columns::kMaxColumns, &result.Columns},
      {"liczby wierszy", "liczba wierszy", Columns::kMaxRows, &result.Rows},
  };
  for (const Count& count : counts) {
    const std::optional<std::string_view> field = NextField(text);
    if (!field) return Rejected(AbsentFieldMessage(text, count.missing));
    const std::string number = Trim(*field);
    const std::optional<int> value = ParseInt(number);
    if (!value) return Rejected(NotANumberMessage(count.name, number));
    if (*value < 1 || *value > count.highest) {
      return Rejected(OutOfRangeMessage(count.name, *value, count.highest));
    }
    *count.value = *value;
  }
  for (int i = 1; i <= result.Columns; ++i) {
    const std::optional<std::string_view> field = NextField(text);
    if (!field) {
      return Rejected(AbsentFieldMessage(text, "nag\xB3\xF3wka kolumny " + std::to_string(i)));
    }
    result.Headings.emplace_back(*field);
  }

  while (!Trim(text).empty()) {
    const int k = static_cast<int>(result.Items.size()) + 1;
    if (k > Columns::kMaxWords) return Rejected(TooManyWordsMessage());
    const std::optional<std::string_view> item = NextField(text);
    if (!item) return Rejected(NoFinalHashMessage());
    const size_t star = item->find('*');
    if (star == std::string_view::npos) return Rejected(NoStarMessage(k));
    ColumnsItem parsed;
    parsed.Word = Trim(item->substr(0, star));
    if (parsed.Word.empty()) return Rejected(NoWordMessage(k));
    const std::string digit = Trim(item->substr(star + 1));
    if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9') {
      return Rejected(NotADigitMessage(k, digit));
    }
    parsed.Column = digit[0] - '0';
    if (parsed.Column < 1 || parsed.Column > result.Columns) {
      return Rejected(NoSuchColumnMessage(k, parsed.Column, result.Columns));
    }
    result.Items.push_back(std::move(parsed));
  }
  // A column given more words than rows could never be filled right.
  for (int column = 1; column <= result.Columns; ++column) {
    const auto words =
        std::count_if(result.Items.begin(), result.Items.end(),
                      [column](const ColumnsItem& item) { return item.Column == column; });
    if (words > result.Rows) {
      return Rejected(ColumnOverfullMessage(column, static_cast<int>(words), result.Rows));
    }
  }
  return result;
}

bool Columns::Load(std::string_view content, RandomSource& random) {
  ColumnsContent parsed = ParseColumnsContent(content);
  loadError_ = std::move(parsed.Error);
  headings_ = std::move(parsed.Headings);
  items_ = std::move(parsed.Items);
  rows_ = parsed.Rows;
  const int count = WordCount();
  ShuffleBySwaps(random, count, 2 * count, [this](int a, int b) {
    std::swap(items_[static_cast<size_t>(a - 1)], items_[static_cast<size_t>(b - 1)]);
  });
  placed_.assign(static_cast<size_t>(count), 0);
  widths_.assign(static_cast<size_t>(count), 0);
  headingWidths_.assign(headings_.size(), 0);
  table_.Reset(ColumnCount(), rows_);
  atCheck_.Reset(ColumnCount(), rows_);
  hints_.assign(static_cast<size_t>(ColumnCount() * rows_), std::string());
  board_.Reset(count, kLift);
  board_.SetFollowArea(kFollowArea);
  touched_ = false;
  checked_ = false;
  good_ = 0;
  bad_ = 0;
  return loadError_.empty();
}

void Columns::Place(const TextMeasurer& measurer, int labelHeight, int tableLeft, int tableTop,
                    int poolTop) {
  labelHeight_ = labelHeight;
  // Measured as the labels show them, headings too, though they are drawn bold.
  int widest = 0;
  for (int i = 1; i <= ColumnCount(); ++i) {
    widest = std::max(widest, measurer.Width(Heading(i), false, false));
    headingWidths_[static_cast<size_t>(i - 1)] = measurer.Width(Heading(i), true, false);
  }
  for (int k = 1; k <= WordCount(); ++k) {
    const int width = measurer.Width(Word(k), false, false);
    widths_[static_cast<size_t>(k - 1)] = width;
    widest = std::max(widest, width);
  }
  width_ = widest + kWidthMargin;
  left_ = tableLeft == -1 ? (kCentringWidth - width_ * ColumnCount()) / 2 : tableLeft;
  top_ = tableTop == -1 ? kDefaultTop : tableTop;
  poolTop_ = poolTop == -1 ? kDefaultPoolTop : poolTop;

  int x = 0;
  int y = poolTop_;
  for (int k = 1; k <= WordCount(); ++k) {
    if (x + LabelWidth(k) > kPoolWidth) {
      x = 0;
      y += labelHeight_;
    }
    board_.SetHome(k, {kPoolLeft + x, y});
    x += LabelWidth(k) + kPoolGap;
  }
}

DropArea Columns::ColumnArea(int i) const {
  const int left = left_ + (i - 1) * width_ - kAreaReach;
  return {left, top_, left + width_, TableBottom()};
}

std::vector<TableFrame> Columns::Frames() const {
  std::vector<TableFrame> frames;
  if (ColumnCount() == 0) return frames;
  constexpr int kThick = 3;
  frames.push_back({left_, top_, TableRight(), TableBottom(), kThick});
  // Every cell after the first starts a pixel left (and every row a pixel up), so that
  // neighbours share one line.
  for (int i = 1; i <= ColumnCount(); ++i) {
    const int cellLeft = i == 1 ? left_ : left_ + (i - 1) * width_ - 1;
    const int cellRight = left_ + i * width_;
    frames.push_back({cellLeft, top_, cellRight, top_ + kRowHeight, kThick});
  }
  for (int i = 1; i <= ColumnCount(); ++i) {
    const int cellLeft = i == 1 ? left_ : left_ + (i - 1) * width_ - 1;
    const int cellRight = left_ + i * width_;
    for (int row = 1; row <= rows_; ++row) {
      frames.push_back(
          {cellLeft, top_ + kRowHeight * row - 1, cellRight, top_ + kRowHeight * (row + 1), 1});
    }
  }
  return frames;
}

std::vector<TableHeading> Columns::Headings() const {
  std::vector<TableHeading> headings;
  for (int i = 1; i <= ColumnCount(); ++i) {
    headings.push_back(
        {Heading(i),
         {left_ + (i - 1) * width_ + (width_ - headingWidths_[static_cast<size_t>(i - 1)]) / 2,
          top_ + kHeadingDrop}});
  }
  return headings;
}

Point Columns::Slot(int k, Cell cell) const {
  return {ColumnArea(cell.Column).Left + (width_ - LabelWidth(k)) / 2 + kWordShift,
          top_ + kRowHeight * cell.Row + (kRowHeight - labelHeight_) / 2};
}

size_t Columns::CellIndex(Cell cell) const {
  return static_cast<size_t>((cell.Column - 1) * rows_ + (cell.Row - 1));
}

const std::string& Columns::CellHint(Cell cell) const {
  static const std::string kNone;
  if (cell.Column < 1 || cell.Column > ColumnCount() || cell.Row < 1 || cell.Row > rows_) {
    return kNone;
  }
  return hints_[CellIndex(cell)];
}

bool Columns::PutInColumn(int k, int column) {
  const int row = table_.FirstFreeRow(column);
  if (row == 0) return false;
  table_.Put({column, row}, k);
  placed_[static_cast<size_t>(k - 1)] = column;
  board_.RestAt(k, Slot(k, {column, row}));
  return true;
}

DropOutcome Columns::Drop(int k, Point point) {
  if (checked_ || k < 1 || k > WordCount()) return {};
  // The word's own cell is free again before the drop is looked at, so a word dropped back
  // on its full column still finds a row.
  table_.Free(k);
  placed_[static_cast<size_t>(k - 1)] = 0;
  std::vector<DropArea> areas;
  for (int i = 1; i <= ColumnCount(); ++i) areas.push_back(ColumnArea(i));
  const int column = FirstAreaHit(areas, point);
  if (column != 0 && PutInColumn(k, column)) {
    return {true, column, table_.CellOf(k).Row};
  }
  board_.ReturnHome(k);
  return {};
}

void Columns::Check() {
  if (checked_) return;
  touched_ = true;
  checked_ = true;
  atCheck_ = table_;
  good_ = 0;
  for (int k = 1; k <= WordCount(); ++k) {
    const int placed = PlacedColumn(k);
    if (placed == 0) continue;
    if (placed != Column(k)) {
      const Cell cell = table_.Free(k);
      hints_[CellIndex(cell)] = Word(k);
      placed_[static_cast<size_t>(k - 1)] = 0;
      board_.ReturnHome(k);
    } else if (board_.Dragged()) {
      ++good_;
    }
  }
  bad_ = WordCount() - good_;
  if (good_ != WordCount()) {
    for (int k = 1; k <= WordCount(); ++k) {
      if (PlacedColumn(k) == Column(k)) continue;
      if (!PutInColumn(k, Column(k))) continue;
      const Cell cell = table_.CellOf(k);
      if (atCheck_.LabelAt(cell) == 0) hints_[CellIndex(cell)] = "-";
    }
  }
  board_.Freeze();
}

Point Columns::MarkCorner(Cell cell) const {
  return {ColumnArea(cell.Column).Left, top_ + kRowHeight * cell.Row};
}

std::vector<ColumnsMark> Columns::Marks() const {
  std::vector<ColumnsMark> marks;
  for (int column = 1; column <= ColumnCount(); ++column) {
    for (int row = 1; row <= rows_; ++row) {
      const std::string& hint = CellHint({column, row});
      if (!hint.empty()) marks.push_back({{column, row}, MarkCorner({column, row}), hint});
    }
  }
  return marks;
}

std::string Columns::HintAt(Point point) const {
  for (const ColumnsMark& mark : Marks()) {
    // The pointing box stands a pixel above the mark.
    const int top = mark.At.Y - 1;
    const DropArea box{mark.At.X, top, mark.At.X + kMarkSize - 1, top + kMarkSize - 1};
    if (box.Contains(point)) return mark.Hint;
  }
  return {};
}

int Columns::Percent() const { return PercentOf(good_, bad_); }

int Columns::VerdictText() const { return good_ == WordCount() ? 68 : 69; }

}  // namespace tess
