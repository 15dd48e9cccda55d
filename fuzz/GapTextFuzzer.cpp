// A gap-text file of the typing exercise: parsing, then a whole attempt on what was accepted
// (layout, gaps opened by click and Tab, typing, scrolling, the check and its marks).
#include "FuzzSupport.h"
#include "exercises/GapText.h"
#include "exercises/Typing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view bytes = fuzz::AsText(data, size);
  GapText text = ParseGapText(bytes, "wp.fcs", size % 2 == 0 ? 1 : 3);
  // Refused whole or not at all.
  TESS_FUZZ_CHECK(text.Error.empty() || (text.Words.empty() && text.Gaps.empty()));
  TESS_FUZZ_CHECK(text.Words.size() <= static_cast<std::size_t>(GapText::kMaxWords));
  for (const GapAnswer& gap : text.Gaps) {
    TESS_FUZZ_CHECK(gap.Word >= 1 && gap.Word <= static_cast<int>(text.Words.size()));
    TESS_FUZZ_CHECK(text.Words[static_cast<std::size_t>(gap.Word - 1)].IsGap);
  }

  Typing exercise;
  if (!exercise.Load(std::move(text))) {
    TESS_FUZZ_CHECK(exercise.GapCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const fuzz::FixedMeasurer measurer;
  const int width = 100 + static_cast<int>(size % 600);
  const int height = 40 + static_cast<int>(size % 400);
  exercise.Attach(measurer, width, height);
  exercise.Paint();
  TESS_FUZZ_CHECK(exercise.ScrollMax() >= 0);
  const int gaps = exercise.GapCount();
  // Clicks, Tabs, typing and scrolling, the bytes choosing which.
  for (std::size_t i = 0; i + 1 < size && i < 96; i += 2) {
    const int x = data[i] % width;
    const int y = data[i + 1] % height;
    switch (data[i] % 5) {
      case 0:
        exercise.Click(x, y);
        break;
      case 1:
        exercise.NextGap();
        break;
      case 2:
        exercise.SetEntryText(std::string(bytes.substr(i, data[i + 1] % 8)));
        break;
      case 3:
        if (gaps > 0) exercise.OpenGap(data[i + 1] % gaps + 1);
        break;
      default:
        if (data[i + 1] % 2) {
          exercise.ScrollDown();
        } else {
          exercise.ScrollUp();
        }
        break;
    }
    TESS_FUZZ_CHECK(exercise.EntryGap() >= 0 && exercise.EntryGap() <= gaps);
    TESS_FUZZ_CHECK(exercise.Scroll() >= 0 && exercise.Scroll() <= exercise.ScrollMax());
    exercise.PointerOverGap(x, y);
  }
  exercise.Check(size % 3 == 0);
  exercise.Paint();
  TESS_FUZZ_CHECK(exercise.EntryGap() == 0);
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == gaps);
  TESS_FUZZ_CHECK(static_cast<int>(exercise.Marks().size()) == exercise.BadCount());
  for (const TypingMark& mark : exercise.Marks()) {
    TESS_FUZZ_CHECK(!mark.Hint.empty());
    TESS_FUZZ_CHECK(exercise.MarkAt(mark.Box.Left, mark.Box.Top) != nullptr);
  }
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
