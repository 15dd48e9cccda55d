// The exercises' content (the kind line after its code, and the gap-text files) fed 64 KB to
// 1 MB: each kind with as many items as it takes, their texts long, read and then laid out as
// its window does (measured, wrapped, placed).
#include <benchmark/benchmark.h>

#include <string>

#include "LongInput.h"
#include "exercises/Columns.h"
#include "exercises/Definitions.h"
#include "exercises/GapText.h"
#include "exercises/Markup.h"
#include "exercises/MatchingPairs.h"
#include "exercises/MultipleChoice.h"
#include "exercises/Ordering.h"
#include "exercises/TrueFalse.h"
#include "exercises/Typing.h"
#include "platform/RandomSource.h"

namespace tess {
namespace {

const bench::ByteMeasurer kMeasurer;
constexpr int kBoxWidth = 560;

// `count` items sharing the input; `item` gets the item's number and its long text.
template <typename Item>
std::string Content(std::int64_t bytes, int count, Item item, std::string content = {}) {
  const std::string text = bench::Words(bytes / count);
  for (int n = 1; n <= count; ++n) content += item(n, text);
  return content;
}

void Report(benchmark::State& state, const std::string& content, const std::string& error) {
  if (!error.empty()) state.SkipWithError("the content was refused");
  bench::CountBytes(state, static_cast<std::int64_t>(content.size()));
}

void BM_MultipleChoice(benchmark::State& state) {
  // Ten questions, each a stem and three answers of a quarter of its share.
  const std::string content =
      Content(state.range(0), MultipleChoice::kMaxQuestions * 4, [](int n, const std::string& t) {
        switch (n % 4) {
          case 1:
            return t + "=";
          case 2:
            return "T_" + t + "=";
          case 3:
            return t + "=";
          default:
            return t + "#";
        }
      });
  SeededRandom random(1);
  MultipleChoice exercise;
  for (auto _ : state) {
    exercise.Load(content, random);
    benchmark::DoNotOptimize(exercise.Paint(kMeasurer, kBoxWidth, 300).size());
  }
  Report(state, content, exercise.LoadError());
}
BENCHMARK(BM_MultipleChoice)->Apply(bench::LongInputs);

void BM_TrueFalse(benchmark::State& state) {
  const std::string content = Content(
      state.range(0), TrueFalse::kMaxStatements,
      [](int n, const std::string& t) { return (n % 2 ? "T_" : "") + t + "#"; },
      "Prawda#Wahr#True#Fa\xB3sz#Falsch#False#");
  SeededRandom random(1);
  TrueFalse exercise;
  for (auto _ : state) {
    exercise.Load(content, 0, random);
    benchmark::DoNotOptimize(exercise.Paint(kMeasurer, kBoxWidth).size());
  }
  Report(state, content, exercise.LoadError());
}
BENCHMARK(BM_TrueFalse)->Apply(bench::LongInputs);

void BM_Columns(benchmark::State& state) {
  const std::string content = Content(
      state.range(0), Columns::kMaxWords,
      [](int n, const std::string& t) { return t + "*" + std::to_string(n % 3 + 1) + "#"; },
      "3#20#Monday#Tuesday#Wednesday#");
  SeededRandom random(1);
  Columns exercise;
  for (auto _ : state) {
    exercise.Load(content, random);
    exercise.Place(kMeasurer, 20, -1, -1, -1);
  }
  Report(state, content, exercise.LoadError());
}
BENCHMARK(BM_Columns)->Apply(bench::LongInputs);

// The texts are far too wide for the window, which refuses them, but only after measuring.
void BM_MatchingPairs(benchmark::State& state) {
  const std::string content = Content(
      state.range(0), MatchingPairs::kMaxPairs,
      [](int n, const std::string& t) { return "word" + std::to_string(n) + "*" + t + "#"; });
  SeededRandom random(1);
  MatchingPairs exercise;
  for (auto _ : state) benchmark::DoNotOptimize(exercise.Load(content, kMeasurer, random));
  bench::CountBytes(state, static_cast<std::int64_t>(content.size()));
}
BENCHMARK(BM_MatchingPairs)->Apply(bench::LongInputs);

void BM_Definitions(benchmark::State& state) {
  const std::string content = Content(
      state.range(0), Definitions::kMaxPairs,
      [](int n, const std::string& t) { return "word" + std::to_string(n) + "*" + t + "#"; });
  SeededRandom random(1);
  Definitions exercise;
  for (auto _ : state) {
    exercise.Load(content, random);
    exercise.Place(kMeasurer, 20, kMeasurer, -1);
  }
  Report(state, content, exercise.LoadError());
}
BENCHMARK(BM_Definitions)->Apply(bench::LongInputs);

void BM_Ordering(benchmark::State& state) {
  const std::string content =
      Content(state.range(0), Ordering::kMaxItems,
              [](int n, const std::string& t) { return t + "*" + std::to_string(n) + "#"; });
  SeededRandom random(1);
  Ordering exercise;
  for (auto _ : state) {
    exercise.Load(content, random);
    exercise.Place(kMeasurer, 20, -1, -1);
  }
  Report(state, content, exercise.LoadError());
}
BENCHMARK(BM_Ordering)->Apply(bench::LongInputs);

// A gap-text file of 1400 long words on lines of ten, every fifth word a gap.
std::string GapFile(std::int64_t bytes) {
  const std::string head = "GAP_W = 60\r\nGLOSSARY  = slowniczek\r\nBLANKS  = 1\r\n";
  const std::int64_t wordBytes =
      (bytes - static_cast<std::int64_t>(head.size())) / GapText::kMaxWords - 2;
  const std::string word = bench::Repeat("abcdefghij", wordBytes);
  std::string file = head;
  for (int n = 1; n <= GapText::kMaxWords; ++n) {
    file += (n % 5 ? "" : "&") + word + (n % 10 ? " " : "\r\n");
  }
  return file;
}

void BM_ParseGapText(benchmark::State& state) {
  const std::string file = GapFile(state.range(0));
  GapText text;
  for (auto _ : state) {
    text = ParseGapText(file, "t.fcs", 1);
    benchmark::DoNotOptimize(text.Words.data());
  }
  Report(state, file, text.Error);
}
BENCHMARK(BM_ParseGapText)->Apply(bench::LongInputs);

void BM_Typing(benchmark::State& state) {
  const std::string file = GapFile(state.range(0));
  const GapText text = ParseGapText(file, "t.fcs", 1);
  Typing exercise;
  for (auto _ : state) {
    exercise.Load(text);
    exercise.Attach(kMeasurer, kBoxWidth, 300);
    benchmark::DoNotOptimize(exercise.Paint().size());
  }
  Report(state, file, exercise.LoadError());
}
BENCHMARK(BM_Typing)->Apply(bench::LongInputs);

// Every line of a gap text is made ready so: one blank before each glued mark.
void BM_DetachMarks(benchmark::State& state) {
  const std::string line = bench::Repeat("ab,cd. ef!gh? ij; ", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(DetachMarks(line).size());
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_DetachMarks)->Apply(bench::LongInputs);

void BM_LayoutInstruction(benchmark::State& state) {
  const std::string instruction =
      bench::Repeat("Read the <B>text</B> and <I>choose</I> one answer. <BR> ", state.range(0));
  for (auto _ : state) {
    const std::vector<TextRun> runs =
        LayoutInstruction("Lang_r\\0\\", kBoxWidth, kMeasurer, "", instruction, "");
    benchmark::DoNotOptimize(runs.data());
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_LayoutInstruction)->Apply(bench::LongInputs);

}  // namespace
}  // namespace tess

BENCHMARK_MAIN();
