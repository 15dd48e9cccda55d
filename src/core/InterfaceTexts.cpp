#include "core/InterfaceTexts.h"

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

bool InterfaceTexts::ParseLine(const std::string& line, std::string& text) {
  text.clear();
  const int first = PosFrom(1, line, "=");
  if (first < 0 || !ParseInt(line.substr(0, first - 1))) return false;
  const int second = PosFrom(first + 1, line, "=");
  if (second < 0) return true;
  const int third = PosFrom(second + 1, line, "=");
  if (third < 0) return true;
  text = line.substr(second, third - second - 1);
  return true;
}

bool InterfaceTexts::Load(const std::string& path, LoadError* error) {
  texts_.clear();
  TextFileReader reader;
  if (!reader.Open(path)) {
    if (error) error->line = 0;
    return false;
  }
  std::string line;
  std::string text;
  while (static_cast<int>(texts_.size()) < kMaxTexts && reader.ReadLine(line)) {
    if (!ParseLine(line, text)) {
      if (error) error->line = Count() + 1;
      return false;
    }
    texts_.push_back(text);
  }
  return true;
}

std::string InterfaceTexts::Text(int n) const {
  if (n < 1 || n > Count()) return {};
  return texts_[n - 1];
}

}  // namespace tess
