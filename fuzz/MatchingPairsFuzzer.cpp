// The content of a matching-pairs exercise (the kind line after "HH#"): parsing, then a whole
// attempt on what was accepted, with clicks driven by the input's bytes.
#include <set>

#include "FuzzSupport.h"
#include "exercises/MatchingPairs.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const PairsContent parsed = ParsePairsContent(content);
  // Accepted whole or not at all, within the limits, every left text once.
  TESS_FUZZ_CHECK(parsed.Error.empty() == !parsed.Pairs.empty());
  TESS_FUZZ_CHECK(parsed.Pairs.empty() || (parsed.Pairs.size() >= MatchingPairs::kMinPairs &&
                                           parsed.Pairs.size() <= MatchingPairs::kMaxPairs));
  std::set<std::string> lefts;
  for (const auto& [left, right] : parsed.Pairs) {
    TESS_FUZZ_CHECK(!left.empty() && !right.empty());
    TESS_FUZZ_CHECK(lefts.insert(left).second);
  }

  SeededRandom random(static_cast<std::uint32_t>(size));
  const fuzz::FixedMeasurer measurer;
  MatchingPairs exercise;
  if (!exercise.Load(content, measurer, random)) {
    TESS_FUZZ_CHECK(exercise.PairCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const int count = exercise.PairCount();
  TESS_FUZZ_CHECK(exercise.FrameBox(PairColumn::Left, 1).X >= 0);
  const PairsBox last = exercise.FrameBox(PairColumn::Right, count);
  TESS_FUZZ_CHECK(last.X + last.Width <= 700);
  // Clicks from the input's bytes, some of them outside the labels.
  for (std::size_t i = 0; i < size && i < 64; ++i) {
    const PairColumn column = data[i] & 1 ? PairColumn::Right : PairColumn::Left;
    exercise.Click(column, (data[i] >> 1) % (count + 2));
  }
  // Each column still holds every label once, and rows and labels agree.
  for (PairColumn column : {PairColumn::Left, PairColumn::Right}) {
    std::set<int> seen;
    for (int row = 1; row <= count; ++row) {
      const int n = exercise.LabelInRow(column, row);
      TESS_FUZZ_CHECK(n >= 1 && n <= count && seen.insert(n).second);
      TESS_FUZZ_CHECK(exercise.Label(column, n).Row == row);
    }
  }
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == count);
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
