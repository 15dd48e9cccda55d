// A user's settings file "ustaw_" + SettingsTag + ".txt": read, written back and read again,
// and the course's login step that applies it.
#include "FuzzSupport.h"
#include "core/CourseState.h"
#include "core/Settings.h"
#include "core/UserSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("1/ustaw_tsa2_2003.txt", fuzz::AsText(data, size));
  UserSettings settings;
  const SettingsRead read = ReadUserSettings(path, settings);
  TESS_FUZZ_CHECK(read != SettingsRead::Missing);
  TESS_FUZZ_CHECK(settings.InterfaceLanguage >= 0 && settings.InterfaceLanguage <= 3);

  // What is written back reads as the same settings.
  const std::string copy = fuzz::Folder() + "1/copy.txt";
  TESS_FUZZ_CHECK(WriteUserSettings(copy, settings));
  UserSettings again;
  TESS_FUZZ_CHECK(ReadUserSettings(copy, again) == SettingsRead::Loaded);
  TESS_FUZZ_CHECK(again == settings);

  CourseState state;
  state.Install.ProgramDir = fuzz::Folder();
  state.UserDir = fuzz::Folder() + "1/";
  fuzz::SilentMessages messages;
  LoadUserSettings(state, messages, [] { return true; });
  TESS_FUZZ_CHECK(state.InterfaceLanguage >= 0 && state.InterfaceLanguage <= 3);
  return 0;
}
