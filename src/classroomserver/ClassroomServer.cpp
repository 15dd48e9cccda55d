#include "classroomserver/ClassroomServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <optional>

#include "classroomserver/ClassroomService.h"
#include "shared/CodePage.h"
#include "shared/DateTime.h"

namespace tess {
namespace {

const char* CommandText(RequestCommand command) {
  switch (command) {
    case RequestCommand::Login:
      return "LOG:";
    case RequestCommand::UploadResults:
      return "PCW:";
    case RequestCommand::DownloadResults:
      return "GCW:";
    case RequestCommand::UserInfo:
      return "GUI:";
    case RequestCommand::Lessons:
      return "GIL:";
    case RequestCommand::ChangePassword:
      return "CHP:";
    case RequestCommand::SendRecord:
      return "RCW:";
  }
  return "?";
}

double LocalNow() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return DateTimeFromUnix(static_cast<std::time_t>(ms / 1000), static_cast<int>(ms % 1000));
}

}  // namespace

// What runs on the answering thread: the storage, the hasher and the answers over them.
struct AnsweringState {
  std::unique_ptr<ClassroomStorage> Storage;
  std::unique_ptr<PasswordHasher> Hasher;
  std::unique_ptr<ClassroomService> Service;
};

class ClassroomServer::Answerer : public QObject {
 public:
  std::unique_ptr<AnsweringState> State;
};

