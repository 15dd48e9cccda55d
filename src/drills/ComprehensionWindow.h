#pragma once
// The comprehension window: the background, the instruction, three clickable pictures, the
// two texts of the item, replay, next, exit and the right and wrong marks. ComprehensionDrill
// decides; this window paints, plays each item's recording on the shared player, holds the
// pause after a wrong click and hands the tally to the result screen when it closes.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "drills/ComprehensionDrill.h"
#include "drills/ResultFigures.h"
#include "widgets/HoverLabel.h"

namespace tess {

struct CourseCatalogue;
struct CourseState;
class Clock;
class MessageBox;
class PictureLoader;
class RandomSource;
class ResultReporter;
class ResultsStore;
class SkinButton;
class SkinStrips;
class SoundService;
class WindowKeys;

/// What the window reaches besides its own controls. The result name of the exercise is the
/// store's CurrentResultName ("rpg_" + number), set by the chooser before showing.
struct ComprehensionServices {
  CourseState& State;
  const CourseCatalogue& Catalogue;
  ResultsStore& Results;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  SoundService& Sound;
  Clock& Time;
  RandomSource& Random;
  /// The message window (modal).
  MessageBox& Messages;
  /// Told about recorded results in classroom mode; none in local mode.
  ResultReporter* Reporter = nullptr;
  /// The result screen, modal; returns its tag (1 finish, 0 back).
  std::function<int(const ResultFigures& figures, bool offerReturn)> ShowResultScreen;
  /// F1: the help window on a page (full path, with its anchor).
  std::function<void(const std::string& page)> ShowHelpPage;
  /// The window was closed by the learner.
  std::function<void()> Closed;
};

class ComprehensionWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWrongPauseMs = 1500;

  explicit ComprehensionWindow(ComprehensionServices services, QWidget* parent = nullptr);
  ~ComprehensionWindow() override;

  /// Prepares comprehension exercise n and shows the window on its first item; false (after
  /// its message) when the exercise cannot be opened.
  bool ShowComprehension(int exerciseNumber);
  /// The classroom session that hears of every recorded result; none in local mode.
  void SetReporter(ResultReporter* reporter) { services_.Reporter = reporter; }
  const ComprehensionDrill& Drill() const { return drill_; }

  QLabel* img_tlo;
  QLabel* lbl_polecenie;
  std::array<HoverLabel*, 3> img{};  ///< img_1..img_3
  QLabel* lbl_angielskie2;
  QLabel* lbl_polskie;
  SkinButton* btn_play;
  SkinButton* btn_next;
  SkinButton* lbl_koniec;
  QLabel* shape1;
  QLabel* shape2;

  void imgClick(int picture);
  void btn_playClick();
  void btn_nextClick();
  void lbl_koniecClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadArtwork();
  void ShowItem();
  void PlaceMark(QLabel* mark, const MarkPlace& place);
  /// Waits with the window repainting while mouse and keys are ignored.
  void PauseIgnoringInput(int ms);
  void StopPlayer();
  void Finish();
  bool KeyPressed(int key);
  const std::string& ProgramDir() const;

  ComprehensionServices services_;
  ComprehensionDrill drill_;
  WindowKeys* keys_ = nullptr;
  bool open_ = false;
  bool pausing_ = false;
};

}  // namespace tess
