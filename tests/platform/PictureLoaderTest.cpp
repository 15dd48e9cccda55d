#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "JpegFixtures.h"
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

}  // namespace
}  // namespace tess
