#include "core/SoundDeviceChoice.h"

#include <algorithm>
#include <vector>

#include "shared/TextFile.h"

namespace tess {

namespace {

constexpr std::string_view kOutputKey = "wyjscie=";
constexpr std::string_view kInputKey = "wejscie=";
// A device name longer than this is not one the sound system gave.
constexpr size_t kMaxNameLength = 512;

bool StartsWith(const std::string& line, std::string_view key) {
  return line.compare(0, key.size(), key) == 0;
}

// Control characters would break the line format and never occur in device names.
bool IsPlainName(std::string_view name) {
  if (name.size() > kMaxNameLength) return false;
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

}  // namespace

std::string SoundDeviceFilePath(const std::string& userDir, const std::string& settingsTag) {
  return userDir + "dzwiek_" + settingsTag + ".txt";
}

SoundDeviceChoice ReadSoundDeviceChoice(const std::string& path) {
  SoundDeviceChoice choice;
  const auto lines = ReadTextLines(path);
  if (!lines) return choice;
  for (const std::string& line : *lines) {
    for (auto [key, field] : {std::pair{kOutputKey, &choice.Output},
                              std::pair{kInputKey, &choice.Input}}) {
      if (!StartsWith(line, key)) continue;
      const std::string name = line.substr(key.size());
      *field = IsPlainName(name) ? name : std::string();
    }
  }
  return choice;
}

bool WriteSoundDeviceChoice(const std::string& path, const SoundDeviceChoice& choice,
                            std::string* error) {
  std::vector<std::string> lines;
  if (const auto old = ReadTextLines(path)) {
    for (const std::string& line : *old) {
      if (!StartsWith(line, kOutputKey) && !StartsWith(line, kInputKey)) lines.push_back(line);
    }
  }
  auto plain = [](const std::string& name) { return IsPlainName(name) ? name : std::string(); };
  lines.insert(lines.begin(), {std::string(kOutputKey) + plain(choice.Output),
                               std::string(kInputKey) + plain(choice.Input)});
  return WriteFileAtomically(path, JoinCrLf(lines), error);
}

}  // namespace tess

namespace tess {

SoundDeviceEntries ListSoundDevices(const std::vector<std::string>& present,
                                    const std::string& chosen) {
  SoundDeviceEntries entries;
  entries.Names.push_back("");
  for (const std::string& name : present) {
    // Two devices of one name cannot be told apart by the stored choice; one entry serves.
    if (name.empty() || std::find(entries.Names.begin(), entries.Names.end(), name) !=
                            entries.Names.end()) {
      continue;
    }
    entries.Names.push_back(name);
  }
  if (!chosen.empty()) {
    auto found = std::find(entries.Names.begin(), entries.Names.end(), chosen);
    if (found == entries.Names.end()) found = entries.Names.insert(entries.Names.end(), chosen);
    entries.Chosen = static_cast<int>(found - entries.Names.begin());
  }
  return entries;
}

}  // namespace tess
