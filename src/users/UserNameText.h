#pragma once
// User names meet Qt here: usr.t holds them in cp1250 whatever the interface language is.
#include <QString>
#include <optional>
#include <string>

namespace tess {

class MessageBox;
class UserList;

QString UserNameText(const std::string& name);

/// The typed name in cp1250; nothing when it holds a character cp1250 lacks, which would
/// otherwise be stored as "?".
std::optional<std::string> EncodeUserName(const QString& text);

/// Why a name with such characters is refused (UTF-8).
std::string UnencodableNameMessage(const QString& text);

/// Adds the name typed into a new-user window to usr.t in `dataDir`. A name that cannot be
/// stored, a taken name (`nameTakenMessage`) and any other refusal are shown with `messages`.
enum class TypedUserOutcome { Added, NameTaken, Refused };
TypedUserOutcome AddTypedUser(const QString& typed, const std::string& dataDir, UserList& users,
                              MessageBox& messages, const std::string& nameTakenMessage);

}  // namespace tess
