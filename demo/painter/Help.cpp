// The help window's strip "gfx_r\pod_pasek_help.bmp" and the pictures of the help pages in
// "Htm_r\img\": windows of the course with numbered callouts, the buttons the pages explain,
// a banner and the team. Windows that the generator has drawn already are put together from
// those pictures, so the help shows exactly what the learner sees; windows still without
// pictures of their own are drawn as plain diagrams in the same look.
#include <QFontMetricsF>
#include <QPainterPath>

#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Captions.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

const QString kImg = QStringLiteral("Htm_r\\img\\");
const QColor kInk{0x22, 0x30, 0x3F};        // text on paper
const QColor kBar{0xD9, 0xDE, 0xE4};        // lines standing for text
const QColor kRowHighlight{153, 204, 102};  // the lists' selected row
const QColor kFocusFrame{253, 114, 112};    // the lists' focus frame
constexpr qreal kBadge = 22;                // diameter of a callout

// Where the help window puts its buttons on the strip (window coordinates).
constexpr int kToolLeft = 732;
constexpr int kBackTop = 166;
constexpr int kContentsTop = 226;
constexpr int kPrintTop = 286;
constexpr int kStripLeft = 700;

struct Callout {
  int number;
  QPointF at;  // in the window's own coordinates
};

QImage Transparent(QSize size) {
  QImage image(size * PictureScale(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(PictureScale());
  image.fill(Qt::transparent);
  return image;
}

/// Pictures the generator wrote before this family, read back from the installation (of the
/// set being drawn: "@2x" files at scale 2).
class Drawn {
 public:
  explicit Drawn(QString root) : root_(std::move(root)) {}

  QImage Picture(const QString& name) const {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int scale = PictureScale();
    if (scale != 1) {
      relative.insert(relative.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    }
    const QImage image(root_ + QLatin1Char('/') + relative);
    if (image.isNull()) {
      throw std::runtime_error("the help pictures need " + relative.toStdString() +
                               ", which is not drawn");
    }
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
  }

  /// One frame of a two-frame skin strip with its transparent colour made clear.
  QImage Skin(const QString& name, int frame = 0) const {
    const QImage strip = Picture(name);
    const int width = strip.width() / 2;
    QImage face = strip.copy(frame * width, 0, width, strip.height());
    face.setDevicePixelRatio(strip.devicePixelRatio());
    const QRgb key = strip.pixel(0, strip.height() - 1);
    for (int y = 0; y < face.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(face.scanLine(y));
      for (int x = 0; x < face.width(); ++x) {
        if (line[x] == key) line[x] = 0;
      }
    }
    return face;
  }

 private:
  QString root_;
};

// ---------------------------------------------------------------------------------------------
// Callouts: a coral disc with a white number, the same in the pictures and beside the text.

void Badge(QPainter& p, QPointF centre, int number) {
  const QRectF disc(centre.x() - kBadge / 2, centre.y() - kBadge / 2, kBadge, kBadge);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x10, 0x1C, 0x2C, 70));
  p.drawEllipse(disc.translated(0, 1.5));
  p.setPen(QPen(kWhite, 2));
  p.setBrush(kCoral);
  p.drawEllipse(disc.adjusted(1, 1, -1, -1));
  p.setFont(Font(number < 10 ? 13 : 11, true));
  p.setPen(kWhite);
  p.drawText(disc, Qt::AlignCenter, QString::number(number));
  p.restore();
}

QImage BadgePicture(int number) {
  QImage image = Transparent(QSize(24, 25));
  QPainter p(&image);
  Smooth(p);
  Badge(p, QPointF(12, 12), number);
  return image;
}

/// The window scaled for the page, with its callouts and a thin frame.
QImage Shot(const QImage& window, qreal scale, const std::vector<Callout>& callouts) {
  const QSize logical = LogicalSize(window);
  const QSize size(qRound(logical.width() * scale), qRound(logical.height() * scale));
  QImage shot = Canvas(size, kWhite);
  QPainter p(&shot);
  Smooth(p);
  p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), window);
  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  for (const Callout& callout : callouts) {
    QPointF at = callout.at * scale;
    at.setX(qBound(kBadge / 2 + 1, at.x(), size.width() - kBadge / 2 - 1));
    at.setY(qBound(kBadge / 2 + 1, at.y(), size.height() - kBadge / 2 - 1));
    Badge(p, at, callout.number);
  }
  return shot;
}

// ---------------------------------------------------------------------------------------------
// What the diagrams show of the course language: example questions, phrases and words, close
// to each course's own material and written as it writes them. Titles come from the course's
// catalogues instead.

struct Question {
  const char* text;
  std::array<const char*, 3> answers;
  int right;
  int ticked;  // -1: left unanswered
};

struct Examples {
  std::array<Question, 3> questions;
  std::array<const char*, 6> conversation;  // the café, the learner's line fourth
  const char* translation;                  // of the fourth line
  std::vector<const char*> shuffled;        // a sentence's words as the drill deals them
  const char* answerStart;                  // the first words put in place
  const char* heard;                        // a comprehension item and its translation
  const char* heardPolish;
  std::array<const char*, 5> pairs;  // family words matched with brat, ciocia, kuzyn, ...
  const char* subtitle;              // a line of a film
};

const Examples kEnglishExamples = {
    {{{"1. Where does Anna live?", {"in Kraków", "in London", "in Gdańsk"}, 0, 0},
      {"2. How old is her brother?", {"twelve", "twenty", "thirty"}, 1, 2},
      {"3. What does her mother do?",
       {"She is a nurse.", "She is a teacher.", "She is a cook."},
       1,
       -1}}},
    {"Waiter: Good morning! What can I get you?", "Lucy: Hello. Can I have a cup of tea, please?",
     "Waiter: Of course. With milk or with lemon?",
     "Lucy: With milk, please. And a piece of apple cake.",
     "Waiter: Sorry, we haven't got any apple cake today.",
     "Lucy: OK, chocolate cake, then. How much is that?"},
    "Z mlekiem, proszę. I kawałek szarlotki.",
    {"leaves", "The", "at", "train", "ten."},
    "The train",
    "They are going to Edinburgh by train.",
    "Jadą do Edynburga pociągiem.",
    {"brother", "aunt", "cousin", "grandmother", "uncle"},
    "The next one leaves at ten fifteen.",
};

const Examples kGermanExamples = {
    {{{"1. Wo wohnt die Familie?", {"in Krakau", "in Hamburg", "in Danzig"}, 0, 0},
      {"2. Wie alt ist der Bruder?", {"zwölf", "zwanzig", "dreißig"}, 1, 2},
      {"3. Was macht die Mutter beruflich?",
       {"Sie ist Krankenschwester.", "Sie ist Lehrerin.", "Sie ist Köchin."},
       1,
       -1}}},
    {"Kellner: Guten Morgen! Was darf ich Ihnen bringen?",
     "Julia: Hallo. Ich hätte gern eine Tasse Tee, bitte.",
     "Kellner: Gern. Mit Milch oder mit Zitrone?",
     "Julia: Mit Milch, bitte. Und ein Stück Apfelkuchen.",
     "Kellner: Tut mir leid, Apfelkuchen haben wir heute nicht.",
     "Julia: Gut, dann nehme ich Schokoladenkuchen. Was macht das?"},
    "Z mlekiem, proszę. I kawałek szarlotki.",
    {"fährt", "Der", "zehn", "Zug", "um", "ab."},
    "Der Zug",
    "Anna fährt mit dem Zug nach Berlin.",
    "Anna jedzie do Berlina pociągiem.",
    {"Bruder", "Tante", "Cousin", "Großmutter", "Onkel"},
    "Der nächste fährt um zehn Uhr fünfzehn.",
};

