// The comprehension window: its three backgrounds "gfx_r\rozum_tlo<k>.bmp" (800 x 600), the right
// and wrong marks, the placeholders of a missing picture and one picture (160 x 200) for every
// picture name of the course's items, drawn from shapes and labelled nowhere: the learner must
// listen. Clocks, fruit counts and the like are drawn from what the name says.
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <stdexcept>

#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

// The window's layout: the three pictures, the instruction and the two texts.
const QSize kWindow(800, 600);
constexpr int kPictureLefts[3] = {81, 321, 559};
constexpr int kPictureTop = 130;
const QSize kPicture(160, 200);
constexpr int kTextLeft = 60;
constexpr int kForeignTop = 390;
constexpr int kPolishTop = 453;
constexpr int kBackgrounds = 3;
const QSize kMark(40, 40);

// Every picture name of the course's items ("rozum_pig.txt"); the installation test checks that
// none is missing.
const char* const kPictureNames[] = {
    "clock_3_00",    "clock_9_00",    "clock_12_15",  "clock_7_30",   "clock_6_30",  "clock_7_00",
    "clock_10_15",   "clock_10_45",   "clock_9_15",   "clock_12_00",  "clock_6_00",  "clock_11_00",
    "clock_12_30",   "clock_8_45",    "bicycle",      "bus",          "car",         "plane",
    "boat",          "train",         "walking",      "weather_rain", "weather_sun", "weather_snow",
    "weather_storm", "weather_cloud", "weather_wind", "apples_3",     "apples_2",    "bananas_3",
    "bananas_2",     "bottle",        "cup",          "glass",        "umbrella",    "hat",
    "bag",           "key",           "book",
};

// Scene colours beyond the window palette, kept soft.
const QColor kSky(0xCF, 0xE8, 0xF5);
const QColor kSkyDeep(0x9C, 0xCF, 0xEC);
const QColor kGreySky(0xD9, 0xDF, 0xE5);
const QColor kStormSky(0x8A, 0x96, 0xA6);
const QColor kCloud(0xEE, 0xF1, 0xF4);
const QColor kCloudGrey(0xA9, 0xB3, 0xBF);
const QColor kCloudDark(0x5E, 0x6A, 0x78);
const QColor kWater(0x5F, 0xA8, 0xD3);
const QColor kRoad(0xB8, 0xBE, 0xC6);
const QColor kGrass(0xA8, 0xCC, 0x8C);
const QColor kRed(0xD0, 0x45, 0x3C);
const QColor kBlue(0x3B, 0x6E, 0xB5);
const QColor kGlass(0xDD, 0xF0, 0xF7);
const QColor kYellow(0xF2, 0xC1, 0x4E);
const QColor kWood(0xB0, 0x7A, 0x4A);
const QColor kMetal(0xB9, 0xC2, 0xCC);
const QColor kWall(0xFB, 0xF6, 0xEE);
const QColor kTyre(0x4A, 0x55, 0x63);

constexpr qreal kLine = 2.0;

// --- drawing helpers: every shape outlined in navy with the look's stroke

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, bool outline = true) {
  p.save();
  p.setPen(outline ? Stroke(kNavy, kLine) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void Box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 4, bool outline = true) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  Fill(p, path, fill, outline);
}

void Disc(QPainter& p, QPointF c, qreal radius, const QColor& fill, bool outline = true) {
  QPainterPath path;
  path.addEllipse(c, radius, radius);
  Fill(p, path, fill, outline);
}

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill,
             bool outline = true) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  Fill(p, path, fill, outline);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& ink = kNavy, qreal width = kLine) {
  p.save();
  p.setPen(Stroke(ink, width));
  p.drawLine(a, b);
  p.restore();
}

void Curve(QPainter& p, const QPainterPath& path, const QColor& ink = kNavy, qreal width = kLine) {
  p.save();
  p.setPen(Stroke(ink, width));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

void Band(QPainter& p, qreal top, qreal bottom, const QColor& fill) {
  p.fillRect(QRectF(0, top, kPicture.width(), bottom - top), fill);
}

void Cloud(QPainter& p, QPointF at, qreal size, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(at, size, size * 0.62);
  path.addEllipse(at + QPointF(size * 0.85, size * 0.2), size * 0.68, size * 0.45);
  path.addEllipse(at + QPointF(-size * 0.85, size * 0.22), size * 0.6, size * 0.42);
  path.setFillRule(Qt::WindingFill);
  Fill(p, path.simplified(), fill);
}

void SunDisc(QPainter& p, QPointF c, qreal radius) {
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * M_PI / 6;
    const QPointF d(std::cos(a), std::sin(a));
    Line(p, c + d * (radius + 7), c + d * (radius + 17), kYellow, 4);
  }
  Disc(p, c, radius, kYellow);
}

