#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <filesystem>
#include <map>
#include <unistd.h>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "coursebook/CourseProgram.h"
#include "coursebook/ExitConfirmationWindow.h"
#include "coursebook/HomeWindow.h"
#include "coursebook/MessageWindow.h"
#include "coursebook/StartSequence.h"
#include "platform/Fakes.h"
#include "shared/CodePage.h"
#include "support/CourseFixture.h"
#include "support/ScopedEnv.h"
#include "users/LoginWindow.h"
#include "users/NewUserWindow.h"
#include "users/Users.h"

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
  CourseSkins skins{pictures};
  MessageWindow messageWindow{state, skins, pictures, modal};
  FakeMessageBox plain;
  MessageWindowBox messages{messageWindow, plain};
  UserList users;
};

// The login and new-user windows as the program creates them.
struct LoginWindows {
  explicit LoginWindows(UsersWindowsTest& t)
      : newUser(t.state, t.users, t.skins.MyImageList1, t.pictures, t.messages),
        login(t.state, t.users, t.skins.MyImageList1, t.pictures, t.modal,
              [this]() -> QWidget& { return newUser; }, t.messages) {}
  NewUserWindow newUser;
  LoginWindow login;
};

TEST_F(UsersWindowsTest, LoginSelectsTheLastUserAndLogsInWithEnter) {
  folder.Write("usr.t", "1=Anna\r\n7=\xA3ukasz\r\n");
  LoginWindows w(*this);
  ASSERT_TRUE(w.login.LoadError().empty());
  modal.onShow = [&](QWidget& window) {
    ASSERT_EQ(window.objectName(), QStringLiteral("TForm9"));
    EXPECT_EQ(w.login.ComboBox1->count(), 2);
    EXPECT_EQ(w.login.ComboBox1->item(1)->text(), QStringLiteral("Łukasz"));
    EXPECT_EQ(w.login.ComboBox1->currentRow(), 1);
    EXPECT_FALSE(w.login.B_OK->isHidden());
    PressKey(*w.login.ComboBox1, Qt::Key_Return);  // the window sees it before the list
  };
  EXPECT_EQ(modal.ShowModal(w.login), mrOk);
  EXPECT_EQ(state.UserName, "\xA3ukasz");
  EXPECT_EQ(state.UserDir, ProgramDir() + "7\\");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "7"));
  EXPECT_EQ(pictures.requested.back(), ProgramDir() + "Lang_r\\0\\gfx_r\\logowanie.bmp");
  EXPECT_TRUE(w.login.Image1->pixmap().isNull()) << "the picture is released on closing";
}

TEST_F(UsersWindowsTest, LoginWithoutUsersHidesOkAndEscapeEndsIt) {
  LoginWindows w(*this);
  modal.onShow = [&](QWidget&) {
    EXPECT_TRUE(w.login.B_OK->isHidden());
    PressKey(w.login, Qt::Key_Enter);
    EXPECT_TRUE(w.login.isVisible()) << "Enter does nothing without B_OK";
    PressKey(w.login, Qt::Key_Escape);
  };
  EXPECT_EQ(modal.ShowModal(w.login), mrCancel);
  EXPECT_TRUE(state.UserDir.empty());
}

TEST_F(UsersWindowsTest, ListClicksDecideOkAndDoubleClickActsAsOk) {
  folder.Write("usr.t", "1=Anna\r\n2=\r\n");
  LoginWindows w(*this);
  modal.onShow = [&](QWidget&) {
    QListWidget& list = *w.login.ComboBox1;
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(w.login.B_OK->isHidden()) << "the last name is empty";
    Q_EMIT list.itemDoubleClicked(list.item(1));
    EXPECT_TRUE(w.login.isVisible()) << "a double click acts only while B_OK is visible";
    list.setCurrentRow(0);
    EXPECT_FALSE(w.login.B_OK->isHidden());
    Q_EMIT list.itemDoubleClicked(list.item(0));
  };
  EXPECT_EQ(modal.ShowModal(w.login), mrOk);
  EXPECT_EQ(state.UserName, "Anna");
  EXPECT_EQ(state.UserDir, ProgramDir() + "1\\");
}

