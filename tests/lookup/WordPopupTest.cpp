// The popup of a double-clicked word, offscreen: what it shows, its play and "+ Do nauki"
// buttons and its closing; and the windows that tell it the word under a double-click.
#include "lookup/WordPopup.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/Equivalences.h"
#include "dictionary/DictionaryFixture.h"
#include "dictionary/LearningList.h"
#include "drills/AnswerWindow.h"
#include "drills/ConversationFixture.h"
#include "drills/ConversationWindow.h"
#include "drills/DrillInstallation.h"
#include "drills/SentencesWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::DictionaryFolder;
using testing::WordLine;

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

// What the system sends for a double-click: press, release, double-click, release.
void DoubleClick(QWidget* widget, QPoint at) {
  Send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Send(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
  Send(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
  Send(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

struct Word {
  std::string text;
  QPoint at;
};

class WordPopupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dictionary_.WriteInstallation("Hdd\\Slownik\\", "1");
    dictionary_.WriteLines("sba_s.txt", {WordLine(12, "house", "dom [1]", "12", "1"),
                                         WordLine(13, "walk", "spacer [1]")});
    dictionary_.Write("7/keep", "");
  }
  void TearDown() override {
    if (host_.Popup()) host_.Popup()->close();
  }
  std::string ListPath() const {
    return dictionary::LearningListPath(dictionary_.ProgramDir() + "7\\", 1);
  }

  DictionaryFolder dictionary_;
  std::vector<std::string> played_;
  lookup::WordLookupHost host_{{dictionary_.ProgramDir(), 1},
                               {[this](const std::string& path) { played_.push_back(path); },
                                [this] { return dictionary_.ProgramDir() + "7\\"; }}};
};

TEST_F(WordPopupTest, ShowsTheEntryPlaysItAndPutsItOnTheLearningListOnce) {
  host_.LookUp("\x84Houses,\x94", {200, 150});
  lookup::WordPopup* popup = host_.Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Popup));
  EXPECT_EQ(popup->L_Slowo->text(), QStringLiteral("Houses"));
  ASSERT_EQ(popup->Rows.size(), 1u);
  EXPECT_TRUE(popup->Rows[0]->text().contains(QStringLiteral("<b>house</b>")));
  EXPECT_TRUE(popup->Rows[0]->text().contains(QStringLiteral("dom")));
  EXPECT_TRUE(popup->Rows[0]->text().contains(QStringLiteral("Poziom 1, 2")));
  EXPECT_EQ(popup->Rows[0]->toolTip(), QStringLiteral("n: noun (rzeczownik)"));
  // Below the word, a little to its left.
  EXPECT_GT(popup->y(), 150);

  ASSERT_NE(popup->PlayButtons[0], nullptr);
  popup->PlayButtons[0]->click();
  EXPECT_EQ(played_, std::vector<std::string>{dictionary_.ProgramDir() +
                                              "Hdd\\Slownik\\D_00\\dd_000\\00012.wav"});

  popup->LearnButtons[0]->click();
  EXPECT_EQ(popup->L_Stan->text(), QStringLiteral("Dopisano do listy słówek do nauki."));
  EXPECT_EQ(played_.back(), dictionary_.ProgramDir() + "klik.wav");
  popup->LearnButtons[0]->click();
  EXPECT_EQ(popup->L_Stan->text(), QStringLiteral("To słowo jest już na liście słówek do nauki."));
  EXPECT_EQ(played_.size(), 2u);
  EXPECT_EQ(lookup::ReadLearningList(ListPath()), std::vector<int>{12});

  PressKey(popup, Qt::Key_Escape);
  EXPECT_FALSE(popup->isVisible());
}

TEST_F(WordPopupTest, AWordTheDictionaryLacksGetsOneLine) {
  host_.LookUp("zebras", {10, 10});
  lookup::WordPopup* popup = host_.Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->Rows.empty());
  const auto* none = popup->findChild<QLabel*>(QStringLiteral("L_Brak"));
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->text(), QStringLiteral("Nie ma tego słowa w słowniku."));
  // The next word replaces what was shown.
  host_.LookUp("walks", {10, 10});
  EXPECT_EQ(popup->Rows.size(), 1u);
  EXPECT_EQ(popup->PlayButtons[0], nullptr);  // no recording
  EXPECT_EQ(popup->findChild<QLabel*>(QStringLiteral("L_Brak")), nullptr);
}

TEST(WordPopupHostTest, WithoutADictionaryOfTheCourseLanguageNothingHappens) {
  DictionaryFolder german;
  german.WriteInstallation("Hdd\\Slownik\\", "2");
  german.WriteLines("sbn_r.txt", {WordLine(1, "Haus, das", "dom [1]")});
  for (const std::string& folder : {std::string("/nonexistent/"), german.ProgramDir()}) {
    lookup::WordLookupHost host({folder, 1}, {});
    host.LookUp("house", {10, 10});
    EXPECT_FALSE(host.Available());
    EXPECT_EQ(host.Popup(), nullptr);
  }
}

