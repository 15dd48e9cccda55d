#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "JpegFixtures.h"
#include "platform/BmpHeader.h"
#include "platform/QtPlatform.h"

namespace tess {
namespace {

class PictureLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Gfx_r"));
    QImage bmp(5, 3, QImage::Format_RGB32);
    bmp.fill(qRgb(10, 20, 30));
    bmp.setPixel(0, 2, qRgb(255, 0, 255));  // bottom-left, the transparent colour of skins
    ASSERT_TRUE(bmp.save(Path("Gfx_r/Ok2.bmp"), "BMP"));

    const std::vector<unsigned char> jpeg =
        testing::EncodeJpeg(9, 7, JCS_RGB, testing::GradientPixels(9, 7));
    WriteFile("Gfx_r/photo.bmp", QByteArray(reinterpret_cast<const char*>(jpeg.data()),
                                            static_cast<qsizetype>(jpeg.size())));
    WriteFile("Gfx_r/notes.bmp", "not a picture at all");
  }

  QString Path(const char* name) const { return dir_.path() + "/" + name; }
  void WriteFile(const char* name, const QByteArray& bytes) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  // A course path: the folder, then the rest with backslashes and in another letter case.
  std::string CoursePath(const char* rest) const { return dir_.path().toStdString() + rest; }

  QTemporaryDir dir_;
  QtPictureLoader loader_;
};

TEST_F(PictureLoaderTest, LoadsBmpThroughResolver) {
  const QImage image = loader_.Load(CoursePath("\\GFX_R\\\\ok2.BMP"));
  ASSERT_EQ(image.size(), QSize(5, 3));
  EXPECT_EQ(image.pixel(0, 2), qRgb(255, 0, 255));
  EXPECT_EQ(image.pixel(4, 0), qRgb(10, 20, 30));
}

TEST_F(PictureLoaderTest, RecognisesJpegByContentNotName) {
  const QImage image = loader_.Load(CoursePath("\\gfx_r\\Photo.bmp"));
  EXPECT_EQ(image.size(), QSize(9, 7));
}

TEST_F(PictureLoaderTest, UnreadableGivesNullImage) {
  EXPECT_TRUE(loader_.Load(CoursePath("\\gfx_r\\missing.bmp")).isNull());
  EXPECT_TRUE(loader_.Load(CoursePath("\\gfx_r\\notes.bmp")).isNull());
  EXPECT_TRUE(loader_.Load(CoursePath("\\gfx_r")).isNull());
}

QByteArray BmpBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

