// The dictation equivalences "ss_r.t".
#include "FuzzSupport.h"
#include "core/Equivalences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  fuzz::WriteFile(kEquivalenceFile, fuzz::AsText(data, size));
  EquivalenceList list;
  TESS_FUZZ_CHECK(LoadEquivalences(fuzz::Folder(), list));
  TESS_FUZZ_CHECK(list.Count() <= EquivalenceList::kMaxPairs);
  for (const Equivalence& pair : list.Pairs()) {
    TESS_FUZZ_CHECK(pair.EquivalenceFrom.size() + pair.EquivalenceTo.size() < size);
  }
  return 0;
}
