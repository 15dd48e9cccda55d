// The vignettes of the ten recorded texts: flat line pictures drawn from shapes with the one
// navy stroke of the look, in pale colours so the title beside them stays first.
#include "TextScenes.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <stdexcept>

#include "Look.h"

namespace tess::demo {

namespace {

using namespace colour;

// The scenes are drawn on this grid and scaled into the card.
constexpr qreal kWidth = 216;
constexpr qreal kHeight = 78;
constexpr qreal kLine = 2;

const QColor kSky = Lighter(kTeal, 0.82);
const QColor kGlass = Lighter(kTeal, 0.7);
const QColor kWater = Lighter(kTeal, 0.45);
const QColor kGrass = Lighter(kLeaf, 0.55);
const QColor kLeaves = Lighter(kLeaf, 0.2);
const QColor kWall = Lighter(kSand, 0.55);
const QColor kFloor = kSandLine;
const QColor kWood(0xD9, 0xB3, 0x84);
const QColor kDarkWood(0xB0, 0x7A, 0x4C);
const QColor kSun(0xF2, 0xC1, 0x4E);
const QColor kStone = Lighter(kMuted, 0.6);
const QColor kPaleCoral = Lighter(kCoral, 0.45);

// ---- shapes: every outline is the same navy stroke ----

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line = kLine) {
  p.save();
  p.setPen(line > 0 ? Stroke(kNavy, line) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void Rect(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 2, qreal line = kLine) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  Shape(p, path, fill, line);
}

void Oval(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& fill, qreal line = kLine) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  Shape(p, path, fill, line);
}

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill,
             qreal line = kLine) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  Shape(p, path, fill, line);
}

void Line(QPainter& p, QPointF a, QPointF b, qreal width = kLine, const QColor& ink = kNavy) {
  p.save();
  p.setPen(Stroke(ink, width));
  p.drawLine(a, b);
  p.restore();
}

void Fill(QPainter& p, const QRectF& r, const QColor& fill) { p.fillRect(r, fill); }

/// Outdoors: sky above, `ground` from `horizon` down.
void Outside(QPainter& p, qreal horizon, const QColor& ground) {
  Fill(p, QRectF(0, 0, kWidth, kHeight), kSky);
  Fill(p, QRectF(0, horizon, kWidth, kHeight - horizon), ground);
}

/// Indoors: a wall and the floor from `floor` down.
void Inside(QPainter& p, qreal floor) {
  Fill(p, QRectF(0, 0, kWidth, kHeight), kWall);
  Fill(p, QRectF(0, floor, kWidth, kHeight - floor), kFloor);
  Line(p, QPointF(-2, floor), QPointF(kWidth + 2, floor), 1.5, kSandInk.darker(115));
}

void Sun(QPainter& p, QPointF centre, qreal radius) {
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 4;
    const QPointF d(std::cos(a), std::sin(a));
    Line(p, centre + d * (radius + 3), centre + d * (radius + 7), 2, kSun);
  }
  Oval(p, centre, radius, radius, kSun, 0);
}

void Tree(QPainter& p, QPointF foot, qreal height) {
  Line(p, foot, foot - QPointF(0, height * 0.45), 3, kDarkWood);
  Oval(p, foot - QPointF(0, height * 0.68), height * 0.32, height * 0.36, kLeaves);
}

/// A window frame with cross bars over what `view` draws inside it.
void Window(QPainter& p, const QRectF& r, const QColor& glass,
            const std::function<void()>& view = {}) {
  Rect(p, r, glass, 2, 0);
  if (view) {
    p.save();
    p.setClipRect(r);
    view();
    p.restore();
  }
  Line(p, QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()), 1.5, kWhite);
  Line(p, QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()), 1.5, kWhite);
  p.save();
  p.setPen(Stroke(kNavy, kLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 2, 2);
  p.restore();
}

