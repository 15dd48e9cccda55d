// The shared wave player on the machine's real output, or in silence where there is none;
// either way its time passes and its ends are reported.
#include "platform/QtWavePlayer.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <functional>

#include "WavFixtures.h"
#include "platform/QtPlatform.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

class QtWavePlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    player_.SetDoneHandler([this](PlayResult result) { reports_.push_back(result); });
  }

  std::string Tone(const std::string& name, int ms, int subtype = SF_FORMAT_PCM_16) {
    const std::string path = folder_ / name;
    EXPECT_TRUE(testing::WriteToneWav(path, subtype, 22050, 1, 22050L * ms / 1000));
    return path;
  }
  void OpenFile(const std::string& path) {
    player_.SetFileName(path);
    std::string error;
    ASSERT_TRUE(player_.Open(&error)) << error;
  }
  void Wait(int ms) { waiter_.WaitWithEvents(ms); }

  TempFolder folder_;
  QtWavePlayer player_;
  QtEventWaiter waiter_;
  std::vector<PlayResult> reports_;
};

TEST_F(QtWavePlayerTest, WaitedPlayReturnsAtTheEndAndReportsSuccessAfterwards) {
  // Eight blocks of IMA ADPCM at 8000 Hz: 4040 frames, 505 ms.
  const std::string path = folder_ / "ima.wav";
  testing::WriteBytes(path, testing::ImaAdpcmWavBytes(8000, 8, 4000));
  OpenFile(path);
  EXPECT_EQ(player_.State(), PlayerState::Open);
  EXPECT_EQ(player_.LengthMs(), 505);

  QElapsedTimer elapsed;
  elapsed.start();
  player_.SetWait(true);
  player_.Play();
  EXPECT_GE(elapsed.elapsed(), 495);
  EXPECT_LT(elapsed.elapsed(), 3000);
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  EXPECT_EQ(player_.PositionMs(), 505);
  EXPECT_TRUE(reports_.empty()) << "the report is an event of its own";
  Wait(0);
  EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});

  // Played through, it starts again from the beginning; the wait flag was for one play only.
  player_.Play();
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_LT(player_.PositionMs(), 100);
  Wait(800);
  EXPECT_EQ(reports_.size(), 2u);
  EXPECT_EQ(reports_.back(), PlayResult::Successful);
}

TEST_F(QtWavePlayerTest, InterruptedCommandsNeverReportSuccess) {
  struct Row {
    const char* name;
    std::function<void(QtWavePlayer&)> interrupt;
    PlayResult result;
    PlayerState state;
  };
  const Row rows[] = {
      {"stop", [](QtWavePlayer& p) { p.Stop(); }, PlayResult::Aborted, PlayerState::Stopped},
      {"pause", [](QtWavePlayer& p) { p.Pause(); }, PlayResult::Aborted, PlayerState::Paused},
      {"seek", [](QtWavePlayer& p) { p.Seek(0); }, PlayResult::Aborted, PlayerState::Stopped},
      {"close", [](QtWavePlayer& p) { p.Close(); }, PlayResult::Aborted, PlayerState::NotReady},
      {"play again", [](QtWavePlayer& p) { p.Play(); }, PlayResult::Superseded,
       PlayerState::Playing},
  };
  const std::string path = Tone("tone.wav", 250);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    reports_.clear();
    OpenFile(path);
    player_.Play();
    Wait(60);
    row.interrupt(player_);
    EXPECT_EQ(player_.State(), row.state);
    Wait(450);
    ASSERT_FALSE(reports_.empty());
    EXPECT_EQ(reports_.front(), row.result);
    // Only the command that replaced it may end well.
    const std::size_t successes =
        std::count(reports_.begin(), reports_.end(), PlayResult::Successful);
    EXPECT_EQ(successes, row.state == PlayerState::Playing ? 1u : 0u);
    player_.Close();
    Wait(0);
  }
}

TEST_F(QtWavePlayerTest, PauseKeepsThePositionAndPlayGoesOn) {
  OpenFile(Tone("long.wav", 1000));
  player_.Play();
  Wait(300);
  player_.Pause();
  const std::int64_t paused = player_.PositionMs();
  EXPECT_GE(paused, 250);
  EXPECT_LE(paused, 600);
  Wait(200);
  EXPECT_EQ(player_.PositionMs(), paused);

  QElapsedTimer elapsed;
  elapsed.start();
  player_.SetWait(true);
  player_.Play();
  EXPECT_GE(elapsed.elapsed(), 1000 - paused - 30);
  EXPECT_LT(elapsed.elapsed(), 1000 - paused + 1500);
  Wait(0);
  EXPECT_EQ(reports_, (std::vector<PlayResult>{PlayResult::Aborted, PlayResult::Successful}));
}

