#pragma once
// Flags of the course language and of the translation language, drawn to any size.
#include <QPainter>
#include <QRectF>

namespace tess::demo {

void DrawUnitedKingdomFlag(QPainter& p, const QRectF& field);
void DrawPolishFlag(QPainter& p, const QRectF& field);

}  // namespace tess::demo
