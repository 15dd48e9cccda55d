#pragma once
// The classroom connection over a plain non-blocking TCP socket (Qt Network would cost every
// start of the program its loading time). Every wait, the name lookup included, is bounded and
// runs a local event loop that repaints the windows but takes no input, so a silent server
// never freezes the program and no second request starts inside the first.
#include <string>

#include "classroom/ServerLink.h"

namespace tess {

class QtServerLink : public ServerLink {
 public:
  static constexpr int kConnectTimeoutMs = 5000;
  static constexpr int kReplyTimeoutMs = 15000;  // of silence; a reply that keeps coming goes on

  QtServerLink(std::string host, int port, int connectTimeoutMs = kConnectTimeoutMs,
               int replyTimeoutMs = kReplyTimeoutMs);

  Exchanged Exchange(std::string_view request, std::string_view body,
                     const ReplyShape& shape) override;

 private:
  std::string host_;
  int port_;
  int connectTimeoutMs_;
  int replyTimeoutMs_;
};

}  // namespace tess
