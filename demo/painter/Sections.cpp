// The section chooser's four backgrounds, the main window's animation pictures and the running
// dot beside the menu captions.
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

#include "AviWriter.h"
#include "Captions.h"
#include "Icons.h"
#include "ListIcons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

// Where the section chooser puts its controls.
const QRect kList(368, 148, 357, 361);
const QRect kInfo(46, 473, 271, 96);
const QRect kOk(655, 107, 72, 36);
const QRect kArrowUp(744, 161, 28, 28);
const QRect kArrowDown(744, 472, 28, 28);
const QRect kHelpButton(0, 573, 26, 26);
constexpr int kHeaderBottom = 92;  // the close button stands on it at 775,0
const QRect kCard(24, 112, 316, 320);

namespace say_section {
inline constexpr Phrase kAboutVideos{
    "Obejrzyj film do każdego nagranego tekstu, a potem sprawdź się w ćwiczeniach.",
    "Watch the film of each recorded text, then test yourself in its exercises.",
    "Sehen Sie zu jedem Text den Film und prüfen Sie sich dann in den Übungen.",
    "Посмотрите фильм к каждому тексту, а потом проверьте себя в упражнениях."};
inline constexpr Phrase kAboutRecordings{
    "Posłuchaj nagranych tekstów i rozwiąż ćwiczenia do każdego z nich.",
    "Listen to the recorded texts and do the exercises of each one.",
    "Hören Sie die aufgenommenen Texte und lösen Sie die Übungen dazu.",
    "Слушайте записанные тексты и выполняйте упражнения к ним."};
inline constexpr Phrase kAboutSentences{
    "Układaj zdania ze słuchu, pisz je pod dyktando i dopasowuj obrazki do nagrań.",
    "Build sentences by ear, write them from dictation and match pictures to what you hear.",
    "Bauen Sie Sätze nach Gehör, schreiben Sie Diktate und ordnen Sie Bilder dem Gehörten zu.",
    "Составляйте предложения на слух, пишите диктанты и подбирайте картинки к записям."};
inline constexpr Phrase kAboutConversations{
    "Słuchaj rozmów, wcielaj się w role i nagrywaj własne kwestie.",
    "Listen to conversations, take on a role and record your own lines.",
    "Hören Sie Gespräche, übernehmen Sie eine Rolle und sprechen Sie Ihre Sätze selbst.",
    "Слушайте диалоги, играйте роли и записывайте свои реплики."};
inline constexpr Phrase kChooseTitle{"Wybierz z listy", "Choose from the list",
                                     "Aus der Liste wählen", "Выберите из списка"};
inline constexpr Phrase kPackage{"pakiet zdań", "sentence package", "Satzpaket",
                                 "пакет предложений"};
inline constexpr Phrase kPictures{"ćwiczenie z obrazkami", "picture exercise", "Bildübung",
                                  "упражнение с картинками"};
inline constexpr Phrase kKeyboard{"Klawiatura", "Keyboard", "Tastatur", "Клавиатура"};
inline constexpr Phrase kKeyChoose{"wybór", "choose", "wählen", "выбор"};
inline constexpr Phrase kKeyOpen{"otwiera", "opens", "öffnet", "открыть"};
inline constexpr Phrase kKeyHelp{"pomoc", "help", "Hilfe", "помощь"};
}  // namespace say_section

// ---- the section chooser's backgrounds ----

// Returns the bottom of the text drawn.
qreal Wrapped(QPainter& p, const QRectF& rect, const QString& text, int pixels, int minimum,
              const QColor& ink, bool bold = false) {
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  for (int size = pixels; size >= minimum; --size) {
    const QFont font = Font(size, bold);
    const QRectF needed = QFontMetricsF(font).boundingRect(rect, flags, text);
    if (needed.width() <= rect.width() && needed.height() <= rect.height()) {
      p.save();
      p.setFont(font);
      p.setPen(ink);
      p.drawText(rect, flags, text);
      p.restore();
      return rect.top() + needed.height();
    }
  }
  throw std::runtime_error("text \"" + text.toStdString() + "\" does not fit its box");
}

struct LegendRow {
  QImage icon;
  const Phrase* words;
};

