#include "platform/SoundModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace tess {
namespace {

/// Where the module is missing or damaged: nothing plays, and every attempt says why.
class SilentPlayer : public FilmPlayer {
 public:
  explicit SilentPlayer(std::string why) : why_(std::move(why)) {}
  void SetFileName(const std::string& path) override { fileName_ = path; }
  const std::string& FileName() const override { return fileName_; }
  bool Open(std::string* error) override {
    if (error) *error = why_;
    return false;
  }
  void Close() override {}
  void SetWait(bool) override {}
  void Play() override {}
  void Pause() override {}
  void Resume() override {}
  void Stop() override {}
  void Seek(std::int64_t) override {}
  PlayerState State() const override { return PlayerState::NotReady; }
  std::int64_t PositionMs() const override { return 0; }
  std::int64_t LengthMs() const override { return 0; }
  void SetDoneHandler(DoneHandler) override {}
  void SetDisplay(QWidget*) override {}

 private:
  std::string why_;
  std::string fileName_;
};

class SilentRecorder : public VoiceRecorder {
 public:
  explicit SilentRecorder(std::string why) : why_(std::move(why)) {}
  int Open() override { return 1; }
  int Record() override { return 1; }
  int Save(const std::string&) override { return 1; }
  int Close() override { return 0; }
  std::string ErrorText(int) const override { return why_; }

 private:
  std::string why_;
};

class SilentDevices : public SoundDevices {
 public:
  explicit SilentDevices(std::string why) : why_(std::move(why)) {}
  std::unique_ptr<MediaPlayer> MakeWavePlayer() override {
    return std::make_unique<SilentPlayer>(why_);
  }
  std::unique_ptr<FilmPlayer> MakeFilmPlayer() override {
    return std::make_unique<SilentPlayer>(why_);
  }
  std::unique_ptr<VoiceRecorder> MakeVoiceRecorder() override {
    return std::make_unique<SilentRecorder>(why_);
  }
  void SetPreferredAudioDevices(const std::string&, const std::string&) override {}
  std::vector<std::string> AudioOutputNames() override { return {}; }
  std::vector<std::string> AudioInputNames() override { return {}; }

 private:
  std::string why_;
};

std::string ProgramFolder() {
  std::error_code failed;
  const auto program = std::filesystem::canonical("/proc/self/exe", failed);
  return failed ? std::string() : program.parent_path().string();
}

/// Forwards every call to the real player, made when something is to be opened or played;
/// what is only set or asked before that is kept or answered here, so that making the
/// program's players and wiring them loads nothing.
template <typename Interface>
class PlayerOnFirstUse : public Interface {
 public:
  void SetFileName(const std::string& path) override {
    if (real_) real_->SetFileName(path);
    fileName_ = path;
  }
  const std::string& FileName() const override { return real_ ? real_->FileName() : fileName_; }
  bool Open(std::string* error) override { return Real().Open(error); }
  void Close() override {
    if (real_) real_->Close();
  }
  void SetWait(bool wait) override {
    if (real_) real_->SetWait(wait);
    wait_ = wait;
  }
  void Play() override { Real().Play(); }
  void Pause() override { Real().Pause(); }
  void Resume() override { Real().Resume(); }
  void Stop() override {
    if (real_) real_->Stop();
  }
  void Seek(std::int64_t ms) override { Real().Seek(ms); }
  PlayerState State() const override { return real_ ? real_->State() : PlayerState::NotReady; }
  std::int64_t PositionMs() const override { return real_ ? real_->PositionMs() : 0; }
  std::int64_t LengthMs() const override { return real_ ? real_->LengthMs() : 0; }
  void SetDoneHandler(MediaPlayer::DoneHandler handler) override {
    if (real_) {
      real_->SetDoneHandler(std::move(handler));
    } else {
      handler_ = std::move(handler);
    }
  }
  void SetSpeed(double speed) override {
    if (real_) real_->SetSpeed(speed);
    speed_ = speed;
  }
  double Speed() const override { return real_ ? real_->Speed() : speed_; }

 protected:
  virtual std::unique_ptr<Interface> Make() const = 0;
  bool Made() const { return real_ != nullptr; }
  Interface& Real() {
    if (!real_) {
      real_ = Make();
      real_->SetFileName(fileName_);
      real_->SetWait(wait_);
      real_->SetSpeed(speed_);
      if (handler_) real_->SetDoneHandler(std::move(handler_));
    }
    return *real_;
  }

 private:
  std::unique_ptr<Interface> real_;
  std::string fileName_;
  bool wait_ = false;
  double speed_ = 1.0;
  MediaPlayer::DoneHandler handler_;
};

class LazyWavePlayer final : public PlayerOnFirstUse<MediaPlayer> {
  std::unique_ptr<MediaPlayer> Make() const override {
    return LoadedSoundDevices().MakeWavePlayer();
  }
};

class LazyFilmPlayer final : public PlayerOnFirstUse<FilmPlayer> {
 public:
  void SetDisplay(QWidget* panel) override {
    if (panel || Made()) Real().SetDisplay(panel);
  }

 private:
  std::unique_ptr<FilmPlayer> Make() const override {
    return LoadedSoundDevices().MakeFilmPlayer();
  }
};

class LazyVoiceRecorder final : public VoiceRecorder {
 public:
  int Open() override { return Real().Open(); }
  int Record() override { return Real().Record(); }
  int Save(const std::string& path) override { return Real().Save(path); }
  int Close() override { return real_ ? real_->Close() : 0; }
  std::string ErrorText(int code) const override { return Real().ErrorText(code); }

 private:
  VoiceRecorder& Real() const {
    if (!real_) real_ = LoadedSoundDevices().MakeVoiceRecorder();
    return *real_;
  }
  mutable std::unique_ptr<VoiceRecorder> real_;
};

}  // namespace

SoundDevices* LoadSoundModule(const std::string& file, std::string* error) {
  // Kept loaded for the process: its players and Qt's types it registers live that long.
  void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    if (error) *error = dlerror();
    return nullptr;
  }
  using Entry = SoundDevices* (*)();
  auto entry = reinterpret_cast<Entry>(dlsym(module, kSoundModuleEntry));
  SoundDevices* devices = entry ? entry() : nullptr;
  if (!devices && error) *error = file + ": " + kSoundModuleEntry + " not found";
  return devices;
}

SoundDevices& LoadedSoundDevices() {
  static SoundDevices* const devices = [] {
    const std::string file = ProgramFolder() + "/" + kSoundModuleFile;
    std::string error;
    if (SoundDevices* loaded = LoadSoundModule(file, &error)) return loaded;
    static SilentDevices silent("Nie można wczytać modułu dźwięku " + file + ": " + error);
    return static_cast<SoundDevices*>(&silent);
  }();
  return *devices;
}

std::unique_ptr<MediaPlayer> WavePlayerOnFirstUse() {
  return std::make_unique<LazyWavePlayer>();
}
std::unique_ptr<FilmPlayer> FilmPlayerOnFirstUse() {
  return std::make_unique<LazyFilmPlayer>();
}
std::unique_ptr<VoiceRecorder> VoiceRecorderOnFirstUse() {
  return std::make_unique<LazyVoiceRecorder>();
}

}  // namespace tess
