#include "users/UserNameText.h"

#include <QList>

#include "shared/CodePage.h"

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

}  // namespace tess
