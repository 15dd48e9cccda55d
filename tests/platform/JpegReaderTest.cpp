#include "platform/JpegReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "JpegFixtures.h"

namespace tess {
namespace {

using testing::EncodeJpeg;
using testing::GradientPixels;

QImage Decode(const std::vector<unsigned char>& bytes, std::string* error = nullptr) {
  return DecodeJpeg(bytes.data(), bytes.size(), error);
}

// Largest difference of any channel between the picture and the expected colour.
int Difference(QRgb actual, int r, int g, int b) {
  return std::max(
      {std::abs(qRed(actual) - r), std::abs(qGreen(actual) - g), std::abs(qBlue(actual) - b)});
}

TEST(JpegReaderTest, DecodesColourPictureNearTheSource) {
  const int width = 37, height = 23;
  const std::vector<unsigned char> source = GradientPixels(width, height);
  const QImage image = Decode(EncodeJpeg(width, height, JCS_RGB, source));
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.size(), QSize(width, height));
  int worst = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = &source[(y * width + x) * 3];
      worst = std::max(worst, Difference(image.pixel(x, y), p[0], p[1], p[2]));
    }
  }
  EXPECT_LE(worst, 8);
}

TEST(JpegReaderTest, DecodesGrayscaleAsGrey) {
  const int width = 19, height = 13;
  std::vector<unsigned char> source;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) source.push_back(static_cast<unsigned char>(x * 12 + y * 2));
  }
  const QImage image = Decode(EncodeJpeg(width, height, JCS_GRAYSCALE, source));
  ASSERT_EQ(image.size(), QSize(width, height));
  int worst = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int v = source[y * width + x];
      worst = std::max(worst, Difference(image.pixel(x, y), v, v, v));
    }
  }
  EXPECT_LE(worst, 4);
}

TEST(JpegReaderTest, DecodesCmykWithAndWithoutAdobeInversion) {
  // Dark red: no cyan, full magenta and yellow, half black.
  const unsigned char ink[4] = {0, 255, 255, 128};
  struct Row {
    const char* name;
    bool adobe;
  };
  for (const Row& row : {Row{"adobe, stored inverted", true}, Row{"plain", false}}) {
    SCOPED_TRACE(row.name);
    std::vector<unsigned char> source;
    for (int i = 0; i < 8 * 8; ++i) {
      for (unsigned char v : ink) source.push_back(row.adobe ? 255 - v : v);
    }
    const QImage image = Decode(EncodeJpeg(8, 8, JCS_CMYK, source, row.adobe));
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_LE(Difference(image.pixel(3, 3), 127, 0, 0), 4);
  }
}

TEST(JpegReaderTest, DamagedFilesGiveNullImage) {
  const std::vector<unsigned char> good = EncodeJpeg(64, 64, JCS_RGB, GradientPixels(64, 64));
  ASSERT_FALSE(Decode(good).isNull());

  std::vector<unsigned char> huge = good;
  for (std::size_t i = 2; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // SOF0: length, precision, height, width
      huge[i + 5] = 0xEA, huge[i + 6] = 0x60;      // 60000 x 60000, under libjpeg's own limit
      huge[i + 7] = 0xEA, huge[i + 8] = 0x60;
      break;
    }
  }
  std::vector<unsigned char> garbage = {0xFF, 0xD8};
  garbage.resize(200, 0x5A);

  struct Row {
    const char* name;
    std::vector<unsigned char> bytes;
  };
  const Row rows[] = {
      {"truncated in the middle", {good.begin(), good.begin() + good.size() / 2}},
      {"truncated early", {good.begin(), good.begin() + 700}},
      {"start marker only", {0xFF, 0xD8}},
      {"garbage after the start marker", garbage},
      {"dimensions beyond the cap", huge},
      {"not a JPEG", {'B', 'M', 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string error;
    EXPECT_TRUE(Decode(row.bytes, &error).isNull());
    EXPECT_FALSE(error.empty());
  }
  // Refused from the header, before the picture's memory is asked for.
  std::string error;
  Decode(huge, &error);
  EXPECT_EQ(error, "JPEG picture too large");
}

// The size comes from the header alone: a file cut just after its header still gives it.
TEST(JpegReaderTest, SizeFromTheHeaderAlone) {
  const std::vector<unsigned char> good = EncodeJpeg(40, 24, JCS_RGB, GradientPixels(40, 24));
  EXPECT_EQ(JpegSize(good.data(), good.size()), QSize(40, 24));
  std::size_t scan = 2;  // the start of scan marker: the header ends with its segment
  while (scan + 3 < good.size() && !(good[scan] == 0xFF && good[scan + 1] == 0xDA)) ++scan;
  const std::size_t headerEnd = scan + 2 + (good[scan + 2] << 8 | good[scan + 3]);
  ASSERT_LT(headerEnd + 16, good.size());
  const std::vector<unsigned char> cut(good.begin(),
                                       good.begin() + static_cast<std::ptrdiff_t>(headerEnd + 16));
  EXPECT_EQ(JpegSize(cut.data(), cut.size()), QSize(40, 24));
  const std::vector<unsigned char> start = {0xFF, 0xD8, 0x5A, 0x5A};
  EXPECT_FALSE(JpegSize(start.data(), start.size()).isValid());
  const std::vector<unsigned char> bmp = {'B', 'M', 0, 0};
  EXPECT_FALSE(JpegSize(bmp.data(), bmp.size()).isValid());
}

}  // namespace
}  // namespace tess
