#pragma once
// User names meet Qt here: usr.t holds them in cp1250 whatever the interface language is.
#include <QString>
#include <optional>
#include <string>

namespace tess {

QString UserNameText(const std::string& name);

/// The typed name in cp1250; nothing when it holds a character cp1250 lacks, which would
/// otherwise be stored as "?".
std::optional<std::string> EncodeUserName(const QString& text);

/// Why a name with such characters is refused (UTF-8).
std::string UnencodableNameMessage(const QString& text);

}  // namespace tess
