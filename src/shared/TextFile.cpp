#include "shared/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shared/Paths.h"

namespace tess {

namespace {

// Splits on LF; a CR directly before the LF belongs to the line end. A last line without a
// line end is still a line, and a final line end adds no empty line.
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

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::FILE* file = std::fopen(ResolvePath(path).c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return SplitLines(bytes);
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

  // The temporary file lives beside the target so the rename stays on one file system.
  std::string temp = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return fail(Reason("cannot create a temporary file for", target, errno));

  auto abandon = [&](const std::string& what) {
    const int saved = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return fail(Reason(what, target, saved));
  };
  // mkstemp makes the file private; keep the old file's mode, or the usual one for a new file.
  struct stat old;
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return abandon("cannot set the mode of");
  if (!WriteAll(fd, bytes)) return abandon("cannot write");
  if (::fsync(fd) != 0) return abandon("cannot flush");
  if (::close(fd) != 0) {
    const int saved = errno;
    ::unlink(temp.c_str());
    return fail(Reason("cannot close", target, saved));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int saved = errno;
    ::unlink(temp.c_str());
    return fail(Reason("cannot replace", target, saved));
  }

  // Make the rename itself durable. The new content is already in place, so a folder that
  // refuses fsync is not a failure of the write.
  const size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

}  // namespace tess
