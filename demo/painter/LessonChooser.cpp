// The lesson and exercise chooser's background "wybor_cw_rozum_<course letter>.bmp"
// (800 x 600) in each language folder: the navy title band, white panels exactly under the two
// lists and the information text, a navy band under the lessons / whole material choice and,
// between them, what the signs in the right list mean.
#include <array>
#include <stdexcept>
#include <utility>

#include "Captions.h"
#include "Icons.h"
#include "ListIcons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

// Where the chooser puts its controls.
const QRect kLeftList(47, 76, 266, 217);
const QRect kRightList(362, 164, 371, 325);
const QRect kInfo(42, 473, 275, 96);
const QRect kOk(655, 107, 72, 36);
const QRect kRightUp(752, 150, 28, 28);
const QRect kRightDown(752, 482, 28, 28);
const QRect kLeftDown(312, 400, 28, 28);
const QRect kHelpButton(2, 573, 26, 26);
const QRect kCloseButton(775, 0, 25, 25);
// The two check pictures (16 x 16) at y 308, their captions 20 pixels after each.
constexpr int kChoiceTop = 308;
constexpr int kChoiceSide = 16;

constexpr int kHeaderBottom = 48;
// The left column: the list, the choice and the information share one width, clear of the
// left list's up button at 332,97.
constexpr qreal kColumnLeft = 36;
constexpr qreal kColumnRight = 324;

inline constexpr Phrase kTitle{"Wybierz ćwiczenie", "Choose an exercise", "Wähle eine Übung",
                               "Выберите упражнение"};
inline constexpr Phrase kSections{"Działy", "Sections", "Bereiche", "Разделы"};
inline constexpr Phrase kText{"nagrany tekst", "recorded text", "Hörtext", "аудиотекст"};
inline constexpr Phrase kConversation{"rozmowa", "conversation", "Gespräch", "диалог"};
inline constexpr Phrase kPictures{"obrazki", "pictures", "Bilder", "картинки"};
inline constexpr Phrase kSentences{"zdania", "sentences", "Sätze", "предложения"};

void Header(QPainter& p, int language) {
  p.fillRect(QRect(0, 0, 800, kHeaderBottom), kNavy);
  const QRectF badge(14, 8, 32, 32);
  Panel(p, badge, kTeal, 8);
  DrawIcon(p, Icon::Exercises, badge.adjusted(7, 7, -7, -7), kWhite, 2);
  Caption(p, QRectF(58, 0, 380, kHeaderBottom), Say(kTitle, language), 24, true, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter, 20);
  const QString product = kProductTitle + QStringLiteral("  ·  ") + Say(say::kListening, language);
  Caption(p, QRectF(450, 0, kCloseButton.left() - 16 - 450, kHeaderBottom), product, 13, false,
          kTealOnNavy, Qt::AlignRight | Qt::AlignVCenter);
}

