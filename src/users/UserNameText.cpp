#include "users/UserNameText.h"

#include <QList>

#include "platform/MessageBox.h"
#include "shared/CodePage.h"
#include "users/Users.h"

namespace tess {

QString UserNameText(const std::string& name) { return Decode(name, CodePage::Cp1250); }

std::optional<std::string> EncodeUserName(const QString& text) {
  std::string bytes = Encode(text, CodePage::Cp1250);
  if (Decode(bytes, CodePage::Cp1250) != text) return std::nullopt;
  return bytes;
}

std::string UnencodableNameMessage(const QString& text) {
  QString missing;
  for (const uint code : text.toUcs4()) {
    const char32_t point = code;
    const QString one = QString::fromUcs4(&point, 1);
    if (!EncodeUserName(one) && !missing.contains(one)) missing += one;
  }
  return "Nazwa użytkownika zawiera znaki, których program nie może zapisać" +
         (missing.isEmpty() ? std::string() : " (" + missing.toStdString() + ")") +
         ". Proszę wpisać nazwę bez nich.";
}

TypedUserOutcome AddTypedUser(const QString& typed, const std::string& dataDir, UserList& users,
                              MessageBox& messages, const std::string& nameTakenMessage) {
  const QString composed = typed.normalized(QString::NormalizationForm_C);
  const std::optional<std::string> name = EncodeUserName(composed);
  if (!name) {
    messages.ShowMessage(UnencodableNameMessage(composed));
    return TypedUserOutcome::Refused;
  }
  const AddUserResult added = AddUser(dataDir, users, *name);
  if (added.Status == AddUserStatus::NameTaken) {
    messages.ShowMessage(nameTakenMessage);
    return TypedUserOutcome::NameTaken;
  }
  if (added.Status != AddUserStatus::Added) {
    messages.ShowMessage(AddUserMessage(added, users.Limit()));
    return TypedUserOutcome::Refused;
  }
  return TypedUserOutcome::Added;
}

}  // namespace tess
