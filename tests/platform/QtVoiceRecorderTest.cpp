// The voice recorder on the machine's default input.
#include "platform/QtVoiceRecorder.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "platform/QtPlatform.h"
#include "platform/WavFile.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

TEST(QtVoiceRecorderTest, SavesWhatWasRecordedAsPcmWav) {
  if (QMediaDevices::defaultAudioInput().isNull()) {
    GTEST_SKIP() << "no audio input device (scripts/test.sh starts a PulseAudio server)";
  }
  TempFolder folder;
  QtVoiceRecorder recorder;
  QtEventWaiter waiter;
  ASSERT_EQ(recorder.Open(), 0);
  ASSERT_EQ(recorder.Record(), 0);
  waiter.WaitWithEvents(600);
  const std::string path = folder / "tmp1.Wav";
  ASSERT_EQ(recorder.Save(path), 0) << recorder.ErrorText(recorder.Save(path));
  EXPECT_EQ(recorder.Close(), 0);

  WavFormat format;
  ASSERT_TRUE(ReadWavFormat(path, format));
  EXPECT_GT(format.SampleRate, 0);
  EXPECT_GT(format.Channels, 0);
  // Capture starts a little late and may hand over its last block early.
  EXPECT_GE(format.LengthMs(), 250);
  EXPECT_LE(format.LengthMs(), 1500);
  EXPECT_EQ(testing::ReadBytes(path)[34], 16) << "16-bit samples";
}

TEST(QtVoiceRecorderTest, CommandsOutOfOrderGiveErrorTexts) {
  TempFolder folder;
  QtVoiceRecorder recorder;
  const int save = recorder.Save(folder / "x.wav");
  EXPECT_NE(save, 0);
  EXPECT_NE(recorder.Record(), 0);
  EXPECT_NE(recorder.Close(), 0);
  EXPECT_FALSE(recorder.ErrorText(save).empty());
  EXPECT_FALSE(FileExists(folder / "x.wav"));
}

TEST(QtVoiceRecorderTest, WithoutInputTheSavedRecordingIsEmpty) {
  if (!QMediaDevices::defaultAudioInput().isNull()) {
    GTEST_SKIP() << "this machine has an input device";
  }
  TempFolder folder;
  QtVoiceRecorder recorder;
  const int open = recorder.Open();
  EXPECT_EQ(open, QtVoiceRecorder::kNoInputDevice);
  EXPECT_FALSE(recorder.ErrorText(open).empty());
  EXPECT_EQ(recorder.Record(), 0) << "the missing device was reported once, by Open";
  EXPECT_EQ(recorder.Save(folder / "tmp1.Wav"), 0);
  EXPECT_EQ(WavLengthMs(folder / "tmp1.Wav"), 0);
}

}  // namespace
}  // namespace tess