void Tree(QPainter& p, QPointF foot, qreal height, qreal lean = 0) {
  const QPointF top = foot + QPointF(lean, -height * 0.55);
  QPainterPath trunk;
  trunk.moveTo(foot + QPointF(-4, 0));
  trunk.quadTo(foot + QPointF(lean * 0.2 - 4, -height * 0.3), top + QPointF(-3, 0));
  trunk.lineTo(top + QPointF(3, 0));
  trunk.quadTo(foot + QPointF(lean * 0.2 + 4, -height * 0.3), foot + QPointF(4, 0));
  trunk.closeSubpath();
  Fill(p, trunk, kWood);
  QPainterPath crown;
  crown.addEllipse(top + QPointF(lean * 0.3, -height * 0.2), height * 0.3, height * 0.26);
  Fill(p, crown, kLeaf);
}

// --- clocks

/// A clock face reading hours:minutes; the hour hand moves on with the minutes.
void Clock(QPainter& p, int hours, int minutes) {
  p.fillRect(QRectF(QPointF(0, 0), kPicture), kWall);
  const QPointF c(80, 100);
  const qreal r = 64;
  Disc(p, c + QPointF(0, 3), r + 6, QColor(0x10, 0x1C, 0x2C, 40), false);
  Disc(p, c, r + 6, kTeal);
  Disc(p, c, r, kWhite);
  for (int i = 0; i < 60; ++i) {
    const qreal a = i * M_PI / 30;
    const QPointF d(std::sin(a), -std::cos(a));
    if (i % 5 == 0) {
      Line(p, c + d * (r - 12), c + d * (r - 4), kNavy, i % 15 == 0 ? 3.5 : 2.5);
    } else {
      Line(p, c + d * (r - 6), c + d * (r - 4), kMuted, 1.2);
    }
  }
  for (int numeral : {12, 3, 6, 9}) {
    const qreal a = numeral * M_PI / 6;
    const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * (r - 24);
    Text(p, QRectF(at.x() - 12, at.y() - 10, 24, 20), QString::number(numeral), 15, true, kNavy,
         Qt::AlignCenter);
  }
  const qreal minuteAngle = minutes * M_PI / 30;
  const qreal hourAngle = ((hours % 12) + minutes / 60.0) * M_PI / 6;
  const auto towards = [&](qreal angle, qreal length) {
    return c + QPointF(std::sin(angle), -std::cos(angle)) * length;
  };
  Line(p, c, towards(hourAngle, r * 0.5), kNavy, 6);
  Line(p, c, towards(minuteAngle, r * 0.8), kNavy, 3.5);
  Disc(p, c, 5, kCoral, false);
}

// --- travel

void Wheel(QPainter& p, QPointF c, qreal radius) {
  Disc(p, c, radius, kTyre);
  Disc(p, c, radius * 0.45, kMetal);
}

void Road(QPainter& p) {
  Band(p, 0, 140, kSky);
  Band(p, 140, 200, kRoad);
  for (qreal x = 8; x < kPicture.width(); x += 36) {
    p.fillRect(QRectF(x, 176, 20, 4), kWhite);
  }
}

void Bus(QPainter& p) {
  Road(p);
  Cloud(p, QPointF(44, 38), 16, kWhite);
  const QRectF body(10, 72, 142, 72);
  Box(p, body, kRed, 10);
  for (int i = 0; i < 4; ++i) Box(p, QRectF(18 + i * 27, 82, 21, 24), kGlass, 3);
  Box(p, QRectF(126, 82, 18, 48), kGlass, 3);  // the door
  p.fillRect(QRectF(12, 116, 112, 4), QColor(255, 255, 255, 170));
  Wheel(p, QPointF(38, 146), 13);
  Wheel(p, QPointF(122, 146), 13);
}

void Car(QPainter& p) {
  Road(p);
  SunDisc(p, QPointF(128, 34), 13);
  QPainterPath cabin;
  cabin.moveTo(40, 112);
  cabin.lineTo(52, 84);
  cabin.quadTo(56, 78, 64, 78);
  cabin.lineTo(104, 78);
  cabin.quadTo(110, 78, 114, 84);
  cabin.lineTo(128, 112);
  cabin.closeSubpath();
  Fill(p, cabin, kBlue);
  Polygon(p, {{50, 110}, {58, 88}, {80, 88}, {80, 110}}, kGlass);
  Polygon(p, {{88, 110}, {88, 88}, {108, 88}, {118, 110}}, kGlass);
  Box(p, QRectF(14, 108, 134, 32), kBlue, 10);
  Box(p, QRectF(138, 114, 8, 8), kYellow, 2);
  Wheel(p, QPointF(44, 142), 14);
  Wheel(p, QPointF(118, 142), 14);
}

