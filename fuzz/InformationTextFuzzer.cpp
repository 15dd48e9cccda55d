// The information window's text (help texts "HH_" + text and translations): tokens, layout
// with inline pictures, and scrolling to the end and back.
#include "FuzzSupport.h"
#include "coursebook/InformationText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view text = fuzz::AsText(data, size);
  const fuzz::FixedMeasurer measurer;
  InformationPictureWidths widths;
  widths.fill(16);
  InformationPage page;
  page.Open(text);
  TESS_FUZZ_CHECK(page.Tokens().size() <= static_cast<std::size_t>(kInformationTokenLimit));
  for (int width : {1, 380}) {
    page.LayOut(measurer, widths, width, 260);
    int steps = 0;
    while (page.DownShown()) {
      page.ScrollDown();
      TESS_FUZZ_CHECK(++steps <= page.LastScrollLine());
    }
    while (page.UpShown()) page.ScrollUp();
    TESS_FUZZ_CHECK(page.ScrollLine() == 0);
  }
  return 0;
}
