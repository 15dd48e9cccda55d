// Slowed speech keeps its pitch: a test tone stretched in time is measured for its dominant
// frequency and its length.
#include "platform/TimeStretch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace tess {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<std::int16_t> Tone(double hz, int rate, int channels, double seconds) {
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
std::vector<double> Channel(const std::vector<std::int16_t>& pcm, int channels, int channel,
                            std::size_t from, std::size_t count) {
  std::vector<double> out;
  for (std::size_t i = from; i < from + count; ++i)
    out.push_back(pcm[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)]);
  return out;
}

/// Power of `hz` in `x` (Goertzel), normalised by the window.
double PowerAt(const std::vector<double>& x, int rate, double hz) {
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
double DominantHz(const std::vector<double>& x, int rate) {
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

double Rms(const std::vector<double>& x) {
  double sum = 0;
  for (double v : x) sum += v * v;
  return std::sqrt(sum / static_cast<double>(x.size()));
}

TEST(TimeStretchTest, SlowedToneKeepsItsPitchAndGrowsAsSet) {
  struct Row {
    int rate;
    int channels;
    double speed;
  };
  const Row rows[] = {
      {22050, 1, 0.70}, {22050, 1, 0.55}, {44100, 2, 0.70},
      {44100, 2, 0.55}, {8000, 1, 0.85},  {11025, 1, 0.55},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.rate << " Hz, " << row.channels << " channel(s), speed " << row.speed);
    const auto in = Tone(440, row.rate, row.channels, 2.0);
    const std::size_t inFrames = in.size() / static_cast<std::size_t>(row.channels);
    const auto out = StretchTime(in, row.channels, row.rate, row.speed);
    ASSERT_EQ(out.size() % static_cast<std::size_t>(row.channels), 0u);
    const std::size_t outFrames = out.size() / static_cast<std::size_t>(row.channels);
    EXPECT_NEAR(static_cast<double>(outFrames) / static_cast<double>(inFrames), 1.0 / row.speed,
                0.02 / row.speed);

    // A second from the middle, clear of the start-up and the padded tail.
    const std::size_t window = static_cast<std::size_t>(row.rate);
    const std::size_t from = (outFrames - window) / 2;
    for (int c = 0; c < row.channels; ++c) {
      SCOPED_TRACE(testing::Message() << "channel " << c);
      const auto middle = Channel(out, row.channels, c, from, window);
      EXPECT_NEAR(DominantHz(middle, row.rate), 440.0, 440.0 * 0.03);
      // Still the tone at its loudness, not silence or a fraction of it.
      EXPECT_NEAR(Rms(middle), 8000 / std::sqrt(2.0), 8000 * 0.15);
    }
  }
}

TEST(TimeStretchTest, FullSpeedAndUnusableRequestsLeaveTheSoundAsItIs) {
  const auto in = Tone(440, 22050, 1, 0.5);
  EXPECT_EQ(StretchTime(in, 1, 22050, 1.0), in);
  EXPECT_EQ(StretchTime(in, 1, 22050, 0.0), in);
  EXPECT_EQ(StretchTime(in, 0, 22050, 0.7), in);
  EXPECT_TRUE(StretchTime({}, 1, 22050, 0.7).empty());
  // A sound shorter than one stretching window still gets its share of time.
  const auto blip = Tone(440, 22050, 1, 0.01);
  EXPECT_NEAR(static_cast<double>(StretchTime(blip, 1, 22050, 0.55).size()),
              static_cast<double>(blip.size()) / 0.55, 1.0);
}

}  // namespace
}  // namespace tess
