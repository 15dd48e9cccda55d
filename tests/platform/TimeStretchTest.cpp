// Slowed speech keeps its pitch: a test tone stretched in time is measured for its dominant
// frequency and its length.
#include "platform/TimeStretch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "ToneAnalysis.h"

namespace tess {
namespace {

using tones::Channel;
using tones::DominantHz;
using tones::Rms;
using tones::Tone;

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
