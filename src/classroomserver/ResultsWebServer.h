#pragma once
// The teacher's results page over HTTP (Qt HTTP Server): GET only, read-only, behind HTTP
// Basic authentication against the teachers' password hashes. It runs on a thread of its own
// with its own storage connection, so page building, password checks and the pause after a
// wrong password never hold up the course's requests.
#include <QHostAddress>
#include <QThread>
#include <functional>
#include <memory>
#include <string>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

struct ResultsWebOptions {
  /// A wrong name or password is answered this late, so guessing is slow. The pause holds
  /// the page's one thread: guesses cannot run side by side either.
  int FailureDelayMs = 1000;
  /// Where refusals go; stderr when empty. Called on the page's thread.
  std::function<void(const std::string& line)> Log;
};

class ResultsWebServer {
 public:
  using StorageFactory = std::function<std::unique_ptr<ClassroomStorage>(std::string* error)>;
  using HasherFactory = std::function<std::unique_ptr<PasswordHasher>()>;

  /// `openStorage` and `makeHasher` are called on the page's thread.
  ResultsWebServer(StorageFactory openStorage, HasherFactory makeHasher,
                   ResultsWebOptions options = {});
  ~ResultsWebServer();
  ResultsWebServer(const ResultsWebServer&) = delete;
  ResultsWebServer& operator=(const ResultsWebServer&) = delete;

  /// Opens the storage and starts listening; false with `error` when either fails.
  /// `teachers` (may be null) gets how many teachers may log in.
  bool Start(const QHostAddress& address, quint16 port, std::string* error,
             int* teachers = nullptr);
  quint16 Port() const { return port_; }

 private:
  class Site;

  StorageFactory openStorage_;
  HasherFactory makeHasher_;
  ResultsWebOptions options_;
  QThread thread_;
  std::unique_ptr<Site> site_;  // lives on thread_
  quint16 port_ = 0;
};

}  // namespace tess
