// The results page over HTTP, through "serve --http" on the loopback: only a teacher's name
// and password open it, a wrong one is answered late, only GET is taken; and the teacher's
// password command.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <sstream>

#include "FakeClassroomStorage.h"
#include "classroomserver/AdminCommands.h"
#include "classroomserver/SqlClassroomStorage.h"
#include "results/ResultsStore.h"
#include "shared/DateTime.h"

namespace tess {
namespace {

struct Reply {
  int Status = 0;
  QByteArray Body;
  QByteArray ContentType;
  QByteArray Authenticate;
  QByteArray Allow;
  qint64 Ms = 0;
};

Reply Fetch(quint16 port, const QString& pathAndQuery, const QByteArray& credentials,
            const QByteArray& verb = "GET") {
  QNetworkAccessManager network;
  network.setProxy(QNetworkProxy::NoProxy);
  QNetworkRequest request(
      QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pathAndQuery)));
  if (!credentials.isEmpty())
    request.setRawHeader("Authorization", "Basic " + credentials.toBase64());
  QElapsedTimer clock;
  clock.start();
  QNetworkReply* reply =
      verb == "GET" ? network.get(request) : network.sendCustomRequest(request, verb);
  QEventLoop wait;
  QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
  QTimer::singleShot(15000, &wait, &QEventLoop::quit);
  wait.exec();
  Reply result;
  result.Ms = clock.elapsed();
  result.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  result.Body = reply->readAll();
  result.ContentType = reply->rawHeader("Content-Type");
  result.Authenticate = reply->rawHeader("WWW-Authenticate");
  result.Allow = reply->rawHeader("Allow");
  delete reply;
  return result;
}

