// The conversations window with the fake sound service: the chains play phrase after phrase
// and stop cleanly, recordings switch between the learner and the lecturer, the exercises are
// answered with the mouse, and every mode left or closed is recorded.
#include "drills/ConversationWindow.h"
#include "drills/DrillInstallation.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "core/CourseState.h"
#include "core/SpeechTempo.h"
#include "drills/ConversationFixture.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing_drills::Line;
using testing_drills::MakeConversation;
using testing_drills::WithRoles;

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Press(QWidget* widget, QPoint at = {3, 3}) {
  Send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void Release(QWidget* widget, QPoint at = {3, 3}) {
  Send(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void Click(QWidget* widget, QPoint at = {3, 3}) {
  Press(widget, at);
  Release(widget, at);
}

/// Saves what the window shows when TESS_SCREENSHOT_DIR names a folder (for looking at it).
void Keep(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("TESS_SCREENSHOT_DIR");
  if (!folder.isEmpty()) window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

QPoint Centre(const DropArea& area) {
  return {(area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2};
}

class ConversationWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing_drills::PrepareDrillInstallation(folder_, 120, state_, sound_));
    ASSERT_TRUE(MakeDirectory(state_.Install.ProgramDir + "Hdd\\Dialogi"));
    ASSERT_TRUE(MakeDirectory(state_.Install.ProgramDir + "Wav_r"));
    for (int k = 1; k <= 8; ++k) {
      testing::WriteBytes(ResolvePath(Lecturer(k)), "RIFF");
    }
    testing::WriteBytes(ResolvePath(Sound("Wav_r\\ok.wav")), "RIFF");
    testing::WriteBytes(ResolvePath(Sound("Wav_r\\no.wav")), "RIFF");
    for (int kind = 70; kind <= 74; ++kind) {
      ResultRecord record;
      record.Name = "dia_1";
      record.Kind = static_cast<std::uint8_t>(kind);
      results_.Append(record);
    }
    results_.CurrentResultName = "dia_1";
    // Pictures as small as the question mark, which is no taller than a line.
    pictures_.size = QSize(18, 18);
  }

  std::string Lecturer(int k) const {
    return state_.Install.MediaDir + "Dialogi\\d1_" + std::to_string(k) + ".wav";
  }
  std::string Sound(const std::string& name) const { return state_.Install.ProgramDir + name; }

  /// The files the player was told to play, in order.
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

  const ResultRecord* Record(const ResultsStore& store, int kind) const {
    for (int i = 1; i <= store.Count(); ++i) {
      if (store.At(i).Kind == kind) return &store.At(i);
    }
    return nullptr;
  }
  ResultsStore Saved() {
    ResultsStore saved;
    EXPECT_TRUE(LoadResults(ResultsFilePath(state_.UserDir, state_.Install.SettingsTag), saved));
    return saved;
  }

  /// A point in phrase k's text, in the text area's pixels.
  QPoint PhrasePoint(int k) {
    return Centre(window_.Session().Picture().Phrases[static_cast<size_t>(k - 1)].Hit);
  }
  void Show(const Conversation& conversation) { window_.ShowConversation(conversation); }

  TempFolder folder_;
  CourseState state_;
  ResultsStore results_;
  FakePictureLoader pictures_;
  SkinStrips skins_{pictures_};
  FakeMediaPlayer player_;
  FakeVoiceRecorder sentenceRecorder_;
  FakeVoiceRecorder phraseRecorder_;
  FakeMessageBox messages_;
  FakeEventWaiter waiter_;
  SoundService sound_{player_, sentenceRecorder_, phraseRecorder_, messages_, waiter_};
  FakeClock clock_;
  SeededRandom random_{11};
  int closed_ = 0;
  std::string helpPage_;
  std::string information_;
  ConversationWindow window_{ConversationServices{
      state_, results_, skins_, pictures_, sound_, clock_, random_, messages_, nullptr,
      [this](const std::string& page) { helpPage_ = page; },
      [this](const std::string& text) { information_ = text; }, [this] { ++closed_; }}};
};

TEST_F(ConversationWindowTest, WholeConversationPlaysInOrderAndATabSwitchStopsIt) {
  Show(WithRoles({1, 2, 1}));
  EXPECT_EQ(window_.objectName(), "TDialogi_Form");
  EXPECT_EQ(window_.Session().Mode(), 1);
  EXPECT_TRUE(window_.btn_playAll->isVisible());
  EXPECT_FALSE(window_.btn_play[2]->isVisible());  // no role C in this conversation

  Click(window_.btn_playAll);
  for (int k = 1; k <= 3; ++k) {
    ASSERT_EQ(LastPlayed(), Lecturer(k));
    EXPECT_TRUE(window_.Session().Highlighted(k));
    player_.Finish();
  }
  EXPECT_EQ(Played().size(), 3u);
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  EXPECT_FALSE(window_.Session().Highlighted(3));

  // Again, and the second tab stops it after the first phrase: no further sound comes.
  Click(window_.btn_playAll);
  player_.Finish();
  ASSERT_EQ(LastPlayed(), Lecturer(2));
  Click(window_.Image[1]);
  EXPECT_EQ(window_.Session().Mode(), 2);
  EXPECT_FALSE(player_.Running());
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  player_.Finish();
  EXPECT_EQ(Played().size(), 5u);
  EXPECT_FALSE(window_.Session().Highlighted(2));

  // Listening was used: recorded in full on the switch, and saved.
  const ResultsStore saved = Saved();  // the record lives in it
  const ResultRecord* listening = Record(saved, 70);
  ASSERT_NE(listening, nullptr);
  EXPECT_EQ(listening->Attempts, 1);
  EXPECT_EQ(listening->Score, 100);
  EXPECT_EQ(listening->Finished, 1);
}

TEST_F(ConversationWindowTest, RoleWalkWaitsThroughOtherRolesAndEndsWhenReplaced) {
  Show(WithRoles({1, 2, 1}));
  // A second B during the walk is ignored.
  int presses = 0;
  waiter_.duringWait = [&](int) {
    if (++presses == 3) Click(window_.btn_play[1]);
  };
  Click(window_.btn_play[1]);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0], "T114");
  // "phrase 1": eight slices of 70 ms, then B's phrase plays.
  EXPECT_EQ(waiter_.waits, std::vector<int>(8, 70));
  EXPECT_EQ(Played(), std::vector<std::string>{Lecturer(2)});
  EXPECT_EQ(sound_.PlaybackMode, "dialogi_B");
  player_.Finish();
  EXPECT_EQ(waiter_.waits.size(), 16u);  // phrase 3 waited through, then the end
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  EXPECT_EQ(Played().size(), 1u);

  // Playing the whole conversation during a walk ends the walk after its slice; the chains
  // never nest, and the notice is not shown again.
  waiter_.waits.clear();
  waiter_.duringWait = [&](int) {
    waiter_.duringWait = nullptr;
    Click(window_.btn_playAll);
  };
  Click(window_.btn_play[1]);
  EXPECT_EQ(waiter_.waits.size(), 1u);
  EXPECT_EQ(LastPlayed(), Lecturer(1));
  EXPECT_EQ(sound_.PlaybackMode, "dialogi_All");
  EXPECT_EQ(messages_.messages.size(), 1u);
  player_.Finish();
  EXPECT_EQ(LastPlayed(), Lecturer(2));
}

