#pragma once
// The one random source of a program. Logic asks it for numbers and never reaches for a
// global generator, so tests can seed it or script its answers.
#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <utility>
#include <vector>

namespace tess {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  /// A random integer from `from` to `to`, both included; `from` when `to` is below it.
  virtual int Between(int from, int to) = 0;
};

/// The same sequence for the same seed (with the same standard library).
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  int Between(int from, int to) override {
    if (to <= from) return from;
    return std::uniform_int_distribution<int>(from, to)(engine_);
  }

 private:
  std::mt19937 engine_;
};

/// The program's source: seeded from the clock at start.
class ClockSeededRandom : public SeededRandom {
 public:
  ClockSeededRandom()
      : SeededRandom(static_cast<std::uint32_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}
};

/// For tests: answers with the scripted values in order (each clamped into the range asked
/// for), then with the lower end; records every range asked for.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<int> answers) : answers(answers.begin(), answers.end()) {}
  int Between(int from, int to) override {
    asked.emplace_back(from, to);
    if (answers.empty()) return from;
    const int value = answers.front();
    answers.pop_front();
    if (value < from) return from;
    return value > to ? (to < from ? from : to) : value;
  }

  std::deque<int> answers;
  std::vector<std::pair<int, int>> asked;
};

}  // namespace tess
