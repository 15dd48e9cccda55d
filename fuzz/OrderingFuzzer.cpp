// The content of an ordering exercise (the kind line after "DV#"): parsing, then a whole
// attempt of drops anywhere on what was accepted.
#include "FuzzSupport.h"
#include "exercises/Ordering.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const OrderingContent parsed = ParseOrderingContent(content);
  // Accepted whole or not at all.
  TESS_FUZZ_CHECK(parsed.Error.empty() == !parsed.Items.empty());
  TESS_FUZZ_CHECK(parsed.Items.size() <= static_cast<std::size_t>(Ordering::kMaxItems));

  SeededRandom random(static_cast<std::uint32_t>(size));
  Ordering exercise;
  if (!exercise.Load(content, random)) {
    TESS_FUZZ_CHECK(exercise.ItemCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const fuzz::FixedMeasurer measurer;
  exercise.Place(measurer, 15, size % 3 == 0 ? -1 : static_cast<int>(size % 700), -1);
  const int count = exercise.ItemCount();
  // Drops over and around the column, the bytes choosing item and point.
  for (std::size_t i = 0; i + 1 < size && i < 64; i += 2) {
    const int k = data[i] % (count + 2);
    const int y = exercise.ColumnTop() - 5 + data[i + 1] % (Ordering::kRowHeight * count + 10);
    const int x = exercise.ColumnLeft() - 3 + data[i] % (exercise.ColumnWidth() + 6);
    exercise.Board().Lift(k);
    exercise.Board().Release();
    exercise.Drop(k, {x, y});
    // The column always holds every item once.
    for (int row = 1; row <= count; ++row) {
      const int item = exercise.ItemInRow(row);
      TESS_FUZZ_CHECK(item >= 1 && item <= count && exercise.CurrentRow(item) == row);
    }
  }
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == count);
  TESS_FUZZ_CHECK(static_cast<int>(exercise.Marks().size()) == exercise.BadCount());
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
