#include "classroom/ResultQueue.h"

#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {
namespace {

// A queue of this size means something is badly wrong; it is not read whole into memory.
constexpr std::size_t kMostQueueBytes = 64 * 1024 * 1024;

}  // namespace

std::string ResultQueuePath(const std::string& userDir, std::string_view userName) {
  return userDir + "wyniki_do_wyslania_" + HexOfBytes(userName) + ".txt";
}

std::vector<std::string> ResultQueue::Pending() const {
  std::vector<std::string> lines;
  const FileBytes file = ReadFileBytes(path_, kMostQueueBytes);
  if (file.Result != FileBytes::Outcome::Read) return lines;
  for (std::string& line : SplitLines(file.Bytes)) {
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

bool ResultQueue::Append(const std::string& recordText, std::string* reason) {
  return AppendLineDurably(path_, recordText + "\r\n", {}, reason);
}

bool ResultQueue::DropFirst(std::size_t count) {
  std::vector<std::string> lines = Pending();
  if (count >= lines.size()) return WriteFileAtomically(path_, {});
  lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count));
  return WriteFileAtomically(path_, JoinCrLf(lines));
}

RequestOutcome ResultQueue::Flush(ClassroomClient& client) {
  const std::vector<std::string> lines = Pending();
  std::size_t sent = 0;
  RequestOutcome outcome{true, {}};
  for (const std::string& line : lines) {
    outcome = client.SendResultText(line);
    if (!outcome.Ok) break;
    ++sent;
  }
  // Removed only once accepted; a crash before this sends them again, which the server takes
  // as the same record updated twice.
  if (sent > 0) DropFirst(sent);
  return outcome;
}

RequestOutcome ResultQueue::SendOrKeep(ClassroomClient& client, const ResultRecord& record) {
  const std::string text = ResultRecordText(record);
  RequestOutcome outcome = Flush(client);
  if (outcome.Ok) {
    outcome = client.SendResultText(text);
    if (outcome.Ok) return outcome;
  }
  Append(text);
  return outcome;
}

}  // namespace tess
