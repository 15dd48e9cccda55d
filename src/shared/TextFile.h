#pragma once
// Text files line by line: CR LF or LF ends a line, the last line needs no line end.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class TextFileReader {
 public:
  TextFileReader() = default;
  explicit TextFileReader(const std::string& path) { Open(path); }
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  /// Opens the file through the path resolver; false when it cannot be read.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  /// Next line without its line end; false at the end of the file.
  bool ReadLine(std::string& line);
  bool AtEnd();
  void Close();

 private:
  std::FILE* file_ = nullptr;
};

/// A whole file read into memory, or why it was not.
struct FileBytes {
  enum class Outcome { Read, CannotOpen, TooLarge, CannotRead };
  Outcome Result = Outcome::CannotOpen;
  std::string Bytes;  ///< empty unless read
  int Error = 0;      ///< errno when it could not be opened
};
/// Reads the file at `path` whole; a file of more than `limit` bytes is not read.
FileBytes ReadFileBytes(const std::string& path, size_t limit = static_cast<size_t>(-1));

/// Every line of a file; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
/// The lines of file bytes: LF ends a line and a CR just before it belongs to the line end; a
/// last line without a line end is still a line, and a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view bytes);

/// Lines joined with CR LF after each, as course files are written.
std::string JoinCrLf(const std::vector<std::string>& lines);

/// Rewrites a file whole: writes a temporary file beside it, flushes it to disk and renames
/// it over the old one, so a crash never leaves half a file. On failure the old file is
/// untouched and `error` (when given) holds the reason. The temporary file is named
/// path + ".tmp-" + six letters or digits and locked (flock) while in use; such files of this
/// target that nobody holds locked were left by killed saves and are removed first.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

/// Appends `line` (with its line end) to a file, flushed to disk, whole or not at all: a short
/// write or a failed flush cuts the file back. A file that lacks its last line end gets one
/// first, so the line never joins another. A file that does not exist yet is made whole from
/// `newFileStart` and the line. On failure `reason` (when given) says why.
bool AppendLineDurably(const std::string& path, std::string_view line,
                       std::string_view newFileStart = {}, std::string* reason = nullptr);

}  // namespace tess
