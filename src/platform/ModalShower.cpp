#include "platform/ModalShower.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include "platform/QtPlatform.h"

namespace tess {

namespace {

constexpr char kResultProperty[] = "tessModalResult";

// Ends the modal loop when the window hides, and turns a close without a result into
// mrCancel, so the window manager's close button reads as a cancel.
class ModalWatcher : public QObject {
 public:
  ModalWatcher(QWidget& window, QEventLoop& loop) : window_(&window), loop_(loop) {
    window.installEventFilter(this);
  }
  ~ModalWatcher() override {
    if (!window_.isNull()) window_->removeEventFilter(this);
  }

  bool hidden = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    if (event->type() == QEvent::Close) {
      closing_ = true;
    } else if (event->type() == QEvent::Hide && !event->spontaneous()) {
      // Spontaneous hides come from minimising, which does not end the showing. A close
      // is followed by the hide only when the window accepted it; should it have refused,
      // a later hide without a result still counts as closed.
      if (closing_ && ModalResultOf(*window_) == mrNone) {
        window_->setProperty(kResultProperty, static_cast<int>(mrCancel));
      }
      hidden = true;
      loop_.quit();
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  QEventLoop& loop_;
  bool closing_ = false;
};

}  // namespace

void SetModalResult(QWidget& window, int result) {
  window.setProperty(kResultProperty, result);
  // mrNone keeps the window open: it only clears an earlier result.
  if (result != mrNone) window.hide();
}

int ModalResultOf(const QWidget& window) {
  const QVariant value = window.property(kResultProperty);
  return value.isValid() ? value.toInt() : static_cast<int>(mrNone);
}

int QtModalShower::ShowModal(QWidget& window) {
  // Modality takes effect only when the window is shown, so a visible one is shown anew.
  if (window.isVisible()) window.hide();
  window.setProperty(kResultProperty, static_cast<int>(mrNone));
  const Qt::WindowModality previous = window.windowModality();
  window.setWindowModality(Qt::ApplicationModal);

  QPointer<QWidget> guard(&window);
  QEventLoop loop;
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  {
    ModalWatcher watcher(window, loop);
    window.show();
    window.raise();
    window.activateWindow();
    // The window may have hidden itself in its show handler already. The loop also ends
    // when the window is deleted or the application quits.
    if (!watcher.hidden && window.isVisible()) loop.exec();
  }
  if (guard.isNull()) return mrCancel;
  window.setWindowModality(previous);
  return ModalResultOf(window);
}

}  // namespace tess
