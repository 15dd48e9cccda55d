// The dictionary at its full size: loading 15000 entries, one search over every word, and the
// list with lines of up to a megabyte, laid out alone and painted and pressed in its window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QScrollBar>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "LongInput.h"
#include "dictionary/DictionaryProgram.h"
#include "dictionary/DictionaryWindow.h"
#include "dictionary/EntryListBox.h"
#include "dictionary/EntryTable.h"
#include "dictionary/ListLayout.h"
#include "dictionary/Search.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/QtTextMeasurer.h"
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

// The first search after the lists are read also folds both sides into their blocks.
void BM_FirstSearch(benchmark::State& state) {
  const Installation installation;
  EntryTable table;
  LoadEntries(installation.ProgramDir(), 1, table);
  const SearchOptions options{true, true, false, true};
  std::optional<EntryTable> fresh;
  for (auto _ : state) {
    state.PauseTiming();
    fresh.reset();
    fresh.emplace(table);  // not searched yet: no blocks
    state.ResumeTiming();
    const std::vector<int> found = RunSearch(*fresh, {"WORD99", "s\xB3owo99"}, options);
    benchmark::DoNotOptimize(found.data());
  }
}
BENCHMARK(BM_FirstSearch)->Unit(benchmark::kMillisecond);

// A list line of `bytes` bytes: its translation is words up to the line's length.
std::string LongLine(int entryNo, std::int64_t bytes) {
  char head[32];
  std::snprintf(head, sizeof head, "01 0%05d 13 word%d =", entryNo, entryNo);
  std::string line = head;
  return line + bench::Words(bytes - static_cast<std::int64_t>(line.size()) - 5) + "=1=0=";
}

// Reading such a line: the translation is cut to its cap, so the rest costs only the split.
void BM_ParseLongEntryLine(benchmark::State& state) {
  const std::string line = LongLine(1, state.range(0));
  for (auto _ : state) {
    const std::optional<Entry> entry = ParseEntryLine(line, ListKind::Words);
    benchmark::DoNotOptimize(entry);
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_ParseLongEntryLine)->Apply(bench::LongInputs);

// Counts what the list measures, to show that nothing below the visible rows is laid out.
class CountingMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool italic) const override {
    measured += static_cast<std::int64_t>(text.size());
    return inner_.Width(text, bold, italic);
  }
  mutable std::int64_t measured = 0;

 private:
  bench::ByteMeasurer inner_;
};

// Ten rows and every entry below them as long as the input: only what the ten rows can show
// may be measured, whatever the entries hold.
struct HugeList {
  enum class Shape { Words, OneWord };
  HugeList(std::int64_t bytes, Shape shape, int entries) {
    const std::string text =
        shape == Shape::Words ? bench::Words(bytes) : std::string(static_cast<size_t>(bytes), 'a');
    for (int n = 1; n <= entries; ++n) {
      Entry entry;
      entry.EntryNo = n;
      entry.Headword = text;  // the table keeps what it is given, uncut
      entry.Translation = text;
      table.Add(entry);
      found.push_back(n);
    }
    table.EndWordList();
    table.Finish();
  }
  EntryTable table;
  std::vector<int> found;
};

constexpr ListGeometry kListGeometry{580, 600};  // the list's width; ten rows of 20 pixels

// A row may measure a few hundred short pieces (cutting its headword, filling its lines) and,
// when a word is longer than a line, that word once.
void LayOutHugeList(benchmark::State& state, HugeList::Shape shape, bool wholeWordPerRow) {
  constexpr std::int64_t kPiecesPerRow = 64 << 10;
  const std::int64_t boundPerRow = kPiecesPerRow + (wholeWordPerRow ? state.range(0) + 1 : 0);
  const HugeList list(state.range(0), shape, 30);
  CountingMeasurer measurer;
  for (auto _ : state) {
    measurer.measured = 0;
    const ListPicture picture =
        LayOutList(list.table, list.found, 1, 1, kListGeometry, measurer, measurer);
    benchmark::DoNotOptimize(picture.Rows.data());
  }
  state.counters["measured"] = static_cast<double>(measurer.measured);
  if (measurer.measured > boundPerRow * kListRows) {
    state.SkipWithError("the list measured more than its visible rows hold");
  }
  bench::CountBytes(state, state.range(0));
}

// Words: the first row fills the list after a few hundred words, so the work is constant.
void BM_LayOutListOfHugeEntries(benchmark::State& state) {
  LayOutHugeList(state, HugeList::Shape::Words, false);
}
BENCHMARK(BM_LayOutListOfHugeEntries)->Apply(bench::LongInputs);

// One word of the input's length: each row that shows it measures it whole once (linear).
void BM_LayOutListOfOneHugeWord(benchmark::State& state) {
  LayOutHugeList(state, HugeList::Shape::OneWord, true);
}
BENCHMARK(BM_LayOutListOfOneHugeWord)->Apply(bench::LongInputs);

// The same with the window's own font, as the window lays it out.
void BM_LayOutHugeEntryWithTheWindowFont(benchmark::State& state) {
  const HugeList list(state.range(0), HugeList::Shape::Words, 30);
  const QFont font(QStringLiteral("Arial"), 10);
  const QtTextMeasurer headwords(font, CodePage::Cp1252);
  const QtTextMeasurer translations(font, CodePage::Cp1250);
  for (auto _ : state) {
    const ListPicture picture =
        LayOutList(list.table, list.found, 1, 1, kListGeometry, headwords, translations);
    benchmark::DoNotOptimize(picture.Rows.data());
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_LayOutHugeEntryWithTheWindowFont)->Apply(bench::LongInputs);

// The window over a full list whose every line is `bytes` long (cut to the caps when read):
// a scroll by one entry, the paint that follows and a press on a row.
class WindowInstallation {
 public:
  explicit WindowInstallation(std::int64_t bytes) {
    testing::WriteBytes(folder_ / "ts50.ini", "Tessaron 5.0\r\nHdd\\Slownik\\\r\n");
    testing::WriteBytes(folder_ / "tess_50_slow.txt", "Tessaron 5.0 - slownik\r\n1\r\n");
    // Only the first rows are long: a file of 15000 megabyte lines would not fit the disk.
    std::string words;
    for (int n = 1; n <= kEntryCapacity; ++n) {
      words += (n <= 2 * kListRows ? LongLine(n, bytes) : LongLine(n, 120)) + "\r\n";
    }
    testing::WriteBytes(folder_ / "sba_s.txt", words);
  }
  std::string ProgramDir() const { return folder_.path() + "/"; }

 private:
  testing::TempFolder folder_;
};

void BM_WindowScrollPaintAndPress(benchmark::State& state) {
  const WindowInstallation installation(state.range(0));
  FakeMessageBox messages;
  FakePictureLoader pictures;
  FakeModalShower modal;
  FakeMediaPlayer player;
  DictionaryProgram program(DictionaryPorts{messages, pictures, modal, player});
  if (!program.Start(installation.ProgramDir())) {
    state.SkipWithError("the dictionary did not start");
    return;
  }
  DictionaryWindow& window = program.MainWindow();
  int scroll = 1;
  for (auto _ : state) {
    scroll = 3 - scroll;  // 1, 2, 1, ...: every paint lays out anew
    window.Suwak->setValue(scroll);
    const QPixmap painted = window.PaintBox1->grab();
    benchmark::DoNotOptimize(painted.cacheKey());
    window.PlayEntry(QPoint(300, 30));
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_WindowScrollPaintAndPress)->Apply(bench::LongInputs);

}  // namespace
}  // namespace tess::dictionary

// The window benchmarks need an application; without a display it draws offscreen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
