// The sound module's one exported function (platform/SoundModule.h).
#include "platform/QtSoundDevices.h"

extern "C" __attribute__((visibility("default"))) tess::SoundDevices* tessaron_sound_devices() {
  static tess::QtSoundDevices devices;
  return &devices;
}
