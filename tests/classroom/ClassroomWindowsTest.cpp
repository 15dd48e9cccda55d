// The classroom windows as the learner meets them: OK only with both fields, the messages of
// missing texts, the way to local work only where allowed, the password checks in order, the
// two choices at the end of a session.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include "classroom/ClassroomLoginWindow.h"
#include "classroom/PasswordChangeWindow.h"
#include "classroom/SessionEndWindow.h"
#include "core/CourseState.h"
#include "platform/Fakes.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

class ClassroomWindowsTest : public ::testing::Test {
 protected:
  FakePictureLoader pictures;
  SkinStrips skins{pictures};
  FakeMessageBox messages;
  FakeMessageBox plain;
  CourseState state;
};

TEST_F(ClassroomWindowsTest, LoginWindow) {
  state.Classroom.LocalAllowed = false;
  ClassroomLoginWindow window(state, skins, pictures, messages, plain);
  std::vector<std::pair<std::string, std::string>> tried;
  window.LogIn = [&](std::string_view name, std::string_view password) {
    tried.emplace_back(name, password);
    ClassroomLoginOutcome outcome;
    outcome.Messages.push_back({"Nie masz dost\xEApu do tego programu.", false});
    return outcome;
  };
  window.show();
  EXPECT_TRUE(window.img_lokalna->isHidden());
  EXPECT_TRUE(window.btn_ok->isHidden());
  window.edit_user->setText("  ");
  window.edit_password->setText("x");
  EXPECT_TRUE(window.btn_ok->isHidden());  // a name of blanks is no name
  window.btn_okClick();
  EXPECT_EQ(plain.messages.back(), "Nie podano nazwy użytkownika!");
  window.edit_user->setText("  Ola");
  EXPECT_FALSE(window.btn_ok->isHidden());
  EXPECT_EQ(window.edit_password->displayText(), "*");

  window.btn_okClick();
  ASSERT_EQ(tried.size(), 1u);
  EXPECT_EQ(tried[0].first, "  Ola");
  EXPECT_EQ(messages.messages.back(), "Nie masz dostępu do tego programu.");
  EXPECT_TRUE(window.isVisible());  // a refused login stays in the window

  window.hide();
  state.Classroom.LocalAllowed = true;
  window.show();
  EXPECT_FALSE(window.img_lokalna->isHidden());
  EXPECT_EQ(window.edit_user->text(), "  Ola");  // the fields keep what was typed
}

TEST_F(ClassroomWindowsTest, FieldsAreNamedByTheirCaptionsAndPictureButtonsByName) {
  ClassroomLoginWindow login(state, skins, pictures, messages, plain);
  PasswordChangeWindow password(state, skins, pictures, plain);
  SessionEndWindow end(state, skins, pictures);
  const auto said = [](QWidget* control) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
    return made ? made->text(QAccessible::Name) : QString();
  };
  struct Case {
    QWidget* Control;
    QString Name;
  };
  const Case cases[] = {
      {login.edit_user, QString::fromUtf8("Użytkownik")},
      {login.edit_password, QString::fromUtf8("Hasło")},
      {login.btn_ok, "OK"},
      {login.img_pomoc, "Pomoc"},
      {login.btn_anuluj, "Koniec"},
      {password.edit_new_password2, QString::fromUtf8("Potwierdź nowe hasło")},
      {password.button1, "OK"},
      {password.button2, "Zamknij"},
      {end.ComboBox1, QString::fromUtf8("Jaką czynność program ma wykonać?")},
      {end.B_OK, "OK"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(said(c.Control), c.Name) << c.Control->objectName().toStdString();
}

TEST_F(ClassroomWindowsTest, PasswordWindowChecksInOrder) {
  PasswordChangeWindow window(state, skins, pictures, plain);
  int sent = 0;
  window.ChangePassword = [&](std::string_view, std::string_view, std::string_view) {
    ++sent;
    return RequestOutcome{true, "Has\xB3o zosta\xB3o zmienione!"};
  };
  window.show();
  struct Row {
    const char* user;
    const char* old;
    const char* fresh;
    const char* repeated;
    const char* message;
  };
  const Row rows[] = {
      {" ", "a", "b", "b", "Nie podano nazwy użytkownika!"},
      {"Ola", "", "b", "b", "Nie podano hasła!"},
      {"Ola", "a", "", "b", "Nie podano nowego hasła!"},
      {"Ola", "a", "b", "", "Nie podano nie powtorzono nowego hasła!"},
      {"Ola", "a", "b", "b ", "Źle powtórzono nowe hasło!"},
      {"Ola", "a", "b", "b", "Hasło zostało zmienione!"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    window.edit_user->setText(QString::fromUtf8(row.user));
    window.edit_password->setText(QString::fromUtf8(row.old));
    window.edit_new_password1->setText(QString::fromUtf8(row.fresh));
    window.edit_new_password2->setText(QString::fromUtf8(row.repeated));
    window.button1Click();
    EXPECT_EQ(plain.messages.back(), row.message);
  }
  EXPECT_EQ(sent, 1);
}

TEST_F(ClassroomWindowsTest, SessionEndChoices) {
  state.UserName = "Ola";
  SessionEndWindow window(state, skins, pictures);
  window.show();
  ASSERT_EQ(window.ComboBox1->count(), 2);
  EXPECT_EQ(window.ComboBox1->itemText(1), "Wyloguj: Ola");
  EXPECT_EQ(window.ComboBox1->currentIndex(), 0);
  window.B_OKClick();
  EXPECT_EQ(window.Choice(), SessionEnd::CloseProgram);
  window.show();
  window.ComboBox1->setCurrentIndex(1);
  window.B_OKClick();
  EXPECT_EQ(window.Choice(), SessionEnd::LogOut);
  window.show();
  window.B_ZamknijClick();
  EXPECT_EQ(window.Choice(), SessionEnd::BackToProgram);
}

}  // namespace
}  // namespace tess
