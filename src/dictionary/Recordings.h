#pragma once
// Where an entry's recording lies: a file of the user's own in "Nagrania", or a numbered
// recording of the dictionary in the folders D_xx\dd_xxx\ under the recordings root.
#include <string>

namespace tess::dictionary {

class EntryTable;
struct DictionaryConfig;

/// The recording of the entry at `position`, or an empty text when it has none.
std::string RecordingPath(const EntryTable& table, int position, const DictionaryConfig& config,
                          const std::string& programDir);

/// The file of recording number `number` under `recordingsRoot` (ending in "\"): the number
/// with leading zeros to at least 5 digits s, then "D_" + s[0..2) + "\dd_" + s[0..3) + "\" +
/// s + ".wav". Empty when the number is not above 0.
std::string NumberedRecordingPath(const std::string& recordingsRoot, int number);

}  // namespace tess::dictionary