TEST_F(ConversationWindowTest, RightClickLoopsAPhraseUntilAClickTabOrClose) {
  Show(WithRoles({1, 2, 1}));
  const auto loop = [this](int k) {
    Send(window_.PaintBox1, QEvent::MouseButtonPress, PhrasePoint(k), Qt::RightButton,
         Qt::RightButton);
    Send(window_.PaintBox1, QEvent::MouseButtonRelease, PhrasePoint(k), Qt::RightButton,
         Qt::NoButton);
  };
  loop(2);
  ASSERT_EQ(Played(), std::vector<std::string>{Lecturer(2)});
  EXPECT_EQ(sound_.PlaybackMode, "dialog");
  for (int round = 2; round <= 3; ++round) {
    player_.Finish();
    // A breath between the rounds, then the same phrase, still blue.
    EXPECT_EQ(waiter_.waits.size(), static_cast<size_t>(10 * (round - 1)));
    EXPECT_EQ(Played(), std::vector<std::string>(static_cast<size_t>(round), Lecturer(2)));
    EXPECT_TRUE(player_.Running());
    EXPECT_TRUE(window_.Session().Highlighted(2));
  }
  Keep(window_, "conversation-loop.png");

  // A click on the phrase stops it: no sound, no highlight, and its end brings nothing.
  Click(window_.PaintBox1, PhrasePoint(2));
  EXPECT_FALSE(player_.Running());
  EXPECT_FALSE(window_.Session().Highlighted(2));
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  player_.Finish();
  EXPECT_EQ(Played().size(), 3u);

  // A click during the pause ends the loop too, after that slice.
  loop(1);
  waiter_.waits.clear();
  waiter_.duringWait = [&](int) {
    waiter_.duringWait = nullptr;
    Click(window_.PaintBox1, {1, 400});
  };
  player_.Finish();
  EXPECT_EQ(waiter_.waits.size(), 1u);
  EXPECT_EQ(Played().size(), 4u);
  EXPECT_FALSE(window_.Session().Highlighted(1));

  // A tab switch stops it, and so does closing: no sound after either.
  loop(3);
  Click(window_.Image[1]);
  EXPECT_FALSE(player_.Running());
  player_.Finish();
  loop(3);
  EXPECT_TRUE(window_.Session().Highlighted(3)) << "the speaking tab loops as well";
  window_.close();
  EXPECT_FALSE(player_.Running());
  player_.Finish();
  EXPECT_EQ(Played().size(), 6u);
}

