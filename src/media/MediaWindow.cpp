#include "media/MediaWindow.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/MediaPlayer.h"
#include "widgets/Palette.h"
#include "widgets/WindowDragHandle.h"

namespace tess {

namespace {

constexpr int kTimerMs = 100;

QFont PixelFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QRect ToRect(const MediaRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

QString Clock(std::int64_t ms) {
  const std::int64_t seconds = ms / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The title strip behind the title and the close label.
QPixmap StripPicture(int width) {
  QPixmap strip(width, 18);
  strip.fill(palette::kNavyPanel);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kTeal);
  p.drawRoundedRect(QRectF(6, 4, 3, 10), 1.5, 1.5);
  p.fillRect(QRect(0, 17, width, 1), palette::kNavyEdge);
  return strip;
}

}  // namespace

MediaButton::MediaButton(Glyph glyph, QWidget* parent, int number)
    : Clickable(parent), glyph_(glyph), number_(number) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void MediaButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool mark = glyph_ == GlyphMark;
  QColor fill = mark ? palette::kSand : palette::kTeal;
  if (Hovered()) fill = fill.lighter(mark ? 104 : 118);
  if (Held() && Hovered()) fill = fill.darker(112);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(face, 5, 5);
  if (Hovered()) {
    p.setPen(QPen(palette::kWhite, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
  }

  const QPointF c = face.center();
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kWhite);
  switch (glyph_) {
    case GlyphPlay: {
      QPainterPath triangle;
      triangle.moveTo(c.x() - 4, c.y() - 6);
      triangle.lineTo(c.x() + 6, c.y());
      triangle.lineTo(c.x() - 4, c.y() + 6);
      triangle.closeSubpath();
      p.drawPath(triangle);
      break;
    }
    case GlyphPause:
      p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 6, 3.5, 12), 1, 1);
      p.drawRoundedRect(QRectF(c.x() + 1.5, c.y() - 6, 3.5, 12), 1, 1);
      break;
    case GlyphStop:
      p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), 1.5, 1.5);
      break;
    case GlyphMark:
      // A small flag over the mark's number.
      p.setBrush(palette::kTeal);
      p.drawRect(QRectF(c.x() - 4, face.top() + 4, 1.5, 8));
      p.drawPolygon(
          QPolygonF({QPointF(c.x() - 2.5, face.top() + 4), QPointF(c.x() + 5, face.top() + 6.5),
                     QPointF(c.x() - 2.5, face.top() + 9)}));
      p.setPen(palette::kNavy);
      p.setFont(PixelFont(13, true));
      p.drawText(QRectF(face.left(), face.top() + 11, face.width(), face.height() - 12),
                 Qt::AlignCenter, QString::number(number_));
      break;
  }
}

MediaShape::MediaShape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setCursor(Qt::PointingHandCursor);
}

void MediaShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == TrackShape) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  } else {
    p.setPen(QPen(palette::kTeal, 1));
    p.setBrush(palette::kWhite);
    p.drawRoundedRect(r, 2.5, 2.5);
  }
}

void MediaShape::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT Pressed(event->position().toPoint().x());
}

