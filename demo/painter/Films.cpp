// The films of the demo course: one picture a scene, drawn from shapes in the look of the
// course, with the line being spoken as a subtitle. The sound maker leaves a timeline of each
// film (segments: start, end, scene, subtitle); here every segment becomes one frame, and a
// list tells ffmpeg how long each frame stands.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using colour::kCoral;
using colour::kLeaf;
using colour::kNavy;
using colour::kSand;
using colour::kTeal;
using colour::kWhite;

const QSize kFrame(640, 480);
constexpr qreal kLine = 2.5;  // outlines, a little heavier than at window scale

// Colours of the scenes beyond the window palette, kept soft.
const QColor kSkyTop(0x8E, 0xC5, 0xE8);
const QColor kSkyLow(0xD6, 0xEC, 0xF7);
const QColor kNightTop(0x10, 0x1E, 0x3A);
const QColor kNightLow(0x2A, 0x3E, 0x66);
const QColor kWater(0x4F, 0x9C, 0xCB);
const QColor kStone(0xCF, 0xBF, 0x9F);
const QColor kGrey(0x9A, 0xA5, 0xB1);
const QColor kDarkGrey(0x5E, 0x6A, 0x78);
const QColor kRed(0xC8, 0x3E, 0x3A);
const QColor kYellow(0xF2, 0xC1, 0x4E);
const QColor kSkin(0xF1, 0xC9, 0xA5);
const QColor kBlue(0x3B, 0x6E, 0xB5);
const QColor kGreen(0x7F, 0xB0, 0x69);

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, bool outline = true) {
  p.save();
  p.setPen(outline ? Stroke(kNavy, kLine) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void Box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 6, bool outline = true) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  Fill(p, path, fill, outline);
}

void Disc(QPainter& p, QPointF c, qreal radius, const QColor& fill, bool outline = true) {
  QPainterPath path;
  path.addEllipse(c, radius, radius);
  Fill(p, path, fill, outline);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& ink = kNavy, qreal width = kLine) {
  p.save();
  p.setPen(Stroke(ink, width));
  p.drawLine(a, b);
  p.restore();
}

void Sky(QPainter& p, qreal horizon, const QColor& top, const QColor& low) {
  QLinearGradient gradient(0, 0, 0, horizon);
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, low);
  p.fillRect(QRectF(0, 0, kFrame.width(), horizon), gradient);
}

void Ground(QPainter& p, qreal top, const QColor& fill) {
  p.fillRect(QRectF(0, top, kFrame.width(), kFrame.height() - top), fill);
}

void Cloud(QPainter& p, QPointF at, qreal size) {
  QPainterPath path;
  path.addEllipse(at, size, size * 0.6);
  path.addEllipse(at + QPointF(size * 0.8, size * 0.15), size * 0.7, size * 0.45);
  path.addEllipse(at + QPointF(-size * 0.8, size * 0.2), size * 0.6, size * 0.4);
  path.setFillRule(Qt::WindingFill);
  Fill(p, path.simplified(), QColor(255, 255, 255, 230), false);
}

void Sun(QPainter& p, QPointF c, qreal radius) {
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * M_PI / 6;
    Line(p, c + QPointF(std::cos(a), std::sin(a)) * (radius + 8),
         c + QPointF(std::cos(a), std::sin(a)) * (radius + 20), kYellow, 4);
  }
  Disc(p, c, radius, kYellow, false);
}

/// A clock face showing hours:minutes.
void ClockFace(QPainter& p, QPointF c, qreal radius, int hours, int minutes) {
  Disc(p, c, radius, kWhite);
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * M_PI / 6;
    const QPointF d(std::sin(a), -std::cos(a));
    Line(p, c + d * radius * 0.78, c + d * radius * 0.9, kNavy, 2);
  }
  const qreal minuteAngle = minutes * M_PI / 30;
  const qreal hourAngle = (hours % 12 + minutes / 60.0) * M_PI / 6;
  Line(p, c, c + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * radius * 0.5, kNavy, 4);
  Line(p, c, c + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * radius * 0.75, kNavy, 3);
  Disc(p, c, 3, kNavy, false);
}

