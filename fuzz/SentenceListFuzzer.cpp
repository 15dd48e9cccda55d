// The sentence list "zd" + letter + "_rozum.txt" and the packages built from it.
#include "FuzzSupport.h"
#include "core/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("zda_rozum.txt", fuzz::AsText(data, size));
  SentenceList list;
  TESS_FUZZ_CHECK(LoadSentenceList(path, list));
  TESS_FUZZ_CHECK(list.Count() <= SentenceList::kMaxSentences);
  for (int n = 1; n <= list.Count(); ++n) {
    const Sentence* sentence = list.At(n);
    TESS_FUZZ_CHECK(sentence != nullptr);
    TESS_FUZZ_CHECK(sentence->VariantCount >= 1 && sentence->VariantCount <= 4);
  }
  const SentencePackages& packages = list.Packages();
  TESS_FUZZ_CHECK(packages.Count() <= SentencePackages::kMaxPackages);
  for (int p = 1; p <= packages.Count(); ++p) {
    for (int member : packages.At(p)->Sentences) {
      TESS_FUZZ_CHECK(list.At(member) != nullptr);
    }
  }
  return 0;
}
