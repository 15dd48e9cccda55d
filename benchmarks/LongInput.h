#pragma once
// What the long-input benchmarks share: inputs of 64 KB, 256 KB and 1 MB, a measurer that
// costs what the text's length costs, and texts of many short words.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/TextMeasurer.h"

namespace tess::bench {

constexpr std::int64_t kSmallest = 64 << 10;
constexpr std::int64_t kLargest = 1 << 20;

/// 64 KB, 256 KB and 1 MB, with the fitted complexity printed after them.
inline void LongInputs(benchmark::internal::Benchmark* b) {
  b->RangeMultiplier(4)->Range(kSmallest, kLargest)->Complexity()->Unit(benchmark::kMicrosecond);
}

/// The input's size for the fit, and its bytes per second.
inline void CountBytes(benchmark::State& state, std::int64_t bytes) {
  state.SetComplexityN(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

/// Every byte 6 pixels wide, 7 in bold; it reads every byte, like a real font would.
class ByteMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool) const override {
    int width = 0;
    for (const char c : text) width += c == '\0' ? 0 : (bold ? 7 : 6);
    return width;
  }
};

/// `unit` repeated until `bytes` long (the last copy cut short).
inline std::string Repeat(std::string_view unit, std::int64_t bytes) {
  std::string text;
  text.reserve(static_cast<size_t>(bytes));
  while (text.size() + unit.size() <= static_cast<size_t>(bytes)) text += unit;
  text += unit.substr(0, static_cast<size_t>(bytes) - text.size());
  return text;
}

/// Words of two to seven letters with single blanks, `bytes` long.
inline std::string Words(std::int64_t bytes) { return Repeat("ab cde fghi jk lmnopqr st ", bytes); }

}  // namespace tess::bench
