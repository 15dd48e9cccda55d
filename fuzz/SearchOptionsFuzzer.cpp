// The dictionary's search options "ustaw_s.txt": read, written back and read again.
#include "FuzzSupport.h"
#include "dictionary/Search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess::dictionary;
  namespace fuzz = tess::fuzz;
  SearchOptions options;
  ReadSearchOptions(fuzz::WriteFile(kSearchOptionsFile, fuzz::AsText(data, size)), options);
  SearchOptions again{false, false, true, true};
  ReadSearchOptions(fuzz::WriteFile("copy.txt", FormatSearchOptions(options)), again);
  TESS_FUZZ_CHECK(again == options);
  return 0;
}
