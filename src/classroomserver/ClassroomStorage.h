#pragma once
// What a classroom server keeps: learners (hashed passwords, access, whole material), one
// results file per learner and settings tag, lessons (a name and record positions) and their
// assignments with dates. Texts are cp1250, as they travel; a storage converts them as it
// needs.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct LearnerAccount {
  std::string Name;
  std::string PasswordHash;    ///< as the password hasher made it; never the password
  bool Access = true;          ///< false: "LOG:" answers "2"
  bool WholeMaterial = false;  ///< byte 115 of the user block
};

/// One lesson handed to one learner, with the lesson's content.
struct StoredAssignment {
  long long LessonId = 0;  ///< tells lessons apart; the order of the lessons sent
  std::string LessonName;
  std::vector<int> Positions;
  std::string FromDate;  ///< "yyyy-mm-dd", first day
  std::string ToDate;    ///< "yyyy-mm-dd", last day
  bool AtOnce = false;
};

struct StoredResults {
  std::string Learner;
  std::string Tag;
  std::string Records;  ///< the results file, 204-byte records back to back
};

enum class StorageChange {
  Done,
  NotFound,  ///< the learner (or lesson, or results file) is not there
  Exists,    ///< a learner or lesson of that name is there already
  Unchanged, ///< the edit declined to change anything
  Failed,    ///< the storage failed; see LastError()
};

class ClassroomStorage {
 public:
  virtual ~ClassroomStorage() = default;

  /// False when the storage failed; `learner` empty when there is no such learner. Names
  /// match exactly.
  virtual bool FindLearner(std::string_view name, std::optional<LearnerAccount>& learner) = 0;
  virtual bool Learners(std::vector<LearnerAccount>& learners) = 0;
  virtual StorageChange AddLearner(const LearnerAccount& learner) = 0;
  virtual StorageChange SetPasswordHash(std::string_view name, std::string_view hash) = 0;

  /// `records` empty when the learner has no results file for the tag.
  virtual bool Results(std::string_view learner, std::string_view tag,
                       std::optional<std::string>& records) = 0;
  /// Creates or replaces the results file; NotFound for an unknown learner.
  virtual StorageChange PutResults(std::string_view learner, std::string_view tag,
                                   std::string_view records) = 0;
  /// Reads, edits and writes back one results file as one change, so two edits never lose
  /// each other. NotFound when there is no file; Unchanged when `edit` returns false.
  virtual StorageChange EditResults(std::string_view learner, std::string_view tag,
                                    const std::function<bool(std::string& records)>& edit) = 0;
  /// Every results file, or those of one learner; by learner, then tag.
  virtual bool AllResults(const std::optional<std::string>& learner,
                          std::vector<StoredResults>& results) = 0;

  virtual StorageChange AddLesson(std::string_view name, const std::vector<int>& positions) = 0;
  /// NotFound when the lesson or the learner is missing.
  virtual StorageChange AssignLesson(std::string_view lesson, std::string_view learner,
                                     std::string_view fromDate, std::string_view toDate,
                                     bool atOnce) = 0;
  /// The learner's assignments in the order they were made.
  virtual bool AssignmentsOf(std::string_view learner,
                             std::vector<StoredAssignment>& assignments) = 0;

  /// Teachers who may read the results page over HTTP. Their names and passwords never
  /// travel to the course, so they are kept as typed (UTF-8). `hash` empty when there is no
  /// such teacher. A storage that keeps no teachers knows none and refuses to add one.
  virtual bool TeacherPasswordHash(std::string_view /*name*/, std::optional<std::string>& hash) {
    hash.reset();
    return true;
  }
  /// Adds the teacher, or replaces the teacher's password hash.
  virtual StorageChange SetTeacherPasswordHash(std::string_view /*name*/,
                                               std::string_view /*hash*/) {
    return StorageChange::Failed;
  }
  virtual bool TeacherNames(std::vector<std::string>& names) {
    names.clear();
    return true;
  }

  /// Why the last call failed.
  virtual const std::string& LastError() const = 0;
};

/// Makes and checks password hashes; the stored form carries everything a check needs.
class PasswordHasher {
 public:
  virtual ~PasswordHasher() = default;
  virtual std::string Hash(std::string_view password) = 0;
  virtual bool Verify(std::string_view password, std::string_view stored) = 0;
};

}  // namespace tess
