#include "shared/Text.h"

#include <climits>
#include <cstdint>

namespace tess {

namespace {

bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

int PosFrom(int from, std::string_view text, std::string_view sub) {
  if (sub.empty() || text.empty() || from < 1 || static_cast<size_t>(from) > text.size()) {
    return -1;
  }
  const size_t found = text.find(sub, static_cast<size_t>(from - 1));
  return found == std::string_view::npos ? -1 : static_cast<int>(found) + 1;
}

std::string NextWord(std::string_view text) { return std::string(text.substr(0, text.find(' '))); }

std::string TrimLeft(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsControlOrBlank(text[begin])) ++begin;
  return std::string(text.substr(begin));
}

std::string TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsControlOrBlank(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsControlOrBlank(text[begin])) ++begin;
  while (end > begin && IsControlOrBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string TrimBlanks(std::string_view text) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

std::string HexOfBytes(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kHex[byte >> 4];
    hex += kHex[byte & 15];
  }
  return hex;
}

std::string LowerAZ(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string UpperAZ(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

bool SameTextAZ(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::optional<int> ParseInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  // Accumulate as a magnitude so that INT_MIN, whose magnitude exceeds INT_MAX, still fits.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

std::vector<std::string> CutFields(std::string_view line, char separator, int count) {
  std::vector<std::string> fields;
  if (count <= 0) return fields;
  fields.reserve(static_cast<size_t>(count));
  const std::string_view sep(&separator, 1);
  int start = 1;
  bool lost = false;
  for (int field = 0; field < count; ++field) {
    const int end = lost ? -1 : PosFrom(start, line, sep);
    if (end < 0) {
      // Every field after a missing separator is empty, even if the line goes on.
      lost = true;
      fields.emplace_back();
      continue;
    }
    fields.emplace_back(
        line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start)));
    start = end + 1;
  }
  return fields;
}

std::string EchoOf(std::string_view text) {
  constexpr size_t kEchoLength = 20;
  std::string echo(text.substr(0, kEchoLength));
  if (text.size() > kEchoLength) echo += "...";
  return echo;
}

}  // namespace tess