/// A small caption with its icon, over a list.
void Heading(QPainter& p, const QRectF& rect, Icon icon, const QString& words, int pixels) {
  DrawIcon(p, icon, QRectF(rect.left(), rect.center().y() - 8, 16, 16), kTeal, 2);
  Caption(p, rect.adjusted(22, 0, 0, 0), words, pixels, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
}

// The signs of the right list in two columns, state on the left and kind on the right, each on
// a small white tile as the list shows it.
void Legend(QPainter& p, const QRectF& area, int language) {
  constexpr qreal kRow = 19;
  Caption(p, QRectF(area.left(), area.top(), area.width(), 16), Say(say::kLegend, language), 13,
          true, kMuted, Qt::AlignLeft | Qt::AlignVCenter);
  using Sign = std::pair<QImage, const Phrase*>;
  const std::array<std::array<Sign, 4>, 2> columns = {{
      {{{LevelIcon(3), &say::kLevel},
        {DoneIcon(true), &say::kDone},
        {DoneIcon(false), &say::kNotDoneYet},
        {QImage(), nullptr}}},
      {{{KindIcon(Icon::Headphones, kTeal), &kText},
        {KindIcon(Icon::Conversations, kNavy), &kConversation},
        {PictureIcon(), &kPictures},
        {KindIcon(Icon::Shuffle, kTeal), &kSentences}}},
  }};
  const qreal top = area.top() + 20;
  if (top + 4 * kRow > area.bottom()) throw std::runtime_error("the legend does not fit");
  const qreal columnWidth = area.width() / 2;
  for (size_t c = 0; c < columns.size(); ++c) {
    const qreal left = area.left() + c * columnWidth;
    for (size_t r = 0; r < columns[c].size(); ++r) {
      const auto& [icon, words] = columns[c][r];
      if (!words) continue;
      const qreal y = top + r * kRow;
      const QRectF tile(left, y, 18, 18);
      Panel(p, tile, kWhite, 4, kSandLine);
      p.drawImage(QPointF(left + 1, y + 1), icon);
      Caption(p, QRectF(tile.right() + 6, y, columnWidth - tile.width() - 10, tile.height()),
              Say(*words, language), 13, false, kNavy, Qt::AlignLeft | Qt::AlignVCenter);
    }
  }
}

void LeftColumn(QPainter& p, int language) {
  Heading(p, QRectF(kLeftList.left(), kHeaderBottom + 4, kLeftList.width(), 22), Icon::Contents,
          Say(kSections, language), 14);
  Panel(
      p,
      QRectF(kColumnLeft, kLeftList.top() - 6, kColumnRight - kColumnLeft, kLeftList.height() + 10),
      kWhite, 8, kSandLine);

  // The choice band: the window's white captions over a black shadow read on navy, and the
  // check pictures bring their own white.
  const QRectF band(kColumnLeft, kChoiceTop - 8, kColumnRight - kColumnLeft, kChoiceSide + 16);
  Panel(p, band, kNavy, 8);
  DrawIcon(p, Icon::Users, QRectF(band.right() - 26, band.center().y() - 8, 16, 16), kNavyPanel,
           1.8);

  Legend(p,
         QRectF(kColumnLeft + 2, band.bottom() + 8, kLeftDown.left() - 8 - kColumnLeft,
                kInfo.top() - 34 - band.bottom() - 8),
         language);

  Heading(p, QRectF(kColumnLeft, kInfo.top() - 32, 280, 22), Icon::Results,
          Say(say::kYourResults, language), 15);
  Panel(p, QRectF(kColumnLeft, kInfo.top() - 6, kColumnRight - kColumnLeft, kInfo.height() + 10),
        kWhite, 8, kSandLine);
  Caption(p, QRectF(kHelpButton.right() + 8, kHelpButton.top(), 200, kHelpButton.height()),
          Say(say::kHints, language), 13, false, kMuted, Qt::AlignLeft | Qt::AlignVCenter);
}

void RightColumn(QPainter& p, int language) {
  Heading(p,
          QRectF(kRightList.left(), kOk.top(), kOk.left() - 16 - kRightList.left(), kOk.height()),
          Icon::Exercises, Say(say::kExercises, language), 17);
  Panel(p, QRectF(kRightList).adjusted(-4, -4, 4, 4), kWhite, 8, kSandLine);

  // A quiet track between the two scroll buttons.
  const qreal x = kRightUp.center().x() + 0.5;
  FillRounded(p,
              QRectF(x - 1.5, kRightUp.bottom() + 10, 3, kRightDown.top() - kRightUp.bottom() - 20),
              kSandLine, 1.5);

  const QRectF hint(kRightList.left(), kRightList.bottom() + 14, kRightList.width(), 22);
  DrawIcon(p, Icon::Info, QRectF(hint.left(), hint.center().y() - 8, 16, 16), kMuted, 1.5);
  Caption(p, hint.adjusted(24, 0, 0, 0), Say(say::kHowTo, language), 13, false, kMuted,
          Qt::AlignLeft | Qt::AlignVCenter);
}

QImage ChooserBackground(int language) {
  QImage image = Canvas(QSize(800, 600), kSand);
  QPainter p(&image);
  Smooth(p);
  Header(p, language);
  LeftColumn(p, language);
  RightColumn(p, language);
  return image;
}

}  // namespace

void PaintLessonChooser(PictureFolder& folder, int language, const Course& course) {
  folder.SaveBmp(
      LangDir(language) + QStringLiteral("gfx_r\\wybor_cw_rozum_%1.bmp").arg(course.Letter()),
      ChooserBackground(language));
}

}  // namespace tess::demo