void Bicycle(QPainter& p) {
  Road(p);
  const QPointF rear(40, 146), front(122, 146), crank(78, 146);
  const QPointF seat(68, 102), head(112, 102);
  p.save();
  p.setPen(Stroke(kNavy, 3));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& hub : {rear, front}) {
    p.drawEllipse(hub, 27, 27);
  }
  p.restore();
  for (const QPointF& hub : {rear, front}) Disc(p, hub, 3, kNavy, false);
  const QColor frame = kTeal;
  Line(p, rear, crank, frame, 4);
  Line(p, crank, seat, frame, 4);
  Line(p, seat, rear, frame, 4);
  Line(p, seat + QPointF(3, 2), head + QPointF(-2, 4), frame, 4);
  Line(p, head + QPointF(-2, 4), crank, frame, 4);
  Line(p, head, front, kNavy, 3);
  Line(p, seat, seat + QPointF(-3, -10), kNavy, 3);
  Box(p, QRectF(54, 88, 24, 7), kNavy, 3, false);  // the saddle
  Line(p, head, head + QPointF(-4, -14), kNavy, 3);
  Line(p, head + QPointF(-4, -14), head + QPointF(8, -16), kNavy, 3);  // the handlebars
  Disc(p, crank, 6, kWhite);
  Line(p, crank, crank + QPointF(8, 9), kNavy, 3);
}

void Plane(QPainter& p) {
  Band(p, 0, 200, kSkyDeep);
  Cloud(p, QPointF(40, 160), 18, kWhite);
  Cloud(p, QPointF(118, 40), 14, kWhite);
  const QPointF nose(150, 100);
  const qreal length = 136, h = 20;
  Polygon(p,
          {nose + QPointF(-60, 2), nose + QPointF(-86, 40), nose + QPointF(-70, 40),
           nose + QPointF(-36, 2)},
          QColor(0xE4, 0xE9, 0xEF));
  Polygon(p,
          {nose + QPointF(-118, -6), nose + QPointF(-134, -34), nose + QPointF(-120, -34),
           nose + QPointF(-98, -6)},
          kTeal);
  QPainterPath body;
  body.addRoundedRect(QRectF(nose.x() - length, nose.y() - h / 2, length, h), h / 2, h / 2);
  Fill(p, body, kWhite);
  for (int i = 0; i < 7; ++i) Disc(p, nose + QPointF(-30 - i * 12, -2), 2.6, kBlue, false);
  Polygon(p,
          {nose + QPointF(-60, -4), nose + QPointF(-74, -22), nose + QPointF(-64, -22),
           nose + QPointF(-46, -4)},
          QColor(0xE4, 0xE9, 0xEF));
}

void Train(QPainter& p) {
  Band(p, 0, 150, kSky);
  Band(p, 150, 200, kGrass);
  // Rails and sleepers.
  for (qreal x = 4; x < kPicture.width(); x += 14) p.fillRect(QRectF(x, 150, 8, 6), kWood);
  p.fillRect(QRectF(0, 148, kPicture.width(), 3), kNavy);
  const QColor green(0x4E, 0x8F, 0x5A), carriage(0x7F, 0xB0, 0x69);
  for (qreal left : {4.0, 46.0}) {
    Box(p, QRectF(left, 104, 38, 36), carriage, 5);
    Box(p, QRectF(left + 6, 110, 11, 12), kGlass, 2);
    Box(p, QRectF(left + 21, 110, 11, 12), kGlass, 2);
    Line(p, QPointF(left + 38, 128), QPointF(left + 42, 128), kNavy, 2.5);
  }
  // The engine: boiler, cab and chimney.
  Box(p, QRectF(88, 112, 50, 28), green, 6);
  Box(p, QRectF(88, 88, 26, 52), green, 4);
  Box(p, QRectF(94, 94, 14, 14), kGlass, 2);
  Box(p, QRectF(124, 94, 10, 20), kNavy, 2);
  Polygon(p, {{138, 128}, {150, 142}, {138, 142}}, kRed);
  Cloud(p, QPointF(138, 66), 11, kWhite);
  for (qreal x : {14.0, 34.0, 56.0, 76.0}) Wheel(p, QPointF(x, 142), 6);
  Wheel(p, QPointF(100, 138), 10);
  Wheel(p, QPointF(126, 140), 8);
}

