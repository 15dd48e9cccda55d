#include "drills/OwnRecordings.h"

#include "drills/ConversationScript.h"
#include "shared/Text.h"

namespace tess {

void OwnRecordings::Reset(const ConversationScript& script) {
  lecturer_.clear();
  for (int k = 1; k <= script.Count(); ++k) lecturer_.push_back(script.Phrase(k).Sound);
  sounds_ = lecturer_;
  files_.assign(lecturer_.size(), std::string());
  own_.assign(lecturer_.size(), false);
}

std::string OwnRecordings::RecordingBase(int k) { return "save_" + std::to_string(k); }

std::string OwnRecordings::RecordingFile(const std::string& programDir, int k) {
  return programDir + RecordingBase(k) + ".Wav";
}

std::string OwnRecordings::RecordingSound(int k) { return RecordingBase(k) + ".wav"; }

bool OwnRecordings::Accept(int k, std::int64_t lengthMs, const std::string& programDir) {
  if (k < 1 || k > Count() || lengthMs <= kLongestRefusedMs) return false;
  files_[Index(k)] = programDir + RecordingBase(k);
  sounds_[Index(k)] = RecordingSound(k);
  own_[Index(k)] = true;
  return true;
}

bool OwnRecordings::Toggle(int k) {
  if (k < 1 || k > Count() || Trim(files_[Index(k)]).empty()) return false;
  own_[Index(k)] = !own_[Index(k)];
  sounds_[Index(k)] = own_[Index(k)] ? RecordingSound(k) : lecturer_[Index(k)];
  return true;
}

}  // namespace tess
