#pragma once
// The text table of an interface language, "infa_r.txt" in its language folder.
#include <string>
#include <vector>

namespace tess {

class InterfaceTexts {
 public:
  static constexpr int kMaxTexts = 200;

  struct LoadError {
    int line = 0;  ///< 1-based line whose number field is not an integer; 0: file unreadable
  };

  /// Empties the table and reads the file to its end (at most 200 texts). On a bad line
  /// the texts before it stay loaded and `error` tells the line.
  bool Load(const std::string& path, LoadError* error = nullptr);

  /// Text number n (1-based line position), in the file's code page; empty when there is
  /// no line n.
  std::string Text(int n) const;
  int Count() const { return static_cast<int>(texts_.size()); }

  /// One line cut into its text: after the number and the unread second field, up to the
  /// third "=". False when the part before the first "=" is not an integer.
  static bool ParseLine(const std::string& line, std::string& text);

 private:
  std::vector<std::string> texts_;
};

}  // namespace tess