TEST_F(QtWavePlayerTest, SeekMovesAndStopKeepsThePosition) {
  OpenFile(Tone("long.wav", 1000));
  player_.Seek(700);
  EXPECT_EQ(player_.PositionMs(), 700);
  player_.Seek(5000);
  EXPECT_EQ(player_.PositionMs(), 1000);
  player_.Seek(400);
  player_.Play();
  Wait(100);
  player_.Stop();
  EXPECT_GE(player_.PositionMs(), 450);
  EXPECT_LT(player_.PositionMs(), 1000);
}

TEST_F(QtWavePlayerTest, SlowedSoundTakesLongerWhileItsClockKeepsTheRecordingsTime) {
  OpenFile(Tone("tone.wav", 600));
  player_.SetSpeed(0.55);
  EXPECT_EQ(player_.LengthMs(), 600);
  player_.Play();
  Wait(330);
  EXPECT_NEAR(static_cast<double>(player_.PositionMs()), 330 * 0.55, 70);

  // Seeking works in the recording's time too; from 300 ms the rest lasts 300 / 0.55.
  player_.Seek(300);
  QElapsedTimer elapsed;
  elapsed.start();
  player_.SetWait(true);
  player_.Play();
  EXPECT_GE(elapsed.elapsed(), 300 / 0.55 - 30);
  EXPECT_LT(elapsed.elapsed(), 300 / 0.55 + 1500);
  EXPECT_EQ(player_.PositionMs(), 600);
  Wait(0);
  EXPECT_EQ(reports_, (std::vector<PlayResult>{PlayResult::Aborted, PlayResult::Successful}));
}

TEST_F(QtWavePlayerTest, ANewPaceAppliesAtOnceWithoutEndingThePlay) {
  struct Row {
    const char* name;
    bool pausedMeanwhile;
  };
  for (const Row row : {Row{"playing", false}, Row{"paused", true}}) {
    SCOPED_TRACE(row.name);
    reports_.clear();
    player_.SetSpeed(1.0);
    OpenFile(Tone("long.wav", 1000));
    player_.Play();
    Wait(200);
    if (row.pausedMeanwhile) player_.Pause();
    const std::int64_t before = player_.PositionMs();
    player_.SetSpeed(0.5);
    EXPECT_EQ(player_.Speed(), 0.5);
    EXPECT_NEAR(static_cast<double>(player_.PositionMs()), static_cast<double>(before), 20);
    if (row.pausedMeanwhile) player_.Resume();
    EXPECT_EQ(player_.State(), PlayerState::Playing);
    Wait(400);
    // 400 ms at half pace moved the recording on by about 200 ms.
    EXPECT_NEAR(static_cast<double>(player_.PositionMs()), static_cast<double>(before) + 200, 80);
    Wait(2000);
    const std::vector<PlayResult> expected =
        row.pausedMeanwhile ? std::vector{PlayResult::Aborted, PlayResult::Successful}
                            : std::vector{PlayResult::Successful};
    EXPECT_EQ(reports_, expected);
    player_.Close();
  }
  // Out of range means as recorded.
  player_.SetSpeed(0);
  EXPECT_EQ(player_.Speed(), 1.0);
}

TEST_F(QtWavePlayerTest, FileThatIsNoSoundIsRefusedWithAText) {
  testing::WriteBytes(folder_ / "notes.wav", "not a sound at all");
  player_.SetFileName(folder_ / "notes.wav");
  std::string error;
  EXPECT_FALSE(player_.Open(&error));
  EXPECT_NE(error.find("notes.wav"), std::string::npos) << error;
  EXPECT_EQ(player_.State(), PlayerState::NotReady);
  player_.Play();
  Wait(50);
  EXPECT_EQ(player_.State(), PlayerState::NotReady);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(QtWavePlayerTest, SoundReachesTheOutputDevice) {
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    GTEST_SKIP() << "no audio output device (scripts/test.sh starts a PulseAudio server)";
  }
  OpenFile(Tone("tone.wav", 200));
  player_.Play();
  EXPECT_TRUE(player_.HasOutput());
  Wait(500);
  EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});

  // Slowed, the stretched sound goes to the device and ends by the slower clock.
  reports_.clear();
  player_.SetSpeed(0.7);
  player_.Play();
  EXPECT_TRUE(player_.HasOutput());
  Wait(200);
  EXPECT_TRUE(reports_.empty());
  Wait(500);
  EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});
}

}  // namespace
}  // namespace tess
