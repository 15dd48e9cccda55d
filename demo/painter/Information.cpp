// The information window (455 x 266): a help background and a translation background in each
// language, and the window's own small pictures stat_1 to stat_5 that its texts put inline.
#include <functional>

#include "Captions.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QSize kWindow(455, 266);
constexpr int kTitleHeight = 38;      // the close button (25 x 25) stands on it at 424,7
const QRect kText(12, 52, 381, 201);  // the window's paint box
// The paper reaches 6 pixels beyond the paint box, whose text starts at its very edge.
const QRect kPaper = kText.adjusted(-6, -6, 6, 6);
const QRectF kArrowColumn(410, 46, 28, 213);  // scroll arrows (28 x 28) at its top and bottom

constexpr Phrase kHelpTitle{"Pomoc", "Help", "Hilfe", "Справка"};
constexpr Phrase kTranslationTitle{"Tłumaczenie", "Translation", "Übersetzung", "Перевод"};

QImage Background(const QString& title, Icon badgeIcon) {
  QImage image = Canvas(kWindow, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(0, 0, kWindow.width(), kTitleHeight), kNavy);
  const QRectF badge(12, 7, 24, 24);
  p.setPen(Qt::NoPen);
  p.setBrush(kTeal);
  p.drawEllipse(badge);
  DrawIcon(p, badgeIcon, badge.adjusted(5, 5, -5, -5), kWhite);
  Caption(p, QRectF(46, 0, 240, kTitleHeight), title, 20, true, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter, 15);
  Caption(p, QRectF(290, 0, 120, kTitleHeight), kProductTitle, 12, false, kTealOnNavy,
          Qt::AlignRight | Qt::AlignVCenter);
  Panel(p, QRectF(kPaper), kWhite, 8, kSandLine);
  // A quiet track between the arrows, which show only while there is more text.
  const qreal centre = kArrowColumn.center().x();
  p.setPen(Stroke(kSandLine, 4));
  p.drawLine(QPointF(centre, kArrowColumn.top() + 38), QPointF(centre, kArrowColumn.bottom() - 38));
  // A navy frame holds the small window together over whatever lies below it.
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kWindow.width() - 2, kWindow.height() - 2));
  return image;
}

// A 16 x 16 picture for a 20-pixel text line, on white, the transparent colour. The figures of a
// result are tiles, unlike the round done marks of the lists; the way back is a round button.
constexpr int kIconSide = 16;

QImage Badge(const QColor& fill, bool round, const std::function<void(QPainter&, QRectF)>& inner) {
  QImage image = Canvas(QSize(kIconSide, kIconSide), kWhite);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF face(0.5, 0.5, kIconSide - 1, kIconSide - 1);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  if (round) {
    p.drawEllipse(face);
  } else {
    p.drawRoundedRect(face, 3, 3);
  }
  inner(p, face);
  return image;
}

QImage IconBadge(const QColor& fill, Icon icon, bool round) {
  return Badge(fill, round, [icon](QPainter& p, QRectF face) {
    DrawIcon(p, icon, face.adjusted(3, 3, -3, -3), kWhite, 1.6);
  });
}

QImage WordBadge(const QColor& fill, const QString& word, int pixels) {
  return Badge(fill, false, [&](QPainter& p, QRectF face) {
    p.setFont(Font(pixels, true));
    p.setPen(kWhite);
    p.drawText(face.adjusted(0, 0, 0, -0.5), Qt::AlignCenter, word);
  });
}

}  // namespace

void PaintInformationWindow(PictureFolder& folder, int language) {
  const QString dir = LangDir(language) + QStringLiteral("gfx_r\\");
  folder.SaveBmp(dir + QStringLiteral("help.bmp"),
                 Background(Say(kHelpTitle, language), Icon::Question));
  folder.SaveBmp(dir + QStringLiteral("tlumaczenia.bmp"),
                 Background(Say(kTranslationTitle, language), Icon::Globe));
}

void PaintInformationIcons(PictureFolder& folder) {
  const QString dir = QStringLiteral("gfx_r\\ikony\\");
  folder.SaveBmp(dir + QStringLiteral("stat_1.bmp"), IconBadge(kLeaf, Icon::Check, false));
  folder.SaveBmp(dir + QStringLiteral("stat_2.bmp"), IconBadge(kCoral, Icon::Close, false));
  folder.SaveBmp(dir + QStringLiteral("stat_3.bmp"), WordBadge(kTeal, QStringLiteral("%"), 12));
  folder.SaveBmp(dir + QStringLiteral("stat_4.bmp"), WordBadge(kNavy, QStringLiteral("ABC"), 6));
  folder.SaveBmp(dir + QStringLiteral("stat_5.bmp"), IconBadge(kTeal, Icon::Back, true));
}

}  // namespace tess::demo
