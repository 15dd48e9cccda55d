#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "core/CourseSkins.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "coursebook/HomeWindow.h"
#include "coursebook/LanguageMaterial.h"
#include "coursebook/MessageWindow.h"
#include "platform/Fakes.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

void PressKey(QWidget& window, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&window, &press);
}

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    folder.Write("Lang_r/0/infa_r.txt", "1==Pomoc=\r\n2==Drugi=\r\n");
    folder.Write("Lang_r/2/infa_r.txt", "1==Hilfe=\r\n");
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    pictures.size = QSize(66, 20);
  }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeModalShower modal;
  FakeMessageBox messages;
  CourseSkins skins{pictures};
};

TEST_F(WindowsTest, MessageWindowTakesThePictureOfTheCurrentLanguage) {
  MessageWindow form(state, skins, pictures, modal);
  state.SetInterfaceLanguageNumber(2);
  form.ShowText(QStringLiteral("Brak nagrania."));
  EXPECT_EQ(modal.shown, std::vector<std::string>{"TForm20"});
  EXPECT_EQ(form.Label1->text(), QStringLiteral("Brak nagrania."));
  EXPECT_EQ(pictures.requested.back(), folder.ProgramDir() + "Lang_r\\2\\gfx_r\\info.bmp");
  EXPECT_TRUE(form.Image1->pixmap().isNull()) << "the picture is released on closing";
}

TEST_F(WindowsTest, MessageWindowClosesByEscapeAndByEnterOnlyWithItsButton) {
  MessageWindow form(state, skins, pictures, modal);
  form.show();
  form.B_OK->hide();
  PressKey(form, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible());
  PressKey(form, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(ModalResultOf(form), mrOk);

  form.show();
  form.B_OK->show();
  PressKey(form, Qt::Key_Enter);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(WindowsTest, ReloadLoadsPicturesTextsAndSkinsOfTheNewLanguage) {
  HomeWindow main(state, skins, pictures);
  LanguageMaterial material(state, main, skins, messages);
  ASSERT_TRUE(material.Reload());
  EXPECT_EQ(UiText(state, 1), QStringLiteral("Pomoc"));
  EXPECT_EQ(skins.MyImageList1.Count(), kSkinCount);
  EXPECT_EQ(main.m_subj->width(), 33);

  folder.MakeFolder("Lang_r/2");
  QComboBox list;
  material.ListInterfaceLanguages(list);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.itemText(1), QStringLiteral("deutsch"));
  EXPECT_EQ(list.currentIndex(), 1);

  pictures.requested.clear();
  ASSERT_TRUE(material.SetInterfaceLanguage(1));
  EXPECT_EQ(state.InterfaceLanguage, 2);
  EXPECT_EQ(pictures.requested.front(), folder.ProgramDir() + "Lang_r\\2\\gfx_r\\Main_rozum.bmp");
  EXPECT_TRUE(pictures.WasRequested(folder.ProgramDir() + "Lang_r\\2\\but_r\\next.bmp"));
  EXPECT_TRUE(pictures.WasRequested(folder.ProgramDir() + "but_r\\close_panel.bmp"));
  EXPECT_EQ(UiText(state, 1), QStringLiteral("Hilfe"));
  EXPECT_EQ(UiText(state, 2), QString());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WindowsTest, MissingMaterialIsReported) {
  struct Row {
    const char* name;
    std::string missing;
    std::string message;
  };
  const std::string dir = folder.ProgramDir();
  const Row rows[] = {
      {"main_picture", dir + "Lang_r\\0\\gfx_r\\m_video.bmp",
       "Nie moge otworzyc pliku : \"" + dir + "Lang_r\\0\\gfx_r\\m_video.bmp\""},
      {"skin", dir + "but_r\\help.bmp", "Nie moge otworzyc pliku : \"" + dir + "but_r\\help.bmp\""},
      {"flag", dir + "but_r\\flaga_tlum.jpg",
       "Nie moge otworzyc pliku : \"" + dir + "but_r\\flaga_tlum.jpg\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakePictureLoader loader;
    loader.size = QSize(66, 20);
    loader.missing = {row.missing};
    CourseSkins holder(loader);
    HomeWindow main(state, holder, loader);
    FakeMessageBox shown;
    LanguageMaterial material(state, main, holder, shown);
    EXPECT_FALSE(material.Reload());
    EXPECT_EQ(shown.messages, std::vector<std::string>{row.message});
  }
}

TEST_F(WindowsTest, StripWhoseWidthDoesNotDivideIsRefused) {
  pictures.size = QSize(67, 20);
  std::string error;
  EXPECT_EQ(skins.MyImageList1.AddFromFile("x.bmp", 2, 0, 0, &error), -1);
  EXPECT_EQ(error, "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
  EXPECT_EQ(skins.MyImageList1.FrameWidthOf(0), 33);
}

}  // namespace
}  // namespace tess
