#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>

#include "dictionary/DictionaryFixture.h"
#include "dictionary/DictionaryProgram.h"
#include "dictionary/DictionaryWindow.h"
#include "dictionary/EntryListBox.h"
#include "dictionary/LoginWindow.h"
#include "dictionary/NewUserWindow.h"
#include "dictionary/SearchWindow.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "support/ScopedEnv.h"

namespace tess::dictionary {
namespace {

using testing::DictionaryFolder;
using testing::ReadBytes;
using testing::WordLine;

void PressKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&target, &press);
}

const std::string kHeader =
    "Tessaron 5.0\r\nS\xB3\xF3wka ze s\xB3ownika...\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

class DictionaryWindowsTest : public ::testing::Test {
 public:
  void SetUp() override {
    // Recordings under an absolute root, so the test does not depend on the current folder.
    folder.WriteInstallation(folder.ProgramDir() + "Hdd\\Slownik\\");
    std::vector<std::string> words = {
        WordLine(12, "house", "dom [1]", "1234", "1"),
        WordLine(13, "mouse", "mysz [1]", "1235"),  // its recording is missing
        WordLine(14, "tree", "drzewo [1]"),         // it has none
    };
    for (int n = 1; n <= 9; ++n)
      words.push_back(WordLine(100 + n, "word" + std::to_string(n), "słowo"));
    folder.WriteLines("sba_s.txt", words);
    folder.Write("Hdd/Slownik/D_01/dd_012/01234.wav", "RIFF");
    folder.Write("klik.wav", "RIFF");
    pictures.size = QSize(50, 25);
    modal.onShow = [this](QWidget& window) {
      const auto script = scripts.find(window.objectName().toStdString());
      if (script != scripts.end()) script->second(window);
    };
  }

  DictionaryProgram& Start(const WritableProbe& writable = FolderWritable) {
    program =
        std::make_unique<DictionaryProgram>(DictionaryPorts{messages, pictures, modal, player});
    EXPECT_TRUE(program->Start(folder.ProgramDir(), writable));
    return *program;
  }
  DictionaryWindow& Main() { return program->MainWindow(); }

  /// The search window types `text` and confirms it with Enter.
  void SearchFor(const QString& text) {
    scripts["TForm23"] = [text](QWidget& window) {
      auto& form = static_cast<SearchWindow&>(window);
      form.Edit1->setText(text);
      PressKey(*form.Edit1, Qt::Key_Return);
    };
    Main().RunSearch();
  }
  /// Presses the list at the middle of row `row`.
  void PressRow(int row) { Main().PlayEntry(QPoint(20, row * 20 + 10)); }
  bool Played(const std::string& path) const {
    return std::find(player.calls.begin(), player.calls.end(), "SetFileName " + path) !=
           player.calls.end();
  }

  DictionaryFolder folder;
  FakeMessageBox messages;
  FakePictureLoader pictures;
  FakeModalShower modal;
  FakeMediaPlayer player;
  std::map<std::string, std::function<void(QWidget&)>> scripts;
  std::unique_ptr<DictionaryProgram> program;
};

TEST_F(DictionaryWindowsTest, StartsWithAllEntriesAndTheScrollBar) {
  Start();
  EXPECT_EQ(Main().Browser().Count(), 12);
  EXPECT_FALSE(Main().Suwak->isHidden());
  EXPECT_EQ(Main().Suwak->maximum(), 3);
  Main().show();
  EXPECT_TRUE(Main().K_Wszystkie->isHidden());
  EXPECT_TRUE(Main().L_Ile_wybrano->isHidden());
  EXPECT_FALSE(Main().Edit1->isHidden());
  EXPECT_EQ(Main().windowTitle(), QStringLiteral("Tessaron - Słownik"));
}

TEST_F(DictionaryWindowsTest, MissingInstallationFilesEndTheStart) {
  DictionaryFolder empty;
  DictionaryProgram bare({messages, pictures, modal, player});
  EXPECT_FALSE(bare.Start(empty.ProgramDir()));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], "Brak plików systemowych, proszę powtórzyć instalację programu!");
}

