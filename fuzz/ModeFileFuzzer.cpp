// The classroom mode file "dd.t".
#include "FuzzSupport.h"
#include "core/ModeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  fuzz::WriteFile("dd.t", fuzz::AsText(data, size));
  ClassroomSettings settings;
  TESS_FUZZ_CHECK(ReadModeFile(fuzz::Folder(), settings) == 1);
  TESS_FUZZ_CHECK(settings.ServerHost.size() <= size);
  return 0;
}
