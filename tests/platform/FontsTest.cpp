#include "platform/Fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace tess {
namespace {

TEST(FontsTest, PointsArePixelsAt96Dpi) {
  const int table[][2] = {{8, 11}, {9, 12}, {10, 13}, {11, 15}, {12, 16}, {14, 19}, {18, 24}};
  for (const auto& row : table) EXPECT_EQ(PointsToPixels(row[0]), row[1]) << row[0] << " pt";
}

TEST(FontsTest, PointFontUsesPixelsAndSubstitute) {
  const QFont font = PointFont("MS Sans Serif", 8, true);
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(PointFont("Courier New", 10).family(), QStringLiteral("Courier New"));
}

TEST(FontsTest, SubstitutedFamiliesResolveToLiberationSans) {
  if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
    GTEST_SKIP() << "Liberation Sans is not installed (package fonts-liberation2)";
  }
  InstallFontSubstitutions();
  for (const char* family : {"Arial", "Arial CE", "MS Sans Serif"}) {
    EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(family))).family(),
              QStringLiteral("Liberation Sans"))
        << family;
  }
}

}  // namespace
}  // namespace tess
