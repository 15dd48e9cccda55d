#include "core/SpeechTempo.h"

#include <algorithm>
#include <iterator>

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

namespace {

bool IsStep(int percent) {
  return std::find(std::begin(kTempoSteps), std::end(kTempoSteps), percent) !=
         std::end(kTempoSteps);
}

}  // namespace

std::string TempoFilePath(const std::string& userDir, const std::string& settingsTag) {
  if (userDir.empty()) return {};
  return userDir + "tempo_" + settingsTag + ".txt";
}

int ReadTempoPercent(const std::string& path) {
  if (path.empty()) return 100;
  TextFileReader reader;
  std::string line;
  if (!reader.Open(path) || !reader.ReadLine(line)) return 100;
  const std::string text = Trim(line);
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 100;
  }
  const int percent = std::stoi(text);
  return IsStep(percent) ? percent : 100;
}

bool WriteTempoPercent(const std::string& path, int percent, std::string* error) {
  if (path.empty()) return true;
  return WriteFileAtomically(path, std::to_string(IsStep(percent) ? percent : 100) + "\r\n", error);
}

int NextTempoPercent(int percent) {
  const auto* at = std::find(std::begin(kTempoSteps), std::end(kTempoSteps), percent);
  if (at == std::end(kTempoSteps)) return kTempoSteps[1];
  ++at;
  return at == std::end(kTempoSteps) ? kTempoSteps[0] : *at;
}

}  // namespace tess
