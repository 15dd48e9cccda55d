// A learning list as a learner may have left it (edited by hand, cut short): appending an
// entry keeps every byte that was there and adds the number as a line of its own.
#include "FuzzSupport.h"
#include "dictionary/LearningList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  using namespace tess::dictionary;
  const std::string_view before = fuzz::AsText(data, size);
  const std::string path = fuzz::WriteFile("1/eng_34slow.txt", before);
  const int entryNo = static_cast<int>(size) * 7 + 1;
  TESS_FUZZ_CHECK(AppendToLearningList(path, entryNo));
  const std::string after = fuzz::ReadFile(path);
  const std::string line = std::to_string(entryNo) + "\r\n";
  TESS_FUZZ_CHECK(after.size() >= before.size() + line.size());
  TESS_FUZZ_CHECK(std::string_view(after).substr(0, before.size()) == before);
  TESS_FUZZ_CHECK(std::string_view(after).substr(after.size() - line.size()) == line);
  const std::string_view added = std::string_view(after).substr(before.size());
  TESS_FUZZ_CHECK(added == line || (!before.empty() && before.back() != '\n'));

  // A new list starts with its header.
  fuzz::RemoveFile("1/new_slow.txt");
  TESS_FUZZ_CHECK(AppendToLearningList(fuzz::Folder() + "1/new_slow.txt", entryNo));
  TESS_FUZZ_CHECK(fuzz::ReadFile(fuzz::Folder() + "1/new_slow.txt") == LearningListHeader() + line);
  return 0;
}