TEST_F(UsersWindowsTest, NewUserOkNeedsTwoCharacters) {
  NewUserWindow form(state, users, skins.MyImageList1, pictures, messages);
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
  NewUserWindow form(state, users, skins.MyImageList1, pictures, messages);
  form.show();
  form.Edit1->setText(QStringLiteral(" łUKASZ "));
  PressKey(form, Qt::Key_Return);

  EXPECT_EQ(modal.shown, std::vector<std::string>{"TForm20"});
  EXPECT_EQ(messageWindow.Label1->text(), QStringLiteral("Taki użytkownik już istnieje."));
  EXPECT_TRUE(form.Edit1->text().isEmpty());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(UserFileBytes(), "1=\xA3ukasz\r\n");
  form.hide();
}

TEST_F(UsersWindowsTest, NameWithCharactersCp1250LacksIsRefusedNotMangled) {
  NewUserWindow form(state, users, skins.MyImageList1, pictures, messages);
  form.show();
  form.Edit1->setText(QStringLiteral("Иван"));
  ASSERT_FALSE(form.B_OK->isHidden());
  form.B_OKClick();
  EXPECT_EQ(modal.shown, std::vector<std::string>{"TForm20"});
  EXPECT_TRUE(messageWindow.Label1->text().startsWith(QStringLiteral("Nazwa użytkownika zawiera znaki")));
  EXPECT_TRUE(messageWindow.Label1->text().contains(QStringLiteral("Иван").left(1)));
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
  w.newUser.ReloadLanguageMaterial = [&] {
    ++reloads;
    return true;
  };
  modal.onShow = [&](QWidget& window) {
    if (&window == &w.login) {
      w.login.L_powtorkiClick();
    } else if (&window == &w.newUser) {
      ASSERT_EQ(w.newUser.cb_lang->count(), 2);
      EXPECT_EQ(w.newUser.cb_lang->itemText(0), QStringLiteral("english"));
      EXPECT_FALSE(w.newUser.cb_lang->isEnabled());
      EXPECT_EQ(pictures.requested.back(), ProgramDir() + "Lang_r\\0\\gfx_r\\logow_new.bmp");
      w.newUser.Edit1->setText(QStringLiteral("Celina"));
      PressKey(*w.newUser.Edit1, Qt::Key_Enter);
    }
  };
  EXPECT_EQ(modal.ShowModal(w.login), mrOk);
  EXPECT_EQ(modal.shown, (std::vector<std::string>{"TForm9", "TForm10"}));
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Celina\r\n");
  EXPECT_EQ(w.login.ComboBox1->count(), 2);
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
    if (&window == &w.login) {
      w.login.L_powtorkiClick();
      EXPECT_TRUE(w.login.isVisible());
      EXPECT_EQ(w.login.ComboBox1->currentRow(), 0);
      w.login.B_ZamknijClick();
    } else {
      w.newUser.Edit1->setText(QStringLiteral("Bartek"));
      PressKey(w.newUser, Qt::Key_Escape);
    }
  };
  EXPECT_EQ(modal.ShowModal(w.login), mrCancel);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n");
  EXPECT_TRUE(state.UserDir.empty());
}

