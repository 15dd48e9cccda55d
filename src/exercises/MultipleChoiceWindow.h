#pragma once
// The multiple-choice window: the questions of the content box with their tick boxes, the
// check button and the scroll arrows. The rules are MultipleChoice's; this paints and forwards.
#include <QPixmap>
#include <vector>

#include "exercises/ExerciseWindow.h"
#include "exercises/MultipleChoice.h"
#include "widgets/Accessibility.h"

namespace tess {

class RepeatButton;

class MultipleChoiceWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  explicit MultipleChoiceWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const MultipleChoice& Exercise() const { return exercise_; }

  PaintBox* pb_tresc;
  SkinButton* btn_ok;
  RepeatButton* btn_up;
  RepeatButton* btn_dn;
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
  /// What screen readers are told of the content box, as it is painted now.
  std::vector<PaintedRow> ContentRows() const;
  void SyncScrollButtons();

  MultipleChoice exercise_;
};

}  // namespace tess
