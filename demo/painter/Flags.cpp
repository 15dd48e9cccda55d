#include "Flags.h"

#include <QLineF>

#include "Look.h"

namespace tess::demo {

void DrawUnitedKingdomFlag(QPainter& p, const QRectF& field) {
  const QColor blue(0x01, 0x21, 0x69);
  const QColor red(0xC8, 0x10, 0x2E);
  const qreal h = field.height();
  p.save();
  p.setClipRect(field, Qt::IntersectClip);
  p.fillRect(field, blue);
  for (const QLineF& line : {QLineF(field.topLeft(), field.bottomRight()),
                             QLineF(field.bottomLeft(), field.topRight())}) {
    p.setPen(QPen(colour::kWhite, 0.2 * h, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line);
    p.setPen(QPen(red, 0.07 * h, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line);
  }
  const QPointF c = field.center();
  for (const auto& [half, fill] : {std::pair{0.175 * h, colour::kWhite}, {0.1 * h, red}}) {
    p.fillRect(QRectF(c.x() - half, field.top(), 2 * half, h), fill);
    p.fillRect(QRectF(field.left(), c.y() - half, field.width(), 2 * half), fill);
  }
  p.restore();
}

void DrawGermanFlag(QPainter& p, const QRectF& field) {
  const qreal band = field.height() / 3;
  p.fillRect(QRectF(field.left(), field.top(), field.width(), band), QColor(0x00, 0x00, 0x00));
  p.fillRect(QRectF(field.left(), field.top() + band, field.width(), band),
             QColor(0xDD, 0x00, 0x00));
  p.fillRect(QRectF(field.left(), field.top() + 2 * band, field.width(), field.height() - 2 * band),
             QColor(0xFF, 0xCE, 0x00));
}

void DrawFrenchFlag(QPainter& p, const QRectF& field) {
  const qreal band = field.width() / 3;
  p.fillRect(QRectF(field.left(), field.top(), band, field.height()), QColor(0x00, 0x23, 0x95));
  p.fillRect(QRectF(field.left() + band, field.top(), band, field.height()), colour::kWhite);
  p.fillRect(QRectF(field.left() + 2 * band, field.top(), field.width() - 2 * band, field.height()),
             QColor(0xED, 0x29, 0x39));
}

void DrawCourseFlag(QPainter& p, const QRectF& field, CourseLanguage language) {
  switch (language) {
    case CourseLanguage::German:
      return DrawGermanFlag(p, field);
    case CourseLanguage::French:
      return DrawFrenchFlag(p, field);
    case CourseLanguage::English:
      break;
  }
  DrawUnitedKingdomFlag(p, field);
}

void DrawPolishFlag(QPainter& p, const QRectF& field) {
  p.fillRect(QRectF(field.left(), field.top(), field.width(), field.height() / 2), colour::kWhite);
  p.fillRect(QRectF(field.left(), field.center().y(), field.width(), field.height() / 2),
             QColor(0xDC, 0x14, 0x3C));
}

}  // namespace tess::demo