TEST_F(ConversationWindowTest, MissingSoundEndsTheChainWithOneMessage) {
  Conversation conversation = WithRoles({1, 2});
  conversation.Sounds[1] = "nowhere";
  Show(conversation);
  Click(window_.btn_playAll);
  player_.Finish();
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  EXPECT_FALSE(window_.Session().Highlighted(2));
  player_.Finish();
  EXPECT_EQ(Played().size(), 1u);
}

TEST_F(ConversationWindowTest, SpeakingRecordsAPhraseAndSwitchesBetweenLearnerAndLecturer) {
  Show(WithRoles({1, 2, 1}));
  Click(window_.Image[1]);
  ASSERT_EQ(window_.Session().Mode(), 2);
  EXPECT_TRUE(window_.Nag[1]->isVisible());
  EXPECT_TRUE(window_.Lek[1]->isVisible());
  EXPECT_FALSE(window_.Nag[3]->isVisible());  // three phrases only
  EXPECT_EQ(window_.Nag[1]->x(), 26);
  EXPECT_EQ(window_.Lek[1]->x(), 62);
  EXPECT_EQ(window_.Nag[1]->y(), window_.Session().ControlTop(2));

  phraseRecorder_.savedLengthMs = 1200;
  Press(window_.Nag[1]);
  EXPECT_EQ(phraseRecorder_.calls, (std::vector<std::string>{"Open", "Record"}));
  Release(window_.Nag[1]);
  EXPECT_EQ(waiter_.waits, std::vector<int>{300});
  ASSERT_EQ(phraseRecorder_.calls.size(), 4u);
  EXPECT_EQ(phraseRecorder_.calls[2], "Save " + Sound("save_2.Wav"));
  EXPECT_TRUE(window_.Session().Recordings().UsesOwn(2));
  EXPECT_TRUE(messages_.messages.empty());

  Click(window_.PaintBox1, PhrasePoint(2));
  EXPECT_EQ(LastPlayed(), Sound("save_2.wav"));
  EXPECT_EQ(sound_.PlaybackMode, "dialog");
  player_.Finish();
  EXPECT_TRUE(sound_.PlaybackMode.empty());
  EXPECT_FALSE(window_.Session().Highlighted(2));

  Press(window_.Lek[1]);
  EXPECT_FALSE(window_.Session().Recordings().UsesOwn(2));
  Click(window_.PaintBox1, PhrasePoint(2));
  EXPECT_EQ(LastPlayed(), Lecturer(2));
  Press(window_.Lek[1]);
  EXPECT_TRUE(window_.Session().Recordings().UsesOwn(2));

  // Phrase 1 has no recording: its switch does nothing. A recording of 299 ms is refused.
  Press(window_.Lek[0]);
  EXPECT_FALSE(window_.Session().Recordings().UsesOwn(1));
  player_.lengths[OwnRecordings::RecordingFile(state_.Install.ProgramDir, 3)] = 299;
  Press(window_.Nag[2]);
  Release(window_.Nag[2]);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0], "T82");
  EXPECT_FALSE(window_.Session().Recordings().UsesOwn(3));

  window_.close();
  EXPECT_EQ(closed_, 1);
  const ResultsStore saved = Saved();  // the record lives in it
  const ResultRecord* speaking = Record(saved, 71);
  ASSERT_NE(speaking, nullptr);
  EXPECT_EQ(speaking->Attempts, 1);
  EXPECT_EQ(speaking->Score, 100);
}

