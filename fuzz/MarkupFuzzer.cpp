// Marked-up text of the instruction and content boxes, laid out in boxes of several widths.
#include "FuzzSupport.h"
#include "exercises/Markup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view text = fuzz::AsText(data, size);
  const fuzz::FixedMeasurer measurer;
  for (int width : {0, 50, 641}) {
    MarkupLayout layout;
    layout.BoxWidth = width;
    layout.FoldTagCase = width != 50;
    const std::vector<TextRun> runs = LayoutMarkedUpText(text, layout, measurer);
    TESS_FUZZ_CHECK(runs.size() <= size + 1);
    for (const TextRun& run : runs) TESS_FUZZ_CHECK(run.X >= 0 && run.Y >= 0);
  }
  const std::string instruction(text);
  LayoutInstruction("Lang_r\\1\\", 641, measurer, {}, {}, instruction);
  return 0;
}
