#pragma once
// The sentences window: one sentence package drilled as a puzzle (the shuffled words put back
// in order with the mouse) or as a dictation (the sentence typed), with replay, the learner's
// own recording compared with the lecturer's, and a running tally. SentenceDrill decides; the
// window paints the puzzle, moves its marks and plays and records through the sound service.
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "drills/ResultFigures.h"
#include "drills/SentenceDrill.h"
#include "exercises/DragDrop.h"
#include "platform/QtTextMeasurer.h"
#include "widgets/Accessibility.h"
#include "widgets/HoverLabel.h"
#include "widgets/WordPick.h"

class QKeyEvent;
class QLineEdit;
class QTimer;

namespace tess {

struct CourseState;
class AnswerWindow;
class Clock;
class EquivalenceList;
class ForeignLetterEdit;
class MessageBox;
class PaintBox;
class PictureLoader;
class RandomSource;
class ResultReporter;
class ResultsStore;
class SentenceList;
class SkinButton;
class SkinStrips;
class SoundService;

/// What the window reaches besides its own controls. The result name of the package is the
/// store's CurrentResultName ("zda_" + number), set by the chooser before showing.
struct SentencesServices {
  CourseState& State;
  ResultsStore& Results;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  SoundService& Sound;
  Clock& Time;
  RandomSource& Random;
  /// The message window (modal).
  MessageBox& Messages;
  const SentenceList& Sentences;
  const EquivalenceList& Equivalences;
  /// Told about recorded results in classroom mode; none in local mode.
  ResultReporter* Reporter = nullptr;
  /// The result screen, modal; gives 1 to finish, 0 to go back to the drill.
  std::function<int(const ResultFigures& figures, bool offerReturn)> ShowResultScreen;
  /// F1: the help window on a page (full path, with its anchor).
  std::function<void(const std::string& page)> ShowHelpPage;
  /// The window was closed by the learner.
  std::function<void()> Closed;
};

/// A label that passes its mouse presses, moves and releases on in window coordinates.
class RelayLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void(Qt::MouseButton button, QPoint windowPoint)> Pressed;
  std::function<void(QPoint windowPoint)> Moved;
  std::function<void(Qt::MouseButton button, QPoint windowPoint)> Released;
  std::function<void()> Entered;
  std::function<void()> Left;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPoint InWindow(QPointF local) const;
};

class SentencesWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kRecordingLimitMs = 15000;
  static constexpr int kPuzzleTab = 1;
  static constexpr int kDictationTab = 2;

  explicit SentencesWindow(SentencesServices services, QWidget* parent = nullptr);
  ~SentencesWindow() override;

  /// The chooser's entry: package `packageNumber`, position 1, the puzzle, shown.
  void ShowPackage(int packageNumber);
  /// The classroom session that hears of every recorded result; none in local mode.
  void SetReporter(ResultReporter* reporter) { services_.Reporter = reporter; }
  const SentenceDrill& Drill() const { return drill_; }
  int BackgroundNumber() const { return backgroundNumber_; }
  /// A word double-clicked in the right answer shown after a check.
  WordPicked LookUpWord;
  QTimer* RecordingTimer() const { return timer_; }

  QLabel* img_tlo;
  QLabel* img_panel;
  QLabel* lbl_info;
  PaintBox* pb_tresc;
  QLineEdit* Memo2;
  QLabel* lbl_odp;
  /// Under the answer line after a wrong dictation: what kind of mistake it held.
  QLabel* lbl_blad;
  SkinButton* btn_sprawdz;
  RelayLabel* Shape2;
  RelayLabel* shape1;
  RelayLabel* MLabel1;
  HoverLabel* Image1;
  HoverLabel* Image2;
  SkinButton* btn_play;
  RelayLabel* K_Nagraj;
  SkinButton* k_play_nagrane;
  std::array<QLabel*, 4> L_Stat{};  ///< L_Stat1..L_Stat4
  SkinButton* btn_exit;
  AnswerWindow* Answer;

  /// `kind` is the result kind of the tab to open (the chooser passes 50).
  void OpenSentencePackage(int kind);
  void ImageClick(int tag);
  void btn_sprawdzClick();
  void btn_playClick();
  void K_NagrajDown();
  void K_NagrajUp(bool leftButton);
  void k_play_nagraneClick();
  void btn_exitClick();
  /// F5, and a click on the verdict after a check.
  void ShowLastWrongAnswer();
  /// F4.
  void NextBackground();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// The drag of a picked word ends, whatever ended it.
  void EndDrag();

 private:
  void LoadArtwork();
  void ShowTabs();
  void LoadBackground();
  /// The sentence on screen starts in the current mode: controls, texts, first playback.
  void EnterSentence();
  void ShowTally();
  void SetInfo(int text, bool red);
  void RefreshPuzzle();
  void PaintPuzzle(QPainter& painter);
  /// What screen readers are told of the puzzle's words, in their order now.
  std::vector<PaintedRow> PuzzleRows() const;
  void AreaMove(QPoint at);
  void AreaDown(QPoint at);
  void FramePressed(Qt::MouseButton button, QPoint windowPoint);
  void DragMoved(QPoint windowPoint);
  void DragReleased(QPoint windowPoint);
  void MarkPressed(QPoint windowPoint);
  /// Places the insertion mark before the word under `areaPoint`, or hides it.
  void MarkBefore(QPoint areaPoint);
  void MoveWordTo(QPoint areaPoint);
  void DropPick();
  /// The puzzle by keys: the arrows go from word to word, Space picks the framed word up, the
  /// arrows then choose the word it goes before and Enter puts it there, as a click there
  /// would; Escape puts it back. True when the key was used.
  bool PuzzleKey(const QKeyEvent& key);
  /// Frames the word the keys are on, as the pointer over it does.
  void FrameKeyWord();
  /// The hover frame around puzzle word `word`.
  void FrameWord(int word);
  void HideMarks();
  void MoveOn();
  void RecordMode(const std::optional<SentenceResult>& result);
  void StopPlayer();
  void Finish();
  bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);
  void ShowText(int n);
  void PlaySentence();
  bool DragDropOn() const;
  const std::string& ProgramDir() const;

  SentencesServices services_;
  QFont puzzleFont_;
  QtTextMeasurer measurer_;
  SentenceDrill drill_;
  ForeignLetterEdit* letters_ = nullptr;
  int lettersLanguage_ = 0;
  QTimer* timer_ = nullptr;
  QPixmap recordNormal_;
  QPixmap recordPressed_;
  QPixmap recordHover_;
  int packageNumber_ = 0;
  int backgroundNumber_ = 1;
  int selectedWord_ = 0;
  int framedWord_ = 0;
  int keyWord_ = 0;     // the word the keys are on, 0 before the first key
  DragBoard keyBoard_;  // the puzzle's words as labels the keys carry
  KeyDrag keyDrag_;
  bool dragging_ = false;
  bool ignoreMove_ = false;
  bool recordingDone_ = false;
  bool recording_ = false;
  bool open_ = false;
};

}  // namespace tess
