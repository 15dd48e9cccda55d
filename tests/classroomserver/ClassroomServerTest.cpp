// The server on the loopback, driven by the course's own client: login right and wrong,
// password change, results up and down, lessons with dates, a result sent and seen in the
// teacher's export; two clients at once, and malformed, oversized and unfinished requests
// refused and logged while the server goes on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>
#include <sstream>

#include "classroom/ClassroomClient.h"
#include "classroom/QtServerLink.h"
#include "classroom/ResultQueue.h"
#include "classroomserver/AdminCommands.h"
#include "classroomserver/ClassroomServer.h"
#include "classroomserver/Pbkdf2PasswordHasher.h"
#include "classroomserver/SqlClassroomStorage.h"
#include "results/ResultsStore.h"
#include "shared/DateTime.h"
#include "shared/TextFile.h"

namespace tess {
namespace {

constexpr int kFastHash = 1000;

// Runs the event loop (the server lives on this thread) until `done` or `ms` pass.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

std::string Results(int count) {
  std::string bytes;
  for (int position = 1; position <= count; ++position) {
    ResultRecord record;
    record.Name = position <= 2 ? "tek_1" : "rpg_" + std::to_string(position);
    record.Title = "Pierwszy tekst = First text = Erster Text = ";
    record.Kind = position <= 2 ? 40 : 54;
    record.Item = position <= 2 ? static_cast<std::uint8_t>(position) : 0;
    record.Level = 1;
    record.LastDate = EncodeDateTime({2026, 1, 1});
    record.Group = "start";
    const ResultRecordBytes serialised = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(serialised.data()), serialised.size());
  }
  return bytes;
}

class ClassroomServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database = dir.filePath("classroom.sqlite").toStdString();
    admin = Storage();
    ASSERT_TRUE(admin);
    ASSERT_EQ(Admin({"learner", "add", "Józef", "hasło"}), 0) << err.str();
    ASSERT_EQ(Admin({"learner", "add", "Bez", "dostępu", "--no-access"}), 0) << err.str();
    ClassroomServerOptions options;
    options.LineTimeoutMs = 400;
    options.Log = [this](const std::string& line) { log += line + "\n"; };
    server = std::make_unique<ClassroomServer>(
        [this](std::string* error) -> std::unique_ptr<ClassroomStorage> {
          return SqlClassroomStorage::Open({StorageLocation::Kind::Sqlite, database}, error);
        },
        [] { return std::make_unique<Pbkdf2PasswordHasher>(kFastHash); }, options);
    std::string error;
    ASSERT_TRUE(server->Start(QHostAddress::LocalHost, 0, &error)) << error;
    link = std::make_unique<QtServerLink>("127.0.0.1", server->Port(), 2000, 3000);
  }

  std::unique_ptr<SqlClassroomStorage> Storage() {
    std::string error;
    auto storage = SqlClassroomStorage::Open({StorageLocation::Kind::Sqlite, database}, &error);
    EXPECT_TRUE(storage) << error;
    return storage;
  }

  // A teacher's command on its own connection to the database, as the program runs it.
  int Admin(std::vector<std::string> args) {
    out.str({});
    err.str({});
    return RunAdminCommand(args, *admin, hasher, out, err);
  }

  ClassroomClient Client(std::string user, std::string password) {
    return ClassroomClient(*link, {std::move(user), std::move(password), "tsa2_2003"});
  }

  // A raw connection that sends `bytes` and is left open.
  std::unique_ptr<QTcpSocket> Raw(const QByteArray& bytes) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, server->Port());
    EXPECT_TRUE(WaitUntil([&] { return socket->state() == QAbstractSocket::ConnectedState; }));
    socket->write(bytes);
    return socket;
  }

  static bool Closed(QTcpSocket& socket) {
    return socket.state() == QAbstractSocket::UnconnectedState;
  }

  QTemporaryDir dir;
  std::string database;
  std::unique_ptr<SqlClassroomStorage> admin;
  Pbkdf2PasswordHasher hasher{kFastHash};
  std::ostringstream out;
  std::ostringstream err;
  std::string log;
  std::unique_ptr<ClassroomServer> server;
  std::unique_ptr<QtServerLink> link;
};

