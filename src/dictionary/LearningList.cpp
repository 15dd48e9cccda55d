#include "dictionary/LearningList.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "dictionary/DictionaryLanguage.h"
#include "shared/Paths.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

constexpr int kHeaderLines = 10;

std::string CannotWrite(const std::string& path, const std::string& reason) {
  return "Nie można zapisać listy słówek do nauki w pliku " + path + ": " + reason;
}

}  // namespace

std::string LearningListPath(const std::string& userDir, int language) {
  return userDir + FilesOf(language).LearningWord + "slow.txt";
}

std::string LearningListHeader() {
  std::vector<std::string> lines(kHeaderLines);
  lines[0] = "Tessaron 5.0";
  lines[1] = "S\xB3\xF3wka ze s\xB3ownika...";  // "Słówka ze słownika..." in cp1250
  return JoinCrLf(lines);
}

bool AppendToLearningList(const std::string& path, int entryNo, std::string* error) {
  const std::string line = std::to_string(entryNo) + "\r\n";
  if (!FileExists(path)) {
    // A new file appears whole, header and first number, or not at all.
    std::string reason;
    if (WriteFileAtomically(path, LearningListHeader() + line, &reason)) return true;
    if (error) *error = CannotWrite(path, reason);
    return false;
  }
  const std::string resolved = ResolvePath(path);
  const int fd = ::open(resolved.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = CannotWrite(path, std::strerror(errno));
    return false;
  }
  // A file edited by hand may lack its last line end; the number must not join that line.
  std::string text = line;
  char last = '\n';
  if (::lseek(fd, -1, SEEK_END) >= 0 && ::read(fd, &last, 1) == 1 && last != '\n') {
    text.insert(0, "\r\n");
  }
  // One write of a whole line: an appended line is never split by another writer.
  ssize_t written;
  do {
    written = ::write(fd, text.data(), text.size());
  } while (written < 0 && errno == EINTR);
  const int writeError = errno;
  const bool complete = written == static_cast<ssize_t>(text.size());
  if (::close(fd) != 0 && complete) {
    if (error) *error = CannotWrite(path, std::strerror(errno));
    return false;
  }
  if (!complete) {
    if (error)
      *error = CannotWrite(path, written < 0 ? std::strerror(writeError) : "zapis niepełny");
    return false;
  }
  return true;
}

}  // namespace tess::dictionary
