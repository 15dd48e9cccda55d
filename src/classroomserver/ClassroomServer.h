#pragma once
// The classroom server on its TCP port: one connection per request, read without blocking,
// each with bounded waits; the answers (ClassroomService) run on a thread of their own that
// owns the storage, so slow password checks never stall the reading of other connections.
// Every refused request is logged with the peer's address.
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QThread>
#include <functional>
#include <memory>
#include <string>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

struct ClassroomServerOptions {
  int LineTimeoutMs = 20000;    ///< the request line must be whole this long after connecting
  int UploadSilenceMs = 20000;  ///< an upload may pause this long between pieces
  int ReplyTimeoutMs = 60000;   ///< the client must take the reply within this
  int MaxConnections = 256;     ///< more at once are refused
  /// Where refusals go; stderr when empty.
  std::function<void(const std::string& line)> Log;
};

class ClassroomServer : public QObject {
 public:
  using StorageFactory = std::function<std::unique_ptr<ClassroomStorage>(std::string* error)>;
  using HasherFactory = std::function<std::unique_ptr<PasswordHasher>()>;

  /// `openStorage` and `makeHasher` are called on the answering thread.
  ClassroomServer(StorageFactory openStorage, HasherFactory makeHasher,
                  ClassroomServerOptions options = {});
  ~ClassroomServer() override;

  /// Opens the storage and starts listening; false with `error` when either fails.
  bool Start(const QHostAddress& address, quint16 port, std::string* error);
  quint16 Port() const { return listener_.serverPort(); }
  int OpenConnections() const { return connections_; }

 private:
  class Connection;
  class Answerer;

  void Accept();
  void Log(const QString& peer, const std::string& what) const;

  StorageFactory openStorage_;
  HasherFactory makeHasher_;
  ClassroomServerOptions options_;
  QTcpServer listener_;
  QThread thread_;
  Answerer* answerer_ = nullptr;  // lives on thread_
  int connections_ = 0;
};

}  // namespace tess
