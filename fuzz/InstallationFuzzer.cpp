// The course file "tess_r.txt" beside "ts50.ini".
#include "FuzzSupport.h"
#include "core/Installation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  fuzz::WriteFile("ts50.ini", "");
  fuzz::WriteFile("tess_r.txt", fuzz::AsText(data, size));
  CourseInstallation install;
  const InstallationError error = ReadInstallation(fuzz::Folder(), install);
  TESS_FUZZ_CHECK(error == InstallationError::None ||
                  error == InstallationError::BadCourseLanguage);
  if (error == InstallationError::None) {
    TESS_FUZZ_CHECK(install.CourseLanguage >= 1 && install.CourseLanguage <= 3);
    TESS_FUZZ_CHECK(install.SettingsTag == SettingsTagOf(install.CourseLanguage));
  } else {
    TESS_FUZZ_CHECK(!InstallationMessage(error).empty());
  }
  return 0;
}
