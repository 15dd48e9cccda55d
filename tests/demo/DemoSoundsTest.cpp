// The assembled demo installation has every sound and film the course plays: each recorded
// text of the exercise list has its recording, the films' marks fall inside their texts, and
// every WAV file is one the players read.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/ExerciseList.h"
#include "media/MediaWindowLogic.h"
#include "platform/WavFile.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

class DemoSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test command always assembles the installation first, so a missing one is a fault.
    ASSERT_TRUE(fs::is_directory(root_)) << "no demo installation at " << root_;
  }
  std::string PathOf(const std::string& relative) const { return (root_ / relative).string(); }

  const fs::path root_{TESS_INSTALL_DIR};
};

TEST_F(DemoSounds, SignalSoundsAreShort) {
  for (const char* name : {"wav_r/r_open.wav", "Wav_r/ok.wav", "Wav_r/no.wav"}) {
    SCOPED_TRACE(name);
    const std::int64_t ms = WavLengthMs(PathOf(name));
    EXPECT_GE(ms, 150);
    EXPECT_LE(ms, 2500);
  }
}

TEST_F(DemoSounds, EveryTextHasItsRecordingAndFilmsHaveTheirMarks) {
  ExerciseList list;
  ASSERT_TRUE(LoadExerciseList(PathOf("St_a.txt"), list));
  std::map<std::string, std::array<int, kJumpMarks>> texts;
  for (const ExerciseEntry& entry : list.Entries()) {
    texts[entry.HeaderField(2)] = JumpTimesFromHeader(entry.HeaderLine);
  }
  ASSERT_GE(texts.size(), 2u);
  int films = 0;
  for (const auto& [n, times] : texts) {
    SCOPED_TRACE("text " + n);
    const std::int64_t length = WavLengthMs(PathOf("Hdd/Teksty_wav/" + n + ".wav"));
    EXPECT_GE(length, 10000) << "a recorded text of some length";
    if (!fs::exists(PathOf("Teksty_mpg_r/" + n + ".mpg"))) continue;
    ++films;
    const std::string film = testing::ReadBytes(PathOf("Teksty_mpg_r/" + n + ".mpg"));
    ASSERT_GE(film.size(), 4u);
    EXPECT_EQ(film.substr(0, 4), std::string("\0\0\1\xBA", 4)) << "an MPEG program stream";
    EXPECT_EQ(times[0], 0) << "the text's exercises carry the film's marks";
    for (int k = 1; k < kJumpMarks; ++k) {
      EXPECT_GT(times[k], times[k - 1]);
      EXPECT_LT(times[k] + 3000, length) << "mark " << k + 1 << " lies inside the recording";
    }
  }
  EXPECT_GE(films, 2);
}

TEST_F(DemoSounds, EverySoundIsAReadableWave) {
  int sounds = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    if (entry.path().extension() != ".wav") continue;
    SCOPED_TRACE(entry.path().string());
    WavFormat format;
    std::string error;
    ASSERT_TRUE(ReadWavFormat(entry.path().string(), format, &error)) << error;
    // Speech is never this short; the dictionary's click is the one short sound.
    const bool click = entry.path().filename() == "klik.wav";
    EXPECT_GE(format.LengthMs(), click ? 10 : 150);
    EXPECT_LE(format.LengthMs(), 120000);
    ++sounds;
  }
  EXPECT_GE(sounds, 3);
}

}  // namespace
}  // namespace tess
