#pragma once
// Text rules shared by both programs. Text from course files stays in its code page,
// one byte per character, so positions count exactly as the files do.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

/// 1-based position of the first `sub` in `text` at or after `from`; -1 when `sub` or
/// `text` is empty, `from` < 1 or `from` > length of `text`, or `sub` does not occur there.
int PosFrom(int from, std::string_view text, std::string_view sub);

/// `text` up to, not including, its first blank; the whole text when it has none.
std::string NextWord(std::string_view text);

/// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
/// Removes leading and trailing blanks (code 32) only.
std::string TrimBlanks(std::string_view text);

/// Each byte as two lower-case hex digits: a name of any bytes made safe for a file name.
std::string HexOfBytes(std::string_view bytes);

/// Case folding of "A" to "Z" only; every other byte is left alone.
std::string LowerAZ(std::string_view text);
std::string UpperAZ(std::string_view text);
bool SameTextAZ(std::string_view a, std::string_view b);

/// Decimal integer: optional leading blanks, optional sign, digits, nothing else.
/// Empty or anything else gives nothing (the caller reports the error).
std::optional<int> ParseInt(std::string_view text);

/// A piece of content quoted in a message: its first 20 characters, and "..." when it was
/// longer, so a message stays one line whatever the content holds.
std::string EchoOf(std::string_view text);

/// Cuts `count` fields off a line in which every field is followed by `separator`.
/// A field ends at the next separator found from its start; when that separator is
/// missing, the field and every later one are empty.
std::vector<std::string> CutFields(std::string_view line, char separator, int count);

}  // namespace tess
