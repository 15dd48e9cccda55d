// The content of a columns exercise (the kind line after "DD#"): parsing, then a whole attempt
// of drops anywhere on and around the table of what was accepted.
#include "FuzzSupport.h"
#include "exercises/Columns.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const ColumnsContent parsed = ParseColumnsContent(content);
  // Accepted whole or not at all.
  if (!parsed.Error.empty()) {
    TESS_FUZZ_CHECK(parsed.Items.empty() && parsed.Headings.empty());
  } else {
    TESS_FUZZ_CHECK(parsed.Columns >= 1 && parsed.Columns <= Columns::kMaxColumns);
    TESS_FUZZ_CHECK(parsed.Rows >= 1 && parsed.Rows <= Columns::kMaxRows);
    TESS_FUZZ_CHECK(static_cast<int>(parsed.Headings.size()) == parsed.Columns);
    TESS_FUZZ_CHECK(parsed.Items.size() <= static_cast<std::size_t>(Columns::kMaxWords));
    for (const ColumnsItem& item : parsed.Items) {
      TESS_FUZZ_CHECK(!item.Word.empty() && item.Column >= 1 && item.Column <= parsed.Columns);
    }
  }

  SeededRandom random(static_cast<std::uint32_t>(size));
  Columns exercise;
  if (!exercise.Load(content, random)) {
    TESS_FUZZ_CHECK(exercise.WordCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const fuzz::FixedMeasurer measurer;
  exercise.Place(measurer, 15, size % 3 == 0 ? -1 : static_cast<int>(size % 700), -1,
                 size % 2 == 0 ? -1 : static_cast<int>(size % 300));
  const int count = exercise.WordCount();
  const int columns = exercise.ColumnCount();
  // Drops over and around the table, the bytes choosing word and point.
  const int spanX = exercise.TableRight() - exercise.TableLeft() + 12;
  const int spanY = exercise.TableBottom() - exercise.TableTop() + 12;
  for (std::size_t i = 0; i + 1 < size && i < 96; i += 2) {
    const int k = data[i] % (count + 2);
    const int x = exercise.TableLeft() - 6 + (data[i] * 7 + data[i + 1]) % spanX;
    const int y = exercise.TableTop() - 6 + data[i + 1] % spanY;
    exercise.Board().Lift(k);
    exercise.Board().Release();
    exercise.Drop(k, {x, y});
    // A word lies in exactly the cell its column says, or in none.
    for (int w = 1; w <= count; ++w) {
      const Cell cell = exercise.Table().CellOf(w);
      TESS_FUZZ_CHECK(cell.Column == exercise.PlacedColumn(w));
    }
  }
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == count);
  // No column holds more words than rows, so after the check every word is in its own.
  for (int w = 1; w <= count; ++w) {
    TESS_FUZZ_CHECK(exercise.PlacedColumn(w) == exercise.Column(w));
    TESS_FUZZ_CHECK(exercise.Table().CellOf(w).Column == exercise.Column(w));
  }
  for (const ColumnsMark& mark : exercise.Marks()) {
    TESS_FUZZ_CHECK(mark.Where.Column >= 1 && mark.Where.Column <= columns);
    TESS_FUZZ_CHECK(exercise.HintAt(mark.At) == mark.Hint);
  }
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
