#include "widgets/KeyboardHold.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <utility>

#include "widgets/Palette.h"

namespace tess {

namespace {

constexpr int kFrameReach = 2;  // the frame stands this far outside the control

class SpaceHold : public QObject {
 public:
  SpaceHold(QWidget& control, std::function<void()> down, std::function<void()> up)
      : QObject(&control), control_(control), down_(std::move(down)), up_(std::move(up)) {
    control.setFocusPolicy(Qt::TabFocus);
    if (QWidget* parent = control.parentWidget()) frame_ = MakeFocusFrame(*parent);
    control.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space) return false;
        // The held key repeats; only its first press and its last release count.
        if (!key->isAutoRepeat()) {
          if (event->type() == QEvent::KeyPress && !held_) {
            held_ = true;
            if (down_) down_();
          } else if (event->type() == QEvent::KeyRelease && held_) {
            LetGo();
          }
        }
        return true;
      }
      case QEvent::FocusIn:
        ShowFrame(true);
        return false;
      case QEvent::FocusOut:
        ShowFrame(false);
        if (held_) LetGo();
        return false;
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Hide:
        ShowFrame(control_.hasFocus() && control_.isVisible());
        return false;
      default:
        return false;
    }
  }

 private:
  void LetGo() {
    held_ = false;
    if (up_) up_();
  }
  void ShowFrame(bool shown) {
    if (!frame_) return;
    frame_->setGeometry(
        control_.geometry().adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach));
    frame_->setVisible(shown);
    if (shown) frame_->raise();
  }

  QWidget& control_;
  std::function<void()> down_;
  std::function<void()> up_;
  QLabel* frame_ = nullptr;
  bool held_ = false;
};

}  // namespace

QLabel* MakeFocusFrame(QWidget& parent) {
  auto* frame = new QLabel(&parent);
  frame->setObjectName("shp_focus");
  frame->setStyleSheet(
      palette::Styled(u"border: 2px solid {focus}; border-radius: 3px; background: transparent;"));
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  frame->setFocusPolicy(Qt::NoFocus);
  frame->hide();
  return frame;
}

void HoldWithSpace(QWidget& control, std::function<void()> down, std::function<void()> up) {
  new SpaceHold(control, std::move(down), std::move(up));
}

}  // namespace tess
