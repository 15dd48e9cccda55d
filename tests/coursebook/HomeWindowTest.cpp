// The main window and the section chooser, offscreen, with fake pictures, browser and random
// source.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <map>
#include <tuple>

#include "choosers/SectionChooserWindow.h"
#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "coursebook/HomeWindow.h"
#include "platform/AviStrip.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "support/AviFixture.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

void Enter(QWidget& widget) {
  const QPointF inside(2, 2);
  QEnterEvent enter(inside, inside, inside);
  QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&widget, &leave);
}

void Mouse(QWidget& widget, QEvent::Type type, QPointF at = QPointF(2, 2)) {
  QMouseEvent mouse(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &mouse);
}

void Click(QWidget& widget) {
  Mouse(widget, QEvent::MouseButtonPress);
  Mouse(widget, QEvent::MouseButtonRelease);
}

void PressKey(QWidget& window, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&window, &press);
}

ResultRecord Conversation(int n, int kind = 70) {
  ResultRecord record;
  record.Name = "dia_" + std::to_string(n);
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Level = 1;
  record.Title = std::string("Rozmowa ") + (n < 10 ? "0" : "") + std::to_string(n) +
                 " = Talk = Gespr\xE4"
                 "ch = ";
  return record;
}

class HomeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    // Text n is line n; the windows use 8 to 11, the kind names 40 and 41.
    const std::map<int, std::string> used = {{8, "Filmy"},    {9, "Nagrania"}, {10, "Zdania"},
                                             {11, "Rozmowy"}, {40, "Rozmowa"}, {41, "Role A"}};
    std::string texts;
    for (int n = 1; n <= 41; ++n) {
      texts += std::to_string(n) + "==" + (used.count(n) ? used.at(n) : "t") + "=\r\n";
    }
    folder.Write("Lang_r/0/infa_r.txt", texts);
    testing::AviFixture dot;
    dot.Frames = {testing::Frame3x2(1, 2, 3), testing::Frame3x2(4, 5, 6)};
    folder.Write("gfx_r/kropka.avi", dot.Bytes());
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    ASSERT_TRUE(state.Texts.Load(state.LangPath("infa_r.txt")));
    pictures.size = QSize(66, 20);
  }

  std::string Dir() const { return folder.ProgramDir(); }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeBrowser browser;
  ScriptedRandom random;
  CourseSkins skins{pictures};
};

TEST_F(HomeWindowTest, HoverShowsTheCaptionAndTheDotOnlyWithAnimations) {
  for (bool animations : {false, true}) {
    SCOPED_TRACE(animations ? "animations on" : "animations off");
    state.Options.Animations = animations;
    HomeWindow main(state, skins, pictures, {&random, &browser});
    main.show();
    ASSERT_EQ(main.Kropka->FrameCount(), 2) << "the dot film is read when the window shows";
    Enter(*main.m_conv);
    EXPECT_TRUE(main.rol_conversations->isVisible());
    EXPECT_FALSE(main.rol_video->isVisible());
    EXPECT_EQ(main.Kropka->isVisible(), animations);
    EXPECT_EQ(main.Kropka->Active(), animations);
    Leave(*main.m_conv);
    EXPECT_FALSE(main.rol_conversations->isVisible());
    EXPECT_FALSE(main.Kropka->isVisible());
    EXPECT_FALSE(main.Kropka->Active());
  }
}

TEST_F(HomeWindowTest, AnimationTicksPlaceThePicturesOnTheirTiles) {
  HomeWindow main(state, skins, pictures, {&random, &browser});
  std::vector<std::string> sounds;
  main.PlayOpeningSound = [&](const std::string& path) { sounds.push_back(path); };
  main.show();
  EXPECT_TRUE(main.Timer1->isActive());
  EXPECT_EQ(main.Timer1->interval(), 2500);
  EXPECT_EQ(sounds, std::vector<std::string>{Dir() + "wav_r\\r_open.wav"});

  random.answers = {3, 5, 17, 12, 2, 4};
  main.Timer1Timer();
  EXPECT_EQ(main.img_anim_maly->pos(), QPoint(300, 124));
  EXPECT_TRUE(main.img_anim_maly->isVisible());
  EXPECT_EQ(pictures.requested.back(), Dir() + "gfx_r\\anim\\maly_17.bmp");
  main.Timer1Timer();
  EXPECT_EQ(main.img_anim_duzy->pos(), QPoint(400, 124));
  EXPECT_TRUE(main.img_anim_duzy->isVisible());
  EXPECT_TRUE(main.img_anim_maly->isVisible()) << "a large step leaves the small picture";
  EXPECT_EQ(pictures.requested.back(), Dir() + "gfx_r\\anim\\duzy_4.bmp");

  pictures.missing = {Dir() + "gfx_r\\anim\\maly_2.bmp"};
  random.answers = {0, 1, 2};
  main.Timer1Timer();
  EXPECT_FALSE(main.img_anim_maly->isVisible()) << "a missing picture stays hidden";

  state.Options.Animations = true;
  Enter(*main.m_video);
  main.StopAnimation();
  EXPECT_FALSE(main.Timer1->isActive());
  EXPECT_FALSE(main.img_anim_duzy->isVisible());
  EXPECT_FALSE(main.Kropka->isVisible());
  EXPECT_FALSE(main.Kropka->Active());
  main.StartAnimation();
  EXPECT_TRUE(main.Timer1->isActive());
}

