#pragma once
// The matching-pairs window: two columns of framed labels joined by short lines, and the check
// button. The rules are MatchingPairs'; this places and colours the labels and forwards the
// clicks.
#include <QFrame>
#include <array>

#include "exercises/ExerciseWindow.h"
#include "exercises/MatchingPairs.h"

namespace tess {

class MatchingPairsWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  static constexpr int kLabels = MatchingPairs::kMaxPairs;

  explicit MatchingPairsWindow(ExerciseServices& services, QWidget* parent = nullptr);

  const MatchingPairs& Exercise() const { return exercise_; }

  std::array<HoverLabel*, kLabels> lbl_L{};  ///< left labels, by label number
  std::array<HoverLabel*, kLabels> lbl_P{};  ///< right labels, by label number
  std::array<QFrame*, kLabels> Shape{};      ///< connector of each row
  std::array<QFrame*, 2 * kLabels> shp{};    ///< frames: the left column's rows, then the right's
  SkinButton* btn_ok;

  /// A click on label n of a column (shared by all labels of the column).
  void LabelClick(PairColumn column, int n);
  void btn_OKClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;

 private:
  /// Puts every label where the exercise says, with its text and colour.
  void SyncLabels();
  HoverLabel* LabelWidget(PairColumn column, int n) const;

  MatchingPairs exercise_;
  int loads_ = 0;  ///< counts loads, so a pairing that waited across one is dropped
};

}  // namespace tess
