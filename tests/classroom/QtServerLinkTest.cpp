// The socket side against real servers on the loopback: each reply shape, a refused connection,
// a name that does not resolve, a server that never answers (the wait ends on its own) and one
// that cuts its reply short.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

#include "classroom/QtServerLink.h"

namespace tess {
namespace {

// Accepts one connection at a time; `answer` sees what arrived so far and may reply or close.
class LoopbackServer {
 public:
  explicit LoopbackServer(std::function<void(QTcpSocket&, const QByteArray&)> answer)
      : answer_(std::move(answer)) {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      auto* received = new QByteArray;
      QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, received] {
        received->append(socket->readAll());
        answer_(*socket, *received);
      });
      QObject::connect(socket, &QTcpSocket::disconnected, [this, socket, received] {
        Received = *received;
        delete received;
        socket->deleteLater();
      });
    });
  }
  int Port() const { return server_.serverPort(); }
  QByteArray Received;

 private:
  QTcpServer server_;
  std::function<void(QTcpSocket&, const QByteArray&)> answer_;
};

ReplyShape Shape(ReplyShape::Kind kind, std::size_t bytes = 0) { return {kind, bytes, {}}; }

const std::string kTimedOut = "Przekroczono czas oczekiwania na serwer";
const std::string kClosed = "Serwer zerwa\xB3 po\xB3\xB9" "czenie";

TEST(QtServerLinkTest, LineExactAndUntilCloseReplies) {
  LoopbackServer lines([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) socket.write("1#0#\r\nignored");
  });
  QtServerLink link("127.0.0.1", lines.Port());
  Exchanged reply = link.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  ASSERT_TRUE(reply.Ok) << reply.Failure;
  EXPECT_EQ(reply.Reply, "1#0#");

  LoopbackServer block([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) {
      socket.write(QByteArray(100, 'a'));
      socket.flush();
      socket.write(QByteArray(200, 'b'));
    }
  });
  QtServerLink blockLink("127.0.0.1", block.Port());
  reply = blockLink.Exchange("GUI:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Exactly, 292));
  ASSERT_TRUE(reply.Ok) << reply.Failure;
  EXPECT_EQ(reply.Reply, std::string(100, 'a') + std::string(192, 'b'));

  LoopbackServer file([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) {
      socket.write(QByteArray(5000, 'r'));
      socket.disconnectFromHost();
    }
  });
  QtServerLink fileLink("127.0.0.1", file.Port());
  std::string all;
  ReplyShape untilClose{ReplyShape::Kind::UntilClose, 0, [&](std::string_view piece) {
                          all.append(piece);
                          return false;
                        }};
  reply = fileLink.Exchange("GCW:a#b#c#\r\n", {}, untilClose);
  ASSERT_TRUE(reply.Ok) << reply.Failure;
  EXPECT_EQ(all, std::string(5000, 'r'));
}

TEST(QtServerLinkTest, BodyFollowsTheLineAndTheCloseEndsIt) {
  LoopbackServer sink([](QTcpSocket&, const QByteArray&) {});
  QtServerLink link("127.0.0.1", sink.Port());
  const std::string body(3000, 'x');
  ASSERT_TRUE(link.Exchange("PCW:a#b#c#\r\n", body, Shape(ReplyShape::Kind::Nothing)).Ok);
  QElapsedTimer waited;
  waited.start();
  while (sink.Received.isEmpty() && waited.elapsed() < 2000) QCoreApplication::processEvents();
  EXPECT_EQ(sink.Received.toStdString(), "PCW:a#b#c#\r\n" + body);
}

