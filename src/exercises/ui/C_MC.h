#pragma once
// The multiple-choice window: the questions of the content box with their tick boxes, the
// check button and the scroll arrows. The rules are McExercise's; this paints and forwards.
#include <QPixmap>

#include "exercises/C_MC_Logic.h"
#include "exercises/ui/ExerciseForm.h"

namespace tess {

class TFCSImage1;

class TC_MC_Form : public TExerciseForm {
  Q_OBJECT
 public:
  explicit TC_MC_Form(ExerciseServices& services, QWidget* parent = nullptr);

  const McExercise& Exercise() const { return exercise_; }

  TPaintBox* pb_tresc;
  TTransparentButton* btn_ok;
  TFCSImage1* btn_up;
  TFCSImage1* btn_dn;
  QPixmap img_normal;
  QPixmap img_checked;
  QPixmap img_bad;
  QPixmap tmp_wykrzykniczek;

  void pb_trescPaint(QPainter& painter);
  void pb_trescMouseMove(QPoint point);
  void pb_trescMouseDown(QPoint point);
  void btn_okClick();
  void btn_upClick();
  void btn_dnClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;

 private:
  void SyncScrollButtons();

  McExercise exercise_;
};

}  // namespace tess
