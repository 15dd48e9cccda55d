#pragma once
// The answers of a classroom server to the seven requests, over its storage: who may log in,
// the results file up and down, the user block, the lessons with their dates, the password
// and one reported result. The bytes of each reply are the ones the course reads.
#include <functional>
#include <string>
#include <string_view>

#include "classroomserver/ClassroomStorage.h"
#include "classroomserver/ServerRequest.h"

namespace tess {

struct ServerAnswer {
  std::string Reply;     ///< bytes to send, then the connection is closed; may be empty
  bool Refused = false;  ///< the request was not served as asked (logged)
  std::string Note;      ///< why, for the log
};

/// The connection reads the upload of these until the client closes.
inline bool CarriesUpload(RequestCommand command) {
  return command == RequestCommand::UploadResults;
}

class ClassroomService {
 public:
  /// `now` gives the server's local time as TDateTime (the date of a reported result).
  ClassroomService(ClassroomStorage& storage, PasswordHasher& hasher, std::function<double()> now);

  /// `upload` is what followed a "PCW:" line; empty for the others.
  ServerAnswer Answer(const ServerRequest& request, std::string_view upload = {});

 private:
  enum class Check { Accepted, Wrong, NoAccess, Failed };
  Check CheckLearner(std::string_view name, std::string_view password, LearnerAccount* learner);

  ServerAnswer Login(const ServerRequest& request);
  ServerAnswer Upload(const ServerRequest& request, std::string_view upload);
  ServerAnswer Download(const ServerRequest& request);
  ServerAnswer UserInfo(const ServerRequest& request);
  ServerAnswer Lessons(const ServerRequest& request);
  ServerAnswer ChangePassword(const ServerRequest& request);
  ServerAnswer SendRecord(const ServerRequest& request);

  ClassroomStorage& storage_;
  PasswordHasher& hasher_;
  std::function<double()> now_;
  std::string unknownLearnerHash_;
};

}  // namespace tess
