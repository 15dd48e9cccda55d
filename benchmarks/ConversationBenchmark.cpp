// A conversation of 25 phrases sharing 64 KB to 1 MB: its phrases split into speaker and
// words, laid out in the text area, and its gaps drawn for the drag exercise.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "LongInput.h"
#include "core/ConversationTable.h"
#include "drills/ConversationGaps.h"
#include "drills/ConversationLayout.h"
#include "drills/ConversationScript.h"
#include "platform/RandomSource.h"

namespace tess {
namespace {

const bench::ByteMeasurer kMeasurer;

Conversation WithPhrases(const std::vector<std::string>& texts) {
  Conversation conversation;
  for (size_t i = 0; i < texts.size(); ++i) {
    conversation.Sounds.push_back(std::string("s").append(std::to_string(i + 1)));
    conversation.Roles.push_back(static_cast<int>(i % 2) + 1);
    conversation.Texts.push_back((i % 2 ? "Anna: " : "Tom: ") + texts[i]);
    conversation.Translations.push_back("Zdanie.");
  }
  conversation.PhraseCount = static_cast<int>(texts.size());
  return conversation;
}

LayoutSettings Settings(const ConversationScript& script, bool gapMode) {
  LayoutSettings settings;
  settings.AreaWidth = 544;
  settings.SpeakerWidth = script.SpeakerWidth(kMeasurer);
  settings.GapMode = gapMode;
  settings.MarkWidth = 20;
  settings.MarkHeight = 16;
  return settings;
}

std::vector<LayoutPhrase> Phrases(const ConversationScript& script) {
  std::vector<LayoutPhrase> phrases;
  for (int k = 1; k <= script.Count(); ++k) {
    phrases.push_back({script.Phrase(k).Speaker, script.Phrase(k).Text, false});
  }
  return phrases;
}

void BM_SplitPhraseWords(benchmark::State& state) {
  const std::string phrase = bench::Words(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(SplitPhraseWords(phrase).size());
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_SplitPhraseWords)->Apply(bench::LongInputs);

// A conversation opened: its script made and its text area laid out.
void BM_ScriptAndLayout(benchmark::State& state) {
  const std::vector<std::string> texts(
      ConversationTable::kMaxPhrases,
      bench::Words(state.range(0) / ConversationTable::kMaxPhrases));
  const Conversation conversation = WithPhrases(texts);
  for (auto _ : state) {
    const ConversationScript script(conversation);
    const ConversationPicture picture =
        LayoutConversation(Phrases(script), Settings(script, false), kMeasurer);
    benchmark::DoNotOptimize(picture.Runs.data());
  }
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_ScriptAndLayout)->Apply(bench::LongInputs);

// Gaps are drawn from phrases of at most 800 words, so these have 200 long ones each, all
// different, and three gaps each until the 20 are reached.
void BM_DrawGapsAndLayout(benchmark::State& state) {
  constexpr int kWords = 200;
  const std::int64_t wordBytes = state.range(0) / ConversationTable::kMaxPhrases / kWords - 1;
  std::vector<std::string> texts;
  for (int p = 0; p < ConversationTable::kMaxPhrases; ++p) {
    std::string text;
    for (int w = 0; w < kWords; ++w) {
      const std::string number = std::to_string(p * kWords + w);
      text += number + bench::Repeat("x", wordBytes - static_cast<std::int64_t>(number.size())) +
              (w + 1 < kWords ? " " : ".");
    }
    texts.push_back(std::move(text));
  }
  const ConversationScript script(WithPhrases(texts));
  std::vector<std::string> phraseTexts;
  for (int k = 1; k <= script.Count(); ++k) phraseTexts.push_back(script.Phrase(k).Text);
  SeededRandom random(1);
  ConversationGaps gaps;
  for (auto _ : state) {
    std::vector<std::string> marked = phraseTexts;
    gaps.Draw(marked, random);
    std::vector<LayoutPhrase> phrases = Phrases(script);
    for (size_t i = 0; i < phrases.size(); ++i) phrases[i].Words = marked[i];
    const ConversationPicture picture =
        LayoutConversation(phrases, Settings(script, true), kMeasurer);
    gaps.Take(picture);
    benchmark::DoNotOptimize(picture.Gaps.data());
  }
  if (gaps.Count() != ConversationGaps::kMaxGaps) state.SkipWithError("gaps are missing");
  bench::CountBytes(state, state.range(0));
}
BENCHMARK(BM_DrawGapsAndLayout)->Apply(bench::LongInputs);

}  // namespace
}  // namespace tess

BENCHMARK_MAIN();