TEST_F(DictionaryWindowsTest, AStartReadInBackgroundIsTheSameStart) {
  DictionaryProgram early({messages, pictures, modal, player});
  ASSERT_TRUE(early.Start(LoadDictionaryInBackground(folder.ProgramDir()).get()));
  EXPECT_EQ(early.MainWindow().Browser().Count(), 12);
  EXPECT_EQ(early.State().ProgramDir, folder.ProgramDir());

  DictionaryFolder empty;
  DictionaryProgram bare({messages, pictures, modal, player});
  EXPECT_FALSE(bare.Start(LoadDictionaryInBackground(empty.ProgramDir()).get()));
  EXPECT_EQ(messages.messages,
            std::vector<std::string>{"Brak plików systemowych, proszę powtórzyć instalację programu!"});
}

TEST_F(DictionaryWindowsTest, ASearchShowsItsResultUntilAllAreShownAgain) {
  Start();
  SearchFor(QStringLiteral("  house "));
  EXPECT_EQ(modal.TimesShown("TForm23"), 1);
  EXPECT_EQ(Main().Browser().FoundList(), std::vector<int>{1});
  EXPECT_TRUE(Main().Edit1->isHidden());
  EXPECT_FALSE(Main().K_Wszystkie->isHidden());
  EXPECT_FALSE(Main().L_Ile_wybrano->isHidden());
  EXPECT_EQ(Main().L_Ile_wybrano->text(), QStringLiteral("Słowo \"house\" wystąpiło 1 raz."));
  EXPECT_TRUE(Main().Suwak->isHidden());  // a list of 9 or fewer needs no bar

  SearchFor(QStringLiteral("xyz"));
  EXPECT_EQ(Main().Browser().Count(), 0);
  EXPECT_EQ(Main().L_Ile_wybrano->text(), QStringLiteral("Słowo \"xyz\" wystąpiło 0 razy."));

  Main().K_WszystkieClick();
  EXPECT_EQ(Main().Browser().Count(), 12);
  EXPECT_TRUE(Main().K_Wszystkie->isHidden());
  EXPECT_TRUE(Main().L_Ile_wybrano->isHidden());
  EXPECT_FALSE(Main().Edit1->isHidden());
}

TEST_F(DictionaryWindowsTest, ClosingTheSearchWindowSearchesNothing) {
  Start();
  scripts["TForm23"] = [](QWidget& window) {
    auto& form = static_cast<SearchWindow&>(window);
    form.Edit1->setText(QStringLiteral("house"));
    PressKey(*form.Edit1, Qt::Key_Escape);
  };
  Main().RunSearch();
  EXPECT_TRUE(Main().Browser().ShowingAll());
  EXPECT_FALSE(Main().Edit1->isHidden());
}

TEST_F(DictionaryWindowsTest, SearchWindowSwitchesBothSidesOnAndKeepsWhatItShows) {
  folder.Write("ustaw_s.txt", "0\r\n0\r\n1\r\n0\r\n");
  Start();
  bool okShownEmpty = true;
  scripts["TForm23"] = [&](QWidget& window) {
    auto& form = static_cast<SearchWindow&>(window);
    EXPECT_TRUE(form.CH_Jak_ang->isChecked());
    EXPECT_TRUE(form.CH_Jak_pol->isChecked());
    EXPECT_TRUE(form.CH_Jak_cale->isChecked());
    EXPECT_TRUE(form.CH_Jak_duze->isChecked());  // case is told apart: IgnoreCase is off
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Szukaj wśród &angielskich"));
    EXPECT_TRUE(form.CheckBox1->isHidden());
    okShownEmpty = !form.B_OK->isHidden();
    form.Label4->Click();  // the label toggles its box
    form.Label2->Click();
    form.B_ZamknijClick();
  };
  Main().RunSearch();
  EXPECT_FALSE(okShownEmpty);
  EXPECT_EQ(program->State().Options, (SearchOptions{true, false, true, true}));
  Main().close();
  EXPECT_EQ(ReadBytes(folder / "ustaw_s.txt"), "1\r\n0\r\n1\r\n1\r\n");
}

