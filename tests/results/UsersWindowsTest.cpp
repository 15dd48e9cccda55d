#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <filesystem>

#include "course/CourseFixture.h"
#include "course/CourseState.h"
#include "course/ui/CourseProgram.h"
#include "course/ui/Form20.h"
#include "course/ui/Form5.h"
#include "course/ui/Main.h"
#include "platform/Fakes.h"
#include "results/Users.h"
#include "results/ui/Form10.h"
#include "results/ui/Form24.h"
#include "results/ui/Form9.h"
#include "shared/CodePage.h"

namespace tess {
namespace {

using testing::CourseFolder;
using testing::ReadBytes;

void PressKey(QWidget& target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
}

// Interface texts 1 to 83 of a language: "n==Text n=", text 83 the taken-name message.
std::string InterfaceTextFile(const std::string& taken) {
  std::string bytes;
  for (int n = 1; n < 83; ++n)
    bytes += std::to_string(n) + "==Tekst " + std::to_string(n) + "=\r\n";
  return bytes + "83==" + taken + "=\r\n";
}

class UsersWindowsTest : public ::testing::Test {
 public:
  void SetUp() override {
    folder.WriteInstallation();
    folder.Write("Lang_r/0/infa_r.txt", InterfaceTextFile("Taki u\xBFytkownik ju\xBF istnieje."));
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    ASSERT_TRUE(state.Texts.Load(state.LangPath("infa_r.txt")));
    pictures.size = QSize(66, 20);
  }

  std::string ProgramDir() const { return folder.ProgramDir(); }
  std::string UserFileBytes() const { return ReadBytes(folder / "usr.t"); }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeModalShower modal;
  TForm5 skins{pictures};
  TForm20 form20{state, skins, pictures, modal};
  FakeMessageBox plain;
  Form20MessageBox messages{form20, plain};
  UserList users;
};

// The login and new-user windows as the program creates them.
struct LoginWindows {
  explicit LoginWindows(UsersWindowsTest& t)
      : form10(t.state, t.users, t.skins.MyImageList1, t.pictures, t.messages),
        form9(t.state, t.users, t.skins.MyImageList1, t.pictures, t.modal, form10, t.messages) {}
  TForm10 form10;
  TForm9 form9;
};

TEST_F(UsersWindowsTest, LoginSelectsTheLastUserAndLogsInWithEnter) {
  folder.Write("usr.t", "1=Anna\r\n7=\xA3ukasz\r\n");
  LoginWindows w(*this);
  ASSERT_TRUE(w.form9.LoadError().empty());
  modal.onShow = [&](QWidget& window) {
    ASSERT_EQ(window.objectName(), QStringLiteral("TForm9"));
    EXPECT_EQ(w.form9.ComboBox1->count(), 2);
    EXPECT_EQ(w.form9.ComboBox1->item(1)->text(), QStringLiteral("Łukasz"));
    EXPECT_EQ(w.form9.ComboBox1->currentRow(), 1);
    EXPECT_FALSE(w.form9.B_OK->isHidden());
    PressKey(*w.form9.ComboBox1, Qt::Key_Return);  // the window sees it before the list
  };
  EXPECT_EQ(modal.ShowModal(w.form9), mrOk);
  EXPECT_EQ(state.UserName, "\xA3ukasz");
  EXPECT_EQ(state.UserDir, ProgramDir() + "7\\");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "7"));
  EXPECT_EQ(pictures.requested.back(), ProgramDir() + "Lang_r\\0\\gfx_r\\logowanie.bmp");
  EXPECT_TRUE(w.form9.Image1->pixmap().isNull()) << "the picture is released on closing";
}

