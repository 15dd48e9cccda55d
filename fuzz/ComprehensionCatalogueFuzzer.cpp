// The comprehension catalogue "kurs_cwicz.kdx": five-line entries.
#include "FuzzSupport.h"
#include "core/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("kurs_cwicz.kdx", fuzz::AsText(data, size));
  ComprehensionCatalogue list;
  TESS_FUZZ_CHECK(LoadComprehensionCatalogue(path, list));
  TESS_FUZZ_CHECK(list.Count() <= ComprehensionCatalogue::kMaxExercises);
  for (int n = 1; n <= list.Count(); ++n) {
    for (int language = -1; language <= 3; ++language) list.At(n)->Name(language);
  }
  return 0;
}
