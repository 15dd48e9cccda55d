#pragma once

namespace tess {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

/// Size of the primary screen in pixels.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenSize Size() const = 0;
};

}  // namespace tess
