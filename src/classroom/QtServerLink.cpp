#include "classroom/QtServerLink.h"

#include <locale.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "classroom/ServerProtocol.h"

namespace tess {
namespace {

using Clock = std::chrono::steady_clock;

std::string TimedOutText() { return "Przekroczono czas oczekiwania na serwer"; }
std::string TooLongText() { return "Odpowied\x9F serwera jest za d\xB3uga"; }
std::string NotFoundText(const std::string& host) { return "Nie znaleziono serwera " + host; }
std::string ClosedText() {
  return "Serwer zerwa\xB3 po\xB3\xB9"
         "czenie";
}

// The C locale's text: the program's own locale may be UTF-8, the messages are cp1250.
std::string ErrnoText(int error) {
  static const locale_t plain = newlocale(LC_ALL_MASK, "C", locale_t{});
  if (!plain) return "errno " + std::to_string(error);
  return strerror_l(error, plain);
}

std::string FailureText(int error) {
  switch (error) {
    case ECONNREFUSED:
      return "Serwer odrzuci\xB3 po\xB3\xB9"
             "czenie";
    case ENETUNREACH:
      return "Sie\xE6 jest nieosi\xB9galna";
    case EHOSTUNREACH:
      return "Serwer jest nieosi\xB9galny";
    case ECONNRESET:
    case EPIPE:
      return ClosedText();
    case ETIMEDOUT:
      return TimedOutText();
    default:
      return "B\xB3\xB9"
             "d po\xB3\xB9"
             "czenia: " +
             ErrnoText(error);
  }
}

class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Reset(); }
  int Get() const { return fd_; }
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

enum class Step { Done, Progress, Idle };

// Runs the event loop, calling `step` whenever `fd` is ready for `type`, until it says Done or
// `silenceMs` pass without progress. False when the time ran out.
bool WaitFor(int fd, QSocketNotifier::Type type, int silenceMs, const std::function<Step()>& step) {
  if (step() == Step::Done) return true;
  QEventLoop loop;
  QSocketNotifier ready(static_cast<qintptr>(fd), type);
  QTimer silence;
  silence.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    loop.quit();
  });
  QObject::connect(&ready, &QSocketNotifier::activated, &loop, [&] {
    switch (step()) {
      case Step::Done:
        ready.setEnabled(false);
        loop.quit();
        break;
      case Step::Progress:
        silence.start(silenceMs);
        break;
      case Step::Idle:
        break;
    }
  });
  silence.start(silenceMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return !timedOut;
}

int MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

struct Address {
  int Family = 0;
  int Type = 0;
  int Protocol = 0;
  sockaddr_storage Bytes{};
  socklen_t Size = 0;
};

// A lookup on its own thread; whoever lets go last, the waiter or the thread, frees it.
struct Lookup {
  std::mutex Guard;
  bool Finished = false;
  int Code = 0;
  int Errno = 0;
  addrinfo* List = nullptr;
  ~Lookup() {
    if (List) freeaddrinfo(List);
  }
};

addrinfo Hints(int flags) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = flags | AI_NUMERICSERV;
  return hints;
}

std::vector<Address> AddressesOf(const addrinfo* list) {
  std::vector<Address> addresses;
  for (const addrinfo* at = list; at; at = at->ai_next) {
    if (at->ai_addrlen > sizeof(sockaddr_storage)) continue;
    Address address;
    address.Family = at->ai_family;
    address.Type = at->ai_socktype;
    address.Protocol = at->ai_protocol;
    std::memcpy(&address.Bytes, at->ai_addr, at->ai_addrlen);
    address.Size = at->ai_addrlen;
    addresses.push_back(address);
  }
  return addresses;
}

// The addresses of `host`, or the failure text. A name is looked up on a thread so the windows
// keep repainting; a lookup still going at `deadline` is left to finish on its own.
std::vector<Address> Resolve(const std::string& host, int port, Clock::time_point deadline,
                             std::string& failure) {
  const std::string service = std::to_string(port);
  {
    const addrinfo hints = Hints(AI_NUMERICHOST);
    addrinfo* list = nullptr;
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &list) == 0) {
      std::vector<Address> addresses = AddressesOf(list);
      freeaddrinfo(list);
      return addresses;
    }
  }
  auto lookup = std::make_shared<Lookup>();
  try {
    std::thread([lookup, host, service] {
      const addrinfo hints = Hints(0);
      addrinfo* list = nullptr;
      const int code = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
      const int error = errno;
      const std::lock_guard<std::mutex> hold(lookup->Guard);
      lookup->Code = code;
      lookup->Errno = error;
      lookup->List = list;
      lookup->Finished = true;
    }).detach();
  } catch (const std::system_error& error) {
    failure = FailureText(error.code().value());
    return {};
  }
  const auto finished = [&] {
    const std::lock_guard<std::mutex> hold(lookup->Guard);
    return lookup->Finished;
  };
  if (!finished()) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (finished() || Clock::now() >= deadline) loop.quit();
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  const std::lock_guard<std::mutex> hold(lookup->Guard);
  if (!lookup->Finished) {
    failure = TimedOutText();
    return {};
  }
  if (lookup->Code == EAI_SYSTEM) {
    failure = FailureText(lookup->Errno);
    return {};
  }
  if (lookup->Code != 0) {
    failure = NotFoundText(host);
    return {};
  }
  std::vector<Address> addresses = AddressesOf(lookup->List);
  if (addresses.empty()) failure = NotFoundText(host);
  return addresses;
}

