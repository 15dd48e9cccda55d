#include "results/AttemptLog.h"

#include <cstdio>

#include "core/CourseState.h"
#include "platform/MessageBox.h"
#include "results/ResultsStore.h"
#include "shared/DateTime.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {
namespace {

constexpr char kSeparator = '\t';
constexpr size_t kFieldCount = 7;
// Far more attempts than a learner makes; a larger file is not read into memory.
constexpr size_t kMostLogBytes = 64 * 1024 * 1024;

// Decimal digits only, no sign and no blanks, within [0, most].
std::optional<int> Digits(std::string_view text, int most) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > most) return std::nullopt;
  return value;
}

// "yyyy-mm-ddThh:mm:ss" with every part in its range.
bool IsMoment(std::string_view text) {
  static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
  if (text.size() != kShape.size()) return false;
  for (size_t i = 0; i < kShape.size(); ++i) {
    const char c = text[i];
    if (kShape[i] == 'd' ? (c < '0' || c > '9') : c != kShape[i]) return false;
  }
  const auto part = [&](size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
  const int month = part(5), day = part(8);
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && part(11) < 24 && part(14) < 60 &&
         part(17) < 60;
}

std::string Flat(std::string_view text) {
  std::string flat(text);
  for (char& c : flat) {
    if (c == kSeparator || c == '\r' || c == '\n') c = ' ';
  }
  return flat;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t end = line.find(kSeparator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

}  // namespace

std::string AttemptLogPath(const std::string& userDir, const std::string& settingsTag,
                           std::string_view userName) {
  return userDir + "historia_" + settingsTag + "_" + HexOfBytes(userName) + ".txt";
}

std::string UserAttemptLogPath(const CourseState& state) {
  return AttemptLogPath(state.UserDir, state.Install.SettingsTag, state.UserName);
}

std::optional<LoggedAttempt> AttemptOf(const ResultRecord& record) {
  const std::optional<CivilDateTime> when = DecodeDateTime(record.LastDate);
  if (!when) return std::nullopt;
  char moment[32];
  std::snprintf(moment, sizeof moment, "%04d-%02d-%02dT%02d:%02d:%02d", when->year, when->month,
                when->day, when->hour, when->minute, when->second);
  LoggedAttempt attempt;
  attempt.When = moment;
  attempt.Kind = record.Kind;
  attempt.Name = record.Name;
  attempt.Item = record.Item;
  attempt.Group = record.Group;
  attempt.Percent = record.Score;
  attempt.Finished = record.Finished == 1;
  return attempt;
}

std::string FormatAttemptLine(const LoggedAttempt& attempt) {
  const std::string tab(1, kSeparator);
  return Flat(attempt.When) + tab + std::to_string(attempt.Kind) + tab + Flat(attempt.Name) + tab +
         std::to_string(attempt.Item) + tab + Flat(attempt.Group) + tab +
         std::to_string(attempt.Percent) + tab + (attempt.Finished ? "1" : "0");
}

std::optional<LoggedAttempt> ParseAttemptLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line);
  if (fields.size() != kFieldCount) return std::nullopt;
  if (!IsMoment(fields[0]) || fields[2].empty()) return std::nullopt;
  const auto kind = Digits(fields[1], 255);
  const auto item = Digits(fields[3], 255);
  const auto percent = Digits(fields[5], 100);
  // The one-character last field makes a line cut anywhere fail one of these checks.
  if (!kind || !item || !percent || (fields[6] != "0" && fields[6] != "1")) return std::nullopt;
  LoggedAttempt attempt;
  attempt.When = std::string(fields[0]);
  attempt.Kind = *kind;
  attempt.Name = std::string(fields[2]);
  attempt.Item = *item;
  attempt.Group = std::string(fields[4]);
  attempt.Percent = *percent;
  attempt.Finished = fields[6] == "1";
  return attempt;
}

std::vector<LoggedAttempt> ParseAttemptLog(std::string_view bytes) {
  // The part after the last line end never got its end: a crash cut it.
  const size_t end = bytes.rfind('\n');
  bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(0, end + 1);
  std::vector<LoggedAttempt> attempts;
  for (const std::string& line : SplitLines(bytes)) {
    if (auto attempt = ParseAttemptLine(line)) attempts.push_back(std::move(*attempt));
  }
  return attempts;
}

std::vector<LoggedAttempt> ReadAttemptLog(const std::string& path) {
  const FileBytes file = ReadFileBytes(path, kMostLogBytes);
  if (file.Result != FileBytes::Outcome::Read) return {};
  return ParseAttemptLog(file.Bytes);
}

bool AppendAttempts(const std::string& path, const std::vector<LoggedAttempt>& attempts,
                    std::string* reason) {
  for (const LoggedAttempt& attempt : attempts) {
    if (!AppendLineDurably(path, FormatAttemptLine(attempt) + "\r\n", {}, reason)) return false;
  }
  return true;
}

bool LogRecordedAttempts(const CourseState& state, ResultsStore& store, MessageBox& messages,
                         bool quiet) {
  std::vector<LoggedAttempt> attempts;
  for (const ResultRecord& record : store.TakeRecordedAttempts()) {
    if (auto attempt = AttemptOf(record)) attempts.push_back(std::move(*attempt));
  }
  if (attempts.empty()) return true;
  const std::string path = UserAttemptLogPath(state);
  std::string reason;
  if (AppendAttempts(path, attempts, &reason)) return true;
  if (!quiet) {
    messages.ShowMessage("Wynik zapisano, ale nie można dopisać go do historii w pliku " + path +
                         ": " + reason);
  }
  return false;
}

}  // namespace tess
