#include "dictionary/LearningList.h"

#include <string_view>
#include <vector>

#include "dictionary/DictionaryLanguage.h"
#include "shared/Paths.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

constexpr int kHeaderLines = 10;

std::string CannotWrite(const std::string& path, const std::string& reason) {
  return "Nie można zapisać listy słówek do nauki w pliku " + path + ": " + reason;
}

}  // namespace

std::string LearningListPath(const std::string& userDir, int language) {
  return userDir + FilesOf(language).LearningWord + "slow.txt";
}

std::string LearningListHeader() {
  std::vector<std::string> lines(kHeaderLines);
  lines[0] = "Tessaron 5.0";
  lines[1] = "S\xB3\xF3wka ze s\xB3ownika...";  // "Słówka ze słownika..." in cp1250
  return JoinCrLf(lines);
}

bool AppendToLearningList(const std::string& path, int entryNo, std::string* error) {
  std::string reason;
  if (AppendLineDurably(path, std::to_string(entryNo) + "\r\n", LearningListHeader(), &reason)) {
    return true;
  }
  if (error) *error = CannotWrite(path, reason);
  return false;
}

}  // namespace tess::dictionary
