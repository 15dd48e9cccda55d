#include "Look.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainterPath>

#include <stdexcept>
#include <string>

namespace tess::demo {

namespace {
const char kFamily[] = "Liberation Sans";
int pictureScale = 1;

// A picture of `size` pixels as the current set draws them.
QImage NewPicture(QSize size, QImage::Format format) {
  QImage image(size * pictureScale, format);
  image.setDevicePixelRatio(pictureScale);
  return image;
}
}  // namespace

int PictureScale() { return pictureScale; }

void SetPictureScale(int scale) { pictureScale = scale; }

QSize LogicalSize(const QImage& image) { return image.deviceIndependentSize().toSize(); }

QColor Lighter(const QColor& colour, qreal amount) {
  const auto toward = [amount](int channel) {
    return static_cast<int>(channel + (255 - channel) * amount + 0.5);
  };
  return QColor(toward(colour.red()), toward(colour.green()), toward(colour.blue()));
}

QFont Font(int pixels, bool bold) {
  QFont font(QString::fromLatin1(kFamily));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont FittingFont(const QString& text, qreal width, int pixels, int minimum, bool bold) {
  for (int size = pixels; size >= minimum; --size) {
    QFont font = Font(size, bold);
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) return font;
  }
  throw std::runtime_error("caption \"" + text.toStdString() + "\" does not fit " +
                           std::to_string(static_cast<int>(width)) + " pixels");
}

void RequireFonts() {
  for (bool bold : {false, true}) {
    const QFontInfo info(Font(13, bold));
    if (info.family() != QLatin1String(kFamily) || info.bold() != bold) {
      throw std::runtime_error(std::string(kFamily) + (bold ? " Bold" : "") +
                               " is not installed (Debian package fonts-liberation2)");
    }
  }
}

QPen Stroke(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void FillRounded(QPainter& p, const QRectF& rect, const QColor& fill, qreal radius) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(rect, radius, radius);
  p.restore();
}

void Shadow(QPainter& p, const QRectF& rect, qreal radius, qreal drop) {
  FillRounded(p, rect.translated(0, drop), QColor(0x10, 0x1C, 0x2C, 56), radius);
}

void Panel(QPainter& p, const QRectF& rect, const QColor& fill, qreal radius,
           const QColor& outline) {
  Shadow(p, rect, radius);
  FillRounded(p, rect, fill, radius);
  if (outline.isValid()) {
    p.save();
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    p.restore();
  }
}

void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Text(QPainter& p, const QRectF& rect, const QString& text, int pixels, bool bold,
          const QColor& ink, int flags) {
  p.save();
  p.setFont(Font(pixels, bold));
  p.setPen(ink);
  p.drawText(rect, flags, text);
  p.restore();
}

void Caption(QPainter& p, const QRectF& rect, const QString& text, int pixels, bool bold,
             const QColor& ink, int flags, int minimum) {
  p.save();
  p.setFont(FittingFont(text, rect.width(), pixels, minimum, bold));
  p.setPen(ink);
  p.drawText(rect, flags, text);
  p.restore();
}

QRectF ButtonFace(QPainter& p, const QRectF& rect, const QColor& fill, bool highlighted,
                  qreal radius, bool shadow) {
  QRectF face = rect;
  if (shadow) {
    face.adjust(0, 0, 0, -2);
    Shadow(p, face, radius, 2);
  }
  FillRounded(p, face, highlighted ? Lighter(fill) : fill, radius);
  if (highlighted) {
    p.save();
    p.setPen(QPen(colour::kWhite, 1));
    p.setBrush(Qt::NoBrush);
    const QRectF line = face.adjusted(1.5, 1.5, -1.5, -1.5);
    p.drawRoundedRect(line, radius - 1.5, radius - 1.5);
    p.restore();
  }
  return face;
}

namespace {

// Paints a frame on its own layer; fully empty pixels take the key colour, partly covered ones
// are laid over the backdrop. `left` and `frame` are logical pixels.
void PaintKeyed(QImage& out, int left, QSize frame, const QColor& backdrop,
                const std::function<void(QPainter&)>& paint) {
  QImage layer = NewPicture(frame, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  left *= pictureScale;
  frame *= pictureScale;
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
  }
  for (int y = 0; y < frame.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y)) + left;
    for (int x = 0; x < frame.width(); ++x) {
      const int alpha = qAlpha(in[x]);
      if (alpha == 0) {
        line[x] = colour::kTransparentKey.rgb();
        continue;
      }
      const auto over = [alpha](int premultiplied, int under) {
        return premultiplied + (under * (255 - alpha) + 127) / 255;
      };
      line[x] = qRgb(over(qRed(in[x]), backdrop.red()), over(qGreen(in[x]), backdrop.green()),
                     over(qBlue(in[x]), backdrop.blue()));
    }
  }
}

void RequireKeyedCorner(const QImage& image, const char* what) {
  if (image.pixelColor(0, image.height() - 1) != colour::kTransparentKey) {
    throw std::runtime_error(std::string(what) + " covers its bottom-left corner");
  }
}

}  // namespace

QImage TwoFrameStrip(QSize frame, const QColor& backdrop, const FramePainter& paint,
                     QMargins margin) {
  QImage strip = NewPicture(QSize(frame.width() * 2, frame.height()), QImage::Format_RGB32);
  const QRectF face = QRectF(QPoint(0, 0), frame).marginsRemoved(margin.toMarginsF());
  for (int index = 0; index < 2; ++index) {
    PaintKeyed(strip, index * frame.width(), frame, backdrop,
               [&](QPainter& p) { paint(p, face, index == 1); });
  }
  RequireKeyedCorner(strip, "a skin strip");
  return strip;
}

QImage KeyedPicture(QSize size, const QColor& backdrop, const PicturePainter& paint) {
  QImage image = NewPicture(size, QImage::Format_RGB32);
  PaintKeyed(image, 0, size, backdrop, [&](QPainter& p) { paint(p, QRectF(QPoint(0, 0), size)); });
  RequireKeyedCorner(image, "a keyed picture");
  return image;
}

void RightStrip(QPainter& p, int left, int width, int height) {
  p.fillRect(QRectF(left, 0, width, height), colour::kNavy);
  p.fillRect(QRectF(left, 0, 1, height), colour::kNavyPanel);
}

void TickBox(QPainter& p, const QRectF& box, Tick tick) {
  using namespace colour;
  p.save();
  const QColor edge = tick == Tick::Wrong ? kCoral : tick == Tick::Right ? kLeaf : kNavy;
  p.setPen(QPen(edge, 1.5));
  p.setBrush(tick == Tick::Wrong ? Lighter(kCoral, 0.75) : kWhite);
  p.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), 3, 3);
  if (tick == Tick::Right) DrawIcon(p, Icon::Check, box.adjusted(2, 2, -2, -2), kLeaf, 2);
  if (tick == Tick::Wrong) DrawIcon(p, Icon::Close, box.adjusted(3, 3, -3, -3), kCoral, 2);
  p.restore();
}

QImage Canvas(QSize size, const QColor& fill) {
  QImage image = NewPicture(size, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

}  // namespace tess::demo
