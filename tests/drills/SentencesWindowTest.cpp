// The sentences window offscreen with the fake sound service: a puzzle solved with the mouse
// (picking and dragging), a dictation typed with the foreign letters, the recorder, the
// result screen's choice and the results recorded per mode.
#include "drills/SentencesWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/Equivalences.h"
#include "drills/AnswerWindow.h"
#include "drills/DrillInstallation.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "shared/CodePage.h"
#include "shared/Paths.h"
#include "shared/Percent.h"
#include "support/TempFolder.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::TempFolder;

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Press(QWidget* widget, QPoint at = {3, 3}, Qt::MouseButton button = Qt::LeftButton) {
  Send(widget, QEvent::MouseButtonPress, at, button, button);
}
void Release(QWidget* widget, QPoint at = {3, 3}, Qt::MouseButton button = Qt::LeftButton) {
  Send(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
void Move(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
  Send(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}
void Click(QWidget* widget, QPoint at = {3, 3}) {
  Press(widget, at);
  Release(widget, at);
}

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &press);
}

void Type(QWidget* widget, const std::string& text) {
  for (const char c : text) {
    const QString letter(QChar::fromLatin1(c));
    const int key = c >= 'a' && c <= 'z' ? Qt::Key_A + (c - 'a') : letter.toUpper()[0].unicode();
    Key(widget, key, Qt::NoModifier, letter);
  }
}

Sentence MakeSentence(const std::string& text, const std::string& sound) {
  Sentence s;
  s.Level = 1;
  s.PackageCode = "01";
  s.GroupNumber = 1;
  s.Variants[0] = text;
  s.SoundName = sound;
  return s;
}

class SentencesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing_drills::PrepareDrillInstallation(folder_, 120, state_, sound_));
    ASSERT_TRUE(MakeDirectory(state_.Install.ProgramDir + "Hdd\\bsgram"));
    for (int kind : {50, 51}) {
      ResultRecord record;
      record.Name = "zda_1";
      record.Kind = static_cast<std::uint8_t>(kind);
      results_.Append(record);
    }
    results_.CurrentResultName = "zda_1";
    sentenceRecorder_.savedLengthMs = 800;
  }

  void UsePackage(const std::vector<std::string>& sentences) {
    sentences_.Clear();
    int n = 0;
    for (const std::string& text : sentences) {
      const std::string sound = "z" + std::to_string(++n) + ".wav";
      testing::WriteBytes(ResolvePath(Recording(sound)), "RIFF");
      sentences_.Add(MakeSentence(text, sound));
    }
    sentences_.BuildPackages();
  }

  std::string Recording(const std::string& sound) const {
    return state_.Install.RecordingsDir + sound;
  }
  std::string OwnRecording() const { return state_.Install.ProgramDir + "tmp1.wav"; }

  std::vector<std::string> Played() const {
    std::vector<std::string> played;
    std::string named;
    for (const std::string& call : player_.calls) {
      if (call.starts_with("SetFileName ")) named = call.substr(12);
      if (call == "Play" || call == "Play wait") played.push_back(named);
    }
    return played;
  }
  std::string LastPlayed() const {
    const auto played = Played();
    return played.empty() ? std::string() : played.back();
  }
  std::string CurrentSound() const { return Recording(window_.Drill().Current().SoundName); }

  const ResultRecord* Saved(int kind) {
    saved_.Clear();
    EXPECT_TRUE(LoadResults(ResultsFilePath(state_.UserDir, state_.Install.SettingsTag), saved_));
    for (int i = 1; i <= saved_.Count(); ++i) {
      if (saved_.At(i).Kind == kind) return &saved_.At(i);
    }
    return nullptr;
  }

  QPoint WordCentre(int n) const {
    const WordBox& box = window_.Drill().Puzzle().Box(n);
    return {box.Left + box.Width / 2, box.Top + box.Height / 2};
  }
  std::vector<std::string> Words() const {
    std::vector<std::string> words = window_.Drill().Puzzle().Words();
    words.pop_back();
    return words;
  }

  /// Without dragging: frame word `from`, pick it, press on word `to`.
  void PickAndPlace(int from, int to) {
    Move(window_.pb_tresc, WordCentre(from));
    ASSERT_TRUE(window_.Shape2->isVisible());
    Press(window_.Shape2, {4, 4});
    Release(window_.Shape2, {4, 4});
    ASSERT_FALSE(window_.Shape2->isVisible());
    Move(window_.pb_tresc, WordCentre(to));  // the first move after the pick shows the mark
    Press(window_.pb_tresc, WordCentre(to));
    Release(window_.pb_tresc, WordCentre(to));
  }

  /// Puts the puzzle's words into the sentence's order with the mouse.
  void SolvePuzzle() {
    const std::vector<std::string> target =
        SentencePuzzle::SplitWords(window_.Drill().Current().Variants[0]);
    for (size_t place = 0; place < target.size(); ++place) {
      const std::vector<std::string> words = Words();
      const auto found =
          std::find(words.begin() + static_cast<long>(place), words.end(), target[place]);
      const int at = static_cast<int>(found - words.begin()) + 1;
      if (at != static_cast<int>(place) + 1) PickAndPlace(at, static_cast<int>(place) + 1);
      Move(window_.pb_tresc, {590, 110});  // the move after a drop is passed over
    }
    ASSERT_EQ(Words(), target);
  }

  TempFolder folder_;
  CourseState state_;
  ResultsStore results_;
  ResultsStore saved_;
  SentenceList sentences_;
  EquivalenceList equivalences_;
  FakePictureLoader pictures_;
  SkinStrips skins_{pictures_};
  FakeMediaPlayer player_;
  FakeVoiceRecorder sentenceRecorder_;
  FakeVoiceRecorder phraseRecorder_;
  FakeMessageBox messages_;
  FakeEventWaiter waiter_;
  SoundService sound_{player_, sentenceRecorder_, phraseRecorder_, messages_, waiter_};
  FakeClock clock_;
  SeededRandom random_{3};
  int closed_ = 0;
  std::vector<ResultFigures> figures_;
  std::vector<int> screenTags_;  // what the result screen answers, in turn; then 0
  std::vector<std::string> helpPages_;
  SentencesWindow window_{SentencesServices{
      state_, results_, skins_, pictures_, sound_, clock_, random_, messages_, sentences_,
      equivalences_, nullptr,
      [this](const ResultFigures& figures, bool offerReturn) {
        EXPECT_TRUE(offerReturn);
        figures_.push_back(figures);
        if (screenTags_.empty()) return 0;
        const int tag = screenTags_.front();
        screenTags_.erase(screenTags_.begin());
        return tag;
      },
      [this](const std::string& page) { helpPages_.push_back(page); }, [this] { ++closed_; }}};
};

