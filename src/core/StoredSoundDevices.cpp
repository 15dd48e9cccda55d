#include "core/StoredSoundDevices.h"

#include "core/SoundDeviceChoice.h"
#include "platform/SoundModule.h"

namespace tess {

void ApplyStoredSoundDevices(const std::string& userDir, const std::string& settingsTag) {
  const SoundDeviceChoice choice =
      ReadSoundDeviceChoice(SoundDeviceFilePath(userDir, settingsTag));
  LoadedSoundDevices().SetPreferredAudioDevices(choice.Output, choice.Input);
}

}  // namespace tess
