// The message window: a 440 x 120 background with a title strip and a paper panel for the text.
#include "Captions.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {
const QSize kWindow(440, 120);
const QRect kTitleStrip(0, 0, 440, 30);  // the close button stands on it at 413,2
const QRect kText(16, 39, 401, 58);      // the window's message label
}  // namespace

void PaintMessageWindow(PictureFolder& folder, int language) {
  using namespace colour;
  QImage image = Canvas(kWindow, kSand);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(kTitleStrip, kNavy);
    FillRounded(p, QRectF(12, 9, 4, 12), kTeal, 2);
    Caption(p, QRectF(24, 0, 300, kTitleStrip.height()), Say(say::kMessage, language), 14, true,
            kWhite, Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(200, 0, 200, kTitleStrip.height()), kProductTitle, 12, false, kTealOnNavy,
            Qt::AlignRight | Qt::AlignVCenter);
    // The paper panel reaches a little beyond the label on every side.
    Panel(p, QRectF(kText).adjusted(-8, -4, 8, 8), kWhite, 8, kSandLine);
    // A navy frame holds the small window together over whatever lies below it.
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kWindow.width() - 2, kWindow.height() - 2));
  }
  folder.SaveBmp(LangDir(language) + QStringLiteral("gfx_r\\info.bmp"), image);
}

}  // namespace tess::demo
