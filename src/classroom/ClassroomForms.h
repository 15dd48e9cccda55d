#pragma once
// The rules of the classroom windows' fields: when OK shows, which message a missing text
// gives, and the choices of the end of a session. Texts are cp1250.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

/// Both fields, trimmed, hold something.
bool LoginOkVisible(std::string_view name, std::string_view password);
/// The first missing field's message, nothing when both are there.
std::optional<std::string> LoginFieldsProblem(std::string_view name, std::string_view password);
/// The password window's checks in their order; the texts are compared as typed.
std::optional<std::string> PasswordChangeProblem(std::string_view name,
                                                 std::string_view oldPassword,
                                                 std::string_view newPassword,
                                                 std::string_view repetition);
/// What the help picture of the classroom login says.
std::string ForgottenLoginHelp();

/// The end-of-session list: close the program, or log the user out.
std::vector<std::string> SessionEndChoices(std::string_view userName);
/// What the end of a session does: the window's tag.
enum class SessionEnd { BackToProgram = 0, CloseProgram = 1, LogOut = 2 };
/// The choice of a list entry (0 or 1) when OK is pressed.
SessionEnd SessionEndOf(int selectedEntry);

}  // namespace tess
