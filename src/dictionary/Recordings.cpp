#include "dictionary/Recordings.h"

#include <optional>

#include "dictionary/DictionaryConfig.h"
#include "dictionary/EntryTable.h"
#include "shared/Text.h"

namespace tess::dictionary {

std::string NumberedRecordingPath(const std::string& recordingsRoot, int number) {
  if (number <= 0) return {};
  std::string digits = std::to_string(number);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return recordingsRoot + "D_" + digits.substr(0, 2) + "\\dd_" + digits.substr(0, 3) + "\\" +
         digits + ".wav";
}

std::string RecordingPath(const EntryTable& table, int position, const DictionaryConfig& config,
                          const std::string& programDir) {
  const std::string recording = Trim(table.Recording(position));
  if (table.OwnRecording(position) == 1) {
    return recording.empty() ? std::string() : programDir + "Nagrania\\" + recording;
  }
  if (recording.empty()) return {};
  const std::optional<int> number = ParseInt(recording);
  return number ? NumberedRecordingPath(config.RecordingsRoot, *number) : std::string();
}

}  // namespace tess::dictionary
