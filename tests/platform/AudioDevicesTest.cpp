// The output follows the sound server: a new default takes the next sound, a device chosen by
// name takes it whatever the default, and a chosen device that is gone gives way to the
// default. Runs against the private PulseAudio server the test script starts.
#include "platform/AudioDevices.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QRegularExpression>
#include <optional>

#include "WavFixtures.h"
#include "platform/QtPlatform.h"
#include "platform/QtWavePlayer.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

constexpr auto kSecondSink = "tess_second";

std::optional<QString> Pactl(const QStringList& args) {
  QProcess pactl;
  pactl.start(QStringLiteral("pactl"), args);
  if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
      pactl.exitCode() != 0) {
    pactl.kill();
    return std::nullopt;
  }
  return QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
}

// The name of the sink this process plays into, from the server's own list.
QString SinkOfThisProcess() {
  const auto inputs = Pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
  const auto sinks = Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
  if (!inputs || !sinks) return {};
  const QString pid = QString::number(QCoreApplication::applicationPid());
  QString sinkIndex;
  for (const QString& block : inputs->split(QStringLiteral("Sink Input #"))) {
    if (!block.contains(QStringLiteral("application.process.id = \"%1\"").arg(pid))) continue;
    const auto match = QRegularExpression(QStringLiteral("\\bSink: (\\d+)")).match(block);
    if (match.hasMatch()) sinkIndex = match.captured(1);
  }
  for (const QString& line : sinks->split('\n')) {
    const QStringList fields = line.split('\t');
    if (fields.size() > 1 && fields[0] == sinkIndex) return fields[1];
  }
  return {};
}

QAudioDevice OutputWithId(const QString& id) {
  for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
    if (device.id() == id.toUtf8()) return device;
  }
  return {};
}

class AudioDevicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QMediaDevices::audioOutputs().isEmpty() || !Pactl({QStringLiteral("info")})) {
      GTEST_SKIP() << "no sound server (scripts/test.sh starts a PulseAudio server)";
    }
    const auto defaultSink = Pactl({QStringLiteral("get-default-sink")});
    ASSERT_TRUE(defaultSink);
    firstSink_ = *defaultSink;
    // Left loaded afterwards: other sound tests may be playing into it by then.
    const auto sinks = Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    if (!sinks->contains(kSecondSink)) {
      ASSERT_TRUE(Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                         QStringLiteral("sink_name=%1").arg(kSecondSink),
                         QStringLiteral("sink_properties=device.description=Drugie")}));
    }
    ASSERT_TRUE(testing::WriteToneWav(folder_ / "tone.wav", SF_FORMAT_PCM_16, 22050, 1, 22050L * 3));
    player_.SetFileName(folder_ / "tone.wav");
    std::string error;
    ASSERT_TRUE(player_.Open(&error)) << error;
  }
  void TearDown() override {
    SetPreferredAudioDevices("", "");
    player_.Close();
    if (!firstSink_.isEmpty()) Pactl({QStringLiteral("set-default-sink"), firstSink_});
  }

  // Plays from the start and says where the sound went.
  QString PlayAndFindSink() {
    player_.Stop();
    player_.Seek(0);
    player_.Play();
    QString sink;
    for (QElapsedTimer waited; !waited.isValid() || waited.elapsed() < 3000;) {
      if (!waited.isValid()) waited.start();
      waiter_.WaitWithEvents(100);
      sink = SinkOfThisProcess();
      if (!sink.isEmpty()) break;
    }
    return sink;
  }
  bool WaitForDefault(const QString& id) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
      if (QMediaDevices::defaultAudioOutput().id() == id.toUtf8()) return true;
      waiter_.WaitWithEvents(50);
    }
    return false;
  }

  testing::TempFolder folder_;
  QtWavePlayer player_;
  QtEventWaiter waiter_;
  QString firstSink_;
};

TEST_F(AudioDevicesTest, NextSoundGoesToTheNewDefaultOrToTheChosenDevice) {
  EXPECT_EQ(PlayAndFindSink(), firstSink_);

  // The default changes while a sound plays; the next sound follows it.
  ASSERT_TRUE(Pactl({QStringLiteral("set-default-sink"), QString::fromUtf8(kSecondSink)}));
  ASSERT_TRUE(WaitForDefault(QString::fromUtf8(kSecondSink))) << "the server's new default never arrived";
  EXPECT_EQ(PlayAndFindSink(), QString::fromUtf8(kSecondSink));

  // A device chosen by name wins over the default.
  const QAudioDevice first = OutputWithId(firstSink_);
  ASSERT_FALSE(first.isNull());
  SetPreferredAudioDevices(first.description().toStdString(), "");
  EXPECT_EQ(PreferredAudioOutput().id(), first.id());
  EXPECT_EQ(PlayAndFindSink(), firstSink_);

  // A chosen device that is not there (unplugged) gives way to the default.
  SetPreferredAudioDevices("Słuchawki, których nie ma", "Mikrofon, którego nie ma");
  EXPECT_EQ(PreferredAudioOutput().id(), QMediaDevices::defaultAudioOutput().id());
  EXPECT_EQ(PreferredAudioInput().id(), QMediaDevices::defaultAudioInput().id());
  EXPECT_EQ(PlayAndFindSink(), QString::fromUtf8(kSecondSink));
}

TEST_F(AudioDevicesTest, NamesAreTheDevicesDescriptions) {
  const std::vector<std::string> names = AudioOutputNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "Drugie"), names.end());
  EXPECT_EQ(names.size(), static_cast<size_t>(QMediaDevices::audioOutputs().size()));
  EXPECT_EQ(AudioInputNames().size(), static_cast<size_t>(QMediaDevices::audioInputs().size()));
}

}  // namespace
}  // namespace tess