/// A small round clock showing hours:minutes.
void Clock(QPainter& p, QPointF centre, qreal radius, int hours, int minutes) {
  Oval(p, centre, radius, radius, kWhite, 1.5);
  const qreal hour = (hours % 12 + minutes / 60.0) * M_PI / 6;
  const qreal minute = minutes * M_PI / 30;
  Line(p, centre, centre + QPointF(std::sin(hour), -std::cos(hour)) * radius * 0.5, 1.5);
  Line(p, centre, centre + QPointF(std::sin(minute), -std::cos(minute)) * radius * 0.75, 1.2);
}

/// A table top on two legs standing on `floor`.
void Table(QPainter& p, qreal left, qreal right, qreal top, qreal floor) {
  Line(p, QPointF(left + 6, top + 4), QPointF(left + 6, floor), 3);
  Line(p, QPointF(right - 6, top + 4), QPointF(right - 6, floor), 3);
  Rect(p, QRectF(left, top, right - left, 6), kWood, 2);
}

void Steam(QPainter& p, qreal x, qreal top) {
  QPainterPath path;
  path.moveTo(x, top + 8);
  path.cubicTo(QPointF(x - 3, top + 5), QPointF(x + 3, top + 3), QPointF(x, top));
  p.save();
  p.setPen(Stroke(kMuted, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

void Mug(QPainter& p, const QRectF& r, const QColor& fill) {
  QPainterPath handle;
  handle.addEllipse(QPointF(r.right(), r.center().y()), r.width() * 0.35, r.height() * 0.28);
  Shape(p, handle, Qt::transparent, 1.5);
  Rect(p, r, fill, 2, 1.5);
  Steam(p, r.center().x(), r.top() - 10);
}

void Laptop(QPainter& p, const QRectF& screen, const std::function<void(const QRectF&)>& show) {
  Rect(p, screen, kNavy, 3, 1.5);
  const QRectF inner = screen.adjusted(3, 3, -3, -3);
  Fill(p, inner, kWhite);
  show(inner);
  Polygon(p,
          {QPointF(screen.left() - 5, screen.bottom() + 1),
           QPointF(screen.right() + 5, screen.bottom() + 1),
           QPointF(screen.right() + 9, screen.bottom() + 5),
           QPointF(screen.left() - 9, screen.bottom() + 5)},
          kStone, 1.5);
}

/// Short lines standing for text on a screen or a label.
void Lines(QPainter& p, qreal left, qreal top, qreal width, int count, const QColor& ink) {
  for (int i = 0; i < count; ++i) {
    const qreal length = i == count - 1 ? width * 0.6 : width;
    Line(p, QPointF(left, top + i * 4), QPointF(left + length, top + i * 4), 1.5, ink);
  }
}

// ---- the scenes ----

// 1 Anna's family: a block of flats and a tree; in a window the cat on the sofa.
void FamilyHome(QPainter& p) {
  Outside(p, 64, kGrass);
  Rect(p, QRectF(12, 16, 58, 50), kWhite, 2);
  Rect(p, QRectF(8, 11, 66, 7), kPaleCoral, 2);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      Rect(p, QRectF(19 + column * 17, 24 + row * 14, 10, 8), kGlass, 1, 1.5);
    }
  }
  Rect(p, QRectF(36, 52, 10, 14), kTeal, 1, 1.5);
  Tree(p, QPointF(94, 66), 46);
  Window(p, QRectF(116, 8, 92, 58), kWall, [&p] {
    Polygon(p, {QPointF(116, 8), QPointF(134, 8), QPointF(116, 38)}, kPaleCoral, 0);
    Polygon(p, {QPointF(208, 8), QPointF(190, 8), QPointF(208, 38)}, kPaleCoral, 0);
  });
  // The sofa and the black and white cat asleep on it.
  Rect(p, QRectF(132, 36, 60, 16), kTeal, 4, 1.5);
  Rect(p, QRectF(128, 46, 68, 14), kTeal, 3, 1.5);
  Rect(p, QRectF(126, 42, 9, 19), Lighter(kTeal, 0.2), 3, 1.5);
  Rect(p, QRectF(189, 42, 9, 19), Lighter(kTeal, 0.2), 3, 1.5);
  QPainterPath tail;
  tail.moveTo(170, 44);
  tail.cubicTo(QPointF(182, 46), QPointF(184, 36), QPointF(178, 32));
  p.save();
  p.setPen(Stroke(kNavy, 2.5));
  p.drawPath(tail);
  p.restore();
  Oval(p, QPointF(160, 41), 12, 7, kNavy, 0);
  Polygon(p, {QPointF(142, 31), QPointF(144, 23), QPointF(149, 29)}, kNavy, 0);
  Polygon(p, {QPointF(150, 29), QPointF(155, 23), QPointF(156, 31)}, kNavy, 0);
  Oval(p, QPointF(149, 35), 7, 6, kNavy, 0);
  Oval(p, QPointF(150, 38), 3.5, 2.5, kWhite, 0);
  Oval(p, QPointF(162, 44), 5, 2.8, kWhite, 0);
}

// 2 At the market: three stalls under striped awnings, fruit and bread, and the sun.
void Market(QPainter& p) {
  Outside(p, 66, kFloor);
  Sun(p, QPointF(204, 13), 7);
  const QColor awnings[] = {kCoral, kTeal, kLeaf};
  for (int stall = 0; stall < 3; ++stall) {
    const qreal left = 6 + stall * 64;
    const qreal right = left + 56;
    Line(p, QPointF(left + 4, 28), QPointF(left + 4, 66), 2);
    Line(p, QPointF(right - 4, 28), QPointF(right - 4, 66), 2);
    const QRectF awning(left - 2, 18, 60, 12);
    for (int stripe = 0; stripe < 5; ++stripe) {
      Fill(p, QRectF(awning.left() + stripe * 12, awning.top(), 12, awning.height()),
           stripe % 2 == 0 ? awnings[stall] : kWhite);
    }
    for (int scallop = 0; scallop < 5; ++scallop) {
      QPainterPath edge;
      edge.moveTo(awning.left() + scallop * 12, awning.bottom());
      edge.arcTo(QRectF(awning.left() + scallop * 12, awning.bottom() - 5, 12, 10), 180, 180);
      edge.closeSubpath();
      Shape(p, edge, scallop % 2 == 0 ? awnings[stall] : kWhite, 1.5);
    }
    Rect(p, awning, Qt::transparent, 1, kLine);
    Rect(p, QRectF(left, 50, 56, 16), kWood, 2);
    Rect(p, QRectF(left + 6, 44, 44, 7), Lighter(kWood, 0.4), 1, 1.5);
  }
  // Apples, bananas and loaves on the three counters.
  for (int i = 0; i < 5; ++i) Oval(p, QPointF(15 + i * 8.5, 41), 3.6, 3.6, kCoral, 1.2);
  for (int i = 0; i < 3; ++i) {
    const qreal x = 78 + i * 13;
    QPainterPath banana;
    banana.moveTo(x, 36);
    banana.quadTo(QPointF(x + 4, 45), QPointF(x + 13, 42));
    banana.quadTo(QPointF(x + 5, 41), QPointF(x, 36));
    Shape(p, banana, kSun, 1.2);
  }
  for (int i = 0; i < 3; ++i) {
    const QPointF centre(146 + i * 14, 40);
    Oval(p, centre, 6.5, 3.8, QColor(0xE3, 0xB2, 0x6E), 1.2);
    Line(p, centre + QPointF(-2, -2), centre + QPointF(0, 1.5), 1, kDarkWood);
    Line(p, centre + QPointF(2, -2), centre + QPointF(4, 1.5), 1, kDarkWood);
  }
}

// 3 A day in London: the clock tower, a double-decker bus, the big wheel and a boat.
void London(QPainter& p) {
  Outside(p, 60, kWater);
  Fill(p, QRectF(0, 56, kWidth, 5), kFloor);
  Line(p, QPointF(-2, 61), QPointF(kWidth + 2, 61), 1.5);
  // The big wheel.
  const QPointF hub(176, 31);
  Line(p, hub, QPointF(164, 57), 2.5);
  Line(p, hub, QPointF(188, 57), 2.5);
  p.save();
  p.setPen(Stroke(kNavy, 1));
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 8;
    const QPointF d(std::cos(a) * 23, std::sin(a) * 23);
    p.drawLine(hub - d, hub + d);
  }
  p.setPen(Stroke(kNavy, kLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(hub, 23, 23);
  p.restore();
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * M_PI / 6;
    Oval(p, hub + QPointF(std::cos(a), std::sin(a)) * 23, 2.6, 2.6, kTeal, 1);
  }
  // The clock tower.
  Rect(p, QRectF(20, 16, 16, 42), kWood, 1);
  Polygon(p, {QPointF(18, 17), QPointF(28, 2), QPointF(38, 17)}, kDarkWood);
  Clock(p, QPointF(28, 25), 5, 10, 10);
  for (int i = 0; i < 3; ++i) Line(p, QPointF(24 + i * 4, 36), QPointF(24 + i * 4, 52), 1.2);
  // The red double-decker bus.
  Rect(p, QRectF(60, 24, 52, 30), kCoral, 5);
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 4; ++i) {
      Rect(p, QRectF(65 + i * 11.5, 28 + row * 12, 8, 7), kGlass, 1, 1.2);
    }
  }
  for (qreal x : {72.0, 100.0}) Oval(p, QPointF(x, 55), 4.5, 4.5, kNavy, 0);
  // A boat on the river.
  Polygon(p, {QPointF(118, 64), QPointF(154, 64), QPointF(148, 73), QPointF(124, 73)}, kWhite, 1.5);
  Rect(p, QRectF(127, 58, 18, 7), kGlass, 1, 1.5);
  for (int i = 0; i < 4; ++i) {
    Line(p, QPointF(14 + i * 50, 70 - (i % 2) * 3), QPointF(28 + i * 50, 70 - (i % 2) * 3), 1.5,
         kWhite);
  }
}

