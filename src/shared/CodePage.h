#pragma once
// The one codec: course text stays in its single-byte code page until it meets Qt.
#include <QString>
#include <string>
#include <string_view>

namespace tess {

enum class CodePage { Cp1250, Cp1252, Cp1251 };

/// Code page of the interface texts of an interface language (3 russki is cp1251).
CodePage InterfaceCodePage(int interfaceLanguage);

/// Code page of the course language's own text in the course files (transcripts, exercise
/// content, sentences, phrases): the French course (3) writes it in cp1252, whose letters are
/// Western codes; the other courses, and every Polish text of all of them, are cp1250.
CodePage CourseCodePage(int courseLanguage);

QString Decode(std::string_view bytes, CodePage codePage);
/// Characters the code page lacks become "?".
std::string Encode(QStringView text, CodePage codePage);

std::string ToUtf8(std::string_view bytes, CodePage codePage);
std::string FromUtf8(std::string_view utf8, CodePage codePage);

}  // namespace tess
