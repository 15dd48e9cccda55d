#pragma once
// The small scene of each recorded text, shown in the header of its exercise backgrounds.
#include <QPainter>
#include <QRectF>

namespace tess::demo {

/// The vignette of text `text` (1 to 10) in `card`: a rounded card with a flat line picture of
/// what the text is about, drawn at the card's scale (216 x 78 is its natural size).
void DrawTextScene(QPainter& p, int text, const QRectF& card);

}  // namespace tess::demo
