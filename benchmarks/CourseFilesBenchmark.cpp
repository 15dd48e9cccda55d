// The course's catalogue files read at start, each fed 64 KB to 1 MB: as many entries as its
// list takes, every one with a long text field, so the lines are long and the file is whole.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "LongInput.h"
#include "core/Catalogue.h"
#include "core/ConversationTable.h"
#include "core/ExerciseList.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using MakeEntry = std::function<std::string(int n, const std::string& text)>;

// `count` entries sharing `bytes` between them, their long field made of words.
std::string File(std::int64_t bytes, int count, const MakeEntry& make) {
  const std::string text = bench::Words(bytes / count);
  std::string file;
  for (int n = 1; n <= count; ++n) file += make(n, text);
  return file;
}

template <typename List, typename Load>
void ReadFile(benchmark::State& state, int count, const MakeEntry& make, Load load,
              int (List::*size)() const) {
  const testing::TempFolder folder;
  const std::string path = folder / "list.txt";
  const std::string file = File(state.range(0), count, make);
  testing::WriteBytes(path, file);
  List list;
  for (auto _ : state) {
    if (!load(path, list)) state.SkipWithError("the file was not read");
  }
  if ((list.*size)() != count) state.SkipWithError("entries were lost");
  bench::CountBytes(state, static_cast<std::int64_t>(file.size()));
}

void BM_LoadGroupList(benchmark::State& state) {
  ReadFile<GroupList>(
      state, GroupList::kMaxGroups,
      [](int n, const std::string& text) {
        return std::to_string(n) + "=x=" + text + "=Gruppe=Grupa=g=\r\n";
      },
      LoadGroupList, &GroupList::Count);
}
BENCHMARK(BM_LoadGroupList)->Apply(bench::LongInputs);

void BM_LoadTextCatalogue(benchmark::State& state) {
  ReadFile<TextCatalogue>(
      state, TextCatalogue::kMaxTexts,
      [](int n, const std::string& text) {
        return std::to_string(n) + "=2=1=" + text + "=Text=Tekst=\r\n";
      },
      LoadTextCatalogue, &TextCatalogue::Count);
}
BENCHMARK(BM_LoadTextCatalogue)->Apply(bench::LongInputs);

void BM_LoadSentenceList(benchmark::State& state) {
  ReadFile<SentenceList>(
      state, SentenceList::kMaxSentences,
      [](int n, const std::string& text) {
        // Two packages per group, so the packages are built as well.
        const std::string head = n % 2 ? "105" : "110";
        const int group = n % 30 + 1;
        return head + (group < 10 ? "0" : "") + std::to_string(group) + "abcdefghijk" + text +
               "=====x=y=Zdanie.=\r\n";
      },
      LoadSentenceList, &SentenceList::Count);
}
BENCHMARK(BM_LoadSentenceList)->Apply(bench::LongInputs);

void BM_LoadComprehensionCatalogue(benchmark::State& state) {
  ReadFile<ComprehensionCatalogue>(
      state, ComprehensionCatalogue::kMaxExercises,
      [](int, const std::string& text) {
        return "KDX_AB0102\r\nl2\r\n" + text + "=Laden=Shop=\r\ni1=i2=\r\n----\r\n";
      },
      LoadComprehensionCatalogue, &ComprehensionCatalogue::Count);
}
BENCHMARK(BM_LoadComprehensionCatalogue)->Apply(bench::LongInputs);

void BM_LoadComprehensionItems(benchmark::State& state) {
  ReadFile<ComprehensionItems>(
      state, ComprehensionItems::kMaxItems,
      [](int n, const std::string& text) {
        std::string line = "i";  // appended, not added up: GCC 12 warns on "i" + string
        line += std::to_string(n) + "=snd=" + text + "=A cat.=cat=dog=cow=\r\n";
        return line;
      },
      LoadComprehensionItems, &ComprehensionItems::Count);
}
BENCHMARK(BM_LoadComprehensionItems)->Apply(bench::LongInputs);

void BM_LoadExerciseList(benchmark::State& state) {
  ReadFile<ExerciseList>(
      state, ExerciseList::kMaxEntries,
      [](int n, const std::string& text) {
        return "x#" + std::to_string(n) + "#tlo#de#pl#en#\r\nMC#" + text +
               "#\r\n0=0=0=0=0=0=0=0=0=0=\r\n";
      },
      LoadExerciseList, &ExerciseList::Count);
}
BENCHMARK(BM_LoadExerciseList)->Apply(bench::LongInputs);

void BM_LoadConversations(benchmark::State& state) {
  ReadFile<ConversationTable>(
      state, ConversationTable::kMaxConversations,
      [](int n, const std::string& text) {
        // The conversation's share split over its 25 phrases.
        const std::string phrase = text.substr(0, text.size() / ConversationTable::kMaxPhrases);
        std::string block = "bg";
        block += std::to_string(n) + "=Rozmowa=Talk=Gespr=1=3=TTFFT=1=\r\n";
        for (int p = 1; p <= ConversationTable::kMaxPhrases; ++p) {
          block += 's';
          block += std::to_string(p) + "=" + std::to_string(p % 2 + 1) + "=Anna: " + phrase +
                   "=Cze\x9C\xE6.=\r\n";
        }
        return block + "*\r\n";
      },
      [](const std::string& path, ConversationTable& table) {
        return LoadConversations(path, table);
      },
      &ConversationTable::Count);
}
BENCHMARK(BM_LoadConversations)->Apply(bench::LongInputs);

}  // namespace
}  // namespace tess

BENCHMARK_MAIN();