void Boat(QPainter& p) {
  Band(p, 0, 112, kSky);
  Band(p, 112, 200, kWater);
  SunDisc(p, QPointF(34, 36), 12);
  for (int row = 0; row < 3; ++row) {
    QPainterPath wave;
    const qreal y = 160 + row * 14;
    wave.moveTo(10 + row * 8, y);
    for (int k = 0; k < 3; ++k) {
      const qreal x = 10 + row * 8 + k * 44;
      wave.quadTo(x + 8, y - 5, x + 16, y);
      wave.moveTo(x + 44, y);
    }
    Curve(p, wave, kWhite, 2);
  }
  // The oars first, the hull over their inner ends.
  Line(p, QPointF(58, 108), QPointF(20, 146), kWood, 4);
  Polygon(p, {{14, 140}, {24, 150}, {16, 156}, {8, 148}}, kWood);
  Line(p, QPointF(102, 108), QPointF(140, 146), kWood, 4);
  Polygon(p, {{146, 140}, {136, 150}, {144, 156}, {152, 148}}, kWood);
  QPainterPath hull;
  hull.moveTo(22, 110);
  hull.lineTo(138, 110);
  hull.quadTo(130, 136, 112, 138);
  hull.lineTo(48, 138);
  hull.quadTo(30, 136, 22, 110);
  hull.closeSubpath();
  Fill(p, hull, kCoral);
  Line(p, QPointF(28, 119), QPointF(132, 119), kWhite, 2);
}

void Walking(QPainter& p) {
  Band(p, 0, 146, kSky);
  Band(p, 146, 200, kGrass);
  QPainterPath path;
  path.moveTo(0, 188);
  path.quadTo(70, 168, 160, 160);
  path.lineTo(160, 176);
  path.quadTo(80, 184, 20, 200);
  path.lineTo(0, 200);
  path.closeSubpath();
  Fill(p, path, kSand, false);
  Tree(p, QPointF(128, 158), 96);
  // A walker in mid stride: one leg forward, the arms swinging the other way.
  const QPointF hip(62, 124), neck(64, 84);
  Line(p, hip, QPointF(82, 150), kNavy, 5);
  Line(p, QPointF(82, 150), QPointF(90, 152), kNavy, 5);
  Line(p, hip, QPointF(52, 142), kNavy, 5);
  Line(p, QPointF(52, 142), QPointF(42, 156), kNavy, 5);
  Line(p, QPointF(42, 156), QPointF(50, 158), kNavy, 5);
  QPainterPath body;
  body.moveTo(hip);
  body.lineTo(neck);
  Curve(p, body, kTeal, 12);
  Line(p, neck + QPointF(0, 6), QPointF(48, 112), kNavy, 4);
  Line(p, neck + QPointF(0, 6), QPointF(82, 106), kNavy, 4);
  Disc(p, QPointF(66, 70), 10, QColor(0xF1, 0xC9, 0xA5));
}

// --- weather

void Drops(QPainter& p, const QColor& ink, qreal top) {
  for (int i = 0; i < 9; ++i) {
    const qreal x = 30 + (i % 5) * 24 + (i / 5) * 12;
    const qreal y = top + (i / 5) * 30 + (i % 2) * 10;
    Line(p, QPointF(x, y), QPointF(x - 6, y + 16), ink, 3);
  }
}

void Flake(QPainter& p, QPointF c, qreal r) {
  for (int i = 0; i < 3; ++i) {
    const qreal a = i * M_PI / 3;
    const QPointF d(std::cos(a), std::sin(a));
    Line(p, c - d * r, c + d * r, kWhite, 2.2);
  }
}

void Rain(QPainter& p) {
  Band(p, 0, 200, kGreySky);
  Cloud(p, QPointF(80, 62), 34, kCloudGrey);
  Drops(p, kBlue, 104);
}

void Sunny(QPainter& p) {
  Band(p, 0, 200, kSkyDeep);
  SunDisc(p, QPointF(80, 96), 36);
}

