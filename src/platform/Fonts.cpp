#include "platform/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <QString>
#include <cmath>

namespace tess {

namespace {

constexpr char kSubstitute[] = "Liberation Sans";
constexpr const char* kSubstituted[] = {"Arial", "Arial CE", "MS Sans Serif"};

QString MappedFamily(const char* family) {
  const QString name = QString::fromLatin1(family);
  for (const char* original : kSubstituted) {
    if (name.compare(QLatin1String(original), Qt::CaseInsensitive) == 0) {
      return QString::fromLatin1(kSubstitute);
    }
  }
  return name;
}

}  // namespace

void InstallFontSubstitutions() {
  for (const char* original : kSubstituted) {
    QFont::insertSubstitution(QString::fromLatin1(original), QString::fromLatin1(kSubstitute));
  }
}

FontConfigurationReader::FontConfigurationReader() : reader_([] { FcInit(); }) {}

FontConfigurationReader::~FontConfigurationReader() { Wait(); }

void FontConfigurationReader::Wait() {
  if (reader_.joinable()) reader_.join();
}

int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont PointFont(const char* family, int points, bool bold) {
  QFont font(MappedFamily(family));
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

}  // namespace tess
