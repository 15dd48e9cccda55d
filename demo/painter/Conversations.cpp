// The conversations window: a background for each conversation of the demo (its title above
// the white paper the phrases are written on, the sand strip below for the word panel), the
// navy panel on the right, the tabs of the modes it offers, and the artwork in "gfx_r\dialogi\":
// the learner's recording switch, the question mark and the three translation boxes.
#include <QPainter>

#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {
namespace {

using namespace colour;

const QSize kBackground(700, 600);
const QRectF kPaper(8, 54, 684, 466);  // under the text area (top 56, 461 high)
const QRectF kTitle(16, 4, 668, 24);   // above the instruction line at 30
const QSize kPanel(100, 600);
const QSize kTab(96, 24);
constexpr int kTabs = 5;
// The switches and the mark stand on the white paper beside the phrases.
const QSize kSwitch(30, 18);
const QSize kMark(18, 18);
// The translation boxes are as wide as the window puts them (652 from left 40).
constexpr int kBoxWidth = 652;
constexpr int kBoxHeights[3] = {62, 97, 212};
constexpr const char* kBoxNames[3] = {"img_small", "img_medium", "img_big"};

// The backgrounds' names after their "a_"; every course has these five conversations.
constexpr const char* kConversations[] = {"cafe", "station", "surgery", "flat", "office"};

QImage Background(const QString& title) {
  QImage image = Canvas(kBackground, kSand);
  QPainter p(&image);
  Smooth(p);
  if (!title.isEmpty()) {
    Caption(p, kTitle, title, 18, true, kNavy, Qt::AlignLeft | Qt::AlignVCenter, 14);
  }
  Panel(p, kPaper, kWhite, 8, kSandLine);
  return image;
}

QImage RightPanel() {
  QImage image = Canvas(kPanel, kNavy);
  QPainter p(&image);
  Smooth(p);
  RightStrip(p, 0, kPanel.width(), kPanel.height());
  const QRectF emblem(kPanel.width() / 2.0 - 17, 18, 34, 34);
  Panel(p, emblem, kTeal, 10);
  DrawIcon(p, Icon::Conversations, emblem.adjusted(8, 8, -8, -8), kWhite, 2);
  return image;
}

// A tab: white with a navy number, or teal with a white one for the mode shown.
QImage Tab(int position, bool shown) {
  return KeyedPicture(kTab, kNavy, [&](QPainter& p, const QRectF& area) {
    const QRectF face = ButtonFace(p, area, shown ? kTeal : kWhite, false, 6);
    const QColor ink = shown ? kWhite : kNavy;
    Text(p, QRectF(face.left() + 8, face.top(), 20, face.height()), QString::number(position), 15,
         true, ink, Qt::AlignCenter);
    const qreal side = 16;
    DrawIcon(p, Icon::Conversations,
             QRectF(face.right() - 10 - side, face.center().y() - side / 2, side, side), ink);
  });
}

// The learner's recording switch: off teal on pale teal, on a white knob on coral.
QImage Switch(bool on) {
  return KeyedPicture(kSwitch, kWhite, [on](QPainter& p, const QRectF& area) {
    const QRectF track = area.adjusted(0.75, 0.75, -0.75, -0.75);
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(on ? kCoral : kTealPale);
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    p.setPen(on ? QPen(kNavy, 1) : QPen(Qt::NoPen));
    p.setBrush(on ? kWhite : kTeal);
    const qreal knob = 5.5;
    p.drawEllipse(QPointF(on ? area.right() - 9 : area.left() + 9, area.center().y()), knob, knob);
  });
}

QImage QuestionMark() {
  return KeyedPicture(kMark, kWhite, [](QPainter& p, const QRectF& area) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawEllipse(area.adjusted(0.5, 0.5, -0.5, -0.5));
    Text(p, area.adjusted(0, 0, 0, -1), QStringLiteral("?"), 14, true, kWhite, Qt::AlignCenter);
  });
}

// A translation box: sand paper in a navy 1-pixel frame, lifted off the page by a one-step
// shadow along its bottom and right; the corners outside it are the transparent colour.
QImage TranslationBox(int height) {
  return KeyedPicture(QSize(kBoxWidth, height), kWhite, [](QPainter& p, const QRectF& area) {
    const QRectF face = area.adjusted(0, 0, -2, -2);
    p.setRenderHint(QPainter::Antialiasing, false);
    FillRounded(p, face.translated(2, 2), QColor(0x10, 0x1C, 0x2C, 56), 6);
    p.setRenderHint(QPainter::Antialiasing);
    FillRounded(p, face, kSand, 6);
    p.setPen(QPen(kNavy, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 5.5, 5.5);
  });
}

}  // namespace

void PaintConversationPictures(PictureFolder& folder, const Course& course) {
  for (const char* conversation : kConversations) {
    const QString name = QString::fromLatin1(conversation);
    folder.SaveBmp(QStringLiteral("Hdd\\dialogi_tlo\\dial_tlo_%1.bmp").arg(name),
                   Background(course.ConversationTitle(name)));
  }
  // For a conversation whose own background is missing.
  folder.SaveBmp(QStringLiteral("Hdd\\dialogi_tlo\\tmp.bmp"), Background({}));
  folder.SaveBmp(QStringLiteral("gfx_r\\panel_dialogi.bmp"), RightPanel());
  for (int t = 1; t <= kTabs; ++t) {
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\dial_%1.bmp").arg(t), Tab(t, false));
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\dial_%1a.bmp").arg(t), Tab(t, true));
  }
  const QString artwork = QStringLiteral("gfx_r\\dialogi\\");
  folder.SaveBmp(artwork + QStringLiteral("img_0.bmp"), Switch(false));
  folder.SaveBmp(artwork + QStringLiteral("img_1.bmp"), Switch(true));
  folder.SaveBmp(artwork + QStringLiteral("img_pyt.bmp"), QuestionMark());
  for (int box = 0; box < 3; ++box) {
    folder.SaveBmp(artwork + QLatin1String(kBoxNames[box]) + QStringLiteral(".bmp"),
                   TranslationBox(kBoxHeights[box]));
  }
}

}  // namespace tess::demo
