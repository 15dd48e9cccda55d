// The media window as a widget: its controls follow the layouts, its buttons reach the player,
// and it plays a real film where the machine can.
#include "media/MediaWindow.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <functional>

#include "core/SpeechTempo.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/QtFilmPlayer.h"
#include "platform/QtPlatform.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

void Press(QWidget* widget, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint at = QPoint(3, 3)) {
  Press(widget, QEvent::MouseButtonPress, at);
  Press(widget, QEvent::MouseButtonRelease, at);
}

void Wait(int ms) { QtEventWaiter().WaitWithEvents(ms); }

QRect Geometry(const MediaRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

/// Saves what the window shows when TESS_SCREENSHOT_DIR names a folder (for looking at it).
void Keep(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("TESS_SCREENSHOT_DIR");
  if (!folder.isEmpty()) window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

class MediaWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    film_ = folder_ / "3.mpg";
    recording_ = folder_ / "3.wav";
    testing::WriteBytes(film_, "film");
    testing::WriteBytes(recording_, "RIFF");
    player_.defaultLength = 90000;
    main_.move(40, 30);
    form_.SetMainWindow(&main_);
  }

  TempFolder folder_;
  std::string film_, recording_;
  FakeMediaPlayer player_;
  FakeMessageBox messages_;
  QWidget main_;
  MediaWindow form_{player_, messages_};
};

TEST_F(MediaWindowTest, RecordingBarWithMarks) {
  form_.SetJumpTimes(JumpTimesFromHeader("x#3#tlo#Anw#Pol#Eng#y#30#75##"));
  form_.ShowMediaWindow(kMediaRecording, recording_, 600, -1);
  ASSERT_TRUE(form_.isVisible());
  Keep(form_, "media-recording-marks.png");
  EXPECT_EQ(form_.size(), QSize(290, 33));
  EXPECT_EQ(form_.pos(), QPoint(640, 40));
  EXPECT_FALSE(form_.Label1->isVisible());
  EXPECT_FALSE(form_.Panel1->isVisible());
  EXPECT_TRUE(form_.mark_3->isVisible());
  EXPECT_FALSE(form_.mark_4->isVisible());
  EXPECT_EQ(form_.SHAPE1->geometry(), QRect(86, 10, 100, 5));
  EXPECT_EQ(form_.Shape2->pos(), QPoint(86, 6));
  EXPECT_FALSE(form_.Timer1.isActive());

  Click(form_.mark_2);
  EXPECT_EQ(player_.calls.back(), "Play");
  EXPECT_EQ(player_.playedFrom.back(), 30000);
  EXPECT_TRUE(form_.Timer1.isActive());
  player_.Advance(15000);  // 45 s of 90 s
  Wait(150);
  EXPECT_EQ(form_.Shape2->x(), 86 + 47);  // 46.5 rounds up
  // The bar's time is written close: it shares its row with the pace button.
  EXPECT_EQ(form_.lbl_czas->text(), QStringLiteral("0:45/1:30"));

  Click(form_.SHAPE1, QPoint(31, 2));  // 31 x (90000 div 93)
  EXPECT_EQ(player_.playedFrom.back(), 31 * 967);
  Click(form_.btn_pause);
  EXPECT_EQ(player_.State(), PlayerState::Paused);
  EXPECT_FALSE(form_.Timer1.isActive());
  Click(form_.btn_stop);
  EXPECT_EQ(player_.PositionMs(), 0);
  EXPECT_EQ(form_.Shape2->x(), 86);

  form_.SetJumpTimes({-1, -1, -1, -1});
  form_.ShowMediaWindow(kMediaRecording, recording_);
  EXPECT_EQ(form_.size(), QSize(200, 33));
  EXPECT_EQ(form_.pos(), QPoint(50, 40));
  EXPECT_FALSE(form_.mark_1->isVisible());
  Keep(form_, "media-recording.png");
}

