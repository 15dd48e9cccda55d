#pragma once
// The history of a user's attempts: one tab-separated cp1250 line per recorded result, appended
// to a file beside the results file and never rewritten. The results file keeps only each
// item's last attempt; this file is what the progress over time is drawn from.
//
// A line: date and time (ISO 8601, local, "2024-05-17T10:15:00"), kind code, result key, item,
// group, percent, finished (0 or 1); ended by CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct CourseState;
class MessageBox;
class ResultsStore;
struct ResultRecord;

struct LoggedAttempt {
  std::string When;  ///< "yyyy-mm-ddThh:mm:ss", local time
  int Kind = 0;
  std::string Name;  ///< result key, e.g. "tek_7"
  int Item = 0;
  std::string Group;  ///< short name of the item's group, cp1250
  int Percent = 0;
  bool Finished = false;

  /// "yyyy-mm-dd": the day of the attempt.
  std::string Day() const { return When.substr(0, 10); }
  friend bool operator==(const LoggedAttempt&, const LoggedAttempt&) = default;
};

/// userDir + "historia_" + settingsTag + "_" + the user name's bytes in hex + ".txt": the
/// classroom users of one computer share a folder, so the name tells their logs apart.
std::string AttemptLogPath(const std::string& userDir, const std::string& settingsTag,
                           std::string_view userName);
/// The log of the user who is logged in.
std::string UserAttemptLogPath(const CourseState& state);

/// The attempt a changed record stands for; nothing when its date is no date.
std::optional<LoggedAttempt> AttemptOf(const ResultRecord& record);

/// The line without its line end. Tabs and line ends inside the texts become blanks.
std::string FormatAttemptLine(const LoggedAttempt& attempt);
/// Nothing for a line that is not exactly a whole attempt line.
std::optional<LoggedAttempt> ParseAttemptLine(std::string_view line);
/// The attempts of a log's bytes in file order. Damaged lines are skipped, and so is a last
/// line without its line end: every append ends its line, so that one was cut by a crash.
std::vector<LoggedAttempt> ParseAttemptLog(std::string_view bytes);
/// The log at `path`; a missing or unreadable file gives no attempts.
std::vector<LoggedAttempt> ReadAttemptLog(const std::string& path);

/// Appends one line per attempt, each whole or not at all; stops at the first that fails,
/// with `reason` (Polish, UTF-8) when given.
bool AppendAttempts(const std::string& path, const std::vector<LoggedAttempt>& attempts,
                    std::string* reason = nullptr);

/// Writes the attempts the store recorded since the last call to the user's log and forgets
/// them. A failure is told through `messages` unless `quiet`; the results are not touched.
bool LogRecordedAttempts(const CourseState& state, ResultsStore& store, MessageBox& messages,
                         bool quiet);

}  // namespace tess
