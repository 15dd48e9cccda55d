#pragma once
// One short connection to the classroom server: connect, send, read the reply as the request
// prescribes, close. The classroom client speaks through this; behind it is a plain socket
// driven by Qt's event loop.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tess {

/// How a request's reply ends.
struct ReplyShape {
  enum class Kind {
    Nothing,     ///< the request is sent and the connection closed
    Line,        ///< up to LF
    Exactly,     ///< `Bytes` bytes
    UntilClose,  ///< everything until the server closes
    UntilDone,   ///< until `Done` says the reply is whole, or the server closes
  };
  Kind What = Kind::Line;
  std::size_t Bytes = 0;
  /// Told every piece that arrives (UntilClose, UntilDone); for UntilDone returns true once the
  /// reply is whole.
  std::function<bool(std::string_view piece)> Piece;
};

struct Exchanged {
  bool Ok = false;
  std::string Reply;    ///< Line: the line without CR LF; Exactly: the bytes
  std::string Failure;  ///< when not Ok, a short Polish text (cp1250) for the learner
};

class ServerLink {
 public:
  virtual ~ServerLink() = default;
  /// Sends `request` then `body` (bytes as they are) and reads the reply of `shape`.
  virtual Exchanged Exchange(std::string_view request, std::string_view body,
                             const ReplyShape& shape) = 0;
};

}  // namespace tess
