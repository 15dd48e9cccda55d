#pragma once
// The media window: a small borderless window above the course windows that plays the film
// or the recording of an exercise text, with jump marks and a progress track. Its rules live
// in MediaWindowLogic; this widget places the controls and forwards their events.
#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>

#include "media/MediaWindowLogic.h"
#include "widgets/Clickable.h"

class QPainter;
class QRectF;

namespace tess {

class FilmPlayer;
class MessageBox;

/// A small button drawn in the look of the course: a glyph on a teal face, the number of a
/// jump mark on a sand face, or a loop mark (A, B, clear) or the pace in percent on a quiet
/// face that turns coral while its mark stands or the pace is slowed.
class MediaButton : public Clickable {
  Q_OBJECT
 public:
  enum Glyph {
    GlyphPlay,
    GlyphPause,
    GlyphStop,
    GlyphMark,
    GlyphLoopA,
    GlyphLoopB,
    GlyphLoopClear,
    GlyphTempo
  };
  MediaButton(Glyph glyph, QWidget* parent, int number = 0);
  void SetLit(bool lit);
  bool Lit() const { return lit_; }
  /// The figure a pace button shows.
  void SetNumber(int number);
  int Number() const { return number_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void OnEnter() override { update(); }
  void OnLeave() override { update(); }
  void OnPress() override { update(); }
  void OnRelease() override { update(); }

 private:
  void PaintLoop(QPainter& p, const QRectF& face);

  Glyph glyph_;
  int number_;
  bool lit_ = false;
};

/// A plain shape that reports where it was pressed (the track and its knob).
class MediaShape : public QWidget {
  Q_OBJECT
 public:
  enum Kind { TrackShape, KnobShape };
  MediaShape(Kind kind, QWidget* parent);
  /// The track's loop stretch in its own pixels; `to` -1 while only A stands, `from` -1 for
  /// none.
  void SetStretch(int from, int to);
  int StretchFrom() const { return from_; }
  int StretchTo() const { return to_; }

 Q_SIGNALS:
  void Pressed(int x);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Kind kind_;
  int from_ = -1;
  int to_ = -1;
};

class MediaWindow : public QWidget {
  Q_OBJECT
 public:
  MediaWindow(FilmPlayer& player, MessageBox& messages, QWidget* parent = nullptr);

  /// Opens the window on a film (kind 1) or a recording (kind 2) at the main window's
  /// top-left plus the exercise's film-button values L1 and L2 (10 where -1).
  void ShowMediaWindow(int kind, const std::string& path, int l1 = -1, int l2 = -1);
  /// As the close label: the player stops, the window hides and no longer counts as open.
  void CloseMediaWindow();
  /// The window its position is taken from.
  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

  /// Set by the lesson chooser from the text's header (JumpTimesFromHeader).
  void SetJumpTimes(const std::array<int, kJumpMarks>& times) { logic_.JumpTimes = times; }
  /// The window is open (the help window shows it again after its own showing when true).
  bool MediaShown() const { return logic_.MediaShown; }
  MediaWindowLogic& Logic() { return logic_; }
  /// Runs when B is nearer than the next progress tick.
  const QTimer& LoopCheck() const { return loopCheck_; }

  QLabel* img_up;
  QLabel* Label1;
  QLabel* btn_zamknij;
  QWidget* Panel1;
  MediaButton* btn_play;
  MediaButton* btn_stop;
  MediaButton* btn_pause;
  MediaShape* SHAPE1;
  MediaShape* Shape2;
  MediaButton* mark_1;
  MediaButton* mark_2;
  MediaButton* mark_3;
  MediaButton* mark_4;
  QLabel* lbl_czas;            ///< position and length, under the track
  MediaButton* btn_loopA;      ///< the loop's start: key A or [
  MediaButton* btn_loopB;      ///< its end: key B or ]
  MediaButton* btn_loopClear;  ///< no loop: key Delete or Backspace
  MediaButton* btn_tempo;      ///< the pace, 100 % to 55 %: key T
  QTimer Timer1;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ApplyLayout();
  /// The timer runs exactly when the logic says so; the knob follows the position.
  void Sync();
  void UpdateKnob();
  /// The loop's buttons and stretch as the marks stand, and a check just when B comes.
  void UpdateLoop();
  /// A key of the loop or the pace; false for every other key.
  bool LoopKey(int key);
  void UpdateTempo();

  FilmPlayer& player_;
  MediaWindowLogic logic_;
  std::array<MediaButton*, kJumpMarks> marks_{};
  // The progress timer is too coarse to leave a stretch at its B.
  QTimer loopCheck_;
  QPointer<QWidget> mainWindow_;
};

}  // namespace tess