/// A standing or walking figure whose feet are at `feet`; `height` from feet to the top of
/// the head.
void Person(QPainter& p, QPointF feet, qreal height, const QColor& clothes,
            const QColor& hair = kNavy, bool walking = false, bool bag = false) {
  const qreal head = height * 0.13;
  const QPointF neck = feet - QPointF(0, height * 0.72);
  const QPointF hip = feet - QPointF(0, height * 0.38);
  const qreal stride = walking ? height * 0.14 : height * 0.05;
  Line(p, hip, feet + QPointF(-stride, 0), kNavy, height * 0.07);
  Line(p, hip, feet + QPointF(stride, 0), kNavy, height * 0.07);
  QPainterPath body;
  body.addRoundedRect(QRectF(neck.x() - height * 0.12, neck.y(), height * 0.24, height * 0.4),
                      height * 0.06, height * 0.06);
  Fill(p, body, clothes);
  const qreal swing = walking ? height * 0.12 : height * 0.02;
  Line(p, neck + QPointF(-height * 0.1, height * 0.05),
       neck + QPointF(-height * 0.13 - swing, height * 0.32), kNavy, height * 0.05);
  Line(p, neck + QPointF(height * 0.1, height * 0.05),
       neck + QPointF(height * 0.13 + swing, height * 0.32), kNavy, height * 0.05);
  if (bag) {
    Box(p,
        QRectF(neck.x() + height * 0.1 + swing, neck.y() + height * 0.3, height * 0.16,
               height * 0.13),
        kTeal, 3);
  }
  const QPointF headCentre = neck - QPointF(0, head * 0.95);
  Disc(p, headCentre, head, kSkin);
  QPainterPath hairPath;
  hairPath.moveTo(headCentre + QPointF(-head, 0));
  hairPath.arcTo(QRectF(headCentre.x() - head, headCentre.y() - head, head * 2, head * 2), 180,
                 -180);
  hairPath.closeSubpath();
  Fill(p, hairPath, hair);
}

void Train(QPainter& p, const QRectF& r, const QColor& body, bool lit = false) {
  Box(p, r, body, r.height() * 0.22);
  const qreal w = r.height() * 0.34;
  for (qreal x = r.left() + r.height() * 0.35; x + w < r.right() - r.height() * 0.2; x += w * 1.6) {
    Box(p, QRectF(x, r.top() + r.height() * 0.18, w, r.height() * 0.32),
        lit ? QColor(0xFF, 0xE3, 0x8A) : QColor(0xDD, 0xF0, 0xF7), 4);
  }
  p.fillRect(QRectF(r.left() + 4, r.top() + r.height() * 0.66, r.width() - 8, 5),
             QColor(255, 255, 255, 160));
}

void Car(QPainter& p, const QRectF& r, const QColor& body) {
  QPainterPath cabin;
  cabin.addRoundedRect(
      QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.55, r.height() * 0.55), 8, 8);
  Fill(p, cabin, body);
  Box(p,
      QRectF(r.left() + r.width() * 0.27, r.top() + r.height() * 0.1, r.width() * 0.19,
             r.height() * 0.3),
      QColor(0xDD, 0xF0, 0xF7), 3);
  Box(p,
      QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.1, r.width() * 0.19,
             r.height() * 0.3),
      QColor(0xDD, 0xF0, 0xF7), 3);
  Box(p, QRectF(r.left(), r.top() + r.height() * 0.4, r.width(), r.height() * 0.4), body, 8);
  for (qreal x : {r.left() + r.width() * 0.22, r.left() + r.width() * 0.78}) {
    Disc(p, QPointF(x, r.top() + r.height() * 0.82), r.height() * 0.18, kDarkGrey);
    Disc(p, QPointF(x, r.top() + r.height() * 0.82), r.height() * 0.07, kGrey, false);
  }
}

