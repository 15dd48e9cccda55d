// The text catalogue "rozumienie_" + letter + ".txt".
#include "FuzzSupport.h"
#include "core/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("rozumienie_a.txt", fuzz::AsText(data, size));
  TextCatalogue list;
  TESS_FUZZ_CHECK(LoadTextCatalogue(path, list));
  TESS_FUZZ_CHECK(list.Count() <= TextCatalogue::kMaxTexts);
  for (int n = 0; n <= list.Count() + 1; ++n) list.At(n);
  return 0;
}