TEST_F(ConversationWindowTest, ListeningComprehensionIsAnsweredOnTheQuestionMarks) {
  std::vector<Line> lines;
  for (int k = 1; k <= 6; ++k) {
    lines.push_back({k % 2 + 1, "A: line number " + std::to_string(k), "t" + std::to_string(k)});
  }
  Show(MakeConversation(lines));
  Click(window_.Image[3]);
  const ConversationSession& session = window_.Session();
  ASSERT_EQ(session.Mode(), 4);
  ASSERT_EQ(session.Questions().Remaining(), 2);
  EXPECT_TRUE(window_.btn_odtworz->isVisible());
  EXPECT_FALSE(window_.btn_nastepne->isVisible());
  const int asked = session.Questions().Asked();
  EXPECT_EQ(LastPlayed(), Lecturer(asked));
  EXPECT_EQ(sound_.PlaybackMode, "NIC");
  EXPECT_FALSE(session.Highlighted(asked));

  const auto markOf = [&](int k) {
    for (const MarkPicture& mark : session.Picture().Marks) {
      if (mark.Phrase == k) return QPoint(mark.At.X + 3, mark.At.Y + 3);
    }
    ADD_FAILURE() << "no mark for phrase " << k;
    return QPoint();
  };
  int other = 0;
  for (int k = 1; k <= 6; ++k) {
    if (k != asked && session.Questions().IsHidden(k)) other = k;
  }
  ASSERT_NE(other, 0);

  Click(window_.PaintBox1, markOf(other));
  EXPECT_EQ(LastPlayed(), Sound("Wav_r\\no.wav"));
  Click(window_.btn_odtworz);
  EXPECT_EQ(LastPlayed(), Lecturer(asked));
  Click(window_.PaintBox1, markOf(asked));
  EXPECT_FALSE(session.Questions().IsHidden(asked));
  const auto played = Played();
  ASSERT_GE(played.size(), 3u);
  EXPECT_EQ(played[played.size() - 3], Sound("Wav_r\\ok.wav"));
  EXPECT_EQ(played[played.size() - 2], Sound("Wav_r\\ok.wav"));
  EXPECT_EQ(played.back(), Lecturer(other));

  Click(window_.PaintBox1, markOf(other));
  EXPECT_TRUE(session.Questions().Finished());
  EXPECT_FALSE(player_.Running());
  EXPECT_TRUE(window_.btn_nastepne->isVisible());
  EXPECT_FALSE(window_.btn_odtworz->isVisible());

  // Two right, one wrong: 67 %, finished, recorded on close.
  window_.close();
  const ResultsStore saved = Saved();  // the record lives in it
  const ResultRecord* comprehension = Record(saved, 73);
  ASSERT_NE(comprehension, nullptr);
  EXPECT_EQ(comprehension->Attempts, 1);
  EXPECT_EQ(comprehension->Score, 67);
  EXPECT_EQ(comprehension->Finished, 1);
}

