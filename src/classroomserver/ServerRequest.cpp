#include "classroomserver/ServerRequest.h"

#include <array>
#include <limits>

namespace tess {
namespace {

constexpr std::size_t kCommandLength = 4;
constexpr std::size_t kStandardFields = 3;
constexpr std::size_t kRecordFields = 10;

struct CommandName {
  std::string_view Text;
  RequestCommand Command;
};
constexpr std::array<CommandName, 7> kCommands{{
    {"LOG:", RequestCommand::Login},
    {"PCW:", RequestCommand::UploadResults},
    {"GCW:", RequestCommand::DownloadResults},
    {"GUI:", RequestCommand::UserInfo},
    {"GIL:", RequestCommand::Lessons},
    {"CHP:", RequestCommand::ChangePassword},
    {"RCW:", RequestCommand::SendRecord},
}};

// Digits only, no sign or blanks, at most `most`.
std::optional<std::int64_t> Decimal(std::string_view text, std::int64_t most) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > most) return std::nullopt;
  return value;
}

}  // namespace

ParsedRequest ParseRequestLine(std::string_view line) {
  ParsedRequest parsed;
  if (line.size() > kMaxRequestLine) {
    parsed.Error = "request line longer than " + std::to_string(kMaxRequestLine) + " bytes";
    return parsed;
  }
  const std::string_view command = line.substr(0, kCommandLength);
  const CommandName* known = nullptr;
  for (const CommandName& name : kCommands) {
    if (name.Text == command) known = &name;
  }
  if (known == nullptr) {
    parsed.Error = "unknown command";
    return parsed;
  }
  std::string_view rest = line.substr(kCommandLength);
  if (!rest.empty() && rest.back() != '#') {
    parsed.Error = "text after the last field";
    return parsed;
  }
  std::vector<std::string> fields;
  while (!rest.empty()) {
    const std::size_t hash = rest.find('#');
    fields.emplace_back(rest.substr(0, hash));
    rest.remove_prefix(hash + 1);
  }
  const bool record = known->Command == RequestCommand::SendRecord;
  const std::size_t wanted = kStandardFields + (record ? kRecordFields : 0);
  if (fields.size() < wanted) {
    parsed.Error = "fields missing (" + std::to_string(fields.size()) + " of " +
                   std::to_string(wanted) + ")";
    return parsed;
  }
  if (fields.size() > wanted) {
    if (!record) {
      parsed.Error = "too many fields";
      return parsed;
    }
    // The title is the fifth field; the eight after it are counted from the end.
    const std::size_t titleAt = kStandardFields + 1;
    const std::size_t extra = fields.size() - wanted;
    std::string title = fields[titleAt];
    for (std::size_t i = 1; i <= extra; ++i) title += "#" + fields[titleAt + i];
    fields[titleAt] = std::move(title);
    fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(titleAt + 1),
                 fields.begin() + static_cast<std::ptrdiff_t>(titleAt + 1 + extra));
  }
  parsed.Request = ServerRequest{known->Command, std::move(fields)};
  return parsed;
}

std::optional<CivilDateTime> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Decimal(text.substr(0, 4), 9999);
  const auto month = Decimal(text.substr(5, 2), 12);
  const auto day = Decimal(text.substr(8, 2), 31);
  if (!year || !month || !day || *year < 1 || *month < 1 || *day < 1) return std::nullopt;
  CivilDateTime civil;
  civil.year = static_cast<int>(*year);
  civil.month = static_cast<int>(*month);
  civil.day = static_cast<int>(*day);
  // A day past the month's end would roll into the next month.
  const std::optional<CivilDateTime> back = DecodeDateTime(EncodeDateTime(civil));
  if (!back || back->year != civil.year || back->month != civil.month || back->day != civil.day) {
    return std::nullopt;
  }
  return civil;
}

std::optional<ReportedResult> ParseReportedResult(const ServerRequest& request,
                                                  std::string* error) {
  const auto fail = [&](const std::string& why) -> std::optional<ReportedResult> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (request.Command != RequestCommand::SendRecord ||
      request.Fields.size() != kStandardFields + kRecordFields) {
    return fail("no record text");
  }
  const std::vector<std::string>& f = request.Fields;
  ReportedResult result;
  result.Name = f[3];
  result.Title = f[4];
  result.Group = f[12];
  if (result.Name.empty()) return fail("record without a name");
  const auto byte = [](const std::string& text, std::int64_t most, std::uint8_t& into) {
    const auto value = Decimal(text, most);
    if (value) into = static_cast<std::uint8_t>(*value);
    return value.has_value();
  };
  if (!byte(f[5], 255, result.Kind)) return fail("kind is not a byte");
  if (!byte(f[6], 255, result.Item)) return fail("item is not a byte");
  if (!byte(f[7], 255, result.Level)) return fail("level is not a byte");
  if (!f[8].empty()) {
    result.Date = ParseIsoDate(f[8]);
    if (!result.Date) return fail("date is not yyyy-mm-dd");
  }
  if (!byte(f[9], 100, result.Score)) return fail("score is not 0 to 100");
  const auto attempts = Decimal(f[10], std::numeric_limits<std::int32_t>::max());
  if (!attempts) return fail("attempts is not a count");
  result.Attempts = static_cast<std::int32_t>(*attempts);
  if (!byte(f[11], 255, result.Finished)) return fail("finished is not a byte");
  return result;
}

}  // namespace tess
