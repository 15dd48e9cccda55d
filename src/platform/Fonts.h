#pragma once
#include <QFont>
#include <thread>

namespace tess {

/// Maps "Arial", "Arial CE" and "MS Sans Serif" to Liberation Sans, which has Arial's metrics.
void InstallFontSubstitutions();

/// Reads the system's font configuration on a thread of its own while the window system
/// starts: the first window's text would otherwise wait for it. Made before the application
/// object; Wait() before the first widget is made, so the fonts are only ever set up once.
class FontConfigurationReader {
 public:
  FontConfigurationReader();
  ~FontConfigurationReader();
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;
  void Wait();

 private:
  std::thread reader_;
};

/// A font given in points, as pixels at 96 DPI (8 pt = 11 px, 10 pt = 13 px).
QFont PointFont(const char* family, int points, bool bold = false);
int PointsToPixels(int points);

}  // namespace tess
