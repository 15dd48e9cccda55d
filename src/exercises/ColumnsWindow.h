#pragma once
// The columns window: the table painted over the window's left part, one draggable label per
// word, the marks the check leaves in the cells with their hints, and the check button. The
// rules are Columns'; this moves labels and paints the table.
#include <QPixmap>
#include <array>
#include <vector>

#include "exercises/Columns.h"
#include "exercises/ExerciseWindow.h"
#include "widgets/Accessibility.h"

namespace tess {

class DragLabels;
struct KeyPlace;

class ColumnsWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  explicit ColumnsWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const Columns& Exercise() const { return exercise_; }

  PaintBox* PaintBox2;
  std::array<QLabel*, Columns::kMaxWords> lbl{};  ///< lbl_1..lbl_40, the words
  SkinButton* btn_ok;
  QPixmap tmp_wykrzykniczek;

  void PaintBox2Paint(QPainter& painter);
  /// The pointer over the table: a mark's hint and the hand, elsewhere neither.
  void PaintBox2MouseMove(QPoint at);
  void btn_okClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;

 private:
  /// Where a word can go by keys: the drop points of the exercise's places.
  std::vector<KeyPlace> KeyPlaces(int k);
  /// What screen readers are told of the table: the headings with their words, the marks.
  std::vector<PaintedRow> TableRows() const;

  Columns exercise_;
  DragLabels* labels_ = nullptr;
};

}  // namespace tess
