#include "classroomserver/ClassroomService.h"

#include <map>

#include "classroom/ServerProtocol.h"
#include "classroomserver/ServerResults.h"

namespace tess {
namespace {

const char kTrue[] = "TRUE\r\n";
const char kFalse[] = "FALSE\r\n";

ServerAnswer Served(std::string reply) { return {std::move(reply), false, {}}; }
ServerAnswer Refused(std::string reply, std::string note) {
  return {std::move(reply), true, std::move(note)};
}

}  // namespace

ClassroomService::ClassroomService(ClassroomStorage& storage, PasswordHasher& hasher,
                                   std::function<double()> now)
    : storage_(storage), hasher_(hasher), now_(std::move(now)) {}

ClassroomService::Check ClassroomService::CheckLearner(std::string_view name,
                                                       std::string_view password,
                                                       LearnerAccount* learner) {
  std::optional<LearnerAccount> found;
  if (!storage_.FindLearner(name, found)) return Check::Failed;
  if (!found) {
    // The same work as for a real learner, so the time of the answer does not tell which
    // names exist.
    if (unknownLearnerHash_.empty()) unknownLearnerHash_ = hasher_.Hash("-");
    hasher_.Verify(password, unknownLearnerHash_);
    return Check::Wrong;
  }
  if (!hasher_.Verify(password, found->PasswordHash)) return Check::Wrong;
  if (learner) *learner = *found;
  return found->Access ? Check::Accepted : Check::NoAccess;
}

ServerAnswer ClassroomService::Answer(const ServerRequest& request, std::string_view upload) {
  switch (request.Command) {
    case RequestCommand::Login: return Login(request);
    case RequestCommand::UploadResults: return Upload(request, upload);
    case RequestCommand::DownloadResults: return Download(request);
    case RequestCommand::UserInfo: return UserInfo(request);
    case RequestCommand::Lessons: return Lessons(request);
    case RequestCommand::ChangePassword: return ChangePassword(request);
    case RequestCommand::SendRecord: return SendRecord(request);
  }
  return Refused({}, "unknown command");
}

ServerAnswer ClassroomService::Login(const ServerRequest& request) {
  switch (CheckLearner(request.UserName(), request.Password(), nullptr)) {
    case Check::Wrong: return Refused("0#\r\n", "wrong name or password");
    case Check::NoAccess: return Refused("2#\r\n", "learner without access");
    // Nothing is sent, so the course reports a failed connection.
    case Check::Failed: return Refused({}, "storage: " + storage_.LastError());
    case Check::Accepted: break;
  }
  std::optional<std::string> records;
  if (!storage_.Results(request.UserName(), request.Third(), records)) {
    return Refused({}, "storage: " + storage_.LastError());
  }
  return Served(records ? "1#1#\r\n" : "1#0#\r\n");
}

ServerAnswer ClassroomService::Upload(const ServerRequest& request, std::string_view upload) {
  switch (CheckLearner(request.UserName(), request.Password(), nullptr)) {
    case Check::Accepted: break;
    case Check::Failed: return Refused({}, "storage: " + storage_.LastError());
    default: return Refused({}, "upload refused: wrong name, password or no access");
  }
  const std::string records = WholeRecords(upload);
  // The course sends the line alone when it has no file; an empty file is no results.
  if (records.empty()) return Refused({}, "upload without a whole record");
  if (storage_.PutResults(request.UserName(), request.Third(), records) != StorageChange::Done) {
    return Refused({}, "storage: " + storage_.LastError());
  }
  if (records.size() != upload.size()) {
    return Refused({}, "upload stored without its torn last " +
                           std::to_string(upload.size() - records.size()) + " bytes");
  }
  return Served({});
}

ServerAnswer ClassroomService::Download(const ServerRequest& request) {
  switch (CheckLearner(request.UserName(), request.Password(), nullptr)) {
    case Check::Accepted: break;
    case Check::Failed: return Refused({}, "storage: " + storage_.LastError());
    default: return Refused({}, "download refused: wrong name, password or no access");
  }
  std::optional<std::string> records;
  if (!storage_.Results(request.UserName(), request.Third(), records)) {
    return Refused({}, "storage: " + storage_.LastError());
  }
  if (!records) return Refused({}, "no results file for this tag");
  return Served(WholeRecords(*records));
}

ServerAnswer ClassroomService::UserInfo(const ServerRequest& request) {
  LearnerAccount learner;
  switch (CheckLearner(request.UserName(), request.Password(), &learner)) {
    case Check::Accepted: return Served(UserInfoBytes(learner.WholeMaterial));
    case Check::Failed: return Refused({}, "storage: " + storage_.LastError());
    default: return Refused({}, "user info refused: wrong name, password or no access");
  }
}

ServerAnswer ClassroomService::Lessons(const ServerRequest& request) {
  switch (CheckLearner(request.UserName(), request.Password(), nullptr)) {
    case Check::Accepted: break;
    case Check::Failed: return Refused({}, "storage: " + storage_.LastError());
    default: return Refused({}, "lessons refused: wrong name, password or no access");
  }
  std::vector<StoredAssignment> stored;
  std::optional<std::string> records;
  if (!storage_.AssignmentsOf(request.UserName(), stored) ||
      !storage_.Results(request.UserName(), request.Third(), records)) {
    return Refused({}, "storage: " + storage_.LastError());
  }
  // The course reads the positions of a lesson in this learner's file: only those it has.
  const int recordCount = records ? static_cast<int>(records->size() / kResultRecordSize) : 0;
  ClassroomLessons lessons;
  std::map<long long, int> idOf;
  for (const StoredAssignment& assignment : stored) {
    const std::optional<CivilDateTime> from = ParseIsoDate(assignment.FromDate);
    std::optional<CivilDateTime> to = ParseIsoDate(assignment.ToDate);
    if (!from || !to) continue;
    auto known = idOf.find(assignment.LessonId);
    if (known == idOf.end()) {
      if (lessons.Lessons.size() >= kMaxClassroomRecords) continue;
      ServerLesson lesson;
      lesson.Name = assignment.LessonName;
      for (int position : assignment.Positions) {
        if (position >= 1 && position <= recordCount) lesson.Positions.push_back(position);
      }
      lessons.Lessons.push_back(std::move(lesson));
      known = idOf.emplace(assignment.LessonId, static_cast<int>(lessons.Lessons.size())).first;
    }
    if (lessons.Assignments.size() >= kMaxClassroomRecords) continue;
    // The last day counts whole.
    to->hour = 23;
    to->minute = 59;
    to->second = 59;
    to->millisecond = 999;
    lessons.Assignments.push_back(
        {known->second, EncodeDateTime(*from), assignment.AtOnce, EncodeDateTime(*to)});
  }
  return Served(LessonsReplyBytes(lessons));
}

ServerAnswer ClassroomService::ChangePassword(const ServerRequest& request) {
  // No access to the course is no reason to keep an old password.
  const Check check = CheckLearner(request.UserName(), request.Password(), nullptr);
  if (check == Check::Failed) return Refused(kFalse, "storage: " + storage_.LastError());
  if (check == Check::Wrong) return Refused(kFalse, "password change: wrong name or password");
  if (request.Third().empty()) return Refused(kFalse, "password change to an empty password");
  if (storage_.SetPasswordHash(request.UserName(), hasher_.Hash(request.Third())) !=
      StorageChange::Done) {
    return Refused(kFalse, "storage: " + storage_.LastError());
  }
  return Served(kTrue);
}

ServerAnswer ClassroomService::SendRecord(const ServerRequest& request) {
  switch (CheckLearner(request.UserName(), request.Password(), nullptr)) {
    case Check::Accepted: break;
    case Check::Failed: return Refused(kFalse, "storage: " + storage_.LastError());
    default: return Refused(kFalse, "result refused: wrong name, password or no access");
  }
  std::string why;
  const std::optional<ReportedResult> result = ParseReportedResult(request, &why);
  if (!result) return Refused(kFalse, "result refused: " + why);
  const double now = now_();
  const StorageChange change =
      storage_.EditResults(request.UserName(), request.Third(), [&](std::string& records) {
        return ApplyReportedResult(records, *result, now, &why);
      });
  switch (change) {
    case StorageChange::Done: return Served(kTrue);
    case StorageChange::NotFound: return Refused(kFalse, "result refused: no results file");
    case StorageChange::Unchanged: return Refused(kFalse, "result refused: " + why);
    default: return Refused(kFalse, "storage: " + storage_.LastError());
  }
}

}  // namespace tess
