// Request lines as the server reads them: every command with its fields, and each way a line
// is refused (unknown, fields missing or too many, text after the last field, too long), and
// the record text of "RCW:" checked field by field.
#include <gtest/gtest.h>

#include "classroomserver/ServerRequest.h"

namespace tess {
namespace {

TEST(ServerRequestTest, CommandsAndTheirFields) {
  struct Row {
    const char* name;
    std::string line;
    RequestCommand command;
    std::vector<std::string> fields;
  };
  const Row rows[] = {
      {"login", "LOG:Ola#tajne#tsa2_2003#", RequestCommand::Login, {"Ola", "tajne", "tsa2_2003"}},
      {"upload", "PCW:Ola#tajne#t#", RequestCommand::UploadResults, {"Ola", "tajne", "t"}},
      {"download", "GCW:Ola#tajne#t#", RequestCommand::DownloadResults, {"Ola", "tajne", "t"}},
      {"user info", "GUI:Ola#tajne#t#", RequestCommand::UserInfo, {"Ola", "tajne", "t"}},
      {"lessons", "GIL:Ola#tajne#t#", RequestCommand::Lessons, {"Ola", "tajne", "t"}},
      {"empty fields", "GIL:###", RequestCommand::Lessons, {"", "", ""}},
      {"password kept as typed", "CHP:Ola #stare#nowe #", RequestCommand::ChangePassword,
       {"Ola ", "stare", "nowe "}},
      {"record with a Polish title", "RCW:Ola#tajne#t#tek_8#\xA3\xF3" "d\xBC = Boat = Boot = #"
       "42#27#3#2026-12-10#89#1#1#zakupy#",
       RequestCommand::SendRecord,
       {"Ola", "tajne", "t", "tek_8", "\xA3\xF3" "d\xBC = Boat = Boot = ", "42", "27", "3",
        "2026-12-10", "89", "1", "1", "zakupy"}},
      {"a # inside the title stays in it", "RCW:Ola#p#t#rpg_1#A#B = C#54#0#1#2026-01-02#5#2#0#g#",
       RequestCommand::SendRecord,
       {"Ola", "p", "t", "rpg_1", "A#B = C", "54", "0", "1", "2026-01-02", "5", "2", "0", "g"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ParsedRequest parsed = ParseRequestLine(row.line);
    ASSERT_TRUE(parsed.Request) << parsed.Error;
    EXPECT_EQ(parsed.Request->Command, row.command);
    EXPECT_EQ(parsed.Request->Fields, row.fields);
  }
}

TEST(ServerRequestTest, MalformedLinesAreRefusedWithAReason) {
  struct Row {
    const char* name;
    std::string line;
    const char* reason;
  };
  const Row rows[] = {
      {"empty", "", "unknown command"},
      {"unknown command", "XYZ:a#b#c#", "unknown command"},
      {"lower case command", "log:a#b#c#", "unknown command"},
      {"command cut", "LO", "unknown command"},
      {"fields missing", "LOG:a#b#", "fields missing"},
      {"no fields", "GCW:", "fields missing"},
      {"last field without #", "LOG:a#b#c", "text after the last field"},
      {"too many fields", "GUI:a#b#c#d#", "too many fields"},
      {"record text short", "RCW:a#b#c#tek_1#T#40#1#1#2026-01-01#5#1#", "fields missing"},
      {"too long", "LOG:" + std::string(kMaxRequestLine, 'a') + "#b#c#", "longer than"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ParsedRequest parsed = ParseRequestLine(row.line);
    EXPECT_FALSE(parsed.Request);
    EXPECT_NE(parsed.Error.find(row.reason), std::string::npos) << parsed.Error;
  }
  // A line of exactly the limit is taken, one byte more is not.
  const std::string longest = "LOG:" + std::string(kMaxRequestLine - 9, 'a') + "#b#c#";
  ASSERT_EQ(longest.size(), kMaxRequestLine);
  EXPECT_TRUE(ParseRequestLine(longest).Request);
  EXPECT_FALSE(ParseRequestLine("LOG:a" + longest.substr(4)).Request);
}

ServerRequest RecordRequest(const std::vector<std::string>& record) {
  ServerRequest request{RequestCommand::SendRecord, {"Ola", "p", "t"}};
  request.Fields.insert(request.Fields.end(), record.begin(), record.end());
  return request;
}

TEST(ServerRequestTest, RecordTextFieldsAreChecked) {
  const std::vector<std::string> good{"tek_8", "T = ", "42", "27", "3", "2026-12-10",
                                      "89",    "12",   "1",  "zakupy"};
  const std::optional<ReportedResult> result = ParseReportedResult(RecordRequest(good));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->Name, "tek_8");
  EXPECT_EQ(result->Kind, 42);
  EXPECT_EQ(result->Item, 27);
  EXPECT_EQ(result->Level, 3);
  ASSERT_TRUE(result->Date);
  EXPECT_EQ(result->Date->year, 2026);
  EXPECT_EQ(result->Date->month, 12);
  EXPECT_EQ(result->Date->day, 10);
  EXPECT_EQ(result->Score, 89);
  EXPECT_EQ(result->Attempts, 12);
  EXPECT_EQ(result->Finished, 1);
  EXPECT_EQ(result->Group, "zakupy");

  struct Row {
    const char* name;
    std::size_t field;
    const char* value;
  };
  const Row bad[] = {
      {"empty name", 0, ""},        {"kind above a byte", 2, "256"}, {"kind signed", 2, "-1"},
      {"item not a number", 3, "x"}, {"level blank", 4, " 3"},        {"date order", 5, "10-12-2026"},
      {"no such day", 5, "2026-02-30"}, {"month 13", 5, "2026-13-01"}, {"score 101", 6, "101"},
      {"attempts beyond 32 bits", 7, "2147483648"}, {"finished empty", 8, ""},
  };
  for (const Row& row : bad) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> fields = good;
    fields[row.field] = row.value;
    std::string error;
    EXPECT_FALSE(ParseReportedResult(RecordRequest(fields), &error));
    EXPECT_FALSE(error.empty());
  }
  // A record whose date is no date is sent with an empty date field.
  std::vector<std::string> undated = good;
  undated[5] = "";
  const std::optional<ReportedResult> noDate = ParseReportedResult(RecordRequest(undated));
  ASSERT_TRUE(noDate);
  EXPECT_FALSE(noDate->Date);
}

TEST(ServerRequestTest, IsoDates) {
  EXPECT_TRUE(ParseIsoDate("2024-02-29"));
  EXPECT_FALSE(ParseIsoDate("2023-02-29"));
  EXPECT_FALSE(ParseIsoDate("2024-2-29"));
  EXPECT_FALSE(ParseIsoDate("0000-01-01"));
  EXPECT_FALSE(ParseIsoDate("2024-01-01 "));
}

}  // namespace
}  // namespace tess