void Snow(QPainter& p) {
  Band(p, 0, 200, QColor(0xB9, 0xC8, 0xD6));
  Cloud(p, QPointF(80, 54), 32, kCloudGrey);
  QPainterPath drift;
  drift.moveTo(0, 170);
  drift.quadTo(50, 156, 90, 166);
  drift.quadTo(130, 174, 160, 162);
  drift.lineTo(160, 200);
  drift.lineTo(0, 200);
  drift.closeSubpath();
  Fill(p, drift, kWhite);
  const QPointF flakes[] = {{34, 104}, {70, 96},  {108, 104}, {136, 120}, {52, 132},
                            {92, 130}, {20, 144}, {124, 148}, {72, 150}};
  for (const QPointF& at : flakes) Flake(p, at, 7);
}

void Storm(QPainter& p) {
  Band(p, 0, 200, kStormSky);
  Drops(p, QColor(0xC9, 0xDD, 0xEE), 110);
  Cloud(p, QPointF(80, 58), 34, kCloudDark);
  Polygon(p, {{88, 82}, {62, 128}, {80, 128}, {68, 170}, {106, 114}, {86, 114}, {100, 82}},
          kYellow);
}

void Cloudy(QPainter& p) {
  Band(p, 0, 200, kGreySky);
  Cloud(p, QPointF(56, 70), 30, kCloudGrey);
  Cloud(p, QPointF(104, 120), 34, kCloud);
}

void Windy(QPainter& p) {
  Band(p, 0, 160, kSky);
  Band(p, 160, 200, kGrass);
  Tree(p, QPointF(44, 162), 110, 34);
  for (int i = 0; i < 3; ++i) {
    QPainterPath gust;
    const qreal y = 44 + i * 30;
    gust.moveTo(10 + i * 6, y);
    gust.lineTo(96 + i * 10, y);
    gust.quadTo(116 + i * 10, y, 116 + i * 10, y - 10);
    gust.quadTo(116 + i * 10, y - 18, 106 + i * 10, y - 18);
    Curve(p, gust, kWhite, 3);
  }
  // The hat on its way.
  p.save();
  p.translate(124, 134);
  p.rotate(-24);
  Box(p, QRectF(-20, 4, 40, 7), kRed, 3);
  Box(p, QRectF(-11, -12, 22, 18), kRed, 5);
  p.fillRect(QRectF(-10, 0, 20, 4), kNavy);
  p.restore();
}

// --- the shop

/// A wall above a table top, the setting of the shop's things.
void Counter(QPainter& p) {
  Band(p, 0, 150, kWall);
  Band(p, 150, 200, kSand);
  p.fillRect(QRectF(0, 150, kPicture.width(), 2), kSandLine);
}

void Shade(QPainter& p, QPointF c, qreal rx) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x10, 0x1C, 0x2C, 36));
  p.drawEllipse(c, rx, rx * 0.18);
  p.restore();
}

void Apples(QPainter& p, int count) {
  Counter(p);
  const qreal r = count > 2 ? 21 : 25;
  const qreal step = r * 2 + 4;
  const qreal first = 80 - step * (count - 1) / 2.0;
  for (int i = 0; i < count; ++i) {
    const QPointF c(first + i * step, 150 - r);
    Shade(p, QPointF(c.x(), 152), r * 0.9);
    QPainterPath apple;
    apple.addEllipse(c + QPointF(-r * 0.42, 0), r * 0.62, r * 0.95);
    apple.addEllipse(c + QPointF(r * 0.42, 0), r * 0.62, r * 0.95);
    apple.setFillRule(Qt::WindingFill);
    Fill(p, apple.simplified(), kRed);
    Line(p, c - QPointF(0, r * 0.8), c - QPointF(-2, r * 1.25), kWood, 3);
    QPainterPath leaf;
    const QPointF base = c - QPointF(-2, r * 1.1);
    leaf.moveTo(base);
    leaf.quadTo(base + QPointF(8, -10), base + QPointF(16, -4));
    leaf.quadTo(base + QPointF(8, 4), base);
    Fill(p, leaf, kLeaf);
    Disc(p, c + QPointF(-r * 0.45, -r * 0.35), r * 0.14, QColor(255, 255, 255, 150), false);
  }
}

void Bananas(QPainter& p, int count) {
  Counter(p);
  const qreal step = count > 2 ? 40 : 50;
  const qreal first = 80 - step * (count - 1) / 2.0;
  for (int i = 0; i < count; ++i) {
    const qreal x = first + i * step;
    Shade(p, QPointF(x, 152), 18);
    // An upright crescent, its back to the left, a brown stalk at the top.
    QPainterPath banana;
    banana.moveTo(x + 4, 46);
    banana.quadTo(x - 32, 96, x + 6, 150);
    banana.quadTo(x + 2, 96, x + 12, 50);
    banana.closeSubpath();
    Fill(p, banana, kYellow);
    Line(p, QPointF(x + 4, 46), QPointF(x + 10, 38), kWood, 4);
    Disc(p, QPointF(x + 6, 150), 2, kWood, false);
  }
}

