#include "shared/Paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "shared/Text.h"

namespace tess {

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool EntryExists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` that equals `name` when only "A" to "Z" are folded. File names are
// compared byte by byte, so letters outside ASCII (cp1250 or UTF-8) must match in case;
// the course's own file names are ASCII. The first in byte order wins, so the choice does
// not depend on the order of the directory.
std::optional<std::string> FindFolded(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view candidate(entry->d_name);
    if (SameTextAZ(candidate, name) && (!best || candidate < *best)) best = std::string(candidate);
  }
  ::closedir(dir);
  return best;
}

std::string Join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

}  // namespace

// Only "/" starts an absolute path: the programs build every path from ProgramDir, which is
// absolute, so a leading "\" can only be a relative name and is taken from the current folder.
std::string ResolvePath(std::string_view path) {
  if (path.empty()) return {};
  const bool absolute = path.front() == '/';
  const bool trailing = IsSeparator(path.back());

  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }

  std::string spelled = absolute ? "/" : "";
  for (std::string_view part : parts) spelled = Join(spelled, part);
  if (parts.empty()) return absolute ? "/" : "./";
  const std::string suffix = trailing ? "/" : "";
  // The usual case: the path exists exactly as written.
  if (EntryExists(spelled)) return spelled + suffix;

  std::string resolved = absolute ? "/" : "";
  bool searching = true;
  for (std::string_view part : parts) {
    std::string next = Join(resolved, part);
    if (searching && !EntryExists(next)) {
      if (std::optional<std::string> match = FindFolded(resolved, std::string(part))) {
        next = Join(resolved, *match);
      } else {
        // Nothing further down can exist; the rest stays as spelled.
        searching = false;
      }
    }
    resolved = std::move(next);
  }
  return resolved + suffix;
}

bool FileExists(std::string_view path) {
  if (path.empty()) return false;
  struct stat info;
  return ::stat(ResolvePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(std::string_view path) {
  if (path.empty()) return false;
  struct stat info;
  return ::stat(ResolvePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeDirectory(std::string_view path) {
  if (path.empty()) return false;
  const std::string resolved = ResolvePath(path);
  // Every prefix ending before a "/" is a parent; existing parents were already resolved.
  for (size_t slash = resolved.find('/', 1); slash != std::string::npos;
       slash = resolved.find('/', slash + 1)) {
    const std::string parent = resolved.substr(0, slash);
    if (::mkdir(parent.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  if (::mkdir(resolved.c_str(), 0777) != 0 && errno != EEXIST) return false;
  return DirectoryExists(resolved);
}

std::string WithTrailingSeparator(std::string_view folder) {
  std::string result(folder);
  if (result.empty() || !IsSeparator(result.back())) result += '\\';
  return result;
}

}  // namespace tess