TEST_F(UsersWindowsTest, LoginWithoutUsersHidesOkAndEscapeEndsIt) {
  LoginWindows w(*this);
  modal.onShow = [&](QWidget&) {
    EXPECT_TRUE(w.form9.B_OK->isHidden());
    PressKey(w.form9, Qt::Key_Enter);
    EXPECT_TRUE(w.form9.isVisible()) << "Enter does nothing without B_OK";
    PressKey(w.form9, Qt::Key_Escape);
  };
  EXPECT_EQ(modal.ShowModal(w.form9), mrCancel);
  EXPECT_TRUE(state.UserDir.empty());
}

TEST_F(UsersWindowsTest, ListClicksDecideOkAndDoubleClickActsAsOk) {
  folder.Write("usr.t", "1=Anna\r\n2=\r\n");
  LoginWindows w(*this);
  modal.onShow = [&](QWidget&) {
    QListWidget& list = *w.form9.ComboBox1;
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(w.form9.B_OK->isHidden()) << "the last name is empty";
    Q_EMIT list.itemDoubleClicked(list.item(1));
    EXPECT_TRUE(w.form9.isVisible()) << "a double click acts only while B_OK is visible";
    list.setCurrentRow(0);
    EXPECT_FALSE(w.form9.B_OK->isHidden());
    Q_EMIT list.itemDoubleClicked(list.item(0));
  };
  EXPECT_EQ(modal.ShowModal(w.form9), mrOk);
  EXPECT_EQ(state.UserName, "Anna");
  EXPECT_EQ(state.UserDir, ProgramDir() + "1\\");
}

TEST_F(UsersWindowsTest, NewUserOkNeedsTwoCharacters) {
  TForm10 form(state, users, skins.MyImageList1, pictures, messages);
  form.show();
  EXPECT_TRUE(form.Edit1->text().isEmpty());
  EXPECT_TRUE(form.B_OK->isHidden());
  struct Row {
    QString typed;
    bool ok;
  };
  const Row rows[] = {{QStringLiteral("A"), false},
                      {QStringLiteral("  A  "), false},
                      {QStringLiteral("Al"), true},
                      {QStringLiteral("ŁŻ"), true},
                      {QStringLiteral(""), false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed.toStdString());
    form.Edit1->setText(row.typed);
    EXPECT_EQ(!form.B_OK->isHidden(), row.ok);
  }
  form.Edit1->setText(QStringLiteral("A"));
  PressKey(*form.Edit1, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible()) << "Enter is swallowed while B_OK is hidden";
  EXPECT_EQ(form.Edit1->text(), QStringLiteral("A"));
  EXPECT_EQ(form.Edit1->maxLength(), 30);
  form.hide();
}

TEST_F(UsersWindowsTest, TakenNameShowsText83AndEmptiesTheField) {
  folder.Write("usr.t", "1=\xA3ukasz\r\n");
  ASSERT_TRUE(LoadUsers(ProgramDir(), users));
  TForm10 form(state, users, skins.MyImageList1, pictures, messages);
  form.show();
  form.Edit1->setText(QStringLiteral(" łUKASZ "));
  PressKey(form, Qt::Key_Return);

  EXPECT_EQ(modal.shown, std::vector<std::string>{"TForm20"});
  EXPECT_EQ(form20.Label1->text(), QStringLiteral("Taki użytkownik już istnieje."));
  EXPECT_TRUE(form.Edit1->text().isEmpty());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(UserFileBytes(), "1=\xA3ukasz\r\n");
  form.hide();
}

TEST_F(UsersWindowsTest, NameWithCharactersCp1250LacksIsRefusedNotMangled) {
  TForm10 form(state, users, skins.MyImageList1, pictures, messages);
  form.show();
  form.Edit1->setText(QStringLiteral("Иван"));
  ASSERT_FALSE(form.B_OK->isHidden());
  form.B_OKClick();
  EXPECT_EQ(modal.shown, std::vector<std::string>{"TForm20"});
  EXPECT_TRUE(form20.Label1->text().startsWith(QStringLiteral("Nazwa użytkownika zawiera znaki")));
  EXPECT_TRUE(form20.Label1->text().contains(QStringLiteral("Иван").left(1)));
  EXPECT_EQ(form.Edit1->text(), QStringLiteral("Иван")) << "kept for correcting";
  EXPECT_FALSE(std::filesystem::exists(folder / "usr.t"));

  // A decomposed letter is the same cp1250 letter.
  form.Edit1->setText(QStringLiteral("Zos\u0301ka"));
  form.B_OKClick();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(UserFileBytes(), "1=Zo\x9Cka\r\n");
}

