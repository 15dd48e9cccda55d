// The media window's player through GStreamer, on small films made here with ffmpeg.
#include "platform/QtFilmPlayer.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include "WavFixtures.h"
#include "platform/QtPlatform.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

class QtFilmPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
      GTEST_SKIP() << "no audio output device (scripts/test.sh starts a PulseAudio server)";
    }
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
      GTEST_SKIP() << "ffmpeg is not installed; it makes the test films";
    }
    player_.SetDoneHandler([this](PlayResult result) { reports_.push_back(result); });
  }

  /// One second of a test picture with a tone, as the course's films are made.
  std::string MakeFilm(const std::string& name, const QStringList& codecs) {
    const std::string path = folder_ / name;
    QStringList arguments = {"-v",
                             "error",
                             "-y",
                             "-f",
                             "lavfi",
                             "-i",
                             "testsrc=size=160x120:rate=25",
                             "-f",
                             "lavfi",
                             "-i",
                             "sine=frequency=440:sample_rate=44100",
                             "-t",
                             "1"};
    arguments << codecs << QString::fromStdString(path);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    EXPECT_TRUE(ffmpeg.waitForFinished(30000));
    EXPECT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().toStdString();
    return path;
  }

  TempFolder folder_;
  QtFilmPlayer player_;
  QtEventWaiter waiter_;
  std::vector<PlayResult> reports_;
};

TEST_F(QtFilmPlayerTest, PlaysMpegAndAviFilmsIntoAPanel) {
  struct Row {
    const char* name;
    QStringList codecs;
  };
  const Row rows[] = {
      {"1.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"}},
      {"2.avi", {"-c:v", "mjpeg", "-c:a", "pcm_s16le"}},
  };
  QWidget panel;
  panel.resize(334, 250);
  player_.SetDisplay(&panel);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    reports_.clear();
    player_.SetFileName(MakeFilm(row.name, row.codecs));
    std::string error;
    ASSERT_TRUE(player_.Open(&error)) << error;
    EXPECT_EQ(player_.State(), PlayerState::Open);
    EXPECT_NEAR(static_cast<double>(player_.LengthMs()), 1000, 100);
    player_.SetWait(true);
    player_.Play();
    EXPECT_EQ(player_.State(), PlayerState::Stopped);
    waiter_.WaitWithEvents(0);
    EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});
    ASSERT_NE(player_.Surface(), nullptr);
    EXPECT_GT(player_.Surface()->Frames(), 10) << "the film's pictures reach the panel";
    player_.Close();
  }
  player_.SetDisplay(nullptr);
}

TEST_F(QtFilmPlayerTest, PauseResumeSeekAndStop) {
  player_.SetFileName(MakeFilm("1.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"}));
  std::string error;
  ASSERT_TRUE(player_.Open(&error)) << error;
  player_.Play();
  waiter_.WaitWithEvents(300);
  player_.Pause();
  EXPECT_EQ(player_.State(), PlayerState::Paused);
  player_.Resume();
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  player_.Seek(500);
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  waiter_.WaitWithEvents(100);
  EXPECT_NEAR(static_cast<double>(player_.PositionMs()), 500, 60);
  player_.Play();
  waiter_.WaitWithEvents(100);
  player_.Stop();
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  waiter_.WaitWithEvents(0);
  EXPECT_EQ(reports_, (std::vector<PlayResult>{PlayResult::Aborted, PlayResult::Aborted,
                                               PlayResult::Aborted}));
}

TEST_F(QtFilmPlayerTest, RecordingsHaveTheirExactLength) {
  const std::string path = folder_ / "7.wav";
  ASSERT_TRUE(testing::WriteToneWav(path, SF_FORMAT_PCM_16, 22050, 1, 22050 * 7 / 10));
  player_.SetFileName(path);
  std::string error;
  ASSERT_TRUE(player_.Open(&error)) << error;
  EXPECT_EQ(player_.LengthMs(), 700);
}

TEST_F(QtFilmPlayerTest, SlowedRecordingsTakeLongerInTheirOwnTimeAndFilmsPlayAsRecorded) {
  struct Row {
    const char* name;
    std::string path;
    double speed;  // as played
  };
  const std::string recording = folder_ / "7.wav";
  ASSERT_TRUE(testing::WriteToneWav(recording, SF_FORMAT_PCM_16, 22050, 1, 22050 * 6 / 10));
  const Row rows[] = {
      {"recording", recording, 0.55},
      {"film", MakeFilm("1.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"}), 1.0},
  };
  player_.SetSpeed(0.55);
  EXPECT_EQ(player_.Speed(), 0.55);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    reports_.clear();
    player_.SetFileName(row.path);
    std::string error;
    ASSERT_TRUE(player_.Open(&error)) << error;
    const std::int64_t length = player_.LengthMs();
    QElapsedTimer elapsed;
    elapsed.start();
    player_.SetWait(true);
    player_.Play();
    EXPECT_GE(static_cast<double>(elapsed.elapsed()), length / row.speed * 0.9);
    EXPECT_LT(static_cast<double>(elapsed.elapsed()), length / row.speed + 1500);
    EXPECT_EQ(player_.LengthMs(), length) << "the length stays the recording's";
    waiter_.WaitWithEvents(0);
    EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});
    player_.Close();
  }
  player_.SetSpeed(1.0);
}

TEST_F(QtFilmPlayerTest, FileTheBackendCannotOpenGivesItsErrorText) {
  testing::WriteBytes(folder_ / "3.mpg", std::string(4000, 'x'));
  player_.SetFileName(folder_ / "3.mpg");
  std::string error;
  EXPECT_FALSE(player_.Open(&error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(player_.State(), PlayerState::NotReady);
  player_.Play();
  EXPECT_EQ(player_.State(), PlayerState::NotReady);
}

}  // namespace
}  // namespace tess
