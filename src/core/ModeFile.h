#pragma once
// The classroom mode file "dd.t": its presence switches the course to classroom mode.
#include <string>

namespace tess {

struct ClassroomSettings {
  std::string ServerHost;     ///< line 1, taken unchanged
  bool LocalAllowed = false;  ///< line 2 is "1"
  static constexpr int kPort = 9099;
};

/// -1 (local) when ProgramDir + "dd.t" does not exist, else 1 with `settings` read from it.
int ReadModeFile(const std::string& programDir, ClassroomSettings& settings);

}  // namespace tess
