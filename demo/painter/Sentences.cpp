// The sentences window: its five backgrounds "Hdd\Zdania\Zdania<n>.jpg" (700 x 600, one drawn at
// random each time it opens), the navy strip on the right, the record button's three pictures,
// and the learner's answer window "twoja_odp_2.bmp" (540 x 160) in each language folder.
#include <QPainterPath>

#include <cmath>

#include "Captions.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QSize kBackground(700, 600);
// The puzzle's sentence area and the answer line (the dictation's entry box lies on its top).
const QRect kSentenceArea(36, 152, 601, 121);
const QRect kAnswerLine(32, 124, 601, 105);
// The instruction and verdict line stands at top 20; nothing is drawn above this.
constexpr int kClearTop = 64;
constexpr int kBackgrounds = 5;

const QSize kStrip(100, 600);
const QSize kRecordButton(51, 62);

const QSize kAnswerWindow(540, 160);
constexpr int kAnswerTitleHeight = 30;
const QRect kAnswerText(20, 40, 500, 80);
const QRect kAnswerOk(440, 124, 80, 28);

inline constexpr Phrase kYourAnswer{"Twoja odpowiedź", "Your answer", "Deine Antwort", "Ваш ответ"};

// A quiet motif of each variant, in the faint ink of the tiles, kept below the paper panel.
void Motif(QPainter& p, int variant) {
  p.save();
  p.setPen(Stroke(kSandInk, 2));
  p.setBrush(Qt::NoBrush);
  switch (variant) {
    case 1:  // soft waves across the lower part
      for (int row = 0; row < 4; ++row) {
        QPainterPath wave;
        const qreal y = 380 + row * 52;
        wave.moveTo(-10, y);
        for (qreal x = -10; x < kBackground.width() + 10; x += 4) {
          wave.lineTo(x, y + 9 * std::sin(x / 48.0 + row));
        }
        p.drawPath(wave);
      }
      break;
    case 2:  // a field of dots
      p.setPen(Qt::NoPen);
      p.setBrush(kSandInk);
      for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 23; ++col) {
          p.drawEllipse(QPointF(24 + col * 30 + (row % 2) * 15, 350 + row * 30), 2.5, 2.5);
        }
      }
      break;
    case 3:  // large rings at the bottom right
      for (int ring = 1; ring <= 6; ++ring) {
        p.drawEllipse(QPointF(620, 560), ring * 42.0, ring * 42.0);
      }
      break;
    case 4:  // speech bubbles, the sentences spoken and answered
      for (const QRectF& bubble :
           {QRectF(60, 380, 150, 70), QRectF(250, 430, 190, 80), QRectF(480, 372, 160, 64),
            QRectF(110, 500, 120, 56), QRectF(500, 480, 140, 70)}) {
        p.drawRoundedRect(bubble, 18, 18);
        const QPointF foot(bubble.left() + 30, bubble.bottom());
        p.drawLine(foot, foot + QPointF(-8, 14));
        p.drawLine(foot + QPointF(-8, 14), foot + QPointF(14, 0));
      }
      break;
    default:  // diagonal pinstripes
      p.setPen(Stroke(kSandInk, 1.5));
      for (int x = -600; x < kBackground.width(); x += 26) {
        p.drawLine(QPointF(x, 600), QPointF(x + 260, 340));
      }
      break;
  }
  p.restore();
}

QImage Background(int variant) {
  QImage image = Canvas(kBackground, kSand);
  QPainter p(&image);
  Smooth(p);
  Motif(p, variant);
  const QRectF around = QRectF(kSentenceArea.united(kAnswerLine)).adjusted(-14, -14, 14, 14);
  Panel(p, around, kWhite, 8, kSandLine);
  return image;
}

// The tally's four figures stand right of these marks: right, wrong, percent, remaining.
constexpr int kTallyTop = 360;
constexpr int kTallyStep = 40;
constexpr int kTallyHeight = 24;