struct Section {
  const char* file;
  const Phrase* title;
  Icon icon;
  const Phrase* about;
  bool kinds;  // the sentences list shows kind icons
};

void Header(QPainter& p, const Section& section, int language) {
  p.fillRect(QRect(0, 0, 800, kHeaderBottom), kNavy);
  const QRectF badge(24, 18, 56, 56);
  Panel(p, badge, kTeal, 12);
  DrawIcon(p, section.icon, badge.adjusted(13, 13, -13, -13), kWhite, 2.5);
  Caption(p, QRectF(98, 16, 560, 36), Say(*section.title, language), 28, true, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter, 20);
  Caption(p, QRectF(98, 52, 560, 24),
          kProductTitle + QStringLiteral("  ·  ") + Say(say::kListening, language), 15, false,
          kTealOnNavy, Qt::AlignLeft | Qt::AlignVCenter);
}

void Rule(QPainter& p, int y) {
  p.save();
  p.setPen(QPen(kSandLine, 1));
  p.drawLine(QPointF(kCard.left() + 20, y + 0.5), QPointF(kCard.right() - 20, y + 0.5));
  p.restore();
}

// The keys of the list, each as a small key cap followed by what it does.
void Keys(QPainter& p, int top, int language) {
  Rule(p, top);
  Caption(p, QRectF(kCard.left() + 20, top + 6, 260, 22), Say(say_section::kKeyboard, language), 13,
          true, kMuted, Qt::AlignLeft | Qt::AlignVCenter);
  const std::array<std::pair<QString, const Phrase*>, 3> keys = {{
      {QStringLiteral("↑ ↓"), &say_section::kKeyChoose},
      {QStringLiteral("Enter"), &say_section::kKeyOpen},
      {QStringLiteral("F1"), &say_section::kKeyHelp},
  }};
  const QFont capFont = Font(11, true);
  const QFont wordFont = Font(12, false);
  qreal x = kCard.left() + 20;
  const qreal y = top + 32;
  for (const auto& [cap, words] : keys) {
    const qreal capWidth = QFontMetricsF(capFont).horizontalAdvance(cap) + 12;
    const QRectF capRect(x, y, capWidth, 20);
    p.save();
    p.setPen(QPen(kSandLine, 1));
    p.setBrush(kSand);
    p.drawRoundedRect(capRect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setFont(capFont);
    p.setPen(kNavy);
    p.drawText(capRect, Qt::AlignCenter, cap);
    const QString text = Say(*words, language);
    p.setFont(wordFont);
    p.setPen(kMuted);
    const qreal wordWidth = QFontMetricsF(wordFont).horizontalAdvance(text);
    p.drawText(QRectF(capRect.right() + 5, y, wordWidth + 1, 20), Qt::AlignLeft | Qt::AlignVCenter,
               text);
    p.restore();
    x = capRect.right() + 5 + wordWidth + 14;
  }
  if (x - 14 > kCard.right() - 16) throw std::runtime_error("the keys do not fit the card");
}

void Card(QPainter& p, const Section& section, int language) {
  Panel(p, kCard, kWhite, 8, kSandLine);
  const QRectF circle(kCard.left() + 20, kCard.top() + 22, 52, 52);
  p.setPen(Qt::NoPen);
  p.setBrush(kTealPale);
  p.drawEllipse(circle);
  DrawIcon(p, section.icon, circle.adjusted(13, 13, -13, -13), kTeal, 2.2);
  const qreal textBottom = Wrapped(
      p,
      QRectF(circle.right() + 16, kCard.top() + 20, kCard.right() - 20 - circle.right() - 16, 96),
      Say(*section.about, language), 15, 12, kNavy);

  std::vector<LegendRow> rows = {{LevelIcon(3), &say::kLevel},
                                 {DoneIcon(true), &say::kDone},
                                 {DoneIcon(false), &say::kNotDoneYet}};
  if (section.kinds) {
    rows.push_back({KindIcon(Icon::Sentences, kTeal), &say_section::kPackage});
    rows.push_back({PictureIcon(), &say_section::kPictures});
  }
  constexpr int kRow = 20;
  const int legendTop = static_cast<int>(std::max(textBottom, circle.bottom())) + 14;
  Rule(p, legendTop);
  Caption(p, QRectF(kCard.left() + 20, legendTop + 6, 260, 22), Say(say::kLegend, language), 13,
          true, kMuted, Qt::AlignLeft | Qt::AlignVCenter);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int top = legendTop + 30 + kRow * static_cast<int>(i);
    p.drawImage(QPoint(kCard.left() + 22, top + 2), rows[i].icon);
    Caption(p, QRectF(kCard.left() + 48, top, 240, kRow), Say(*rows[i].words, language), 13, false,
            kNavy, Qt::AlignLeft | Qt::AlignVCenter);
  }
  const int keysTop = kCard.bottom() - 62;
  if (legendTop + 30 + kRow * static_cast<int>(rows.size()) > keysTop - 6) {
    throw std::runtime_error("the legend does not fit the card");
  }
  Keys(p, keysTop, language);
}

