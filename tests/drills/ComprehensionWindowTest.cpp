// The comprehension window on the demo course's exercises, with the fake sound service: an
// exercise answered to its end is recorded and its tally shown, the pause after a wrong picture
// takes no input, and a window closed before any click records nothing.
#include "drills/ComprehensionWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "drills/DrillInstallation.h"
#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "shared/CodePage.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::TempFolder;

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButtons held) {
  const QPointF at(3, 3);
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget) {
  Send(widget, QEvent::MouseButtonPress, Qt::LeftButton);
  Send(widget, QEvent::MouseButtonRelease, Qt::NoButton);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ComprehensionWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing_drills::PrepareDrillInstallation(folder_, 60, state_, sound_));

    // The demo course's readable sources, written out in their code page as installed.
    for (const char* name : {kComprehensionCatalogueFile, kComprehensionItemsFile}) {
      const std::string source = ReadFile(std::string(TESS_DEMO_COURSE_DIR) + "/" + name);
      ASSERT_FALSE(source.empty()) << name;
      testing::WriteBytes(folder_ / name, FromUtf8(source, CodePage::Cp1250));
    }
    ASSERT_TRUE(LoadComprehensionCatalogue(folder_ / kComprehensionCatalogueFile,
                                           catalogue_.Comprehension));
    ASSERT_TRUE(LoadComprehensionItems(folder_ / kComprehensionItemsFile, catalogue_.Items));

    // Every recording of exercise 1 but that of its fourth item.
    ASSERT_TRUE(MakeDirectory(state_.Install.ProgramDir + "rozumienia_wav_r"));
    const std::vector<std::string> ids =
        ComprehensionDrill::SplitIdentifiers(catalogue_.Comprehension.At(1)->ItemsLine);
    ASSERT_GE(ids.size(), 4u);
    for (size_t i = 0; i < ids.size(); ++i) {
      if (i == 3) continue;
      testing::WriteBytes(ResolvePath(SoundOf(catalogue_.Items.Find(ids[i])->SoundName)), "RIFF");
    }
    // Only the first item's right picture is drawn; the others fall back to the placeholders.
    ASSERT_TRUE(MakeDirectory(state_.Install.MediaDir + "Rozumienia_gfx_r"));
    firstPicture_ = PictureOf(catalogue_.Items.Find(ids[0])->RightPicture);
    testing::WriteBytes(ResolvePath(firstPicture_), "BM");

    ResultRecord record;
    record.Name = "rpg_1";
    record.Kind = 54;
    results_.Append(record);
    results_.CurrentResultName = "rpg_1";
  }

  std::string SoundOf(const std::string& name) const {
    return state_.Install.ProgramDir + "rozumienia_wav_r\\" + name + ".wav";
  }
  std::string PictureOf(const std::string& name) const {
    return state_.Install.MediaDir + "Rozumienia_gfx_r\\" + name + ".bmp";
  }
  std::vector<std::string> Played() const {
    std::vector<std::string> played;
    std::string named;
    for (const std::string& call : player_.calls) {
      if (call.starts_with("SetFileName ")) named = call.substr(12);
      if (call == "Play") played.push_back(named);
    }
    return played;
  }
  const std::string ResultsPath() const {
    return ResultsFilePath(state_.UserDir, state_.Install.SettingsTag);
  }

  QWidget* Picture(int k) { return window_.img[static_cast<size_t>(k - 1)]; }
  int RightPicture() const { return window_.Drill().Current().CorrectPicture; }
  int WrongPicture() const { return RightPicture() == 3 ? 1 : 3; }

  TempFolder folder_;
  CourseState state_;
  CourseCatalogue catalogue_;
  ResultsStore results_;
  FakePictureLoader pictures_;
  SkinStrips skins_{pictures_};
  FakeMediaPlayer player_;
  FakeVoiceRecorder sentenceRecorder_;
  FakeVoiceRecorder phraseRecorder_;
  FakeMessageBox messages_;
  FakeClock clock_;
  FakeEventWaiter waiter_{&clock_};
  SoundService sound_{player_, sentenceRecorder_, phraseRecorder_, messages_, waiter_};
  SeededRandom random_{5};
  std::string firstPicture_;
  std::vector<ResultFigures> figures_;
  std::vector<bool> offeredReturn_;
  std::vector<std::string> helpPages_;
  int closed_ = 0;
  ComprehensionWindow window_{ComprehensionServices{
      state_, catalogue_, results_, skins_, pictures_, sound_, clock_, random_, messages_, nullptr,
      [this](const ResultFigures& figures, bool offerReturn) {
        figures_.push_back(figures);
        offeredReturn_.push_back(offerReturn);
        return 1;
      },
      [this](const std::string& page) { helpPages_.push_back(page); }, [this] { ++closed_; }}};
};

