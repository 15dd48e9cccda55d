#include "platform/AviStrip.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <random>

#include "support/AviFixture.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::AviChunk;
using testing::AviFixture;
using testing::AviList;
using testing::Frame3x2;
using testing::Le32;

AviFixture TwoFrames() {
  AviFixture avi;
  avi.Frames = {Frame3x2(0x10, 0x20, 0x30), Frame3x2(0x40, 0x50, 0x60)};
  return avi;
}

TEST(AviStripTest, ReadsBottomUpFramesAndTheirRate) {
  AviStripFrames read;
  std::string error;
  ASSERT_TRUE(ReadAviStrip(TwoFrames().Bytes(), read, &error)) << error;
  ASSERT_EQ(read.Frames.size(), 2u);
  EXPECT_EQ(read.IntervalMs, 50);
  const QImage& first = read.Frames[0];
  EXPECT_EQ(first.size(), QSize(3, 2));
  // The file's first row is the picture's bottom row.
  EXPECT_EQ(first.pixel(0, 1), qRgb(0, 0, 255));
  EXPECT_EQ(first.pixel(1, 1), qRgb(0, 255, 0));
  EXPECT_EQ(first.pixel(2, 1), qRgb(255, 0, 0));
  EXPECT_EQ(first.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(first.pixel(2, 0), qRgb(0x30, 0x20, 0x10));
  EXPECT_EQ(read.Frames[1].pixel(2, 0), qRgb(0x60, 0x50, 0x40));
}

TEST(AviStripTest, ReadsPalettedAndTopDownAnd32BitFrames) {
  AviFixture paletted;
  paletted.Bits = 8;
  paletted.ColoursUsed = 2;
  paletted.Palette = std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // red, blue
  paletted.Height = -2;                                                   // top row first
  paletted.Frames = {std::string("\x00\x01\x00\x00\x01\x01\x00\x00", 8)};
  AviStripFrames read;
  std::string error;
  ASSERT_TRUE(ReadAviStrip(paletted.Bytes(), read, &error)) << error;
  EXPECT_EQ(read.Frames[0].pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(read.Frames[0].pixel(1, 0), qRgb(0, 0, 255));
  EXPECT_EQ(read.Frames[0].pixel(0, 1), qRgb(0, 0, 255));

  AviFixture wide;
  wide.Bits = 32;
  wide.Width = 1;
  wide.Height = 1;
  wide.Handler = std::string(4, '\0');
  wide.Frames = {std::string("\x01\x02\x03\x00", 4)};
  ASSERT_TRUE(ReadAviStrip(wide.Bytes(), read, &error)) << error;
  EXPECT_EQ(read.Frames[0].pixel(0, 0), qRgb(3, 2, 1));
}

TEST(AviStripTest, RefusesWhatItCannotShow) {
  struct Row {
    const char* name;
    std::string bytes;
  };
  const auto with = [](auto change) {
    AviFixture avi = TwoFrames();
    change(avi);
    return avi.Bytes();
  };
  std::string badRiff = TwoFrames().Bytes();
  badRiff.replace(8, 4, "WAVE");
  std::string hugeChunk = TwoFrames().Bytes();
  hugeChunk.replace(16, 4, Le32(0xFFFFFFF0u));  // the size of the first list
  std::string nested = "x";
  for (int i = 0; i < 50; ++i) nested = AviList("deep", nested);
  const Row rows[] = {
      {"empty", ""},
      {"wrong_riff_type", badRiff},
      {"chunk_beyond_the_end", hugeChunk},
      {"compressed_handler", with([](AviFixture& a) { a.Handler = "MJPG"; })},
      {"rle_bitmap", with([](AviFixture& a) { a.Compression = 1; })},
      {"16_bits", with([](AviFixture& a) { a.Bits = 16; })},
      {"huge_width", with([](AviFixture& a) { a.Width = 100000; })},
      {"huge_height", with([](AviFixture& a) { a.Height = -100000; })},
      {"zero_height", with([](AviFixture& a) { a.Height = 0; })},
      {"short_frame", with([](AviFixture& a) { a.Frames.back().resize(10); })},
      {"no_frames", with([](AviFixture& a) { a.Frames.clear(); })},
      {"audio_only", with([](AviFixture& a) { a.StreamType = "auds"; })},
      {"palette_missing", with([](AviFixture& a) { a.Bits = 8; })},
      {"nested_lists",
       "RIFF" + Le32(static_cast<std::uint32_t>(nested.size() + 4)) + "AVI " + nested},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AviStripFrames read;
    std::string error;
    EXPECT_FALSE(ReadAviStrip(row.bytes, read, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(read.Frames.empty());
  }
}

// Every cut and many flipped bytes of a good file must be refused or read, never crash; a
// cut inside the last frame must not yield a frame.
TEST(AviStripTest, DamagedFilesNeverReadOutOfBounds) {
  const std::string good = TwoFrames().Bytes();
  for (size_t length = 0; length < good.size(); ++length) {
    AviStripFrames read;
    if (ReadAviStrip(good.substr(0, length), read)) {
      EXPECT_LE(read.Frames.size(), 1u) << length;
    }
  }
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = good;
    for (int flips = 0; flips < 3; ++flips) {
      damaged[random() % damaged.size()] = static_cast<char>(random());
    }
    AviStripFrames read;
    ReadAviStrip(damaged, read);
  }
}

TEST(AviStripTest, WidgetPlaysInALoopAndStops) {
  testing::TempFolder folder;
  testing::WriteBytes(folder / "dot.avi", TwoFrames().Bytes());
  AviStrip strip;
  std::string error;
  ASSERT_TRUE(strip.Open(folder / "dot.avi", &error)) << error;
  EXPECT_EQ(strip.FrameCount(), 2);
  EXPECT_FALSE(strip.Active());
  strip.Start();
  EXPECT_TRUE(strip.Active());
  // The next frame comes after the file's 50 ms; a busy machine may take longer.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (strip.CurrentFrame() != 0) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(3000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(strip.CurrentFrame(), 1);
  strip.Stop();
  EXPECT_FALSE(strip.Active());

  EXPECT_FALSE(strip.Open(folder / "missing.avi", &error));
  EXPECT_EQ(strip.FrameCount(), 0);
  strip.Start();
  EXPECT_FALSE(strip.Active()) << "nothing to play";
}

TEST(AviStripTest, ReadsTheInstallationsRunningDot) {
  const std::string path = std::string(TESS_INSTALL_DIR) + "/gfx_r/kropka.avi";
  AviStrip strip;
  std::string error;
  ASSERT_TRUE(strip.Open(path, &error)) << error;
  EXPECT_GE(strip.FrameCount(), 2);
  EXPECT_LE(strip.FrameCount(), 10);
  AviStripFrames read;
  ASSERT_TRUE(ReadAviStrip(testing::ReadBytes(path), read, &error)) << error;
  EXPECT_EQ(read.Frames.front().size(), QSize(59, 8));
  EXPECT_NE(read.Frames.front(), read.Frames[1]) << "the dot moves";
}

}  // namespace
}  // namespace tess
