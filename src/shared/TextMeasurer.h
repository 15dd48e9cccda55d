#pragma once
// Text widths for layout rules that must not depend on Qt: the program measures with the
// window's font, tests with a fixed-width measurer.
#include <string_view>

namespace tess {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  /// Width in pixels of `text` (bytes in the code page the caller's text comes in) drawn in
  /// the layout's font, made bold and/or italic as asked.
  virtual int Width(std::string_view text, bool bold, bool italic) const = 0;
};

}  // namespace tess