// 4 A weekend in the mountains: peaks, a wooden hut with a chimney, a lake.
void Mountains(QPainter& p) {
  Outside(p, 62, kGrass);
  Polygon(p, {QPointF(54, 66), QPointF(108, 8), QPointF(162, 66)}, kStone);
  Polygon(p,
          {QPointF(97, 20), QPointF(108, 8), QPointF(119, 20), QPointF(113, 24), QPointF(108, 19),
           QPointF(103, 24)},
          kWhite, 1.5);
  Polygon(p, {QPointF(136, 66), QPointF(184, 24), QPointF(232, 66)}, Lighter(kLeaf, 0.4));
  Polygon(p, {QPointF(-10, 66), QPointF(40, 22), QPointF(92, 66)}, Lighter(kLeaf, 0.25));
  Fill(p, QRectF(0, 62, kWidth, kHeight - 62), kGrass);
  Line(p, QPointF(-2, 62), QPointF(kWidth + 2, 62), 1.5, Lighter(kLeaf, 0.1));
  Oval(p, QPointF(164, 70), 40, 6, kWater, 1.5);
  // The hut.
  Rect(p, QRectF(92, 50, 26, 18), kWood, 1);
  Rect(p, QRectF(110, 35, 5, 10), kDarkWood, 0.5, 1.5);
  Polygon(p, {QPointF(87, 52), QPointF(105, 37), QPointF(123, 52)}, kDarkWood);
  Rect(p, QRectF(101, 57, 7, 11), kNavyPanel, 1, 1.2);
  for (int i = 0; i < 3; ++i) {
    Oval(p, QPointF(114 + i * 4, 29 - i * 6), 2.2 + i * 0.8, 2 + i * 0.6, kWhite, 1);
  }
}

