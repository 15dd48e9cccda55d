#include "classroom/ClassroomClient.h"

#include "shared/TextFile.h"

namespace tess {
namespace {

// Far above any results file (1000 records of 204 bytes); a reply this long is no results file.
constexpr std::size_t kMostResultsBytes = 64 * 1024 * 1024;

ReplyShape LineReply() { return {ReplyShape::Kind::Line, 0, {}}; }

}  // namespace

LoginOutcome ClassroomClient::Login() {
  LoginOutcome outcome;
  const Exchanged reply = link_.Exchange(LoginRequest(who_), {}, LineReply());
  if (!reply.Ok) {
    outcome.Request.Message = classroom_text::LoginConnectionFailed(reply.Failure);
    return outcome;
  }
  outcome.Reply = ParseLoginReply(reply.Reply);
  switch (outcome.Reply.Verdict) {
    case LoginVerdict::WrongNameOrPassword:
      outcome.Request.Message = classroom_text::LoginRefused();
      break;
    case LoginVerdict::NoAccess:
      outcome.Request.Message = classroom_text::LoginNoAccess();
      break;
    case LoginVerdict::Accepted:
      outcome.Request.Ok = true;
      break;
  }
  return outcome;
}

RequestOutcome ClassroomClient::UploadResults(const std::string& resultsFile) {
  const FileBytes file = ReadFileBytes(resultsFile, kMostResultsBytes);
  const bool haveFile = file.Result == FileBytes::Outcome::Read;
  const Exchanged sent = link_.Exchange(UploadResultsRequest(who_), haveFile ? file.Bytes : "",
                                        {ReplyShape::Kind::Nothing, 0, {}});
  if (!sent.Ok) return {false, classroom_text::UploadFailed(sent.Failure)};
  if (!haveFile) return {false, classroom_text::UploadNoLocalFile()};
  return {true, {}};
}

RequestOutcome ClassroomClient::DownloadResults(const std::string& resultsFile) {
  std::string received;
  bool tooLong = false;
  const ReplyShape shape{ReplyShape::Kind::UntilClose, 0, [&](std::string_view piece) {
                           if (received.size() + piece.size() > kMostResultsBytes) {
                             tooLong = true;
                             return true;
                           }
                           received.append(piece);
                           return false;
                         }};
  const Exchanged reply = link_.Exchange(DownloadResultsRequest(who_), {}, shape);
  // The old file stays until the new one came whole and is written whole.
  if (!reply.Ok || tooLong || !WriteFileAtomically(resultsFile, received)) {
    return {false, classroom_text::DownloadFailed()};
  }
  return {true, {}};
}

RequestOutcome ClassroomClient::GetUserInfo(std::string& userInfo) {
  const Exchanged reply =
      link_.Exchange(UserInfoRequest(who_), {}, {ReplyShape::Kind::Exactly, kUserInfoSize, {}});
  if (!reply.Ok || reply.Reply.size() != kUserInfoSize) {
    return {false, classroom_text::UserInfoFailed()};
  }
  userInfo = reply.Reply;
  return {true, {}};
}

RequestOutcome ClassroomClient::GetLessons(ClassroomLessons& lessons) {
  LessonsReader reader;
  const ReplyShape shape{ReplyShape::Kind::UntilDone, 0, [&](std::string_view piece) {
                           reader.Feed(piece);
                           return reader.Complete();
                         }};
  const Exchanged reply = link_.Exchange(LessonsRequest(who_), {}, shape);
  const bool wholeMaterial = lessons.WholeMaterial;
  lessons = reader.TakeLessons();
  lessons.WholeMaterial = wholeMaterial;
  if (!reply.Ok) return {false, classroom_text::LessonsFailed()};
  return {true, {}};
}

RequestOutcome ClassroomClient::ChangePassword(std::string_view user, std::string_view oldPassword,
                                               std::string_view newPassword) {
  const Exchanged reply =
      link_.Exchange(ChangePasswordRequest(user, oldPassword, newPassword), {}, LineReply());
  if (!reply.Ok) return {false, classroom_text::PasswordConnectionFailed()};
  if (reply.Reply != "TRUE") return {false, classroom_text::PasswordRefused()};
  return {true, classroom_text::PasswordChanged()};
}

RequestOutcome ClassroomClient::SendResultRecord(const ResultRecord& record) {
  return SendResultText(ResultRecordText(record));
}

RequestOutcome ClassroomClient::SendResultText(std::string_view recordText) {
  const Exchanged reply = link_.Exchange(SendRecordTextRequest(who_, recordText), {}, LineReply());
  if (!reply.Ok) return {false, classroom_text::RecordConnectionFailed(reply.Failure)};
  if (reply.Reply != "TRUE") return {false, classroom_text::RecordRefused()};
  return {true, {}};
}

}  // namespace tess
