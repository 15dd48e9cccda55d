#pragma once
// The one look of every generated picture: palette, type, shapes and the skin strip builder.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

#include "Icons.h"
#include "widgets/Palette.h"

namespace tess::demo {

namespace colour = ::tess::palette;

/// `colour` brightened toward white, the highlighted fill of a button.
QColor Lighter(const QColor& colour, qreal amount = 0.16);

/// Liberation Sans at a pixel size.
QFont Font(int pixels, bool bold = false);
/// The largest size from `pixels` down to `minimum` at which `text` fits `width`; a text that
/// does not fit even then stops the generator, so no caption is ever cut.
QFont FittingFont(const QString& text, qreal width, int pixels, int minimum, bool bold);
/// Fails loudly when the type of the look is not installed (it would silently change).
void RequireFonts();

/// A 2-pixel (or `width`) stroke with round caps and joins.
QPen Stroke(const QColor& colour, qreal width = 2.0);

void FillRounded(QPainter& p, const QRectF& rect, const QColor& fill, qreal radius = 8);
/// The soft one-step shadow under a raised shape.
void Shadow(QPainter& p, const QRectF& rect, qreal radius = 8, qreal drop = 2);
/// A raised rounded panel: shadow, fill and an optional 1-pixel outline.
void Panel(QPainter& p, const QRectF& rect, const QColor& fill, qreal radius = 8,
           const QColor& outline = QColor());

/// Antialiased shapes, text and scaled pictures.
void Smooth(QPainter& p);

/// Text in `rect` at a fixed size, as it comes.
void Text(QPainter& p, const QRectF& rect, const QString& text, int pixels, bool bold,
          const QColor& ink, int flags = Qt::AlignLeft | Qt::AlignVCenter);

/// Text in `rect`, shrunk to fit its width (never below `minimum`).
void Caption(QPainter& p, const QRectF& rect, const QString& text, int pixels, bool bold,
             const QColor& ink, int flags = Qt::AlignCenter, int minimum = 11);

/// The face of a skinned button: shadow, fill, and for the highlighted frame a lighter fill with
/// a 1-pixel white inner line. Returns the rectangle left for the content.
QRectF ButtonFace(QPainter& p, const QRectF& rect, const QColor& fill, bool highlighted,
                  qreal radius, bool shadow = true);

/// Paints one frame of a strip into `face` (the frame less its transparent margin).
using FramePainter = std::function<void(QPainter& p, const QRectF& face, bool highlighted)>;

/// A skin strip of two frames side by side, normal and highlighted. What the painter leaves empty
/// becomes the transparent colour; soft edges are blended with `backdrop`, the colour the button
/// usually sits on, so no pink fringe shows. `margin` is transparent room around the face that
/// moves a button drawn at a fixed position into line with its neighbours.
QImage TwoFrameStrip(QSize frame, const QColor& backdrop, const FramePainter& paint,
                     QMargins margin = {});

/// One picture with transparent corners, flattened like a frame of `TwoFrameStrip`; its
/// bottom-left pixel must stay empty.
using PicturePainter = std::function<void(QPainter& p, const QRectF& area)>;
QImage KeyedPicture(QSize size, const QColor& backdrop, const PicturePainter& paint);

/// The navy strip on the right of the study windows, `width` wide from `left`.
void RightStrip(QPainter& p, int left, int width, int height);

/// A tick box of the exercises: empty, ticked, or marked wrong.
enum class Tick { Empty, Right, Wrong };
void TickBox(QPainter& p, const QRectF& box, Tick tick);

/// An opaque picture of the given size filled with `fill`, ready to paint on.
QImage Canvas(QSize size, const QColor& fill);

/// Device pixels per pixel of the pictures being drawn: 1, or 2 while the "@2x" set for dense
/// screens is drawn. Canvases and strips then have twice the pixels and a device pixel ratio of
/// 2, so the same drawing code paints both sets sharply.
int PictureScale();
void SetPictureScale(int scale);
/// The size a picture stands for: its pixels over its device pixel ratio.
QSize LogicalSize(const QImage& image);

}  // namespace tess::demo
