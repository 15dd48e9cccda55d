#include "core/ModeFile.h"

#include "shared/TextFile.h"

namespace tess {

int ReadModeFile(const std::string& programDir, ClassroomSettings& settings) {
  settings = ClassroomSettings{};
  TextFileReader reader;
  if (!reader.Open(programDir + "dd.t")) return -1;
  std::string line;
  if (reader.ReadLine(line)) settings.ServerHost = line;
  if (reader.ReadLine(line)) settings.LocalAllowed = line == "1";
  return 1;
}

}  // namespace tess
