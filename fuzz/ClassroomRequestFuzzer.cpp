// What a classroom client may send the server: request lines and the record text of a sent
// result, then the answers to whatever was accepted over an in-memory storage, with the
// bytes after the first line as an upload. Nothing may crash, and replies keep their shapes.
#include <map>

#include "FuzzSupport.h"
#include "classroom/ServerProtocol.h"
#include "classroomserver/ClassroomService.h"
#include "classroomserver/ServerResults.h"
#include "results/ResultsStore.h"

namespace {

using namespace tess;

// One learner "a" with password "b" and a results file for tag "c" of three records.
class OneLearner : public ClassroomStorage {
 public:
  OneLearner() {
    for (int position = 1; position <= 3; ++position) {
      ResultRecord record;
      record.Name = position < 3 ? "tek_1" : "rpg_1";
      record.Kind = position < 3 ? 40 : 54;
      record.Item = position < 3 ? static_cast<std::uint8_t>(position) : 0;
      const ResultRecordBytes bytes = SerialiseResultRecord(record);
      files_["c"].append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
  }
  bool FindLearner(std::string_view name, std::optional<LearnerAccount>& learner) override {
    learner.reset();
    if (name == "a") learner = LearnerAccount{"a", hash_, true, false};
    return true;
  }
  bool Learners(std::vector<LearnerAccount>&) override { return true; }
  StorageChange AddLearner(const LearnerAccount&) override { return StorageChange::Exists; }
  StorageChange SetPasswordHash(std::string_view, std::string_view hash) override {
    hash_ = hash;
    return StorageChange::Done;
  }
  bool Results(std::string_view, std::string_view tag, std::optional<std::string>& records) override {
    records.reset();
    const auto it = files_.find(std::string(tag));
    if (it != files_.end()) records = it->second;
    return true;
  }
  StorageChange PutResults(std::string_view, std::string_view tag, std::string_view records) override {
    files_[std::string(tag)] = std::string(records);
    return StorageChange::Done;
  }
  StorageChange EditResults(std::string_view, std::string_view tag,
                            const std::function<bool(std::string&)>& edit) override {
    const auto it = files_.find(std::string(tag));
    if (it == files_.end()) return StorageChange::NotFound;
    const std::size_t size = it->second.size();
    if (!edit(it->second)) return StorageChange::Unchanged;
    TESS_FUZZ_CHECK(it->second.size() == size);
    return StorageChange::Done;
  }
  bool AllResults(const std::optional<std::string>&, std::vector<StoredResults>&) override {
    return true;
  }
  StorageChange AddLesson(std::string_view, const std::vector<int>&) override {
    return StorageChange::Done;
  }
  StorageChange AssignLesson(std::string_view, std::string_view, std::string_view,
                             std::string_view, bool) override {
    return StorageChange::Done;
  }
  bool AssignmentsOf(std::string_view, std::vector<StoredAssignment>& assignments) override {
    assignments = {{1, "L", {1, 2, 3, 4, 0, -1}, "2026-01-01", "2026-01-31", true}};
    return true;
  }
  const std::string& LastError() const override { return error_; }

 private:
  std::string hash_ = "b";
  std::map<std::string, std::string> files_;
  std::string error_;
};

class PlainHasher : public PasswordHasher {
 public:
  std::string Hash(std::string_view password) override { return std::string(password); }
  bool Verify(std::string_view password, std::string_view stored) override {
    return password == stored;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::AsText(data, size);
  const std::size_t lf = input.find('\n');
  std::string_view line = input.substr(0, lf);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view upload = lf == std::string_view::npos ? "" : input.substr(lf + 1);

  const ParsedRequest parsed = ParseRequestLine(line);
  TESS_FUZZ_CHECK(parsed.Request.has_value() == parsed.Error.empty());
  if (!parsed.Request) return 0;
  TESS_FUZZ_CHECK(parsed.Request->Fields.size() >= 3);
  ParseReportedResult(*parsed.Request);

  OneLearner storage;
  PlainHasher hasher;
  ClassroomService service(storage, hasher, [] { return 46000.5; });
  const ServerAnswer answer = service.Answer(*parsed.Request, upload);
  switch (parsed.Request->Command) {
    case RequestCommand::UserInfo:
      TESS_FUZZ_CHECK(answer.Reply.empty() || answer.Reply.size() == kUserInfoSize);
      break;
    case RequestCommand::DownloadResults:
      TESS_FUZZ_CHECK(answer.Reply.size() % kResultRecordSize == 0);
      break;
    case RequestCommand::Lessons:
      if (!answer.Reply.empty()) {
        LessonsReader reader;
        reader.Feed(answer.Reply);
        TESS_FUZZ_CHECK(reader.Complete());
        for (const ServerLesson& lesson : reader.Lessons().Lessons) {
          for (int position : lesson.Positions) TESS_FUZZ_CHECK(position >= 1 && position <= 3);
        }
      }
      break;
    case RequestCommand::ChangePassword:
    case RequestCommand::SendRecord:
      TESS_FUZZ_CHECK(answer.Reply == "TRUE\r\n" || answer.Reply == "FALSE\r\n");
      break;
    default:
      break;
  }
  return 0;
}