// Tries the addresses in turn until one connects, all within `deadline`.
bool Connect(const std::vector<Address>& addresses, Clock::time_point deadline, Descriptor& socket,
             std::string& failure) {
  int lastError = ECONNREFUSED;
  for (const Address& address : addresses) {
    const int left = MsLeft(deadline);
    if (left == 0) {
      failure = TimedOutText();
      return false;
    }
    socket.Reset(
        ::socket(address.Family, address.Type | SOCK_NONBLOCK | SOCK_CLOEXEC, address.Protocol));
    if (socket.Get() < 0) {
      lastError = errno;
      continue;
    }
    int error = 0;
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address.Bytes), address.Size) !=
        0) {
      error = errno;
    }
    if (error == EINPROGRESS || error == EINTR) {
      const bool inTime = WaitFor(socket.Get(), QSocketNotifier::Write, left, [&] {
        int pending = 0;
        socklen_t size = sizeof(pending);
        if (getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, &pending, &size) != 0) {
          pending = errno;
        }
        if (pending == 0) {
          // Asked before the socket turned writable: no error yet, but no peer either.
          sockaddr_storage peer{};
          socklen_t peerSize = sizeof(peer);
          if (getpeername(socket.Get(), reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0) {
            return Step::Idle;
          }
        }
        error = pending;
        return Step::Done;
      });
      if (!inTime) {
        socket.Reset();
        failure = TimedOutText();
        return false;
      }
    }
    if (error == 0) return true;
    lastError = error;
    socket.Reset();
  }
  failure = FailureText(lastError);
  return false;
}

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
  const auto failed = [&](std::string why) {
    result.Ok = false;
    result.Failure = std::move(why);
    return result;
  };
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(connectTimeoutMs_);
  std::string failure;
  const std::vector<Address> addresses = Resolve(host_, port_, deadline, failure);
  if (addresses.empty()) return failed(failure);
  Descriptor socket;
  if (!Connect(addresses, deadline, socket, failure)) return failed(failure);
  const int fd = socket.Get();

  std::string out(request);
  out.append(body);
  std::size_t sent = 0;
  int sendError = 0;
  const bool sentInTime = WaitFor(fd, QSocketNotifier::Write, replyTimeoutMs_, [&] {
    bool moved = false;
    while (sent < out.size()) {
      const ssize_t n = ::send(fd, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
      if (n > 0) {
        sent += static_cast<std::size_t>(n);
        moved = true;
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        return moved ? Step::Progress : Step::Idle;
      } else {
        sendError = n < 0 ? errno : EPIPE;
        return Step::Done;
      }
    }
    return Step::Done;
  });
  if (!sentInTime) return failed(TimedOutText());
  if (sendError != 0) return failed(FailureText(sendError));

  std::string received;
  bool whole = false;
  bool tooLong = false;
  bool closed = false;
  int readError = 0;
  std::size_t total = 0;
  const std::size_t most = MostBytesOf(shape);
  const auto take = [&](std::string_view piece) {
    total += piece.size();
    if (total > most && shape.What != ReplyShape::Kind::Exactly) {
      tooLong = true;
      return;
    }
    switch (shape.What) {
      case ReplyShape::Kind::Line:
        received.append(piece);
        whole = received.find('\n') != std::string::npos;
        break;
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
    std::vector<char> buffer(64 * 1024);
    const bool inTime = WaitFor(fd, QSocketNotifier::Read, replyTimeoutMs_, [&] {
      bool moved = false;
      while (!whole && !tooLong) {
        const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
        if (n > 0) {
          take(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
          moved = true;
        } else if (n == 0) {
          closed = true;
          return Step::Done;
        } else if (errno == EINTR) {
          continue;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
          return moved ? Step::Progress : Step::Idle;
        } else {
          readError = errno;
          return Step::Done;
        }
      }
      return Step::Done;
    });
    if (tooLong) return failed(TooLongText());
    if (!whole) {
      if (!inTime) return failed(TimedOutText());
      if (readError != 0) return failed(FailureText(readError));
      // Streams end with the server's close; so does a line the server closes on without LF.
      const bool closeEnds = shape.What == ReplyShape::Kind::UntilClose ||
                             shape.What == ReplyShape::Kind::UntilDone ||
                             (shape.What == ReplyShape::Kind::Line && !received.empty());
      if (!(closed && closeEnds)) return failed(ClosedText());
    }
  }
  socket.Reset();
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