void Bottle(QPainter& p) {
  Counter(p);
  Shade(p, QPointF(80, 152), 26);
  QPainterPath bottle;
  bottle.moveTo(70, 40);
  bottle.lineTo(90, 40);
  bottle.lineTo(90, 58);
  bottle.quadTo(104, 68, 104, 84);
  bottle.lineTo(104, 146);
  bottle.quadTo(104, 152, 98, 152);
  bottle.lineTo(62, 152);
  bottle.quadTo(56, 152, 56, 146);
  bottle.lineTo(56, 84);
  bottle.quadTo(56, 68, 70, 58);
  bottle.closeSubpath();
  Fill(p, bottle, kGlass);
  p.save();
  p.setClipPath(bottle);
  p.fillRect(QRectF(50, 88, 60, 70), QColor(0x9C, 0xCF, 0xEC));
  p.restore();
  Curve(p, bottle);
  Box(p, QRectF(56, 104, 48, 22), kWhite, 2);  // the label, left blank
  Line(p, QPointF(64, 115), QPointF(96, 115), kTealPale, 4);
  Box(p, QRectF(67, 26, 26, 16), kBlue, 3);
}

void Cup(QPainter& p) {
  Counter(p);
  Box(p, QRectF(28, 138, 104, 12), kWhite, 6);  // the saucer
  QPainterPath handle;
  handle.addEllipse(QPointF(112, 106), 16, 14);
  handle.addEllipse(QPointF(112, 106), 8, 7);
  handle.setFillRule(Qt::OddEvenFill);
  Fill(p, handle, kWhite);
  QPainterPath cup;
  cup.moveTo(42, 80);
  cup.lineTo(118, 80);
  cup.quadTo(116, 136, 90, 140);
  cup.lineTo(70, 140);
  cup.quadTo(44, 136, 42, 80);
  cup.closeSubpath();
  Fill(p, cup, kWhite);
  Line(p, QPointF(48, 96), QPointF(112, 96), kTeal, 3);
}

void Glass(QPainter& p) {
  Counter(p);
  Shade(p, QPointF(80, 152), 30);
  Polygon(p, {{48, 52}, {112, 52}, {104, 150}, {56, 150}}, kGlass);
  Line(p, QPointF(58, 62), QPointF(64, 138), kWhite, 4);
  p.save();
  p.setPen(Stroke(kNavy, kLine));
  p.setBrush(QColor(0xC6, 0xE2, 0xEE));
  p.drawEllipse(QRectF(48, 47, 64, 10));
  p.restore();
}

void Umbrella(QPainter& p) {
  Band(p, 0, 200, kWall);
  QPainterPath canopy;
  canopy.moveTo(14, 100);
  canopy.arcTo(QRectF(14, 34, 132, 132), 180, -180);
  // Scalloped edge.
  for (int i = 0; i < 4; ++i) {
    const qreal right = 146 - i * 33;
    canopy.quadTo(right - 16.5, 88, right - 33, 100);
  }
  canopy.closeSubpath();
  Fill(p, canopy, kRed);
  for (qreal x : {47.0, 80.0, 113.0}) {
    QPainterPath rib;
    rib.moveTo(80, 36);
    rib.quadTo((x + 80) / 2 + (x - 80) * 0.3, 60, x, 100);
    Curve(p, rib, kNavy, 1.5);
  }
  Line(p, QPointF(80, 24), QPointF(80, 36), kNavy, 3);
  QPainterPath handle;
  handle.moveTo(80, 100);
  handle.lineTo(80, 166);
  handle.quadTo(80, 180, 92, 180);
  handle.quadTo(104, 180, 104, 168);
  Curve(p, handle, kNavy, 4);
}

void Hat(QPainter& p) {
  Counter(p);
  Shade(p, QPointF(80, 150), 66);
  QPainterPath brim;
  brim.addEllipse(QPointF(80, 136), 68, 14);
  Fill(p, brim, kRed);
  QPainterPath crown;
  crown.moveTo(40, 134);
  crown.lineTo(46, 82);
  crown.quadTo(48, 68, 80, 68);
  crown.quadTo(112, 68, 114, 82);
  crown.lineTo(120, 134);
  crown.quadTo(80, 144, 40, 134);
  crown.closeSubpath();
  Fill(p, crown, kRed);
  QPainterPath ribbon;
  ribbon.moveTo(43, 112);
  ribbon.quadTo(80, 120, 117, 112);
  ribbon.lineTo(118, 124);
  ribbon.quadTo(80, 132, 42, 124);
  ribbon.closeSubpath();
  Fill(p, ribbon, kNavy, false);
}

