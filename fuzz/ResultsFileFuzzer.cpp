// A results file (UserDir + SettingsTag, 204-byte records): loaded, summarised for the
// choosers, an attempt recorded, saved and loaded again.
#include <cstring>

#include "FuzzSupport.h"
#include "choosers/SectionList.h"
#include "core/InterfaceTexts.h"
#include "results/ResultsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("1/tsa2_2003", fuzz::AsText(data, size));
  ResultsStore store;
  if (!LoadResults(path, store)) return 0;
  TESS_FUZZ_CHECK(static_cast<std::size_t>(store.Count()) ==
                  std::min<std::size_t>(size / kResultRecordSize, ResultsStore::kMaxRecords));

  const InterfaceTexts texts;
  for (int position = 1; position <= store.Count(); ++position) {
    const ResultRecord& record = store.At(position);
    ResultsSummary(store, record.Name, record.Kind, 1 + position % 3, texts);
    for (int language = 0; language <= 3; ++language) RecordTitle(record, language);
    ItemDone(store, position);
  }
  if (store.Count() > 0) {
    const ResultRecord& first = store.At(1);
    RecordResult(store, static_cast<int>(size) - 150, first.Name, first.Kind, first.Item, 1,
                 RecordContext{45000.5, -1, nullptr});
  }

  // Saved and read again, every record comes back as it was written, and nothing of the file
  // is lost, not even bytes after the last whole record.
  TESS_FUZZ_CHECK(SaveResults(path, store));
  TESS_FUZZ_CHECK(fuzz::ReadFile(path).size() == size);
  ResultsStore again;
  TESS_FUZZ_CHECK(LoadResults(path, again));
  TESS_FUZZ_CHECK(again.Count() == store.Count());
  for (int position = 1; position <= store.Count(); ++position) {
    TESS_FUZZ_CHECK(SerialiseResultRecord(again.At(position)) ==
                    SerialiseResultRecord(store.At(position)));
  }
  return 0;
}
