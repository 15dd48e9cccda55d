// The exercise result window's background "statystyka.bmp" (300 x 220) in each language folder:
// the title strip, four captioned rows with a white field where the window writes each figure,
// and a plain band at the bottom for its three buttons.
#include <array>

#include "Captions.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QSize kWindow(300, 220);
constexpr int kTitleHeight = 40;
// The window puts its figures at 180..280 on rows 28 apart from 56, 24 high.
constexpr int kFirstRowTop = 56;
constexpr int kRowStep = 28;
constexpr int kRowHeight = 24;
constexpr int kCaptionLeft = 20;
constexpr int kFieldLeft = 180;
constexpr int kFieldRight = 280;
constexpr int kButtonBandTop = 176;

inline constexpr Phrase kTitle{"Wynik ćwiczenia", "Exercise result", "Übungsergebnis",
                               "Результат упражнения"};
inline constexpr std::array<Phrase, 4> kRows{{
    {"Dobrze", "Right", "Richtig", "Верно"},
    {"Źle", "Wrong", "Falsch", "Неверно"},
    {"Wynik (%)", "Score (%)", "Ergebnis (%)", "Результат (%)"},
    {"Razem", "Total", "Gesamt", "Всего"},
}};

QImage Background(int language) {
  QImage image = Canvas(kWindow, kSand);
  QPainter p(&image);
  Smooth(p);
  p.fillRect(QRect(0, 0, kWindow.width(), kTitleHeight), kNavy);
  FillRounded(p, QRectF(14, 13, 4, 14), kTeal, 2);
  Caption(p, QRectF(26, 0, kWindow.width() - 40, kTitleHeight), Say(kTitle, language), 18, true,
          kWhite, Qt::AlignLeft | Qt::AlignVCenter, 14);
  for (size_t row = 0; row < kRows.size(); ++row) {
    const int top = kFirstRowTop + static_cast<int>(row) * kRowStep;
    Caption(p, QRectF(kCaptionLeft, top, kFieldLeft - 10 - kCaptionLeft, kRowHeight),
            Say(kRows[row], language), 14, true, kNavy, Qt::AlignLeft | Qt::AlignVCenter, 11);
    Panel(p, QRectF(kFieldLeft, top, kFieldRight - kFieldLeft, kRowHeight), kWhite, 6, kSandLine);
  }
  // The bottom band stays plain; a faint rule sets it off from the figures.
  p.setPen(QPen(kSandLine, 1));
  p.drawLine(QPointF(12, kButtonBandTop - 4.5),
             QPointF(kWindow.width() - 12, kButtonBandTop - 4.5));
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kWindow.width() - 2, kWindow.height() - 2));
  return image;
}

}  // namespace

void PaintResultScreen(PictureFolder& folder, int language) {
  folder.SaveBmp(LangDir(language) + QStringLiteral("gfx_r\\statystyka.bmp"), Background(language));
}

}  // namespace tess::demo