void ShoppingBag(QPainter& p) {
  Counter(p);
  Shade(p, QPointF(80, 152), 52);
  for (qreal x : {58.0, 102.0}) {
    QPainterPath handle;
    handle.moveTo(x - 10, 76);
    handle.quadTo(x - 10, 38, x, 38);
    handle.quadTo(x + 10, 38, x + 10, 76);
    Curve(p, handle, kNavy, 4);
  }
  Polygon(p, {{30, 70}, {130, 70}, {138, 152}, {22, 152}}, kBlue);
  Line(p, QPointF(32, 86), QPointF(128, 86), QColor(255, 255, 255, 120), 2);
}

void Key(QPainter& p) {
  Counter(p);
  p.save();
  p.translate(80, 104);
  p.rotate(-30);
  QPainterPath key;
  key.addEllipse(QPointF(-42, 0), 22, 22);
  key.addRoundedRect(QRectF(-24, -6, 82, 12), 3, 3);
  key.addRect(QRectF(34, 6, 8, 12));
  key.addRect(QRectF(48, 6, 6, 16));
  key.setFillRule(Qt::WindingFill);
  QPainterPath body = key.simplified();
  QPainterPath hole;
  hole.addEllipse(QPointF(-46, 0), 9, 9);
  Fill(p, body.subtracted(hole), kYellow.darker(108));
  p.restore();
}

void Book(QPainter& p) {
  Counter(p);
  Shade(p, QPointF(84, 152), 48);
  // Standing closed, turned a little: the pages' edge on the right, the spine on the left.
  Polygon(p, {{112, 40}, {124, 48}, {124, 150}, {112, 150}}, kWhite);
  for (qreal x : {116.0, 120.0}) Line(p, QPointF(x, 50), QPointF(x, 146), kSandLine, 1.2);
  Box(p, QRectF(42, 36, 72, 114), kLeaf, 4);
  p.fillRect(QRectF(44, 38, 12, 110), kLeaf.darker(118));
  Box(p, QRectF(66, 58, 36, 20), kTealPale, 2);
  Line(p, QPointF(66, 126), QPointF(102, 126), kLeaf.darker(118), 3);
}

void Question(QPainter& p) {
  Band(p, 0, 200, Lighter(kSand, 0.5));
  const QRectF frame = QRectF(QPointF(0, 0), kPicture).adjusted(10, 10, -10, -10);
  p.save();
  p.setPen(QPen(kSandDisabled, 2, Qt::DashLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(frame, 8, 8);
  p.restore();
  Text(p, frame, QStringLiteral("?"), 110, true, kSandDisabled, Qt::AlignCenter);
}

/// Draws the picture a name calls for; a name without a drawing stops the generator.
QImage ItemPicture(const QString& name) {
  QImage image = Canvas(kPicture, kWhite);
  QPainter p(&image);
  Smooth(p);
  static const QRegularExpression clock(QStringLiteral("^clock_(\\d{1,2})_(\\d{2})$"));
  static const QRegularExpression fruit(QStringLiteral("^(apples|bananas)_(\\d)$"));
  if (const auto m = clock.match(name); m.hasMatch()) {
    const int hours = m.captured(1).toInt(), minutes = m.captured(2).toInt();
    if (hours < 1 || hours > 12 || minutes > 59) {
      throw std::runtime_error("no such time on a clock: " + name.toStdString());
    }
    Clock(p, hours, minutes);
    return image;
  }
  if (const auto m = fruit.match(name); m.hasMatch()) {
    const int count = m.captured(2).toInt();
    if (count < 1 || count > 3) {
      throw std::runtime_error("too many to draw in one picture: " + name.toStdString());
    }
    if (m.captured(1) == QLatin1String("apples")) {
      Apples(p, count);
    } else {
      Bananas(p, count);
    }
    return image;
  }
  using Drawing = void (*)(QPainter&);
  static const std::pair<const char*, Drawing> kDrawings[] = {
      {"bicycle", Bicycle},
      {"bus", Bus},
      {"car", Car},
      {"plane", Plane},
      {"boat", Boat},
      {"train", Train},
      {"walking", Walking},
      {"weather_rain", Rain},
      {"weather_sun", Sunny},
      {"weather_snow", Snow},
      {"weather_storm", Storm},
      {"weather_cloud", Cloudy},
      {"weather_wind", Windy},
      {"bottle", Bottle},
      {"cup", Cup},
      {"glass", Glass},
      {"umbrella", Umbrella},
      {"hat", Hat},
      {"bag", ShoppingBag},
      {"key", Key},
      {"book", Book},
  };
  for (const auto& [known, draw] : kDrawings) {
    if (name == QLatin1String(known)) {
      draw(p);
      return image;
    }
  }
  throw std::runtime_error("no drawing for the picture " + name.toStdString());
}

// --- the window

// A faint motif of each background, below the pictures and clear of the texts.
void Motif(QPainter& p, int variant) {
  p.save();
  p.setPen(Stroke(kSandInk, 2));
  p.setBrush(Qt::NoBrush);
  if (variant == 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSandInk);
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 26; ++col) {
        p.drawEllipse(QPointF(20 + col * 30 + (row % 2) * 15, 546 + row * 22), 2.5, 2.5);
      }
    }
  } else if (variant == 2) {
    for (int row = 0; row < 2; ++row) {
      QPainterPath wave;
      const qreal y = 556 + row * 26;
      wave.moveTo(-10, y);
      for (qreal x = -10; x < kWindow.width() + 10; x += 4) {
        wave.lineTo(x, y + 7 * std::sin(x / 40.0 + row * 2));
      }
      p.drawPath(wave);
    }
  } else {
    for (int ring = 1; ring <= 5; ++ring) {
      p.drawEllipse(QPointF(0, 600), ring * 46.0, ring * 46.0);
    }
  }
  p.restore();
}

