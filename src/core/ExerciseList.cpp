#include "core/ExerciseList.h"

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

std::string ExerciseEntry::HeaderField(int k) const {
  if (k < 1) return {};
  return CutFields(HeaderLine, '#', k).back();
}

std::string ExerciseEntry::KindCode() const { return CutFields(KindLine, '#', 1).front(); }

const ExerciseEntry* ExerciseList::At(int k) const {
  if (k < 1 || k > Count()) return nullptr;
  return &entries_[static_cast<size_t>(k - 1)];
}

bool ExerciseList::Add(ExerciseEntry entry) {
  if (Count() >= kMaxEntries) return false;
  entries_.push_back(std::move(entry));
  return true;
}

std::string ExerciseListFile(std::string_view courseLetter) {
  return "St_" + std::string(courseLetter) + ".txt";
}

bool LoadExerciseList(const std::string& path, ExerciseList& list) {
  list.Clear();
  TextFileReader reader;
  if (!reader.Open(path)) return false;
  std::string line;
  while (list.Count() < ExerciseList::kMaxEntries && reader.ReadLine(line)) {
    ExerciseEntry entry;
    entry.HeaderLine = Trim(line);
    if (entry.HeaderLine.empty() || entry.HeaderLine[0] == '/') continue;
    if (reader.ReadLine(line)) entry.KindLine = Trim(line);
    if (reader.ReadLine(line)) entry.LayoutLine = Trim(line);
    list.Add(std::move(entry));
  }
  return true;
}

}  // namespace tess
