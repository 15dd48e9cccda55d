// The options window: a 388 x 235 background. The window draws its check boxes, their labels
// (interface texts), the language list and the version line itself, so the picture only gives
// them a clean paper panel and leaves room for the buttons in the corners.
#include "Captions.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QSize kWindow(388, 235);
constexpr int kButtonsLeft = 277;  // OK at 277,11 and close at 317,11, 32 x 32 each
// The check boxes at 44,48 and their labels at 68; the buttons above overlap its top edge.
const QRectF kOptionsPanel(34, 39, 342, 141);
const QRectF kLanguageList(180, 188, 117, 21);
const QRectF kLanguageIcon(27, 191, 15, 15);  // left of the language label at 48,192

inline constexpr Phrase kSettingsTitle{"Ustawienia", "Settings", "Einstellungen", "Настройки"};

}  // namespace

void PaintOptionsWindow(PictureFolder& folder, int language) {
  QImage image = Canvas(kWindow, kSand);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF badge(14, 10, 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawEllipse(badge);
    DrawIcon(p, Icon::Settings, badge.adjusted(5, 5, -5, -5), kWhite, 1.6);
    Caption(p, QRectF(48, 6, kButtonsLeft - 48 - 12, 34), Say(kSettingsTitle, language), 22, true,
            kNavy, Qt::AlignLeft | Qt::AlignVCenter, 16);

    Panel(p, kOptionsPanel, kWhite, 8, kSandLine);

    DrawIcon(p, Icon::Globe, kLanguageIcon, kTeal, 1.6);
    Shadow(p, kLanguageList, 3, 1);

    // A navy frame holds the small window together over the main window below it.
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kWindow.width() - 2, kWindow.height() - 2));
  }
  folder.SaveBmp(LangDir(language) + QStringLiteral("gfx_r\\ustawienia_rozum.bmp"), image);
}

}  // namespace tess::demo