// 5 At the doctor's: the cross on the wall, a desk with a glass of water and tablets, a chair,
// a big thermometer.
void Doctor(QPainter& p) {
  Inside(p, 68);
  Rect(p, QRectF(16, 10, 26, 26), kWhite, 4);
  p.fillRect(QRectF(26, 14, 6, 18), kLeaf);
  p.fillRect(QRectF(20, 20, 18, 6), kLeaf);
  // The chair behind the desk: its back above the top, its foot below.
  Rect(p, QRectF(140, 22, 24, 26), kTeal, 6);
  Line(p, QPointF(152, 52), QPointF(152, 64), 2.5);
  Line(p, QPointF(143, 65), QPointF(161, 65), 2.5);
  Table(p, 52, 178, 46, 68);
  // A glass of water and a box of tablets.
  Polygon(p, {QPointF(70, 26), QPointF(84, 26), QPointF(82, 46), QPointF(72, 46)}, kGlass, 1.5);
  Line(p, QPointF(71.5, 32), QPointF(82.5, 32), 1.2, kWhite);
  Rect(p, QRectF(92, 32, 32, 14), kWhite, 2, 1.5);
  p.fillRect(QRectF(93, 37, 30, 4), kPaleCoral);
  Oval(p, QPointF(132, 43), 3.5, 2.5, kCoral, 1);
  // The thermometer.
  Rect(p, QRectF(188, 6, 10, 46), kWhite, 5, 1.5);
  p.fillRect(QRectF(191.5, 24, 3, 26), kCoral);
  Oval(p, QPointF(193, 56), 7, 7, kCoral, 1.5);
  for (int i = 0; i < 5; ++i) Line(p, QPointF(198, 12 + i * 7), QPointF(202, 12 + i * 7), 1.2);
}

