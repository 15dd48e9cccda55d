#pragma once
// The learner's own recordings of the phrases in the current mode: which phrase has one, and
// whether the phrase plays it or the lecturer's sound. Only names are made here; the recorder
// writes the files and they stay in ProgramDir after the mode is left.
#include <cstdint>
#include <string>
#include <vector>

namespace tess {

class ConversationScript;

class OwnRecordings {
 public:
  /// Recordings this long or shorter are refused (milliseconds).
  static constexpr std::int64_t kLongestRefusedMs = 299;

  /// Every mode starts with the lecturer's sounds and no recording offered.
  void Reset(const ConversationScript& script);
  int Count() const { return static_cast<int>(sounds_.size()); }

  /// "save_" + k: what the phrase recorder saves to (a bare name, so it lands in ProgramDir).
  static std::string RecordingBase(int k);
  /// ProgramDir + "save_" + k + ".Wav": the saved recording, opened for its length.
  static std::string RecordingFile(const std::string& programDir, int k);
  /// "save_" + k + ".wav": the name the phrase plays while the recording is switched on.
  static std::string RecordingSound(int k);

  /// A recording of phrase k has been saved and measured: longer than 299 ms it is offered
  /// and switched on (true); otherwise nothing changes (false).
  bool Accept(int k, std::int64_t lengthMs, const std::string& programDir);
  /// The switch of phrase k: between the learner's recording and the lecturer's sound. False
  /// (nothing changes) when the phrase has no recording in this mode.
  bool Toggle(int k);

  /// The sound phrase k plays now.
  const std::string& SoundOf(int k) const { return sounds_.at(Index(k)); }
  /// The lecturer's sound of phrase k, whatever the switch says.
  const std::string& LecturerSound(int k) const { return lecturer_.at(Index(k)); }
  /// ProgramDir + "save_" + k once phrase k was recorded in this mode, else empty.
  const std::string& RecordedFile(int k) const { return files_.at(Index(k)); }
  /// The learner's recording is in use (the switch shows its "on" picture).
  bool UsesOwn(int k) const { return own_.at(Index(k)); }

 private:
  static size_t Index(int k) { return static_cast<size_t>(k - 1); }

  std::vector<std::string> lecturer_;
  std::vector<std::string> sounds_;
  std::vector<std::string> files_;
  std::vector<bool> own_;
};

}  // namespace tess