QImage Strip() {
  QImage image = Canvas(kStrip, kNavy);
  QPainter p(&image);
  RightStrip(p, 0, kStrip.width(), kStrip.height());
  Smooth(p);
  const auto row = [](int i) { return QRectF(10, kTallyTop + i * kTallyStep, 22, kTallyHeight); };
  const QRectF right = row(0).adjusted(0, 1, 0, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(kLeaf);
  p.drawEllipse(QRectF(right.center().x() - 11, right.center().y() - 11, 22, 22));
  DrawIcon(p, Icon::Check, QRectF(right.center().x() - 8, right.center().y() - 8, 16, 16), kWhite,
           2.4);
  const QRectF wrong = row(1);
  p.setPen(Qt::NoPen);
  p.setBrush(kCoral);
  p.drawEllipse(QRectF(wrong.center().x() - 11, wrong.center().y() - 11, 22, 22));
  DrawIcon(p, Icon::Close, QRectF(wrong.center().x() - 7, wrong.center().y() - 7, 14, 14), kWhite,
           2.4);
  Caption(p, row(2), QStringLiteral("%"), 18, true, kWhite, Qt::AlignCenter);
  DrawIcon(p, Icon::Contents, row(3).adjusted(2, 1, -2, -1), kWhite, 2.0);
  // A faint rule above the tally sets it apart from the buttons.
  p.setPen(QPen(Lighter(kNavy, 0.25), 1));
  p.drawLine(QPointF(10, kTallyTop - 14.5), QPointF(kStrip.width() - 10, kTallyTop - 14.5));
  return image;
}

enum class ButtonState { Normal, Pressed, Hover };

// A teal button with the microphone; coral while held down (recording), lighter under the mouse.
QImage RecordButton(ButtonState state) {
  return KeyedPicture(kRecordButton, kNavy, [state](QPainter& p, const QRectF& area) {
    QRectF face;
    if (state == ButtonState::Pressed) {
      // Pressed in: no shadow, the face a step lower.
      face = area.adjusted(1, 3, -1, -1);
      FillRounded(p, face, kCoral, 8);
    } else {
      face = ButtonFace(p, area.adjusted(1, 1, -1, -1), kTeal, state == ButtonState::Hover, 8);
    }
    const qreal side = 30;
    DrawIcon(p, Icon::Microphone,
             QRectF(face.center().x() - side / 2, face.center().y() - side / 2, side, side), kWhite,
             2.2);
  });
}

QImage AnswerWindow(int language) {
  QImage image = Canvas(kAnswerWindow, kSand);
  QPainter p(&image);
  Smooth(p);
  p.fillRect(QRect(0, 0, kAnswerWindow.width(), kAnswerTitleHeight), kNavy);
  FillRounded(p, QRectF(12, 9, 4, 12), kTeal, 2);
  Caption(p, QRectF(24, 0, kAnswerWindow.width() - 48, kAnswerTitleHeight),
          Say(kYourAnswer, language), 15, true, kWhite, Qt::AlignLeft | Qt::AlignVCenter);
  Panel(p, QRectF(kAnswerText), kWhite, 8, kSandLine);
  // A faint rule over the button's place ties the bottom of the window together.
  p.setPen(QPen(kSandLine, 1));
  p.drawLine(QPointF(kAnswerText.left(), kAnswerOk.center().y() + 0.5),
             QPointF(kAnswerOk.left() - 12, kAnswerOk.center().y() + 0.5));
  // A navy frame holds the borderless window together.
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kAnswerWindow.width() - 2, kAnswerWindow.height() - 2));
  return image;
}

}  // namespace

void PaintSentencesWindow(PictureFolder& folder) {
  for (int n = 1; n <= kBackgrounds; ++n) {
    folder.SaveJpeg(QStringLiteral("Hdd\\Zdania\\Zdania%1.jpg").arg(n), Background(n));
  }
  folder.SaveBmp(QStringLiteral("gfx_r\\pod_pasek.bmp"), Strip());
  const QString buttons = QStringLiteral("gfx_r\\zdania\\");
  folder.SaveBmp(buttons + QStringLiteral("k_nag_a.bmp"), RecordButton(ButtonState::Normal));
  folder.SaveBmp(buttons + QStringLiteral("k_nag_b.bmp"), RecordButton(ButtonState::Pressed));
  folder.SaveBmp(buttons + QStringLiteral("k_nag_c.bmp"), RecordButton(ButtonState::Hover));
}

void PaintAnswerWindow(PictureFolder& folder, int language) {
  folder.SaveBmp(LangDir(language) + QStringLiteral("gfx_r\\twoja_odp_2.bmp"),
                 AnswerWindow(language));
}

}  // namespace tess::demo
