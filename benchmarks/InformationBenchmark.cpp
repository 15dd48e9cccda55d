// The texts of the information window (help texts and translations, with their markers) and
// the help window's page names and links, fed 64 KB to 1 MB.
#include <benchmark/benchmark.h>

#include <string>

#include "LongInput.h"
#include "coursebook/InformationText.h"
#include "media/HelpHistory.h"

namespace tess {
namespace {

const bench::ByteMeasurer kMeasurer;

// Words, markers, pictures and characters that only look like markers.
std::string InformationText(std::int64_t bytes) {
  return "HH_" +
         bench::Repeat("Press <b>here</b> [STAT_OK] and <i>see</i> @ a<b >c [x] <br> ", bytes - 3);
}

// The text is cut at its token limit, so the work stops growing once that is reached.
void BM_OpenAndLayOutInformation(benchmark::State& state) {
  const std::string text = InformationText(state.range(0));
  InformationPictureWidths widths{};
  widths.fill(16);
  InformationPage page;
  for (auto _ : state) {
    page.Open(text);
    page.LayOut(kMeasurer, widths, 540, 380);
    benchmark::DoNotOptimize(page.Layout().Pieces.data());
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_OpenAndLayOutInformation)->Apply(bench::LongInputs);

// One long word: no blank ends it before the end of the text.
void BM_TokeniseOneLongWord(benchmark::State& state) {
  const std::string text = bench::Repeat("abc<>@x", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(TokeniseInformation(text).size());
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_TokeniseOneLongWord)->Apply(bench::LongInputs);

// A link in a help page and the page it names: folders, a file and an anchor, all long.
void BM_HelpLinks(benchmark::State& state) {
  const std::string folder = bench::Repeat("Htm_r\\pages/", state.range(0) / 2);
  const std::string page = folder + "h_comp.html";
  const std::string href =
      "../" + bench::Repeat("sub/", state.range(0) / 2) + "h_x.html#" + bench::Repeat("a", 64);
  HelpHistory history;
  for (auto _ : state) {
    history.Open(page + "#top");
    const HelpPage target = ResolveHelpLink(history.Current().File, href);
    history.LinkFollowed(target);
    benchmark::DoNotOptimize(history.ContentsShown());
    benchmark::DoNotOptimize(IsWebLink(href));
    benchmark::DoNotOptimize(HelpFileName(target.File).size());
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_HelpLinks)->Apply(bench::LongInputs);

}  // namespace
}  // namespace tess

BENCHMARK_MAIN();
