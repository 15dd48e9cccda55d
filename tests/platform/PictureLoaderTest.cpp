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

}  // namespace
}  // namespace tess
