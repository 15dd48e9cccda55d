// The result screen: the learner's choice comes back as the tag, Enter and Esc never finish,
// and the comprehension drill's screen offers no way back.
#include "drills/ResultScreen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <functional>
#include <string>

#include "drills/DrillInstallation.h"
#include "core/CourseState.h"
#include "platform/Fakes.h"
#include "support/TempFolder.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

void PressKey(QWidget& target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
}

class ResultScreenTest : public ::testing::Test {
 protected:
  ResultScreenTest() {
    state_.Install.ProgramDir = "/tess/";
    testing_drills::LoadNumberedTexts(folder_, 7, state_);
  }

  testing::TempFolder folder_;
  CourseState state_;
  FakePictureLoader pictures_;
  SkinStrips skins_{pictures_};
  FakeModalShower modal_;
  std::string help_;
  std::string information_;
  ResultScreen screen_{{state_, skins_, pictures_, modal_,
                        [this](const std::string& page) { help_ = page; },
                        [this](const std::string& text) { information_ = text; }}};
};

TEST_F(ResultScreenTest, TheChoiceComesBackAsTheTag) {
  struct Case {
    const char* what;
    std::function<void(ResultScreen&)> act;
    int tag;
  };
  const Case cases[] = {
      {"OK finishes", [](ResultScreen& s) { s.B_OKClick(); }, ResultScreen::kFinish},
      {"back returns to the drill", [](ResultScreen& s) { s.K_wrocClick(); }, ResultScreen::kBack},
      {"Esc leaves the tag at back", [](ResultScreen& s) { PressKey(s, Qt::Key_Escape); },
       ResultScreen::kBack},
      {"Enter leaves the tag at back", [](ResultScreen& s) { PressKey(s, Qt::Key_Return); },
       ResultScreen::kBack},
  };
  for (const Case& c : cases) {
    modal_.onShow = [&](QWidget& window) {
      EXPECT_EQ(window.objectName(), QStringLiteral("TForm25"));
      EXPECT_TRUE(screen_.isVisible());
      c.act(screen_);
      EXPECT_FALSE(screen_.isVisible()) << c.what;
    };
    EXPECT_EQ(screen_.ShowFigures({{"9", "2", "82", "10"}}, true), c.tag) << c.what;
  }
}

TEST_F(ResultScreenTest, ShowsTheFiguresAndTheReturnButtonOnlyWhenOffered) {
  bool backShown = true;
  modal_.onShow = [&](QWidget&) { backShown = screen_.K_wroc->isVisible(); };
  screen_.ShowFigures({{"4", "3", "57", ""}}, false);
  EXPECT_FALSE(backShown);
  EXPECT_EQ(screen_.Stat[0]->text(), QStringLiteral("4"));
  EXPECT_EQ(screen_.Stat[2]->text(), QStringLiteral("57"));
  EXPECT_TRUE(screen_.Stat[3]->text().isEmpty());
  screen_.ShowFigures({{"1", "0", "100", "1"}}, true);
  EXPECT_TRUE(backShown);
}

TEST_F(ResultScreenTest, HelpButtonAndF1OpenTheirPages) {
  modal_.onShow = [&](QWidget&) {
    screen_.btn_helpClick();
    PressKey(screen_, Qt::Key_F1);
  };
  screen_.ShowFigures({}, true);
  EXPECT_EQ(information_, "HH_T7");
  EXPECT_EQ(help_, "/tess/Htm_r\\h_comp.html#e3");
}

}  // namespace
}  // namespace tess
