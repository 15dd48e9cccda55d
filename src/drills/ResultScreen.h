#pragma once
// The result screen of the sentences and comprehension drills: four figures the caller puts
// in, finish or back to the drill. Created once and reused.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "drills/ResultFigures.h"

namespace tess {

struct CourseState;
class ModalShower;
class PictureLoader;
class SkinButton;
class SkinStrips;

struct ResultScreenServices {
  const CourseState& State;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  ModalShower& Modal;
  /// F1: the help window on a page (full path, with its anchor).
  std::function<void(const std::string& page)> ShowHelpPage;
  /// The information window, modal, with a text (cp1250).
  std::function<void(const std::string& text)> ShowInformation;
};

class ResultScreen : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFinish = 1;
  static constexpr int kBack = 0;

  explicit ResultScreen(ResultScreenServices services, QWidget* parent = nullptr);

  /// Shows the figures modally and gives the learner's choice: kFinish or kBack. Without
  /// `offerReturn` there is no way back, but Enter and Esc still give kBack.
  int ShowFigures(const ResultFigures& figures, bool offerReturn);
  int Tag() const { return tag_; }

  QLabel* Image1;
  std::array<QLabel*, 4> Stat{};  ///< l_Stat1, L_Stat2, L_Stat3, L_stat4
  SkinButton* B_OK;
  SkinButton* K_wroc;
  SkinButton* btn_help;

  void B_OKClick();
  void K_wrocClick();
  void btn_helpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool KeyPressed(int key);

  ResultScreenServices services_;
  int tag_ = kBack;
};

}  // namespace tess