TEST_F(MediaWindowTest, FilmWindowPlaysInItsPanelAndClosesByItsLabel) {
  form_.SetJumpTimes({0, 20000, 40000, 60000});
  form_.ShowMediaWindow(kMediaFilm, film_);
  ASSERT_TRUE(form_.isVisible());
  Keep(form_, "media-film.png");
  EXPECT_EQ(form_.size(), QSize(336, 344));
  EXPECT_TRUE(form_.Label1->isVisible());
  EXPECT_EQ(form_.Label1->geometry(), QRect(0, 0, 313, 18));
  EXPECT_EQ(form_.Panel1->geometry(), Geometry(form_.Logic().Layout.Panel));
  EXPECT_TRUE(form_.Panel1->isVisible());
  EXPECT_TRUE(player_.displayed);
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_TRUE(form_.Timer1.isActive());
  EXPECT_TRUE(form_.mark_4->isVisible());

  // Keys never leave the window.
  QKeyEvent key(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&form_, &key);
  EXPECT_TRUE(key.isAccepted());

  // Dragging the title strip moves the window.
  const QPoint start = form_.pos();
  Press(form_.Label1, QEvent::MouseButtonPress, QPoint(50, 9));
  Press(form_.Label1, QEvent::MouseMove, QPoint(80, 29));
  Press(form_.Label1, QEvent::MouseButtonRelease, QPoint(80, 29));
  EXPECT_EQ(form_.pos(), start + QPoint(30, 20));

  // Hidden by another window, it stays open; its close label closes it.
  form_.hide();
  EXPECT_TRUE(form_.MediaShown());
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  EXPECT_FALSE(player_.displayed);
  form_.show();
  EXPECT_TRUE(player_.displayed);
  Click(form_.btn_zamknij);
  EXPECT_FALSE(form_.isVisible());
  EXPECT_FALSE(form_.MediaShown());
  EXPECT_FALSE(form_.Timer1.isActive());
}

TEST_F(MediaWindowTest, MissingFilmGivesItsMessageAndNoWindow) {
  form_.ShowMediaWindow(kMediaRecording, recording_);
  ASSERT_TRUE(form_.isVisible());
  form_.ShowMediaWindow(kMediaFilm, folder_ / "8.mpg");
  EXPECT_FALSE(form_.isVisible());
  EXPECT_FALSE(form_.MediaShown());
  EXPECT_EQ(messages_.messages, std::vector<std::string>{"Tutaj będzie film"});
}

TEST_F(MediaWindowTest, PaceButtonAndKeyTSlowWhatPlays) {
  const std::string tempoFile = folder_ / "tempo_tsa2_2003.txt";
  form_.Logic().TempoFile = [&tempoFile] { return tempoFile; };
  for (const bool film : {true, false}) {
    SCOPED_TRACE(film ? "film" : "recording bar");
    testing::WriteBytes(tempoFile, "100");
    form_.ShowMediaWindow(film ? kMediaFilm : kMediaRecording, film ? film_ : recording_);
    ASSERT_TRUE(form_.isVisible());
    EXPECT_TRUE(form_.btn_tempo->isVisible());
    EXPECT_EQ(form_.btn_tempo->geometry(), Geometry(form_.Logic().Layout.Tempo));
    EXPECT_EQ(form_.btn_tempo->Number(), 100);
    EXPECT_FALSE(form_.btn_tempo->Lit());

    Click(form_.btn_tempo);
    EXPECT_DOUBLE_EQ(player_.Speed(), 0.85);
    EXPECT_EQ(form_.btn_tempo->Number(), 85);
    EXPECT_TRUE(form_.btn_tempo->Lit());
    EXPECT_EQ(form_.btn_tempo->toolTip(), QStringLiteral("Tempo mowy: 85 % (klawisz T)"));
    EXPECT_EQ(form_.btn_tempo->accessibleName(), QStringLiteral("Tempo mowy: 85 %"));

    QKeyEvent press(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier);
    QCoreApplication::sendEvent(&form_, &press);
    EXPECT_DOUBLE_EQ(player_.Speed(), 0.70);
    EXPECT_EQ(form_.btn_tempo->Number(), 70);
    EXPECT_EQ(ReadTempoPercent(tempoFile), 70);
    Keep(form_, film ? "media-film-tempo.png" : "media-recording-tempo.png");
    form_.CloseMediaWindow();
  }
  // The pace kept is the one the next opening starts with.
  form_.ShowMediaWindow(kMediaRecording, recording_);
  EXPECT_EQ(form_.btn_tempo->Number(), 70);
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.70);
}