MediaWindow::MediaWindow(FilmPlayer& player, MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      player_(player),
      logic_(player, messages) {
  setObjectName(QStringLiteral("MultimediaForm"));
  setWindowTitle(QStringLiteral("Film"));
  setAttribute(Qt::WA_ShowWithoutActivating);

  img_up = new QLabel(this);
  Label1 = new QLabel(QStringLiteral("Film"), this);
  Label1->setFont(PixelFont(12, true));
  Label1->setStyleSheet(QStringLiteral("color: white; padding-left: 14px;"));
  WindowDragHandle::Install(Label1);
  btn_zamknij = new QLabel(QStringLiteral("✕"), this);
  btn_zamknij->setAlignment(Qt::AlignCenter);
  btn_zamknij->setFont(PixelFont(13, true));
  btn_zamknij->setStyleSheet(QStringLiteral("color: white;"));
  btn_zamknij->setCursor(Qt::PointingHandCursor);
  btn_zamknij->installEventFilter(this);

  Panel1 = new QWidget(this);
  Panel1->setAutoFillBackground(true);
  QPalette black = Panel1->palette();
  black.setColor(QPalette::Window, Qt::black);
  Panel1->setPalette(black);

  btn_play = new MediaButton(MediaButton::GlyphPlay, this);
  btn_stop = new MediaButton(MediaButton::GlyphStop, this);
  btn_pause = new MediaButton(MediaButton::GlyphPause, this);
  SHAPE1 = new MediaShape(MediaShape::TrackShape, this);
  Shape2 = new MediaShape(MediaShape::KnobShape, this);
  mark_1 = new MediaButton(MediaButton::GlyphMark, this, 1);
  mark_2 = new MediaButton(MediaButton::GlyphMark, this, 2);
  mark_3 = new MediaButton(MediaButton::GlyphMark, this, 3);
  mark_4 = new MediaButton(MediaButton::GlyphMark, this, 4);
  marks_ = {mark_1, mark_2, mark_3, mark_4};
  lbl_czas = new QLabel(this);
  lbl_czas->setFont(PixelFont(10, false));
  lbl_czas->setStyleSheet(palette::Styled(QStringLiteral("color: {tealOnNavy};")));
  lbl_czas->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  btn_play->setToolTip(QStringLiteral("Odtwórz"));
  btn_stop->setToolTip(QStringLiteral("Zatrzymaj"));
  btn_pause->setToolTip(QStringLiteral("Pauza"));

  Timer1.setInterval(kTimerMs);
  connect(&Timer1, &QTimer::timeout, this, [this] {
    logic_.TimerTick();
    UpdateKnob();
  });
  connect(btn_play, &MediaButton::Click, this, [this] {
    logic_.PlayClicked();
    Sync();
  });
  connect(btn_pause, &MediaButton::Click, this, [this] {
    logic_.PauseClicked();
    Sync();
  });
  connect(btn_stop, &MediaButton::Click, this, [this] {
    logic_.StopClicked();
    Sync();
  });
  connect(SHAPE1, &MediaShape::Pressed, this, [this](int x) {
    logic_.TrackPressed(x);
    Sync();
  });
  connect(Shape2, &MediaShape::Pressed, this, [this](int x) {
    logic_.TrackPressed(x + Shape2->x() - SHAPE1->x());
    Sync();
  });
  for (int k = 0; k < kJumpMarks; ++k) {
    connect(marks_[k], &MediaButton::Click, this, [this, k] {
      logic_.MarkClicked(k + 1);
      Sync();
    });
  }
  logic_.AttachDisplay = [this](bool attach) { player_.SetDisplay(attach ? Panel1 : nullptr); };
  ApplyLayout();
}

void MediaWindow::ShowMediaWindow(int kind, const std::string& path, int l1, int l2) {
  if (!logic_.Open(kind, path)) {
    // The window stays closed, also when it showed another file before.
    CloseMediaWindow();
    return;
  }
  ApplyLayout();
  const QPoint main = mainWindow_ ? mainWindow_->pos() : QPoint(0, 0);
  const auto origin = MediaWindowOrigin(main.x(), main.y(), l1, l2);
  move(origin[0], origin[1]);
  show();
  raise();
  Sync();
}

void MediaWindow::CloseMediaWindow() {
  logic_.CloseClicked();
  Sync();
  hide();
}

void MediaWindow::ApplyLayout() {
  const MediaLayout& layout = logic_.Layout;
  setFixedSize(layout.Width, layout.Height);
  img_up->setGeometry(0, 0, layout.Width, layout.Title.Height);
  img_up->setPixmap(StripPicture(layout.Width));
  Label1->setGeometry(ToRect(layout.Title));
  btn_zamknij->setGeometry(ToRect(layout.Close));
  for (QWidget* strip : {static_cast<QWidget*>(img_up), static_cast<QWidget*>(Label1),
                         static_cast<QWidget*>(btn_zamknij)}) {
    strip->setVisible(layout.TitleShown);
  }
  Panel1->setGeometry(ToRect(layout.Panel));
  Panel1->setVisible(layout.PanelShown);
  btn_play->setGeometry(ToRect(layout.Play));
  btn_stop->setGeometry(ToRect(layout.Stop));
  btn_pause->setGeometry(ToRect(layout.Pause));
  SHAPE1->setGeometry(ToRect(layout.Track));
  Shape2->setGeometry(ToRect(layout.Knob));
  Shape2->raise();
  lbl_czas->setGeometry(layout.Track.Left, layout.Track.Top + layout.Track.Height + 3,
                        layout.Track.Width, 13);
  for (int k = 0; k < kJumpMarks; ++k) {
    marks_[k]->setGeometry(ToRect(layout.Marks[k]));
    marks_[k]->setVisible(logic_.MarkShown[k]);
    if (logic_.JumpTimes[k] >= 0) marks_[k]->setToolTip(Clock(logic_.JumpTimes[k]));
  }
  UpdateKnob();
  update();
}

void MediaWindow::Sync() {
  if (logic_.TimerRunning && !Timer1.isActive()) Timer1.start();
  if (!logic_.TimerRunning) Timer1.stop();
  logic_.TimerTick();
  UpdateKnob();
}

void MediaWindow::UpdateKnob() {
  Shape2->move(logic_.KnobLeft, logic_.Layout.Knob.Top);
  const std::int64_t length = player_.LengthMs();
  lbl_czas->setText(length > 0 ? Clock(player_.PositionMs()) + QStringLiteral(" / ") + Clock(length)
                               : QString());
}

bool MediaWindow::event(QEvent* event) {
  // Every shortcut key pressed in the window is swallowed.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress ||
      event->type() == QEvent::KeyRelease) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

bool MediaWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == btn_zamknij && event->type() == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) CloseMediaWindow();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MediaWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette::kNavy);
  p.setPen(QPen(palette::kNavyEdge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MediaWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (logic_.MediaShown) logic_.Reshown();
  Sync();
}

void MediaWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  logic_.Hidden();
  Sync();
}

}  // namespace tess
