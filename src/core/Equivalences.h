#pragma once
// The dictation equivalences "ss_r.t": pairs of texts that a typed sentence may use in place
// of each other.
#include <string>
#include <vector>

namespace tess {

struct Equivalence {
  std::string EquivalenceFrom;
  std::string EquivalenceTo;
};

class EquivalenceList {
 public:
  static constexpr int kMaxPairs = 70;

  int Count() const { return static_cast<int>(pairs_.size()); }
  const std::vector<Equivalence>& Pairs() const { return pairs_; }

  void Clear() { pairs_.clear(); }
  bool Add(Equivalence pair);

 private:
  std::vector<Equivalence> pairs_;
};

inline constexpr const char* kEquivalenceFile = "ss_r.t";

/// One line: the first field up to the first "=", the second from after it to the second
/// "=" or the end of the line; neither trimmed. False for a line without "=".
bool ParseEquivalenceLine(const std::string& line, Equivalence& out);

/// Empties the list and reads ProgramDir + "ss_r.t"; lines after the 70th pair are passed
/// over. A missing file leaves the list empty (false).
bool LoadEquivalences(const std::string& programDir, EquivalenceList& list);

}  // namespace tess
