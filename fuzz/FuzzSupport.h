#pragma once
// What the fuzz targets share: a private folder for the parsers that read a file by its path,
// a fixed-width measurer for the layouts, a message box that keeps nothing, and a way to cut
// one input into the several files a loader reads.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "shared/TextMeasurer.h"

namespace tess::fuzz {

/// The input as text (the parsers see bytes; no code page is assumed).
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

/// One private folder per process under $TMPDIR, ending in "/"; the same files are rewritten
/// on every run, so the folder never grows.
inline const std::string& Folder() {
  // Never destroyed: the exit handler that removes the folder still needs its name.
  static const std::string* const folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tess-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(Folder(), ignored);
    });
    return new std::string(pattern + "/");
  }();
  return *folder;
}

/// Writes `bytes` to Folder() + name (folders made as needed) and returns the full path.
inline std::string WriteFile(const std::string& name, std::string_view bytes) {
  const std::string path = Folder() + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    std::perror(path.c_str());
    std::abort();
  }
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) {
      std::perror(path.c_str());
      std::abort();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  ::close(fd);
  return path;
}

/// Removes Folder() + name if it is there, so a run starts without the file.
inline void RemoveFile(const std::string& name) {
  std::error_code ignored;
  std::filesystem::remove_all(Folder() + name, ignored);
}

/// The whole file at `path`, or empty.
inline std::string ReadFile(const std::string& path) {
  std::string bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

/// Cuts an input into `count` parts at NUL bytes: the seeds are files joined with a NUL
/// between them. Missing parts are empty; the last part takes the rest.
inline std::vector<std::string_view> SplitParts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < count) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) break;
    parts.push_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  parts.push_back(input);
  parts.resize(count);
  return parts;
}

/// Every byte 6 pixels wide, 7 in bold; a fixed measurer keeps the layouts deterministic.
class FixedMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool /*italic*/) const override {
    return static_cast<int>(text.size()) * (bold ? 7 : 6);
  }
};

class SilentMessages : public MessageBox {
 public:
  void ShowMessage(const std::string&) override {}
  void ShowWarning(const std::string&) override {}
  void Beep() override {}
};

/// A failed expectation is a finding like any crash.
#define TESS_FUZZ_CHECK(condition)                                                       \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

}  // namespace tess::fuzz