TEST_F(ClassroomServerTest, ASessionOfTheCourse) {
  // Names and passwords travel in cp1250.
  ClassroomClient jozef = Client("J\xF3zef", "has\xB3o");

  EXPECT_EQ(Client("J\xF3zef", "zle").Login().Reply.Verdict, LoginVerdict::WrongNameOrPassword);
  EXPECT_EQ(Client("Bez", "dost\xEApu").Login().Reply.Verdict, LoginVerdict::NoAccess);
  EXPECT_NE(log.find("refused: wrong name or password"), std::string::npos) << log;
  LoginOutcome login = jozef.Login();
  ASSERT_TRUE(login.Request.Ok) << login.Request.Message;
  EXPECT_FALSE(login.Reply.ServerHasResults);

  // First login: the course uploads its fresh results; the next one downloads them.
  const std::string file = dir.filePath("results").toStdString();
  const std::string fresh = Results(4);
  {
    QFile out(QString::fromStdString(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(fresh.data(), static_cast<qint64>(fresh.size()));
  }
  ASSERT_TRUE(jozef.UploadResults(file).Ok);
  ASSERT_TRUE(WaitUntil([&] {
    std::optional<std::string> stored;
    return admin->Results("J\xF3zef", "tsa2_2003", stored) && stored == fresh;
  }));
  login = jozef.Login();
  ASSERT_TRUE(login.Request.Ok);
  EXPECT_TRUE(login.Reply.ServerHasResults);
  QFile::remove(QString::fromStdString(file));
  ASSERT_TRUE(jozef.DownloadResults(file).Ok);
  const FileBytes downloaded = ReadFileBytes(file);
  EXPECT_EQ(downloaded.Bytes, fresh);

  std::string userInfo;
  ASSERT_TRUE(jozef.GetUserInfo(userInfo).Ok);
  EXPECT_FALSE(WholeMaterialOf(userInfo));

  // A lesson the teacher assigned, with its dates.
  ASSERT_EQ(Admin({"lesson", "add", "Początek", "1", "3"}), 0) << err.str();
  ASSERT_EQ(Admin({"lesson", "assign", "Początek", "Józef", "--from", "2026-09-01", "--to",
                   "2026-09-30"}),
            0)
      << err.str();
  ClassroomLessons lessons;
  ASSERT_TRUE(jozef.GetLessons(lessons).Ok);
  ASSERT_EQ(lessons.Lessons.size(), 1u);
  EXPECT_EQ(lessons.Lessons[0].Name, "Pocz\xB9tek");
  EXPECT_EQ(lessons.Lessons[0].Positions, (std::vector<int>{1, 3}));
  ASSERT_EQ(lessons.Assignments.size(), 1u);
  EXPECT_EQ(lessons.Assignments[0].ID, 1);
  EXPECT_DOUBLE_EQ(lessons.Assignments[0].OD, EncodeDateTime({2026, 9, 1}));
  EXPECT_FALSE(lessons.Assignments[0].OdRazu);

  // A result as the course sends it after an attempt, then seen in the export.
  ResultRecord done = DeserialiseResultRecord(reinterpret_cast<const std::uint8_t*>(fresh.data()) +
                                              kResultRecordSize);
  done.Score = 93;
  done.Attempts = 1;
  done.Finished = 1;
  done.LastDate = EncodeDateTime({2026, 9, 2, 10});
  ASSERT_TRUE(jozef.SendResultRecord(done).Ok);
  ASSERT_EQ(Admin({"results", "export", "Józef"}), 0) << err.str();
  EXPECT_NE(out.str().find("Józef,tsa2_2003,tek_1,Pierwszy tekst = First text = Erster Text = ,"
                           "40,2,1,2026-09-02,93,1,1,start\n"),
            std::string::npos)
      << out.str();

  // A password change, then the old one no longer works.
  EXPECT_TRUE(jozef.ChangePassword("J\xF3zef", "has\xB3o", "nowe").Ok);
  EXPECT_FALSE(jozef.Login().Request.Ok);
  EXPECT_TRUE(Client("J\xF3zef", "nowe").Login().Request.Ok);
  EXPECT_FALSE(jozef.ChangePassword("J\xF3zef ", "nowe", "x").Ok);
}

TEST_F(ClassroomServerTest, AResultMadeWhileTheServerIsDownArrivesAfterItsReturn) {
  ClassroomClient jozef = Client("J\xF3zef", "has\xB3o");
  ASSERT_TRUE(jozef.Login().Request.Ok);
  const std::string file = dir.filePath("results").toStdString();
  ASSERT_TRUE(WriteFileAtomically(file, Results(2)));
  ASSERT_TRUE(jozef.UploadResults(file).Ok);
  ASSERT_TRUE(WaitUntil([&] {
    std::optional<std::string> stored;
    return admin->Results("J\xF3zef", "tsa2_2003", stored) && stored && !stored->empty();
  }));

  ResultRecord done = DeserialiseResultRecord(
      reinterpret_cast<const std::uint8_t*>(Results(2).data()) + kResultRecordSize);
  done.Score = 71;
  done.Attempts = 1;
  done.Finished = 1;
  const std::string queueFile = ResultQueuePath(dir.path().toStdString() + "/", "J\xF3zef");
  const quint16 port = server->Port();
  server.reset();  // the school's server goes down mid-session
  // Its connections were handed to deleteLater; they go now, not after the last event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(ResultQueue(queueFile).SendOrKeep(jozef, done).Ok);
  EXPECT_EQ(ResultQueue(queueFile).Pending().size(), 1u);

  ClassroomServerOptions options;
  server = std::make_unique<ClassroomServer>(
      [this](std::string* error) -> std::unique_ptr<ClassroomStorage> {
        return SqlClassroomStorage::Open({StorageLocation::Kind::Sqlite, database}, error);
      },
      [] { return std::make_unique<Pbkdf2PasswordHasher>(kFastHash); }, options);
  std::string error;
  ASSERT_TRUE(server->Start(QHostAddress::LocalHost, port, &error)) << error;
  // The next request of the session takes the waiting result along first.
  ASSERT_TRUE(ResultQueue(queueFile).Flush(jozef).Ok);
  EXPECT_TRUE(ResultQueue(queueFile).Empty());
  ASSERT_EQ(Admin({"results", "export", "Józef"}), 0) << err.str();
  EXPECT_NE(out.str().find(",40,2,1,"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find(",71,1,1,start"), std::string::npos) << out.str();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ClassroomServerTest, TwoClientsAtOnce) {
  // One client sends half its line and waits; another is served meanwhile.
  std::unique_ptr<QTcpSocket> slow = Raw("LOG:J\xF3zef#has");
  ASSERT_TRUE(WaitUntil([&] { return server->OpenConnections() == 1; }));
  EXPECT_TRUE(Client("J\xF3zef", "has\xB3o").Login().Request.Ok);
  slow->write("\xB3o#tsa2_2003#\r\n");
  ASSERT_TRUE(WaitUntil([&] { return slow->canReadLine() || Closed(*slow); }));
  EXPECT_EQ(slow->readLine(), "1#0#\r\n");
  EXPECT_TRUE(WaitUntil([&] { return server->OpenConnections() == 0; }));
}

TEST_F(ClassroomServerTest, BadRequestsAreRefusedAndLogged) {
  struct Row {
    const char* name;
    QByteArray bytes;
    const char* logged;
  };
  const Row rows[] = {
      {"unknown command", "HELLO#\r\n", "malformed request: unknown command"},
      {"fields missing", "LOG:J\xF3zef#\r\n", "fields missing"},
      {"line without end, too long", QByteArray(70 * 1024, 'a'), "longer than 65536"},
      {"never finished", "LOG:J\xF3zef#", "no whole request line within 400 ms"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    log.clear();
    std::unique_ptr<QTcpSocket> socket = Raw(row.bytes);
    ASSERT_TRUE(WaitUntil([&] { return Closed(*socket); }));
    EXPECT_EQ(socket->readAll(), "");
    EXPECT_NE(log.find(row.logged), std::string::npos) << log;
    EXPECT_NE(log.find("127.0.0.1:"), std::string::npos) << log;  // who sent it
  }
  // An upload past its limit is cut off at once.
  log.clear();
  std::unique_ptr<QTcpSocket> upload = Raw("PCW:J\xF3zef#has\xB3o#tsa2_2003#\r\n");
  const QByteArray chunk(1024 * 1024, 'x');
  for (int i = 0; i < 70 && !Closed(*upload); ++i) {
    upload->write(chunk);
    WaitUntil([&] { return upload->bytesToWrite() < 4 * chunk.size() || Closed(*upload); });
  }
  ASSERT_TRUE(WaitUntil([&] { return Closed(*upload); }, 10000));
  EXPECT_NE(log.find("upload larger than"), std::string::npos) << log;
  std::optional<std::string> stored;
  ASSERT_TRUE(admin->Results("J\xF3zef", "tsa2_2003", stored));
  EXPECT_FALSE(stored);
  // And the server goes on.
  EXPECT_TRUE(Client("J\xF3zef", "has\xB3o").Login().Request.Ok);
  EXPECT_TRUE(WaitUntil([&] { return server->OpenConnections() == 0; }));
}

}  // namespace
}  // namespace tess
