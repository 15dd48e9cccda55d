// The same storage on PostgreSQL: a private cluster is made in a temporary folder (run as an
// unprivileged user when the tests run as root), the storage is used directly and through the
// server by the course's client, and the cluster is stopped. Skipped where PostgreSQL is not
// installed or will not start.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>

#include "classroom/ClassroomClient.h"
#include "classroom/QtServerLink.h"
#include "classroomserver/AdminCommands.h"
#include "classroomserver/ClassroomServer.h"
#include "classroomserver/Pbkdf2PasswordHasher.h"
#include "classroomserver/SqlClassroomStorage.h"
#include "results/ResultsStore.h"

namespace tess {
namespace {

QString PostgresTool(const QString& name) {
  const QStringList versions =
      QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                            QDir::Name | QDir::Reversed);
  for (const QString& version : versions) {
    const QString path = QStringLiteral("/usr/lib/postgresql/%1/bin/%2").arg(version, name);
    if (QFile::exists(path)) return path;
  }
  return QStandardPaths::findExecutable(name);
}

class PrivateCluster {
 public:
  ~PrivateCluster() {
    if (started_) Run(pgCtl_, {"-D", Data(), "-m", "immediate", "-w", "stop"}, nullptr);
  }

  bool Start(std::string* why) {
    const QString initdb = PostgresTool(QStringLiteral("initdb"));
    pgCtl_ = PostgresTool(QStringLiteral("pg_ctl"));
    if (initdb.isEmpty() || pgCtl_.isEmpty()) return Fail(why, "initdb or pg_ctl not found");
    if (!dir_.isValid()) return Fail(why, "no temporary folder");
    if (::geteuid() == 0) {
      // PostgreSQL refuses to run as root.
      const passwd* nobody = ::getpwnam("nobody");
      if (nobody == nullptr) return Fail(why, "no user nobody to run PostgreSQL as");
      if (::chown(dir_.path().toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
        return Fail(why, "cannot hand the folder to nobody");
      }
      asUser_ = QStringLiteral("nobody");
    }
    port_ = 20000 + static_cast<int>(::getpid() % 20000);
    std::string output;
    if (!Run(initdb, {"-D", Data(), "-A", "trust", "-U", "classroom", "-E", "UTF8", "--no-sync"},
             &output)) {
      return Fail(why, "initdb failed: " + output);
    }
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses= -F")
                                .arg(dir_.path())
                                .arg(port_);
    if (!Run(pgCtl_, {"-D", Data(), "-l", dir_.filePath("log"), "-o", options, "-w", "-t", "30",
                      "start"},
             &output)) {
      return Fail(why, "the server did not start: " + output);
    }
    started_ = true;
    return true;
  }

  std::string ConnectionString() const {
    return QStringLiteral("host=%1 port=%2 dbname=postgres user=classroom")
        .arg(dir_.path())
        .arg(port_)
        .toStdString();
  }

 private:
  QString Data() const { return dir_.filePath(QStringLiteral("data")); }

  bool Run(const QString& program, QStringList args, std::string* output) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(dir_.path());
    if (asUser_.isEmpty()) {
      process.start(program, args);
    } else {
      args.prepend(program);
      args.prepend(QStringLiteral("--"));
      args.prepend(asUser_);
      args.prepend(QStringLiteral("-u"));
      process.start(QStringLiteral("runuser"), args);
    }
    const bool finished = process.waitForFinished(60000);
    if (output) *output = process.readAll().toStdString();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }

  static bool Fail(std::string* why, const std::string& text) {
    *why = text;
    return false;
  }

  QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/tess-pg-XXXXXX")};
  QString pgCtl_;
  QString asUser_;
  int port_ = 0;
  bool started_ = false;
};

TEST(PostgresSmokeTest, StorageAndServerOnAPrivateCluster) {
  PrivateCluster cluster;
  std::string why;
  if (!cluster.Start(&why)) GTEST_SKIP() << "PostgreSQL cannot start here: " << why;
  const StorageLocation where{StorageLocation::Kind::Postgres, cluster.ConnectionString()};

  std::string error;
  std::unique_ptr<SqlClassroomStorage> storage = SqlClassroomStorage::Open(where, &error);
  ASSERT_TRUE(storage) << error;
  Pbkdf2PasswordHasher hasher(1000);
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunAdminCommand({"learner", "add", "Józef", "hasło"}, *storage, hasher, out, err), 0)
      << err.str();
  EXPECT_EQ(RunAdminCommand({"learner", "add", "Józef", "x"}, *storage, hasher, out, err), 1);
  ASSERT_EQ(RunAdminCommand({"lesson", "add", "Początek", "1"}, *storage, hasher, out, err), 0)
      << err.str();
  ASSERT_EQ(RunAdminCommand({"lesson", "assign", "Początek", "Józef", "--from", "2026-09-01",
                             "--to", "2026-09-30", "--at-once"},
                            *storage, hasher, out, err),
            0)
      << err.str();
  ResultRecord record;
  record.Name = "rpg_1";
  record.Title = "Pierwsze = First = Erste = ";
  record.Kind = 54;
  const ResultRecordBytes bytes = SerialiseResultRecord(record);
  const std::string file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  ASSERT_EQ(storage->PutResults("J\xF3zef", "tsa2", file), StorageChange::Done)
      << storage->LastError();

  ClassroomServer server(
      [where](std::string* error) -> std::unique_ptr<ClassroomStorage> {
        return SqlClassroomStorage::Open(where, error);
      },
      [] { return std::make_unique<Pbkdf2PasswordHasher>(1000); });
  ASSERT_TRUE(server.Start(QHostAddress::LocalHost, 0, &error)) << error;
  QtServerLink link("127.0.0.1", server.Port(), 2000, 5000);
  ClassroomClient client(link, {"J\xF3zef", "has\xB3o", "tsa2"});
  const LoginOutcome login = client.Login();
  ASSERT_TRUE(login.Request.Ok) << login.Request.Message;
  EXPECT_TRUE(login.Reply.ServerHasResults);
  ClassroomLessons lessons;
  ASSERT_TRUE(client.GetLessons(lessons).Ok);
  ASSERT_EQ(lessons.Assignments.size(), 1u);
  EXPECT_TRUE(lessons.Assignments[0].OdRazu);
  record.Score = 70;
  record.Attempts = 2;
  record.LastDate = 46000;
  ASSERT_TRUE(client.SendResultRecord(record).Ok);

  out.str({});
  ASSERT_EQ(RunAdminCommand({"results", "export"}, *storage, hasher, out, err), 0) << err.str();
  EXPECT_NE(out.str().find("Józef,tsa2,rpg_1,Pierwsze = First = Erste = ,54,0,0,"), std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find(",70,2,0,"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace tess
