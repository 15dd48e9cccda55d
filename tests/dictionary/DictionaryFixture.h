#pragma once
// A temporary dictionary installation with the files a test asks for.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"

namespace tess::testing {

class DictionaryFolder {
 public:
  /// ProgramDir as the program sees it: the folder with a trailing separator.
  std::string ProgramDir() const { return folder_.path() + "/"; }
  std::string operator/(std::string_view name) const { return folder_ / name; }

  void Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = folder_ / name;
    std::filesystem::create_directories(path.parent_path());
    WriteBytes(path.string(), bytes);
  }
  /// Lines joined with CR LF, as the Windows files were written.
  void WriteLines(std::string_view name, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    Write(name, bytes);
  }
  /// ts50.ini with the recordings root on line 2, and tess_50_slow.txt with the language.
  void WriteInstallation(std::string_view recordingsRoot = "Hdd\\Slownik\\",
                         std::string_view language = "1") const {
    WriteLines("ts50.ini", {"Tessaron 5.0", std::string(recordingsRoot)});
    WriteLines("tess_50_slow.txt", {"Tessaron 5.0 - slownik", std::string(language)});
  }

 private:
  TempFolder folder_;
};

/// A word-list line: group, entry number, difficulty, class, headword, fields 2 to 8.
inline std::string WordLine(int entryNo, std::string_view headword, std::string_view translation,
                            std::string_view recording = "", std::string_view level = "") {
  char columns[16];
  std::snprintf(columns, sizeof columns, "01 0%05d 13 ", entryNo);
  return std::string(columns) + std::string(headword) + " =" + std::string(translation) +
         "====" + std::string(recording) + "==" + std::string(level) + "=";
}

}  // namespace tess::testing
