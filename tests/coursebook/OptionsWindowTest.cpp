#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <functional>
#include <memory>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/UiText.h"
#include "coursebook/HomeWindow.h"
#include "coursebook/LanguageMaterial.h"
#include "coursebook/OptionsWindow.h"
#include "platform/Fakes.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;
using testing::ReadBytes;

void PressKey(QWidget& target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
}

void Click(QWidget& label) {
  const QPointF inside(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, inside, label.mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, label.mapToGlobal(inside), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&label, &press);
  QApplication::sendEvent(&label, &release);
}

// Interface texts 1 to 115 of a language: "n==<word> n=".
std::string TextsFile(const std::string& word) {
  std::string bytes;
  for (int n = 1; n <= 115; ++n)
    bytes += std::to_string(n) + "==" + word + " " + std::to_string(n) + "=\r\n";
  return bytes;
}

// Polish interface; case, drag and drop, the sentence hint, dictionary and animations on.
constexpr char kSettings[] = "0\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nN\r\nT\r\n";

class OptionsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    folder.Write("Lang_r/0/infa_r.txt", TextsFile("Tekst"));
    folder.Write("Lang_r/2/infa_r.txt", TextsFile("Text"));
    folder.Write("7/ustaw_tsa2_2003.txt", kSettings);
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    state.UserDir = folder.ProgramDir() + "7\\";
    state.Options = {true, false, true, false, true, true, false, true};
    pictures.size = QSize(66, 20);
    ASSERT_TRUE(material.Reload());
    form = std::make_unique<OptionsWindow>(state, material, skins, pictures, messages);
    form->StartAnimation = [this] { ++starts; };
    form->StopAnimation = [this] { ++stops; };
  }

  /// Shows the window modally; `act` runs while it is shown.
  int Show(const std::function<void()>& act) {
    modal.onShow = [&act](QWidget&) { act(); };
    return modal.ShowModal(*form);
  }
  std::string SettingsBytes() const { return ReadBytes(folder / "7/ustaw_tsa2_2003.txt"); }
  bool Requested(const std::string& name) const {
    return pictures.WasRequested(folder.ProgramDir() + name);
  }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeModalShower modal;
  FakeMessageBox messages;
  CourseSkins skins{pictures};
  HomeWindow main{state, skins, pictures};
  LanguageMaterial material{state, main, skins, messages};
  std::unique_ptr<OptionsWindow> form;
  int starts = 0;
  int stops = 0;
};

TEST_F(OptionsWindowTest, ShowingTakesTextsPictureAndHelp) {
  std::vector<std::string> information;
  std::vector<std::string> pages;
  form->ShowInformation = [&](const std::string& text) { information.push_back(text); };
  form->ShowHelpPage = [&](const std::string& page) { pages.push_back(page); };
  Show([&] {
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Tekst 56"));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Tekst 59"));
    EXPECT_EQ(form->Label8->text(), QStringLiteral("Tekst 115"));
    EXPECT_EQ(form->Label7->text(), QStringLiteral("Tekst 61"));
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Tekst 62"));
    EXPECT_FALSE(form->Image1->pixmap().isNull());
    EXPECT_TRUE(form->B_OK->isHidden());
    EXPECT_TRUE(form->cb_wielkoscliter->isChecked());
    EXPECT_FALSE(form->cb_interpunkcja->isChecked());
    EXPECT_TRUE(form->cb_animacje->isChecked());
    EXPECT_EQ(form->cb_lang->currentIndex(), 0);
    Q_EMIT form->btn_help->Click();
    PressKey(*form->cb_interpunkcja, Qt::Key_F1);
    EXPECT_TRUE(form->isVisible());
  });
  EXPECT_TRUE(Requested("Lang_r\\0\\gfx_r\\ustawienia_rozum.bmp"));
  EXPECT_TRUE(form->Image1->pixmap().isNull()) << "the picture is released on closing";
  EXPECT_EQ(information, std::vector<std::string>{"HH_Tekst 3"});
  EXPECT_EQ(pages, std::vector<std::string>{folder.ProgramDir() + "Htm_r\\h_pres.html"});
}

