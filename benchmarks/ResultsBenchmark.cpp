// The results store at its full size of 1000 records: a new user's records built from the
// course material, saved and loaded again.
#include <benchmark/benchmark.h>

#include <string>

#include "core/KindCode.h"
#include "results/CourseMaterial.h"
#include "results/ResultsStore.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

// 300 exercises of 200 texts, 100 comprehension exercises, 250 sentence packages (two drills
// each) and 20 conversations offering all five modes: exactly 1000 records.
CourseMaterial FullCourse() {
  CourseMaterial material;
  CourseCatalogue& catalogue = material.Catalogue;
  for (int g = 1; g <= GroupList::kMaxGroups; ++g) {
    const std::string n = std::to_string(g);
    catalogue.Groups.Add({"Group " + n, "Gruppe " + n, "Grupa " + n, "g" + n});
  }
  for (int t = 1; t <= TextCatalogue::kMaxTexts; ++t) {
    const std::string n = std::to_string(t);
    catalogue.Texts.Add({t, t % 4 + 1, t % 30 + 1, "Text " + n, "Text " + n, "Tekst " + n});
  }
  static const char* const kKinds[] = {"MC", "TF", "DD", "HH", "WP", "DF", "DV"};
  for (int e = 0; e < 300; ++e) {
    ExerciseEntry entry;
    entry.HeaderLine = "x#" + std::to_string(e % 200 + 1) + "#tlo#de#pl#en#";
    entry.KindLine = std::string(kKinds[e % 7]) + "#q#";
    entry.LayoutLine = "0=0=0=0=0=0=0=0=0=0=";
    material.Exercises.Add(std::move(entry));
  }
  for (int c = 1; c <= ComprehensionCatalogue::kMaxExercises; ++c) {
    ComprehensionExercise entry;
    entry.Identifier = "KDX_AB0102";
    entry.NamesLine = "Sklep=Laden=Shop=";
    entry.Level = c % 4 + 1;
    entry.GroupNumber = c % 30 + 1;
    catalogue.Comprehension.Add(std::move(entry));
  }
  for (int s = 0; s < 250; ++s) {
    Sentence sentence;
    sentence.Level = s % 4 + 1;
    sentence.PackageCode = std::to_string(s / 30 + 10);
    sentence.GroupNumber = s % 30 + 1;
    sentence.Variants[0] = "A sentence.";
    sentence.Translation = "Zdanie.";
    catalogue.Sentences.Add(std::move(sentence));
  }
  catalogue.Sentences.BuildPackages();
  for (int d = 1; d <= 20; ++d) {
    Conversation conversation;
    conversation.GroupNumber = d;
    conversation.LevelNumber = d % 4 + 1;
    conversation.TitlePl = "Rozmowa";
    conversation.TitleEn = "Talk";
    conversation.TitleDe =
        "Gespr\xE4"
        "ch";
    conversation.ModeFlags = "TTTTT";
    material.Conversations.Add(std::move(conversation));
  }
  return material;
}

constexpr double kNow = 45000.5;

void BM_BuildResults(benchmark::State& state) {
  const CourseMaterial material = FullCourse();
  ResultsStore store;
  for (auto _ : state) {
    const bool whole = BuildResults(material, kNow, store);
    benchmark::DoNotOptimize(whole);
  }
  if (store.Count() != ResultsStore::kMaxRecords) state.SkipWithError("not 1000 records");
}
BENCHMARK(BM_BuildResults)->Unit(benchmark::kMicrosecond);

void BM_SaveResults(benchmark::State& state) {
  const testing::TempFolder folder;
  const std::string path = folder / "wyniki";
  ResultsStore store;
  BuildResults(FullCourse(), kNow, store);
  for (auto _ : state) {
    if (!SaveResults(path, store)) state.SkipWithError("the save failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * store.Count() *
                          static_cast<std::int64_t>(kResultRecordSize));
}
// The save flushes the file to disk before its rename, so its time is mostly the disk's.
BENCHMARK(BM_SaveResults)->Unit(benchmark::kMicrosecond);

void BM_LoadResults(benchmark::State& state) {
  const testing::TempFolder folder;
  const std::string path = folder / "wyniki";
  ResultsStore saved;
  BuildResults(FullCourse(), kNow, saved);
  SaveResults(path, saved);
  ResultsStore store;
  for (auto _ : state) {
    if (!LoadResults(path, store)) state.SkipWithError("the load failed");
  }
  if (store.Records() != saved.Records()) state.SkipWithError("the records changed");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * store.Count() *
                          static_cast<std::int64_t>(kResultRecordSize));
}
BENCHMARK(BM_LoadResults)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess

BENCHMARK_MAIN();
