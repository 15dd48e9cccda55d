#pragma once
// The true-or-false window: the two box columns under their headings, the statements beside
// them and the check button. The rules are TfExercise's; this paints and forwards.
#include <QPixmap>

#include "exercises/C_TF_Logic.h"
#include "exercises/ui/ExerciseForm.h"

namespace tess {

class TC_TF_Form : public TExerciseForm {
  Q_OBJECT
 public:
  explicit TC_TF_Form(ExerciseServices& services, QWidget* parent = nullptr);

  const TfExercise& Exercise() const { return exercise_; }

  TPaintBox* pb_tresc;
  TTransparentButton* btn_ok;
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
  const QPixmap& BoxPicture(TfBox box) const;

  TfExercise exercise_;
};

}  // namespace tess
