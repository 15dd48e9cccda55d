#include "classroom/QtServerLink.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <optional>

#include "classroom/ServerProtocol.h"

namespace tess {
namespace {

// Runs the event loop until `done` holds, the socket fails or `timeoutMs` pass without news.
// False when the time ran out.
bool WaitFor(QTcpSocket& socket, int timeoutMs, const std::function<bool()>& done) {
  if (done()) return true;
  QEventLoop loop;
  QTimer silence;
  silence.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    loop.quit();
  });
  const auto news = [&] {
    if (done()) {
      loop.quit();
    } else {
      silence.start(timeoutMs);
    }
  };
  QObject::connect(&socket, &QTcpSocket::connected, &loop, news);
  QObject::connect(&socket, &QTcpSocket::readyRead, &loop, news);
  QObject::connect(&socket, &QTcpSocket::bytesWritten, &loop, news);
  QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
  QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
  silence.start(timeoutMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return !timedOut || done();
}

std::string TimedOutText() { return "Przekroczono czas oczekiwania na serwer"; }
std::string TooLongText() { return "Odpowied\x9F serwera jest za d\xB3uga"; }

// No reply of the protocol comes near these; a server that sends more is stopped.
constexpr std::size_t kMostLineBytes = 64 * 1024;
constexpr std::size_t kMostStreamBytes = 64 * 1024 * 1024;

std::size_t MostBytesOf(const ReplyShape& shape) {
  switch (shape.What) {
    case ReplyShape::Kind::Line:
      return kMostLineBytes;
    case ReplyShape::Kind::Exactly:
      return shape.Bytes;
    default:
      return kMostStreamBytes;
  }
}

}  // namespace

QtServerLink::QtServerLink(std::string host, int port, int connectTimeoutMs, int replyTimeoutMs)
    : host_(std::move(host)),
      port_(port),
      connectTimeoutMs_(connectTimeoutMs),
      replyTimeoutMs_(replyTimeoutMs) {}

Exchanged QtServerLink::Exchange(std::string_view request, std::string_view body,
                                 const ReplyShape& shape) {
  Exchanged result;
  QTcpSocket socket;
  const auto failed = [&](const std::string& why) {
    result.Ok = false;
    result.Failure = why.empty() ? socket.errorString().toStdString() : why;
    socket.abort();
    return result;
  };
  socket.connectToHost(QString::fromStdString(host_), static_cast<quint16>(port_));
  if (!WaitFor(socket, connectTimeoutMs_,
               [&] { return socket.state() == QAbstractSocket::ConnectedState; })) {
    return failed(TimedOutText());
  }
  if (socket.state() != QAbstractSocket::ConnectedState) return failed({});

  std::string out(request);
  out.append(body);
  socket.write(out.data(), static_cast<qint64>(out.size()));
  if (!WaitFor(socket, replyTimeoutMs_, [&] { return socket.bytesToWrite() == 0; })) {
    return failed(TimedOutText());
  }
  if (socket.bytesToWrite() != 0) return failed({});

  std::string received;
  bool whole = false;
  bool tooLong = false;
  std::size_t total = 0;
  const std::size_t most = MostBytesOf(shape);
  const auto takeArrived = [&] {
    if (tooLong) return;
    const QByteArray bytes = socket.readAll();
    if (bytes.isEmpty()) return;
    total += static_cast<std::size_t>(bytes.size());
    if (total > most && shape.What != ReplyShape::Kind::Exactly) {
      tooLong = true;
      return;
    }
    const std::string_view piece(bytes.constData(), static_cast<size_t>(bytes.size()));
    switch (shape.What) {
      case ReplyShape::Kind::Line: {
        received.append(piece);
        whole = received.find('\n') != std::string::npos;
        break;
      }
      case ReplyShape::Kind::Exactly:
        received.append(piece);
        whole = received.size() >= shape.Bytes;
        break;
      case ReplyShape::Kind::UntilClose:
      case ReplyShape::Kind::UntilDone:
        if (shape.Piece && shape.Piece(piece)) whole = true;
        break;
      case ReplyShape::Kind::Nothing:
        break;
    }
  };
  if (shape.What != ReplyShape::Kind::Nothing) {
    const bool inTime = WaitFor(socket, replyTimeoutMs_, [&] {
      takeArrived();
      return whole || tooLong || socket.state() != QAbstractSocket::ConnectedState;
    });
    takeArrived();
    if (tooLong) return failed(TooLongText());
    if (!whole) {
      // Streams end with the server's close; so does a line the server closes on without LF.
      const bool closeEnds = shape.What == ReplyShape::Kind::UntilClose ||
                             shape.What == ReplyShape::Kind::UntilDone ||
                             (shape.What == ReplyShape::Kind::Line && !received.empty());
      const bool closedCleanly = socket.error() == QAbstractSocket::RemoteHostClosedError ||
                                 (socket.state() == QAbstractSocket::UnconnectedState &&
                                  socket.error() == QAbstractSocket::UnknownSocketError);
      if (!inTime) return failed(TimedOutText());
      if (!(closeEnds && closedCleanly)) return failed({});
    }
  }
  socket.disconnectFromHost();
  if (shape.What == ReplyShape::Kind::Line) {
    std::optional<std::string> line = TakeReplyLine(received);
    result.Reply = line ? std::move(*line) : received;
  } else if (shape.What == ReplyShape::Kind::Exactly) {
    result.Reply = received.substr(0, shape.Bytes);
  }
  result.Ok = true;
  return result;
}

}  // namespace tess
