#include "shared/DataRoot.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

std::string CourseWordOf(int courseLanguage) {
  switch (courseLanguage) {
    case 2:
      return "german";
    case 3:
      return "french";
    default:
      return "english";
  }
}

int InstalledCourseLanguage(const std::string& programDir, int fallback) {
  const auto lines = ReadTextLines(programDir + "tess_r.txt");
  if (!lines) return fallback;
  const std::string line = lines->size() > 1 ? Trim((*lines)[1]) : std::string();
  if (line.empty()) return 1;
  const auto parsed = ParseInt(line);
  if (!parsed || *parsed < 0 || *parsed > 3) return fallback;
  return *parsed == 0 ? 1 : *parsed;
}

std::string DataRootOf(const DataRootQuery& query) {
  if (query.Writable && query.Writable(query.ProgramDir)) return query.ProgramDir;
  // A relative XDG_DATA_HOME is not to be trusted, so it counts as unset.
  std::string base = query.XdgDataHome;
  if (base.empty() || base.front() != '/') base = query.Home + "/.local/share";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/tessaron/" + query.CourseWord + "/";
}

bool FolderWritable(const std::string& folder) {
  return !folder.empty() && ::access(ResolvePath(folder).c_str(), W_OK) == 0;
}

namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/tmp";
}

// Missing levels get 0700: other accounts have no business in a learner's data.
void MakePrivateFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) return;
  }
}

}  // namespace

std::string SettleDataRoot(const std::string& programDir, int courseLanguage,
                           const WritableProbe& writable) {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const std::string root = DataRootOf(
      {programDir, CourseWordOf(courseLanguage), xdg != nullptr ? xdg : "", HomeFolder(), writable});
  if (root != programDir) MakePrivateFolders(root);
  return root;
}

}  // namespace tess
