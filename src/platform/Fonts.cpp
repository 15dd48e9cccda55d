#include "platform/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <cmath>
#include <vector>

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

FontDatabaseReader::FontDatabaseReader()
    : reader_([fonts = std::vector<QFont>{QGuiApplication::font(), QFont("MS Sans Serif"),
                                          PointFont("Arial", 10), PointFont("Arial", 10, true)}] {
        // Qt keeps the list of fonts and each family's fallbacks for all threads; what it
        // finds here the first window's text does not look for again. The families are
        // those the windows ask for, before substitution.
        QFontDatabase::families();
        for (const QFont& font : fonts) QFontMetrics(font).height();
      }) {}

FontDatabaseReader::~FontDatabaseReader() { reader_.join(); }

int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont PointFont(const char* family, int points, bool bold) {
  QFont font(MappedFamily(family));
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

}  // namespace tess
