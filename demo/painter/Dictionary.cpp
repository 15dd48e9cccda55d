// The dictionary's pictures in "but_slow_r\": its own skin strips (close, minimise, OK, new
// user) and the background of its 600 x 320 main window, laid out under the window's controls.
#include <QFontMetricsF>

#include <functional>

#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QSize kWindow(600, 320);
constexpr int kTitleHeight = 30;  // close and minimise (25 x 25) stand on it at y 2
const QRect kTypeAheadField(16, 40, 200, 24);
const QRect kListPanel(8, 72, 584, 208);  // the list (14,76) and its scroll bar (570,76) on it
constexpr int kListLeft = 14;
constexpr int kTranslationColumn = 225;  // where the list starts a row's translation

// A title-strip button: navy panel colour with a white glyph, on the navy strip.
QImage TitleButton(const std::function<void(QPainter&, const QRectF&)>& glyph) {
  return TwoFrameStrip(QSize(25, 25), kNavy, [&](QPainter& p, const QRectF& rect, bool lit) {
    const QRectF face = ButtonFace(p, rect, kNavyPanel, lit, 6, false);
    glyph(p, QRectF(face.center().x() - 7, face.center().y() - 7, 14, 14));
  });
}

// A teal button with an icon and a word, on the sand of the dictionary's small windows.
QImage WordButton(QSize frame, Icon icon, const QString& word) {
  return TwoFrameStrip(frame, kSand, [&](QPainter& p, const QRectF& rect, bool lit) {
    const QRectF face = ButtonFace(p, rect, kTeal, lit, 8);
    const qreal iconSide = 18;
    const qreal gap = 7;
    const QFont font = FittingFont(word, face.width() - 2 * 10 - iconSide - gap, 15, 12, true);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(word);
    const qreal left = face.center().x() - (iconSide + gap + textWidth) / 2;
    DrawIcon(p, icon, QRectF(left, face.center().y() - iconSide / 2, iconSide, iconSide), kWhite);
    p.setFont(font);
    p.setPen(kWhite);
    p.drawText(QRectF(left + iconSide + gap, face.top(), textWidth + 2, face.height()),
               Qt::AlignLeft | Qt::AlignVCenter, word);
  });
}

QImage Background(const QString& title) {
  QImage image = Canvas(kWindow, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  p.fillRect(QRect(0, 0, kWindow.width(), kTitleHeight), kNavy);
  FillRounded(p, QRectF(12, 9, 4, 12), kTeal, 2);
  Caption(p, QRectF(24, 0, 300, kTitleHeight), title, 15, true, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter);
  // Left of the minimise button (546..571).
  Caption(p, QRectF(330, 0, 204, kTitleHeight), QStringLiteral("Tessaron 5.0"), 12, false,
          kTealOnNavy, Qt::AlignRight | Qt::AlignVCenter);

  // Paper under the type-ahead field, its outline just around the field.
  Panel(p, QRectF(kTypeAheadField).adjusted(-1, -1, 1, 1), kWhite, 6, kSandLine);
  Panel(p, QRectF(kListPanel), kWhite, 8, kSandLine);
  // A hairline between the headwords and their translations; rows are drawn over it.
  const qreal divider = kListLeft + kTranslationColumn - 6.5;
  p.setPen(QPen(Lighter(kSandLine, 0.45), 1));
  p.drawLine(QPointF(divider, kListPanel.top() + 8), QPointF(divider, kListPanel.bottom() - 8));

  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(1, 1, kWindow.width() - 2, kWindow.height() - 2));
  return image;
}

}  // namespace

void PaintDictionary(PictureFolder& folder, const Course& course) {
  const QString dir = QStringLiteral("but_slow_r\\");
  folder.SaveBmp(
      dir + QStringLiteral("zamknij_rog.bmp"),
      TitleButton([](QPainter& p, const QRectF& box) { DrawIcon(p, Icon::Close, box, kWhite); }));
  folder.SaveBmp(dir + QStringLiteral("minim.bmp"), TitleButton([](QPainter& p, const QRectF& box) {
                   p.setPen(Stroke(kWhite));
                   p.drawLine(QPointF(box.left() + 2, box.bottom() - 2),
                              QPointF(box.right() - 2, box.bottom() - 2));
                 }));
  folder.SaveBmp(dir + QStringLiteral("ok2.bmp"),
                 WordButton(QSize(80, 32), Icon::Check, QStringLiteral("OK")));
  folder.SaveBmp(dir + QStringLiteral("nowy_user.bmp"),
                 WordButton(QSize(170, 32), Icon::UserPlus, QStringLiteral("Nowy użytkownik")));
  folder.SaveBmp(dir + QStringLiteral("slownik_t.bmp"), Background(course.DictionaryTitle()));
}

}  // namespace tess::demo