TEST(QtServerLinkTest, RefusedAndSilentServersFailInTime) {
  quint16 unused = 0;
  {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    unused = probe.serverPort();
  }
  QtServerLink refused("127.0.0.1", unused, 2000, 2000);
  Exchanged reply = refused.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  EXPECT_FALSE(reply.Ok);
  EXPECT_EQ(reply.Failure, "Serwer odrzuci\xB3 po\xB3\xB9" "czenie");

  LoopbackServer silent([](QTcpSocket&, const QByteArray&) {});
  QtServerLink waiting("127.0.0.1", silent.Port(), 2000, 300);
  QElapsedTimer clock;
  clock.start();
  reply = waiting.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  EXPECT_FALSE(reply.Ok);
  EXPECT_EQ(reply.Failure, kTimedOut);
  EXPECT_LT(clock.elapsed(), 3000);

  // A server that closes at once, before any reply.
  QTcpServer rude;
  rude.listen(QHostAddress::LocalHost);
  QObject::connect(&rude, &QTcpServer::newConnection, [&rude] {
    QTcpSocket* socket = rude.nextPendingConnection();
    socket->disconnectFromHost();
    socket->deleteLater();
  });
  QtServerLink rudeLink("127.0.0.1", rude.serverPort(), 2000, 2000);
  EXPECT_FALSE(rudeLink.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line)).Ok);
  EXPECT_FALSE(
      rudeLink.Exchange("GUI:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Exactly, 292)).Ok);

  // A server that sends forever is stopped, a line without end as a block that never ends.
  LoopbackServer flood([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) {
      QObject::connect(&socket, &QTcpSocket::bytesWritten, &socket,
                       [&socket] { socket.write(QByteArray(65536, 'f')); });
      socket.write(QByteArray(65536, 'f'));
    }
  });
  QtServerLink floodLink("127.0.0.1", flood.Port(), 2000, 2000);
  reply = floodLink.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  EXPECT_FALSE(reply.Ok);
  EXPECT_EQ(reply.Failure, "Odpowied\x9F serwera jest za d\xB3uga");
  std::size_t streamed = 0;
  ReplyShape endless{ReplyShape::Kind::UntilDone, 0, [&](std::string_view piece) {
                       streamed += piece.size();
                       return false;
                     }};
  reply = floodLink.Exchange("GIL:a#b#c#\r\n", {}, endless);
  EXPECT_FALSE(reply.Ok);
  EXPECT_LE(streamed, std::size_t{64} * 1024 * 1024);

  // A line the server closes on without its line end still counts.
  LoopbackServer curt([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) {
      socket.write("TRUE");
      socket.disconnectFromHost();
    }
  });
  QtServerLink curtLink("127.0.0.1", curt.Port());
  reply = curtLink.Exchange("CHP:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  ASSERT_TRUE(reply.Ok) << reply.Failure;
  EXPECT_EQ(reply.Reply, "TRUE");
}

TEST(QtServerLinkTest, NamesAreLookedUpWithoutHanging) {
  LoopbackServer lines([](QTcpSocket& socket, const QByteArray& got) {
    if (got.endsWith("\r\n")) socket.write("1#0#\r\n");
  });
  // "localhost" may also give ::1, where nothing listens; the next address must be tried.
  QtServerLink named("localhost", lines.Port(), 2000, 2000);
  Exchanged reply = named.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  ASSERT_TRUE(reply.Ok) << reply.Failure;
  EXPECT_EQ(reply.Reply, "1#0#");

  QtServerLink nowhere("nieistnieje.invalid", 4000, 1500, 1500);
  QElapsedTimer clock;
  clock.start();
  reply = nowhere.Exchange("LOG:a#b#c#\r\n", {}, Shape(ReplyShape::Kind::Line));
  EXPECT_LT(clock.elapsed(), 2500);
  EXPECT_FALSE(reply.Ok);
  if (reply.Failure == kTimedOut) GTEST_SKIP() << "the name server here does not answer";
  EXPECT_EQ(reply.Failure, "Nie znaleziono serwera nieistnieje.invalid");
}

// The server sends the start of its reply, then closes or resets the connection.
TEST(QtServerLinkTest, RepliesCutShortFail) {
  struct Case {
    const char* name;
    ReplyShape shape;
    bool reset;
  };
  const Case cases[] = {
      {"block closed early", Shape(ReplyShape::Kind::Exactly, 292), false},
      {"block reset", Shape(ReplyShape::Kind::Exactly, 292), true},
      {"line reset", Shape(ReplyShape::Kind::Line), true},
      {"stream reset", {ReplyShape::Kind::UntilClose, 0, [](std::string_view) { return false; }},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer cutting([&c](QTcpSocket& socket, const QByteArray& got) {
      if (!got.endsWith("\r\n")) return;
      socket.write("TR");
      socket.flush();
      if (c.reset) {
        const linger now{1, 0};
        setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &now,
                   sizeof(now));
        socket.abort();
      } else {
        socket.disconnectFromHost();
      }
    });
    QtServerLink link("127.0.0.1", cutting.Port(), 2000, 2000);
    const Exchanged reply = link.Exchange("GUI:a#b#c#\r\n", {}, c.shape);
    EXPECT_FALSE(reply.Ok);
    EXPECT_EQ(reply.Failure, kClosed);
  }
}

}  // namespace
}  // namespace tess
