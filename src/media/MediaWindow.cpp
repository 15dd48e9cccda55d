#include "media/MediaWindow.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "platform/MediaPlayer.h"
#include "widgets/Accessibility.h"
#include "widgets/Palette.h"
#include "widgets/WindowDragHandle.h"

namespace tess {

namespace {

constexpr int kTimerMs = 100;
// Closer than this to B the loop is checked on time rather than by the progress timer.
constexpr int kLoopCheckFloorMs = 10;
constexpr std::int64_t kArrowStepMs = 5000;  // how far the arrow keys move

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

void MediaButton::SetNumber(int number) {
  if (number == number_) return;
  number_ = number;
  update();
}

void MediaButton::SetLit(bool lit) {
  if (lit == lit_) return;
  lit_ = lit;
  update();
}

// The loop's buttons: a letter, or a cross for clearing, on a quiet face (coral while lit).
void MediaButton::PaintLoop(QPainter& p, const QRectF& face) {
  QColor fill = lit_ ? palette::kCoral : palette::kNavyPanel;
  if (Hovered()) fill = fill.lighter(118);
  if (Held() && Hovered()) fill = fill.darker(112);
  p.setPen(QPen(lit_ ? palette::kCoral : palette::kTealOnNavy, 1));
  p.setBrush(fill);
  const qreal radius = std::min<qreal>(5, face.height() / 3);
  p.drawRoundedRect(face, radius, radius);
  const QPointF c = face.center();
  if (glyph_ == GlyphTempo) {
    // A narrow button shows the figure alone.
    const bool wide = face.width() >= 30;
    p.setPen(palette::kWhite);
    p.setFont(PixelFont(wide ? 11 : 9, true));
    p.drawText(face, Qt::AlignCenter,
               wide ? QStringLiteral("%1 %").arg(number_) : QString::number(number_));
    return;
  }
  if (glyph_ == GlyphLoopClear) {
    const qreal arm = std::min(face.width(), face.height()) / 5;
    p.setPen(QPen(palette::kWhite, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - arm, c.y() - arm), QPointF(c.x() + arm, c.y() + arm));
    p.drawLine(QPointF(c.x() - arm, c.y() + arm), QPointF(c.x() + arm, c.y() - arm));
    return;
  }
  p.setPen(palette::kWhite);
  p.setFont(PixelFont(std::max(9, static_cast<int>(face.height() * 0.45)), true));
  p.drawText(face, Qt::AlignCenter,
             glyph_ == GlyphLoopA ? QStringLiteral("A") : QStringLiteral("B"));
}

void MediaButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (glyph_ == GlyphLoopA || glyph_ == GlyphLoopB || glyph_ == GlyphLoopClear ||
      glyph_ == GlyphTempo) {
    PaintLoop(p, face);
    return;
  }
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
    case GlyphLoopA:
    case GlyphLoopB:
    case GlyphLoopClear:
    case GlyphTempo:
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

void MediaShape::SetStretch(int from, int to) {
  if (from == from_ && to == to_) return;
  from_ = from;
  to_ = to;
  update();
}

void MediaShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == TrackShape) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    if (from_ >= 0) {
      p.setBrush(palette::kCoral);
      const qreal right = to_ >= 0 ? to_ + 1 : from_ + 2;
      p.drawRect(QRectF(from_, 0, std::max<qreal>(2, right - from_), height()));
    }
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
  btn_zamknij->setAccessibleName(QStringLiteral("Zamknij"));
  ExposeButton(*btn_zamknij, [this] { CloseMediaWindow(); });

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
  SHAPE1->setAccessibleName(QStringLiteral("Pasek postępu"));
  SHAPE1->setAccessibleDescription(
      QStringLiteral("Strzałki w lewo i w prawo przewijają o 5 sekund"));
  ExposeSlider(
      *SHAPE1,
      [this] {
        return SliderValues{static_cast<double>(player_.PositionMs() / 1000), 0,
                            static_cast<double>(player_.LengthMs() / 1000), kArrowStepMs / 1000.0,
                            lbl_czas->text()};
      },
      [this](double seconds) {
        logic_.SeekBy(static_cast<std::int64_t>(seconds * 1000) - player_.PositionMs());
        Sync();
      });
  mark_1 = new MediaButton(MediaButton::GlyphMark, this, 1);
  mark_2 = new MediaButton(MediaButton::GlyphMark, this, 2);
  mark_3 = new MediaButton(MediaButton::GlyphMark, this, 3);
  mark_4 = new MediaButton(MediaButton::GlyphMark, this, 4);
  marks_ = {mark_1, mark_2, mark_3, mark_4};
  // A mark's hint is the time it jumps to; its name says which mark it is.
  for (size_t k = 0; k < marks_.size(); ++k) {
    marks_[k]->setAccessibleName(QStringLiteral("Znacznik %1").arg(k + 1));
  }
  lbl_czas = new QLabel(this);
  lbl_czas->setFont(PixelFont(10, false));
  lbl_czas->setStyleSheet(palette::Styled(QStringLiteral("color: {tealOnNavy};")));
  lbl_czas->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  btn_play->setToolTip(QStringLiteral("Odtwórz"));
  btn_stop->setToolTip(QStringLiteral("Zatrzymaj"));
  btn_pause->setToolTip(QStringLiteral("Pauza"));

