// The group list "gr" + letter + ".txt".
#include "FuzzSupport.h"
#include "core/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("gra.txt", fuzz::AsText(data, size));
  GroupList list;
  TESS_FUZZ_CHECK(LoadGroupList(path, list));
  TESS_FUZZ_CHECK(list.Count() <= GroupList::kMaxGroups);
  for (int g = 0; g <= list.Count() + 1; ++g) {
    for (int language = -1; language <= 3; ++language) list.LongName(g, language);
    list.ShortName(g);
  }
  return 0;
}