void PutLittle32(QByteArray& bytes, int at, std::int32_t value) {
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// An OS/2 1.x file: a 12-byte header of 16-bit sizes, then 24-bit rows padded to 4 bytes.
QByteArray CoreHeaderBmp(int width, int height) {
  const int row = (width * 3 + 3) / 4 * 4;
  QByteArray bytes(26 + row * height, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLittle32(bytes, 2, static_cast<std::int32_t>(bytes.size()));
  PutLittle32(bytes, 10, 26);
  PutLittle32(bytes, 14, 12);
  bytes[18] = static_cast<char>(width);
  bytes[20] = static_cast<char>(height);
  bytes[22] = 1;   // planes
  bytes[24] = 24;  // bits per pixel
  return bytes;
}

// The header read alone gives what Qt's own reader gives for every picture Qt can read, and
// nothing for a header Qt could not size either.
TEST(BmpHeaderTest, SizeIsTheOneQtReads) {
  QImage rgb(5, 3, QImage::Format_RGB32);
  rgb.fill(Qt::red);
  QByteArray topDown = BmpBytes(rgb);
  PutLittle32(topDown, 22, -3);
  QByteArray zeroWidth = BmpBytes(rgb);
  PutLittle32(zeroWidth, 18, 0);
  QByteArray unknownHeader = BmpBytes(rgb);
  PutLittle32(unknownHeader, 14, 99);
  const struct {
    const char* name;
    QByteArray bytes;
    QSize size;
  } cases[] = {
      {"32-bit", BmpBytes(rgb), QSize(5, 3)},
      {"24-bit", BmpBytes(QImage(640, 480, QImage::Format_RGB888)), QSize(640, 480)},
      {"top-down", topDown, QSize(5, 3)},
      {"OS/2 header", CoreHeaderBmp(2, 2), QSize(2, 2)},
      {"cut in the header", BmpBytes(rgb).left(20), QSize()},
      {"unknown header", unknownHeader, QSize()},
      {"no width", zeroWidth, QSize()},
      {"not a BMP", QByteArray("GIF89a"), QSize()},
  };
  for (const auto& c : cases) {
    const auto* data = reinterpret_cast<const unsigned char*>(c.bytes.constData());
    const auto length = static_cast<std::size_t>(c.bytes.size());
    EXPECT_EQ(BmpSize(data, length), c.size) << c.name;
    if (!c.size.isValid()) continue;
    QBuffer buffer;
    buffer.setData(c.bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(QImageReader(&buffer, "bmp").read().size(), c.size) << c.name;
  }
}

TEST_F(PictureLoaderTest, SizeOfReadsTheHeaderOnly) {
  EXPECT_EQ(loader_.SizeOf(CoursePath("\\gfx_r\\OK2.bmp")), QSize(5, 3));
  EXPECT_EQ(loader_.SizeOf(CoursePath("\\gfx_r\\photo.bmp")), QSize(9, 7));
  EXPECT_FALSE(loader_.SizeOf(CoursePath("\\gfx_r\\notes.bmp")).isValid());
}

// The file a screen's density picks: "name@2x.ext" beside "name.ext" on a ratio of 2 or more,
// when it is exactly twice the size; the 1x file otherwise.
TEST(DensePictureTest, PicksTheDenseFileOnlyWhenItFits) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path() + "/";
  const auto bmp = [&root](const char* name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(root + name, "BMP"));
  };
  const auto jpeg = [&root](const char* name, int width, int height) {
    const std::vector<unsigned char> bytes =
        testing::EncodeJpeg(width, height, JCS_RGB, testing::GradientPixels(width, height));
    QFile file(root + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  };
  const QColor single(Qt::red);
  const QColor dense(Qt::blue);
  bmp("skin.bmp", {5, 3}, single);
  bmp("skin@2x.bmp", {10, 6}, dense);
  bmp("plain.bmp", {5, 3}, single);
  bmp("wrong.bmp", {5, 3}, single);
  bmp("wrong@2x.bmp", {9, 6}, dense);
  bmp("Mixed.BMP", {5, 3}, single);
  bmp("MIXED@2X.bmp", {10, 6}, dense);
  bmp("alone@2x.bmp", {10, 6}, dense);
  jpeg("photo.jpg", 9, 7);
  jpeg("photo@2x.jpg", 18, 14);
  jpeg("small.jpg", 9, 7);
  jpeg("small@2x.jpg", 17, 14);

  struct Case {
    const char* path;
    qreal screen;
    QSize pixels;  // an empty size: no picture
    qreal ratio;
  };
  const Case cases[] = {
      {"skin.bmp", 1.0, {5, 3}, 1.0},
      {"skin.bmp", 1.5, {5, 3}, 1.0},
      {"skin.bmp", 2.0, {10, 6}, 2.0},
      {"skin.bmp", 3.0, {10, 6}, 2.0},
      {"plain.bmp", 2.0, {5, 3}, 1.0},
      {"wrong.bmp", 2.0, {5, 3}, 1.0},
      {"mixed.bmp", 2.0, {10, 6}, 2.0},  // both names found without regard to case
      {"alone.bmp", 2.0, {}, 1.0},       // a dense file without its 1x file is not taken
      {"photo.jpg", 2.0, {18, 14}, 2.0},
      {"small.jpg", 2.0, {9, 7}, 1.0},
      {"photo.jpg", 1.0, {9, 7}, 1.0},
  };
  qreal screen = 1.0;
  QtPictureLoader loader([&screen] { return screen; });
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path) + " at " + std::to_string(c.screen));
    screen = c.screen;
    const QImage image = loader.Load(root.toStdString() + c.path);
    if (c.pixels.isEmpty()) {
      EXPECT_TRUE(image.isNull());
      continue;
    }
    EXPECT_EQ(image.size(), c.pixels);
    EXPECT_EQ(image.devicePixelRatio(), c.ratio);
    EXPECT_EQ(LogicalSize(image), c.pixels / c.ratio) << "stands for the 1x size";
    if (QString(c.path).endsWith(".bmp")) {
      EXPECT_EQ(image.pixelColor(0, 0), c.ratio == 2.0 ? dense : single);
    }
  }
}

// A picture read ahead serves the first load only; later loads read the file as it is then.
TEST_F(PictureLoaderTest, ReadAheadServesTheFirstLoadOnly) {
  const std::string ok = CoursePath("\\gfx_r\\ok2.bmp");
  const std::string missing = CoursePath("\\gfx_r\\missing.bmp");
  loader_.ReadAhead({ok, missing});
  EXPECT_EQ(loader_.Load(CoursePath("\\gfx_r\\Photo.bmp")).size(), QSize(9, 7))
      << "a picture not read ahead is read as it is asked for";
  const QImage early = loader_.Load(ok);
  ASSERT_EQ(early.size(), QSize(5, 3));
  EXPECT_EQ(early.pixel(0, 2), qRgb(255, 0, 255));
  EXPECT_TRUE(loader_.Load(missing).isNull());

  ASSERT_TRUE(QFile::remove(Path("Gfx_r/Ok2.bmp")));
  EXPECT_TRUE(loader_.Load(ok).isNull()) << "the second load reads the disk";
}

}  // namespace
}  // namespace tess
