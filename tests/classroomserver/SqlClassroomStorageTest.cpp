// The SQLite storage in a temporary folder, and the teacher's commands over it: learners with
// hashed passwords, results files, lessons and assignments, kept across reopening; the
// commands' messages and exit codes.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "classroomserver/AdminCommands.h"
#include "classroomserver/Pbkdf2PasswordHasher.h"
#include "classroomserver/SqlClassroomStorage.h"

namespace tess {
namespace {

class SqlClassroomStorageTest : public ::testing::Test {
 protected:
  std::unique_ptr<SqlClassroomStorage> Open() {
    std::string error;
    auto storage = SqlClassroomStorage::Open(
        {StorageLocation::Kind::Sqlite, dir.filePath("classroom.sqlite").toStdString()}, &error);
    EXPECT_TRUE(storage) << error;
    return storage;
  }

  int Run(ClassroomStorage& storage, std::vector<std::string> args) {
    out.str({});
    err.str({});
    return RunAdminCommand(args, storage, hasher, out, err);
  }

  QTemporaryDir dir;
  Pbkdf2PasswordHasher hasher{1000};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(SqlClassroomStorageTest, KeepsEverythingAcrossReopening) {
  const std::string polish = "Zdzis\xB3" "aw";  // cp1250, as the course sends it
  {
    auto storage = Open();
    EXPECT_EQ(storage->AddLearner({polish, "h1", true, true}), StorageChange::Done);
    EXPECT_EQ(storage->AddLearner({polish, "h2", false, false}), StorageChange::Exists);
    EXPECT_EQ(storage->AddLearner({"Bez", "h3", false, false}), StorageChange::Done);
    EXPECT_EQ(storage->SetPasswordHash(polish, "h4"), StorageChange::Done);
    EXPECT_EQ(storage->SetPasswordHash("Nikt", "h4"), StorageChange::NotFound);
    const std::string bytes("\0\x01\xFFrecords", 10);
    EXPECT_EQ(storage->PutResults(polish, "tsa2", bytes), StorageChange::Done);
    EXPECT_EQ(storage->PutResults("Nikt", "tsa2", bytes), StorageChange::NotFound);
    EXPECT_EQ(storage->EditResults(polish, "tsa2",
                                   [](std::string& records) {
                                     records += "+";
                                     return true;
                                   }),
              StorageChange::Done);
    EXPECT_EQ(storage->EditResults(polish, "tsa2", [](std::string&) { return false; }),
              StorageChange::Unchanged);
    EXPECT_EQ(storage->EditResults(polish, "other", [](std::string&) { return true; }),
              StorageChange::NotFound);
    EXPECT_EQ(storage->AddLesson("Podr\xF3\xBF" "e", {3, 1, 2}), StorageChange::Done);
    EXPECT_EQ(storage->AddLesson("Podr\xF3\xBF" "e", {1}), StorageChange::Exists);
    EXPECT_EQ(storage->AssignLesson("Podr\xF3\xBF" "e", polish, "2026-01-01", "2026-01-31", true),
              StorageChange::Done);
    EXPECT_EQ(storage->AssignLesson("Brak", polish, "2026-01-01", "2026-01-31", true),
              StorageChange::NotFound);
    EXPECT_EQ(storage->AssignLesson("Podr\xF3\xBF" "e", "Nikt", "2026-01-01", "2026-01-31", true),
              StorageChange::NotFound);
  }
  auto storage = Open();
  std::optional<LearnerAccount> learner;
  ASSERT_TRUE(storage->FindLearner(polish, learner));
  ASSERT_TRUE(learner);
  EXPECT_EQ(learner->Name, polish);
  EXPECT_EQ(learner->PasswordHash, "h4");
  EXPECT_TRUE(learner->Access);
  EXPECT_TRUE(learner->WholeMaterial);
  ASSERT_TRUE(storage->FindLearner("zdzis\xB3" "aw", learner));
  EXPECT_FALSE(learner);

  std::optional<std::string> records;
  ASSERT_TRUE(storage->Results(polish, "tsa2", records));
  EXPECT_EQ(records, std::string("\0\x01\xFFrecords+", 11));
  std::vector<StoredAssignment> assignments;
  ASSERT_TRUE(storage->AssignmentsOf(polish, assignments));
  ASSERT_EQ(assignments.size(), 1u);
  EXPECT_EQ(assignments[0].LessonName, "Podr\xF3\xBF" "e");
  EXPECT_EQ(assignments[0].Positions, (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(assignments[0].FromDate, "2026-01-01");
  EXPECT_EQ(assignments[0].ToDate, "2026-01-31");
  EXPECT_TRUE(assignments[0].AtOnce);
  std::vector<StoredResults> all;
  ASSERT_TRUE(storage->AllResults(std::nullopt, all));
  EXPECT_EQ(all.size(), 1u);
}

TEST_F(SqlClassroomStorageTest, PasswordsAreStoredHashedAndSalted) {
  Pbkdf2PasswordHasher real;
  EXPECT_GE(Pbkdf2PasswordHasher::kIterations, 100000);
  const std::string first = real.Hash("tajne");
  EXPECT_EQ(first.rfind("pbkdf2-sha256$120000$", 0), 0u);
  EXPECT_EQ(first.find("tajne"), std::string::npos);
  EXPECT_NE(real.Hash("tajne"), first);  // a new salt each time
  EXPECT_TRUE(real.Verify("tajne", first));
  EXPECT_TRUE(real.Verify("tajne", first));  // remembered, same answer
  EXPECT_FALSE(real.Verify("Tajne", first));
  EXPECT_FALSE(real.Verify("tajne", "pbkdf2-sha256$99999999$AAAA$AAAA"));
  EXPECT_FALSE(real.Verify("tajne", "plain"));
}

TEST_F(SqlClassroomStorageTest, TeacherCommands) {
  auto storage = Open();
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int exit;
    const char* says;  // in stdout for 0, stderr otherwise
  };
  const Row rows[] = {
      {"add", {"learner", "add", "Józef", "hasło", "--whole-material"}, 0, "learner \"Józef\" added"},
      {"add without access", {"learner", "add", "Bez", "x", "--no-access"}, 0, "added"},
      {"add twice", {"learner", "add", "Józef", "inne"}, 1, "exists already"},
      {"no password", {"learner", "add", "Ala"}, 2, "needs NAME and PASSWORD"},
      {"unknown flag", {"learner", "add", "Ala", "x", "--admin"}, 2, "unknown option --admin"},
      {"not in cp1250", {"learner", "add", "東京", "x"}, 1, "cp1250 lacks them"},
      {"hash in a name", {"learner", "add", "a#b", "x"}, 1, "may not hold '#'"},
      {"list", {"learner", "list"}, 0, "Józef\tyes\tyes\n"},
      {"password", {"learner", "password", "Józef", "nowe"}, 0, "changed"},
      {"password of nobody", {"learner", "password", "Nikt", "nowe"}, 1, "no learner \"Nikt\""},
      {"lesson", {"lesson", "add", "Podróże", "1", "2", "3"}, 0, "3 position(s)"},
      {"lesson position 0", {"lesson", "add", "Zero", "0"}, 1, "not a number from 1 to 1000"},
      {"lesson without positions", {"lesson", "add", "Pusta"}, 2, "at least one position"},
      {"assign", {"lesson", "assign", "Podróże", "Józef", "--from", "2026-01-05", "--to",
                  "2026-01-20", "--at-once"}, 0, "available at once"},
      {"assign bad date", {"lesson", "assign", "Podróże", "Józef", "--from", "2026-02-30",
                           "--to", "2026-03-01"}, 1, "YYYY-MM-DD"},
      {"assign reversed", {"lesson", "assign", "Podróże", "Józef", "--from", "2026-02-02",
                           "--to", "2026-02-01"}, 1, "before --from"},
      {"assign unknown lesson", {"lesson", "assign", "Brak", "Józef", "--from", "2026-02-01",
                                 "--to", "2026-02-01"}, 1, "no lesson \"Brak\""},
      {"assign without --to", {"lesson", "assign", "Podróże", "Józef", "--from",
                               "2026-02-01"}, 2, "needs NAME, LEARNER, --from and --to"},
      {"export of nobody", {"results", "export", "Nikt"}, 1, "no learner"},
      {"unknown", {"learner", "remove", "Józef"}, 2, "unknown command"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Run(*storage, row.args), row.exit) << err.str();
    const std::string said = row.exit == 0 ? out.str() : err.str();
    EXPECT_NE(said.find(row.says), std::string::npos) << said;
  }
  std::optional<LearnerAccount> learner;
  ASSERT_TRUE(storage->FindLearner("J\xF3zef", learner));  // kept as the course sends it
  ASSERT_TRUE(learner);
  EXPECT_TRUE(hasher.Verify("nowe", learner->PasswordHash));
}

}  // namespace
}  // namespace tess
