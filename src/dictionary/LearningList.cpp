#include "dictionary/LearningList.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
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
  auto fail = [&](const std::string& reason) {
    ::close(fd);
    if (error) *error = CannotWrite(path, reason);
    return false;
  };
  struct stat before;
  if (::fstat(fd, &before) != 0) return fail(std::strerror(errno));
  // A file edited by hand may lack its last line end; the number must not join that line.
  std::string text = line;
  char last = '\n';
  if (before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) == 1 && last != '\n') {
    text.insert(0, "\r\n");
  }
  // The line goes in whole or not at all: a part of it would stay in the list as a wrong
  // entry, so a short write or a failed flush cuts the file back to its old length.
  auto undo = [&](int reason) {
    const bool cutBack = ::ftruncate(fd, before.st_size) == 0;
    std::string message = reason == 0 ? "zapis niepełny" : std::strerror(reason);
    if (!cutBack) message += "; plik mógł zostać uszkodzony";
    return fail(message);
  };
  std::string_view rest = text;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return undo(written < 0 ? errno : 0);
    rest.remove_prefix(static_cast<size_t>(written));
  }
  if (::fsync(fd) != 0) return undo(errno);
  if (::close(fd) != 0) {
    if (error) *error = CannotWrite(path, std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace tess::dictionary