TEST_F(OptionsWindowTest, ClosingWithoutOkChangesNothing) {
  const std::function<void()> closers[] = {[this] { PressKey(*form->cb_lang, Qt::Key_Escape); },
                                           [this] { Q_EMIT form->B_Zamknij->Click(); }};
  for (const auto& close : closers) {
    const UserOptions before = state.Options;
    const int result = Show([&] {
      form->cb_wielkoscliter->click();
      Click(*form->Label2);
      form->cb_lang->setCurrentIndex(1);
      Q_EMIT form->cb_lang->activated(1);
      EXPECT_TRUE(form->B_OK->isVisible());
      close();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(state.Options, before);
    EXPECT_EQ(state.InterfaceLanguage, 0);
    EXPECT_EQ(SettingsBytes(), kSettings);
    EXPECT_FALSE(Requested("Lang_r\\2\\gfx_r\\Main_rozum.bmp"));
    EXPECT_EQ(starts + stops, 0);
  }
}

TEST_F(OptionsWindowTest, LabelClickTogglesItsBoxAndOffersOk) {
  Show([&] {
    const std::pair<HoverLabel*, QCheckBox*> rows[] = {{form->Label1, form->cb_wielkoscliter},
                                                       {form->Label2, form->cb_interpunkcja},
                                                       {form->Label3, form->cb_zdaniadragdrop},
                                                       {form->Label5, form->cb_blokujdostep},
                                                       {form->Label8, form->cb_animacje}};
    for (const auto& [label, box] : rows) {
      SCOPED_TRACE(label->objectName().toStdString());
      const bool before = box->isChecked();
      Click(*label);
      EXPECT_NE(box->isChecked(), before);
      EXPECT_TRUE(form->B_OK->isVisible());
    }
  });
}

TEST_F(OptionsWindowTest, EnterConfirmsOnlyWhileOkIsShown) {
  const int result = Show([&] {
    PressKey(*form->cb_wielkoscliter, Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    form->cb_interpunkcja->click();
    PressKey(*form->cb_lang, Qt::Key_Enter);
    EXPECT_FALSE(form->isVisible());
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(state.Options.KeepPunctuation);
  EXPECT_EQ(SettingsBytes(), "0\r\nT\r\nT\r\nT\r\nN\r\nT\r\nT\r\nN\r\nT\r\n");
}

TEST_F(OptionsWindowTest, OkWithTheSameLanguageDoesNotReload) {
  state.Options.SentenceHintPending = false;  // shown meanwhile; the file keeps it until now
  Show([&] {
    Click(*form->Label1);
    Q_EMIT form->cb_lang->activated(0);
    pictures.requested.clear();
    Q_EMIT form->B_OK->Click();
  });
  EXPECT_TRUE(pictures.requested.empty());
  EXPECT_FALSE(state.Options.CaseSensitive);
  EXPECT_EQ(SettingsBytes(), "0\r\nN\r\nN\r\nT\r\nN\r\nN\r\nT\r\nN\r\nT\r\n");
}

TEST_F(OptionsWindowTest, OkWithAnotherLanguageReloadsAndWritesIt) {
  folder.MakeFolder("Lang_r/1");
  OptionsWindow withThree(state, material, skins, pictures, messages);
  ASSERT_EQ(withThree.cb_lang->count(), 3);
  EXPECT_EQ(withThree.cb_lang->itemText(2), QStringLiteral("deutsch"));
  modal.onShow = [&](QWidget&) {
    withThree.cb_lang->setCurrentIndex(2);
    Q_EMIT withThree.cb_lang->activated(2);
    Q_EMIT withThree.B_OK->Click();
  };
  EXPECT_EQ(modal.ShowModal(withThree), mrOk);
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_EQ(state.LangDir, "Lang_r\\2\\");
  EXPECT_TRUE(Requested("Lang_r\\2\\gfx_r\\Main_rozum.bmp"));
  EXPECT_TRUE(Requested("Lang_r\\2\\but_r\\next.bmp"));
  EXPECT_EQ(UiText(state, 56), QStringLiteral("Text 56"));
  EXPECT_EQ(SettingsBytes(), "2\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nN\r\nT\r\n");
  EXPECT_TRUE(messages.messages.empty());

  // The next showing is in the new language.
  modal.onShow = [&](QWidget&) {
    EXPECT_EQ(withThree.LanguageAtShow(), 2);
    EXPECT_EQ(withThree.cb_lang->currentIndex(), 2);
    EXPECT_EQ(withThree.Label1->text(), QStringLiteral("Text 56"));
  };
  modal.ShowModal(withThree);
  EXPECT_TRUE(Requested("Lang_r\\2\\gfx_r\\ustawienia_rozum.bmp"));
}

TEST_F(OptionsWindowTest, LanguageThatDoesNotLoadIsNotKept) {
  folder.MakeFolder("Lang_r/1");  // no interface texts in it
  OptionsWindow withThree(state, material, skins, pictures, messages);
  modal.onShow = [&](QWidget&) {
    withThree.cb_lang->setCurrentIndex(1);
    Q_EMIT withThree.cb_lang->activated(1);
    Q_EMIT withThree.B_OK->Click();
  };
  modal.ShowModal(withThree);
  EXPECT_EQ(state.InterfaceLanguage, 0);
  EXPECT_EQ(state.LangDir, "Lang_r\\0\\");
  EXPECT_EQ(UiText(state, 56), QStringLiteral("Tekst 56"));
  EXPECT_EQ(SettingsBytes().substr(0, 3), "0\r\n");
  ASSERT_EQ(messages.messages.size(), 2u);  // why it failed, then what stays
  EXPECT_NE(messages.messages.back().find("Pozostaje dotychczasowa: polski"), std::string::npos);
}

TEST_F(OptionsWindowTest, OkStartsOrStopsTheAnimation) {
  struct Row {
    const char* name;
    bool animations;
    int starts;
    int stops;
  };
  for (const Row& row : {Row{"unchecked", true, 0, 1}, Row{"checked", false, 1, 0}}) {
    SCOPED_TRACE(row.name);
    state.Options.Animations = row.animations;
    starts = stops = 0;
    Show([&] {
      form->cb_animacje->click();
      Q_EMIT form->B_OK->Click();
    });
    EXPECT_EQ(state.Options.Animations, !row.animations);
    EXPECT_EQ(starts, row.starts);
    EXPECT_EQ(stops, row.stops);
  }
}

TEST_F(OptionsWindowTest, DictionaryOptionOnlyWithTheDictionaryProgram) {
  Show([&] {
    EXPECT_TRUE(form->cb_slownikslownictwo->isHidden());
    EXPECT_FALSE(form->cb_slownikslownictwo->isEnabled());
    EXPECT_FALSE(form->Label6->isEnabled());
  });
  folder.Write("wordbook",
               "\x7F"
               "ELF");
  Show([&] {
    EXPECT_TRUE(form->cb_slownikslownictwo->isEnabled());
    EXPECT_TRUE(form->Label6->isEnabled());
    EXPECT_TRUE(form->cb_slownikslownictwo->isChecked());
  });
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST_F(OptionsWindowTest, SoundDevicePageKeepsAnAbsentChoiceAndStoresAPickOnOk) {
  const std::string devicesFile = "7/dzwiek_tsa2_2003.txt";
  folder.Write(devicesFile, "wyjscie=Gone speakers\r\nwejscie=\r\n");
  const int cancelled = Show([&] {
    EXPECT_EQ(form->pnl_urzadzenia, nullptr) << "made when first opened";
    Click(*form->lbl_urzadzenia);
    ASSERT_TRUE(form->pnl_urzadzenia && form->pnl_urzadzenia->isVisible());
    EXPECT_EQ(form->pnl_urzadzenia->cb_glosniki->currentText(), QStringLiteral("Gone speakers"));
    EXPECT_EQ(form->pnl_urzadzenia->cb_mikrofon->currentIndex(), 0);
    EXPECT_TRUE(form->B_OK->isHidden());
    form->pnl_urzadzenia->cb_glosniki->setCurrentIndex(0);
    Q_EMIT form->pnl_urzadzenia->cb_glosniki->activated(0);
    EXPECT_TRUE(form->B_OK->isVisible());
    Q_EMIT form->B_Zamknij->Click();
  });
  EXPECT_EQ(cancelled, mrCancel);
  EXPECT_EQ(ReadBytes(folder / devicesFile), "wyjscie=Gone speakers\r\nwejscie=\r\n");

  const int confirmed = Show([&] {
    EXPECT_TRUE(form->pnl_urzadzenia->isHidden()) << "every showing starts on the options";
    Click(*form->lbl_urzadzenia);
    form->pnl_urzadzenia->cb_glosniki->setCurrentIndex(0);
    Q_EMIT form->pnl_urzadzenia->cb_glosniki->activated(0);
    Click(*form->lbl_urzadzenia);
    EXPECT_TRUE(form->pnl_urzadzenia->isHidden());
    Q_EMIT form->B_OK->Click();
  });
  EXPECT_EQ(confirmed, mrOk);
  EXPECT_EQ(ReadBytes(folder / devicesFile), "wyjscie=\r\nwejscie=\r\n");
  EXPECT_EQ(SettingsBytes().substr(0, 3), "0\r\n");
}

}  // namespace
}  // namespace tess
