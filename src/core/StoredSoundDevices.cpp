#include "core/StoredSoundDevices.h"

#include "core/SoundDeviceChoice.h"
#include "platform/AudioDevices.h"

namespace tess {

void ApplyStoredSoundDevices(const std::string& userDir, const std::string& settingsTag) {
  const SoundDeviceChoice choice =
      ReadSoundDeviceChoice(SoundDeviceFilePath(userDir, settingsTag));
  SetPreferredAudioDevices(choice.Output, choice.Input);
}

}  // namespace tess
