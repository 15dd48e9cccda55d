// The main window: its 800 x 600 background and the captions shown beside the menu buttons.
#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>

#include <array>

#include "Captions.h"
#include "Flags.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

constexpr int kHeaderBottom = 124;  // the animation cells start here
constexpr int kWallBottom = 424;
constexpr int kMenuBarTop = 484;

// Where the window shows the caption of the menu button under the mouse.
const QRect kCaptionSlot(601, 560, 190, 32);

QRectF Tile(int left, int top, int columns = 1, int rows = 1) {
  return QRectF(left + 4, top + 4, columns * 100 - 8, rows * 100 - 8);
}

void Header(QPainter& p, int language, const Course& course) {
  p.fillRect(QRect(0, 0, 800, kHeaderBottom), kNavy);

  const QRectF logo(24, 28, 68, 68);
  Panel(p, logo, kTeal, 12);
  DrawIcon(p, Icon::Headphones, logo.adjusted(16, 16, -16, -16), kWhite, 2.5);

  p.setPen(kWhite);
  p.setFont(Font(28, true));
  p.drawText(QRectF(112, 24, 400, 36), Qt::AlignLeft | Qt::AlignVCenter, kProductTitle);
  Caption(p, QRectF(112, 60, 400, 24), Say(say::kListening, language), 19, false, kSand,
          Qt::AlignLeft | Qt::AlignVCenter);
  Caption(p, QRectF(112, 84, 400, 20), course.Name(language), 14, false, kTealOnNavy,
          Qt::AlignLeft | Qt::AlignVCenter);

  // The authors' click area.
  const QRectF card(532, 12, 229, 101);
  FillRounded(p, card, kNavyPanel, 8);
  const QRectF badge(card.left() + 16, card.center().y() - 22, 44, 44);
  p.setPen(Qt::NoPen);
  p.setBrush(kTeal);
  p.drawEllipse(badge);
  DrawIcon(p, Icon::Users, badge.adjusted(11, 11, -11, -11), kWhite);
  const qreal textLeft = badge.right() + 12;
  const qreal textWidth = card.right() - 12 - textLeft;
  Caption(p, QRectF(textLeft, card.center().y() - 24, textWidth, 24), Say(say::kAuthors, language),
          16, true, kWhite, Qt::AlignLeft | Qt::AlignVCenter);
  const QString more = Say(say::kMeetTheTeam, language);
  const QFont moreFont = FittingFont(more, textWidth - 16, 13, 11, false);
  p.setFont(moreFont);
  p.setPen(kTealOnNavy);
  const QRectF moreRect(textLeft, card.center().y() + 2, textWidth, 20);
  p.drawText(moreRect, Qt::AlignLeft | Qt::AlignVCenter, more);
  const qreal arrowLeft = textLeft + QFontMetricsF(moreFont).horizontalAdvance(more) + 4;
  DrawIcon(p, Icon::Next, QRectF(arrowLeft, moreRect.center().y() - 6, 12, 12), kTealOnNavy, 1.5);
}

// Letters of the languages the course meets, as a quiet motif of the animation cells.
void LetterTile(QPainter& p, const QRectF& tile, const QString& letter) {
  Panel(p, tile, kWhite, 8, kSandLine);
  p.setFont(Font(46, true));
  p.setPen(kSandInk);
  p.drawText(tile, Qt::AlignCenter, letter);
}

void MotifTile(QPainter& p, const QRectF& tile, Icon icon) {
  Panel(p, tile, kWhite, 8, kSandLine);
  DrawIcon(p, icon, tile.adjusted(48, 48, -48, -48), kTealPale, 3);
}

void CourseCard(QPainter& p, const QRectF& tile, int language, const Course& course) {
  Panel(p, tile, kWhite, 8, kSandLine);
  const QRectF flag(tile.center().x() - 48, tile.top() + 34, 96, 64);
  p.save();
  QPainterPath rounded;
  rounded.addRoundedRect(flag, 6, 6);
  p.setClipPath(rounded);
  DrawCourseFlag(p, flag, course.language());
  p.restore();

  Caption(p, QRectF(tile.left() + 8, flag.bottom() + 16, tile.width() - 16, 18),
          Say(say::kCourseLanguage, language), 13, false, kMuted);
  Caption(p, QRectF(tile.left() + 8, flag.bottom() + 34, tile.width() - 16, 28),
          course.LanguageName(language), 22, true, kNavy);
}

