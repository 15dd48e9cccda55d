#pragma once
// A request line as a classroom server reads it: the command and its "#"-ended fields, and the
// record text that "RCW:" carries. Anything malformed, unknown or too long is refused here, so
// what reaches the answers is always whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/DateTime.h"

namespace tess {

/// Longest request line taken (without its line end); a longer one is refused unread.
inline constexpr std::size_t kMaxRequestLine = 64 * 1024;
/// Most bytes a "PCW:" upload may carry after its line (a results file is at most 204 000).
inline constexpr std::size_t kMaxUploadBytes = 64 * 1024 * 1024;

enum class RequestCommand {
  Login,            ///< "LOG:"
  UploadResults,    ///< "PCW:"; the results file follows the line until the client closes
  DownloadResults,  ///< "GCW:"
  UserInfo,         ///< "GUI:"
  Lessons,          ///< "GIL:"
  ChangePassword,   ///< "CHP:" user, old password, new password
  SendRecord,       ///< "RCW:" the three fields, then the record text
};

struct ServerRequest {
  RequestCommand Command = RequestCommand::Login;
  /// The fields without their "#": user name and password first; then the settings tag for
  /// every command but "CHP:" (whose third field is the new password); for "RCW:" the ten
  /// fields of the record text follow.
  std::vector<std::string> Fields;

  const std::string& UserName() const { return Fields[0]; }
  const std::string& Password() const { return Fields[1]; }
  const std::string& Third() const { return Fields[2]; }
};

struct ParsedRequest {
  std::optional<ServerRequest> Request;
  std::string Error;  ///< why the line was refused (for the log), when Request is empty
};

/// Reads one request line (without CR LF). Every field must end with "#" and nothing may
/// follow the last one. A "#" inside the title of an "RCW:" record is kept in the title: the
/// fields before and after it are counted from the ends.
ParsedRequest ParseRequestLine(std::string_view line);

/// The record text of "RCW:", checked: numbers decimal and in their ranges, the date a real
/// "yyyy-mm-dd" date (or empty).
struct ReportedResult {
  std::string Name;
  std::string Title;
  std::uint8_t Kind = 0;
  std::uint8_t Item = 0;
  std::uint8_t Level = 0;
  std::optional<CivilDateTime> Date;  ///< the day of the attempt; none when sent empty
  std::uint8_t Score = 0;
  std::int32_t Attempts = 0;
  std::uint8_t Finished = 0;
  std::string Group;
};

/// The record of an "RCW:" request (its fields 4 to 13); nothing, with `error`, when a field is
/// not what the record text allows.
std::optional<ReportedResult> ParseReportedResult(const ServerRequest& request,
                                                  std::string* error = nullptr);

/// "yyyy-mm-dd" with a real day of a year 1 to 9999; nothing otherwise.
std::optional<CivilDateTime> ParseIsoDate(std::string_view text);

}  // namespace tess