// 6 My first day at work: a big window, a desk with a computer, a coffee cup and a plant.
void Office(QPainter& p) {
  Inside(p, 68);
  Window(p, QRectF(10, 8, 60, 46), kSky, [&p] {
    Oval(p, QPointF(30, 22), 9, 5, kWhite, 0);
    Oval(p, QPointF(40, 20), 7, 4, kWhite, 0);
  });
  Table(p, 82, 208, 48, 68);
  // The computer.
  Rect(p, QRectF(98, 14, 44, 28), kNavy, 3, 1.5);
  Fill(p, QRectF(101, 17, 38, 22), kTealPale);
  Lines(p, 105, 22, 28, 3, kTeal);
  Line(p, QPointF(120, 42), QPointF(120, 46), 3);
  Line(p, QPointF(112, 47), QPointF(128, 47), 2);
  Mug(p, QRectF(152, 36, 10, 12), kCoral);
  // The plant.
  for (int i = -2; i <= 2; ++i) {
    p.save();
    p.translate(188, 34);
    p.rotate(i * 24);
    Oval(p, QPointF(0, -10), 3.5, 9, kLeaves, 1.2);
    p.restore();
  }
  Polygon(p, {QPointF(180, 33), QPointF(196, 33), QPointF(193, 48), QPointF(183, 48)}, kPaleCoral,
          1.5);
}

