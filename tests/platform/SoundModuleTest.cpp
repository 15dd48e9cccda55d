// The sound module as the programs load it: its players work, and a module that cannot be
// loaded gives players that say why instead of a crash.
#include "platform/SoundModule.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <fstream>

#include "WavFixtures.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

TEST(SoundModuleTest, TheBuiltModuleMakesPlayersThatOpenAWave) {
  std::string error;
  SoundDevices* devices = LoadSoundModule(TESS_SOUND_MODULE, &error);
  ASSERT_NE(devices, nullptr) << error;
  EXPECT_EQ(LoadSoundModule(TESS_SOUND_MODULE, &error), devices) << "one set for the process";

  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string tone = folder / "tone.wav";
  ASSERT_TRUE(testing::WriteToneWav(tone, SF_FORMAT_PCM_16, 22050, 1, 22050));
  auto player = devices->MakeWavePlayer();
  player->SetFileName(tone);
  ASSERT_TRUE(player->Open(&error)) << error;
  EXPECT_NEAR(static_cast<double>(player->LengthMs()), 1000, 5);
  player->Close();

  auto film = devices->MakeFilmPlayer();
  film->SetFileName(folder / "missing.mpg");
  EXPECT_FALSE(film->Open(&error));
  EXPECT_NE(devices->MakeVoiceRecorder(), nullptr);
}

TEST(SoundModuleTest, AModuleThatCannotBeLoadedIsRefusedWithTheReason) {
  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string notALibrary = folder / "tessaron-sound.so";
  std::ofstream(notALibrary) << "not a library";
  for (const std::string& file : {notALibrary, std::string(folder / "missing.so")}) {
    std::string error;
    EXPECT_EQ(LoadSoundModule(file, &error), nullptr) << file;
    EXPECT_FALSE(error.empty()) << file;
  }
}

TEST(SoundModuleTest, WithoutAModuleBesideTheProgramNothingPlaysAndTheMessageSaysWhy) {
  // The test program's folder holds no module.
  auto player = WavePlayerOnFirstUse();
  player->SetFileName("/nowhere/tone.wav");
  EXPECT_EQ(player->FileName(), "/nowhere/tone.wav");
  std::string error;
  EXPECT_FALSE(player->Open(&error));
  EXPECT_NE(error.find("Nie można wczytać modułu dźwięku"), std::string::npos) << error;
  player->Play();
  EXPECT_EQ(player->State(), PlayerState::NotReady);

  auto recorder = VoiceRecorderOnFirstUse();
  const int code = recorder->Open();
  EXPECT_NE(code, 0);
  EXPECT_NE(recorder->ErrorText(code).find("tessaron-sound.so"), std::string::npos);
  EXPECT_TRUE(LoadedSoundDevices().AudioOutputNames().empty());
}

}  // namespace
}  // namespace tess