TEST_F(MediaWindowTest, MarksAAndBLoopTheStretchUntilStop) {
  const auto key = [this](int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(&form_, &press);
    EXPECT_TRUE(press.isAccepted());
  };
  form_.SetJumpTimes({0, 30000, 75000, -1});
  form_.ShowMediaWindow(kMediaRecording, recording_);
  ASSERT_TRUE(form_.isVisible());
  EXPECT_EQ(form_.size(), QSize(290, 33)) << "the loop's buttons take no room of their own";
  EXPECT_TRUE(form_.btn_loopA->isVisible());
  EXPECT_EQ(form_.btn_loopB->geometry(), Geometry(form_.Logic().Layout.LoopB));
  EXPECT_FALSE(form_.btn_loopA->toolTip().isEmpty());

  Click(form_.btn_play);
  player_.Advance(10000);
  Click(form_.btn_loopA);
  EXPECT_TRUE(form_.btn_loopA->Lit());
  EXPECT_FALSE(form_.btn_loopB->Lit());
  EXPECT_EQ(form_.SHAPE1->StretchFrom(), form_.Logic().TrackX(10000));
  EXPECT_EQ(form_.SHAPE1->StretchTo(), -1);

  player_.Advance(2000);
  key(Qt::Key_B);  // B at 12 s, where the recording is: back to A at once
  EXPECT_TRUE(form_.btn_loopB->Lit());
  EXPECT_EQ(player_.playedFrom.back(), 10000);
  EXPECT_EQ(form_.SHAPE1->StretchTo(), form_.Logic().TrackX(12000));
  Keep(form_, "media-recording-loop.png");

  // The progress timer finds the player past B and sends it back to A.
  const size_t plays = player_.playedFrom.size();
  player_.Advance(2050);
  Wait(150);
  ASSERT_EQ(player_.playedFrom.size(), plays + 1);
  EXPECT_EQ(player_.playedFrom.back(), 10000);
  EXPECT_EQ(player_.State(), PlayerState::Playing);

  // Close before B the check comes on time, not with the next tick.
  player_.Advance(1960);
  Wait(150);
  EXPECT_EQ(player_.playedFrom.size(), plays + 1) << "still 40 ms before B";
  ASSERT_TRUE(form_.LoopCheck().isActive());
  EXPECT_LE(form_.LoopCheck().interval(), 40);
  player_.Advance(40);
  Wait(60);
  EXPECT_EQ(player_.playedFrom.size(), plays + 2);

  // Stop ends the loop: the marks go from the buttons and the track.
  Click(form_.btn_stop);
  EXPECT_FALSE(form_.btn_loopA->Lit());
  EXPECT_EQ(form_.SHAPE1->StretchFrom(), -1);
  Click(form_.btn_play);
  player_.Advance(15000);
  Wait(150);
  EXPECT_EQ(player_.PositionMs(), 15000) << "no loop after stop";

  // The keys [ and ] mark too, and Delete clears; other keys are still swallowed.
  key(Qt::Key_BracketLeft);
  player_.Advance(1000);
  key(Qt::Key_BracketRight);
  EXPECT_TRUE(form_.Logic().Loop.Active());
  key(Qt::Key_Delete);
  EXPECT_FALSE(form_.Logic().Loop.HasA());
  key(Qt::Key_F1);
}