void ListArea(QPainter& p, int language) {
  const QRectF heading(kList.left(), kOk.top(), kOk.left() - 16 - kList.left(), kOk.height());
  DrawIcon(p, Icon::Down, QRectF(heading.left(), heading.center().y() - 9, 18, 18), kTeal, 2.5);
  Caption(p, heading.adjusted(26, 0, 0, 0), Say(say_section::kChooseTitle, language), 17, true,
          kNavy, Qt::AlignLeft | Qt::AlignVCenter);
  Panel(p, QRectF(kList), kWhite, 8, kSandLine);

  // A quiet track between the two scroll buttons.
  const qreal x = kArrowUp.center().x() + 0.5;
  FillRounded(p,
              QRectF(x - 1.5, kArrowUp.bottom() + 10, 3, kArrowDown.top() - kArrowUp.bottom() - 20),
              kSandLine, 1.5);

  const QRectF hint(kList.left(), kList.bottom() + 12, kList.width(), 22);
  DrawIcon(p, Icon::Info, QRectF(hint.left(), hint.center().y() - 8, 16, 16), kMuted, 1.5);
  Caption(p, hint.adjusted(24, 0, 0, 0), Say(say::kHowTo, language), 13, false, kMuted,
          Qt::AlignLeft | Qt::AlignVCenter);
}

