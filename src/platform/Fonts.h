#pragma once
#include <QFont>

namespace tess {

/// Maps "Arial", "Arial CE" and "MS Sans Serif" to Liberation Sans, which has Arial's metrics.
void InstallFontSubstitutions();

/// A font given in points, as pixels at 96 DPI (8 pt = 11 px, 10 pt = 13 px).
QFont PointFont(const char* family, int points, bool bold = false);
int PointsToPixels(int points);

}  // namespace tess
