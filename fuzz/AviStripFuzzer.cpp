// The frames of the home window's small AVI strip.
#include "FuzzSupport.h"
#include "platform/AviStrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  AviStripFrames frames;
  std::string error;
  if (!ReadAviStrip(fuzz::AsText(data, size), frames, &error)) {
    TESS_FUZZ_CHECK(frames.Frames.empty() && !error.empty());
    return 0;
  }
  TESS_FUZZ_CHECK(!frames.Frames.empty() &&
                  frames.Frames.size() <= static_cast<std::size_t>(kAviStripMaxFrames));
  TESS_FUZZ_CHECK(frames.IntervalMs >= 10 && frames.IntervalMs <= 5000);
  const QSize first = frames.Frames.front().size();
  for (const QImage& frame : frames.Frames) TESS_FUZZ_CHECK(frame.size() == first);
  return 0;
}
