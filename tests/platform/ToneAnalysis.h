#pragma once
// Test tones and the measures of sound made from them: the dominant frequency and the level.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tess::tones {

constexpr double kPi = 3.14159265358979323846;

inline std::vector<std::int16_t> Tone(double hz, int rate, int channels, double seconds) {
  const auto frames = static_cast<std::size_t>(rate * seconds);
  std::vector<std::int16_t> out(frames * static_cast<std::size_t>(channels));
  for (std::size_t i = 0; i < frames; ++i) {
    const auto v =
        static_cast<std::int16_t>(8000 * std::sin(2 * kPi * hz * static_cast<double>(i) / rate));
    for (int c = 0; c < channels; ++c)
      out[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] = v;
  }
  return out;
}

/// One channel's samples from `from` for `count` frames, as doubles.
inline std::vector<double> Channel(const std::vector<std::int16_t>& pcm, int channels, int channel,
                                   std::size_t from, std::size_t count) {
  std::vector<double> out;
  for (std::size_t i = from; i < from + count; ++i)
    out.push_back(pcm[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)]);
  return out;
}

/// Power of `hz` in `x` (Goertzel), normalised by the window.
inline double PowerAt(const std::vector<double>& x, int rate, double hz) {
  const double w = 2 * kPi * hz / rate;
  const double coefficient = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    // A Hann window keeps neighbouring frequencies from leaking into the peak.
    const double hann = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / (x.size() - 1));
    const double s = x[i] * hann + coefficient * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return (s1 * s1 + s2 * s2 - coefficient * s1 * s2) / static_cast<double>(x.size());
}

/// The strongest frequency between 100 and 1500 Hz: a coarse scan, then 1 Hz steps around
/// its peak.
inline double DominantHz(const std::vector<double>& x, int rate) {
  const auto peak = [&](double from, double to, double step) {
    double best = from, bestPower = -1;
    for (double hz = from; hz <= to; hz += step) {
      const double p = PowerAt(x, rate, hz);
      if (p > bestPower) {
        bestPower = p;
        best = hz;
      }
    }
    return best;
  };
  const double coarse = peak(100, 1500, 10);
  return peak(coarse - 10, coarse + 10, 1);
}

inline double Rms(const std::vector<double>& x) {
  double sum = 0;
  for (double v : x) sum += v * v;
  return std::sqrt(sum / static_cast<double>(x.size()));
}

}  // namespace tess::tones
