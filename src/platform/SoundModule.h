#pragma once
// Sound and films live in a module of their own beside the programs: the libraries behind them
// (the sound server's client, the codecs, GStreamer) are many, and loading them with the
// program would keep the first window waiting. The module is loaded when the first sound,
// film, recording or device list is asked for; the players made here only ask for it then.
#include <memory>
#include <string>
#include <vector>

#include "platform/MediaPlayer.h"
#include "platform/VoiceRecorder.h"

namespace tess {

/// What the module gives; the same is linked straight into the tests.
class SoundDevices {
 public:
  virtual ~SoundDevices() = default;
  virtual std::unique_ptr<MediaPlayer> MakeWavePlayer() = 0;
  virtual std::unique_ptr<FilmPlayer> MakeFilmPlayer() = 0;
  virtual std::unique_ptr<VoiceRecorder> MakeVoiceRecorder() = 0;
  /// The learner's choice, by the names the lists give (UTF-8); empty follows the system.
  virtual void SetPreferredAudioDevices(const std::string& output, const std::string& input) = 0;
  virtual std::vector<std::string> AudioOutputNames() = 0;
  virtual std::vector<std::string> AudioInputNames() = 0;
};

/// The module's file, beside the program.
inline constexpr const char* kSoundModuleFile = "tessaron-sound.so";
/// The one function the module exports; it returns the module's devices, kept for the process.
inline constexpr const char* kSoundModuleEntry = "tessaron_sound_devices";

/// The devices of the module beside the running program, loaded at the first call. Where it
/// cannot be loaded, devices whose players and recorders fail with a message that says why.
SoundDevices& LoadedSoundDevices();

/// Loads the module from `file`; null with `error` set when it cannot be loaded.
SoundDevices* LoadSoundModule(const std::string& file, std::string* error);

/// Players and a recorder that make their real one from LoadedSoundDevices() at first use.
std::unique_ptr<MediaPlayer> WavePlayerOnFirstUse();
std::unique_ptr<FilmPlayer> FilmPlayerOnFirstUse();
std::unique_ptr<VoiceRecorder> VoiceRecorderOnFirstUse();

}  // namespace tess