TEST_F(ConversationWindowTest, DragDropKeepsRightWordsAndSendsWrongOnesHome) {
  Show(MakeConversation({{1, "A: we like green tea very much", ""},
                         {2, "B: they drink black coffee every morning", ""},
                         {1, "A: good", ""}}));
  Click(window_.Image[4]);
  const ConversationSession& session = window_.Session();
  ASSERT_EQ(session.Mode(), 5);
  ASSERT_EQ(session.Gaps().Count(), 2);
  EXPECT_TRUE(window_.img_Panel->isVisible());
  EXPECT_FALSE(window_.btn_playAll->isVisible());
  QLabel* first = window_.lbl[0];
  ASSERT_TRUE(first->isVisible());
  EXPECT_FALSE(window_.lbl[2]->isVisible());
  const QPoint home = first->pos();
  EXPECT_EQ(home, QPoint(session.LabelHomes()[0].X, session.LabelHomes()[0].Y));

  const QPoint box = window_.PaintBox1->pos();
  const auto drag = [&](QLabel* label, QPoint to) {
    const QPoint from = label->rect().center();
    Press(label, from);
    Send(label, QEvent::MouseMove, label->mapFrom(&window_, to), Qt::NoButton, Qt::LeftButton);
    Release(label, label->mapFrom(&window_, to));
  };
  drag(first, box + Centre(session.Gaps().At(2).Area));
  EXPECT_EQ(first->pos(), home);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(LastPlayed(), Sound("Wav_r\\no.wav"));
  EXPECT_EQ(session.Tally().Bad, 1);

  drag(first, box + Centre(session.Gaps().At(1).Area));
  EXPECT_TRUE(session.Gaps().At(1).Filled);
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(LastPlayed(), Sound("Wav_r\\ok.wav"));
  EXPECT_EQ(session.Texts()[0].find(kGapMarker), std::string::npos);

  drag(window_.lbl[1], box + Centre(session.Gaps().At(2).Area));
  EXPECT_TRUE(session.Tally().Completed);
  EXPECT_FALSE(window_.img_Panel->isVisible());
  EXPECT_TRUE(window_.btn_nastepne->isVisible());

  // Leaving for the first tab records the exercise: two right, one wrong.
  Click(window_.Image[0]);
  const ResultsStore saved = Saved();  // the record lives in it
  const ResultRecord* drop = Record(saved, 74);
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(drop->Score, 67);
  EXPECT_EQ(drop->Finished, 1);
}