void Plane(QPainter& p, QPointF nose, qreal length) {
  const qreal h = length * 0.13;
  QPainterPath wing;
  wing.moveTo(nose + QPointF(-length * 0.45, 0));
  wing.lineTo(nose + QPointF(-length * 0.62, h * 1.9));
  wing.lineTo(nose + QPointF(-length * 0.5, h * 1.9));
  wing.lineTo(nose + QPointF(-length * 0.3, 0));
  wing.closeSubpath();
  Fill(p, wing, QColor(0xE4, 0xE9, 0xEF));
  QPainterPath tail;
  tail.moveTo(nose + QPointF(-length * 0.85, -h * 0.4));
  tail.lineTo(nose + QPointF(-length * 0.98, -h * 1.9));
  tail.lineTo(nose + QPointF(-length * 0.88, -h * 1.9));
  tail.lineTo(nose + QPointF(-length * 0.72, -h * 0.4));
  tail.closeSubpath();
  Fill(p, tail, kTeal);
  QPainterPath body;
  body.addRoundedRect(QRectF(nose.x() - length, nose.y() - h / 2, length, h), h / 2, h / 2);
  Fill(p, body, kWhite);
  for (int i = 0; i < 8; ++i) {
    Disc(p, nose + QPointF(-length * 0.2 - i * length * 0.075, -h * 0.08), h * 0.14, kBlue, false);
  }
}

void Bag(QPainter& p, const QRectF& r, const QColor& fill, bool open) {
  if (open) {
    Box(p, QRectF(r.left(), r.top() - r.height() * 0.35, r.width(), r.height() * 0.4),
        fill.darker(115), 6);
  }
  Box(p, r, fill, 8);
  if (!open) {
    QPainterPath handle;
    handle.moveTo(r.center().x() - r.width() * 0.18, r.top());
    handle.quadTo(QPointF(r.center().x(), r.top() - r.height() * 0.45),
                  QPointF(r.center().x() + r.width() * 0.18, r.top()));
    p.save();
    p.setPen(Stroke(kNavy, kLine));
    p.drawPath(handle);
    p.restore();
  }
}

void Label(QPainter& p, const QRectF& r, const QString& text, const QColor& fill, const QColor& ink,
           int pixels) {
  Box(p, r, fill, 6);
  p.save();
  p.setFont(Font(pixels, true));
  p.setPen(ink);
  p.drawText(r, Qt::AlignCenter, text);
  p.restore();
}

// --- A day in London ---------------------------------------------------------------------------

void LondonStation(QPainter& p) {
  Sky(p, 300, kSkyTop, kSkyLow);
  Sun(p, QPointF(540, 80), 34);
  Cloud(p, QPointF(150, 90), 40);
  // The station roof and its columns.
  QPainterPath roof;
  roof.moveTo(0, 120);
  roof.lineTo(640, 120);
  roof.lineTo(640, 140);
  roof.lineTo(0, 140);
  roof.closeSubpath();
  Fill(p, roof, kNavy, false);
  for (int x = 40; x < 640; x += 150) p.fillRect(QRectF(x, 140, 10, 200), kDarkGrey);
  Ground(p, 300, QColor(0xB9, 0xC2, 0xCB));
  p.fillRect(QRectF(0, 330, 640, 10), kYellow);  // the platform edge
  Train(p, QRectF(-20, 210, 420, 110), kRed);
  // The station clock on its post.
  p.fillRect(QRectF(508, 150, 8, 120), kDarkGrey);
  ClockFace(p, QPointF(512, 160), 36, 7, 30);
  Person(p, QPointF(440, 372), 140, kTeal, QColor(0x6B, 0x3E, 0x26), false, true);
  Person(p, QPointF(520, 376), 146, kCoral, QColor(0xD9, 0xA4, 0x41), false, true);
}