TEST_F(DictionaryWindowsTest, PressingARowPlaysItsRecordingAndTellsItsLevel) {
  Start();
  PressRow(0);
  EXPECT_TRUE(Played(folder.ProgramDir() + "Hdd\\Slownik\\D_01\\dd_012\\01234.wav"));
  EXPECT_EQ(player.calls.back(), "Play");
  EXPECT_EQ(Main().L_Opis->text(), QStringLiteral("Poziom 1, 2"));

  player.calls.clear();
  PressRow(1);  // the file is missing
  PressRow(2);  // no recording at all
  EXPECT_TRUE(player.calls.empty());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(Main().L_Opis->text(), QString());
}

TEST_F(DictionaryWindowsTest, ScreenReadersReadTheRowsShownAndPlayThemByTheirAction) {
  Start();
  Main().show();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Main().PaintBox1);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  const auto names = [list] {
    QStringList shown;
    for (int i = 0; i < list->childCount(); ++i) shown << list->child(i)->text(QAccessible::Name);
    return shown;
  };
  const QStringList top = names();
  ASSERT_EQ(top.size(), 10) << "ten rows of the twelve entries";
  // The headword, then the translation with its word-class abbreviation as drawn.
  EXPECT_EQ(top.first(), QStringLiteral("house – dom n"));
  EXPECT_TRUE(top.last().startsWith(QStringLiteral("word7 – "))) << top.last().toStdString();

  Main().Suwak->setValue(2);  // scrolled, the rows keep their place and change their names
  EXPECT_EQ(names().first(), QStringLiteral("mouse – mysz n"));
  EXPECT_TRUE(names().last().startsWith(QStringLiteral("word8 – ")));

  Main().Suwak->setValue(0);
  QAccessibleActionInterface* house = list->child(0)->actionInterface();
  ASSERT_NE(house, nullptr);
  house->doAction(house->actionNames().first());
  EXPECT_TRUE(player.calls.empty()) << "played once the screen reader's call has returned";
  QApplication::processEvents();
  EXPECT_TRUE(Played(folder.ProgramDir() + "Hdd\\Slownik\\D_01\\dd_012\\01234.wav"));
  EXPECT_TRUE(list->child(0)->state().selected);
}

TEST_F(DictionaryWindowsTest, TypeAheadScrollsToTheFirstMatch) {
  Start();
  Main().Edit1->setText(QStringLiteral("WORD2"));
  EXPECT_EQ(Main().Suwak->value(), 3);  // position 5 lies beyond the bar's maximum 3
  Main().Edit1->setText(QStringLiteral("mo"));
  EXPECT_EQ(Main().Suwak->value(), 2);
  EXPECT_EQ(Main().Browser().ScrollPosition(), 2);
  Main().Edit1->setText(QStringLiteral("nothing"));
  EXPECT_EQ(Main().Suwak->value(), 2);
}

