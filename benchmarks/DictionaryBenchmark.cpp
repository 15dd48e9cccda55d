// The dictionary at its full size: loading 15000 entries and one search over every word.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "dictionary/EntryTable.h"
#include "dictionary/Search.h"
#include "support/TempFolder.h"

namespace tess::dictionary {
namespace {

constexpr int kWords = 14000;
constexpr int kSentences = kEntryCapacity - kWords;

// Words of a few lengths with Polish translations, tags and recordings, like the demo list.
std::string WordList() {
  std::string bytes;
  char line[256];
  for (int n = 1; n <= kWords; ++n) {
    std::snprintf(
        line, sizeof line,
        "%02d 0%05d %d%d word%dform =s\xB3owo%d [%d] t\xB3umaczenie==syn%d=uwaga=%d=0=%d=\r\n",
        n % 40 + 1, n, n % 3 + 1, n % 4 + 1, n, n, n % 9 + 1, n, n <= 2000 ? n : 0, n % 2);
    bytes += line;
  }
  return bytes;
}

std::string SentenceList() {
  std::string bytes;
  char line[256];
  for (int n = 1; n <= kSentences; ++n) {
    std::snprintf(line, sizeof line,
                  "01 0%05d 14 This is example sentence number %d.=To jest zdanie %d.=\r\n",
                  20000 + n, n, n);
    bytes += line;
  }
  return bytes;
}

class Installation {
 public:
  Installation() {
    testing::WriteBytes(folder_ / "sba_s.txt", WordList());
    testing::WriteBytes(folder_ / "zda.txt", SentenceList());
  }
  std::string ProgramDir() const { return folder_.path() + "/"; }

 private:
  testing::TempFolder folder_;
};

void BM_LoadEntries(benchmark::State& state) {
  const Installation installation;
  EntryTable table;
  for (auto _ : state) {
    LoadEntries(installation.ProgramDir(), 1, table);
    benchmark::DoNotOptimize(table.Count());
  }
  if (table.Count() != kEntryCapacity) state.SkipWithError("the table is not full");
}
BENCHMARK(BM_LoadEntries)->Unit(benchmark::kMillisecond);

void BM_RunSearch(benchmark::State& state) {
  const Installation installation;
  EntryTable table;
  LoadEntries(installation.ProgramDir(), 1, table);
  // The slowest options: both sides, a substring anywhere, case ignored.
  const SearchOptions options{true, true, false, true};
  for (auto _ : state) {
    const std::vector<int> found = RunSearch(table, {"WORD99", "s\xB3owo99"}, options);
    benchmark::DoNotOptimize(found.data());
  }
}
BENCHMARK(BM_RunSearch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess::dictionary

BENCHMARK_MAIN();
