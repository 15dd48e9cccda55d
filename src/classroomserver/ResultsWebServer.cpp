#include "classroomserver/ResultsWebServer.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QUrlQuery>
#include <QUuid>
#include <algorithm>
#include <iostream>

#include "classroomserver/ResultsPage.h"
#include "shared/CodePage.h"

namespace tess {
namespace {

using Status = QHttpServerResponse::StatusCode;

std::string PageText(std::string_view cp1250) { return ToUtf8(cp1250, CodePage::Cp1250); }

QHttpServerResponse Plain(const std::string& utf8, Status status) {
  return QHttpServerResponse(QByteArrayLiteral("text/plain; charset=utf-8"),
                             QByteArray::fromStdString(utf8), status);
}

// A name from the request as the log may show it: one line.
std::string Printable(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = '?';
  }
  return text;
}

// Name and password of an "Authorization: Basic" header; false when there is none.
bool BasicCredentials(const QByteArray& header, std::string& name, std::string& password) {
  const QByteArray scheme = QByteArrayLiteral("basic ");
  if (header.size() <= scheme.size() || header.left(scheme.size()).toLower() != scheme) {
    return false;
  }
  const auto decoded = QByteArray::fromBase64Encoding(header.mid(scheme.size()).trimmed(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return false;
  const QByteArray& text = decoded.decoded;
  const qsizetype colon = text.indexOf(':');
  if (colon <= 0) return false;
  name = text.left(colon).toStdString();
  password = text.mid(colon + 1).toStdString();
  return true;
}

}  // namespace

// Everything that lives on the page's thread.
class ResultsWebServer::Site : public QObject {
 public:
  explicit Site(const ResultsWebOptions& options) : options_(options) {}

  bool Open(const StorageFactory& openStorage, const HasherFactory& makeHasher,
            const QHostAddress& address, quint16 port, std::string& error, quint16& bound,
            int& teachers) {
    storage_ = openStorage(&error);
    if (!storage_) {
      error = "cannot open the database: " + error;
      return false;
    }
    std::vector<std::string> names;
    if (!storage_->TeacherNames(names)) {
      error = "database: " + storage_->LastError();
      return false;
    }
    teachers = static_cast<int>(names.size());
    hasher_ = makeHasher();
    // Checked in place of a teacher who is not there, so a wrong name costs as much as a
    // wrong password and the answer's time does not tell which names exist.
    decoy_ = hasher_->Hash(QUuid::createUuid().toString().toStdString());
    http_ = std::make_unique<QHttpServer>();
    // Every path comes here, so even a wrong one is answered only after the password.
    http_->setMissingHandler(
        [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
          Answer(request).write(std::move(responder));
        });
    auto* listener = new QTcpServer(http_.get());
    if (!listener->listen(address, port)) {
      error = "cannot listen on port " + std::to_string(port) +
              " for the results page: " + listener->errorString().toStdString();
      return false;
    }
    bound = listener->serverPort();
    http_->bind(listener);
    return true;
  }

  void Close() {
    http_.reset();
    hasher_.reset();
    storage_.reset();
  }

 private:
  QHttpServerResponse Answer(const QHttpServerRequest& request) {
    const QString peer = request.remoteAddress().toString();
    if (request.method() != QHttpServerRequest::Method::Get) {
      QHttpServerResponse response = Plain("Only GET.\n", Status::MethodNotAllowed);
      response.setHeader(QByteArrayLiteral("Allow"), QByteArrayLiteral("GET"));
      return response;
    }
    std::string name;
    std::string password;
    if (!BasicCredentials(request.value(QByteArrayLiteral("Authorization")), name, password)) {
      return Unauthorized();
    }
    std::optional<std::string> hash;
    if (!storage_->TeacherPasswordHash(name, hash)) return StorageFailed(peer);
    const bool known = hash.has_value();
    if (!hasher_->Verify(password, known ? *hash : decoy_) || !known) {
      Log(peer, "results page: wrong name or password for \"" + Printable(name) + "\"");
      QThread::msleep(static_cast<unsigned long>(std::max(0, options_.FailureDelayMs)));
      return Unauthorized();
    }
    if (request.url().path() != QStringLiteral("/")) return Plain("Not found.\n", Status::NotFound);

    std::vector<LearnerAccount> accounts;
    std::vector<StoredResults> results;
    if (!storage_->Learners(accounts) || !storage_->AllResults(std::nullopt, results)) {
      return StorageFailed(peer);
    }
    std::vector<LearnerResults> learners;
    for (const LearnerAccount& account : accounts) {
      LearnerResults learner;
      learner.Name = account.Name;
      if (!storage_->AssignmentsOf(account.Name, learner.Lessons)) return StorageFailed(peer);
      for (const StoredResults& file : results) {
        if (file.Learner == account.Name) learner.Files.push_back(file);
      }
      learners.push_back(std::move(learner));
    }
    std::optional<std::string> chosen;
    const QUrlQuery query(request.url());
    if (query.hasQueryItem(QStringLiteral("learner"))) {
      chosen = Encode(query.queryItemValue(QStringLiteral("learner"), QUrl::FullyDecoded),
                      CodePage::Cp1250);
    }
    const ResultsPage page = BuildResultsPage(learners, chosen, PageText);
    QHttpServerResponse response(QByteArrayLiteral("text/html; charset=utf-8"),
                                 QByteArray::fromStdString(page.Html),
                                 page.Found ? Status::Ok : Status::NotFound);
    response.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    // The page carries no script and loads nothing: say so, so a name that slipped through
    // could still not run anything.
    response.setHeader(QByteArrayLiteral("Content-Security-Policy"),
                       QByteArrayLiteral("default-src 'none'; style-src 'unsafe-inline'; "
                                         "img-src data:; frame-ancestors 'none'"));
    response.setHeader(QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    response.setHeader(QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
    return response;
  }

  static QHttpServerResponse Unauthorized() {
    QHttpServerResponse response =
        Plain(PageText("Podaj nazw\xEA i has\xB3o nauczyciela.\n"), Status::Unauthorized);
    response.setHeader(QByteArrayLiteral("WWW-Authenticate"),
                       QByteArrayLiteral("Basic realm=\"classroom-server\", charset=\"UTF-8\""));
    return response;
  }

  QHttpServerResponse StorageFailed(const QString& peer) {
    Log(peer, "results page: database: " + storage_->LastError());
    return Plain("The database failed; see the server's log.\n", Status::InternalServerError);
  }

  void Log(const QString& peer, const std::string& what) const {
    const std::string line = peer.toStdString() + ": " + what;
    if (options_.Log) {
      options_.Log(line);
    } else {
      std::cerr << "classroom-server: " << line << std::endl;
    }
  }

  ResultsWebOptions options_;
  std::unique_ptr<ClassroomStorage> storage_;
  std::unique_ptr<PasswordHasher> hasher_;
  std::unique_ptr<QHttpServer> http_;
  std::string decoy_;
};

ResultsWebServer::ResultsWebServer(StorageFactory openStorage, HasherFactory makeHasher,
                                   ResultsWebOptions options)
    : openStorage_(std::move(openStorage)),
      makeHasher_(std::move(makeHasher)),
      options_(std::move(options)) {}

ResultsWebServer::~ResultsWebServer() {
  if (!site_) return;
  // The HTTP server and the storage belong to the page's thread and are closed there.
  QMetaObject::invokeMethod(
      site_.get(), [this] { site_->Close(); }, Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

bool ResultsWebServer::Start(const QHostAddress& address, quint16 port, std::string* error,
                             int* teachers) {
  if (site_) {
    if (error) *error = "the results page runs already";
    return false;
  }
  site_ = std::make_unique<Site>(options_);
  site_->moveToThread(&thread_);
  thread_.setObjectName(QStringLiteral("results-page"));
  thread_.start();
  bool opened = false;
  std::string why;
  int count = 0;
  quint16 bound = 0;
  QMetaObject::invokeMethod(
      site_.get(),
      [&] { opened = site_->Open(openStorage_, makeHasher_, address, port, why, bound, count); },
      Qt::BlockingQueuedConnection);
  if (!opened) {
    if (error) *error = why;
    return false;
  }
  port_ = bound;
  if (teachers) *teachers = count;
  return true;
}

}  // namespace tess