TEST(MediaWindowFilmTest, RealFilmPlaysInTheWindow) {
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    GTEST_SKIP() << "no audio output device (scripts/test.sh starts a PulseAudio server)";
  }
  if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
    GTEST_SKIP() << "ffmpeg is not installed; it makes the test film";
  }
  TempFolder folder;
  const std::string film = folder / "1.mpg";
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {"-v",
                                          "error",
                                          "-y",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "testsrc=size=320x240:rate=25",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "sine=frequency=440",
                                          "-t",
                                          "2",
                                          "-c:v",
                                          "mpeg1video",
                                          "-c:a",
                                          "mp2",
                                          "-f",
                                          "mpeg",
                                          QString::fromStdString(film)});
  ASSERT_TRUE(ffmpeg.waitForFinished(30000));
  ASSERT_EQ(ffmpeg.exitCode(), 0);

  QtFilmPlayer player;
  QtMessageBox messages;
  MediaWindow form(player, messages);
  form.SetJumpTimes({0, 1000, -1, -1});
  form.ShowMediaWindow(kMediaFilm, film);
  ASSERT_TRUE(form.isVisible());
  ASSERT_NE(player.Surface(), nullptr);
  EXPECT_EQ(player.Surface()->parentWidget(), form.Panel1);
  // A busy machine starts the film late; wait for it rather than for a fixed time.
  const auto waitFor = [](const std::function<bool()>& done) {
    for (int i = 0; i < 100 && !done(); ++i) Wait(50);
    return done();
  };
  EXPECT_TRUE(waitFor([&] { return player.Surface()->Frames() > 5; })) << "the picture is drawn";
  EXPECT_TRUE(waitFor([&] { return form.Shape2->x() > 100; })) << "the knob follows the film";
  EXPECT_EQ(player.Surface()->size(), form.Panel1->size());
  Keep(form, "media-film-real.png");
  EXPECT_TRUE(waitFor([&] { return player.State() == PlayerState::Stopped; }))
      << "played to its end";
  form.CloseMediaWindow();
  EXPECT_EQ(player.State(), PlayerState::Stopped);
}

// A test film of `seconds` with picture and sound, made by ffmpeg.
bool MakeFilm(const std::string& path, int seconds) {
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {"-v",
                                          "error",
                                          "-y",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "testsrc=size=320x240:rate=25",
                                          "-f",
                                          "lavfi",
                                          "-i",
                                          "sine=frequency=440",
                                          "-t",
                                          QString::number(seconds),
                                          "-c:v",
                                          "mpeg1video",
                                          "-c:a",
                                          "mp2",
                                          "-f",
                                          "mpeg",
                                          QString::fromStdString(path)});
  return ffmpeg.waitForFinished(30000) && ffmpeg.exitCode() == 0;
}

TEST(MediaWindowFilmTest, RealFilmLoopsItsStretch) {
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    GTEST_SKIP() << "no audio output device (scripts/test.sh starts a PulseAudio server)";
  }
  if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
    GTEST_SKIP() << "ffmpeg is not installed; it makes the test film";
  }
  TempFolder folder;
  const std::string film = folder / "2.mpg";
  ASSERT_TRUE(MakeFilm(film, 3));

  QtFilmPlayer player;
  QtMessageBox messages;
  MediaWindow form(player, messages);
  form.ShowMediaWindow(kMediaFilm, film);
  ASSERT_TRUE(form.isVisible());
  const auto waitFor = [](const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) Wait(20);
    return done();
  };
  const auto key = [&form](int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &press);
  };
  ASSERT_TRUE(waitFor([&] { return player.PositionMs() >= 300; }));
  key(Qt::Key_A);
  const std::int64_t a = form.Logic().Loop.A();
  ASSERT_TRUE(waitFor([&] { return player.PositionMs() >= a + 700; }));
  key(Qt::Key_B);
  const std::int64_t b = form.Logic().Loop.B();
  ASSERT_TRUE(form.Logic().Loop.Active());

  // Twice the film's rest: without the loop it would have ended meanwhile.
  int rounds = 0;
  std::int64_t last = player.PositionMs();
  for (int i = 0; i < 80; ++i) {
    Wait(50);
    const std::int64_t now = player.PositionMs();
    if (now + 300 < last) ++rounds;
    last = now;
    ASSERT_EQ(player.State(), PlayerState::Playing) << "at " << now << " ms";
    EXPECT_LE(now, b + 300);
  }
  EXPECT_GE(rounds, 2);
  Click(form.btn_stop);
  EXPECT_FALSE(form.Logic().Loop.HasA());
  form.CloseMediaWindow();
}

}  // namespace
}  // namespace tess
