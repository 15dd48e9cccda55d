#include "core/Equivalences.h"

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

bool EquivalenceList::Add(Equivalence pair) {
  if (Count() >= kMaxPairs) return false;
  pairs_.push_back(std::move(pair));
  return true;
}

bool ParseEquivalenceLine(const std::string& line, Equivalence& out) {
  const int first = PosFrom(1, line, "=");
  if (first < 0) return false;
  const int second = PosFrom(first + 1, line, "=");
  const size_t start = static_cast<size_t>(first);
  out.EquivalenceFrom = line.substr(0, start - 1);
  out.EquivalenceTo = second < 0 ? line.substr(start) : line.substr(start, second - first - 1);
  return true;
}

bool LoadEquivalences(const std::string& programDir, EquivalenceList& list) {
  list.Clear();
  TextFileReader reader;
  if (!reader.Open(programDir + kEquivalenceFile)) return false;
  std::string line;
  while (list.Count() < EquivalenceList::kMaxPairs && reader.ReadLine(line)) {
    Equivalence pair;
    if (ParseEquivalenceLine(line, pair)) list.Add(std::move(pair));
  }
  return true;
}

}  // namespace tess
