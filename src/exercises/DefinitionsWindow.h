#pragma once
// The definitions window: the pool of draggable word labels, a box and a dash before each
// definition, the definitions painted in `DxRamka`, the marks the check leaves on wrong boxes
// (their hints stay up 20 seconds) and the check button. The rules are Definitions'; this
// moves labels and paints the definitions.
#include <QPixmap>
#include <array>
#include <vector>

#include "exercises/Definitions.h"
#include "exercises/ExerciseWindow.h"
#include "widgets/Accessibility.h"

class QFrame;

namespace tess {

class DragLabels;
struct KeyPlace;

class DefinitionsWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  static constexpr int kHintShowMs = 20000;

  explicit DefinitionsWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const Definitions& Exercise() const { return exercise_; }

  PaintBox* DxRamka;
  std::array<QLabel*, Definitions::kMaxPairs> lbl{};    ///< lbl_1..lbl_12, the words
  std::array<QLabel*, Definitions::kMaxPairs> podkl{};  ///< podkl_1..podkl_12, the boxes
  std::array<QFrame*, Definitions::kMaxPairs> mys{};    ///< mys_1..mys_12, the dashes
  std::array<QLabel*, Definitions::kMaxPairs> img{};    ///< img_1..img_12, marks on the boxes
  SkinButton* btn_sprawdz;
  QPixmap tmp_wykrzykniczek;

  void DxRamkaPaint(QPainter& painter);
  void btn_sprawdzClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;
  void hideEvent(QHideEvent* event) override;

 private:
  /// Where a word can go by keys: the drop points of the exercise's places.
  std::vector<KeyPlace> KeyPlaces(int k);
  /// What screen readers are told of the definitions.
  std::vector<PaintedRow> DefinitionRows() const;

  void HideMarks();

  Definitions exercise_;
  DragLabels* labels_ = nullptr;
};

}  // namespace tess