TEST_F(SentencesWindowTest, PuzzleSolvedByPickingAndChecked) {
  UsePackage({"My sister is a very good doctor.", "I am not hungry."});
  window_.ShowPackage(1);
  EXPECT_EQ(window_.objectName(), "TZdaniaForm");
  EXPECT_EQ(window_.Drill().Mode(), sentence_mode::kPuzzle);
  EXPECT_TRUE(window_.pb_tresc->isVisible());
  EXPECT_FALSE(window_.Memo2->isVisible());
  EXPECT_EQ(window_.lbl_info->text(), "T19");
  EXPECT_EQ(LastPlayed(), CurrentSound());
  EXPECT_EQ(window_.L_Stat[3]->text(), "2");

  // A press on the background drops a pick and replays.
  Move(window_.pb_tresc, WordCentre(1));
  Press(window_.Shape2, {4, 4});
  EXPECT_TRUE(window_.Drill().Attempted());
  const size_t plays = Played().size();
  Press(window_.img_tlo, {5, 5});
  EXPECT_EQ(Played().size(), plays + 1);
  Move(window_.pb_tresc, WordCentre(2));
  EXPECT_TRUE(window_.Shape2->isVisible());  // nothing picked any more: framing again

  const std::string sentence = window_.Drill().Current().Variants[0];
  SolvePuzzle();
  Click(window_.btn_sprawdz);
  EXPECT_EQ(window_.lbl_info->text(), "T76");
  EXPECT_EQ(window_.lbl_odp->text().toStdString(), sentence);
  EXPECT_TRUE(window_.lbl_odp->isVisible());
  EXPECT_FALSE(window_.pb_tresc->isVisible());
  EXPECT_EQ(window_.L_Stat[0]->text(), "1");
  EXPECT_EQ(window_.L_Stat[3]->text(), "1");
  EXPECT_TRUE(messages_.messages.empty());

  window_.close();
  EXPECT_EQ(closed_, 1);
  const ResultRecord* puzzle = Saved(50);
  ASSERT_NE(puzzle, nullptr);
  EXPECT_EQ(puzzle->Attempts, 1);
  EXPECT_EQ(puzzle->Score, 50);  // 1 right of 2
  EXPECT_EQ(puzzle->Finished, 0);
  EXPECT_EQ(Saved(51)->Attempts, 0);
}

