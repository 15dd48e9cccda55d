// The comprehension items "rozum_pig.txt".
#include "FuzzSupport.h"
#include "core/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("rozum_pig.txt", fuzz::AsText(data, size));
  ComprehensionItems list;
  TESS_FUZZ_CHECK(LoadComprehensionItems(path, list));
  TESS_FUZZ_CHECK(list.Count() <= ComprehensionItems::kMaxItems);
  for (int n = 1; n <= list.Count(); ++n) {
    const ComprehensionItem* item = list.At(n);
    TESS_FUZZ_CHECK(list.Find(item->Identifier) != nullptr);
  }
  return 0;
}
