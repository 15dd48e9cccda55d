#pragma once
// The classroom server's storage through Qt SQL: a SQLite file by default, or a PostgreSQL
// database named by a connection string, with the same tables and statements. Names are kept
// as UTF-8 text, results files as blobs. One object is one connection and belongs to the
// thread that opened it.
#include <QString>
#include <memory>
#include <string>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

struct StorageLocation {
  enum class Kind { Sqlite, Postgres };
  Kind What = Kind::Sqlite;
  /// Sqlite: the file's path. Postgres: "key=value" pairs as libpq takes them (host, port,
  /// dbname, user, password; other keys are passed on as they are).
  std::string Target = "classroom.sqlite";
};

class SqlClassroomStorage : public ClassroomStorage {
 public:
  /// Connects and creates the tables that are missing; nothing, with `error`, on failure.
  static std::unique_ptr<SqlClassroomStorage> Open(const StorageLocation& where,
                                                   std::string* error);
  ~SqlClassroomStorage() override;
  SqlClassroomStorage(const SqlClassroomStorage&) = delete;
  SqlClassroomStorage& operator=(const SqlClassroomStorage&) = delete;

  bool FindLearner(std::string_view name, std::optional<LearnerAccount>& learner) override;
  bool Learners(std::vector<LearnerAccount>& learners) override;
  StorageChange AddLearner(const LearnerAccount& learner) override;
  StorageChange SetPasswordHash(std::string_view name, std::string_view hash) override;
  bool Results(std::string_view learner, std::string_view tag,
               std::optional<std::string>& records) override;
  StorageChange PutResults(std::string_view learner, std::string_view tag,
                           std::string_view records) override;
  StorageChange EditResults(std::string_view learner, std::string_view tag,
                            const std::function<bool(std::string& records)>& edit) override;
  bool AllResults(const std::optional<std::string>& learner,
                  std::vector<StoredResults>& results) override;
  StorageChange AddLesson(std::string_view name, const std::vector<int>& positions) override;
  StorageChange AssignLesson(std::string_view lesson, std::string_view learner,
                             std::string_view fromDate, std::string_view toDate,
                             bool atOnce) override;
  bool AssignmentsOf(std::string_view learner,
                     std::vector<StoredAssignment>& assignments) override;
  bool TeacherPasswordHash(std::string_view name, std::optional<std::string>& hash) override;
  StorageChange SetTeacherPasswordHash(std::string_view name, std::string_view hash) override;
  bool TeacherNames(std::vector<std::string>& names) override;
  const std::string& LastError() const override { return lastError_; }

 private:
  SqlClassroomStorage(QString connection, bool postgres);
  bool CreateTables();
  bool Exec(const QString& statement);
  bool LearnerExists(std::string_view name, bool& exists);

  QString connection_;
  bool postgres_;
  std::string lastError_;
};

}  // namespace tess