// One client's request: its line, the upload after it, the answer back, then the close.
class ClassroomServer::Connection : public QObject {
 public:
  // A child of the server, so a server that stops takes its open connections with it.
  Connection(ClassroomServer& server, QTcpSocket* socket)
      : QObject(&server),
        server_(server),
        socket_(socket),
        peer_(socket->peerAddress().toString() + u':' + QString::number(socket->peerPort())) {
    ++server_.connections_;
    socket_->setParent(this);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { TimedOut(); });
    QObject::connect(socket_, &QTcpSocket::readyRead, this, [this] { Read(); });
    QObject::connect(socket_, &QTcpSocket::disconnected, this, [this] { Closed(); });
    timer_.start(server_.options_.LineTimeoutMs);
    Read();
  }
  ~Connection() override { --server_.connections_; }

  void Answered(const ServerAnswer& answer) {
    if (stage_ != Stage::Answering) return;
    if (answer.Refused) {
      server_.Log(peer_, std::string(CommandText(request_->Command)) + " user \"" +
                             ToUtf8(request_->UserName(), CodePage::Cp1250) +
                             "\" refused: " + answer.Note);
    }
    if (socket_->state() != QAbstractSocket::ConnectedState) {
      Finish();
      return;
    }
    stage_ = Stage::Replying;
    timer_.start(server_.options_.ReplyTimeoutMs);
    if (!answer.Reply.empty()) {
      socket_->write(answer.Reply.data(), static_cast<qint64>(answer.Reply.size()));
    }
    // Sends what is still buffered, then closes; the close ends a "GCW:" reply.
    socket_->disconnectFromHost();
  }

 private:
  enum class Stage { Line, Upload, Answering, Replying, Done };

  void Read() {
    const QByteArray bytes = socket_->readAll();
    if (stage_ == Stage::Upload) {
      upload_.append(bytes);
      if (static_cast<std::size_t>(upload_.size()) > kMaxUploadBytes) {
        Refuse("upload larger than " + std::to_string(kMaxUploadBytes) + " bytes");
        return;
      }
      timer_.start(server_.options_.UploadSilenceMs);
      return;
    }
    if (stage_ != Stage::Line) return;  // nothing more is read once the request is whole
    line_.append(bytes);
    const qsizetype lf = line_.indexOf('\n');
    if (lf < 0) {
      // Room for the CR before the LF.
      if (static_cast<std::size_t>(line_.size()) > kMaxRequestLine + 1) {
        Refuse("request line longer than " + std::to_string(kMaxRequestLine) + " bytes");
      }
      return;
    }
    QByteArray line = line_.left(lf);
    if (line.endsWith('\r')) line.chop(1);
    const ParsedRequest parsed =
        ParseRequestLine(std::string_view(line.constData(), static_cast<size_t>(line.size())));
    if (!parsed.Request) {
      Refuse("malformed request: " + parsed.Error);
      return;
    }
    request_ = parsed.Request;
    if (CarriesUpload(request_->Command)) {
      stage_ = Stage::Upload;
      upload_ = line_.mid(lf + 1);
      line_.clear();
      timer_.start(server_.options_.UploadSilenceMs);
      if (socket_->state() != QAbstractSocket::ConnectedState) Dispatch();
      return;
    }
    line_.clear();
    Dispatch();
  }

  void Closed() {
    if (stage_ == Stage::Done) return;
    Read();
    switch (stage_) {
      case Stage::Line:
        if (!line_.isEmpty())
          Refuse("closed before the request line ended");
        else
          Finish();
        break;
      case Stage::Upload:
        Dispatch();  // the close ends the upload
        break;
      case Stage::Answering:
        break;  // the answer still has to be stored or logged
      case Stage::Replying:
      case Stage::Done:
        Finish();
        break;
    }
  }

  void TimedOut() {
    switch (stage_) {
      case Stage::Line:
        Refuse("no whole request line within " + std::to_string(server_.options_.LineTimeoutMs) +
               " ms");
        break;
      case Stage::Upload:
        Refuse("upload silent for " + std::to_string(server_.options_.UploadSilenceMs) + " ms");
        break;
      case Stage::Replying:
        server_.Log(peer_, "reply not taken within " +
                               std::to_string(server_.options_.ReplyTimeoutMs) + " ms");
        socket_->abort();
        Finish();
        break;
      case Stage::Answering:
      case Stage::Done:
        break;
    }
  }

  void Dispatch() {
    if (stage_ == Stage::Answering || stage_ == Stage::Done) return;
    stage_ = Stage::Answering;
    timer_.stop();
    std::string upload(upload_.constData(), static_cast<size_t>(upload_.size()));
    upload_.clear();
    QPointer<Connection> self(this);
    ClassroomServer* server = &server_;
    QMetaObject::invokeMethod(
        server_.answerer_,
        [server, self, request = *request_, upload = std::move(upload)] {
          const ServerAnswer answer = server->answerer_->State->Service->Answer(request, upload);
          QMetaObject::invokeMethod(
              server,
              [self, answer] {
                if (self) self->Answered(answer);
              },
              Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
  }

  void Refuse(const std::string& why) {
    server_.Log(peer_, why);
    stage_ = Stage::Done;
    socket_->abort();
    Finish();
  }

  void Finish() {
    stage_ = Stage::Done;
    timer_.stop();
    deleteLater();
  }

  ClassroomServer& server_;
  QTcpSocket* socket_;
  QString peer_;
  QTimer timer_;
  Stage stage_ = Stage::Line;
  QByteArray line_;
  QByteArray upload_;
  std::optional<ServerRequest> request_;
};

ClassroomServer::ClassroomServer(StorageFactory openStorage, HasherFactory makeHasher,
                                 ClassroomServerOptions options)
    : openStorage_(std::move(openStorage)),
      makeHasher_(std::move(makeHasher)),
      options_(std::move(options)) {
  QObject::connect(&listener_, &QTcpServer::newConnection, this, [this] { Accept(); });
}

ClassroomServer::~ClassroomServer() {
  listener_.close();
  // The open connections (the server's only children) go while the server they count on is
  // still whole.
  const QObjectList connections = children();
  for (QObject* connection : connections) delete connection;
  if (answerer_ != nullptr) {
    // The storage belongs to the answering thread and is closed there.
    QMetaObject::invokeMethod(
        answerer_, [this] { answerer_->State.reset(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete answerer_;
  }
}

bool ClassroomServer::Start(const QHostAddress& address, quint16 port, std::string* error) {
  if (answerer_ == nullptr) {
    answerer_ = new Answerer;
    answerer_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("classroom-answers"));
    thread_.start();
  }
  bool opened = false;
  std::string why;
  QMetaObject::invokeMethod(
      answerer_,
      [&] {
        auto state = std::make_unique<AnsweringState>();
        state->Storage = openStorage_(&why);
        if (!state->Storage) return;
        state->Hasher = makeHasher_();
        state->Service =
            std::make_unique<ClassroomService>(*state->Storage, *state->Hasher, LocalNow);
        answerer_->State = std::move(state);
        opened = true;
      },
      Qt::BlockingQueuedConnection);
  if (!opened) {
    if (error) *error = "cannot open the database: " + why;
    return false;
  }
  if (!listener_.listen(address, port)) {
    if (error) {
      *error = "cannot listen on port " + std::to_string(port) + ": " +
               listener_.errorString().toStdString();
    }
    return false;
  }
  return true;
}

void ClassroomServer::Accept() {
  while (QTcpSocket* socket = listener_.nextPendingConnection()) {
    if (connections_ >= options_.MaxConnections) {
      Log(socket->peerAddress().toString(), "refused: too many connections at once");
      socket->abort();
      socket->deleteLater();
      continue;
    }
    new Connection(*this, socket);
  }
}

void ClassroomServer::Log(const QString& peer, const std::string& what) const {
  const std::string line = peer.toStdString() + ": " + what;
  if (options_.Log) {
    options_.Log(line);
  } else {
    std::cerr << "classroom-server: " << line << std::endl;
  }
}

}  // namespace tess
