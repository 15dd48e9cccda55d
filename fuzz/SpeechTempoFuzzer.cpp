// The learner's speech tempo file "tempo_...txt": whatever it holds reads as one of the
// control's paces, and that pace reads back unchanged.
#include "FuzzSupport.h"
#include "core/SpeechTempo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("1/tempo_tsa2_2003.txt", fuzz::AsText(data, size));
  const int percent = ReadTempoPercent(path);
  TESS_FUZZ_CHECK(percent == 100 || percent == 85 || percent == 70 || percent == 55);
  TESS_FUZZ_CHECK(WriteTempoPercent(path, percent));
  TESS_FUZZ_CHECK(ReadTempoPercent(path) == percent);
  return 0;
}
