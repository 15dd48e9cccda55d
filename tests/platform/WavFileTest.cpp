#include "platform/WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "WavFixtures.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteToneWav;

TEST(WavFileTest, LengthsOfEveryEncoding) {
  struct Row {
    const char* name;
    int subtype;
    int rate;
    int channels;
    long frames;
    std::int64_t ms;
  };
  // Milliseconds are truncated: 2756 frames at 11025 Hz are 249.97 ms.
  const Row rows[] = {
      {"pcm16_mono_8k", SF_FORMAT_PCM_16, 8000, 1, 12345, 1543},
      {"pcm16_stereo_44k", SF_FORMAT_PCM_16, 44100, 2, 44100 * 3 / 2, 1500},
      {"pcm_u8_11k", SF_FORMAT_PCM_U8, 11025, 1, 11025 / 4, 249},
      {"mulaw_8k", SF_FORMAT_ULAW, 8000, 1, 4004, 500},
      {"alaw_stereo", SF_FORMAT_ALAW, 22050, 2, 22050, 1000},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder / (std::string(row.name) + ".wav");
    ASSERT_TRUE(WriteToneWav(path, row.subtype, row.rate, row.channels, row.frames));
    WavFormat format;
    ASSERT_TRUE(ReadWavFormat(path, format));
    EXPECT_EQ(format.SampleRate, row.rate);
    EXPECT_EQ(format.Channels, row.channels);
    EXPECT_EQ(WavLengthMs(path), row.ms);

    std::vector<std::int16_t> samples;
    ASSERT_TRUE(ReadWavSamples(path, format, samples));
    EXPECT_EQ(format.Frames, row.frames);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(row.frames * row.channels));
  }
}

TEST(WavFileTest, ImaAdpcmCountsWholeBlocks) {
  // 4 blocks of 505 samples at 8000 Hz: 2020 frames, 252 ms, though "fact" says 1200.
  TempFolder folder;
  const std::string path = folder / "ima.wav";
  testing::WriteBytes(path, testing::ImaAdpcmWavBytes(8000, 4, 1200));
  WavFormat format;
  ASSERT_TRUE(ReadWavFormat(path, format));
  EXPECT_EQ(format.Frames, 2020);
  EXPECT_EQ(WavLengthMs(path), 252);
  std::vector<std::int16_t> samples;
  ASSERT_TRUE(ReadWavSamples(path, format, samples));
  EXPECT_EQ(samples.size(), 2020u);
  EXPECT_EQ(std::count(samples.begin(), samples.end(), 0), 2020) << "silence decodes as zeros";
}

TEST(WavFileTest, PathsGoThroughTheResolver) {
  TempFolder folder;
  ASSERT_TRUE(WriteToneWav(folder / "Ok.wav", SF_FORMAT_PCM_16, 8000, 1, 800));
  EXPECT_EQ(WavLengthMs(folder.path() + "\\OK.WAV"), 100);
}

TEST(WavFileTest, WrittenRecordingReadsBack) {
  TempFolder folder;
  const std::string path = folder / "tmp1.Wav";
  std::vector<std::int16_t> samples(2 * 4410);  // 100 ms of stereo at 44.1 kHz
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>(i);
  ASSERT_TRUE(WriteWavPcm16(path, 44100, 2, samples.data(), samples.size()));

  WavFormat format;
  std::vector<std::int16_t> back;
  ASSERT_TRUE(ReadWavSamples(path, format, back));
  EXPECT_EQ(format.SampleRate, 44100);
  EXPECT_EQ(format.Channels, 2);
  EXPECT_EQ(format.LengthMs(), 100);
  EXPECT_EQ(back, samples);
  // A canonical RIFF/WAVE header of 16-bit PCM, so every player takes it.
  const std::string bytes = testing::ReadBytes(path);
  ASSERT_GE(bytes.size(), 44u);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes.substr(8, 4), "WAVE");
  EXPECT_EQ(bytes[20], 1) << "format tag PCM";
  EXPECT_EQ(bytes[34], 16) << "bits per sample";
}

TEST(WavFileTest, EmptyRecordingHasLengthZero) {
  TempFolder folder;
  const std::string path = folder / "empty.wav";
  ASSERT_TRUE(WriteWavPcm16(path, 22050, 1, nullptr, 0));
  EXPECT_EQ(WavLengthMs(path), 0);
}

TEST(WavFileTest, UnreadableFilesGiveAnErrorText) {
  TempFolder folder;
  testing::WriteBytes(folder / "text.wav", "this is not a sound");
  for (const std::string& path : {folder / "text.wav", folder / "missing.wav"}) {
    SCOPED_TRACE(path);
    std::string error;
    EXPECT_EQ(WavLengthMs(path, &error), -1);
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  EXPECT_FALSE(WriteWavPcm16(folder / "no-such-folder/x.wav", 8000, 1, nullptr, 0, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tess
