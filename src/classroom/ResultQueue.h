#pragma once
// Results the classroom server did not take yet, kept in the user's folder one record text per
// line, oldest first, so nothing recorded is lost while the server is down: a line is appended
// whole and flushed, and removed only after the server accepted it. The file survives restarts
// and a killed program.
#include <string>
#include <string_view>
#include <vector>

#include "classroom/ClassroomClient.h"

namespace tess {

/// The queue file of a user: UserDir + "wyniki_do_wyslania_" + the name's bytes in hex +
/// ".txt". Every classroom user of a computer shares one folder, so each keeps a file of his
/// own and no result is ever sent under another learner's name.
std::string ResultQueuePath(const std::string& userDir, std::string_view userName);

class ResultQueue {
 public:
  explicit ResultQueue(std::string path) : path_(std::move(path)) {}

  /// The record texts waiting, oldest first (none when the file is missing or unreadable).
  std::vector<std::string> Pending() const;
  bool Empty() const { return Pending().empty(); }
  /// Keeps one more record text at the end.
  bool Append(const std::string& recordText, std::string* reason = nullptr);
  /// Sends what waits, oldest first, until the server refuses one or cannot be reached; every
  /// line the server accepted is removed. Ok when nothing waits any more, else the outcome of
  /// the sending that failed.
  RequestOutcome Flush(ClassroomClient& client);
  /// A new result: the queue goes first, so results reach the server in the order they were
  /// made; the new one is sent when nothing waits, else (or when it fails) queued. The outcome
  /// is that of the new result's sending (a queued result reports the failure).
  RequestOutcome SendOrKeep(ClassroomClient& client, const ResultRecord& record);

 private:
  bool DropFirst(std::size_t count);

  std::string path_;
};

}  // namespace tess
