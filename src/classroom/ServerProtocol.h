#pragma once
// The bytes the course speaks with a classroom server: the request lines, the record text of a
// sent result, and the readings of the replies (the login line, the user block, the lesson
// lists). Nothing here touches a socket; the connection feeds bytes in and sends what this
// makes. Texts are cp1250.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ClassroomLessons.h"
#include "results/ResultsStore.h"

namespace tess {

inline constexpr int kClassroomPort = 9099;

/// Who asks: the logged-in (or logging-in) user and the course's settings tag.
struct ServerCredentials {
  std::string UserName;
  std::string Password;
  std::string SettingsTag;
};

/// "LOG:", "PCW:", "GCW:", "GUI:" and "GIL:" carry the same three fields.
std::string LoginRequest(const ServerCredentials& who);
std::string UploadResultsRequest(const ServerCredentials& who);
std::string DownloadResultsRequest(const ServerCredentials& who);
std::string UserInfoRequest(const ServerCredentials& who);
std::string LessonsRequest(const ServerCredentials& who);
/// "CHP:" with the texts as typed (not trimmed).
std::string ChangePasswordRequest(std::string_view user, std::string_view oldPassword,
                                  std::string_view newPassword);
/// The record text of "RCW:": the record's fields each followed by "#", numbers decimal, the
/// date as "yyyy-mm-dd".
std::string ResultRecordText(const ResultRecord& record);
/// "RCW:" with one record.
std::string SendRecordRequest(const ServerCredentials& who, const ResultRecord& record);
/// "RCW:" with a record text made before (a queued result).
std::string SendRecordTextRequest(const ServerCredentials& who, std::string_view recordText);

/// Field k (1-based) of a reply line: the text between the (k-1)-th and the k-th "#"; a field
/// whose "#" is missing reads as empty.
std::string ReplyField(std::string_view line, int k);

enum class LoginVerdict { Accepted, WrongNameOrPassword, NoAccess };
struct LoginReply {
  LoginVerdict Verdict = LoginVerdict::Accepted;
  bool ServerHasResults = false;  ///< field 2 is not "0"
};
LoginReply ParseLoginReply(std::string_view line);

/// A reply line is read up to LF; the CR before it is dropped. Nothing while no LF came yet.
std::optional<std::string> TakeReplyLine(std::string& received);

inline constexpr std::size_t kUserInfoSize = 292;
inline constexpr std::size_t kWholeMaterialOffset = 115;
/// The one byte of the user block the course reads.
bool WholeMaterialOf(std::string_view userInfo);

inline constexpr std::size_t kServerLessonSize = 596;
inline constexpr std::size_t kAssignmentSize = 24;
inline constexpr std::size_t kMaxClassroomRecords = 3000;

/// Reads the "GIL:" reply as it arrives: a count, that many lessons, a count, that many
/// assignments. Bytes may come in any pieces; a reply cut short leaves shorter lists. Counts
/// beyond what the lists hold, lesson record counts beyond 100 and name lengths beyond 191 are
/// cut, so no server can make the course read or keep more than that.
class LessonsReader {
 public:
  /// Takes the next bytes of the reply.
  void Feed(std::string_view bytes);
  /// Everything the counts announced has come.
  bool Complete() const { return stage_ == Stage::Done; }
  const ClassroomLessons& Lessons() const { return lessons_; }
  ClassroomLessons TakeLessons() { return std::move(lessons_); }

 private:
  enum class Stage { LessonCount, Lessons, AssignmentCount, Assignments, Done };
  bool Step();

  Stage stage_ = Stage::LessonCount;
  std::string pending_;
  std::size_t offset_ = 0;
  std::uint32_t remaining_ = 0;
  ClassroomLessons lessons_;
};

/// What a server sends: the "GUI:" block with only the `WholeMaterial` byte set, and the
/// "GIL:" reply (big-endian counts, little-endian records, names cut to 191 bytes and record
/// lists to 100 positions, as the reader above takes them).
std::string UserInfoBytes(bool wholeMaterial);
std::string LessonsReplyBytes(const ClassroomLessons& lessons);

/// The messages of the requests (cp1250); a line break is one CR.
namespace classroom_text {
std::string LoginRefused();
std::string LoginNoAccess();
std::string LoginConnectionFailed(std::string_view failure);
std::string UploadNoLocalFile();
std::string UploadFailed(std::string_view failure);
std::string DownloadFailed();
std::string UserInfoFailed();
std::string LessonsFailed();
std::string PasswordChanged();
std::string PasswordRefused();
std::string PasswordConnectionFailed();
std::string RecordRefused();
std::string RecordConnectionFailed(std::string_view failure);
}  // namespace classroom_text

}  // namespace tess
