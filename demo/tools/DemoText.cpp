// Writes a readable UTF-8 source of the demo installation as the course reads it: one byte per
// character in a Windows code page, CR LF after every line. "cp1250+cp1252" writes each
// character in cp1250 when it has one and in cp1252 otherwise: the French course's files carry
// Polish text in cp1250 and French text in cp1252, and the two code pages agree on every
// character they share, so one UTF-8 source gives both sides their bytes.
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/CodePage.h"
#include "shared/TextFile.h"

namespace {

std::optional<std::vector<tess::CodePage>> CodePagesNamed(std::string_view name) {
  if (name == "cp1250") return std::vector{tess::CodePage::Cp1250};
  if (name == "cp1251") return std::vector{tess::CodePage::Cp1251};
  if (name == "cp1252") return std::vector{tess::CodePage::Cp1252};
  if (name == "cp1250+cp1252") return std::vector{tess::CodePage::Cp1250, tess::CodePage::Cp1252};
  return std::nullopt;
}

/// The line in the first of the code pages that has each character; the index of the first
/// character none of them has, if any.
std::string EncodeLine(const QString& line, const std::vector<tess::CodePage>& codePages,
                       qsizetype& missing) {
  missing = -1;
  std::string out;
  out.reserve(static_cast<size_t>(line.size()));
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QStringView character(line.constData() + i, 1);
    bool written = false;
    for (const tess::CodePage codePage : codePages) {
      // The codec writes "?" for what the code page lacks; a demo file must never lose a letter.
      const std::string byte = tess::Encode(character, codePage);
      if (tess::Decode(byte, codePage) == character) {
        out += byte;
        written = true;
        break;
      }
    }
    if (!written) {
      missing = i;
      return out;
    }
  }
  return out;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "tess_demo_text: %s\n", message.c_str());
  return 1;
}

QString CharacterAt(const QString& line, qsizetype i) {
  const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
  const char32_t code = length == 2 ? QChar::surrogateToUcs4(line[i], line[i + 1])
                                    : static_cast<char32_t>(line[i].unicode());
  return QStringLiteral("\"%1\" (U+%2)")
      .arg(line.mid(i, length))
      .arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'))
      .toUpper();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    return Fail("usage: tess_demo_text cp1250|cp1251|cp1252|cp1250+cp1252 SOURCE.utf8 TARGET");
  }
  const std::optional<std::vector<tess::CodePage>> codePages = CodePagesNamed(argv[1]);
  if (!codePages) return Fail(std::string("unknown code page ") + argv[1]);
  const std::string source = argv[2];
  const std::string target = argv[3];

  std::ifstream in(source, std::ios::binary);
  if (!in) return Fail("cannot read " + source);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return Fail(source + " is not valid UTF-8");
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end

  std::vector<std::string> encoded;
  encoded.reserve(static_cast<size_t>(lines.size()));
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QString line = lines[n];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    qsizetype missing = -1;
    std::string out = EncodeLine(line, *codePages, missing);
    if (missing >= 0) {
      return Fail(source + ":" + std::to_string(n + 1) + ":" + std::to_string(missing + 1) + ": " +
                  CharacterAt(line, missing).toStdString() + " has no code in " + argv[1]);
    }
    encoded.push_back(std::move(out));
  }

  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (ec) return Fail("cannot create " + folder.string() + ": " + ec.message());
  std::string error;
  if (!tess::WriteFileAtomically(target, tess::JoinCrLf(encoded), &error)) {
    return Fail("cannot write " + target + ": " + error);
  }
  return 0;
}
