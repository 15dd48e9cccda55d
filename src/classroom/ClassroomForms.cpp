#include "classroom/ClassroomForms.h"

#include "shared/Text.h"

namespace tess {
namespace {

std::string NoName() { return "Nie podano nazwy u\xBFytkownika!"; }
std::string NoPassword() {
  return "Nie podano has\xB3"
         "a!";
}

}  // namespace

bool LoginOkVisible(std::string_view name, std::string_view password) {
  return !Trim(name).empty() && !Trim(password).empty();
}

std::optional<std::string> LoginFieldsProblem(std::string_view name, std::string_view password) {
  if (Trim(name).empty()) return NoName();
  if (Trim(password).empty()) return NoPassword();
  return std::nullopt;
}

std::optional<std::string> PasswordChangeProblem(std::string_view name,
                                                 std::string_view oldPassword,
                                                 std::string_view newPassword,
                                                 std::string_view repetition) {
  if (Trim(name).empty()) return NoName();
  if (oldPassword.empty()) return NoPassword();
  if (newPassword.empty()) {
    return "Nie podano nowego has\xB3"
           "a!";
  }
  if (repetition.empty()) {
    return "Nie podano nie powtorzono nowego has\xB3"
           "a!";
  }
  if (newPassword != repetition) return "\x8Fle powt\xF3rzono nowe has\xB3o!";
  return std::nullopt;
}

std::string ForgottenLoginHelp() {
  return "Je\x9Cli zapomnia\xB3"
         "e\x9C swojej nazwy u\xBFytkownika lub has\xB3o, to zwr\xF3\xE6 si\xEA do administratora "
         "lub nauczyciela.";
}

std::vector<std::string> SessionEndChoices(std::string_view userName) {
  return {"Zamknij program", "Wyloguj: " + std::string(userName)};
}

SessionEnd SessionEndOf(int selectedEntry) {
  return selectedEntry == 1 ? SessionEnd::LogOut : SessionEnd::CloseProgram;
}

}  // namespace tess
