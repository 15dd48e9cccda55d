#pragma once
// The true-or-false window: the two box columns under their headings, the statements beside
// them and the check button. The rules are TrueFalse's; this paints and forwards.
#include <QPixmap>
#include <vector>

#include "exercises/ExerciseWindow.h"
#include "exercises/TrueFalse.h"
#include "widgets/Accessibility.h"

class QScrollArea;

namespace tess {

class TrueFalseWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  /// `pb_tresc` reaches this far left of the content, so the marks beside the boxes show.
  static constexpr int kMarkMargin = 4;

  explicit TrueFalseWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const TrueFalse& Exercise() const { return exercise_; }

  /// Scrolls the content when the statements are longer than the window has room for.
  QScrollArea* sb_tresc;
  PaintBox* pb_tresc;
  SkinButton* btn_ok;
  QPixmap img_normal;
  QPixmap img_checked;
  QPixmap img_bad;
  QPixmap tmp_wykrzykniczek;

  void pb_trescPaint(QPainter& painter);
  void pb_trescMouseMove(QPoint point);
  void pb_trescMouseDown(QPoint point);
  void btn_okClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;

 private:
  /// What screen readers are told of the content box, as it is painted now.
  std::vector<PaintedRow> ContentRows() const;
  const QPixmap& BoxPicture(StatementBox box) const;
  /// Lays the content out for its width (the first time, the boxes are placed).
  std::vector<StatementDrawItem> LayOut();
  static QPoint ContentPoint(QPoint boxPoint) { return boxPoint - QPoint(kMarkMargin, 0); }

  TrueFalse exercise_;
};

}  // namespace tess
