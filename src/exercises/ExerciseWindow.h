#pragma once
// The frame every exercise window shares: background and right-hand panel, the tab strip of
// the lesson, the film button, close, "Jeszcze raz", the verdict line, the percentage panel and
// the instruction box. A kind's window adds its content box and its own rules.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/ExerciseList.h"
#include "exercises/ExerciseKinds.h"
#include "exercises/ExerciseLayout.h"
#include "exercises/ExerciseServices.h"
#include "exercises/Markup.h"
#include "exercises/Scoring.h"
#include "widgets/HoverLabel.h"

namespace tess {

class PaintBox;
class RepeatButton;
class SkinButton;
class WindowKeys;

class ExerciseWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kTabs = 8;

  ExerciseWindow(ExerciseServices& services, std::string kindCode, QWidget* parent = nullptr);
  ~ExerciseWindow() override;

  const std::string& KindCode() const { return kindCode_; }

  /// The launcher's load: the kind's load step with this entry and layout, then the window is
  /// shown and its `FormShow` runs.
  void Load(const ExerciseEntry& entry, const LayoutValues& layout);
  /// The common showing steps, then the kind's own.
  void FormShow();
  /// What closing records: pictures released, the media window hidden, the attempt recorded
  /// when touched and the results file written. The window stays as it is.
  void FinishAttempt();
  /// Hides the window after `FinishAttempt`, without telling the launcher.
  void HideForNextTab();

  // Common controls, named as every exercise window names them.
  QLabel* img_tlo;
  QLabel* Image2;
  std::array<HoverLabel*, kTabs> MImage{};
  SkinButton* btn_media;
  SkinButton* lbl_exit;
  HoverLabel* lbl_jeszcze_raz;
  QLabel* lbl_komentarz;
  QWidget* ptoc_panel;
  QLabel* lbl_proc;
  PaintBox* pb_polecenie;
  QLabel* Label1;  ///< hidden: the background picture's path

  void btn_mediaClick();
  void lbl_exitClick();
  void lbl_jeszcze_razClick();
  void MImage1Click(int tag);
  void pb_poleceniePaint(QPainter& painter);

 protected:
  /// Parses `Entry()`, lays the window out with `Layout()` and resets the kind's state; the
  /// frame shows the window afterwards.
  virtual void LoadStep() = 0;
  /// The kind's own showing steps.
  virtual void KindFormShow() {}
  /// Marks and counts of the attempt so far.
  virtual ExerciseScore Score() const = 0;

  /// The check display: check button hidden, sound stopped, "Jeszcze raz" shown, the verdict
  /// and the percentage.
  void ShowCheckResult(QWidget* checkButton);
  /// Puts the film button and the instruction box where the layout line says; the box grows
  /// with an instruction longer than its room.
  void PlaceCommonBoxes();
  /// The top of content meant to start at `top`, moved down as far as the instruction grew
  /// (after `PlaceCommonBoxes`).
  int BelowInstruction(int top) const;
  /// The kind's load leaves the verdict, "Jeszcze raz" and the percentage hidden.
  void HideCheckResult();
  /// Shows a text (cp1250) of the exercise's content in the message window.
  void ShowContentMessage(const std::string& text);
  /// The kind's content box, at `box`, taking the pointer.
  PaintBox* MakeContentBox(const QRect& box);
  /// The content box's scroll arrows `btn_up` and `btn_dn`, hidden, lit under the mouse.
  void MakeScrollButtons(RepeatButton*& up, RepeatButton*& down);
  /// The kind's check button (skin `skin`) on the bottom strip; clicks go to `onClick`.
  SkinButton* MakeCheckButton(int skin, std::function<void()> onClick);
  /// The tick-box stamps of the lists, "gfx_r\ikony\mc_*.bmp": empty, ticked, wrong and the
  /// exclamation mark.
  void LoadTickStamps(QPixmap& normal, QPixmap& checked, QPixmap& bad, QPixmap& exclamation);
  /// Only the exclamation mark of those stamps.
  QPixmap LoadExclamationStamp();
  /// Content the exercise cannot show is refused whole, with the reason (empty: nothing).
  void ShowLoadError(const std::string& error) {
    if (!error.empty()) ShowContentMessage(error);
  }
  /// The marks and counts of a kind's exercise logic.
  template <class KindLogic>
  static ExerciseScore ScoreOf(const KindLogic& logic) {
    ExerciseScore score;
    score.ExerciseTouched = logic.ExerciseTouched();
    score.ExerciseChecked = logic.ExerciseChecked();
    score.GoodCount = logic.GoodCount();
    score.BadCount = logic.BadCount();
    return score;
  }

  const ExerciseEntry& Entry() const { return entry_; }
  /// The kind line after its code and "#": what the kind's parser reads.
  std::string_view KindContent() const {
    const std::string_view line = entry_.KindLine;
    return line.size() > 3 ? line.substr(3) : std::string_view();
  }
  const LayoutValues& Layout() const { return layout_; }
  ExerciseServices& Services() { return services_; }
  const ExerciseServices& Services() const { return services_; }
  const ExerciseKindTexts& KindTexts() const { return kindTexts_; }

  void closeEvent(QCloseEvent* event) override;

 private:
  bool KeyPressed(int key);
  void LoadPictures();
  void ShowTabStrip();
  std::string TextNumber() const;
  std::vector<TextRun> InstructionRuns() const;

  ExerciseServices& services_;
  std::string kindCode_;
  ExerciseKindTexts kindTexts_;
  ExerciseEntry entry_;
  LayoutValues layout_;
  WindowKeys* keys_ = nullptr;
  std::uint8_t resultItem_ = 0;
  bool closingForNextTab_ = false;
  int instructionOverflow_ = 0;
};

}  // namespace tess
