#pragma once
// The true-or-false window: the two box columns under their headings, the statements beside
// them and the check button. The rules are TrueFalse's; this paints and forwards.
#include <QPixmap>

#include "exercises/ExerciseWindow.h"
#include "exercises/TrueFalse.h"

namespace tess {

class TrueFalseWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  explicit TrueFalseWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const TrueFalse& Exercise() const { return exercise_; }

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
  const QPixmap& BoxPicture(StatementBox box) const;

  TrueFalse exercise_;
};

}  // namespace tess