TEST_F(SentencesWindowTest, KeysPickAWordAndPutItBeforeAnotherAsAClickThereDoes) {
  UsePackage({"My sister is a very good doctor.", "I am not hungry."});
  window_.ShowPackage(1);
  const auto key = [this](int code) {
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.pb_tresc, &event);
  };
  SentencePuzzle expected = window_.Drill().Puzzle();
  // The arrows frame the words in turn, as the pointer over them does.
  key(Qt::Key_Right);
  EXPECT_TRUE(window_.Shape2->isVisible());
  key(Qt::Key_Right);
  const WordBox& second = window_.Drill().Puzzle().Box(2);
  EXPECT_EQ(window_.Shape2->geometry().topLeft(),
            window_.pb_tresc->pos() + QPoint(second.Left - 3, second.Top));
  // Picked, it goes round the places before each word; Escape leaves it where it was.
  key(Qt::Key_Space);
  EXPECT_TRUE(window_.Drill().Attempted());
  EXPECT_FALSE(window_.Shape2->isVisible());
  key(Qt::Key_Right);
  EXPECT_TRUE(window_.shape1->isVisible());
  key(Qt::Key_Escape);
  EXPECT_EQ(window_.Drill().Puzzle().Words(), expected.Words());
  EXPECT_FALSE(window_.shape1->isVisible());

  // Word 2 before word 5: the order a pick there with the mouse gives.
  key(Qt::Key_Space);
  for (int i = 0; i < 3; ++i) key(Qt::Key_Right);
  key(Qt::Key_Return);
  ASSERT_TRUE(expected.Move(2, 5));
  EXPECT_EQ(window_.Drill().Puzzle().Words(), expected.Words());
  EXPECT_EQ(window_.lbl_info->text(), "T19") << "Enter put the word down, it did not check";
  // The keys stay on the word moved, now word 4: back before word 3.
  key(Qt::Key_Space);
  key(Qt::Key_Left);
  key(Qt::Key_Return);
  ASSERT_TRUE(expected.Move(4, 3));
  EXPECT_EQ(window_.Drill().Puzzle().Words(), expected.Words());
  // Left of the first place is the blank slot at the end: the word goes last.
  key(Qt::Key_Space);
  for (int i = 0; i < 3; ++i) key(Qt::Key_Left);
  key(Qt::Key_Return);
  ASSERT_TRUE(expected.Move(3, expected.Count()));
  EXPECT_EQ(window_.Drill().Puzzle().Words(), expected.Words());
}

