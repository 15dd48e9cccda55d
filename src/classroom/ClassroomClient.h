#pragma once
// The seven requests of a classroom session and what each makes of its reply: login, results
// up and down, the user block, the lessons, the password and one sent result. Every failure
// comes back with the message the learner is shown (cp1250, a line break is one CR).
#include <string>
#include <string_view>

#include "classroom/ServerLink.h"
#include "classroom/ServerProtocol.h"

namespace tess {

struct RequestOutcome {
  bool Ok = false;
  std::string Message;  ///< to show; may be set on success too (password changed)
};

struct LoginOutcome {
  RequestOutcome Request;
  LoginReply Reply;  ///< meaningful when Request.Ok
};

class ClassroomClient {
 public:
  ClassroomClient(ServerLink& link, ServerCredentials who) : link_(link), who_(std::move(who)) {}

  const ServerCredentials& Who() const { return who_; }
  void SetWho(ServerCredentials who) { who_ = std::move(who); }

  /// "LOG:". Ok only when the server accepted the name and password.
  LoginOutcome Login();
  /// "PCW:": the bytes of `resultsFile` follow the line; a missing file sends the line only.
  RequestOutcome UploadResults(const std::string& resultsFile);
  /// "GCW:": the file is replaced whole by what the server sent, and only when the reply came
  /// whole; a failed download leaves the old file as it was.
  RequestOutcome DownloadResults(const std::string& resultsFile);
  /// "GUI:": exactly 292 bytes.
  RequestOutcome GetUserInfo(std::string& userInfo);
  /// "GIL:": the lessons and assignments (a reply cut short leaves them shorter).
  RequestOutcome GetLessons(ClassroomLessons& lessons);
  /// "CHP:" with the texts as typed.
  RequestOutcome ChangePassword(std::string_view user, std::string_view oldPassword,
                                std::string_view newPassword);
  /// "RCW:" with one record as updated.
  RequestOutcome SendResultRecord(const ResultRecord& record);
  /// "RCW:" with a record text made before.
  RequestOutcome SendResultText(std::string_view recordText);

 private:
  ServerLink& link_;
  ServerCredentials who_;
};

}  // namespace tess