// 7 A race to the airport: the control tower, a plane taking off, a suitcase, the board.
void Airport(QPainter& p) {
  Outside(p, 60, kStone);
  Line(p, QPointF(-2, 60), QPointF(kWidth + 2, 60), 1.5);
  for (int i = 0; i < 8; ++i) Line(p, QPointF(6 + i * 28, 69), QPointF(20 + i * 28, 69), 2, kWhite);
  // The control tower.
  Rect(p, QRectF(20, 26, 10, 34), kWhite, 1);
  Polygon(p, {QPointF(12, 14), QPointF(38, 14), QPointF(34, 26), QPointF(16, 26)}, kGlass);
  Rect(p, QRectF(14, 9, 22, 5), kNavy, 1, 1.2);
  // The plane, climbing.
  p.save();
  p.translate(118, 36);
  p.rotate(-14);
  Polygon(p, {QPointF(-4, 2), QPointF(-16, 18), QPointF(-8, 18), QPointF(12, 2)},
          Lighter(kStone, 0.5), 1.5);
  Polygon(p, {QPointF(-34, -2), QPointF(-42, -16), QPointF(-35, -16), QPointF(-24, -2)}, kTeal,
          1.5);
  Rect(p, QRectF(-44, -5, 82, 11), kWhite, 5.5, 1.5);
  for (int i = 0; i < 7; ++i) Oval(p, QPointF(24 - i * 8, -1), 1.4, 1.4, kNavy, 0);
  p.restore();
  // The departures board.
  Rect(p, QRectF(170, 8, 38, 22), kNavy, 2, 1.5);
  Lines(p, 175, 14, 28, 3, kTealOnNavy);
  // The suitcase.
  Line(p, QPointF(180, 44), QPointF(180, 36), 1.5);
  Line(p, QPointF(188, 44), QPointF(188, 36), 1.5);
  Line(p, QPointF(179, 36), QPointF(189, 36), 2);
  Rect(p, QRectF(172, 44, 24, 20), kCoral, 3, 1.5);
  Line(p, QPointF(180, 47), QPointF(180, 61), 1.2);
  Line(p, QPointF(188, 47), QPointF(188, 61), 1.2);
  Oval(p, QPointF(176, 66), 2, 2, kNavy, 0);
  Oval(p, QPointF(192, 66), 2, 2, kNavy, 0);
}

// 8 Sending a jacket back: the raincoat on its hanger, the parcel with a label, the laptop with
// the shop.
void JacketBack(QPainter& p) {
  Inside(p, 68);
  // The hanger and the raincoat.
  QPainterPath hook;
  hook.moveTo(38, 14);
  hook.cubicTo(QPointF(38, 10), QPointF(42, 6), QPointF(38, 4));
  Shape(p, hook, Qt::transparent, 1.5);
  Polygon(p,
          {QPointF(26, 18), QPointF(20, 22), QPointF(12, 50), QPointF(20, 52), QPointF(24, 34),
           QPointF(22, 64), QPointF(54, 64), QPointF(52, 34), QPointF(56, 52), QPointF(64, 50),
           QPointF(56, 22), QPointF(50, 18)},
          Lighter(kLeaf, 0.15));
  Polygon(p, {QPointF(26, 18), QPointF(38, 28), QPointF(50, 18)}, Lighter(kLeaf, 0.4), 1.5);
  Line(p, QPointF(38, 28), QPointF(38, 62), 1.2);
  Line(p, QPointF(24, 18), QPointF(38, 13), 1.5);
  Line(p, QPointF(52, 18), QPointF(38, 13), 1.5);
  // The parcel.
  const QColor kraft(0xE3, 0xC1, 0x92);
  Polygon(p, {QPointF(80, 36), QPointF(92, 26), QPointF(136, 26), QPointF(124, 36)},
          Lighter(kraft, 0.3), 1.5);
  Polygon(p, {QPointF(124, 36), QPointF(136, 26), QPointF(136, 56), QPointF(124, 66)},
          kraft.darker(108), 1.5);
  Rect(p, QRectF(80, 36, 44, 30), kraft, 1, 1.5);
  Line(p, QPointF(86, 31), QPointF(130, 31), 3, kTeal);
  Rect(p, QRectF(88, 44, 24, 14), kWhite, 1, 1.2);
  Lines(p, 92, 48, 16, 2, kMuted);
  // The laptop with the shop on its screen.
  Laptop(p, QRectF(150, 20, 52, 34), [&p](const QRectF& screen) {
    Fill(p, QRectF(screen.left(), screen.top(), screen.width(), 5), kTeal);
    Rect(p, QRectF(screen.left() + 5, screen.top() + 9, 14, 13), kPaleCoral, 1, 1.2);
    QPainterPath handle;
    handle.moveTo(screen.left() + 9, screen.top() + 10);
    handle.arcTo(QRectF(screen.left() + 9, screen.top() + 6, 6, 7), 180, -180);
    Shape(p, handle, Qt::transparent, 1.2);
    Lines(p, screen.left() + 24, screen.top() + 10, 18, 3, kMuted);
  });
}