void HeadlineCard(QPainter& p, const QRectF& tile, int language) {
  Panel(p, tile, kWhite, 8, kSandLine);
  const QRectF circle(tile.left() + 18, tile.center().y() - 28, 56, 56);
  p.setPen(Qt::NoPen);
  p.setBrush(kTeal);
  p.drawEllipse(circle);
  DrawIcon(p, Icon::Play, circle.adjusted(17, 17, -15, -17), kWhite, 2.5);
  const QRectF text(circle.right() + 16, tile.top() + 14, tile.right() - 16 - circle.right() - 16,
                    tile.height() - 28);
  Caption(p, QRectF(text.left(), text.top(), text.width(), 28), Say(say::kHeadline, language), 22,
          true, kNavy, Qt::AlignLeft | Qt::AlignVCenter, 16);
  const QStringList lines = Say(say::kHeadlineMore, language).split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    Caption(p, QRectF(text.left(), text.top() + 32 + 18 * i, text.width(), 18), lines[i], 13, false,
            kMuted, Qt::AlignLeft | Qt::AlignVCenter);
  }
}

// The band of 100-pixel cells where the animation shows its pictures; the cells that the
// animation never uses carry the headline and the course card.
void Wall(QPainter& p, int language, const Course& course) {
  const std::array<QPoint, 8> smallCells = {{{0, 124},
                                             {100, 124},
                                             {200, 124},
                                             {200, 224},
                                             {300, 124},
                                             {300, 224},
                                             {600, 124},
                                             {700, 124}}};
  const std::array<const char*, 8> letters = {"A", "ä", "ł", "Ж", "é", "ß", "ç", "ą"};
  for (size_t i = 0; i < smallCells.size(); ++i) {
    LetterTile(p, Tile(smallCells[i].x(), smallCells[i].y()), QString::fromUtf8(letters[i]));
  }
  MotifTile(p, Tile(0, 224, 2, 2), Icon::Conversations);
  MotifTile(p, Tile(400, 124, 2, 2), Icon::Headphones);
  HeadlineCard(p, Tile(200, 324, 4, 1), language);
  CourseCard(p, Tile(600, 224, 2, 2), language, course);
}

void MenuHeading(QPainter& p, int language) {
  const QRectF line(21, kWallBottom + 14, 500, 40);
  DrawIcon(p, Icon::Down, QRectF(line.left(), line.center().y() - 9, 18, 18), kTeal, 2.5);
  Caption(p, line.adjusted(26, 0, 0, 0), Say(say::kChooseSection, language), 17, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
}

struct Link {
  QRect area;  // the window's click area
  Icon icon;
  const Phrase& words;
};

void MenuBar(QPainter& p, int language) {
  p.fillRect(QRect(0, kMenuBarTop, 800, 600 - kMenuBarTop), kNavy);
  // A hairline sets the caption of the button under the mouse apart from the buttons.
  p.fillRect(QRect(kCaptionSlot.left() - 41, kMenuBarTop + 14, 1, 100 - 14), kNavyPanel);
  const std::array<Link, 3> links = {{{QRect(92, 580, 117, 21), Icon::Globe, say::kWebsite},
                                      {QRect(252, 580, 49, 21), Icon::Help, say::kHelp},
                                      {QRect(344, 580, 61, 21), Icon::Settings, say::kOptions}}};
  for (const Link& link : links) {
    DrawIcon(p, link.icon, QRectF(link.area.left() - 18, link.area.top() + 3, 14, 14), kTealOnNavy,
             1.5);
    Caption(p, link.area, Say(link.words, language), 13, false, kTealOnNavy,
            Qt::AlignLeft | Qt::AlignVCenter);
  }
}

QImage MenuCaption(const QString& text) {
  QImage image = Canvas(kCaptionSlot.size(), kNavy);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  FillRounded(p, QRectF(0, 7, 4, 18), kTeal, 2);
  Caption(p, QRectF(12, 0, kCaptionSlot.width() - 12, kCaptionSlot.height()), text, 16, true,
          kWhite, Qt::AlignLeft | Qt::AlignVCenter, 14);
  return image;
}

}  // namespace

void PaintMainWindow(PictureFolder& folder, int language, const Course& course) {
  QImage background = Canvas(QSize(800, 600), kSand);
  {
    QPainter p(&background);
    p.setRenderHint(QPainter::Antialiasing);
    Header(p, language, course);
    Wall(p, language, course);
    MenuHeading(p, language);
    MenuBar(p, language);
  }
  const QString gfx = LangDir(language) + QStringLiteral("gfx_r\\");
  folder.SaveBmp(gfx + QStringLiteral("Main_rozum.bmp"), background);

  const std::array<std::pair<const char*, const Phrase*>, 6> captions = {{
      {"m_subjects.bmp", &say::kExercises},
      {"m_video.bmp", &say::kVideos},
      {"m_sentences.bmp", &say::kSentences},
      {"m_records.bmp", &say::kRecordings},
      {"m_conversations.bmp", &say::kConversations},
      {"m_results.bmp", &say::kResults},
  }};
  for (const auto& [name, words] : captions) {
    folder.SaveBmp(gfx + QString::fromLatin1(name), MenuCaption(Say(*words, language)));
  }
}

}  // namespace tess::demo