TEST_F(ConversationWindowTest, KeysPutWordsInGapsAsTheMouseDoes) {
  Show(MakeConversation({{1, "A: we like green tea very much", ""},
                         {2, "B: they drink black coffee every morning", ""},
                         {1, "A: good", ""}}));
  Click(window_.Image[4]);
  const ConversationSession& session = window_.Session();
  ASSERT_EQ(session.Gaps().Count(), 2);
  // Screen readers read the phrases as painted.
  QAccessibleInterface* phrases = QAccessible::queryAccessibleInterface(window_.PaintBox1);
  ASSERT_NE(phrases, nullptr);
  ASSERT_EQ(phrases->childCount(), 3);
  EXPECT_TRUE(phrases->child(2)->text(QAccessible::Name).contains("good"))
      << phrases->child(2)->text(QAccessible::Name).toStdString();

  const auto key = [](QWidget* widget, int code) {
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  QLabel* first = window_.lbl[0];
  const QPoint home = first->pos();
  // The open gaps are the places, in text order: the second is wrong for the first word.
  key(first, Qt::Key_Space);
  EXPECT_EQ(first->accessibleDescription(), "luka 1");
  key(first, Qt::Key_Right);
  EXPECT_EQ(first->accessibleDescription(), "luka 2");
  key(first, Qt::Key_Return);
  EXPECT_EQ(first->pos(), home);
  EXPECT_EQ(LastPlayed(), Sound("Wav_r\\no.wav"));
  EXPECT_EQ(session.Tally().Bad, 1);
  key(first, Qt::Key_Space);
  key(first, Qt::Key_Return);
  EXPECT_TRUE(session.Gaps().At(1).Filled);
  EXPECT_FALSE(first->isVisible());
  // One gap left: the only place there is.
  key(window_.lbl[1], Qt::Key_Space);
  EXPECT_EQ(window_.lbl[1]->accessibleDescription(), "luka 2");
  key(window_.lbl[1], Qt::Key_Return);
  EXPECT_TRUE(session.Tally().Completed);

  Click(window_.Image[0]);
  const ResultsStore saved = Saved();
  const ResultRecord* drop = Record(saved, 74);
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(drop->Score, 67);
}

TEST_F(ConversationWindowTest, TranslationShowsOverAPhraseAndHidesAwayOrOnAClick) {
  Show(
      MakeConversation({{1, "A: good morning", "dzie\xF1 dobry"}, {2, "B: hello", "cze\x9C\xE6"}}));
  Send(window_.PaintBox1, QEvent::MouseMove, PhrasePoint(2), Qt::NoButton, Qt::NoButton);
  ASSERT_TRUE(window_.lbl_tlumacz->isVisible());
  EXPECT_TRUE(window_.Image6->isVisible());
  EXPECT_EQ(window_.lbl_tlumacz->text(), QStringLiteral("cze\u015B\u0107"));
  EXPECT_EQ(window_.PaintBox1->cursor().shape(), Qt::PointingHandCursor);

  Send(window_.PaintBox1, QEvent::MouseMove,
       {window_.PaintBox1->width() - 2, window_.PaintBox1->height() - 2}, Qt::NoButton,
       Qt::NoButton);
  EXPECT_FALSE(window_.lbl_tlumacz->isVisible());
  EXPECT_EQ(window_.PaintBox1->cursor().shape(), Qt::ArrowCursor);

  Send(window_.PaintBox1, QEvent::MouseMove, PhrasePoint(1), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window_.lbl_tlumacz->text(), QStringLiteral("dzie\u0144 dobry"));
  Press(window_.lbl_tlumacz);
  EXPECT_FALSE(window_.Image6->isVisible());
  EXPECT_TRUE(Played().empty());  // a click on the box only hides it
}

TEST_F(ConversationWindowTest, HelpKeyAndButtonOpenTheModesPages) {
  Show(WithRoles({1, 2}));
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&window_, &f1);
  EXPECT_EQ(helpPage_, state_.Install.ProgramDir + "Htm_r\\h_comp.html#kon");
  Click(window_.Image[1]);
  Click(window_.btn_help);
  EXPECT_EQ(information_, "HH_T101");
}

TEST_F(ConversationWindowTest, PaceButtonAndKeyTSlowTheRecordingsForThisUser) {
  const std::string tempoFile = TempoFilePath(state_.UserDir, state_.Install.SettingsTag);
  ASSERT_TRUE(WriteTempoPercent(tempoFile, 85));
  Show(WithRoles({1, 2, 1}));
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.85) << "the user's pace, from the file";
  ASSERT_TRUE(window_.btn_tempo->isVisible());
  EXPECT_EQ(window_.btn_tempo->Number(), 85);
  EXPECT_EQ(window_.btn_tempo->accessibleName(), QStringLiteral("Tempo mowy: 85 %"));
  // Beside the help button, on none of the strip's controls.
  EXPECT_FALSE(window_.btn_tempo->geometry().intersects(window_.btn_help->geometry()));
  for (const QWidget* control :
       {static_cast<QWidget*>(window_.btn_playAll), static_cast<QWidget*>(window_.btn_play[3]),
        static_cast<QWidget*>(window_.btn_exit)}) {
    EXPECT_FALSE(window_.btn_tempo->geometry().intersects(control->geometry()));
  }

  // A phrase playing takes the new pace at once and goes on.
  Click(window_.btn_playAll);
  ASSERT_EQ(LastPlayed(), Lecturer(1));
  Click(window_.btn_tempo);
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.70);
  EXPECT_TRUE(player_.Running());
  EXPECT_EQ(Played().size(), 1u);
  QKeyEvent t(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier);
  QCoreApplication::sendEvent(&window_, &t);
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.55);
  EXPECT_EQ(window_.btn_tempo->Number(), 55);
  EXPECT_TRUE(window_.btn_tempo->Lit());
  EXPECT_EQ(ReadTempoPercent(tempoFile), 55);
  Keep(window_, "conversation-tempo.png");
  Click(window_.btn_tempo);
  EXPECT_EQ(player_.Speed(), 1.0);
  EXPECT_FALSE(window_.btn_tempo->Lit());
  Click(window_.btn_tempo);

  // Closed, the shared player plays the other windows' sounds as recorded again; the pace
  // waits in the file for the next conversation.
  window_.close();
  EXPECT_EQ(player_.Speed(), 1.0);
  EXPECT_EQ(ReadTempoPercent(tempoFile), 85);
  Show(WithRoles({1, 2}));
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.85);
}

