// The programs' own icons for the desktop's menus: a navy tile with headphones for the course
// and an open book for the dictionary, as PNGs at the theme's sizes and as SVG, all from one
// set of shapes so the sizes never drift apart.
#include <QBuffer>
#include <QPainterPath>

#include <vector>

#include "Look.h"
#include "Pictures.h"

namespace tess::demo {
namespace {

constexpr qreal kBox = 256;  // the shapes' own square

struct Shape {
  QPainterPath path;
  QColor fill;    // invalid: not filled
  QColor stroke;  // invalid: not stroked
  qreal width = 0;
};

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

// The tile both icons stand on, with its one-step shadow.
void Tile(std::vector<Shape>& shapes) {
  const QRectF tile(20, 16, 216, 216);
  shapes.push_back({RoundedRect(tile.translated(0, 6), 44), colour::kNavyEdge, {}, 0});
  shapes.push_back({RoundedRect(tile, 44), colour::kNavy, {}, 0});
}

std::vector<Shape> CoursebookShapes() {
  std::vector<Shape> shapes;
  Tile(shapes);
  QPainterPath band;
  band.moveTo(62, 146);
  band.arcTo(QRectF(62, 56, 132, 132), 180, -180);
  shapes.push_back({band, {}, colour::kTeal, 16});
  shapes.push_back({RoundedRect(QRectF(48, 132, 40, 70), 14), colour::kTeal, {}, 0});
  shapes.push_back({RoundedRect(QRectF(168, 132, 40, 70), 14), colour::kTeal, {}, 0});
  // What is heard: a level meter in the sand of the pages.
  const qreal heights[] = {26, 54, 38};
  for (int i = 0; i < 3; ++i) {
    const qreal h = heights[i];
    shapes.push_back(
        {RoundedRect(QRectF(103 + i * 20, 168 - h / 2, 10, h), 5), colour::kSand, {}, 0});
  }
  return shapes;
}

std::vector<Shape> WordbookShapes() {
  std::vector<Shape> shapes;
  Tile(shapes);
  QPainterPath left;
  left.moveTo(128, 82);
  left.cubicTo(106, 68, 78, 64, 50, 70);
  left.lineTo(50, 184);
  left.cubicTo(78, 178, 106, 182, 128, 196);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(128, 82);
  right.cubicTo(150, 68, 178, 64, 206, 70);
  right.lineTo(206, 184);
  right.cubicTo(178, 178, 150, 182, 128, 196);
  right.closeSubpath();
  shapes.push_back({left, colour::kSand, colour::kSand, 4});
  shapes.push_back({right, colour::kWhite, colour::kWhite, 4});
  // Lines of entries on both pages.
  for (int row = 0; row < 4; ++row) {
    const qreal y = 98 + row * 20;
    QPainterPath leftLine;
    leftLine.moveTo(66, y + 2);
    leftLine.lineTo(row == 3 ? 96 : 112, y);
    shapes.push_back({leftLine, {}, colour::kNavyPanel, 6});
    QPainterPath rightLine;
    rightLine.moveTo(144, y);
    rightLine.lineTo(row == 1 ? 170 : 190, y + 2);
    shapes.push_back({rightLine, {}, colour::kMuted, 6});
  }
  QPainterPath spine;
  spine.moveTo(128, 84);
  spine.lineTo(128, 194);
  shapes.push_back({spine, {}, colour::kNavyEdge, 4});
  QPainterPath ribbon;
  ribbon.moveTo(170, 60);
  ribbon.lineTo(186, 60);
  ribbon.lineTo(186, 112);
  ribbon.lineTo(178, 104);
  ribbon.lineTo(170, 112);
  ribbon.closeSubpath();
  shapes.push_back({ribbon, colour::kTeal, {}, 0});
  return shapes;
}

QPen ShapePen(const Shape& shape) {
  if (!shape.stroke.isValid()) return Qt::NoPen;
  return Stroke(shape.stroke, shape.width);
}

QByteArray Png(const std::vector<Shape>& shapes, int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    Smooth(p);
    p.scale(pixels / kBox, pixels / kBox);
    for (const Shape& shape : shapes) {
      p.setPen(ShapePen(shape));
      p.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
      p.drawPath(shape.path);
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QString Number(qreal value) { return QString::number(value, 'f', 2); }

QString PathData(const QPainterPath& path) {
  QString data;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        data += QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
        break;
      case QPainterPath::LineToElement:
        data += QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
        break;
      case QPainterPath::CurveToElement:
        data += QStringLiteral("C%1 %2").arg(Number(e.x), Number(e.y));
        break;
      case QPainterPath::CurveToDataElement:
        data += QStringLiteral(" %1 %2").arg(Number(e.x), Number(e.y));
        break;
    }
  }
  return data;
}

QByteArray Svg(const std::vector<Shape>& shapes) {
  QString svg = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n");
  for (const Shape& shape : shapes) {
    svg += QStringLiteral("  <path d=\"%1\" fill=\"%2\"")
               .arg(PathData(shape.path),
                    shape.fill.isValid() ? shape.fill.name() : QStringLiteral("none"));
    if (shape.stroke.isValid()) {
      svg += QStringLiteral(
                 " stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                 "stroke-linejoin=\"round\"")
                 .arg(shape.stroke.name(), Number(shape.width));
    }
    svg += QStringLiteral("/>\n");
  }
  svg += QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

void SaveIcon(PictureFolder& folder, const QString& name, const std::vector<Shape>& shapes) {
  for (const int size : {48, 128, 256}) {
    folder.SaveFile(QStringLiteral("icons\\hicolor\\%1x%1\\apps\\%2.png").arg(size).arg(name),
                    Png(shapes, size));
  }
  folder.SaveFile(QStringLiteral("icons\\hicolor\\scalable\\apps\\%1.svg").arg(name), Svg(shapes));
}

}  // namespace

void PaintAppIcons(PictureFolder& folder) {
  SaveIcon(folder, QStringLiteral("org.tessaron.coursebook"), CoursebookShapes());
  SaveIcon(folder, QStringLiteral("org.tessaron.wordbook"), WordbookShapes());
}

}  // namespace tess::demo
