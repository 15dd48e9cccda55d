// The content of a definitions exercise (the kind line after "DF#"): parsing, the layout, then
// a whole attempt of drops anywhere around the boxes on what was accepted.
#include "FuzzSupport.h"
#include "exercises/Definitions.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const DefinitionsContent parsed = ParseDefinitionsContent(content);
  // Accepted whole or not at all.
  TESS_FUZZ_CHECK(parsed.Error.empty() == !parsed.Pairs.empty());
  TESS_FUZZ_CHECK(parsed.Pairs.size() <= static_cast<std::size_t>(Definitions::kMaxPairs));

  SeededRandom random(static_cast<std::uint32_t>(size));
  Definitions exercise;
  const fuzz::FixedMeasurer measurer;
  const bool loaded = exercise.Load(content, random);
  const bool placed =
      exercise.Place(measurer, 15, measurer, size % 3 == 0 ? -1 : static_cast<int>(size % 400));
  if (!loaded || !placed) {
    TESS_FUZZ_CHECK(exercise.PairCount() == 0 && !exercise.LoadError().empty());
    TESS_FUZZ_CHECK(exercise.DefinitionWords().empty());
    return 0;
  }
  const int count = exercise.PairCount();
  const DefinitionBox frame = exercise.Frame();
  for (int row = 1; row <= count; ++row) {
    const DefinitionBox& box = exercise.Box(row);
    // Boxes follow each other down the frame and never overlap.
    TESS_FUZZ_CHECK(box.Height >= Definitions::kLineHeight);
    TESS_FUZZ_CHECK(box.Top >= frame.Top && box.Top + box.Height <= frame.Top + frame.Height);
    if (row > 1) {
      const DefinitionBox& above = exercise.Box(row - 1);
      TESS_FUZZ_CHECK(box.Top > above.Top + above.Height);
    }
  }
  // Drops over and around the boxes, the bytes choosing label and point.
  const int span = frame.Height + 40;
  for (std::size_t i = 0; i + 1 < size && i < 64; i += 2) {
    const int k = data[i] % (count + 2);
    const int x = data[i] % (exercise.WordWidth() + 40);
    const int y = frame.Top - 20 + (data[i + 1] * 7) % span;
    exercise.Board().Lift(k);
    exercise.Board().Release();
    exercise.Drop(k, {x, y});
    // A box holds at most one word, and each word knows its box.
    for (int box = 1; box <= count; ++box) {
      const int label = exercise.LabelInBox(box);
      TESS_FUZZ_CHECK(label == 0 || exercise.BoxOfLabel(label) == box);
    }
  }
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == count);
  TESS_FUZZ_CHECK(static_cast<int>(exercise.Marks().size()) == exercise.BadCount());
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
