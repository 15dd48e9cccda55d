#pragma once
class QWidget;

namespace tess {

/// Modal results as the windows return them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

/// Shows a window modally: a nested event loop runs until the window hides, and the
/// window's modal result (see SetModalResult) is returned.
class ModalShower {
 public:
  virtual ~ModalShower() = default;
  virtual int ShowModal(QWidget& window) = 0;
};

/// Sets the window's modal result and hides it, which ends its modal showing.
void SetModalResult(QWidget& window, int result);
int ModalResultOf(const QWidget& window);

}  // namespace tess
