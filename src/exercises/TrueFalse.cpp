#include "exercises/TrueFalse.h"

#include <algorithm>

#include "exercises/Shuffle.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr int kHeadingCount = 6;
constexpr int kMinStatements = 2;
constexpr int kHeadingY = 4;
constexpr int kRuleY = 20;  // the line under the headings
constexpr int kFirstRowY = 26;
constexpr int kTextGap = 5;        // between the box columns and the statements
constexpr int kWrapStep = 17;      // a wrapped line of one statement
constexpr int kRowStep = 24;       // after a statement's last line
constexpr int kBoxRaise = 5;       // boxes sit a little above the middle of their row
constexpr int kRuleOverhang = 10;  // the column divider reaches below the last row

// "Верно" and "Неверно" in cp1251.
constexpr const char* kRussianTrue = "\xC2\xE5\xF0\xED\xEE";
constexpr const char* kRussianFalse = "\xCD\xE5\xE2\xE5\xF0\xED\xEE";

// Messages are cp1250, like every text the window shows.
std::string NoFinalHashMessage() {
  return "Tre\x9C\xE6 \xE6wiczenia prawda-fa\xB3sz nie ko\xF1"
         "czy si\xEA znakiem #.";
}

std::string MissingHeadingsMessage() {
  return "\xC6wiczenie prawda-fa\xB3sz nie ma sze\x9C"
         "ciu nag\xB3\xF3wk\xF3w kolumn.";
}

std::string TooFewStatementsMessage() {
  return "\xC6wiczenie prawda-fa\xB3sz ma mniej ni\xBF 2 zdania.";
}

std::string TooManyStatementsMessage() {
  return "\xC6wiczenie prawda-fa\xB3sz ma wi\xEA"
         "cej ni\xBF 18 zda\xF1.";
}

// Nothing but characters with codes 0 to 32; looks no further than the first other one.
bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

bool Inside(int x, int y, int left, int top) {
  return left <= x && x < left + TrueFalse::kBoxSize && top <= y && y < top + TrueFalse::kBoxSize;
}

}  // namespace

StatementContent ParseStatementContent(std::string_view content) {
  StatementContent result;
  // Text after the last "#" that is not blank is a statement without its end.
  const size_t lastHash = content.rfind('#');
  if (lastHash == std::string_view::npos || !Trim(content.substr(lastHash + 1)).empty()) {
    result.Error = NoFinalHashMessage();
    return result;
  }
  // Fields are cut where they lie, without copying the rest, so a long content costs linear
  // time.
  std::string_view text = content;
  for (std::string& heading : result.Headings) {
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) {
      result.Error = MissingHeadingsMessage();
      return result;
    }
    heading = std::string(text.substr(0, hash));
    text.remove_prefix(hash + 1);
  }
  while (!IsBlank(text)) {
    if (static_cast<int>(result.Rows.size()) == TrueFalse::kMaxStatements) {
      result.Error = TooManyStatementsMessage();
      result.Rows.clear();
      return result;
    }
    const size_t hash = text.find('#');  // found: the content ends with "#"
    StatementRow row;
    std::string_view statement = text.substr(0, hash);
    if (statement.starts_with("T_")) {
      statement.remove_prefix(2);
      row.IsTrue = true;
    }
    row.Statement = Trim(statement);
    result.Rows.push_back(std::move(row));
    text.remove_prefix(hash + 1);
  }
  if (static_cast<int>(result.Rows.size()) < kMinStatements) {
    result.Error = TooFewStatementsMessage();
    result.Rows.clear();
  }
  return result;
}

bool TrueFalse::Load(std::string_view content, int interfaceLanguage, RandomSource& random) {
  StatementContent parsed = ParseStatementContent(content);
  loadError_ = std::move(parsed.Error);
  rows_ = std::move(parsed.Rows);
  if (loadError_.empty() && interfaceLanguage >= 0 && interfaceLanguage < kHeadingCount / 2) {
    trueHeading_ = parsed.Headings[interfaceLanguage];
    falseHeading_ = parsed.Headings[interfaceLanguage + 3];
  } else if (loadError_.empty() && interfaceLanguage == kRussian) {
    trueHeading_ = kRussianTrue;
    falseHeading_ = kRussianFalse;
  }
  const int count = StatementCount();
  ShuffleBySwaps(random, count, count, [this](int a, int b) {
    std::swap(rows_[a - 1].Statement, rows_[b - 1].Statement);
    std::swap(rows_[a - 1].IsTrue, rows_[b - 1].IsTrue);
  });
  touched_ = false;
  checked_ = false;
  okVisible_ = true;
  good_ = 0;
  bad_ = 0;
  placed_ = false;
  return loadError_.empty();
}

