#include "Icons.h"

#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>

#include "Look.h"

namespace tess::demo {

namespace {

QPainterPath Polyline(std::initializer_list<QPointF> points, bool closed = false) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& point : points) {
    if (first) {
      path.moveTo(point);
      first = false;
    } else {
      path.lineTo(point);
    }
  }
  if (closed) path.closeSubpath();
  return path;
}

QPainterPath Circle(QPointF centre, qreal radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

QPainterPath RoundRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

// A dot is a zero-length line: the round cap makes it as wide as the stroke.
QPainterPath Dot(QPointF at) { return Polyline({at, at + QPointF(0.01, 0)}); }

QPainterPath Arc(QPointF centre, qreal radius, qreal start, qreal sweep) {
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  QPainterPath path;
  path.arcMoveTo(box, start);
  path.arcTo(box, start, sweep);
  return path;
}

// The shoulders of a person below a head; `left` is where they start.
QPainterPath Shoulders(qreal left, qreal right, qreal top) {
  QPainterPath path;
  path.moveTo(left, 21);
  path.lineTo(left, top + 4);
  path.quadTo(left, top, left + 4, top);
  path.lineTo(right - 4, top);
  path.quadTo(right, top, right, top + 4);
  path.lineTo(right, 21);
  return path;
}

QPainterPath Bubble(const QRectF& body, QPointF tail, qreal tailX) {
  QPainterPath path = RoundRect(body, 3);
  QPainterPath tailPath;
  const qreal base = tail.y() < body.center().y() ? body.top() : body.bottom();
  tailPath.moveTo(tailX - 2.5, base);
  tailPath.lineTo(tail);
  tailPath.lineTo(tailX + 2.5, base);
  tailPath.closeSubpath();
  return path.united(tailPath).simplified();
}

QPainterPath Shape(Icon icon) {
  QPainterPath path;
  switch (icon) {
    case Icon::Play:
      return Polyline({{7.5, 4.5}, {19, 12}, {7.5, 19.5}}, true);
    case Icon::Stop:
      return RoundRect({6, 6, 12, 12}, 2);
    case Icon::Pause:
      path.addRoundedRect({6.5, 5, 3.5, 14}, 1, 1);
      path.addRoundedRect({14, 5, 3.5, 14}, 1, 1);
      return path;
    case Icon::Up:
      return Polyline({{6, 15}, {12, 9}, {18, 15}});
    case Icon::Down:
      return Polyline({{6, 9}, {12, 15}, {18, 9}});
    case Icon::Left:
      return Polyline({{15, 6}, {9, 12}, {15, 18}});
    case Icon::Right:
      return Polyline({{9, 6}, {15, 12}, {9, 18}});
    case Icon::Back:
      path = Polyline({{19, 12}, {5, 12}});
      path.addPath(Polyline({{11, 6}, {5, 12}, {11, 18}}));
      return path;
    case Icon::Next:
      path = Polyline({{5, 12}, {19, 12}});
      path.addPath(Polyline({{13, 6}, {19, 12}, {13, 18}}));
      return path;
    case Icon::Speaker:
      path = Polyline({{11, 5}, {6, 9}, {2.5, 9}, {2.5, 15}, {6, 15}, {11, 19}}, true);
      path.addPath(Arc({12, 12}, 4, 45, -90));
      path.addPath(Arc({12, 12}, 8, 45, -90));
      return path;
    case Icon::Microphone:
      path = RoundRect({9, 2, 6, 12}, 3);
      path.addPath(Arc({12, 11}, 7, 180, 180));
      path.addPath(Polyline({{12, 18}, {12, 22}}));
      path.addPath(Polyline({{8, 22}, {16, 22}}));
      return path;
    case Icon::Book:
      path.moveTo(2, 5);
      path.lineTo(8, 5);
      path.quadTo(12, 5, 12, 9);
      path.lineTo(12, 20);
      path.quadTo(11, 18, 9, 18);
      path.lineTo(2, 18);
      path.closeSubpath();
      path.moveTo(22, 5);
      path.lineTo(16, 5);
      path.quadTo(12, 5, 12, 9);
      path.moveTo(12, 20);
      path.quadTo(13, 18, 15, 18);
      path.lineTo(22, 18);
      path.lineTo(22, 5);
      return path;
    case Icon::Repeat:
      path = Polyline({{17, 2}, {21, 6}, {17, 10}});
      path.moveTo(3, 11);
      path.lineTo(3, 10);
      path.quadTo(3, 6, 7, 6);
      path.lineTo(21, 6);
      path.addPath(Polyline({{7, 22}, {3, 18}, {7, 14}}));
      path.moveTo(21, 13);
      path.lineTo(21, 14);
      path.quadTo(21, 18, 17, 18);
      path.lineTo(3, 18);
      return path;
    case Icon::Replay:
      path = Arc({12, 12}, 9, 150, 300);
      path.addPath(Polyline({{14.5, 0.5}, {11.5, 3}, {14.5, 5.5}}));
      path.addPath(Polyline({{10, 8.5}, {15.5, 12}, {10, 15.5}}, true));
      return path;
    case Icon::Print:
      path = Polyline({{6, 9}, {6, 2}, {18, 2}, {18, 9}});
      path.moveTo(6, 18);
      path.lineTo(4, 18);
      path.quadTo(2, 18, 2, 16);
      path.lineTo(2, 11);
      path.quadTo(2, 9, 4, 9);
      path.lineTo(20, 9);
      path.quadTo(22, 9, 22, 11);
      path.lineTo(22, 16);
      path.quadTo(22, 18, 20, 18);
      path.lineTo(18, 18);
      path.addRect(6, 14, 12, 8);
      return path;
    case Icon::Contents:
      for (qreal y : {6.0, 12.0, 18.0}) {
        path.addPath(Polyline({{8.5, y}, {21, y}}));
        path.addPath(Dot({3.5, y}));
      }
      return path;
    case Icon::Info:
      path = Circle({12, 12}, 10);
      path.addPath(Polyline({{12, 16.5}, {12, 11}}));
      path.addPath(Dot({12, 7.5}));
      return path;
    case Icon::Check:
      return Polyline({{20, 6}, {9, 17}, {4, 12}});
    case Icon::Close:
      path = Polyline({{6, 6}, {18, 18}});
      path.addPath(Polyline({{18, 6}, {6, 18}}));
      return path;
    case Icon::Help:
      path = Circle({12, 12}, 10);
      path.moveTo(9, 9.5);
      path.cubicTo(9, 5.8, 15, 5.8, 15, 9.5);
      path.cubicTo(15, 12, 12, 12, 12, 14);
      path.addPath(Dot({12, 17.5}));
      return path;
    case Icon::Question:
      path.moveTo(7.5, 8);
      path.cubicTo(7.5, 2.5, 16.5, 2.5, 16.5, 8);
      path.cubicTo(16.5, 11.5, 12, 11.5, 12, 15);
      path.addPath(Dot({12, 20}));
      return path;
    case Icon::Film:
      path = RoundRect({2, 4, 20, 16}, 2.5);
      path.addPath(Polyline({{7, 4}, {7, 20}}));
      path.addPath(Polyline({{17, 4}, {17, 20}}));
      path.addPath(Polyline({{2, 12}, {22, 12}}));
      for (qreal y : {8.0, 16.0}) {
        path.addPath(Polyline({{2, y}, {7, y}}));
        path.addPath(Polyline({{17, y}, {22, y}}));
      }
      return path;
    case Icon::UserPlus:
      path = Circle({8.5, 7}, 4);
      path.addPath(Shoulders(1.5, 15.5, 15));
      path.addPath(Polyline({{20, 8}, {20, 14}}));
      path.addPath(Polyline({{17, 11}, {23, 11}}));
      return path;
    case Icon::Users:
      path = Circle({9, 7}, 4);
      path.addPath(Shoulders(2, 16, 15));
      path.addPath(Arc({15.5, 7}, 4, 90, -180));
      path.moveTo(19, 15.3);
      path.quadTo(22.5, 16, 22.5, 19);
      path.lineTo(22.5, 21);
      return path;
    case Icon::Exercises:
      path = RoundRect({4.5, 4, 15, 18}, 2);
      path.addRoundedRect({8.5, 2, 7, 4}, 1, 1);
      path.addPath(Polyline({{8.5, 14}, {11, 16.5}, {15.5, 11.5}}));
      return path;
    case Icon::Video:
      path = RoundRect({2, 3.5, 20, 14}, 2);
      path.addPath(Polyline({{10, 7.5}, {15, 10.5}, {10, 13.5}}, true));
      path.addPath(Polyline({{8, 21}, {16, 21}}));
      return path;
    case Icon::Sentences:
      path.moveTo(21, 15);
      path.quadTo(21, 17, 19, 17);
      path.lineTo(7, 17);
      path.lineTo(3, 21);
      path.lineTo(3, 5);
      path.quadTo(3, 3, 5, 3);
      path.lineTo(19, 3);
      path.quadTo(21, 3, 21, 5);
      path.closeSubpath();
      path.addPath(Polyline({{7, 8}, {17, 8}}));
      path.addPath(Polyline({{7, 12}, {13, 12}}));
      return path;
    case Icon::Headphones:
      path.moveTo(3, 18);
      path.lineTo(3, 12);
      path.arcTo(QRectF(3, 3, 18, 18), 180, -180);
      path.lineTo(21, 18);
      path.addRoundedRect({2.5, 13.5, 5, 8}, 1.5, 1.5);
      path.addRoundedRect({16.5, 13.5, 5, 8}, 1.5, 1.5);
      return path;
    case Icon::Conversations:
      // Drawn by DrawIcon: the front bubble hides part of the back one.
      return Bubble({9, 9.5, 13.5, 9.5}, {19, 22}, 17);
    case Icon::Results:
      path = Polyline({{6, 19}, {6, 14}});
      path.addPath(Polyline({{12, 19}, {12, 5}}));
      path.addPath(Polyline({{18, 19}, {18, 10}}));
      path.addPath(Polyline({{2.5, 22}, {21.5, 22}}));
      return path;
    case Icon::Globe:
      path = Circle({12, 12}, 10);
      path.addPath(Polyline({{2, 12}, {22, 12}}));
      path.addEllipse(QPointF(12, 12), 4, 10);
      return path;
    case Icon::Settings:
      for (const auto& [x, knob] : {std::pair{4.0, 14.0}, {12.0, 8.0}, {20.0, 16.0}}) {
        path.addPath(Polyline({{x, 21}, {x, knob + 1.5}}));
        path.addPath(Polyline({{x, knob - 1.5}, {x, 3}}));
        path.addPath(Polyline({{x - 2.5, knob + 1.5}, {x + 2.5, knob + 1.5}}));
      }
      return path;
    case Icon::Shuffle:
      path = Polyline({{16, 3}, {21, 3}, {21, 8}});
      path.addPath(Polyline({{4, 20}, {21, 3}}));
      path.addPath(Polyline({{21, 16}, {21, 21}, {16, 21}}));
      path.addPath(Polyline({{15, 15}, {21, 21}}));
      path.addPath(Polyline({{4, 4}, {9, 9}}));
      return path;
  }
  return path;
}

}  // namespace

void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& ink, qreal stroke) {
  const qreal side = qMin(box.width(), box.height());
  const qreal scale = side / 24.0;
  p.save();
  p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
  p.scale(scale, scale);
  p.setPen(Stroke(ink, stroke / scale));
  p.setBrush(Qt::NoBrush);
  const QPainterPath shape = Shape(icon);
  if (icon == Icon::Conversations) {
    const QPainterPath back = Bubble({1.5, 2, 13.5, 9.5}, {5, 14.5}, 6.5);
    QPainterPath outside;
    outside.addRect(-2, -2, 28, 28);
    // Keep the back bubble a stroke's width away from the front one.
    QPainterPathStroker grow;
    grow.setWidth(3.0 * stroke / scale);
    p.save();
    p.setClipPath(outside.subtracted(shape.united(grow.createStroke(shape))));
    p.drawPath(back);
    p.restore();
  }
  p.drawPath(shape);
  p.restore();
}

}  // namespace tess::demo