std::string OneResult() {
  ResultRecord record;
  record.Name = "tek_3";
  record.Title = "Na targu = At the market = Auf dem Markt = ";
  record.Kind = 41;
  record.Item = 1;
  record.Level = 1;
  record.LastDate = EncodeDateTime({2026, 5, 4, 12});
  record.Score = 85;
  record.Attempts = 2;
  record.Finished = 1;
  record.Group = "zakupy";
  const ResultRecordBytes bytes = SerialiseResultRecord(record);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(ResultsWebServerTest, ServeWithHttpOpensThePageToTeachersOnly) {
  QTemporaryDir dir;
  const std::string database = dir.filePath(QStringLiteral("classroom.sqlite")).toStdString();
  std::ostringstream out;
  std::ostringstream err;
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", database});
    return RunClassroomServerProgram(args, out, err);
  };
  ASSERT_EQ(run({"learner", "add", "Józef", "hasło"}), kExitOk) << err.str();
  // Basic authentication ends the name at the first colon; the password may hold more.
  ASSERT_EQ(run({"teacher", "password", "nauczyciel", "tajne:hasło"}), kExitOk) << err.str();
  {
    std::string error;
    auto storage = SqlClassroomStorage::Open({StorageLocation::Kind::Sqlite, database}, &error);
    ASSERT_TRUE(storage) << error;
    ASSERT_EQ(storage->PutResults("J\xF3zef", "tsa2", OneResult()), StorageChange::Done);
  }

  const QByteArray teacher = "nauczyciel:tajne:hasło";
  std::map<std::string, Reply> replies;
  std::string started;
  QTimer::singleShot(0, [&] {
    started = err.str();
    const QRegularExpressionMatch port =
        QRegularExpression(QStringLiteral("results page on http port (\\d+)"))
            .match(QString::fromStdString(started));
    if (port.hasMatch()) {
      const auto http = static_cast<quint16>(port.captured(1).toUInt());
      replies["no password"] = Fetch(http, QStringLiteral("/"), {});
      replies["wrong password"] = Fetch(http, QStringLiteral("/"), "nauczyciel:tajne");
      replies["unknown teacher"] = Fetch(http, QStringLiteral("/"), "dyrektor:tajne:hasło");
      replies["class"] = Fetch(http, QStringLiteral("/"), teacher);
      replies["learner"] = Fetch(http, QStringLiteral("/?learner=J%C3%B3zef"), teacher);
      replies["no such learner"] = Fetch(http, QStringLiteral("/?learner=Nikt"), teacher);
      replies["other path"] = Fetch(http, QStringLiteral("/admin"), teacher);
      replies["other path, no password"] = Fetch(http, QStringLiteral("/admin"), {});
      replies["post"] = Fetch(http, QStringLiteral("/"), teacher, "POST");
    }
    QCoreApplication::quit();
  });
  EXPECT_EQ(run({"serve", "--port", "0", "--http", "0"}), kExitOk) << err.str();
  ASSERT_EQ(replies.size(), 9u) << started;

  for (const char* refused :
       {"no password", "wrong password", "unknown teacher", "other path, no password"}) {
    SCOPED_TRACE(refused);
    const Reply& reply = replies[refused];
    EXPECT_EQ(reply.Status, 401);
    EXPECT_TRUE(reply.Authenticate.startsWith("Basic realm=")) << reply.Authenticate.constData();
    EXPECT_FALSE(reply.Body.contains("Józef"));
  }
  // A wrong guess waits; a request without any is the browser's first knock and does not.
  EXPECT_GE(replies["wrong password"].Ms, 900);
  EXPECT_GE(replies["unknown teacher"].Ms, 900);
  EXPECT_LT(replies["no password"].Ms, 900);

  const Reply& page = replies["class"];
  EXPECT_EQ(page.Status, 200);
  EXPECT_EQ(page.ContentType, "text/html; charset=utf-8");
  EXPECT_TRUE(page.Body.contains("<title>Wyniki klasy</title>"));
  EXPECT_TRUE(page.Body.contains(">Józef</a>"));
  EXPECT_TRUE(page.Body.contains("id=\"mean\">85%<"));
  EXPECT_TRUE(page.Body.contains("<svg"));

  EXPECT_EQ(replies["learner"].Status, 200);
  EXPECT_TRUE(replies["learner"].Body.contains("<title>Wyniki ucznia: Józef</title>"));
  EXPECT_TRUE(replies["learner"].Body.contains("<td>Na targu</td>"));
  EXPECT_EQ(replies["no such learner"].Status, 404);
  EXPECT_TRUE(replies["no such learner"].Body.contains("Nie ma ucznia „Nikt”."));
  EXPECT_EQ(replies["other path"].Status, 404);
  EXPECT_EQ(replies["post"].Status, 405);
  EXPECT_EQ(replies["post"].Allow, "GET");
}

TEST(ResultsWebServerTest, TeacherPasswordCommand) {
  FakeClassroomStorage storage;
  FakeHasher hasher;
  std::ostringstream out;
  std::ostringstream err;
  const auto run = [&](const std::vector<std::string>& args) {
    return RunAdminCommand(args, storage, hasher, out, err);
  };
  const struct {
    const char* name;
    std::vector<std::string> args;
    int exit;
  } refused[] = {
      {"a colon in the name", {"teacher", "password", "pani:X", "tajne"}, kExitFailed},
      {"a line break in the name", {"teacher", "password", "pani\nX", "tajne"}, kExitFailed},
      {"an empty password", {"teacher", "password", "pani", ""}, kExitFailed},
      {"no password", {"teacher", "password", "pani"}, kExitUsage},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(run(c.args), c.exit);
  }
  std::vector<std::string> names;
  ASSERT_TRUE(storage.TeacherNames(names));
  EXPECT_TRUE(names.empty());

  EXPECT_EQ(run({"teacher", "password", "Pani Żaneta", "pierwsze"}), kExitOk) << err.str();
  EXPECT_EQ(run({"teacher", "password", "Pani Żaneta", "drugie"}), kExitOk) << err.str();
  std::optional<std::string> hash;
  ASSERT_TRUE(storage.TeacherPasswordHash("Pani Żaneta", hash));
  EXPECT_EQ(hash, "hash:drugie");  // kept as typed (UTF-8), the second replacing the first
  ASSERT_TRUE(storage.TeacherNames(names));
  EXPECT_EQ(names.size(), 1u);
}

}  // namespace
}  // namespace tess