std::vector<StatementDrawItem> TrueFalse::Paint(const TextMeasurer& measurer,
                                                const TextMeasurer& headings, int boxWidth) {
  std::vector<StatementDrawItem> items;
  const int w1 = headings.Width(trueHeading_, true, false);
  const int w2 = headings.Width(falseHeading_, true, false);
  const int columnsWidth = std::max(2 * std::max(w1, w2) + 10, kMinColumnsWidth);
  const int half = columnsWidth / 2;
  items.push_back(
      {StatementDrawItem::Kind::Line, 0, kRuleY, {}, false, false, columnsWidth, kRuleY});
  items.push_back(
      {StatementDrawItem::Kind::Word, (half - w1) / 2 + 1, kHeadingY, trueHeading_, true, true});
  items.push_back({StatementDrawItem::Kind::Word, half + (half - w2) / 2 + 1, kHeadingY,
                   falseHeading_, true, true});

  const int textLeft = columnsWidth + kTextGap;
  int y = kFirstRowY;
  for (StatementRow& row : rows_) {
    const int rowTop = y;
    int x = textLeft;
    // Words are taken off a view, not a copy, so a long statement lays out in linear time.
    std::string_view text = row.Statement;
    while (!text.empty()) {
      const std::string word = NextWord(text);
      text.remove_prefix(std::min(word.size() + 1, text.size()));
      const std::string drawn = word + " ";
      const int width = measurer.Width(drawn, false, false);
      if (x + width > boxWidth) {
        x = textLeft;
        y += kWrapStep;
      }
      items.push_back({StatementDrawItem::Kind::Word, x, y, drawn, false});
      x += width;
    }
    y += kRowStep;
    const int offset = (y - rowTop) / 2 - kBoxSize / 2 - kBoxRaise;
    if (!placed_) {
      row.TrueLeft = columnsWidth / 4 - kBoxSize / 2;
      row.FalseLeft = (columnsWidth / 4) * 3 - kBoxSize / 2;
      row.BoxTop = rowTop + offset;
    }
  }
  placed_ = true;
  contentHeight_ = y + kRuleOverhang;
  items.push_back(
      {StatementDrawItem::Kind::Line, half, 0, {}, false, false, half, y + kRuleOverhang});
  return items;
}

bool TrueFalse::PointerOverBox(int x, int y) const {
  if (checked_ || !placed_) return false;
  return std::any_of(rows_.begin(), rows_.end(), [x, y](const StatementRow& row) {
    return Inside(x, y, row.TrueLeft, row.BoxTop) || Inside(x, y, row.FalseLeft, row.BoxTop);
  });
}

bool TrueFalse::Click(int x, int y) {
  if (checked_ || !placed_) return false;
  for (int i = 1; i <= StatementCount(); ++i) {
    const StatementRow& row = rows_[i - 1];
    for (bool trueColumn : {true, false}) {
      if (Inside(x, y, trueColumn ? row.TrueLeft : row.FalseLeft, row.BoxTop)) {
        Tick(i, trueColumn);
        return true;
      }
    }
  }
  return false;
}

void TrueFalse::Tick(int i, bool trueColumn) {
  if (checked_ || i < 1 || i > StatementCount()) return;
  touched_ = true;
  StatementRow& row = rows_[i - 1];
  row.TrueTicked = trueColumn;
  row.FalseTicked = !trueColumn;
  row.TrueBox = trueColumn ? StatementBox::Ticked : StatementBox::Empty;
  row.FalseBox = trueColumn ? StatementBox::Empty : StatementBox::Ticked;
}

void TrueFalse::Check() {
  if (checked_) return;
  touched_ = true;
  checked_ = true;
  okVisible_ = false;
  good_ = 0;
  for (StatementRow& row : rows_) {
    const bool anyTicked = row.TrueTicked || row.FalseTicked;
    row.Exclamation = !anyTicked;
    if (row.IsTrue ? row.TrueTicked : row.FalseTicked) {
      ++good_;
      continue;
    }
    StatementBox& right = row.IsTrue ? row.TrueBox : row.FalseBox;
    StatementBox& wrong = row.IsTrue ? row.FalseBox : row.TrueBox;
    right = StatementBox::Ticked;
    wrong = anyTicked ? StatementBox::Red : StatementBox::Empty;
    row.Exclamation = true;
  }
  bad_ = StatementCount() - good_;
}

int TrueFalse::Percent() const { return PercentOf(good_, bad_); }

int TrueFalse::VerdictText() const { return good_ == StatementCount() ? 74 : 75; }

}  // namespace tess
