// The conversations window: a background for each conversation of the demo (its title above
// the white paper the phrases are written on, the sand strip below for the word panel), the
// navy panel on the right and the tabs of the modes it offers.
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

struct ConversationTitle {
  const char* name;   // the background name after its "a_"
  const char* title;  // as the demo's conversation table gives it in English
};

constexpr ConversationTitle kConversations[] = {
    {"cafe", "At the café"},   {"station", "At the station"}, {"surgery", "A doctor's appointment"},
    {"flat", "Weekend plans"}, {"office", "A job interview"},
};

QImage Background(const QString& title) {
  QImage image = Canvas(kBackground, kSand);
  QPainter p(&image);
  Smooth(p);
  if (!title.isEmpty()) Text(p, kTitle, title, 18, true, kNavy);
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

}  // namespace

void PaintConversationPictures(PictureFolder& folder) {
  for (const ConversationTitle& conversation : kConversations) {
    folder.SaveBmp(QStringLiteral("Hdd\\dialogi_tlo\\dial_tlo_%1.bmp")
                       .arg(QString::fromUtf8(conversation.name)),
                   Background(QString::fromUtf8(conversation.title)));
  }
  // For a conversation whose own background is missing.
  folder.SaveBmp(QStringLiteral("Hdd\\dialogi_tlo\\tmp.bmp"), Background({}));
  folder.SaveBmp(QStringLiteral("gfx_r\\panel_dialogi.bmp"), RightPanel());
  for (int t = 1; t <= kTabs; ++t) {
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\dial_%1.bmp").arg(t), Tab(t, false));
    folder.SaveBmp(QStringLiteral("but_r\\zakl\\dial_%1a.bmp").arg(t), Tab(t, true));
  }
}

}  // namespace tess::demo
