#include "shared/CodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <QtGlobal>

#include <array>

namespace tess {

namespace {

// A single-byte code page as two tables, built once from Qt's converter. Qt's encoder
// writes unmappable characters as SUB (0x1A), not "?", and a table keeps loading linear.
struct CodePageTable {
  std::array<char16_t, 256> toUnicode{};
  QHash<char16_t, char> fromUnicode;
};

const char* CodePageName(CodePage codePage) {
  switch (codePage) {
    case CodePage::Cp1252:
      return "windows-1252";
    case CodePage::Cp1251:
      return "windows-1251";
    case CodePage::Cp1250:
      break;
  }
  return "windows-1250";
}

CodePageTable BuildTable(CodePage codePage) {
  CodePageTable table;
  QStringDecoder decoder(CodePageName(codePage));
  if (!decoder.isValid()) {
    qCritical("Code page %s is not available in this Qt build", CodePageName(codePage));
  }
  for (int byte = 0; byte < 256; ++byte) {
    // Bytes the code page leaves undefined come back as the C1 control of the same value
    // (as the system code-page tables do), so such text survives a round trip unchanged.
    char16_t unit = static_cast<char16_t>(byte);
    if (byte >= 128 && decoder.isValid()) {
      const char raw = static_cast<char>(byte);
      const QString decoded = decoder.decode(QByteArrayView(&raw, 1));
      decoder.resetState();
      if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter) {
        unit = decoded[0].unicode();
      }
    }
    table.toUnicode[static_cast<size_t>(byte)] = unit;
    if (byte >= 128) table.fromUnicode.insert(unit, static_cast<char>(byte));
  }
  return table;
}

const CodePageTable& TableOf(CodePage codePage) {
  static const CodePageTable cp1250 = BuildTable(CodePage::Cp1250);
  static const CodePageTable cp1252 = BuildTable(CodePage::Cp1252);
  static const CodePageTable cp1251 = BuildTable(CodePage::Cp1251);
  switch (codePage) {
    case CodePage::Cp1252:
      return cp1252;
    case CodePage::Cp1251:
      return cp1251;
    case CodePage::Cp1250:
      break;
  }
  return cp1250;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 128) return false;
  }
  return true;
}

}  // namespace

CodePage InterfaceCodePage(int interfaceLanguage) {
  return interfaceLanguage == 3 ? CodePage::Cp1251 : CodePage::Cp1250;
}

CodePage CourseCodePage(int courseLanguage) {
  return courseLanguage == 3 ? CodePage::Cp1252 : CodePage::Cp1250;
}

QString Decode(std::string_view bytes, CodePage codePage) {
  if (IsAscii(bytes))
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const CodePageTable& table = TableOf(codePage);
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char c : bytes) *out++ = QChar(table.toUnicode[static_cast<unsigned char>(c)]);
  return text;
}

std::string Encode(QStringView text, CodePage codePage) {
  const CodePageTable& table = TableOf(codePage);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    if (unit < 128) {
      bytes.push_back(static_cast<char>(unit));
      continue;
    }
    const auto found = table.fromUnicode.constFind(unit);
    if (found != table.fromUnicode.constEnd()) {
      bytes.push_back(found.value());
      continue;
    }
    // A character outside the BMP is one "?", not one per half of its surrogate pair.
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes.push_back('?');
  }
  return bytes;
}

std::string ToUtf8(std::string_view bytes, CodePage codePage) {
  if (IsAscii(bytes)) return std::string(bytes);
  return Decode(bytes, codePage).toStdString();
}

std::string FromUtf8(std::string_view utf8, CodePage codePage) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), codePage);
}

}  // namespace tess
