// The pictures of the exercise windows (800 x 600): the background of each recorded text in
// "Hdd\teksty\", the right-hand panel, the tab icons of the text's exercises and the stamps of
// the multiple-choice lists.
#include <array>
#include <stdexcept>

#include "Icons.h"
#include "Look.h"
#include "Pictures.h"
#include "TextScenes.h"

namespace tess::demo {

namespace {

using namespace colour;

// Where the exercise windows put their controls, in the background's coordinates.
const QSize kBackground(700, 600);
// Under the film button: the media window opens over the button's corner of the header.
const QPointF kTitleAt(18, 50);        // navy bold 24 px, one line
const QRectF kScene(468, 8, 216, 78);  // the vignette in the header's right part
const QRectF kPaper(8, 96, 684, 496);  // everything else sits on this white panel

// The right-hand panel and its tab column, in the panel's coordinates (the window adds 700).
const QSize kPanel(100, 600);
const QRect kCloseButton(75, 0, 25, 25);
const QSize kTab(56, 50);
constexpr int kTabLeft = 22;
constexpr int kTabTop = 70;
constexpr int kTabStep = 62;
constexpr int kTabs = 8;

// The multiple-choice stamps, drawn into the white content box.
const QSize kStamp(20, 21);
const QSize kExclamation(8, 16);

struct TextBackground {
  int number;
  bool sorting;  // the text has a sorting exercise ("DD"), which opens a bitmap
};

const std::array<TextBackground, 10> kTexts = {{
    {1, false},
    {2, true},
    {3, false},
    {4, true},
    {5, false},
    {6, false},
    {7, false},
    {8, true},
    {9, false},
    {10, true},
}};

QImage Background(const TextBackground& text, const QString& title) {
  QImage image = Canvas(kBackground, kSand);
  QPainter p(&image);
  Smooth(p);
  // A longer title of another course language steps down a little; one that does not fit
  // even then stops the generator.
  const qreal room = kScene.left() - 16 - kTitleAt.x();
  Caption(p, QRectF(kTitleAt, QSizeF(room, 32)), title, 24, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter, 18);
  // A short teal rule under the title.
  FillRounded(p, QRectF(kTitleAt.x() + 1, kTitleAt.y() + 34, 36, 4), kTeal, 2);
  DrawTextScene(p, text.number, kScene);
  Panel(p, kPaper, kWhite, 8, kSandLine);
  return image;
}

// The navy panel: the course's emblem under the close button and a quiet track down the tab
// column, with a dot where each tab stands, so a lesson with few exercises still looks finished.
QImage RightPanel() {
  QImage image = Canvas(kPanel, kNavy);
  QPainter p(&image);
  Smooth(p);
  RightStrip(p, 0, kPanel.width(), kPanel.height());
  const qreal column = kTabLeft + kTab.width() / 2.0;
  const QRectF emblem(column - 17, 18, 34, 34);
  if (emblem.right() > kCloseButton.left() - 4 && emblem.top() < kCloseButton.bottom()) {
    throw std::logic_error("the panel's emblem runs under the close button");
  }
  Panel(p, emblem, kTeal, 10);
  DrawIcon(p, Icon::Headphones, emblem.adjusted(8, 8, -8, -8), kWhite, 2);
  const qreal first = kTabTop + kTab.height() / 2.0;
  const qreal last = first + (kTabs - 1) * kTabStep;
  FillRounded(p, QRectF(column - 1, first, 2, last - first), kNavyPanel, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(kNavyPanel);
  for (int t = 0; t < kTabs; ++t) p.drawEllipse(QPointF(column, first + t * kTabStep), 4, 4);
  return image;
}

// A tab of the strip: white with a navy number, or teal with a white one for the tab shown;
// the exercise glyph tells it is an exercise of the text.
QImage TabIcon(int number, bool shown) {
  return KeyedPicture(kTab, kNavy, [&](QPainter& p, const QRectF& area) {
    const QRectF face = ButtonFace(p, area, shown ? kTeal : kWhite, false, 8);
    const QColor ink = shown ? kWhite : kNavy;
    Text(p, QRectF(face.left() + 4, face.top(), 26, face.height()), QString::number(number), 22,
         true, ink, Qt::AlignCenter);
    const qreal side = 18;
    DrawIcon(p, Icon::Exercises,
             QRectF(face.right() - 8 - side, face.center().y() - side / 2, side, side),
             shown ? kWhite : kTeal, 1.6);
  });
}

QImage Stamp(Tick tick) {
  QImage image = Canvas(kStamp, kWhite);
  QPainter p(&image);
  Smooth(p);
  TickBox(p, QRectF(2, 3, 16, 16), tick);
  return image;
}

// The coral mark beside an answer that was wrong or missing.
QImage ExclamationMark() {
  QImage image = Canvas(kExclamation, kWhite);
  QPainter p(&image);
  Smooth(p);
  const qreal x = kExclamation.width() / 2.0;
  p.setPen(Stroke(kCoral, 3.2));
  p.drawLine(QPointF(x, 2), QPointF(x, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(kCoral);
  p.drawEllipse(QPointF(x, 13.2), 1.9, 1.9);
  return image;
}

}  // namespace

void PaintExercisePictures(PictureFolder& folder, const Course& course) {
  for (const TextBackground& text : kTexts) {
    const QString name = QStringLiteral("Hdd\\teksty\\tlo_%1").arg(text.number);
    const QImage image = Background(text, course.TextTitle(text.number));
    folder.SaveJpeg(name + QStringLiteral(".jpg"), image);
    if (text.sorting) folder.SaveBmp(name + QStringLiteral(".bmp"), image);
  }
  // Named by the course letter: each course's exercises find their own panel.
  folder.SaveBmp(QStringLiteral("gfx_r\\panel_prawy_teksty_%1.bmp").arg(course.Letter()),
                 RightPanel());
  for (int t = 1; t <= kTabs; ++t) {
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\_%1.bmp").arg(t), TabIcon(t, false));
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\_%1a.bmp").arg(t), TabIcon(t, true));
  }
  const QString icons = QStringLiteral("gfx_r\\ikony\\");
  folder.SaveBmp(icons + QStringLiteral("mc_normal.bmp"), Stamp(Tick::Empty));
  folder.SaveBmp(icons + QStringLiteral("mc_checked.bmp"), Stamp(Tick::Right));
  folder.SaveBmp(icons + QStringLiteral("mc_bad.bmp"), Stamp(Tick::Wrong));
  folder.SaveBmp(icons + QStringLiteral("mc_wykrzyknik.bmp"), ExclamationMark());
}

}  // namespace tess::demo