// 9 Why we need sleep: the night in the window, the bed, the clock on the bedside table.
void Night(QPainter& p) {
  Inside(p, 68);
  Window(p, QRectF(14, 8, 56, 42), kNavy, [&p] {
    QPainterPath moon;
    moon.addEllipse(QPointF(30, 20), 7, 7);
    QPainterPath bite;
    bite.addEllipse(QPointF(34, 17), 6, 6);
    Shape(p, moon.subtracted(bite), kSun, 0);
    for (const QPointF& star :
         {QPointF(52, 16), QPointF(60, 30), QPointF(24, 40), QPointF(46, 42), QPointF(62, 12)}) {
      Oval(p, star, 1.3, 1.3, kWhite, 0);
    }
  });
  // The bedside table and its clock.
  Rect(p, QRectF(72, 50, 22, 18), kWood, 1);
  Line(p, QPointF(74, 58), QPointF(92, 58), 1.2);
  Clock(p, QPointF(83, 42), 7, 11, 50);
  // The bed.
  Rect(p, QRectF(102, 28, 8, 40), kDarkWood, 2);
  Rect(p, QRectF(106, 46, 100, 12), kWhite, 2);
  Rect(p, QRectF(112, 38, 22, 9), kWhite, 4, 1.5);
  Rect(p, QRectF(132, 40, 74, 16), kTeal, 4, 1.5);
  Line(p, QPointF(112, 58), QPointF(112, 68), 3);
  Line(p, QPointF(200, 58), QPointF(200, 68), 3);
}

// 10 Working from home: the door and the running shoes, the kitchen table with the laptop and a
// mug, the window onto the garden.
void HomeOffice(QPainter& p) {
  Inside(p, 68);
  Rect(p, QRectF(8, 8, 28, 60), kTealPale, 2);
  Oval(p, QPointF(30, 40), 1.8, 1.8, kNavy, 0);
  for (qreal x : {40.0, 54.0}) {
    Polygon(p,
            {QPointF(x, 66), QPointF(x + 1, 59), QPointF(x + 6, 58), QPointF(x + 12, 62),
             QPointF(x + 13, 66)},
            kCoral, 1.2);
    Line(p, QPointF(x, 66.5), QPointF(x + 13, 66.5), 1.5);
  }
  Window(p, QRectF(160, 8, 48, 44), kSky, [&p] {
    Fill(p, QRectF(160, 40, 48, 12), kGrass);
    Tree(p, QPointF(176, 44), 30);
  });
  Table(p, 76, 156, 48, 68);
  Laptop(p, QRectF(92, 22, 36, 23), [&p](const QRectF& screen) {
    Fill(p, screen, kTealPale);
    Lines(p, screen.left() + 4, screen.top() + 5, screen.width() - 8, 3, kTeal);
  });
  Mug(p, QRectF(136, 36, 9, 11), kCoral);
}

}  // namespace

void DrawTextScene(QPainter& p, int text, const QRectF& card) {
  static const std::array<void (*)(QPainter&), 10> kScenes = {
      FamilyHome, Market,  London,     Mountains, Doctor,
      Office,     Airport, JacketBack, Night,     HomeOffice};
  if (text < 1 || text > static_cast<int>(kScenes.size())) {
    throw std::runtime_error("no scene for text " + std::to_string(text));
  }
  Panel(p, card, kWhite, 8);
  QPainterPath shape;
  shape.addRoundedRect(card, 8, 8);
  p.save();
  p.setClipPath(shape);
  p.translate(card.topLeft());
  p.scale(card.width() / kWidth, card.height() / kHeight);
  kScenes[static_cast<size_t>(text - 1)](p);
  p.restore();
  p.save();
  p.setPen(QPen(kSandLine, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 7.5, 7.5);
  p.restore();
}

}  // namespace tess::demo