TEST_F(UsersWindowsTest, HelpButtonsAndF1AskForTheirHelp) {
  LoginWindows w(*this);
  std::vector<int> texts;
  std::vector<std::string> pages;
  for (auto* hooks : {&w.login.ShowHelpText, &w.newUser.ShowHelpText}) {
    *hooks = [&](int n) { texts.push_back(n); };
  }
  for (auto* hooks : {&w.login.ShowHelpPage, &w.newUser.ShowHelpPage}) {
    *hooks = [&](const std::string& page) { pages.push_back(page); };
  }
  w.login.btn_helpClick();
  w.newUser.btn_helpClick();
  PressKey(w.login, Qt::Key_F1);
  PressKey(*w.newUser.Edit1, Qt::Key_F1);
  EXPECT_EQ(texts, (std::vector<int>{1, 2}));
  const std::string page = ProgramDir() + "Htm_r\\h_log.html";
  EXPECT_EQ(pages, (std::vector<std::string>{page, page}));
}

TEST_F(UsersWindowsTest, ExitConfirmationAnswersYesOrNo) {
  ExitConfirmationWindow form(state, skins.MyImageList1, pictures);
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
  program.Home().show();
  program.Home().close();
  EXPECT_TRUE(program.Home().isVisible());
  EXPECT_EQ(modal.shown.back(), "TForm24");
  program.Home().hide();
}

// Every file below `folder` with its size, to see that nothing was written there.
std::map<std::string, std::uintmax_t> Listing(const std::string& folder) {
  std::map<std::string, std::uintmax_t> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    files[entry.path().string()] = entry.is_regular_file() ? entry.file_size() : 0;
  }
  return files;
}

TEST_F(LocalLoginTest, NewUserOfAReadOnlyInstallationLandsInTheDataFolder) {
  folder.Write("gra.txt", "1=x=Everyday=Alltag=Codzienno\x9C\xE6=Codzienne=\r\n");
  folder.Write("rozumienie_a.txt", "1=1=1=Morgen=Morning=Poranek=\r\n");
  folder.Write("St_a.txt", "a#1#tlo#de#pl#en#\r\nMC#q#\r\n=========\r\n");
  folder.Write("rozum_pig.txt", "");
  folder.Write("dialogi.txt", "");
  testing::TempFolder data;
  const testing::ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  const std::string programDir = folder.ProgramDir();
  const auto before = Listing(programDir);
  // Read-only for an ordinary account; the probe says so for root as well.
  std::filesystem::permissions(programDir, std::filesystem::perms::owner_write |
                                               std::filesystem::perms::group_write |
                                               std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  FakeScreen screen{1024, 768};
  StartSequence start(state, plain, screen, [](const std::string&) { return false; });
  ASSERT_TRUE(start.SettleInstallation(folder.ProgramFile()));
  ASSERT_EQ(::chdir(cwd), 0);
  const std::string root = data.path() + "/tessaron/english/";
  ASSERT_EQ(state.Install.DataDir, root);

  CourseProgram program(state, {plain, pictures, modal, clock});
  ASSERT_TRUE(program.ReloadLanguageMaterial());
  ASSERT_TRUE(program.LoadCourseMaterial());
  modal.onShow = [&](QWidget& window) {
    if (auto* login = qobject_cast<LoginWindow*>(&window)) {
      EXPECT_EQ(login->ComboBox1->count(), 0) << "the installation's own usr.t is not the list";
      login->L_powtorkiClick();
    } else if (auto* newUser = qobject_cast<NewUserWindow*>(&window)) {
      newUser->Edit1->setText(QStringLiteral("Celina"));
      PressKey(*newUser->Edit1, Qt::Key_Enter);
    }
  };
  program.ShowLocalLogin();
  EXPECT_EQ(modal.TimesShown("TForm10"), 1);
  EXPECT_TRUE(plain.messages.empty());
  EXPECT_EQ(state.UserDir, root + "1\\");
  EXPECT_EQ(ReadBytes(root + "usr.t"), "1=Celina\r\n");
  EXPECT_TRUE(std::filesystem::exists(root + "1/ustaw_tsa2_2003.txt"));
  EXPECT_EQ(std::filesystem::file_size(root + "1/tsa2_2003"), 204u);
  EXPECT_EQ(Listing(programDir), before) << "the installation folder is untouched";
}

}  // namespace
}  // namespace tess