TEST_F(UsersWindowsTest, NewUserIsLoggedInWithTheFirstInstalledLanguage) {
  folder.Write("usr.t", "1=Anna\r\n");
  folder.MakeFolder("Lang_r/2");
  std::filesystem::rename(folder / "Lang_r/0", folder / "Lang_r/1");
  LoginWindows w(*this);
  int reloads = 0;
  w.form10.ReloadLanguageMaterial = [&] {
    ++reloads;
    return true;
  };
  modal.onShow = [&](QWidget& window) {
    if (&window == &w.form9) {
      w.form9.L_powtorkiClick();
    } else if (&window == &w.form10) {
      ASSERT_EQ(w.form10.cb_lang->count(), 2);
      EXPECT_EQ(w.form10.cb_lang->itemText(0), QStringLiteral("english"));
      EXPECT_FALSE(w.form10.cb_lang->isEnabled());
      EXPECT_EQ(pictures.requested.back(), ProgramDir() + "Lang_r\\0\\gfx_r\\logow_new.bmp");
      w.form10.Edit1->setText(QStringLiteral("Celina"));
      PressKey(*w.form10.Edit1, Qt::Key_Enter);
    }
  };
  EXPECT_EQ(modal.ShowModal(w.form9), mrOk);
  EXPECT_EQ(modal.shown, (std::vector<std::string>{"TForm9", "TForm10"}));
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Celina\r\n");
  EXPECT_EQ(w.form9.ComboBox1->count(), 2);
  EXPECT_EQ(state.UserName, "Celina");
  EXPECT_EQ(state.UserDir, ProgramDir() + "2\\");
  EXPECT_EQ(state.InterfaceLanguage, 1);
  EXPECT_EQ(state.LangDir, "Lang_r\\1\\");
  EXPECT_EQ(state.DefaultInterfaceLanguage, 1);
  EXPECT_EQ(reloads, 1);
}

TEST_F(UsersWindowsTest, CancelledNewUserLeavesTheLoginOpen) {
  folder.Write("usr.t", "1=Anna\r\n");
  LoginWindows w(*this);
  modal.onShow = [&](QWidget& window) {
    if (&window == &w.form9) {
      w.form9.L_powtorkiClick();
      EXPECT_TRUE(w.form9.isVisible());
      EXPECT_EQ(w.form9.ComboBox1->currentRow(), 0);
      w.form9.B_ZamknijClick();
    } else {
      w.form10.Edit1->setText(QStringLiteral("Bartek"));
      PressKey(w.form10, Qt::Key_Escape);
    }
  };
  EXPECT_EQ(modal.ShowModal(w.form9), mrCancel);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n");
  EXPECT_TRUE(state.UserDir.empty());
}

TEST_F(UsersWindowsTest, HelpButtonsAndF1AskForTheirHelp) {
  LoginWindows w(*this);
  std::vector<int> texts;
  std::vector<std::string> pages;
  for (auto* hooks : {&w.form9.ShowHelpText, &w.form10.ShowHelpText}) {
    *hooks = [&](int n) { texts.push_back(n); };
  }
  for (auto* hooks : {&w.form9.ShowHelpPage, &w.form10.ShowHelpPage}) {
    *hooks = [&](const std::string& page) { pages.push_back(page); };
  }
  w.form9.btn_helpClick();
  w.form10.btn_helpClick();
  PressKey(w.form9, Qt::Key_F1);
  PressKey(*w.form10.Edit1, Qt::Key_F1);
  EXPECT_EQ(texts, (std::vector<int>{1, 2}));
  const std::string page = ProgramDir() + "Htm_r\\h_log.html";
  EXPECT_EQ(pages, (std::vector<std::string>{page, page}));
}