TEST_F(DictionaryWindowsTest, FirstLearningListUseCreatesAUserAndItsFile) {
  Start();
  scripts["TForm9"] = [this](QWidget& window) {
    auto& login = static_cast<LoginWindow&>(window);
    EXPECT_EQ(login.ComboBox1->count(), 0);
    EXPECT_TRUE(login.B_OK->isHidden());
    login.TransparentButton1Click();
  };
  scripts["TForm10"] = [](QWidget& window) {
    auto& form = static_cast<NewUserWindow&>(window);
    form.Edit1->setText(QStringLiteral("A"));
    EXPECT_TRUE(form.B_OK->isHidden());
    form.Edit1->setText(QStringLiteral(" Łucja "));
    PressKey(*form.Edit1, Qt::Key_Return);
  };
  std::vector<std::string> loggedIn;
  Main().OnUserLoggedIn = [&](const std::string& userDir) { loggedIn.push_back(userDir); };
  PressRow(0);
  player.calls.clear();
  Main().AddToLearningList();
  EXPECT_EQ(loggedIn, std::vector<std::string>{folder.ProgramDir() + "1\\"});
  EXPECT_EQ(ReadBytes(folder / "usr.t"), "1=\xA3ucja\r\n");
  EXPECT_EQ(program->State().UserName, "\xA3ucja");
  EXPECT_EQ(program->State().UserDir, folder.ProgramDir() + "1\\");
  EXPECT_EQ(ReadBytes(folder / "1/eng_34slow.txt"), kHeader + "12\r\n");
  EXPECT_TRUE(Played(folder.ProgramDir() + "klik.wav"));

  // The user stays: the next entries go into the same file without asking.
  PressRow(2);
  Main().AddToLearningList();
  Main().AddToLearningList();
  EXPECT_EQ(modal.TimesShown("TForm9"), 1);
  EXPECT_EQ(loggedIn.size(), 1u);
  EXPECT_EQ(ReadBytes(folder / "1/eng_34slow.txt"), kHeader + "12\r\n14\r\n14\r\n");

  // The search options follow the user into the folder.
  Main().close();
  EXPECT_EQ(ReadBytes(folder / "1/ustaw_s.txt"), "1\r\n1\r\n0\r\n0\r\n");
}

TEST_F(DictionaryWindowsTest, LoginLeftWithoutAUserWritesIntoTheProgramFolder) {
  folder.Write("usr.t", "3=Ola\r\n");
  Start();
  scripts["TForm9"] = [](QWidget& window) {
    auto& login = static_cast<LoginWindow&>(window);
    EXPECT_EQ(login.ComboBox1->count(), 1);
    EXPECT_FALSE(login.B_OK->isHidden());
    PressKey(*login.ComboBox1, Qt::Key_Escape);
  };
  bool loggedIn = false;
  Main().OnUserLoggedIn = [&](const std::string&) { loggedIn = true; };
  PressRow(1);
  Main().AddToLearningList();
  EXPECT_TRUE(program->State().UserDir.empty());
  EXPECT_FALSE(loggedIn);
  EXPECT_EQ(ReadBytes(folder / "eng_34slow.txt"), kHeader + "13\r\n");
  bool closed = false;
  Main().OnClosed = [&] { closed = true; };
  Main().close();
  EXPECT_TRUE(closed);
  EXPECT_EQ(ReadBytes(folder / "ustaw_s.txt"), "1\r\n1\r\n0\r\n0\r\n");
}

TEST_F(DictionaryWindowsTest, LoggingInAnExistingUserMakesItsFolder) {
  folder.Write("usr.t", "3=Ola\r\n8=Piotr\r\n");
  Start();
  scripts["TForm9"] = [](QWidget& window) {
    auto& login = static_cast<LoginWindow&>(window);
    EXPECT_EQ(login.ComboBox1->currentRow(), 1);  // the last user is chosen
    login.ComboBox1->setCurrentRow(0);
    PressKey(*login.ComboBox1, Qt::Key_Return);
  };
  PressRow(0);
  Main().AddToLearningList();
  EXPECT_EQ(program->State().UserName, "Ola");
  EXPECT_EQ(ReadBytes(folder / "3/eng_34slow.txt"), kHeader + "12\r\n");
}

