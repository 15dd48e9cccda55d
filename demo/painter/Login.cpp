// The windows of the users: the local login (300 x 200), the new user (320 x 150) and the exit
// confirmation (300 x 100), and the classroom's login (387 x 163), password change (373 x 191)
// and end of session (387 x 120). Each has a title strip where its close button stands, and
// paper panels exactly under the lists and fields of the window.
#include <QFontMetricsF>

#include <initializer_list>
#include <stdexcept>

#include "Captions.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using namespace colour;

constexpr int kTitleHeight = 30;  // the close button (25 x 25) stands on it at width - 27, 2

// Where the windows put their controls.
const QRect kLoginList(16, 64, 268, 80);      // the login's user list
const QRect kLoginPrompt(16, 36, 236, 24);    // left of the help button at 258,35
const int kLoginButtonsTop = 150;             // the new-user button and OK stand below
const QRect kNewUserField(16, 62, 288, 28);   // the new user's name field
const QRect kNewUserPrompt(16, 35, 256, 24);  // left of the help button at 278,34
const QRect kQuitQuestion(62, 36, 142, 60);   // left of OK at 212,50

void TitleStrip(QPainter& p, int width, const QString& title) {
  p.fillRect(QRect(0, 0, width, kTitleHeight), kNavy);
  FillRounded(p, QRectF(12, 9, 4, 12), kTeal, 2);
  Caption(p, QRectF(24, 0, width - 24 - 32, kTitleHeight), title, 15, true, kWhite,
          Qt::AlignLeft | Qt::AlignVCenter);
}

// A navy frame holds the small window together over whatever lies below it.
void Frame(QPainter& p, QSize size) {
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
}

// A paper panel whose outline lies exactly on the control's rectangle.
void PaperUnder(QPainter& p, const QRect& control) {
  Panel(p, QRectF(control), kWhite, 8, kSandLine);
}

// Text wrapped into `rect`, shrunk until it fits; a text that never fits stops the generator.
void WrappedText(QPainter& p, const QRectF& rect, const QString& text, int pixels, int minimum,
                 const QColor& ink) {
  for (int size = pixels; size >= minimum; --size) {
    const QFont font = Font(size, false);
    const QRectF needed = QFontMetricsF(font).boundingRect(
        rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    if (needed.width() <= rect.width() && needed.height() <= rect.height()) {
      p.save();
      p.setFont(font);
      p.setPen(ink);
      p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
      p.restore();
      return;
    }
  }
  throw std::runtime_error("text \"" + text.toStdString() + "\" does not fit its box");
}

QImage LoginWindow(int language) {
  const QSize size(300, 200);
  QImage image = Canvas(size, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleStrip(p, size.width(), Say(say::kLogIn, language));
  Caption(p, QRectF(kLoginPrompt), Say(say::kChooseYourName, language), 13, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
  PaperUnder(p, kLoginList);
  p.setPen(QPen(kSandLine, 1));
  p.drawLine(QPointF(16, kLoginButtonsTop + 0.5), QPointF(284, kLoginButtonsTop + 0.5));
  Frame(p, size);
  return image;
}

QImage NewUserWindow(int language) {
  const QSize size(320, 150);
  QImage image = Canvas(size, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleStrip(p, size.width(), Say(say::kNewUser, language));
  Caption(p, QRectF(kNewUserPrompt), Say(say::kTypeYourName, language), 13, true, kNavy,
          Qt::AlignLeft | Qt::AlignVCenter);
  PaperUnder(p, kNewUserField);
  Frame(p, size);
  return image;
}

QImage QuitWindow(int language) {
  const QSize size(300, 100);
  QImage image = Canvas(size, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleStrip(p, size.width(), Say(say::kQuitTitle, language));
  const QRectF badge(16, 48, 34, 34);
  p.setPen(Qt::NoPen);
  p.setBrush(kTeal);
  p.drawEllipse(badge);
  DrawIcon(p, Icon::Question, badge.adjusted(7, 7, -7, -7), kWhite);
  WrappedText(p, QRectF(kQuitQuestion), Say(say::kQuitQuestion, language), 14, 11, kNavy);
  Frame(p, size);
  return image;
}

// The classroom windows' fields: a label column on the left, the fields beside it.
constexpr int kClassroomFieldLeft = 170;
constexpr int kClassroomFieldWidth = 200;
constexpr int kClassroomFieldHeight = 24;

QImage ClassroomWindow(QSize size, const QString& title, std::initializer_list<int> fieldTops) {
  QImage image = Canvas(size, kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleStrip(p, size.width(), title);
  for (int top : fieldTops) {
    PaperUnder(p, QRect(kClassroomFieldLeft, top, kClassroomFieldWidth, kClassroomFieldHeight));
  }
  // The buttons stand below a line under the fields.
  if (fieldTops.size() > 0) {
    p.setPen(QPen(kSandLine, 1));
    const qreal y = size.height() - 44.5;
    p.drawLine(QPointF(16, y), QPointF(size.width() - 16, y));
  }
  Frame(p, size);
  return image;
}

}  // namespace

void PaintClassroomWindows(PictureFolder& folder) {
  // The classroom windows speak Polish whatever the interface language.
  folder.SaveBmp(QStringLiteral("gfx_r\\siec_logowanie.bmp"),
                 ClassroomWindow({387, 163}, QStringLiteral("Logowanie do systemu"), {44, 76}));
  folder.SaveBmp(QStringLiteral("gfx_r\\siec_haslo.bmp"),
                 ClassroomWindow({373, 191}, QStringLiteral("Zmiana hasła"), {36, 62, 88, 114}));
  folder.SaveBmp(QStringLiteral("gfx_r\\siec_koniec.bmp"),
                 ClassroomWindow({387, 120}, QStringLiteral("Koniec pracy"), {}));
}

void PaintUserWindows(PictureFolder& folder, int language) {
  const QString dir = LangDir(language) + QStringLiteral("gfx_r\\");
  folder.SaveBmp(dir + QStringLiteral("logowanie.bmp"), LoginWindow(language));
  folder.SaveBmp(dir + QStringLiteral("logow_new.bmp"), NewUserWindow(language));
  folder.SaveBmp(dir + QStringLiteral("koniec.bmp"), QuitWindow(language));
}

}  // namespace tess::demo