TEST_F(UsersWindowsTest, ExitConfirmationAnswersYesOrNo) {
  TForm24 form(state, skins.MyImageList1, pictures);
  struct Row {
    const char* name;
    std::function<void()> act;
    int result;
  };
  const Row rows[] = {
      {"ok", [&] { form.B_OKClick(); }, mrYes},
      {"close", [&] { form.B_ZamknijClick(); }, mrNo},
      {"escape", [&] { PressKey(form, Qt::Key_Escape); }, mrNo},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    modal.onShow = [&](QWidget&) { row.act(); };
    EXPECT_EQ(modal.ShowModal(form), row.result);
    EXPECT_EQ(pictures.requested.back(), ProgramDir() + "Lang_r\\0\\gfx_r\\koniec.bmp");
    EXPECT_TRUE(form.Image1->pixmap().isNull());
  }
}

// The course program with its windows, as main() drives them.
class LocalLoginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    folder.Write("Lang_r/0/infa_r.txt", InterfaceTextFile("Zaj\xEAte."));
    folder.Write("usr.t", "1=Anna\r\n");
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    pictures.size = QSize(66, 20);
  }

  CourseFolder folder;
  CourseState state;
  FakePictureLoader pictures;
  FakeModalShower modal;
  FakeMessageBox plain;
  FakeClock clock;
};

TEST_F(LocalLoginTest, ClosingTheLoginEndsTheProgram) {
  CourseProgram program(state, {plain, pictures, modal, clock});
  ASSERT_TRUE(program.ReloadLanguageMaterial());
  modal.onShow = [&](QWidget& window) { PressKey(window, Qt::Key_Escape); };
  program.ShowLocalLogin();
  EXPECT_TRUE(program.EndRequested());
}

TEST_F(LocalLoginTest, ChosenUserGetsSettingsAndTheMainWindowAsksBeforeClosing) {
  folder.Write("gra.txt", "1=x=Everyday=Alltag=Codzienno\x9C\xE6=Codzienne=\r\n");
  folder.Write("rozumienie_a.txt", "1=1=1=Morgen=Morning=Poranek=\r\n");
  folder.Write("St_a.txt", "a#1#tlo#de#pl#en#\r\nMC#q#\r\n=========\r\n");
  folder.Write("rozum_pig.txt", "");
  folder.Write("dialogi.txt", "");
  CourseProgram program(state, {plain, pictures, modal, clock});
  ASSERT_TRUE(program.ReloadLanguageMaterial());
  ASSERT_TRUE(program.LoadCourseMaterial());
  modal.onShow = [&](QWidget& window) {
    if (window.objectName() == QStringLiteral("TForm9")) PressKey(window, Qt::Key_Return);
  };
  program.ShowLocalLogin();
  EXPECT_FALSE(program.EndRequested());
  EXPECT_EQ(state.UserDir, folder.ProgramDir() + "1\\");
  EXPECT_TRUE(std::filesystem::exists(folder / "1/ustaw_tsa2_2003.txt"))
      << "a user without settings gets the defaults written";
  EXPECT_EQ(state.Options, UserOptions::Defaults());
  EXPECT_TRUE(plain.messages.empty());
  ASSERT_EQ(program.Results().Count(), 1) << "a new user's records are built";
  EXPECT_EQ(std::filesystem::file_size(folder / "1/tsa2_2003"), 204u) << "and saved";

  // "No" keeps the main window open.
  modal.onShow = nullptr;
  modal.results["TForm24"] = mrNo;
  program.MainForm().show();
  program.MainForm().close();
  EXPECT_TRUE(program.MainForm().isVisible());
  EXPECT_EQ(modal.shown.back(), "TForm24");
  program.MainForm().hide();
}

}  // namespace
}  // namespace tess