void ResultsArea(QPainter& p, int language) {
  const QRectF heading(kInfo.left() - 8, kCard.bottom() + 10, 280, 24);
  DrawIcon(p, Icon::Results, QRectF(heading.left(), heading.center().y() - 8, 16, 16), kTeal, 2);
  Caption(p, heading.adjusted(24, 0, 0, 0), Say(say::kYourResults, language), 15, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
  Panel(p, QRectF(kInfo).adjusted(-8, -6, 8, 6), kWhite, 8, kSandLine);
  Caption(p, QRectF(kHelpButton.right() + 8, kHelpButton.top(), 200, kHelpButton.height()),
          Say(say::kHints, language), 13, false, kMuted, Qt::AlignLeft | Qt::AlignVCenter);
}

QImage SectionBackground(const Section& section, int language) {
  QImage image = Canvas(QSize(800, 600), kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Header(p, section, language);
  Card(p, section, language);
  ListArea(p, language);
  ResultsArea(p, language);
  return image;
}

// ---- the main window's animation: pictures that land exactly on its tiles ----

// The wall's tile within its cell, as the main window's background draws it.
QRectF TileIn(int cells) { return QRectF(4, 4, cells * 100 - 8, cells * 100 - 8); }

struct Greeting {
  const char* text;
  const char* language;
};
using Greetings = std::array<Greeting, 10>;

// Hellos and thanks of the languages around the course, the course language's own first.
const Greetings kEnglishGreetings = {{{"Hello!", "English"},
                                      {"Hallo!", "Deutsch"},
                                      {"Bonjour!", "Français"},
                                      {"Cześć!", "Polski"},
                                      {"Привет!", "Русский"},
                                      {"Hola!", "Español"},
                                      {"Ciao!", "Italiano"},
                                      {"Thanks!", "English"},
                                      {"Danke!", "Deutsch"},
                                      {"Merci!", "Français"}}};
const Greetings kGermanGreetings = {{{"Hallo!", "Deutsch"},
                                     {"Hello!", "English"},
                                     {"Bonjour!", "Français"},
                                     {"Cześć!", "Polski"},
                                     {"Привет!", "Русский"},
                                     {"Hola!", "Español"},
                                     {"Ciao!", "Italiano"},
                                     {"Danke!", "Deutsch"},
                                     {"Thanks!", "English"},
                                     {"Merci!", "Français"}}};
const Greetings kFrenchGreetings = {{{"Bonjour!", "Français"},
                                     {"Hello!", "English"},
                                     {"Hallo!", "Deutsch"},
                                     {"Cześć!", "Polski"},
                                     {"Привет!", "Русский"},
                                     {"Hola!", "Español"},
                                     {"Ciao!", "Italiano"},
                                     {"Merci!", "Français"},
                                     {"Thanks!", "English"},
                                     {"Danke!", "Deutsch"}}};

// The words of the large pictures: a short exchange, its motto and the four promises.
struct Slogans {
  const char* question;
  const char* answer;
  const char* motto;
  std::array<const char*, 4> promises;
};
const Slogans kEnglishSlogans = {
    "How are you?",
    "Fine, thanks!",
    "Talk with confidence",
    {"Listen and understand", "Watch the story", "Learn new words", "See your progress"}};
const Slogans kGermanSlogans = {
    "Wie geht's?",
    "Gut, danke!",
    "Sicher sprechen",
    {"Hören und verstehen", "Die Geschichte sehen", "Neue Wörter lernen", "Fortschritte sehen"}};
const Slogans kFrenchSlogans = {
    "Ça va\u00A0?",
    "Bien, merci\u00A0!",
    "Parler sans hésiter",
    {"Écouter, comprendre", "Regarder l'histoire", "Apprendre des mots", "Voir vos progrès"}};

QImage SmallPicture(int n, const Course& course) {
  QImage image = Canvas(QSize(100, 100), kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF tile = TileIn(1);
  const Greetings& words = course.Pick(kEnglishGreetings, kGermanGreetings, kFrenchGreetings);
  static const std::array<Icon, 10> kIcons = {
      Icon::Headphones,    Icon::Speaker,   Icon::Microphone, Icon::Book,  Icon::Film,
      Icon::Conversations, Icon::Sentences, Icon::Globe,      Icon::Check, Icon::Play};
  if (n <= 10) {
    const Greeting& word = words[static_cast<size_t>(n - 1)];
    const QColor fill = n % 2 == 1 ? kTeal : kNavy;
    Panel(p, tile, fill, 8);
    Caption(p, QRectF(tile.left() + 6, tile.top() + 22, tile.width() - 12, 30),
            QString::fromUtf8(word.text), 20, true, kWhite, Qt::AlignCenter, 13);
    Caption(p, QRectF(tile.left() + 6, tile.top() + 54, tile.width() - 12, 18),
            QString::fromUtf8(word.language), 12, false, n % 2 == 1 ? kTealPale : kTealOnNavy);
  } else {
    const Icon icon = kIcons[static_cast<size_t>(n - 11)];
    Panel(p, tile, kWhite, 8, kSandLine);
    const QRectF circle(tile.center().x() - 30, tile.center().y() - 30, 60, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(n % 2 == 1 ? kTealPale : kSand);
    p.drawEllipse(circle);
    DrawIcon(p, icon, circle.adjusted(15, 15, -15, -15), n % 2 == 1 ? kTeal : kNavy, 2.5);
  }
  return image;
}

QImage LargePicture(int n, const Course& course) {
  QImage image = Canvas(QSize(200, 200), kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF tile = TileIn(2);
  Panel(p, tile, kWhite, 8, kSandLine);
  const QRectF caption(tile.left() + 12, tile.bottom() - 44, tile.width() - 24, 30);
  const Slogans& words = course.Pick(kEnglishSlogans, kGermanSlogans, kFrenchSlogans);
  if (n == 1) {
    // Two people talking.
    const QRectF first(tile.left() + 16, tile.top() + 22, 130, 44);
    const QRectF second(tile.right() - 16 - 130, tile.top() + 82, 130, 44);
    FillRounded(p, first, kTeal, 10);
    FillRounded(p, second, kNavy, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    QPainterPath tailA;
    tailA.moveTo(first.left() + 18, first.bottom() - 1);
    tailA.lineTo(first.left() + 14, first.bottom() + 12);
    tailA.lineTo(first.left() + 32, first.bottom() - 1);
    p.drawPath(tailA);
    QPainterPath tailB;
    tailB.moveTo(second.right() - 18, second.bottom() - 1);
    tailB.lineTo(second.right() - 14, second.bottom() + 12);
    tailB.lineTo(second.right() - 32, second.bottom() - 1);
    p.setBrush(kNavy);
    p.drawPath(tailB);
    Caption(p, first, QString::fromUtf8(words.question), 16, true, kWhite);
    Caption(p, second, QString::fromUtf8(words.answer), 16, true, kWhite);
    Caption(p, caption, QString::fromUtf8(words.motto), 16, true, kNavy);
    return image;
  }
  struct Scene {
    Icon icon;
    QColor fill;
  };
  static const std::array<Scene, 4> kScenes = {{{Icon::Headphones, kTeal},
                                                {Icon::Video, kNavy},
                                                {Icon::Book, kLeaf},
                                                {Icon::Results, kCoral}}};
  const Scene& scene = kScenes[static_cast<size_t>(n - 2)];
  const QRectF circle(tile.center().x() - 52, tile.top() + 22, 104, 104);
  p.setPen(Qt::NoPen);
  p.setBrush(scene.fill);
  p.drawEllipse(circle);
  DrawIcon(p, scene.icon, circle.adjusted(26, 26, -26, -26), kWhite, 3);
  // Rings around the picture, as sound spreading.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Lighter(scene.fill, 0.6), 2));
  p.drawEllipse(circle.adjusted(-8, -8, 8, 8));
  Caption(p, caption, QString::fromUtf8(words.promises[static_cast<size_t>(n - 2)]), 16, true,
          kNavy);
  return image;
}

// ---- the running dot beside the menu captions (59 x 8 on the navy menu bar) ----

std::vector<QImage> DotFrames() {
  constexpr int kDots = 6;
  constexpr std::array<int, 10> kActive = {0, 1, 2, 3, 4, 5, 4, 3, 2, 1};
  std::vector<QImage> frames;
  for (int active : kActive) {
    QImage frame = Canvas(QSize(59, 8), kNavy);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < kDots; ++dot) {
      const int distance = std::abs(dot - active);
      const QPointF centre(4.5 + 10 * dot, 4);
      if (distance == 0) {
        p.setBrush(kTealOnNavy);
        p.drawEllipse(centre, 3.5, 3.5);
      } else {
        p.setBrush(distance == 1 ? kTeal : kNavyPanel);
        p.drawEllipse(centre, 2, 2);
      }
    }
    frames.push_back(frame);
  }
  return frames;
}

}  // namespace

void PaintSectionBackgrounds(PictureFolder& folder, int language) {
  static const std::array<Section, 4> kSections = {{
      {"menu_video.bmp", &say::kVideos, Icon::Video, &say_section::kAboutVideos, false},
      {"menu_records.bmp", &say::kRecordings, Icon::Headphones, &say_section::kAboutRecordings,
       false},
      {"menu_sentences.bmp", &say::kSentences, Icon::Sentences, &say_section::kAboutSentences,
       true},
      {"menu_konwersacje.bmp", &say::kConversations, Icon::Conversations,
       &say_section::kAboutConversations, false},
  }};
  const QString dir = LangDir(language) + QStringLiteral("gfx_r\\");
  for (const Section& section : kSections) {
    folder.SaveBmp(dir + QString::fromLatin1(section.file), SectionBackground(section, language));
  }
}

void PaintMainAnimation(PictureFolder& folder, const Course& course) {
  for (int n = 1; n <= 20; ++n) {
    folder.SaveBmp(QStringLiteral("gfx_r\\anim\\maly_%1.bmp").arg(n), SmallPicture(n, course));
  }
  for (int n = 1; n <= 5; ++n) {
    folder.SaveBmp(QStringLiteral("gfx_r\\anim\\duzy_%1.bmp").arg(n), LargePicture(n, course));
  }
  folder.SaveFile(QStringLiteral("gfx_r\\kropka.avi"), UncompressedAvi(DotFrames(), 100));
}

}  // namespace tess::demo