TEST_F(DictionaryWindowsTest, NothingIsAddedBeforeARowIsPicked) {
  Start();
  Main().AddToLearningList();
  EXPECT_EQ(modal.TimesShown("TForm9"), 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  PressRow(0);
  SearchFor(QStringLiteral("tree"));  // a new list forgets the picked row
  Main().AddToLearningList();
  EXPECT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(modal.TimesShown("TForm9"), 0);
}

TEST_F(DictionaryWindowsTest, NewUserWindowRefusesATakenNameAndA51stUser) {
  std::string users = "1=Ala\r\n";
  folder.Write("usr.t", users);
  Start();
  NewUserWindow& form = program->NewUserDialog();
  form.show();
  form.Edit1->setText(QStringLiteral("ALA"));
  form.B_OKClick();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], "Wpisany identyfikator już istnieje. Proszę wprowadzić inny.");
  EXPECT_TRUE(form.Edit1->text().isEmpty());
  EXPECT_EQ(ReadBytes(folder / "usr.t"), users);

  for (int id = 2; id <= 50; ++id)
    users += std::to_string(id) + "=User" + std::to_string(id) + "\r\n";
  folder.Write("usr.t", users);
  form.Edit1->setText(QStringLiteral("Nowy"));
  form.B_OKClick();
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_NE(messages.messages[1].find("lista jest pełna (50 użytkowników)"), std::string::npos);
  EXPECT_EQ(ReadBytes(folder / "usr.t"), users);
  EXPECT_EQ(ModalResultOf(form), mrNone);
}

