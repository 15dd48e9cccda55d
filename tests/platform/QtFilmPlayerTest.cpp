// The media window's player through GStreamer, on small films made here with ffmpeg.
#include "platform/QtFilmPlayer.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <gst/gst.h>
#include <random>

#include "ToneAnalysis.h"
#include "WavFixtures.h"
#include "platform/QtPlatform.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

const QStringList kMpeg = {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"};

class FilmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
      GTEST_SKIP() << "ffmpeg is not installed; it makes the test films";
    }
    player_.SetDoneHandler([this](PlayResult result) { reports_.push_back(result); });
  }

  /// A test picture with a tone, as the course's films are made.
  std::string MakeFilm(const std::string& name, const QStringList& codecs, double seconds = 1) {
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
                             QString::number(seconds)};
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

// On the machine's sound output.
class QtFilmPlayerTest : public FilmTest {
 protected:
  void SetUp() override {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
      GTEST_SKIP() << "no audio output device (scripts/test.sh starts a PulseAudio server)";
    }
    FilmTest::SetUp();
  }
};

// The film's sound collected as it would be played, so no sound card is needed.
class FilmSoundTest : public FilmTest {
 protected:
  void SetUp() override {
    FilmTest::SetUp();
    player_.CaptureFilmSound(true);
  }
};

TEST_F(QtFilmPlayerTest, PlaysMpegAndAviFilmsIntoAPanel) {
  struct Row {
    const char* name;
    QStringList codecs;
  };
  const Row rows[] = {
      {"1.mpg", kMpeg},
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
  player_.SetFileName(MakeFilm("1.mpg", kMpeg));
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

TEST_F(QtFilmPlayerTest, SlowedRecordingsAndFilmsTakeLongerInTheirOwnTime) {
  struct Row {
    const char* name;
    std::string path;
  };
  const std::string recording = folder_ / "7.wav";
  ASSERT_TRUE(testing::WriteToneWav(recording, SF_FORMAT_PCM_16, 22050, 1, 22050 * 6 / 10));
  const Row rows[] = {
      {"recording", recording},
      {"film", MakeFilm("1.mpg", kMpeg)},
  };
  const double speed = 0.55;
  player_.SetSpeed(speed);
  EXPECT_EQ(player_.Speed(), speed);
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
    EXPECT_GE(static_cast<double>(elapsed.elapsed()), length / speed * 0.9);
    // Only a hang fails the upper bound: a loaded machine (or the sanitizers) lets the sound
    // server's clock run late.
    EXPECT_LT(static_cast<double>(elapsed.elapsed()), length / speed * 2 + 1500);
    EXPECT_EQ(player_.LengthMs(), length) << "the length stays the recording's";
    EXPECT_EQ(player_.PositionMs(), length);
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

TEST_F(FilmSoundTest, SlowedFilmKeepsItsPitchAndTakesLongerAsSet) {
  player_.SetFileName(MakeFilm("1.mpg", kMpeg));
  for (const double speed : {0.85, 0.70, 0.55}) {
    SCOPED_TRACE(::testing::Message() << "speed " << speed);
    reports_.clear();
    player_.SetSpeed(speed);
    std::string error;
    ASSERT_TRUE(player_.Open(&error)) << error;
    const std::int64_t length = player_.LengthMs();
    QElapsedTimer played;
    played.start();
    player_.Play();
    // Halfway through in the hearer's time, the position is in the film's own.
    waiter_.WaitWithEvents(static_cast<int>(length / speed / 2));
    // The sound may start late on a busy machine (or under the sanitizers), never early; the
    // length of the stretched sound itself is measured exactly below.
    const auto position = static_cast<double>(player_.PositionMs());
    EXPECT_LE(position, length / 2.0 + 60);
    EXPECT_GE(position, length / 4.0);
    while (reports_.empty() && played.elapsed() < 10000) waiter_.WaitWithEvents(5);
    EXPECT_GE(static_cast<double>(played.elapsed()), length / speed * 0.95);
    EXPECT_LT(static_cast<double>(played.elapsed()), length / speed * 2 + 1500);
    EXPECT_EQ(reports_, std::vector<PlayResult>{PlayResult::Successful});
    EXPECT_EQ(player_.LengthMs(), length);
    EXPECT_EQ(player_.PositionMs(), length);

    const GstFilm::Sound sound = player_.CapturedFilmSound();
    ASSERT_GT(sound.rate, 0);
    ASSERT_GT(sound.channels, 0);
    const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
    // Stretched as set: the sound covers the film but for scaletempo's last window (about a
    // tenth of a second), which it keeps at the end of the stream.
    EXPECT_NEAR(static_cast<double>(frames) * 1000 / sound.rate * speed, length - 100.0, 30);
    // Half a second from the middle.
    const auto window = static_cast<std::size_t>(sound.rate / 2);
    ASSERT_GT(frames, window);
    const auto middle =
        tones::Channel(sound.samples, sound.channels, 0, (frames - window) / 2, window);
    EXPECT_NEAR(tones::DominantHz(middle, sound.rate), 440.0, 440.0 * 0.03);
    EXPECT_GT(tones::Rms(middle), 1000) << "the tone, not silence";
    player_.Close();
  }
}

TEST_F(FilmSoundTest, DamagedFilmsFailOrEndCleanly) {
  const std::string good = MakeFilm("good.mpg", kMpeg);
  const std::string bytes = testing::ReadBytes(good);
  std::mt19937 random(7);
  std::string noise(20000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::string scrambled = bytes;
  for (std::size_t i = scrambled.size() / 3; i < scrambled.size() * 2 / 3; ++i)
    scrambled[i] = static_cast<char>(random());
  struct Row {
    const char* name;
    std::string content;
  };
  const Row rows[] = {
      {"random bytes", noise},
      {"empty", ""},
      {"header only", bytes.substr(0, 2048)},
      {"cut in half", bytes.substr(0, bytes.size() / 2)},
      {"scrambled middle", scrambled},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    reports_.clear();
    testing::WriteBytes(folder_ / "damaged.mpg", row.content);
    player_.SetFileName(folder_ / "damaged.mpg");
    std::string error;
    if (!player_.Open(&error)) {
      EXPECT_FALSE(error.empty());
      EXPECT_EQ(player_.State(), PlayerState::NotReady);
      continue;
    }
    player_.Play();
    QElapsedTimer waited;
    waited.start();
    while (reports_.empty() && waited.elapsed() < 5000) waiter_.WaitWithEvents(20);
    ASSERT_EQ(reports_.size(), 1u) << "the play ends";
    EXPECT_TRUE(reports_[0] == PlayResult::Successful || reports_[0] == PlayResult::Failed);
    EXPECT_EQ(player_.State(), PlayerState::Stopped);
    player_.Close();
  }
}

TEST(FilmPlayerStartTest, GStreamerStartsWithTheFirstFilmOnly) {
  if (gst_is_initialized()) GTEST_SKIP() << "an earlier test of this process started GStreamer";
  QtFilmPlayer player;
  QWidget panel;
  player.SetDisplay(&panel);
  player.SetSpeed(0.7);
  player.SetFileName("1.mpg");
  EXPECT_FALSE(gst_is_initialized()) << "a player made and set up has not started GStreamer";
  player.CaptureFilmSound(true);
  std::string error;
  EXPECT_FALSE(player.Open(&error));
  EXPECT_TRUE(gst_is_initialized());
}

}  // namespace
}  // namespace tess
