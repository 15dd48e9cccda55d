#pragma once
// Keys are seen by the window before its controls: a key pressed on the window or on one of
// the watched controls goes to the handler first, and only a key it does not use goes on.
#include <QObject>
#include <functional>

class QWidget;

namespace tess {

class WindowKeys : public QObject {
  Q_OBJECT
 public:
  /// `handler` gets the key code and returns true when it used the key.
  WindowKeys(QWidget& window, std::function<bool(int key)> handler);
  /// A control that takes the focus, e.g. a list or an edit field.
  void Watch(QWidget& control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(int key)> handler_;
};

/// The keys of a small dialog window: Enter presses `ok` while it shows, Esc closes, F1 opens
/// `help` where one is given. With `enterOnlyForOk` an Enter that finds OK hidden is left to the
/// focused control; otherwise it is swallowed. True when the key was used.
bool DialogKey(int key, const QWidget& ok, const std::function<void()>& pressOk,
               const std::function<void()>& close, bool enterOnlyForOk = false,
               const std::function<void()>& help = {});

}  // namespace tess
