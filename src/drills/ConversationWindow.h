#pragma once
// The conversations window: five tabs, the painted text of the conversation, a record button
// and an own-recording switch per phrase, the translation box, the play buttons and the word
// panel of the drag exercise. ConversationSession decides; this window paints, forwards the
// events and runs the playback chains on a local event loop through the sound service.
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ConversationTable.h"
#include "drills/ConversationSession.h"
#include "exercises/DragDrop.h"
#include "platform/QtTextMeasurer.h"
#include "widgets/Accessibility.h"
#include "widgets/HoverLabel.h"
#include "widgets/WordPick.h"

namespace tess {

struct CourseState;
class Clock;
class DragLabels;
struct KeyPlace;
class MediaButton;
class MessageBox;
class PaintBox;
class PictureLoader;
class RandomSource;
class ResultReporter;
class ResultsStore;
class SkinButton;
class SkinStrips;
class SoundService;
class WindowKeys;

/// What the window reaches besides its own controls. The result name of the conversation is
/// the store's CurrentResultName ("dia_" + number), set by the chooser before showing.
struct ConversationServices {
  CourseState& State;
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
  /// F1: the help window on a page (full path, with its anchor).
  std::function<void(const std::string& page)> ShowHelpPage;
  /// The information window, modal, with a text (cp1250).
  std::function<void(const std::string& text)> ShowInformation;
  /// The window was closed by the learner.
  std::function<void()> Closed;
};

/// A picture that reports the left button going down and coming up on it.
class PressLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> Pressed;
  std::function<void()> Released;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class ConversationWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPhrases = 25;
  static constexpr int kLabels = 20;
  static constexpr int kModes = 5;

  explicit ConversationWindow(ConversationServices services, QWidget* parent = nullptr);
  ~ConversationWindow() override;

  /// Shows the window on a conversation (FormShow): pictures, layout, tabs, mode 1.
  void ShowConversation(const Conversation& conversation);
  /// The classroom session that hears of every recorded result; none in local mode.
  void SetReporter(ResultReporter* reporter) { services_.Reporter = reporter; }
  const ConversationSession& Session() const { return session_; }
  /// A double-click on a word of the course language in the text.
  WordPicked LookUpWord;

  QLabel* img_tlo;
  QLabel* img_panel_right;
  QLabel* lbl_polecenie;
  PaintBox* PaintBox1;
  SkinButton* btn_up;
  SkinButton* btn_dn;
  QLabel* Image6;
  QLabel* lbl_tlumacz;
  QLabel* img_Panel;
  std::array<HoverLabel*, kModes> Image{};  ///< Image1..Image5
  SkinButton* btn_playAll;
  std::array<SkinButton*, 4> btn_play{};  ///< btn_play_A..btn_play_D
  SkinButton* btn_odtworz;
  SkinButton* btn_nastepne;
  SkinButton* btn_exit;
  SkinButton* btn_help;
  MediaButton* btn_tempo;                   ///< the pace of the recordings, 100 % to 55 %: key T
  std::array<PressLabel*, kPhrases> Nag{};  ///< Nag_1..Nag_25
  std::array<PressLabel*, kPhrases> Lek{};  ///< Lek_1..Lek_25
  std::array<QLabel*, kLabels> lbl{};       ///< lbl_1..lbl_20

  void ImageClick(int mode);
  void btn_playAllClick();
  void btn_playClick(int role);
  void btn_odtworzClick();
  void btn_nastepneClick();
  void btn_upClick();
  void btn_dnClick();
  void btn_helpClick();
  void btn_tempoClick();
  void NagDown(int k);
  void NagUp(int k);
  void LekDown(int k);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadArtwork();
  void PlaceLayout();
  void ShowTabs();
  /// The mode just prepared: its controls, labels, message and first playback.
  void EnterMode();
  void ApplyControls();
  void PlacePhraseControls();
  void SetUpLabels();
  void RefreshText();
  void PaintText(QPainter& painter);
  void TextDown(QPoint at);
  void TextMove(QPoint at);
  /// The right button on the text: loop a phrase, or end its loop.
  void TextLoop(QPoint at);
  void HideTranslation();
  /// The word drawn under a double-click goes to LookUpWord.
  void LookUpAt(QPoint at);
  void LabelDropped(int label, Point windowPoint);
  /// The open gaps in sight, where a word can be put by keys.
  std::vector<KeyPlace> KeyPlaces() const;
  /// What screen readers are told of the phrases, as they are painted now.
  std::vector<PaintedRow> PhraseRows() const;

  /// Runs a chain from `step` until it waits for the end of a sound or ends. A step made while
  /// a chain waits is taken over by that wait loop, so chains never nest.
  void RunChain(WalkStep step);
  void PlayCues(const std::vector<SoundCue>& cues);
  /// The shared player stops and closes (before a new chain, a recording, a mode change).
  void StopPlayer();
  /// The conversation playback stops: chain, highlight and player.
  void StopConversationPlayback();
  void RecordMode(const ModeAttempt& attempt);
  void Finish();
  bool KeyPressed(int key);
  /// The pace button shows the learner's pace and the shared player takes it.
  void ApplyTempo();
  void ShowText(int n);
  const std::string& ProgramDir() const;

  ConversationServices services_;
  QFont textFont_;
  QtTextMeasurer measurer_;
  ConversationSession session_;
  Conversation conversation_;
  DragBoard board_;
  DragLabels* drag_ = nullptr;
  WindowKeys* keys_ = nullptr;
  QPixmap off_;                   // no recording, or the lecturer's sound in use
  QPixmap on_;                    // recording running, or the learner's recording in use
  QPixmap mark_;                  // question mark
  std::array<QPixmap, 3> boxes_;  // translation box: small, medium, big
  int recordingPhrase_ = 0;
  int tempoPercent_ = 100;
  bool open_ = false;
  bool driving_ = false;
  std::optional<WalkStep> pending_;
};

}  // namespace tess