void LondonRiver(QPainter& p) {
  Sky(p, 250, kSkyTop, kSkyLow);
  Cloud(p, QPointF(460, 70), 36);
  // The big wheel behind the far bank.
  const QPointF hub(520, 170);
  p.save();
  p.setPen(Stroke(kNavy, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(hub, 95, 95);
  for (int i = 0; i < 16; ++i) {
    const qreal a = i * M_PI / 8;
    p.drawLine(hub, hub + QPointF(std::cos(a), std::sin(a)) * 95);
  }
  p.restore();
  for (int i = 0; i < 16; ++i) {
    const qreal a = i * M_PI / 8;
    Disc(p, hub + QPointF(std::cos(a), std::sin(a)) * 95, 7, kWhite);
  }
  Line(p, hub, QPointF(480, 268), kNavy, 5);
  Line(p, hub, QPointF(560, 268), kNavy, 5);
  // The long stone building and its clock tower.
  Box(p, QRectF(20, 190, 360, 80), kStone, 2);
  for (int x = 36; x < 370; x += 28) p.fillRect(QRectF(x, 205, 10, 40), QColor(0xA8, 0x95, 0x72));
  Box(p, QRectF(390, 90, 50, 180), kStone, 2);
  QPainterPath spire;
  spire.moveTo(386, 92);
  spire.lineTo(415, 30);
  spire.lineTo(444, 92);
  spire.closeSubpath();
  Fill(p, spire, QColor(0x8C, 0x7A, 0x5A));
  ClockFace(p, QPointF(415, 125), 18, 10, 10);
  // The river and the boat.
  p.fillRect(QRectF(0, 270, 640, 210), kWater);
  for (int y = 300; y < 480; y += 34) {
    for (int x = (y / 34 % 2) * 60; x < 640; x += 120) {
      Line(p, QPointF(x, y), QPointF(x + 50, y), QColor(255, 255, 255, 110), 3);
    }
  }
  QPainterPath hull;
  hull.moveTo(120, 360);
  hull.lineTo(470, 360);
  hull.lineTo(430, 410);
  hull.lineTo(150, 410);
  hull.closeSubpath();
  Fill(p, hull, kWhite);
  Box(p, QRectF(180, 320, 220, 42), QColor(0xE8, 0xF1, 0xF6), 6);
  for (int x = 195; x < 390; x += 40) Box(p, QRectF(x, 330, 26, 18), kWater.lighter(130), 3);
  p.fillRect(QRectF(150, 384, 300, 6), kTeal);
}

void LondonMidday(QPainter& p) {
  Sky(p, 260, kSkyTop, kSkyLow);
  Sun(p, QPointF(320, 60), 30);
  Ground(p, 330, QColor(0xD8, 0xCF, 0xC0));
  // The museum front with its columns.
  QPainterPath pediment;
  pediment.moveTo(300, 130);
  pediment.lineTo(470, 70);
  pediment.lineTo(640, 130);
  pediment.closeSubpath();
  Fill(p, pediment, kStone);
  Box(p, QRectF(300, 130, 340, 24), kStone, 0);
  for (int x = 318; x < 630; x += 44) Box(p, QRectF(x, 154, 20, 150), QColor(0xE6, 0xDB, 0xC3), 2);
  Box(p, QRectF(296, 304, 348, 26), kStone, 0);
  // A crowd on the steps.
  const QColor crowd[] = {kBlue, kCoral, kLeaf, kYellow, kTeal, kRed, kNavy};
  for (int i = 0; i < 9; ++i) {
    Person(p, QPointF(330 + i * 34, 352 + (i % 3) * 8), 84, crowd[i % 7],
           i % 2 ? kNavy : QColor(0x6B, 0x3E, 0x26));
  }
  // The cafe with its striped awning.
  Box(p, QRectF(20, 150, 240, 180), kSand, 4);
  for (int i = 0; i < 8; ++i) {
    p.fillRect(QRectF(14 + i * 31.5, 130, 31.5, 40), i % 2 ? kWhite : kCoral);
  }
  Line(p, QPointF(14, 170), QPointF(266, 170));
  Box(p, QRectF(50, 200, 80, 70), QColor(0xDD, 0xF0, 0xF7), 4);
  Label(p, QRectF(150, 196, 90, 30), QStringLiteral("CAFE"), kNavy, kWhite, 16);
  // The table with fish and chips.
  Box(p, QRectF(60, 318, 200, 14), QColor(0xB0, 0x7A, 0x4C), 4);
  p.fillRect(QRectF(150, 332, 10, 50), QColor(0xB0, 0x7A, 0x4C));
  QPainterPath plate;
  plate.addEllipse(QPointF(160, 310), 70, 16);
  Fill(p, plate, kWhite);
  QPainterPath fish;
  fish.addEllipse(QPointF(140, 304), 36, 10);
  Fill(p, fish, QColor(0xE0, 0xA8, 0x50));
  for (int i = 0; i < 6; ++i) {
    Box(p, QRectF(175 + i * 7, 294 + (i % 2) * 4, 5, 18), kYellow, 2, false);
  }
}

void LondonRain(QPainter& p) {
  Sky(p, 480, kNightTop, kNightLow);
  // Rain over everything.
  for (int i = 0; i < 70; ++i) {
    const qreal x = (i * 97) % 660;
    const qreal y = (i * 53) % 470;
    Line(p, QPointF(x, y), QPointF(x - 8, y + 26), QColor(0xA9, 0xC4, 0xE6, 150), 2);
  }
  Ground(p, 360, QColor(0x1A, 0x28, 0x44));
  // The underground sign on its post.
  p.fillRect(QRectF(146, 170, 10, 190), kDarkGrey);
  Disc(p, QPointF(151, 140), 62, kRed);
  Disc(p, QPointF(151, 140), 38, kWhite, false);
  Box(p, QRectF(70, 124, 162, 32), kBlue, 2);
  p.save();
  p.setFont(Font(17, true));
  p.setPen(kWhite);
  p.drawText(QRectF(70, 124, 162, 32), Qt::AlignCenter, QStringLiteral("UNDERGROUND"));
  p.restore();
  // A lit train passing in the night.
  Train(p, QRectF(290, 220, 380, 110), QColor(0x6E, 0x7E, 0x94), true);
  Person(p, QPointF(262, 372), 124, kTeal, QColor(0x6B, 0x3E, 0x26), true);
  Person(p, QPointF(212, 376), 128, kCoral, QColor(0xD9, 0xA4, 0x41), true);
}

// --- A race to the airport ---------------------------------------------------------------------

void BedroomMorning(QPainter& p) {
  p.fillRect(QRectF(0, 0, 640, 480), QColor(0xE9, 0xE1, 0xF0));
  Ground(p, 330, QColor(0xC9, 0xB3, 0x95));
  // The window: dawn and the taxi waiting outside.
  Box(p, QRectF(380, 60, 220, 170), QColor(0xF7, 0xC9, 0x9B), 4);
  p.save();
  p.setClipRect(QRectF(382, 62, 216, 166));
  QLinearGradient dawn(0, 60, 0, 230);
  dawn.setColorAt(0, QColor(0x5B, 0x6F, 0xA8));
  dawn.setColorAt(1, QColor(0xF7, 0xC9, 0x9B));
  p.fillRect(QRectF(382, 62, 216, 166), dawn);
  p.fillRect(QRectF(382, 196, 216, 40), kDarkGrey);
  Car(p, QRectF(420, 150, 140, 60), kYellow);
  p.restore();
  Line(p, QPointF(490, 60), QPointF(490, 230));
  Line(p, QPointF(380, 145), QPointF(600, 145));
  // The bed, the bedside table and the alarm clock showing five.
  Box(p, QRectF(20, 240, 260, 90), kBlue.lighter(150), 10);
  Box(p, QRectF(30, 220, 70, 40), kWhite, 10);
  Box(p, QRectF(290, 270, 70, 60), QColor(0xB0, 0x7A, 0x4C), 4);
  ClockFace(p, QPointF(325, 238), 30, 5, 0);
  Line(p, QPointF(305, 210), QPointF(298, 202), kCoral, 5);
  Line(p, QPointF(345, 210), QPointF(352, 202), kCoral, 5);
  // The open bag with clothes, and the man hurrying out.
  Bag(p, QRectF(110, 345, 150, 60), kTeal, true);
  Box(p, QRectF(130, 327, 50, 22), kCoral, 4);
  Box(p, QRectF(185, 323, 55, 26), kYellow, 4);
  Box(p, QRectF(560, 200, 70, 180), QColor(0xB0, 0x7A, 0x4C), 3);  // the door
  Disc(p, QPointF(572, 295), 5, kYellow);
  Person(p, QPointF(470, 380), 180, kLeaf, QColor(0x3B, 0x2A, 0x20), true, true);
}

void Motorway(QPainter& p) {
  Sky(p, 200, kSkyTop, kSkyLow);
  Cloud(p, QPointF(120, 70), 34);
  Ground(p, 200, QColor(0x9F, 0xC4, 0x86));
  // The road running away to the airport.
  QPainterPath road;
  road.moveTo(240, 200);
  road.lineTo(400, 200);
  road.lineTo(640, 480);
  road.lineTo(0, 480);
  road.closeSubpath();
  Fill(p, road, QColor(0x6C, 0x74, 0x7E), false);
  for (int i = 0; i < 6; ++i) {
    const qreal t = i / 6.0;
    Line(p, QPointF(320, 205 + t * 275), QPointF(320, 220 + t * 275), kWhite, 2 + t * 4);
  }
  // The road sign with a plane.
  p.fillRect(QRectF(560, 110, 8, 130), kDarkGrey);
  Box(p, QRectF(510, 70, 110, 70), QColor(0x2E, 0x6B, 0x3A), 6);
  p.save();
  p.translate(565, 105);
  p.rotate(-30);
  Plane(p, QPointF(34, 0), 68);
  p.restore();
  // The long queue of cars, the yellow taxi among them.
  const QColor cars[] = {kBlue, kRed, kWhite, kGrey, kLeaf, kCoral};
  int i = 0;
  for (qreal y = 215; y < 470; y += 55) {
    const qreal scale = 0.45 + (y - 215) / 255 * 0.75;
    for (int lane = 0; lane < 2; ++lane) {
      const qreal x = 320 + (lane == 0 ? -1 : 1) * (30 + (y - 200) * 0.55) - 70 * scale;
      const QColor body = (i == 5) ? kYellow : cars[i % 6];
      Car(p, QRectF(x, y, 140 * scale, 60 * scale), body);
      ++i;
    }
  }
}

void AirportHall(QPainter& p, const Course& course) {
  p.fillRect(QRectF(0, 0, 640, 480), QColor(0xEE, 0xF1, 0xF4));
  // Big windows and the departures board.
  for (int x = 20; x < 640; x += 160) Box(p, QRectF(x, 30, 140, 120), kSkyLow, 4);
  Box(p, QRectF(230, 50, 180, 70), kNavy, 6);
  p.save();
  p.setFont(Font(15, true));
  p.setPen(kYellow);
  // The board speaks the language of the airport's country. The English one sets its times
  // after a gap, the others in a column at the right.
  using Board = std::array<std::pair<const char*, const char*>, 3>;
  const Board board =
      course.Pick(Board{{{"LISBON   07:00", ""}, {"MADRID   07:20", ""}, {"ROME       07:45", ""}}},
                  Board{{{"LISSABON", "07:00"}, {"MADRID", "07:20"}, {"ROM", "07:45"}}},
                  Board{{{"LISBONNE", "07:00"}, {"MADRID", "07:20"}, {"ROME", "07:45"}}});
  for (size_t i = 0; i < board.size(); ++i) {
    const QRectF row(240, 56 + 22 * static_cast<qreal>(i), 160, 20);
    p.drawText(row, Qt::AlignLeft, QString::fromLatin1(board[i].first));
    p.drawText(row, Qt::AlignRight, QString::fromLatin1(board[i].second));
  }
  p.restore();
  Ground(p, 330, QColor(0xC9, 0xCF, 0xD6));
  // The scanner arch and the queue before it.
  Box(p, QRectF(300, 170, 110, 200), QColor(0xD5, 0xDA, 0xE0), 10);
  Box(p, QRectF(322, 196, 66, 174), QColor(0xEE, 0xF1, 0xF4), 6);
  Disc(p, QPointF(355, 184), 6, kCoral);
  const QColor queue[] = {kBlue, kYellow, kTeal, kCoral, kLeaf, kRed};
  for (int i = 0; i < 6; ++i) {
    Person(p, QPointF(40 + i * 44, 372 - i * 5), 118 - i * 4, queue[i],
           i % 2 ? kNavy : QColor(0x6B, 0x3E, 0x26));
  }
  // The table with the opened grey bag and the laptop.
  Box(p, QRectF(430, 290, 200, 16), kDarkGrey, 3);
  p.fillRect(QRectF(440, 306, 10, 70), kDarkGrey);
  p.fillRect(QRectF(610, 306, 10, 70), kDarkGrey);
  Bag(p, QRectF(450, 240, 100, 50), kGrey, true);
  QPainterPath screen;
  screen.moveTo(560, 286);
  screen.lineTo(575, 230);
  screen.lineTo(625, 230);
  screen.lineTo(612, 286);
  screen.closeSubpath();
  Fill(p, screen, QColor(0x3A, 0x45, 0x55));
  Box(p, QRectF(548, 282, 80, 8), kGrey, 2);
  Person(p, QPointF(470, 382), 140, kLeaf, QColor(0x3B, 0x2A, 0x20));
}

void BoardingGate(QPainter& p) {
  p.fillRect(QRectF(0, 0, 640, 480), QColor(0xEE, 0xF1, 0xF4));
  // The big window onto the runway and the plane.
  Box(p, QRectF(180, 40, 440, 220), kSkyLow, 4);
  p.save();
  p.setClipRect(QRectF(182, 42, 436, 216));
  Sky(p, 200, kSkyTop, kSkyLow);
  p.fillRect(QRectF(180, 200, 440, 60), kGrey);
  Plane(p, QPointF(600, 170), 330);
  p.restore();
  for (int x = 290; x < 620; x += 110) Line(p, QPointF(x, 40), QPointF(x, 260));
  // The gate's sign.
  Label(p, QRectF(30, 50, 120, 90), QStringLiteral("12"), kYellow, kNavy, 54);
  p.save();
  p.setFont(Font(16, true));
  p.setPen(kNavy);
  p.drawText(QRectF(30, 142, 120, 24), Qt::AlignCenter, QStringLiteral("GATE"));
  p.restore();
  Ground(p, 300, QColor(0x4E, 0x5E, 0x7A));
  // A row of seats; the man sits in the middle one and looks down at his slippers.
  for (int x = 70; x < 570; x += 104) Box(p, QRectF(x, 206, 92, 84), kTeal, 12);
  Box(p, QRectF(60, 284, 520, 20), kTeal.darker(120), 6);
  const qreal cx = 330;
  // Shins down from the seat's edge, knees apart, and the pink slippers on the floor.
  Line(p, QPointF(cx - 18, 300), QPointF(cx - 30, 352), kBlue, 15);
  Line(p, QPointF(cx + 18, 300), QPointF(cx + 30, 352), kBlue, 15);
  Box(p, QRectF(cx - 34, 276, 68, 28), kBlue, 10);  // his lap
  for (qreal dx : {-56.0, 12.0}) {
    QPainterPath slipper;
    slipper.addRoundedRect(QRectF(cx + dx, 348, 44, 20), 10, 10);
    Fill(p, slipper, QColor(0xF4, 0xA6, 0xC0));
    Disc(p, QPointF(cx + dx + (dx < 0 ? 12 : 32), 350), 7, kWhite, false);
  }
  Box(p, QRectF(cx - 30, 196, 60, 86), kCoral, 14);  // his jacket
  Line(p, QPointF(cx - 26, 212), QPointF(cx - 20, 280), kNavy, 8);
  Line(p, QPointF(cx + 26, 212), QPointF(cx + 20, 280), kNavy, 8);
  // The head bowed: the hair shows more than the face.
  Disc(p, QPointF(cx, 182), 24, kSkin);
  QPainterPath hair;
  hair.addEllipse(QPointF(cx, 170), 25, 19);
  Fill(p, hair, QColor(0x3B, 0x2A, 0x20));
  Line(p, QPointF(cx - 8, 196), QPointF(cx - 3, 198), kNavy, 2);
  Line(p, QPointF(cx + 3, 198), QPointF(cx + 8, 196), kNavy, 2);
}

/// Any other scene: a calm landscape, so a new film still gets pictures.
void Landscape(QPainter& p) {
  Sky(p, 300, kSkyTop, kSkyLow);
  Sun(p, QPointF(500, 90), 30);
  Ground(p, 300, kGreen);
  QPainterPath hills;
  hills.moveTo(0, 300);
  hills.quadTo(160, 200, 320, 300);
  hills.quadTo(480, 220, 640, 300);
  hills.closeSubpath();
  Fill(p, hills, kLeaf, false);
}

using Scene = std::function<void(QPainter&)>;

std::map<std::pair<int, int>, Scene> Scenes(const Course& course) {
  return {
      {{3, 1}, LondonStation},
      {{3, 2}, LondonRiver},
      {{3, 3}, LondonMidday},
      {{3, 4}, LondonRain},
      {{7, 1}, BedroomMorning},
      {{7, 2}, Motorway},
      {{7, 3}, [&course](QPainter& p) { AirportHall(p, course); }},
      {{7, 4}, BoardingGate},
  };
}

/// The spoken line at the foot of the picture, on a dark band: two lines at the largest size
/// that fits, three for a long sentence; a line that needs more stops the generator.
void Subtitle(QPainter& p, const QString& text) {
  if (text.isEmpty()) return;
  const qreal width = kFrame.width() - 80;
  QFont font;
  QRectF bounds;
  bool fits = false;
  for (int lines = 2; lines <= 3 && !fits; ++lines) {
    for (int pixels = 23; pixels >= 18 && !fits; --pixels) {
      font = Font(pixels, true);
      const QFontMetricsF metrics(font);
      bounds = metrics.boundingRect(QRectF(0, 0, width, 400), Qt::TextWordWrap, text);
      fits = bounds.height() <= metrics.lineSpacing() * lines + 1;
    }
  }
  if (!fits) throw std::runtime_error("subtitle too long: " + text.toStdString());
  const QRectF band(24, kFrame.height() - 24 - bounds.height() - 20, kFrame.width() - 48,
                    bounds.height() + 20);
  FillRounded(p, band, QColor(0x1F, 0x3A, 0x5F, 215), 10);
  p.save();
  p.setFont(font);
  p.setPen(kWhite);
  p.drawText(band.adjusted(16, 10, -16, -10), Qt::AlignCenter | Qt::TextWordWrap, text);
  p.restore();
}

QImage Frame(int text, int scene, const QString& subtitle, const Course& course) {
  QImage image = Canvas(kFrame, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const std::map<std::pair<int, int>, Scene> scenes = Scenes(course);
  const auto found = scenes.find({text, scene});
  (found != scenes.end() ? found->second : Scene(Landscape))(p);
  Subtitle(p, subtitle);
  return image;
}

struct Segment {
  double start = 0;
  double end = 0;
  int scene = 1;
  QString subtitle;
};

std::vector<Segment> ReadTimeline(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    throw std::runtime_error("cannot read " + path.toStdString());
  }
  std::vector<Segment> segments;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.isEmpty()) continue;
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 4) throw std::runtime_error("bad timeline line: " + line.toStdString());
    segments.push_back({fields[0].toDouble(), fields[1].toDouble(), fields[2].toInt(), fields[3]});
  }
  if (segments.empty()) throw std::runtime_error("empty timeline " + path.toStdString());
  return segments;
}

}  // namespace