const Examples kFrenchExamples = {
    {{{"1. Où habite la famille?", {"à Cracovie", "à Lyon", "à Gdańsk"}, 0, 0},
      {"2. Quel âge a le frère?", {"douze ans", "vingt ans", "trente ans"}, 1, 2},
      {"3. Que fait la mère?",
       {"Elle est infirmière.", "Elle est enseignante.", "Elle est cuisinière."},
       1,
       -1}}},
    {"Serveur: Bonjour! Qu'est-ce que je vous sers?",
     "Claire: Bonjour. Je voudrais un thé, s'il vous plaît.",
     "Serveur: Bien sûr. Avec du lait ou avec du citron?",
     "Claire: Avec du lait, s'il vous plaît. Et une part de tarte aux pommes.",
     "Serveur: Désolé, nous n'avons plus de tarte aux pommes aujourd'hui.",
     "Claire: D'accord, un gâteau au chocolat, alors. Je vous dois combien?"},
    "Z mlekiem, proszę. I kawałek szarlotki.",
    {"part", "Le", "heures.", "train", "à", "dix"},
    "Le train",
    "Anna prend le train pour Paris.",
    "Anna jedzie do Paryża pociągiem.",
    {"frère", "tante", "cousin", "grand-mère", "oncle"},
    "Le prochain part à dix heures quinze.",
};

const Examples& ExamplesOf(const Course& course) {
  return course.Pick(kEnglishExamples, kGermanExamples, kFrenchExamples);
}

// ---------------------------------------------------------------------------------------------
// Pieces of the diagrams.

/// Grey bars standing for lines of text.
void TextBars(QPainter& p, qreal left, qreal top, qreal width, int lines, qreal gap = 16) {
  static const qreal lengths[] = {0.92, 0.78, 0.96, 0.6, 0.86, 0.7};
  for (int i = 0; i < lines; ++i) {
    const qreal length = i == lines - 1 ? 0.45 : lengths[i % 6];
    FillRounded(p, QRectF(left, top + i * gap, width * length, 6), kBar, 3);
  }
}

/// The navy header of the course windows: a teal tile with the window's icon and its title.
void Header(QPainter& p, int width, int height, Icon icon, const QString& title,
            const QString& subtitle) {
  p.fillRect(QRectF(0, 0, width, height), kNavy);
  const qreal side = qMin<qreal>(56, height - 24);
  const QRectF tile(24, (height - side) / 2, side, side);
  Panel(p, tile, kTeal, 12);
  DrawIcon(p, icon, tile.adjusted(side / 4, side / 4, -side / 4, -side / 4), kWhite, 2.5);
  Text(p, QRectF(tile.right() + 16, tile.top() - 2, 420, side * 0.6), title, 26, true, kWhite);
  if (!subtitle.isEmpty()) {
    Text(p, QRectF(tile.right() + 16, tile.top() + side * 0.55, 420, side * 0.45), subtitle, 14,
         false, kTealOnNavy);
  }
}

/// The exclamation mark that points at a wrong or missing answer.
void Exclamation(QPainter& p, QPointF centre) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kCoral);
  p.drawEllipse(centre, 8, 8);
  p.setFont(Font(12, true));
  p.setPen(kWhite);
  p.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("!"));
  p.restore();
}

/// A tab of the right-hand strip: a numbered or pictured square, the current one teal.
void StripTab(QPainter& p, const QRectF& rect, bool current, Icon icon, const QString& number) {
  Panel(p, rect, current ? kTeal : kNavyPanel, 8);
  if (number.isEmpty()) {
    const qreal side = rect.height() * 0.5;
    DrawIcon(p, icon,
             QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side),
             current ? kWhite : kTealOnNavy);
  } else {
    Text(p, rect, number, 18, true, current ? kWhite : kTealOnNavy, Qt::AlignCenter);
  }
}

/// A simple scene of the comprehension pictures, drawn from shapes.
enum class Scene { House, Train, Cup };
void DrawScene(QPainter& p, const QRectF& card, Scene scene) {
  Panel(p, card, kWhite, 8, kSandLine);
  const QRectF art = card.adjusted(14, 14, -14, -14);
  p.save();
  p.setPen(Stroke(kNavy, 2.5));
  const qreal cx = art.center().x();
  const qreal base = art.bottom() - 8;
  switch (scene) {
    case Scene::House: {
      p.setBrush(kSand);
      p.drawRect(QRectF(cx - 34, base - 46, 68, 46));
      p.setBrush(kCoral);
      p.drawPolygon(QPolygonF(
          {QPointF(cx - 44, base - 44), QPointF(cx, base - 80), QPointF(cx + 44, base - 44)}));
      p.setBrush(kTealPale);
      p.drawRect(QRectF(cx - 24, base - 36, 16, 14));
      p.setBrush(kTeal);
      p.drawRect(QRectF(cx + 6, base - 30, 16, 30));
      break;
    }
    case Scene::Train: {
      p.setBrush(kTeal);
      p.drawRoundedRect(QRectF(cx - 50, base - 52, 100, 40), 8, 8);
      p.setBrush(kWhite);
      for (int i = 0; i < 3; ++i) p.drawRect(QRectF(cx - 40 + i * 28, base - 44, 20, 14));
      p.setBrush(kNavy);
      p.drawEllipse(QPointF(cx - 30, base - 8), 8, 8);
      p.drawEllipse(QPointF(cx + 30, base - 8), 8, 8);
      p.drawLine(QPointF(cx - 60, base + 1), QPointF(cx + 60, base + 1));
      break;
    }
    case Scene::Cup: {
      p.setBrush(kCoral);
      QPainterPath cup;
      cup.moveTo(cx - 28, base - 46);
      cup.lineTo(cx + 28, base - 46);
      cup.lineTo(cx + 22, base - 10);
      cup.lineTo(cx - 22, base - 10);
      cup.closeSubpath();
      p.drawPath(cup);
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(cx + 18, base - 40, 20, 20), -90 * 16, 180 * 16);
      p.setBrush(kSand);
      p.drawEllipse(QRectF(cx - 44, base - 12, 88, 12));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(cx - 12, base - 70, 10, 18), 90 * 16, 180 * 16);
      p.drawArc(QRectF(cx + 2, base - 72, 10, 18), -90 * 16, 180 * 16);
      break;
    }
  }
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// The help window's strip.

