#pragma once
// A temporary course installation folder with the files a test asks for.
#include <filesystem>
#include <string>
#include <string_view>

#include "support/TempFolder.h"

namespace tess::testing {

class CourseFolder {
 public:
  /// ProgramDir as the program sees it: the folder with a trailing separator.
  std::string ProgramDir() const { return folder_.path() + "/"; }
  std::string ProgramFile() const { return folder_.path() + "/coursebook"; }
  std::string operator/(std::string_view name) const { return folder_ / name; }

  void Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = folder_ / name;
    std::filesystem::create_directories(path.parent_path());
    WriteBytes(path.string(), bytes);
  }
  void MakeFolder(std::string_view name) const {
    std::filesystem::create_directories(folder_ / name);
  }
  /// ts50.ini and an English tess_r.txt.
  void WriteInstallation(std::string_view languageLine = "1") const {
    Write("ts50.ini", "Tessaron\r\n1\r\n");
    Write("tess_r.txt", "Kurs angielskiego\r\n" + std::string(languageLine) + "\r\n");
  }

 private:
  TempFolder folder_;
};

}  // namespace tess::testing