  btn_loopA = new MediaButton(MediaButton::GlyphLoopA, this);
  btn_loopA->setObjectName(QStringLiteral("btn_loopA"));
  btn_loopA->setToolTip(QStringLiteral("Początek powtarzanego fragmentu (klawisz A)"));
  btn_loopA->setAccessibleName(QStringLiteral("Początek powtarzanego fragmentu"));
  btn_loopB = new MediaButton(MediaButton::GlyphLoopB, this);
  btn_loopB->setObjectName(QStringLiteral("btn_loopB"));
  btn_loopB->setToolTip(
      QStringLiteral("Koniec fragmentu: od tej chwili odtwarzany w kółko (klawisz B)"));
  btn_loopB->setAccessibleName(QStringLiteral("Koniec fragmentu"));
  btn_loopClear = new MediaButton(MediaButton::GlyphLoopClear, this);
  btn_loopClear->setObjectName(QStringLiteral("btn_loopClear"));
  btn_loopClear->setToolTip(QStringLiteral("Usuń znaczniki A i B (klawisz Delete)"));
  btn_loopClear->setAccessibleName(QStringLiteral("Usuń znaczniki A i B"));
  connect(btn_loopA, &MediaButton::Click, this, [this] { LoopKey(Qt::Key_A); });
  connect(btn_loopB, &MediaButton::Click, this, [this] { LoopKey(Qt::Key_B); });
  connect(btn_loopClear, &MediaButton::Click, this, [this] { LoopKey(Qt::Key_Delete); });
  btn_tempo = new MediaButton(MediaButton::GlyphTempo, this, 100);
  btn_tempo->setObjectName(QStringLiteral("btn_tempo"));
  connect(btn_tempo, &MediaButton::Click, this, [this] { LoopKey(Qt::Key_T); });
  UpdateTempo();
  loopCheck_.setSingleShot(true);
  connect(&loopCheck_, &QTimer::timeout, this, [this] {
    logic_.TimerTick();
    UpdateKnob();
  });

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
  UpdateTempo();
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
  lbl_czas->setGeometry(ToRect(layout.Time));
  btn_loopA->setGeometry(ToRect(layout.LoopA));
  btn_loopB->setGeometry(ToRect(layout.LoopB));
  btn_loopClear->setGeometry(ToRect(layout.LoopClear));
  btn_tempo->setGeometry(ToRect(layout.Tempo));
  // Films are slowed at the same pitch as recordings are.
  btn_tempo->setVisible(true);
  // The recording bar's time shares its row with the pace button.
  lbl_czas->setFont(PixelFont(logic_.Kind == kMediaFilm ? 10 : 9, false));
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
  const QString separator = logic_.Kind == kMediaFilm ? QStringLiteral(" / ") : QStringLiteral("/");
  const QString time =
      length > 0 ? Clock(player_.PositionMs()) + separator + Clock(length) : QString();
  if (time != lbl_czas->text()) {
    lbl_czas->setText(time);
    SliderMoved(*SHAPE1);
  }
  UpdateLoop();
}

void MediaWindow::UpdateLoop() {
  const PhraseLoop& loop = logic_.Loop;
  btn_loopA->SetLit(loop.HasA());
  btn_loopB->SetLit(loop.HasB());
  const int from = loop.HasA() ? logic_.TrackX(loop.A()) : -1;
  const int to = loop.HasB() ? logic_.TrackX(loop.B()) : -1;
  if (from != SHAPE1->StretchFrom() || to != SHAPE1->StretchTo()) {
    SHAPE1->SetStretch(from, to);
    update();  // the marks' ticks beside the track
  }
  const std::int64_t left =
      player_.State() == PlayerState::Playing ? loop.MsUntilB(player_.PositionMs()) : -1;
  if (left >= 0 && left < kTimerMs) {
    loopCheck_.start(static_cast<int>(std::max<std::int64_t>(left, kLoopCheckFloorMs)));
  } else {
    loopCheck_.stop();
  }
}

bool MediaWindow::LoopKey(int key) {
  switch (key) {
    case Qt::Key_A:
    case Qt::Key_BracketLeft:
      logic_.LoopAClicked();
      break;
    case Qt::Key_B:
    case Qt::Key_BracketRight:
      logic_.LoopBClicked();
      break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      logic_.LoopClearClicked();
      break;
    case Qt::Key_T:
      logic_.TempoClicked();
      UpdateTempo();
      break;
    case Qt::Key_Left:
      logic_.SeekBy(-kArrowStepMs);
      break;
    case Qt::Key_Right:
      logic_.SeekBy(kArrowStepMs);
      break;
    default:
      return false;
  }
  Sync();
  return true;
}

void MediaWindow::UpdateTempo() {
  const int percent = logic_.TempoPercent;
  btn_tempo->SetNumber(percent);
  btn_tempo->SetLit(percent != 100);
  const QString hint = QStringLiteral("Tempo mowy: %1 % (klawisz T)").arg(percent);
  btn_tempo->setToolTip(hint);
  btn_tempo->setAccessibleName(QStringLiteral("Tempo mowy: %1 %").arg(percent));
}

bool MediaWindow::event(QEvent* event) {
  // Every shortcut key pressed in the window is swallowed.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress ||
      event->type() == QEvent::KeyRelease) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
      if (!key->isAutoRepeat() && (key->modifiers() & chords) == 0) LoopKey(key->key());
    }
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
  // The loop's marks stand out above and below the track.
  const QRect track = SHAPE1->geometry();
  for (const int x : {SHAPE1->StretchFrom(), SHAPE1->StretchTo()}) {
    if (x < 0) continue;
    p.fillRect(QRect(track.left() + x, track.top() - 3, 2, track.height() + 6), palette::kCoral);
  }
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
