#include "shared/TextFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "shared/Paths.h"

namespace tess {

namespace {

std::string Reason(const std::string& what, const std::string& path, int error) {
  return what + " " + path + ": " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Temporary files are the target's name, this infix and mkstemp's six letters or digits.
constexpr std::string_view kTempInfix = ".tmp-";
constexpr size_t kTempRandomLength = 6;

bool IsTempNameOf(std::string_view entry, std::string_view base) {
  if (entry.size() != base.size() + kTempInfix.size() + kTempRandomLength) return false;
  if (entry.substr(0, base.size()) != base) return false;
  if (entry.substr(base.size(), kTempInfix.size()) != kTempInfix) return false;
  for (const char c : entry.substr(base.size() + kTempInfix.size())) {
    const bool letterOrDigit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letterOrDigit) return false;
  }
  return true;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the temporary files of `base` in `folder` that saves killed before their rename left
// behind. A save holds an exclusive lock on its temporary file until the rename, so a file
// whose lock can be had belongs to no live save. Anything else is left alone: other names,
// links, folders, files we cannot open.
void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempNameOf(entry->d_name, base)) continue;
    const std::string path = folder + "/" + entry->d_name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened, named;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
        SameFile(opened, named)) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
  ::closedir(dir);
}

// Creates a locked temporary file beside `target`. A cleaner in another process may have
// taken the new file away between its creation and the lock; then it is made again.
int CreateLockedTemporary(const std::string& target, std::string& temp) {
  for (int tries = 0; tries < 10; ++tries) {
    temp = target + std::string(kTempInfix) + std::string(kTempRandomLength, 'X');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat opened, named;
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &opened) == 0 &&
        ::lstat(temp.c_str(), &named) == 0 && SameFile(opened, named)) {
      return fd;
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

}  // namespace

TextFileReader::~TextFileReader() { Close(); }

bool TextFileReader::Open(const std::string& path) {
  Close();
  file_ = std::fopen(ResolvePath(path).c_str(), "rb");
  return file_ != nullptr;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  if (file_ == nullptr) return false;
  int c = getc_unlocked(file_);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    line.push_back(static_cast<char>(c));
    c = getc_unlocked(file_);
  }
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool TextFileReader::AtEnd() {
  if (file_ == nullptr) return true;
  const int c = getc_unlocked(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

void TextFileReader::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const bool hasEnd = end != std::string_view::npos;
    if (!hasEnd) end = bytes.size();
    size_t stop = end;
    if (hasEnd && stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

FileBytes ReadFileBytes(const std::string& path, size_t limit) {
  FileBytes read;
  std::FILE* file = std::fopen(ResolvePath(path).c_str(), "rb");
  if (file == nullptr) {
    read.Error = errno;
    return read;
  }
  struct stat info;
  if (::fstat(::fileno(file), &info) == 0 && static_cast<std::uintmax_t>(info.st_size) > limit) {
    std::fclose(file);
    read.Result = FileBytes::Outcome::TooLarge;
    return read;
  }
  char buffer[65536];
  size_t got;
  read.Result = FileBytes::Outcome::Read;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    // The size can grow while the file is read.
    if (read.Bytes.size() + got > limit) {
      read.Result = FileBytes::Outcome::TooLarge;
      break;
    }
    read.Bytes.append(buffer, got);
  }
  if (read.Result == FileBytes::Outcome::Read && std::ferror(file) != 0) {
    read.Result = FileBytes::Outcome::CannotRead;
  }
  std::fclose(file);
  if (read.Result != FileBytes::Outcome::Read) read.Bytes.clear();
  return read;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  const FileBytes read = ReadFileBytes(path);
  if (read.Result != FileBytes::Outcome::Read) return std::nullopt;
  return SplitLines(read.Bytes);
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string result;
  result.reserve(size);
  for (const std::string& line : lines) {
    result += line;
    result += "\r\n";
  }
  return result;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const std::string target = ResolvePath(path);
  auto fail = [&](const std::string& reason) {
    if (error != nullptr) *error = reason;
    return false;
  };
  if (target.empty() || target.back() == '/') return fail("not a file name: " + path);
  const size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

  // Before writing, so that what killed saves left does not also fill the disk.
  RemoveStaleTemporaries(folder, base);

  // The temporary file lives beside the target so the rename stays on one file system. Its
  // lock is held until after the rename, which tells other saves it is in use.
  std::string temp;
  const int fd = CreateLockedTemporary(target, temp);
  if (fd < 0) return fail(Reason("cannot create a temporary file for", target, errno));

  auto abandon = [&](const std::string& what) {
    const int saved = errno;
    ::unlink(temp.c_str());
    ::close(fd);
    return fail(Reason(what, target, saved));
  };
  // mkstemp makes the file private; keep the old file's mode, or the usual one for a new file.
  struct stat old;
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return abandon("cannot set the mode of");
  if (!WriteAll(fd, bytes)) return abandon("cannot write");
  if (::fsync(fd) != 0) return abandon("cannot flush");
  if (::rename(temp.c_str(), target.c_str()) != 0) return abandon("cannot replace");
  // The data is on disk since the fsync; closing only gives up the lock.
  ::close(fd);

  // Make the rename itself durable. The new content is already in place, so a folder that
  // refuses fsync is not a failure of the write.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

bool AppendLineDurably(const std::string& path, std::string_view line,
                       std::string_view newFileStart, std::string* reason) {
  const auto fail = [&](const std::string& why) {
    if (reason) *reason = why;
    return false;
  };
  if (!FileExists(path)) {
    std::string whole(newFileStart);
    whole.append(line);
    std::string why;
    return WriteFileAtomically(path, whole, &why) || fail(why);
  }
  const std::string resolved = ResolvePath(path);
  const int fd = ::open(resolved.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0) return fail(std::strerror(errno));
  const auto closeAndFail = [&](const std::string& why) {
    ::close(fd);
    return fail(why);
  };
  struct stat before;
  if (::fstat(fd, &before) != 0) return closeAndFail(std::strerror(errno));
  std::string text(line);
  char last = '\n';
  if (before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) == 1 && last != '\n') {
    text.insert(0, "\r\n");
  }
  // A part of the line would stay as a wrong line, so anything short cuts the file back.
  const auto undo = [&](int error) {
    const bool cutBack = ::ftruncate(fd, before.st_size) == 0;
    std::string why = error == 0 ? "zapis niepełny" : std::strerror(error);
    if (!cutBack) why += "; plik mógł zostać uszkodzony";
    return closeAndFail(why);
  };
  std::string_view rest = text;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return undo(written < 0 ? errno : 0);
    rest.remove_prefix(static_cast<size_t>(written));
  }
  if (::fsync(fd) != 0) return undo(errno);
  if (::close(fd) != 0) return fail(std::strerror(errno));
  return true;
}

}  // namespace tess