// The windows that report a double-clicked word, with the fake sound service.
class WordHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing_drills::PrepareDrillInstallation(folder_, 120, state_, sound_));
    ASSERT_TRUE(MakeDirectory(state_.Install.ProgramDir + "Hdd\\Dialogi"));
    testing::WriteBytes(ResolvePath(state_.Install.MediaDir + "Dialogi\\d1_1.wav"), "RIFF");
    results_.CurrentResultName = "dia_1";
    pictures_.size = QSize(18, 18);
  }
  int Plays() const {
    int plays = 0;
    for (const std::string& call : player_.calls) plays += call == "Play" ? 1 : 0;
    return plays;
  }

  testing::TempFolder folder_;
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
  std::vector<Word> words_;
  WordPicked record_ = [this](const std::string& word, QPoint at) { words_.push_back({word, at}); };
};

TEST_F(WordHookTest, AConversationPhraseTellsTheWordUnderTheDoubleClick) {
  ConversationWindow window(ConversationServices{state_,
                                                 results_,
                                                 skins_,
                                                 pictures_,
                                                 sound_,
                                                 clock_,
                                                 random_,
                                                 messages_,
                                                 nullptr,
                                                 {},
                                                 {},
                                                 {}});
  window.LookUpWord = record_;
  window.ShowConversation(
      testing_drills::MakeConversation({{1, "Tom: Hello, my friend.", "Cze\x9C\xE6"}}));
  const std::vector<PhraseRun>& runs = window.Session().Picture().Runs;
  ASSERT_GE(runs.size(), 3u);
  ASSERT_TRUE(runs[0].Bold);  // the speaker
  const PhraseRun& my = runs[2];
  ASSERT_EQ(my.Text, "my ");
  const QPoint at(my.X + 3, window.Session().Scroll().AreaY(my.Y) + 5);

  DoubleClick(window.PaintBox1, at);
  ASSERT_EQ(words_.size(), 1u);
  EXPECT_EQ(words_[0].text, "my ");
  EXPECT_EQ(words_[0].at, window.PaintBox1->mapToGlobal(at));
  // The press still plays the phrase, once, as before.
  EXPECT_EQ(Plays(), 1);

  // The speaker's name and the space beside the text tell nothing.
  DoubleClick(window.PaintBox1, QPoint(runs[0].X + 2, at.y()));
  DoubleClick(window.PaintBox1, QPoint(window.PaintBox1->width() - 40, at.y()));
  EXPECT_EQ(words_.size(), 1u);
  window.close();
}

TEST_F(WordHookTest, TheAnswerWindowTellsTheWordOfItsText) {
  AnswerWindow answer(AnswerWindowServices{state_, skins_, pictures_, {}});
  answer.LookUpWord = record_;
  answer.ShowAnswer("Ich gehe nach Hause.");
  const QFontMetrics metrics(answer.L_Odp->font());
  const int second = metrics.horizontalAdvance(QStringLiteral("Ich ")) + 4;
  const int last = metrics.horizontalAdvance(QStringLiteral("Ich gehe nach ")) + 4;
  DoubleClick(answer.L_Odp, {2, 6});
  DoubleClick(answer.L_Odp, {second, 6});
  DoubleClick(answer.L_Odp, {last, 6});
  DoubleClick(answer.L_Odp, {answer.L_Odp->width() - 4, 6});  // beyond the text
  ASSERT_EQ(words_.size(), 3u);
  EXPECT_EQ(words_[0].text, "Ich");
  EXPECT_EQ(words_[1].text, "gehe");
  EXPECT_EQ(words_[2].text, "Hause.");
  answer.close();
}

TEST_F(WordHookTest, TheSentencesWindowTellsTheWordOfTheRightAnswer) {
  const SentenceList sentences;
  const EquivalenceList equivalences;
  SentencesWindow window(SentencesServices{state_, results_, skins_, pictures_, sound_, clock_,
                                           random_, messages_, sentences, equivalences,
                                           nullptr, {}, {}, {}});
  window.LookUpWord = record_;
  window.lbl_odp->setText(QStringLiteral("Wir fahren morgen."));
  window.lbl_odp->show();
  const QFontMetrics metrics(window.lbl_odp->font());
  DoubleClick(window.lbl_odp, {metrics.horizontalAdvance(QStringLiteral("Wir ")) + 3, 8});
  DoubleClick(window.lbl_odp, {window.lbl_odp->width() - 4, 8});  // beyond the text
  ASSERT_EQ(words_.size(), 1u);
  EXPECT_EQ(words_[0].text, "fahren");
  window.close();
}

}  // namespace
}  // namespace tess
