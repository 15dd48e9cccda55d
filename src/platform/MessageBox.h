#pragma once
#include <string>

namespace tess {

/// The platform's plain message box and beep (texts are UTF-8).
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  /// Shows the text with an OK button and returns when it is closed.
  virtual void ShowMessage(const std::string& text) = 0;
  /// A warning dialog with an OK button.
  virtual void ShowWarning(const std::string& text) = 0;
  virtual void Beep() = 0;
};

}  // namespace tess