TEST_F(ConversationWindowTest, ArrowsScrollALongConversationAndMoveThePhraseControls) {
  std::vector<Line> lines;
  for (int k = 1; k <= 25; ++k) {
    lines.push_back({k % 2 + 1,
                     "A: " + std::string(12, 'w') +
                         " and a phrase long enough to "
                         "take two lines of the text area, number " +
                         std::to_string(k),
                     ""});
  }
  Show(MakeConversation(lines));
  Click(window_.Image[1]);
  const ConversationScroll& scroll = window_.Session().Scroll();
  ASSERT_GT(scroll.MaxTopLine(), 0);
  EXPECT_FALSE(window_.btn_up->isVisible());
  EXPECT_TRUE(window_.btn_dn->isVisible());
  const int before = window_.Nag[3]->y();

  Click(window_.btn_dn);
  EXPECT_EQ(scroll.TopLine(), 1);
  EXPECT_TRUE(window_.btn_up->isVisible());
  EXPECT_EQ(window_.Nag[3]->y(), window_.Session().ControlTop(4));
  EXPECT_LT(window_.Nag[3]->y(), before);
  for (int i = 0; i < 200 && scroll.TopLine() < scroll.MaxTopLine(); ++i) Click(window_.btn_dn);
  EXPECT_EQ(scroll.TopLine(), scroll.MaxTopLine());
  EXPECT_FALSE(window_.btn_dn->isVisible());
  EXPECT_FALSE(window_.Nag[0]->isVisible());  // phrase 1 scrolled out of the area
  EXPECT_TRUE(window_.Nag[24]->isVisible());
  Click(window_.btn_up);
  EXPECT_EQ(scroll.TopLine(), scroll.MaxTopLine() - 1);
}

TEST_F(ConversationWindowTest, TranslatingRecordsTheDrawnPhraseAndComparesWithTheLecturer) {
  Show(MakeConversation({{1, "A: one", "jeden"},
                         {2, "B: two", "dwa"},
                         {1, "A: three", "trzy"},
                         {2, "B: four", "cztery"}}));
  Click(window_.Image[2]);
  const ConversationSession& session = window_.Session();
  ASSERT_EQ(session.Mode(), 3);
  const int k = session.DrawnPhrase();
  ASSERT_GE(k, 1);
  ASSERT_LE(k, 3);  // the last phrase is never drawn
  EXPECT_TRUE(window_.btn_nastepne->isVisible());
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(window_.Nag[static_cast<size_t>(j - 1)]->isVisible(), j == k) << j;
    EXPECT_FALSE(window_.Lek[static_cast<size_t>(j - 1)]->isVisible()) << j;
  }

  phraseRecorder_.savedLengthMs = 900;
  Press(window_.Nag[static_cast<size_t>(k - 1)]);
  Release(window_.Nag[static_cast<size_t>(k - 1)]);
  ASSERT_TRUE(messages_.messages.empty());
  const size_t before = Played().size();
  Click(window_.PaintBox1, PhrasePoint(k));
  ASSERT_EQ(Played().size(), before + 1);
  EXPECT_EQ(LastPlayed(), Sound("save_" + std::to_string(k) + ".wav"));
  player_.Finish();  // the learner's translation, then the lecturer
  EXPECT_EQ(LastPlayed(), Lecturer(k));

  // Another draw never gives the same phrase twice in a row.
  Click(window_.btn_nastepne);
  EXPECT_NE(session.DrawnPhrase(), k);
}

}  // namespace
}  // namespace tess