void PaintFilmFrames(const QString& timeline, const QString& outDir, const Course& course) {
  const QRegularExpressionMatch name =
      QRegularExpression(QStringLiteral("film_(\\d+)\\.txt$")).match(timeline);
  if (!name.hasMatch()) throw std::runtime_error("a timeline is named film_<n>.txt");
  const int text = name.captured(1).toInt();
  const std::vector<Segment> segments = ReadTimeline(timeline);
  if (!QDir().mkpath(outDir)) throw std::runtime_error("cannot make " + outDir.toStdString());

  QFile list(QDir(outDir).filePath(QStringLiteral("frames.ffconcat")));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    throw std::runtime_error("cannot write the frame list in " + outDir.toStdString());
  }
  QTextStream out(&list);
  out << "ffconcat version 1.0\n";
  QString last;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& segment = segments[i];
    const QString file = QStringLiteral("seg_%1.png").arg(i, 3, 10, QLatin1Char('0'));
    if (!Frame(text, segment.scene, segment.subtitle, course).save(QDir(outDir).filePath(file))) {
      throw std::runtime_error("cannot write " + file.toStdString());
    }
    out << "file '" << file << "'\nduration "
        << QString::number(segment.end - segment.start, 'f', 3) << "\n";
    last = file;
  }
  // The concat reader takes the last duration only when the last file is named again.
  out << "file '" << last << "'\n";
}

}  // namespace tess::demo