QImage HelpStrip() {
  QImage image = Canvas(QSize(100, 600), kNavy);
  QPainter p(&image);
  Smooth(p);
  p.fillRect(QRectF(0, 0, 1, 600), kNavyPanel);

  // The emblem and the key that opens the help.
  const QRectF emblem(26, 44, 48, 48);
  Panel(p, emblem, kTeal, 12);
  DrawIcon(p, Icon::Help, emblem.adjusted(11, 11, -11, -11), kWhite, 2.5);
  const QRectF key(34, 102, 32, 22);
  FillRounded(p, key.translated(0, 2), kNavyPanel.darker(130), 5);
  FillRounded(p, key, kNavyPanel, 5);
  Text(p, key, QStringLiteral("F1"), 12, true, kTealOnNavy, Qt::AlignCenter);

  // The tray the three tools stand on; each has a slot, so a hidden tool leaves a quiet place.
  Panel(p, QRectF(14, 150, 72, 188), kSand, 8);
  for (int top : {kBackTop, kContentsTop, kPrintTop}) {
    const QRectF slot(kToolLeft - kStripLeft - 3, top - 3, 42, 42);
    p.setPen(QPen(kSandLine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(slot.adjusted(0.75, 0.75, -0.75, -0.75), 9, 9);
  }

  // A quiet page motif and the product's name at the foot.
  DrawIcon(p, Icon::Book, QRectF(26, 430, 48, 48), kNavyPanel, 2.5);
  p.fillRect(QRectF(20, 540, 60, 1), kNavyPanel);
  Text(p, QRectF(0, 552, 100, 18), kProductTitle, 12, true, kTealOnNavy, Qt::AlignCenter);
  Text(p, QRectF(0, 570, 100, 16), QStringLiteral("Pomoc"), 11, false, kTealOnNavy,
       Qt::AlignCenter);
  return image;
}

// ---------------------------------------------------------------------------------------------
// Windows put together from their own pictures.

QImage MainWindowShot(const Drawn& drawn) {
  QImage window = drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\Main_rozum.bmp"));
  QPainter p(&window);
  Smooth(p);
  struct Button {
    const char* skin;
    QPoint at;
  };
  const Button buttons[] = {{"m_subj", {13, 493}},  {"m_video", {105, 493}},
                            {"m_sent", {189, 493}}, {"m_rec", {273, 493}},
                            {"m_conv", {358, 493}}, {"m_repet", {443, 498}}};
  std::vector<Callout> callouts;
  int number = 1;
  for (const Button& button : buttons) {
    // The mouse rests on the first button: highlighted, with its caption beside.
    const QImage face =
        drawn.Skin(QStringLiteral("but_r\\%1.bmp").arg(button.skin), number == 1 ? 1 : 0);
    p.drawImage(button.at, face);
    callouts.push_back(
        {number++, QPointF(button.at.x() + LogicalSize(face).width() - 6, button.at.y() + 6)});
  }
  p.drawImage(QPoint(601, 560), drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\m_subjects.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  callouts.push_back({7, QPointF(540, 22)});    // authors
  callouts.push_back({8, QPointF(56, 588)});    // the course's web page
  callouts.push_back({9, QPointF(216, 588)});   // help
  callouts.push_back({10, QPointF(308, 588)});  // options
  callouts.push_back({11, QPointF(764, 14)});   // close
  return Shot(window, 0.6, callouts);
}

QImage SectionChooserShot(const Drawn& drawn, const Course& course) {
  QImage window = drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\menu_video.bmp"));
  QPainter p(&window);
  Smooth(p);
  const QPoint list(368, 148);
  struct Row {
    const char* level;
    const char* done;
    QString title;
  };
  const Row rows[] = {{"poz_2", "rob_yes", course.TextTitlePolish(3)},
                      {"poz_3", "rob_no", course.TextTitlePolish(7)}};
  // The first row is selected: highlight and focus frame under it.
  p.fillRect(QRect(list.x(), list.y() + 1, 357, 17), kRowHighlight);
  p.setPen(QPen(kFocusFrame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(list.x() + 1, list.y() + 2, 355, 15));
  for (int r = 0; r < 2; ++r) {
    const int y = list.y() + 1 + 18 * r;
    const QImage level = drawn.Picture(QStringLiteral("gfx_r\\ikony\\%1.bmp").arg(rows[r].level));
    const QImage done = drawn.Picture(QStringLiteral("gfx_r\\ikony\\%1.bmp").arg(rows[r].done));
    const int levelWidth = LogicalSize(level).width();
    p.drawImage(list.x() + 1, y + 1, level);
    p.drawImage(list.x() + levelWidth + 4, y + 1, done);
    Caption(p, QRectF(list.x() + levelWidth + LogicalSize(done).width() + 7, y, 300, 18),
            rows[r].title, 13,
            false, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
  }
  Text(p, QRectF(46, 473, 271, 40),
       QStringLiteral("Test wyboru, 2024-05-17, 80%, (3)\nUkładanie w kolejności"), 11, false,
       Qt::black, Qt::AlignLeft | Qt::AlignTop);
  p.drawImage(QPoint(655, 107), drawn.Skin(QStringLiteral("but_r\\Wybor_ok.bmp")));
  p.drawImage(QPoint(0, 573), drawn.Skin(QStringLiteral("but_r\\help.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(700, 160)},
               {2, QPointF(646, 126)},
               {3, QPointF(330, 480)},
               {4, QPointF(32, 566)},
               {5, QPointF(764, 14)}});
}

QImage LoginShot(const Drawn& drawn) {
  QImage window = drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\logowanie.bmp"));
  QPainter p(&window);
  Smooth(p);
  const QRect list(16, 64, 268, 80);
  const char* names[] = {"Anna", "Tomek", "Kasia"};
  p.fillRect(QRect(list.x() + 2, list.y() + 2 + 2 * 18, list.width() - 4, 18), kRowHighlight);
  for (int i = 0; i < 3; ++i) {
    Text(p, QRectF(list.x() + 8, list.y() + 2 + 18 * i, 200, 18), QString::fromLatin1(names[i]), 13,
         false, kInk);
  }
  p.drawImage(QPoint(273, 2), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.drawImage(QPoint(258, 35), drawn.Skin(QStringLiteral("but_r\\help.bmp")));
  p.drawImage(QPoint(16, 156), drawn.Skin(QStringLiteral("Lang_r\\0\\but_r\\nowy_user.bmp")));
  p.drawImage(QPoint(212, 155), drawn.Skin(QStringLiteral("but_r\\Wybor_ok.bmp")));
  p.end();
  return Shot(window, 1.3,
              {{1, QPointF(270, 118)},
               {2, QPointF(26, 158)},
               {3, QPointF(284, 158)},
               {4, QPointF(250, 40)},
               {5, QPointF(268, 8)}});
}

QImage NewUserShot(const Drawn& drawn) {
  QImage window = drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\logow_new.bmp"));
  QPainter p(&window);
  Smooth(p);
  const QString name = QStringLiteral("Ola");
  Text(p, QRectF(24, 62, 200, 28), name, 15, false, kInk);
  p.fillRect(QRectF(25 + QFontMetricsF(Font(15)).horizontalAdvance(name), 67, 1.5, 18), kInk);
  const QRectF combo(16, 115, 150, 22);
  p.setPen(QPen(kSandLine, 1));
  p.setBrush(kWhite);
  p.drawRoundedRect(combo.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  Text(p, combo.adjusted(6, 0, 0, 0), QStringLiteral("polski"), 13, false, kInk);
  DrawIcon(p, Icon::Down, QRectF(combo.right() - 18, combo.top() + 4, 13, 13), kNavy, 1.5);
  p.drawImage(QPoint(278, 34), drawn.Skin(QStringLiteral("but_r\\help.bmp")));
  p.drawImage(QPoint(293, 2), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.drawImage(QPoint(232, 104), drawn.Skin(QStringLiteral("but_r\\Wybor_ok.bmp")));
  p.end();
  return Shot(window, 1.3,
              {{1, QPointF(298, 64)},
               {2, QPointF(174, 118)},
               {3, QPointF(228, 106)},
               {4, QPointF(272, 36)}});
}

QImage OptionsShot(const Drawn& drawn) {
  QImage window = drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\ustawienia_rozum.bmp"));
  QPainter p(&window);
  Smooth(p);
  struct Box {
    int top;
    const char* label;
    bool checked;
  };
  const Box boxes[] = {{48, "Rozróżniaj wielkość liter", false},
                       {72, "Uwzględniaj interpunkcję", true},
                       {96, "Przeciągaj wyrazy w układance zdań", true},
                       {120, "Ćwiczenie z wpisywaniem otwieraj na końcu", false},
                       {152, "Animacje w menu głównym", true}};
  for (const Box& box : boxes) {
    const QRectF tick(44, box.top, 13, 13);
    p.setPen(QPen(kNavy, 1));
    p.setBrush(kWhite);
    p.drawRect(tick.adjusted(0.5, 0.5, -0.5, -0.5));
    if (box.checked) DrawIcon(p, Icon::Check, tick.adjusted(1, 1, -1, -1), kTeal, 2);
    Text(p, QRectF(68, box.top - 2, 300, 17), QString::fromUtf8(box.label), 13, false, kInk);
  }
  Text(p, QRectF(48, 192, 130, 17), QStringLiteral("Język interfejsu:"), 13, false, kInk);
  const QRectF combo(180, 188, 117, 21);
  p.setPen(QPen(kSandLine, 1));
  p.setBrush(kWhite);
  p.drawRoundedRect(combo.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  Text(p, combo.adjusted(6, 0, 0, 0), QStringLiteral("polski"), 13, false, kInk);
  DrawIcon(p, Icon::Down, QRectF(combo.right() - 18, combo.top() + 4, 13, 13), kNavy, 1.5);
  Text(p, QRectF(316, 212, 70, 16), QStringLiteral("wersja 5.0"), 11, false, kMuted);
  p.drawImage(QPoint(277, 11), drawn.Skin(QStringLiteral("but_r\\ok2.bmp")));
  p.drawImage(QPoint(317, 11), drawn.Skin(QStringLiteral("but_r\\anuluj2.bmp")));
  p.drawImage(QPoint(2, 208), drawn.Skin(QStringLiteral("but_r\\help.bmp")));
  p.end();
  return Shot(window, 1.3,
              {{1, QPointF(30, 54)},
               {2, QPointF(304, 198)},
               {3, QPointF(280, 14)},
               {4, QPointF(354, 14)},
               {5, QPointF(34, 212)}});
}

QImage HelpWindowShot(const Drawn& drawn) {
  QImage window = Canvas(QSize(800, 600), kWhite);
  QPainter p(&window);
  Smooth(p);
  // The page: its title band, a few paragraphs, a link list and a picture.
  Header(p, 700, 96, Icon::Contents, QStringLiteral("Spis treści"),
         QStringLiteral("Tessaron 5.0 · Rozumienie ze słuchu · Pomoc"));
  TextBars(p, 28, 122, 620, 3);
  Text(p, QRectF(28, 176, 400, 26), QStringLiteral("Pierwsze kroki"), 20, true, kNavy);
  const char* links[] = {"Logowanie i użytkownicy", "Menu główne", "Ustawienia programu"};
  for (int i = 0; i < 3; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(52, 220 + i * 26), 2.5, 2.5);
    Text(p, QRectF(62, 210 + i * 26, 300, 20), QString::fromUtf8(links[i]), 14, true,
         QColor(0x1E, 0x7F, 0x73));
  }
  Text(p, QRectF(28, 304, 400, 26), QStringLiteral("Nauka"), 20, true, kNavy);
  TextBars(p, 28, 344, 620, 2);
  const int scale = PictureScale();
  QImage thumb =
      drawn.Picture(QStringLiteral("Lang_r\\0\\gfx_r\\Main_rozum.bmp"))
          .scaled(240 * scale, 180 * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  thumb.setDevicePixelRatio(scale);
  p.drawImage(QPoint(28, 384), thumb);
  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::NoBrush);
  const QSize thumbSize = LogicalSize(thumb);
  p.drawRect(QRectF(28.5, 384.5, thumbSize.width() - 1, thumbSize.height() - 1));
  TextBars(p, 290, 392, 360, 6, 18);
  // The scroll bar of the page.
  p.fillRect(QRectF(686, 0, 14, 600), kSand);
  FillRounded(p, QRectF(688, 2, 10, 230), kTeal, 5);

  p.drawImage(QPoint(kStripLeft, 0), HelpStrip());
  p.drawImage(QPoint(kToolLeft, kBackTop), drawn.Skin(QStringLiteral("but_r\\podr_back2.bmp")));
  p.drawImage(QPoint(kToolLeft, kContentsTop), drawn.Skin(QStringLiteral("but_r\\podr_spis2.bmp")));
  p.drawImage(QPoint(kToolLeft, kPrintTop), drawn.Skin(QStringLiteral("but_r\\podr_druk2.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.55,
              {{1, QPointF(kToolLeft - 4, kBackTop + 2)},
               {2, QPointF(kToolLeft - 4, kContentsTop + 2)},
               {3, QPointF(kToolLeft - 4, kPrintTop + 2)},
               {4, QPointF(762, 16)},
               {5, QPointF(250, 222)},
               {6, QPointF(690, 250)}});
}

// ---------------------------------------------------------------------------------------------
// Diagrams of the study windows.

QImage ExerciseDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  RightStrip(p, 700, 100, 600);
  p.drawImage(QPoint(10, 10), drawn.Skin(QStringLiteral("but_r\\panel_film.bmp")));
  Caption(p, QRectF(90, 14, 560, 32), course.TextTitle(1), 24, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter, 18);

  // Instruction box.
  Panel(p, QRectF(16, 100, 657, 40), kWhite, 8, kSandLine);
  Text(p, QRectF(30, 100, 620, 40),
       QStringLiteral("Posłuchaj nagrania i zaznacz właściwą odpowiedź."), 14, false, kInk);

  // Three questions after the check: right, wrong, unanswered.
  Panel(p, QRectF(16, 156, 657, 318), kWhite, 8, kSandLine);
  qreal y = 172;
  for (const Question& q : ExamplesOf(course).questions) {
    Caption(p, QRectF(34, y, 600, 20), QString::fromUtf8(q.text), 14, true, kNavy,
            Qt::AlignLeft | Qt::AlignVCenter);
    y += 24;
    // After the check the right answer is ticked; a wrong choice gets a red box and "!", and
    // so does the right answer of a question left unanswered.
    for (int a = 0; a < 3; ++a) {
      const bool wrong = a == q.ticked && a != q.right;
      const Tick tick = a == q.right ? Tick::Right : wrong ? Tick::Wrong : Tick::Empty;
      TickBox(p, QRectF(52, y + 2, 16, 16), tick);
      if (wrong || (q.ticked < 0 && a == q.right)) Exclamation(p, QPointF(38, y + 10));
      Caption(p, QRectF(78, y, 400, 20), QString::fromUtf8(q.answers[static_cast<size_t>(a)]), 14,
              false, kInk, Qt::AlignLeft | Qt::AlignVCenter);
      y += 22;
    }
    y += 10;
  }

  // The verdict, the percentage, "again" and the check button.
  Text(p, QRectF(40, 488, 480, 22),
       QStringLiteral("Niektóre odpowiedzi są błędne – zaznaczono poprawne."), 14, true, kCoral);
  Panel(p, QRectF(20, 520, 86, 44), kNavy, 8);
  Text(p, QRectF(20, 520, 86, 44), QStringLiteral("33%"), 22, true, kWhite, Qt::AlignCenter);
  DrawIcon(p, Icon::Repeat, QRectF(130, 532, 20, 20), kTeal);
  Text(p, QRectF(156, 530, 160, 24), QStringLiteral("Jeszcze raz"), 15, true, kTeal);
  p.drawImage(QPoint(545, 522), drawn.Skin(QStringLiteral("Lang_r\\0\\but_r\\ok_rozum.bmp")));

  // The tabs of the text's exercises on the strip.
  for (int t = 0; t < 3; ++t) {
    StripTab(p, QRectF(722, 120 + t * 62, 56, 50), t == 0, Icon::Exercises, QString::number(t + 1));
  }
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(70, 14)},
               {2, QPointF(664, 106)},
               {3, QPointF(664, 164)},
               {4, QPointF(786, 130)},
               {5, QPointF(680, 528)},
               {6, QPointF(126, 524)},
               {7, QPointF(22, 499)},
               {8, QPointF(764, 14)}});
}

QImage LessonChooserDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  Header(p, 800, 64, Icon::Exercises, QStringLiteral("Ćwiczenia"), QString());
  // Left list: the sections of the course.
  Panel(p, QRectF(40, 76, 280, 224), kWhite, 8, kSandLine);
  p.fillRect(QRectF(47, 76 + 18, 253, 16), kRowHighlight);
  for (int i = 0; i < 6; ++i) {
    Caption(p, QRectF(52, 76 + 18 * i, 240, 18), course.GroupPolish(i + 1), 13, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
  }
  // Right list: what the chosen section holds.
  Panel(p, QRectF(355, 158, 385, 336), kWhite, 8, kSandLine);
  struct Item {
    const char* level;
    const char* done;
    const char* kind;
    QString title;
  };
  const Item items[] = {{"poz_2", "rob_yes", "zda_tek", course.TextTitlePolish(3)},
                        {"poz_3", "rob_no", "zda_tek", course.TextTitlePolish(7)},
                        {"poz_2", "rob_yes", "img_dia", course.ConversationTitlePolish(2)},
                        {"poz_1", "rob_no", "img_rpg", course.ComprehensionPolish(2)},
                        {"poz_2", "rob_no", "zda_ust", QStringLiteral("Zdania – poziom 2")}};
  p.fillRect(QRectF(362, 164, 371, 16), kRowHighlight);
  p.setPen(QPen(kFocusFrame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(363, 165, 369, 14));
  for (int r = 0; r < 5; ++r) {
    const qreal top = 164 + 18 * r;
    qreal x = 362;
    for (const char* icon : {items[r].level, items[r].done, items[r].kind}) {
      const QImage picture = drawn.Picture(QStringLiteral("gfx_r\\ikony\\%1.bmp").arg(icon));
      p.drawImage(QPointF(x, top + 1), picture);
      x += LogicalSize(picture).width() + 3;
    }
    Caption(p, QRectF(x + 3, top, 300, 18), items[r].title, 13, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
  }
  // The information box.
  Panel(p, QRectF(36, 466, 288, 108), kWhite, 8, kSandLine);
  Text(p, QRectF(42, 473, 275, 96),
       QStringLiteral("Test wyboru, 2024-05-17, 80%, (3)\nUkładanie w kolejności, 2024-05-17, "
                      "60%, (1)\nUzupełnianie tekstu"),
       11, false, Qt::black, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
  p.drawImage(QPoint(655, 107), drawn.Skin(QStringLiteral("but_r\\Wybor_ok.bmp")));
  p.drawImage(QPoint(2, 573), drawn.Skin(QStringLiteral("but_r\\help.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(320, 84)},
               {2, QPointF(740, 168)},
               {3, QPointF(324, 472)},
               {4, QPointF(722, 112)},
               {5, QPointF(38, 576)},
               {6, QPointF(764, 14)}});
}

QImage ResultsDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(420, 128), kWhite);
  QPainter p(&window);
  Smooth(p);
  struct Item {
    const char* level;
    const char* kind;
    QString title;
    int percent;
  };
  const Item items[] = {{"poz_1", "zda_tek", course.TextTitlePolish(1), 92},
                        {"poz_2", "zda_tek", course.TextTitlePolish(3), 58},
                        {"poz_2", "img_dia", course.ConversationTitlePolish(2), 35},
                        {"poz_1", "img_rpg", course.ComprehensionPolish(1), 100},
                        {"poz_2", "zda_ust", QStringLiteral("Zdania – poziom 2"), 0}};
  const QImage back = drawn.Picture(QStringLiteral("gfx_r\\ikony\\img_progress_back.bmp"));
  const QImage bar = drawn.Picture(QStringLiteral("gfx_r\\ikony\\img_progress.bmp"));
  p.fillRect(QRectF(8, 8 + 18, 404, 16), kRowHighlight);
  for (int r = 0; r < 5; ++r) {
    const qreal top = 8 + 18 * r;
    qreal x = 8;
    for (const char* icon : {items[r].level, items[r].kind}) {
      const QImage picture = drawn.Picture(QStringLiteral("gfx_r\\ikony\\%1.bmp").arg(icon));
      p.drawImage(QPointF(x, top + 1), picture);
      x += LogicalSize(picture).width() + 3;
    }
    Caption(p, QRectF(x + 3, top, 200, 18), items[r].title, 13, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter, 10);
    Text(p, QRectF(8 + 251, top, 38, 18), QStringLiteral("%1%").arg(items[r].percent), 13, false,
         Qt::black, Qt::AlignRight | Qt::AlignVCenter);
    p.drawImage(QPointF(8 + 301, top + 1), back);
    const int filled = qRound(items[r].percent * 0.75);
    if (filled > 0) {
      QImage part = bar.copy(0, 0, filled * PictureScale(), bar.height());
      part.setDevicePixelRatio(PictureScale());
      p.drawImage(QPointF(8 + 303, top + 4), part);
    }
  }
  p.end();
  return Shot(window, 1.2, {{1, QPointF(16, 108)}, {2, QPointF(268, 108)}, {3, QPointF(390, 108)}});
}

QImage ConversationDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  RightStrip(p, 700, 100, 600);
  Text(p, QRectF(24, 14, 640, 30),
       QStringLiteral("Posłuchaj rozmowy. Wskaż kwestię myszą, aby zobaczyć jej tłumaczenie."), 15,
       true, kNavy);
  Panel(p, QRectF(16, 52, 668, 450), kWhite, 8, kSandLine);
  const Examples& examples = ExamplesOf(course);
  const auto& lines = examples.conversation;
  for (int i = 0; i < 6; ++i) {
    const qreal top = 70 + i * 40;
    if (i == 3) FillRounded(p, QRectF(96, top - 4, 570, 30), kTealPale, 6);
    // Record switch and own-recording switch of the phrase.
    Panel(p, QRectF(26, top, 26, 22), kTeal, 6);
    DrawIcon(p, Icon::Microphone, QRectF(31, top + 3, 16, 16), kWhite);
    Panel(p, QRectF(62, top, 26, 22), i == 1 ? kCoral : kNavyPanel, 6);
    DrawIcon(p, i == 1 ? Icon::Users : Icon::Speaker, QRectF(67, top + 3, 16, 16), kWhite);
    Caption(p, QRectF(104, top - 2, 560, 26), QString::fromUtf8(lines[static_cast<size_t>(i)]), 15,
            false, i % 2 == 0 ? kNavy : kInk, Qt::AlignLeft | Qt::AlignVCenter, 12);
  }
  // The translation of the phrase under the mouse.
  Panel(p, QRectF(16, 516, 668, 60), kNavy, 8);
  Caption(p, QRectF(34, 516, 640, 60), QString::fromUtf8(examples.translation), 16, false, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter);

  // Tabs of the five modes and the play buttons.
  const Icon modes[] = {Icon::Headphones, Icon::Microphone, Icon::Globe, Icon::Question,
                        Icon::Shuffle};
  for (int t = 0; t < 5; ++t) {
    StripTab(p, QRectF(714, 40 + t * 54, 72, 46), t == 0, modes[t], QString());
  }
  p.drawImage(QPoint(710, 336), drawn.Skin(QStringLiteral("but_r\\D_play.bmp")));
  p.drawImage(QPoint(710, 384), drawn.Skin(QStringLiteral("but_r\\D_playA.bmp")));
  p.drawImage(QPoint(710, 432), drawn.Skin(QStringLiteral("but_r\\D_playB.bmp")));
  p.drawImage(QPoint(708, 560), drawn.Skin(QStringLiteral("but_r\\D_Help.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(706, 44)},
               {2, QPointF(704, 340)},
               {3, QPointF(704, 390)},
               {4, QPointF(670, 60)},
               {5, QPointF(22, 66)},
               {6, QPointF(92, 66)},
               {7, QPointF(22, 520)},
               {8, QPointF(746, 566)}});
}

QImage SentencesDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  RightStrip(p, 700, 100, 600);
  // The sentence's picture, the instruction and the words to put in order.
  DrawScene(p, QRectF(24, 24, 240, 200), Scene::Train);
  Panel(p, QRectF(284, 24, 400, 200), kWhite, 8, kSandLine);
  Text(p, QRectF(300, 34, 370, 60),
       QStringLiteral("Posłuchaj zdania i ułóż wyrazy we właściwej kolejności."), 15, true, kNavy,
       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
  const Examples& examples = ExamplesOf(course);
  qreal x = 300;
  for (const char* word : examples.shuffled) {
    const QString text = QString::fromUtf8(word);
    const qreal width = QFontMetricsF(Font(16, true)).horizontalAdvance(text) + 22;
    Panel(p, QRectF(x, 110, width, 34), kTeal, 6);
    Text(p, QRectF(x, 110, width, 34), text, 16, true, kWhite, Qt::AlignCenter);
    x += width + 10;
  }
  if (x - 10 > 684 - 12) throw std::runtime_error("the sentence's words do not fit their panel");
  // The answer line.
  Panel(p, QRectF(24, 250, 660, 60), kWhite, 8, kSandLine);
  Text(p, QRectF(40, 250, 620, 60), QString::fromUtf8(examples.answerStart) + QStringLiteral(" ▏"),
       18, false, kInk);
  Text(p, QRectF(24, 324, 660, 24),
       QStringLiteral("Dobrze! Zdanie jest ułożone poprawnie. Naciśnij Enter, aby przejść dalej."),
       14, true, kLeaf);
  // Tools on the strip: the two drills, play, record, compare, check.
  StripTab(p, QRectF(714, 40, 72, 46), true, Icon::Shuffle, QString());
  StripTab(p, QRectF(714, 94, 72, 46), false, Icon::Sentences, QString());
  p.drawImage(QPoint(730, 170), drawn.Skin(QStringLiteral("but_r\\Glosnik2.bmp")));
  p.drawImage(QPoint(730, 222), drawn.Skin(QStringLiteral("but_r\\mikrof2.bmp")));
  p.drawImage(QPoint(730, 274), drawn.Skin(QStringLiteral("but_r\\repeat_cw.bmp")));
  p.drawImage(QPoint(558, 520), drawn.Skin(QStringLiteral("Lang_r\\0\\but_r\\zd_sprawdz.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(706, 44)},
               {2, QPointF(300, 104)},
               {3, QPointF(30, 256)},
               {4, QPointF(722, 174)},
               {5, QPointF(722, 226)},
               {6, QPointF(722, 278)},
               {7, QPointF(690, 526)}});
}

QImage ComprehensionDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  Header(p, 800, 80, Icon::Headphones, course.ComprehensionPolish(2),
         QStringLiteral("Rozumienie ze słuchu · 3 z 7"));
  Text(p, QRectF(40, 96, 600, 26),
       QStringLiteral("Posłuchaj nagrania i kliknij obrazek, który do niego pasuje."), 15, true,
       kNavy);
  const Scene scenes[] = {Scene::House, Scene::Train, Scene::Cup};
  for (int i = 0; i < 3; ++i) {
    const QRectF card(70 + i * 230, 140, 200, 240);
    DrawScene(p, card, scenes[i]);
    if (i == 1) {
      p.setPen(QPen(kLeaf, 4));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(card.adjusted(-4, -4, 4, 4), 11, 11);
    }
  }
  Panel(p, QRectF(70, 404, 660, 84), kWhite, 8, kSandLine);
  const Examples& examples = ExamplesOf(course);
  Caption(p, QRectF(90, 412, 620, 30), QString::fromUtf8(examples.heard), 17, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
  Caption(p, QRectF(90, 446, 620, 30), QString::fromUtf8(examples.heardPolish), 15, false, kMuted,
          Qt::AlignLeft | Qt::AlignVCenter);
  p.drawImage(QPoint(376, 510), drawn.Skin(QStringLiteral("but_r\\rozum_graj.bmp")));
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(372, 512)},
               {2, QPointF(70, 146)},
               {3, QPointF(724, 410)},
               {4, QPointF(300, 58)}});
}

QImage PairsDiagram(const Drawn& drawn, const Course& course) {
  QImage window = Canvas(QSize(800, 600), kSand);
  QPainter p(&window);
  Smooth(p);
  RightStrip(p, 700, 100, 600);
  Text(p, QRectF(24, 16, 640, 30),
       QStringLiteral("Połącz wyrazy w pary: kliknij wyraz po lewej, a potem jego parę po prawej."),
       15, true, kNavy);
  struct Pair {
    const char* right;
    int state;  // 0 not checked, 1 right, 2 wrong
  };
  const Pair pairs[] = {{"brat", 1}, {"ciocia", 1}, {"kuzyn", 2}, {"babcia", 1}, {"wujek", 2}};
  const auto& words = ExamplesOf(course).pairs;
  for (int i = 0; i < 5; ++i) {
    const qreal top = 80 + i * 58;
    const QColor fill = pairs[i].state == 1   ? Lighter(kLeaf, 0.7)
                        : pairs[i].state == 2 ? Lighter(kCoral, 0.7)
                                              : kWhite;
    const QColor edge = pairs[i].state == 1 ? kLeaf : pairs[i].state == 2 ? kCoral : kNavy;
    for (int side = 0; side < 2; ++side) {
      const QRectF label(60 + side * 340, top, 240, 40);
      Panel(p, label, fill, 8, edge);
      Caption(p, label,
              QString::fromUtf8(side == 0 ? words[static_cast<size_t>(i)] : pairs[i].right), 16,
              true, kNavy, Qt::AlignCenter);
    }
    p.setPen(Stroke(edge, 2));
    p.drawLine(QPointF(300, top + 20), QPointF(400, top + 20));
  }
  DrawIcon(p, Icon::Repeat, QRectF(60, 528, 20, 20), kTeal);
  Text(p, QRectF(86, 526, 160, 24), QStringLiteral("Jeszcze raz"), 15, true, kTeal);
  p.drawImage(QPoint(545, 518), drawn.Skin(QStringLiteral("Lang_r\\0\\but_r\\zd_sprawdz.bmp")));
  for (int t = 0; t < 3; ++t) {
    StripTab(p, QRectF(722, 120 + t * 62, 56, 50), t == 2, Icon::Exercises, QString::number(t + 1));
  }
  p.drawImage(QPoint(775, 0), drawn.Skin(QStringLiteral("but_r\\close_panel.bmp")));
  p.end();
  return Shot(window, 0.6,
              {{1, QPointF(56, 84)},
               {2, QPointF(636, 84)},
               {3, QPointF(306, 196)},
               {4, QPointF(680, 524)},
               {5, QPointF(56, 522)}});
}

QImage MediaDiagram(const Course& course) {
  // The film window on the left, the recording bar on the right, in the media window's look.
  QImage image = Canvas(QSize(650, 344), kWhite);
  QPainter p(&image);
  Smooth(p);
  const auto button = [&p](const QRectF& r, Icon icon) {
    FillRounded(p, r, kTeal, 5);
    DrawIcon(p, icon, r.adjusted(5, 5, -5, -5), kWhite, 2);
  };
  const auto track = [&p](qreal left, qreal top, qreal width, qreal knob) {
    FillRounded(p, QRectF(left, top, width, 5), QColor(255, 255, 255, 80), 2.5);
    FillRounded(p, QRectF(left + knob, top - 4, 7, 13), kWhite, 2.5);
  };
  const auto mark = [&p](const QRectF& r, int number) {
    FillRounded(p, r, kSand, 5);
    Text(p, r.adjusted(0, 8, 0, 0), QString::number(number), 12, true, kNavy, Qt::AlignCenter);
  };

  // Film: 336 x 344.
  p.fillRect(QRectF(0, 0, 336, 344), kNavy);
  p.fillRect(QRectF(0, 0, 336, 18), kNavyPanel);
  Text(p, QRectF(14, 0, 200, 18), QStringLiteral("Film"), 12, true, kWhite);
  Text(p, QRectF(316, 0, 20, 18), QStringLiteral("✕"), 13, true, kWhite, Qt::AlignCenter);
  p.fillRect(QRectF(1, 20, 334, 280), Qt::black);
  DrawScene(p, QRectF(88, 40, 160, 200), Scene::Train);
  Caption(p, QRectF(1, 254, 334, 40), QString::fromUtf8(ExamplesOf(course).subtitle), 14, false,
          kWhite, Qt::AlignCenter);
  button(QRectF(8, 308, 22, 22), Icon::Play);
  button(QRectF(32, 308, 22, 22), Icon::Stop);
  button(QRectF(56, 308, 22, 22), Icon::Pause);
  track(100, 315, 200, 62);

  // Recording bar with marks: 290 x 33.
  const qreal left = 360;
  const qreal top = 150;
  p.fillRect(QRectF(left, top, 290, 33), kNavy);
  button(QRectF(left + 8, top + 1, 22, 22), Icon::Play);
  button(QRectF(left + 32, top + 1, 22, 22), Icon::Stop);
  button(QRectF(left + 56, top + 1, 22, 22), Icon::Pause);
  track(left + 86, top + 10, 100, 30);
  for (int k = 0; k < 4; ++k) mark(QRectF(left + 190 + 24 * k, top + 1, 22, 30), k + 1);
  p.end();
  return Shot(image, 0.9,
              {{1, QPointF(18, 298)},
               {2, QPointF(44, 298)},
               {3, QPointF(68, 298)},
               {4, QPointF(200, 302)},
               {5, QPointF(326, 10)},
               {6, QPointF(left + 236, top - 12)}});
}

// ---------------------------------------------------------------------------------------------
// The banner of the contents page (a JPEG, as the course's photographs are) and the team.

QImage Banner(const Course& course) {
  // Sand under the navy page title, with the letter tiles of the main window as its motif.
  QImage image = Canvas(QSize(630, 150), kSand);
  QPainter p(&image);
  Smooth(p);
  const QRectF tile(24, 35, 80, 80);
  Panel(p, tile, kTeal, 14);
  DrawIcon(p, Icon::Headphones, tile.adjusted(20, 20, -20, -20), kWhite, 3);
  Text(p, QRectF(124, 32, 300, 40), QStringLiteral("Pomoc do kursu"), 30, true, kNavy);
  Text(p, QRectF(124, 72, 300, 24), QStringLiteral("Tessaron 5.0 · Rozumienie ze słuchu"), 16,
       false, kInk);
  Text(p, QRectF(124, 96, 300, 20), course.Name(0), 14, false, kTeal);
  const char* letters[] = {"A", "é", "ł", "ß", "ä", "Ж"};
  for (int i = 0; i < 6; ++i) {
    const QRectF letter(424 + (i % 3) * 64, 18 + (i / 3) * 60, 56, 54);
    Panel(p, letter, kWhite, 8, kSandLine);
    Text(p, letter, QString::fromUtf8(letters[i]), 28, true, kSandInk, Qt::AlignCenter);
  }
  return image;
}

QImage TeamPicture() {
  struct Member {
    Icon icon;
    const char* role;
    QColor colour;
  };
  const Member team[] = {{Icon::Users, "Prowadzenie", kNavy},
                         {Icon::Headphones, "Dźwięk i film", kTeal},
                         {Icon::Exercises, "Okno główne", kTeal},
                         {Icon::Settings, "Ustawienia", kTeal},
                         {Icon::Help, "Pomoc", kTeal},
                         {Icon::Book, "Materiał kursu", kCoral}};
  QImage image = Canvas(QSize(600, 120), kWhite);
  QPainter p(&image);
  Smooth(p);
  for (int i = 0; i < 6; ++i) {
    const QRectF cell(i * 100, 0, 100, 120);
    const QRectF face(cell.center().x() - 32, 10, 64, 64);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x1C, 0x2C, 40));
    p.drawEllipse(face.translated(0, 2));
    p.setBrush(team[i].colour);
    p.drawEllipse(face);
    DrawIcon(p, team[i].icon, face.adjusted(18, 18, -18, -18), kWhite, 2.5);
    Text(p, QRectF(cell.left(), 82, cell.width(), 30), QString::fromUtf8(team[i].role), 13, true,
         kNavy, Qt::AlignCenter);
  }
  return image;
}

/// The header icon of every page: the help emblem of the strip.
QImage PageIcon() {
  QImage image = Transparent(QSize(56, 58));
  QPainter p(&image);
  Smooth(p);
  const QRectF tile(0, 0, 56, 56);
  FillRounded(p, tile, kTeal, 12);
  DrawIcon(p, Icon::Help, tile.adjusted(14, 14, -14, -14), kWhite, 2.5);
  return image;
}

/// The small round icon of a topic in the contents.
QImage TopicIcon(Icon icon) {
  QImage image = Transparent(QSize(36, 38));
  QPainter p(&image);
  Smooth(p);
  const QRectF disc(1, 1, 34, 34);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x10, 0x1C, 0x2C, 50));
  p.drawEllipse(disc.translated(0, 1.5));
  p.setBrush(kTeal);
  p.drawEllipse(disc);
  DrawIcon(p, icon, disc.adjusted(9, 9, -9, -9), kWhite);
  return image;
}

}  // namespace

void PaintHelp(PictureFolder& folder, const QString& installation, const Course& course) {
  const Drawn drawn(installation);
  folder.SaveBmp(QStringLiteral("gfx_r\\pod_pasek_help.bmp"), HelpStrip());

  const auto png = [&folder](const QString& name, const QImage& image) {
    folder.SavePng(kImg + name, image);
  };
  png(QStringLiteral("ikona_pomocy.png"), PageIcon());
  for (int number = 1; number <= 11; ++number) {
    png(QStringLiteral("nr_%1.png").arg(number), BadgePicture(number));
  }
  png(QStringLiteral("okno_glowne.png"), MainWindowShot(drawn));
  png(QStringLiteral("okno_pomocy.png"), HelpWindowShot(drawn));
  png(QStringLiteral("wybor_dzialu.png"), SectionChooserShot(drawn, course));
  png(QStringLiteral("logowanie.png"), LoginShot(drawn));
  png(QStringLiteral("nowy_uzytkownik.png"), NewUserShot(drawn));
  png(QStringLiteral("opcje.png"), OptionsShot(drawn));
  png(QStringLiteral("cwiczenie.png"), ExerciseDiagram(drawn, course));
  png(QStringLiteral("wybor_cwiczen.png"), LessonChooserDiagram(drawn, course));
  png(QStringLiteral("wyniki.png"), ResultsDiagram(drawn, course));
  png(QStringLiteral("rozmowa.png"), ConversationDiagram(drawn, course));
  png(QStringLiteral("zdania.png"), SentencesDiagram(drawn, course));
  png(QStringLiteral("rozumienie.png"), ComprehensionDiagram(drawn, course));
  png(QStringLiteral("pary.png"), PairsDiagram(drawn, course));
  png(QStringLiteral("odtwarzacz.png"), MediaDiagram(course));
  png(QStringLiteral("zespol.png"), TeamPicture());
  folder.SaveJpeg(kImg + QStringLiteral("naglowek.jpg"), Banner(course));
  const std::pair<const char*, Icon> topics[] = {
      {"logowanie", Icon::Users}, {"menu", Icon::Headphones},     {"nauka", Icon::Exercises},
      {"filmy", Icon::Video},     {"zdania", Icon::Sentences},    {"rozmowy", Icon::Conversations},
      {"wyniki", Icon::Results},  {"ustawienia", Icon::Settings}, {"pomoc", Icon::Help},
      {"autorzy", Icon::Book}};
  for (const auto& [name, icon] : topics) {
    png(QStringLiteral("temat_%1.png").arg(QString::fromLatin1(name)), TopicIcon(icon));
  }

  // The buttons and list icons the pages explain, as the learner sees them.
  struct Button {
    const char* skin;
    const char* name;
  };
  const Button buttons[] = {
      {"but_r\\podr_back2.bmp", "wstecz"},  {"but_r\\podr_spis2.bmp", "spis"},
      {"but_r\\podr_druk2.bmp", "drukuj"},  {"but_r\\close_panel.bmp", "zamknij"},
      {"but_r\\help.bmp", "pomoc"},         {"but_r\\Wybor_ok.bmp", "ok"},
      {"but_r\\ok2.bmp", "ok_maly"},        {"but_r\\anuluj2.bmp", "anuluj"},
      {"but_r\\panel_film.bmp", "film"},    {"but_r\\play.bmp", "odtworz"},
      {"but_r\\Pause.bmp", "pauza"},        {"but_r\\stop.bmp", "stop"},
      {"but_r\\Glosnik2.bmp", "glosnik"},   {"but_r\\mikrof2.bmp", "mikrofon"},
      {"but_r\\repeat_cw.bmp", "porownaj"}, {"but_r\\D_play.bmp", "rozmowa_cala"},
      {"but_r\\D_playA.bmp", "osoba_a"},    {"but_r\\D_Start.bmp", "powtorz_nagranie"},
      {"but_r\\D_Nastep.bmp", "losuj"},     {"but_r\\D_Help.bmp", "pomoc_trybu"},
      {"but_r\\rozum_graj.bmp", "graj"},    {"Lang_r\\0\\but_r\\zd_sprawdz.bmp", "sprawdz"},
  };

  for (const Button& button : buttons) {
    png(QStringLiteral("przycisk_%1.png").arg(QString::fromLatin1(button.name)),
        drawn.Skin(QString::fromLatin1(button.skin)));
  }
  for (const char* icon :
       {"poz_1", "poz_2", "poz_3", "poz_4", "rob_yes", "rob_no", "zda_tek", "zda_ust", "zda_roz",
        "img_rpg", "img_dia", "stat_1", "stat_2", "stat_3", "stat_4", "stat_5"}) {
    png(QStringLiteral("ikona_%1.png").arg(QString::fromLatin1(icon)),
        drawn.Picture(QStringLiteral("gfx_r\\ikony\\%1.bmp").arg(QString::fromLatin1(icon))));
  }
}

}  // namespace tess::demo