TEST_F(HomeWindowTest, LinksButtonsAndF1ReachTheirWindows) {
  HomeWindow main(state, skins, pictures, {&random, &browser});
  std::vector<std::string> pages;
  std::vector<int> choosers;
  std::vector<std::tuple<int, bool, std::string>> sections;
  int options = 0;
  main.ShowHelpPage = [&](const std::string& page) { pages.push_back(page); };
  main.OpenChooser = [&](int mode) { choosers.push_back(mode); };
  main.OpenSection = [&](int code, bool video, const std::string& picture) {
    sections.emplace_back(code, video, picture);
  };
  main.ShowOptions = [&] { ++options; };
  main.show();

  Click(*main.lbl_pomoc);
  PressKey(main, Qt::Key_F1);
  Click(*main.lbl_autorzy);
  EXPECT_EQ(pages,
            (std::vector<std::string>{Dir() + "Htm_r\\h_index.html", Dir() + "Htm_r\\h_index.html",
                                      Dir() + "\\Htm_r\\h_kvarn.html"}));
  Click(*main.lbl_serwisy);
  EXPECT_EQ(browser.urls, std::vector<std::string>{kProductPageUrl});
  Click(*main.lbl_opcje);
  EXPECT_EQ(options, 1);
  Click(*main.m_subj);
  Click(*main.m_results);
  EXPECT_EQ(choosers, (std::vector<int>{1, 2}));

  for (auto* button : {main.m_video, main.m_rec, main.m_sent, main.m_conv}) Click(*button);
  const std::string gfx = Dir() + "Lang_r\\0\\gfx_r\\";
  EXPECT_EQ(sections, (std::vector<std::tuple<int, bool, std::string>>{
                          {40, true, gfx + "menu_video.bmp"},
                          {40, false, gfx + "menu_records.bmp"},
                          {50, false, gfx + "menu_sentences.bmp"},
                          {70, false, gfx + "menu_konwersacje.bmp"}}));
  for (QWidget* area : {static_cast<QWidget*>(main.lbl_pomoc), static_cast<QWidget*>(main.m_rec)}) {
    EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
  }
}

TEST_F(HomeWindowTest, TabReachesTheMenuSpaceOpensItAndNamesFollowTheLanguage) {
  HomeWindow main(state, skins, pictures, {&random, &browser});
  std::vector<std::tuple<int, bool, std::string>> sections;
  std::vector<std::string> pages;
  main.OpenSection = [&](int code, bool video, const std::string& picture) {
    sections.emplace_back(code, video, picture);
  };
  main.ShowHelpPage = [&](const std::string& page) { pages.push_back(page); };
  main.show();
  QApplication::setActiveWindow(&main);
  ASSERT_EQ(QApplication::focusWidget(), main.m_subj) << "the first menu button";

  PressKey(*QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), main.m_video);
  PressKey(*QApplication::focusWidget(), Qt::Key_Space);
  ASSERT_EQ(sections.size(), 1u);
  EXPECT_EQ(std::get<0>(sections[0]), 40);
  PressKey(*QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_EQ(pages, std::vector<std::string>{Dir() + "Htm_r\\h_index.html"})
      << "the window's keys still reach it";

  EXPECT_EQ(main.m_video->accessibleName(), QStringLiteral("Filmy"));
  state.SetInterfaceLanguageNumber(2);
  std::string error;
  ASSERT_TRUE(main.LoadPictures(&error)) << error;
  EXPECT_EQ(main.m_video->accessibleName(), QStringLiteral("Videos"));
  EXPECT_EQ(main.lbl_opcje->accessibleName(), QStringLiteral("Optionen"));
  QApplication::setActiveWindow(nullptr);
}

TEST_F(HomeWindowTest, ACancelledCloseLeavesTheAnimationStopped) {
  HomeWindow main(state, skins, pictures, {&random, &browser});
  int asked = 0;
  main.SetCloseConfirmation([&] {
    ++asked;
    return false;
  });
  main.show();
  Click(*main.lbl_exit);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(main.Timer1->isActive());
}

class SectionChooserTest : public HomeWindowTest {
 protected:
  void SetUp() override {
    HomeWindowTest::SetUp();
    for (int n = 1; n <= 21; ++n) store.Append(Conversation(n));
    store.Append(Conversation(1, 71));
    store.At(1).Attempts = 2;
    store.At(1).Score = 80;
    store.At(1).Finished = 1;
    store.At(1).LastDate = 38124.75;  // 2004-05-17
  }