TEST_F(ComprehensionWindowTest, DemoExerciseAnsweredToItsEndIsRecordedAndItsTallyShown) {
  ASSERT_TRUE(window_.ShowComprehension(1));
  EXPECT_EQ(window_.objectName(), "TRozumienieForm");
  EXPECT_TRUE(window_.isVisible());
  const int items = window_.Drill().ItemCount();
  ASSERT_EQ(items, 6);
  EXPECT_EQ(window_.lbl_polecenie->text(), "T12");
  EXPECT_EQ(window_.btn_play->toolTip(), "T52");
  EXPECT_TRUE(pictures_.requested.front().find("Gfx_r\\rozum_tlo") != std::string::npos);
  EXPECT_TRUE(pictures_.WasRequested(firstPicture_));
  EXPECT_TRUE(pictures_.WasRequested(state_.Install.MediaDir + "Rozumienia_gfx_r\\tmp_" +
                                     std::to_string(RightPicture() == 1 ? 2 : 1) + ".bmp"));
  const std::string firstSound =
      state_.Install.ProgramDir + "rozumienia_wav_r\\" + window_.Drill().Current().SoundName;
  EXPECT_EQ(Played(), (std::vector<std::string>{firstSound}));
  Click(window_.btn_play);
  EXPECT_EQ(Played(), (std::vector<std::string>{firstSound, firstSound})) << "replay";

  // While the wrong mark shows, neither the right picture nor the exit button is taken.
  int waitClicks = 0;
  waiter_.duringWait = [&](int) {
    ++waitClicks;
    EXPECT_TRUE(window_.shape2->isVisible());
    Click(Picture(RightPicture()));
    Click(window_.lbl_koniec);
  };

  // Item 1 is missed three times, item 2 once, every other item is right at once.
  std::vector<int> shown;
  for (int guard = 0; guard < 20 && window_.isVisible(); ++guard) {
    const int item = window_.Drill().CurrentItem();
    shown.push_back(item);
    const int tries = window_.Drill().Current().Tries;
    const bool miss = (item == 1) || (item == 2 && tries == 0);
    Click(Picture(miss ? WrongPicture() : RightPicture()));
    EXPECT_TRUE(window_.btn_next->isVisible());
    EXPECT_FALSE(window_.shape2->isVisible()) << "the wrong mark goes after the pause";
    const bool resolved = window_.Drill().Current().Resolved();
    EXPECT_EQ(window_.lbl_angielskie2->isVisible(), resolved) << item;
    EXPECT_EQ(window_.lbl_polskie->isVisible(), resolved) << item;
    EXPECT_EQ(Picture(1)->cursor().shape(), Qt::ArrowCursor);
    if (item == 1 && tries == 2) {
      // The third miss gives the right picture away.
      const int right = RightPicture();
      EXPECT_TRUE(window_.shape1->isVisible());
      EXPECT_EQ(window_.shape1->pos(), Picture(right)->pos() - QPoint(3, 3));
    } else if (!miss) {
      EXPECT_EQ(window_.shape1->pos(),
                Picture(RightPicture())->geometry().topRight() + QPoint(1 - 40, -40));
    }
    // A second click before next changes nothing.
    Click(Picture(RightPicture()));
    Click(window_.btn_next);
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 1, 2, 1}));
  EXPECT_EQ(waitClicks, 4);
  EXPECT_EQ(std::count(waiter_.waits.begin(), waiter_.waits.end(), 1500), 4);
  EXPECT_EQ(messages_.beeps, 1) << "the fourth item has no recording";

  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(closed_, 1);
  // 5 good of 6 items and 4 wrong clicks: 500 / 10.
  ASSERT_EQ(figures_.size(), 1u);
  EXPECT_EQ(figures_[0].Lines[0], "5");
  EXPECT_EQ(figures_[0].Lines[1], "4");
  EXPECT_EQ(figures_[0].Lines[2], "50");
  EXPECT_EQ(figures_[0].Lines[3], "6");
  EXPECT_FALSE(offeredReturn_[0]);
  ResultsStore saved;
  ASSERT_TRUE(LoadResults(ResultsPath(), saved));
  ASSERT_EQ(saved.Count(), 1);
  EXPECT_EQ(saved.At(1).Kind, 54);
  EXPECT_EQ(saved.At(1).Score, 50);
  EXPECT_EQ(saved.At(1).Attempts, 1);
  EXPECT_EQ(saved.At(1).Finished, 1);
  EXPECT_DOUBLE_EQ(saved.At(1).LastDate, clock_.now);
}

TEST_F(ComprehensionWindowTest, ClosingBeforeAnyClickShowsTheTallyAndRecordsNothing) {
  ASSERT_TRUE(window_.ShowComprehension(2));
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&window_, &f1);
  EXPECT_EQ(helpPages_,
            (std::vector<std::string>{state_.Install.ProgramDir + "Htm_r\\h_comp.html#zdj"}));

  Click(window_.lbl_koniec);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(closed_, 1);
  ASSERT_EQ(figures_.size(), 1u);
  const ResultFigures& figures = figures_[0];
  EXPECT_EQ(figures.Lines[0], "0");
  EXPECT_EQ(figures.Lines[1], "0");
  EXPECT_EQ(figures.Lines[2], "0");
  EXPECT_EQ(figures.Lines[3], std::to_string(window_.Drill().ItemCount()));
  EXPECT_FALSE(offeredReturn_[0]);
  EXPECT_EQ(results_.At(1).Attempts, 0);
  EXPECT_FALSE(FileExists(ResultsPath()));
  EXPECT_EQ(player_.state, PlayerState::NotReady) << "the exit stops and closes the player";
}

TEST_F(ComprehensionWindowTest, ExerciseThatCannotOpenGivesItsMessageAndNoWindow) {
  EXPECT_FALSE(window_.ShowComprehension(catalogue_.Comprehension.Count() + 1));
  EXPECT_FALSE(window_.isVisible());
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_NE(messages_.messages[0].find("kurs_cwicz.kdx"), std::string::npos);
  EXPECT_TRUE(figures_.empty());
}

}  // namespace
}  // namespace tess
