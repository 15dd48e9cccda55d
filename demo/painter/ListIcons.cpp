#include "ListIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

constexpr int kIconSide = 16;

QImage IconCanvas(QSize size = QSize(kIconSide, kIconSide)) { return Canvas(size, kWhite); }

// The lists leave out the colour of the bottom-left pixel: it must stay the white of the list.
QImage KeepCorner(QImage image) {
  image.setPixelColor(0, image.height() - 1, kWhite);
  return image;
}

QImage ProgressBar() {
  QImage image = IconCanvas(QSize(75, 8));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  FillRounded(p, QRectF(0, 0, 75, 8), kLeaf, 3);
  return KeepCorner(image);
}

QImage ProgressBack() {
  QImage image = IconCanvas(QSize(79, 14));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kSandLine, 1));
  p.setBrush(kSand);
  p.drawRoundedRect(QRectF(0.5, 0.5, 78, 13), 4, 4);
  return KeepCorner(image);
}

// The lessons / whole material choice stands on the chooser's navy band, so the box keeps a
// white of its own: only the keyed white of the list is left out.
const QColor kOwnWhite(0xFE, 0xFE, 0xFE);

QImage CheckBox(bool checked) {
  QImage image = IconCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(1.5, 1.5, 13, 13);
  if (checked) {
    FillRounded(p, box.adjusted(-0.5, -0.5, 0.5, 0.5), kTeal, 3);
    DrawIcon(p, Icon::Check, box.adjusted(2, 2, -2, -2), kOwnWhite, 1.8);
  } else {
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(kOwnWhite);
    p.drawRoundedRect(box, 3, 3);
  }
  return KeepCorner(image);
}

}  // namespace

QImage LevelIcon(int level) {
  QImage image = IconCanvas();
  QPainter p(&image);
  for (int bar = 0; bar < 4; ++bar) {
    const int height = 4 + 3 * bar;
    p.fillRect(QRect(1 + 4 * bar, 14 - height, 3, height), bar < level ? kTeal : kSandLine);
  }
  return image;
}

QImage DoneIcon(bool done) {
  QImage image = IconCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF circle(1.5, 1.5, 13, 13);
  if (done) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLeaf);
    p.drawEllipse(circle);
    DrawIcon(p, Icon::Check, circle.adjusted(2.5, 2.5, -2.5, -2.5), kWhite, 1.8);
  } else {
    p.setPen(QPen(kSandInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  return KeepCorner(image);
}

QImage KindIcon(Icon icon, const QColor& ink) {
  QImage image = IconCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawIcon(p, icon, QRectF(0.5, 0.5, 15, 15), ink, 1.4);
  return KeepCorner(image);
}

QImage PictureIcon() {
  QImage image = IconCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Stroke(kTeal, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2, 2);
  QPainterPath hills;
  hills.moveTo(2.5, 12);
  hills.lineTo(6.5, 7.5);
  hills.lineTo(9, 10);
  hills.lineTo(10.5, 8.5);
  hills.lineTo(13.5, 12);
  p.drawPath(hills);
  p.setPen(Qt::NoPen);
  p.setBrush(kCoral);
  p.drawEllipse(QPointF(10.8, 5.6), 1.4, 1.4);
  return KeepCorner(image);
}

void PaintChooserIcons(PictureFolder& folder) {
  const QString dir = QStringLiteral("gfx_r\\ikony\\");
  for (int level = 1; level <= 4; ++level) {
    folder.SaveBmp(dir + QStringLiteral("poz_%1.bmp").arg(level), LevelIcon(level));
  }
  folder.SaveBmp(dir + QStringLiteral("rob_yes.bmp"), DoneIcon(true));
  folder.SaveBmp(dir + QStringLiteral("rob_no.bmp"), DoneIcon(false));
  folder.SaveBmp(dir + QStringLiteral("zda_tek.bmp"), KindIcon(Icon::Headphones, kTeal));
  folder.SaveBmp(dir + QStringLiteral("zda_ust.bmp"), KindIcon(Icon::Shuffle, kTeal));
  folder.SaveBmp(dir + QStringLiteral("zda_roz.bmp"), KindIcon(Icon::Sentences, kTeal));
  folder.SaveBmp(dir + QStringLiteral("zda_dyk.bmp"), KindIcon(Icon::Microphone, kTeal));
  folder.SaveBmp(dir + QStringLiteral("img_rpg.bmp"), PictureIcon());
  folder.SaveBmp(dir + QStringLiteral("img_dia.bmp"), KindIcon(Icon::Conversations, kNavy));
  folder.SaveBmp(dir + QStringLiteral("img_progress.bmp"), ProgressBar());
  folder.SaveBmp(dir + QStringLiteral("img_progress_back.bmp"), ProgressBack());
  folder.SaveBmp(dir + QStringLiteral("img_checked.bmp"), CheckBox(true));
  folder.SaveBmp(dir + QStringLiteral("img_normal.bmp"), CheckBox(false));
}

}  // namespace tess::demo
