// The learner's sound device file "dzwiek_" + SettingsTag + ".txt": read, written back with
// its other lines kept, and read again to the same choice.
#include "FuzzSupport.h"
#include "core/SoundDeviceChoice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("1/dzwiek_tsa2_2003.txt", fuzz::AsText(data, size));
  const SoundDeviceChoice choice = ReadSoundDeviceChoice(path);
  for (const std::string* name : {&choice.Output, &choice.Input}) {
    for (unsigned char c : *name) TESS_FUZZ_CHECK(c >= 0x20 && c != 0x7F);
  }
  TESS_FUZZ_CHECK(WriteSoundDeviceChoice(path, choice));
  TESS_FUZZ_CHECK(ReadSoundDeviceChoice(path) == choice);
  const SoundDeviceEntries entries = ListSoundDevices({choice.Output, choice.Input}, choice.Output);
  TESS_FUZZ_CHECK(entries.Chosen >= 0 && entries.Chosen < static_cast<int>(entries.Names.size()));
  return 0;
}
