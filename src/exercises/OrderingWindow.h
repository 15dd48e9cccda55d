#pragma once
// The ordering window: the column of rows, one draggable label per item, the marks the check
// leaves beside wrong rows and the check button. The rules are Ordering's; this moves labels
// and paints the column.
#include <QPixmap>
#include <array>
#include <vector>

#include "exercises/ExerciseWindow.h"
#include "exercises/Ordering.h"

namespace tess {

class DragLabels;
struct KeyPlace;

class OrderingWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  explicit OrderingWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const Ordering& Exercise() const { return exercise_; }

  PaintBox* PaintBox2;
  std::array<QLabel*, Ordering::kMaxItems> lbl{};  ///< lbl_1..lbl_14, the items
  std::array<QLabel*, Ordering::kMaxItems> img{};  ///< img_1..img_14, marks beside the rows
  SkinButton* btn_ok;
  QPixmap tmp_wykrzykniczek;

  void PaintBox2Paint(QPainter& painter);
  void btn_okClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;
  void hideEvent(QHideEvent* event) override;

 private:
  /// Where a word can go by keys: the drop points of the exercise's places.
  std::vector<KeyPlace> KeyPlaces(int k);

  void HideMarks();

  Ordering exercise_;
  DragLabels* labels_ = nullptr;
};

}  // namespace tess