TEST_F(SentencesWindowTest, DraggedWordDropsOnTheBlankSlotAndAWrongOrderIsShown) {
  state_.Options.SentenceDragDrop = true;
  state_.Options.SentenceHintPending = true;
  UsePackage({"one two three four five"});
  window_.ShowPackage(1);
  const std::vector<std::string> before = Words();
  const QPoint area = window_.pb_tresc->pos();

  Move(window_.pb_tresc, WordCentre(1));
  Press(window_.Shape2, {4, 4});
  EXPECT_TRUE(window_.MLabel1->isVisible());
  EXPECT_EQ(window_.MLabel1->text().toStdString(), before[0]);
  // Over word 3 the mark stands just before it, and the word follows the mouse.
  const QPoint over = area + WordCentre(3);
  Move(window_.MLabel1, window_.MLabel1->mapFrom(&window_, over), Qt::LeftButton);
  EXPECT_EQ(window_.MLabel1->pos(), over + QPoint(13, 10));
  const WordBox& third = window_.Drill().Puzzle().Box(3);
  EXPECT_TRUE(window_.shape1->isVisible());
  EXPECT_EQ(window_.shape1->pos(), area + QPoint(third.Left - 9, third.Top - 1));

  const QPoint slot = area + WordCentre(6);
  Release(window_.MLabel1, window_.MLabel1->mapFrom(&window_, slot));
  std::vector<std::string> expected(before.begin() + 1, before.end());
  expected.push_back(before[0]);
  EXPECT_EQ(Words(), expected);
  EXPECT_FALSE(window_.MLabel1->isVisible());
  EXPECT_FALSE(window_.shape1->isVisible());

  // Checked as it stands (never the sentence): wrong, the sentence shown, the hint once.
  Key(&window_, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T77");
  EXPECT_EQ(window_.lbl_odp->text(), "one two three four five");
  EXPECT_EQ(messages_.messages, std::vector<std::string>{"T80"});
  EXPECT_FALSE(state_.Options.SentenceHintPending);
  EXPECT_EQ(window_.L_Stat[1]->text(), "1");
  // F5 shows the learner's order.
  Key(&window_, Qt::Key_F5);
  EXPECT_TRUE(window_.Answer->isVisible());
  std::string order;
  for (const std::string& word : expected) order += (order.empty() ? "" : " ") + word;
  EXPECT_EQ(window_.Answer->L_Odp->text().toStdString(), order);
  window_.Answer->close();

  // Moving on brings the only sentence back.
  Key(&window_, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T19");
  EXPECT_TRUE(window_.pb_tresc->isVisible());
}

// The French course's sentences are cp1252: "è" typed with Ctrl+T is byte 0xE8 there, and the
// answer line shows it as "è", not as the "č" cp1250 has at that code.
TEST_F(SentencesWindowTest, FrenchDictationComparesAndShowsInTheFrenchCodePage) {
  state_.Install.CourseLanguage = 3;
  UsePackage({"Tr\xE8s bien.", "Au revoir."});
  window_.ShowPackage(1);
  Click(window_.Image2);
  ASSERT_EQ(window_.Drill().Mode(), sentence_mode::kDictation);
  while (window_.Drill().Current().Variants[0] != "Tr\xE8s bien.") {
    Key(window_.Memo2, Qt::Key_Return);
    Key(window_.Memo2, Qt::Key_Return);
  }
  const int rightBefore = window_.Drill().Tally().Right;
  Type(window_.Memo2, "tr");
  Key(window_.Memo2, Qt::Key_T, Qt::ControlModifier, QStringLiteral("\x14"));
  Type(window_.Memo2, "s bien.");
  EXPECT_EQ(window_.Memo2->text(), QStringLiteral("tr\u00E8s bien."));
  Key(window_.Memo2, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T78");
  EXPECT_EQ(window_.Drill().Tally().Right, rightBefore + 1);
  EXPECT_TRUE(window_.lbl_odp->text().contains(QStringLiteral("Tr\u00E8s bien.")))
      << window_.lbl_odp->text().toStdString();
}

// A wrong dictation gets one more line under the answer line: why it is wrong, the Polish in
// cp1250 and the quoted letter in the French code page. A right one and the next sentence
// have none.
TEST_F(SentencesWindowTest, WrongDictationTellsTheKindOfMistake) {
  state_.Install.CourseLanguage = 3;
  UsePackage({"Tr\xE8s bien."});
  window_.ShowPackage(1);
  Click(window_.Image2);
  ASSERT_EQ(window_.Drill().Mode(), sentence_mode::kDictation);
  EXPECT_FALSE(window_.lbl_blad->isVisible());
  Type(window_.Memo2, "tres bien");
  Key(window_.Memo2, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T79");
  EXPECT_EQ(window_.lbl_odp->text(), QStringLiteral("Tr\u00E8s bien."));
  EXPECT_TRUE(window_.lbl_blad->isVisible());
  EXPECT_EQ(window_.lbl_blad->text(),
            QStringLiteral("B\u0142\u0105d: brak litery \u00E8 (wpisano e)"));
  EXPECT_GE(window_.lbl_blad->y(), window_.lbl_odp->geometry().bottom());
  EXPECT_LT(window_.lbl_blad->geometry().bottom(), window_.btn_sprawdz->y());

  Key(window_.Memo2, Qt::Key_Return);  // the same sentence again
  EXPECT_FALSE(window_.lbl_blad->isVisible());
  Type(window_.Memo2, "tr");
  Key(window_.Memo2, Qt::Key_T, Qt::ControlModifier, QStringLiteral("\x14"));
  Type(window_.Memo2, "s bien");
  Key(window_.Memo2, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T78");
  EXPECT_FALSE(window_.lbl_blad->isVisible());
}

TEST_F(SentencesWindowTest, DictationWithGermanLettersRecordedOnTabChange) {
  state_.Install.CourseLanguage = 2;
  UsePackage(
      {"Das M\xE4"
       "dchen ist m\xFC"
       "de.",
       "Ich bin hier."});
  window_.ShowPackage(1);
  Click(window_.Image2);
  EXPECT_EQ(window_.Drill().Mode(), sentence_mode::kDictation);
  EXPECT_TRUE(window_.Memo2->isVisible());
  EXPECT_FALSE(window_.pb_tresc->isVisible());
  EXPECT_EQ(window_.lbl_info->text(), "T18");
  EXPECT_EQ(LastPlayed(), CurrentSound());
  // The untouched puzzle left nothing.
  EXPECT_EQ(Saved(50)->Attempts, 0);

  // Typed as written, the umlauts with Ctrl: no "a" and no "u" get in.
  while (window_.Drill().Current().Variants[0] !=
         "Das M\xE4"
         "dchen ist m\xFC"
         "de.") {
    Key(window_.Memo2, Qt::Key_Return);  // wrong, then on to the other sentence
    Key(window_.Memo2, Qt::Key_Return);
  }
  const int wrongBefore = window_.Drill().Tally().Wrong;
  Type(window_.Memo2, "das m");
  Key(window_.Memo2, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
  Type(window_.Memo2, "dchen  ist m");
  Key(window_.Memo2, Qt::Key_U, Qt::ControlModifier, QStringLiteral("\x15"));
  Type(window_.Memo2, "de .");
  EXPECT_EQ(Encode(window_.Memo2->text(), CodePage::Cp1250),
            "das m\xE4"
            "dchen  ist m\xFC"
            "de .");
  // Ctrl+W replays and types nothing.
  const size_t plays = Played().size();
  Key(window_.Memo2, Qt::Key_W, Qt::ControlModifier, QStringLiteral("\x17"));
  EXPECT_EQ(Played().size(), plays + 1);
  Key(window_.Memo2, Qt::Key_Return);
  EXPECT_EQ(window_.lbl_info->text(), "T78");
  EXPECT_FALSE(window_.Memo2->isVisible());
  EXPECT_EQ(window_.Drill().Tally().Right, 1);
  EXPECT_EQ(window_.Drill().Tally().Wrong, wrongBefore);

  Click(window_.Image1);  // back to the puzzle: the dictation is recorded
  const ResultRecord* dictation = Saved(51);
  ASSERT_NE(dictation, nullptr);
  EXPECT_EQ(dictation->Attempts, 1);
  EXPECT_EQ(dictation->Score, RoundHalfEven(100.0 / (2 + wrongBefore)));
  EXPECT_EQ(window_.L_Stat[0]->text(), "0");
  EXPECT_EQ(window_.L_Stat[3]->text(), "2");
}

TEST_F(SentencesWindowTest, ResultScreenBackKeepsTheWindowFinishClosesIt) {
  UsePackage({"Hello."});  // one word: shown as it is, right at once
  window_.ShowPackage(1);
  EXPECT_EQ(Words(), std::vector<std::string>{"Hello."});
  Click(window_.btn_sprawdz);
  EXPECT_EQ(window_.lbl_info->text(), "T76");
  EXPECT_TRUE(window_.Drill().Finished());

  Click(window_.btn_sprawdz);  // the package is done: the tally, back to the drill
  ASSERT_EQ(figures_.size(), 1u);
  EXPECT_EQ(figures_[0].Lines[0], "1");
  EXPECT_EQ(figures_[0].Lines[1], "0");
  EXPECT_EQ(figures_[0].Lines[2], "100");
  EXPECT_EQ(figures_[0].Lines[3], "");
  EXPECT_TRUE(window_.isVisible());
  EXPECT_FALSE(window_.btn_sprawdz->isVisible());

  screenTags_ = {0, 1};
  Click(window_.btn_exit);
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(closed_, 0);
  Click(window_.btn_exit);
  ASSERT_EQ(figures_.size(), 3u);
  EXPECT_EQ(figures_[2].Lines[3], "1");  // the package size
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(closed_, 1);
  const ResultRecord* puzzle = Saved(50);
  ASSERT_NE(puzzle, nullptr);
  EXPECT_EQ(puzzle->Score, 100);
  EXPECT_EQ(puzzle->Finished, 1);
}

TEST_F(SentencesWindowTest, ExitWithoutAttemptClosesAtOnceAndRecordsNothing) {
  UsePackage({"I am here."});
  window_.ShowPackage(1);
  Click(window_.btn_exit);
  EXPECT_TRUE(figures_.empty());
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(closed_, 1);
  EXPECT_EQ(Saved(50)->Attempts, 0);
}

TEST_F(SentencesWindowTest, RecorderComparesAndRejectsShortRecordings) {
  UsePackage({"I am here."});
  window_.ShowPackage(1);
  Press(window_.K_Nagraj);
  EXPECT_TRUE(window_.RecordingTimer()->isActive());
  EXPECT_EQ(window_.RecordingTimer()->interval(), 15000);
  EXPECT_EQ(sentenceRecorder_.calls, (std::vector<std::string>{"Open", "Record"}));
  Release(window_.K_Nagraj);
  EXPECT_FALSE(window_.RecordingTimer()->isActive());
  ASSERT_EQ(sentenceRecorder_.calls.size(), 4u);
  EXPECT_TRUE(window_.k_play_nagrane->isVisible());
  const std::vector<std::string> played = Played();
  ASSERT_GE(played.size(), 2u);
  EXPECT_EQ(played[played.size() - 2], OwnRecording());
  EXPECT_EQ(played.back(), CurrentSound());
  EXPECT_TRUE(messages_.messages.empty());
  // A second release does nothing.
  Release(window_.K_Nagraj);
  EXPECT_EQ(sentenceRecorder_.calls.size(), 4u);

  // Too short: the message, and the comparison still plays.
  player_.lengths[OwnRecording()] = 150;
  Press(window_.K_Nagraj);
  Release(window_.K_Nagraj);
  EXPECT_EQ(messages_.messages, std::vector<std::string>{"T81"});
  EXPECT_EQ(Played()[Played().size() - 2], OwnRecording());
}

// Keyboard users hold the space bar where others hold the mouse button; the key's repeats
// while held start nothing more.
TEST_F(SentencesWindowTest, TheSpaceBarHoldsTheRecordButton) {
  UsePackage({"I am here."});
  window_.ShowPackage(1);
  EXPECT_EQ(window_.K_Nagraj->focusPolicy(), Qt::TabFocus);
  auto key = [this](QEvent::Type type, bool repeat) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
    QCoreApplication::sendEvent(window_.K_Nagraj, &event);
  };
  key(QEvent::KeyPress, false);
  key(QEvent::KeyPress, true);
  key(QEvent::KeyRelease, true);
  EXPECT_EQ(sentenceRecorder_.calls, (std::vector<std::string>{"Open", "Record"}));
  EXPECT_TRUE(window_.RecordingTimer()->isActive());
  key(QEvent::KeyRelease, false);
  EXPECT_FALSE(window_.RecordingTimer()->isActive());
  EXPECT_EQ(sentenceRecorder_.calls.size(), 4u);
  EXPECT_EQ(Played()[Played().size() - 2], OwnRecording());
}

TEST_F(SentencesWindowTest, KeysHelpAndBackgrounds) {
  UsePackage({"I am here."});
  window_.ShowPackage(1);
  const int first = window_.BackgroundNumber();
  EXPECT_GE(first, 1);
  EXPECT_LE(first, 4);
  for (int n = 1; n <= 5; ++n) Key(&window_, Qt::Key_F4);
  EXPECT_EQ(window_.BackgroundNumber(), first);  // five steps round the five pictures
  EXPECT_TRUE(pictures_.WasRequested(state_.Install.MediaDir + "Zdania\\Zdania5.jpg"));
  Key(&window_, Qt::Key_F1);
  EXPECT_EQ(helpPages_,
            std::vector<std::string>{state_.Install.ProgramDir + "Htm_r\\h_comp.html#zda"});
  // F5 before any wrong answer shows nothing.
  Key(&window_, Qt::Key_F5);
  EXPECT_FALSE(window_.Answer->isVisible());
}

}  // namespace
}  // namespace tess
