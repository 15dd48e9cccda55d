#pragma once
// Where the learners' files of an installation live. A writable installation folder (a
// portable copy) keeps them beside the programs; a read-only one, such as a system-wide
// package, sends them to $XDG_DATA_HOME/tessaron/<course>/ with the same layout. Both programs
// ask here, so they always agree.
#include <functional>
#include <string>

namespace tess {

/// "english", "german" or "french" for course language 1, 2, 3; anything else counts as 1.
std::string CourseWordOf(int courseLanguage);

/// The course language of the installation in `programDir`: line 2 of "tess_r.txt" (0 or an
/// empty line mean 1), or `fallback` when the file is missing or its line is not 0 to 3.
int InstalledCourseLanguage(const std::string& programDir, int fallback);

/// Whether the programs may create and rewrite files in a folder.
using WritableProbe = std::function<bool(const std::string&)>;

struct DataRootQuery {
  std::string ProgramDir;  ///< ends in a separator
  std::string CourseWord;  ///< names the folder below tessaron/
  std::string XdgDataHome;  ///< as in the environment; empty or relative means unset
  std::string Home;
  WritableProbe Writable;
};

/// ProgramDir when it is writable, else XdgDataHome (or Home + "/.local/share") +
/// "/tessaron/" + CourseWord + "/". Ends in a separator. Creates nothing.
std::string DataRootOf(const DataRootQuery& query);

/// The folder is writable for this process (access W_OK on the resolved path).
bool FolderWritable(const std::string& folder);

/// DataRootOf with this process's environment; a data root outside `programDir` is created
/// (missing levels 0700) so the first write finds it.
std::string SettleDataRoot(const std::string& programDir, int courseLanguage,
                           const WritableProbe& writable = FolderWritable);

}  // namespace tess