  ExerciseList exercises;
  ResultsStore store;
};

TEST_F(SectionChooserTest, TwentyOneConversationsScrollByTheButtons) {
  SectionChooserWindow chooser(state, store, exercises, skins.MyImageList1, pictures);
  const std::string picture = Dir() + "Lang_r\\0\\gfx_r\\menu_konwersacje.bmp";
  chooser.SetSection(70, false, picture);
  EXPECT_EQ(pictures.requested.back(), picture);
  chooser.show();
  EXPECT_EQ(chooser.List.Count(), 21) << "one entry per conversation";
  EXPECT_TRUE(chooser.btn_dn->isVisible());
  EXPECT_FALSE(chooser.btn_up->isVisible());
  EXPECT_FALSE(chooser.B_OK->isVisible());
  EXPECT_FALSE(chooser.lbl_info->isVisible());

  Click(*chooser.btn_dn);
  EXPECT_EQ(chooser.List.SectionTop, 2);
  EXPECT_FALSE(chooser.btn_dn->isVisible());
  EXPECT_TRUE(chooser.btn_up->isVisible());
  Click(*chooser.btn_up);
  EXPECT_TRUE(chooser.btn_dn->isVisible());
  EXPECT_FALSE(chooser.btn_up->isVisible());

  chooser.close();
  EXPECT_TRUE(chooser.Image1->pixmap().isNull()) << "the picture is released on closing";
}

TEST_F(SectionChooserTest, ARowClickedShowsItsResultsAndEnterOpensIt) {
  SectionChooserWindow chooser(state, store, exercises, skins.MyImageList1, pictures);
  std::vector<int> opened;
  chooser.OpenItem = [&](int position) { opened.push_back(position); };
  chooser.SetSection(70, false, "x.bmp");
  chooser.show();

  Mouse(*chooser.pb1, QEvent::MouseButtonPress, QPointF(40, 3));
  EXPECT_TRUE(chooser.Shape3->isVisible());
  EXPECT_TRUE(chooser.shp_focus->isVisible());
  EXPECT_EQ(chooser.Shape3->geometry(), QRect(368, 149, 357, 17));
  EXPECT_TRUE(chooser.B_OK->isVisible());
  ASSERT_TRUE(chooser.lbl_info->isVisible());
  const QStringList lines = chooser.lbl_info->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << "every mode of the conversation";
  EXPECT_EQ(lines[0], QStringLiteral("Rozmowa, 2004-05-17, 80%, (2) "));
  EXPECT_EQ(lines[1], QStringLiteral("Role A"));

  PressKey(chooser, Qt::Key_Down);
  EXPECT_EQ(chooser.Shape3->geometry().top(), 149 + 18);
  EXPECT_EQ(lines, chooser.lbl_info->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
      << "arrows leave the information";
  PressKey(chooser, Qt::Key_Return);
  const int second = chooser.List.SectionItems[1];
  EXPECT_EQ(opened, std::vector<int>{second});
  EXPECT_EQ(store.CurrentResultName, store.At(second).Name);
  EXPECT_EQ(store.CurrentResultKind, 70);

  // A double click comes after the press of its first click.
  Mouse(*chooser.pb1, QEvent::MouseButtonPress, QPointF(40, 3));
  Mouse(*chooser.pb1, QEvent::MouseButtonRelease, QPointF(40, 3));
  Mouse(*chooser.pb1, QEvent::MouseButtonDblClick, QPointF(40, 3));
  EXPECT_EQ(opened.back(), chooser.List.SectionItems[0]);
}

TEST_F(SectionChooserTest, HelpByTheSection) {
  struct Row {
    int code;
    bool video;
    std::string page;
    std::string information;
  };
  const Row rows[] = {
      {40, true, "Htm_r\\h_comp.html#filmy", "HH_Filmy"},
      {40, false, "Htm_r\\h_comp.html#filmy", "HH_Nagrania"},
      {50, false, "Htm_r\\h_comp.html#zda", "HH_Zdania"},
      {70, false, "Htm_r\\h_comp.html#kon", "HH_Rozmowy"},
  };
  SectionChooserWindow chooser(state, store, exercises, skins.MyImageList1, pictures);
  std::vector<std::string> pages;
  std::vector<std::string> information;
  chooser.ShowHelpPage = [&](const std::string& page) { pages.push_back(page); };
  chooser.ShowInformation = [&](const std::string& text) { information.push_back(text); };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.page + " " + row.information);
    chooser.SetSection(row.code, row.video, "x.bmp");
    chooser.show();
    PressKey(chooser, Qt::Key_F1);
    Click(*chooser.btn_help);
    EXPECT_EQ(pages.back(), Dir() + row.page);
    EXPECT_EQ(information.back(), row.information);
    chooser.close();
  }
}

}  // namespace
}  // namespace tess