TEST_F(DictionaryWindowsTest, SearchFieldTypesGermanLettersWithCtrl) {
  folder.WriteInstallation(folder.ProgramDir() + "Hdd\\", "2");
  folder.WriteLines("sbn_r.txt", {WordLine(1,
                                           "M\xE4"
                                           "dchen",
                                           "dziewczyna [1]")});
  Start();
  SearchWindow& search = program->SearchDialog();
  EXPECT_EQ(search.Label1->text(), QStringLiteral("Szukaj wśród &niemieckich"));
  search.Edit1->setText(QStringLiteral("M"));
  PressKey(*search.Edit1, Qt::Key_A, Qt::ControlModifier);
  PressKey(*search.Edit1, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(search.Edit1->text(), QStringLiteral("MäÄ"));

  SearchFor(QStringLiteral("Mädchen"));
  EXPECT_EQ(Main().Browser().FoundList(), std::vector<int>{1});
  // German shows its own abbreviation with its hint.
  const ListPicture picture = Main().CurrentPicture();
  ASSERT_EQ(picture.Hints.size(), 1u);
  EXPECT_EQ(picture.Hints[0].Hint, "substantiv (rzeczownik)");
}

TEST_F(DictionaryWindowsTest, FontBoxChoosesTheCharacterSetOfTheSearchText) {
  folder.WriteInstallation(folder.ProgramDir() + "Hdd\\", "3");
  folder.WriteLines("sbf_s.txt", {WordLine(1,
                                           "\x9C"
                                           "uf",
                                           "jajko [1]")});  // "œuf" in cp1252
  Start();
  SearchWindow& search = program->SearchDialog();
  EXPECT_EQ(search.Label5->text(), QStringLiteral("francuska czcionka"));
  SearchFor(QStringLiteral("œuf"));
  EXPECT_TRUE(Main().Browser().FoundList().empty()) << "Eastern European has no œ";
  search.CheckBox1->setChecked(true);
  SearchFor(QStringLiteral("œuf"));
  EXPECT_EQ(Main().Browser().FoundList(), std::vector<int>{1});
}

// A Ctrl letter is a byte of the French list whatever the font box says; the box only switches
// how the field shows it ("č" in Eastern European, "è" in Western, both 0xE8).
TEST_F(DictionaryWindowsTest, FrenchLettersTypedWithCtrlAreFoundInEitherCharacterSet) {
  folder.WriteInstallation(folder.ProgramDir() + "Hdd\\", "3");
  folder.WriteLines("sbf_s.txt", {WordLine(1, "tr\xE8s", "bardzo [6]")});
  Start();
  SearchWindow& search = program->SearchDialog();
  for (const bool western : {false, true}) {
    SCOPED_TRACE(western ? "Western" : "Eastern European");
    search.CheckBox1->setChecked(western);
    scripts["TForm23"] = [](QWidget& window) {
      auto& form = static_cast<SearchWindow&>(window);
      form.Edit1->setText(QStringLiteral("tr"));
      PressKey(*form.Edit1, Qt::Key_T, Qt::ControlModifier);
      form.Edit1->insert(QStringLiteral("s"));
      PressKey(*form.Edit1, Qt::Key_Return);
    };
    Main().RunSearch();
    EXPECT_EQ(Main().Browser().FoundList(), std::vector<int>{1});
  }
  search.CheckBox1->setChecked(false);
  search.Edit1->setText(QStringLiteral("tr\u010Ds"));
  search.CheckBox1->setChecked(true);
  EXPECT_EQ(search.Edit1->text(), QStringLiteral("tr\u00E8s")) << "the same byte, shown Western";
  search.CheckBox1->setChecked(false);
  EXPECT_EQ(search.Edit1->text(), QStringLiteral("tr\u010Ds"));
}

TEST_F(DictionaryWindowsTest, ScrollBarArrowsMoveTheListByOneEntry) {
  Start();
  Main().show();
  QScrollBar& bar = *Main().Suwak;
  const auto press = [&bar](QPoint at) {
    QMouseEvent down(QEvent::MouseButtonPress, at, bar.mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, at, bar.mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &down);
    QApplication::sendEvent(&bar, &up);
  };
  press(QPoint(bar.width() / 2, bar.height() - 4));
  EXPECT_EQ(bar.value(), 2);
  EXPECT_EQ(Main().Browser().ScrollPosition(), 2);
  press(QPoint(bar.width() / 2, 4));
  EXPECT_EQ(bar.value(), 1);
}

TEST_F(DictionaryWindowsTest, LoggingInBringsTheLearnersOwnSearchOptions) {
  folder.Write("usr.t", "3=Ola\r\n");
  folder.Write("3/ustaw_s.txt", "1\r\n0\r\n1\r\n1\r\n");
  Start();
  EXPECT_EQ(program->State().Options, (SearchOptions{true, true, false, false}));
  scripts["TForm9"] = [](QWidget& window) {
    PressKey(*static_cast<LoginWindow&>(window).ComboBox1, Qt::Key_Return);
  };
  PressRow(0);
  Main().AddToLearningList();
  EXPECT_EQ(program->State().Options, (SearchOptions{true, false, true, true}));
}

TEST_F(DictionaryWindowsTest, AReadOnlyInstallationKeepsUsersAndListsWhereTheCourseKeepsThem) {
  // The course of the installation is German, so its users are in the German data folder.
  folder.Write("tess_r.txt", "Kurs niemieckiego\r\n2\r\n");
  folder.Write("usr.t", "3=Ola\r\n");
  testing::TempFolder data;
  const testing::ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  const std::string root = data.path() + "/tessaron/german/";
  std::filesystem::create_directories(root);
  testing::WriteBytes(root + "usr.t", "5=Ewa\r\n");
  testing::WriteBytes(root + "ustaw_s.txt", "0\r\n1\r\n0\r\n0\r\n");
  const auto installed = [this] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.ProgramDir()))
      names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::string> before = installed();

  Start([](const std::string&) { return false; });
  EXPECT_EQ(program->State().DataDir, root);
  EXPECT_EQ(program->State().Options.SearchForeign, false) << "the data folder's options are read";
  scripts["TForm9"] = [](QWidget& window) {
    auto& login = static_cast<LoginWindow&>(window);
    ASSERT_EQ(login.ComboBox1->count(), 1);
    EXPECT_EQ(login.ComboBox1->item(0)->text(), QStringLiteral("Ewa"));
    PressKey(*login.ComboBox1, Qt::Key_Return);
  };
  PressRow(0);
  Main().AddToLearningList();
  EXPECT_EQ(program->State().UserDir, root + "5\\");
  EXPECT_EQ(ReadBytes(root + "5/eng_34slow.txt"), kHeader + "12\r\n");
  Main().close();
  EXPECT_TRUE(std::filesystem::exists(root + "5/ustaw_s.txt"));
  EXPECT_EQ(installed(), before) << "nothing is written into the installation";
}

}  // namespace
}  // namespace tess::dictionary
