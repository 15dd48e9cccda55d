#pragma once
#include <string>

namespace tess {

/// Opens a web page in the desktop's default browser.
class Browser {
 public:
  virtual ~Browser() = default;
  virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace tess