QImage Background(int variant) {
  QImage image = Canvas(kWindow, kSand);
  QPainter p(&image);
  Smooth(p);
  Motif(p, variant);
  // The exit label's corner: navy, rounded towards the page.
  FillRounded(p, QRectF(724, -24, 100, 74), kNavy, 16);
  FillRounded(p, QRectF(kTextLeft, 56, 36, 4), kTeal, 2);
  for (int left : kPictureLefts) {
    Panel(p, QRectF(QPoint(left, kPictureTop), kPicture).adjusted(-8, -8, 8, 8), kWhite, 8,
          kSandLine);
  }
  // The band of the two texts: the foreign sentence and, under it, the Polish one.
  const QRectF band(40, kForeignTop - 14, kWindow.width() - 80, kPolishTop - kForeignTop + 80);
  Panel(p, band, Lighter(kSand, 0.6), 8, kSandLine);
  FillRounded(p, QRectF(band.left() + 8, kForeignTop + 2, 4, 22), kTeal, 2);
  FillRounded(p, QRectF(band.left() + 8, kPolishTop + 2, 4, 22), kSandDisabled, 2);
  return image;
}

QImage Mark(bool right) {
  return KeyedPicture(kMark, kSand, [right](QPainter& p, const QRectF& area) {
    const QRectF disc = area.adjusted(1, 1, -1, -1);
    p.setPen(QPen(kWhite, 2));
    p.setBrush(right ? kLeaf : kCoral);
    p.drawEllipse(disc.adjusted(1, 1, -1, -1));
    DrawIcon(p, right ? Icon::Check : Icon::Close, disc.adjusted(9, 9, -9, -9), kWhite, 3);
  });
}

}  // namespace

void PaintComprehensionWindow(PictureFolder& folder) {
  for (int k = 1; k <= kBackgrounds; ++k) {
    folder.SaveBmp(QStringLiteral("gfx_r\\rozum_tlo%1.bmp").arg(k), Background(k));
  }
  folder.SaveBmp(QStringLiteral("gfx_r\\rozumienie\\znak_dobrze.bmp"), Mark(true));
  folder.SaveBmp(QStringLiteral("gfx_r\\rozumienie\\znak_zle.bmp"), Mark(false));
  const QString pictures = QStringLiteral("Hdd\\Rozumienia_gfx_r\\");
  for (int k = 1; k <= 3; ++k) {
    QImage image = Canvas(kPicture, kWhite);
    {
      QPainter p(&image);
      Smooth(p);
      Question(p);
    }
    folder.SaveBmp(pictures + QStringLiteral("tmp_%1.bmp").arg(k), image);
  }
  for (const char* name : kPictureNames) {
    folder.SaveBmp(pictures + QLatin1String(name) + QStringLiteral(".bmp"),
                   ItemPicture(QLatin1String(name)));
  }
}

}  // namespace tess::demo
