#pragma once
// The learner's list of words to learn: a text file in the user's folder with ten header lines
// and then one entry number per line, in the order the entries were added.
#include <string>

namespace tess::dictionary {

/// UserDir + language word + "slow.txt" ("eng_34slow.txt" for English, "slow.txt" where the
/// language has no word). An empty UserDir leaves the file in the current folder.
std::string LearningListPath(const std::string& userDir, int language);

/// The ten header lines of a new file, CR LF after each (cp1250).
std::string LearningListHeader();

/// Appends the entry number as a line, flushed to disk; a file that does not exist yet is made
/// with its header first. The line goes in whole or not at all. False with a Polish message
/// (UTF-8) in `error` when the file cannot be written.
bool AppendToLearningList(const std::string& path, int entryNo, std::string* error = nullptr);

}  // namespace tess::dictionary
