#include "exercises/DragLabels.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

#include "core/UiText.h"
#include "widgets/KeyboardHold.h"

namespace tess {
namespace {

constexpr int kFrameReach = 2;  // the focus frame stands this far outside the label

std::optional<DragKey> KeyOf(const QKeyEvent& key, bool carrying) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
      return DragKey::Take;
    case Qt::Key_Right:
    case Qt::Key_Down:
      return DragKey::Next;
    case Qt::Key_Left:
    case Qt::Key_Up:
      return DragKey::Previous;
    // Tab and Escape keep their usual meaning unless a label is carried.
    case Qt::Key_Tab:
      if (!carrying) return {};
      return key.modifiers() & Qt::ShiftModifier ? DragKey::Previous : DragKey::Next;
    case Qt::Key_Backtab:
      if (!carrying) return {};
      return DragKey::Previous;
    case Qt::Key_Escape:
      if (!carrying) return {};
      return DragKey::Cancel;
    default:
      return {};
  }
}

int StartOf(const std::vector<KeyPlace>& places) {
  for (size_t i = 0; i < places.size(); ++i) {
    if (places[i].Holds) return static_cast<int>(i);
  }
  return 0;
}

}  // namespace

QString PoolPlaceName() { return CourseText("pula wyraz\xF3w"); }

DragLabels::DragLabels(QWidget& window, DragBoard& board)
    : QObject(&window), window_(window), board_(board) {
  frame_ = MakeFocusFrame(window);
  frame_->setObjectName("shp_labelFocus");
}

void DragLabels::Add(int label, QLabel* widget) {
  if (label < 1) return;
  if (static_cast<size_t>(label) > labels_.size()) labels_.resize(static_cast<size_t>(label));
  labels_[static_cast<size_t>(label - 1)] = widget;
  widget->setFocusPolicy(Qt::TabFocus);
  widget->installEventFilter(this);
}

QLabel* DragLabels::Label(int label) const {
  if (label < 1 || static_cast<size_t>(label) > labels_.size()) return nullptr;
  return labels_[static_cast<size_t>(label - 1)];
}

int DragLabels::NumberOf(QObject* widget) const {
  for (size_t i = 0; i < labels_.size(); ++i) {
    if (labels_[i] == widget) return static_cast<int>(i) + 1;
  }
  return 0;
}

void DragLabels::PlaceAll() {
  for (int label = 1; label <= static_cast<int>(labels_.size()); ++label) {
    QLabel* widget = labels_[static_cast<size_t>(label - 1)];
    if (!widget || !board_.IsLabel(label)) continue;
    const Point at = board_.RestingAt(label);
    widget->move(at.X, at.Y);
    if (label != keys_.Carried() && !widget->accessibleDescription().isEmpty()) {
      widget->setAccessibleDescription(QString());
    }
  }
  PlaceFrame();
}

void DragLabels::SetDraggable(bool draggable) {
  for (QLabel* widget : labels_) {
    if (!widget) continue;
    widget->setCursor(draggable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    widget->setFocusPolicy(draggable ? Qt::TabFocus : Qt::NoFocus);
  }
  PlaceFrame();
}

void DragLabels::PlaceFrame() {
  QLabel* framed = keys_.Carried() != 0 && board_.Lifted() == keys_.Carried()
                       ? Label(keys_.Carried())
                       : (keyFocus_ && keyFocus_->hasFocus() ? keyFocus_ : nullptr);
  if (!framed || framed->isHidden()) {
    frame_->hide();
    return;
  }
  frame_->setGeometry(
      framed->geometry().adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach));
  frame_->show();
  frame_->raise();
}

void DragLabels::ShowAim(int label, const KeyPlace& place) {
  QLabel* widget = Label(label);
  if (!widget) return;
  const auto at = board_.Follow(place.At, widget->width(), widget->height());
  const Point shown = at ? *at : place.At;
  widget->move(shown.X, shown.Y);
  widget->setAccessibleDescription(place.Name);
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }
  PlaceFrame();
}

bool DragLabels::KeyPressed(int label, QKeyEvent& key) {
  if (!Places || key.isAutoRepeat()) return false;
  const bool carrying = keys_.Carried() != 0 && board_.Lifted() == keys_.Carried();
  const std::optional<DragKey> drag = KeyOf(key, carrying);
  if (!drag) return false;
  const std::vector<KeyPlace> places = Places(label);
  const int count = static_cast<int>(places.size());
  const KeyDragStep step = keys_.Press(board_, label, *drag, count, StartOf(places));
  using Kind = KeyDragStep::Kind;
  switch (step.What) {
    case Kind::None:
      // A carried label keeps the keys that move it, and a label with nowhere to go its
      // Space; anything else goes on.
      return carrying || (*drag == DragKey::Take && count == 0 && !board_.Frozen());
    case Kind::Lifted:
      Label(label)->raise();
      if (Lifted) Lifted(label);
      ShowAim(label, places[static_cast<size_t>(step.Place)]);
      return true;
    case Kind::Aimed:
      ShowAim(label, places[static_cast<size_t>(step.Place)]);
      return true;
    case Kind::Put:
      if (Dropped) Dropped(label, places[static_cast<size_t>(step.Place)].At);
      PlaceAll();
      return true;
    case Kind::Cancelled:
      PlaceAll();
      return true;
  }
  return false;
}

bool DragLabels::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const int label = NumberOf(watched);
  if (label == 0) return false;
  QLabel* widget = labels_[static_cast<size_t>(label - 1)];
  switch (type) {
    case QEvent::KeyPress:
      return KeyPressed(label, *static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
          (keyFocus_ == widget && reason == Qt::ActiveWindowFocusReason)) {
        keyFocus_ = widget;
      } else {
        keyFocus_ = nullptr;
      }
      PlaceFrame();
      return false;
    }
    case QEvent::FocusOut:
      // A carried label that loses the focus goes back where it lay.
      if (keys_.Carried() == label && board_.Lifted() == label) {
        keys_.Press(board_, label, DragKey::Cancel, 0);
        PlaceAll();
      }
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
          keyFocus_ == widget) {
        keyFocus_ = nullptr;
      }
      PlaceFrame();
      return false;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      if (widget == keyFocus_ || label == keys_.Carried()) PlaceFrame();
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      break;
    default:
      return false;
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint inWindow = widget->mapTo(&window_, mouse->position().toPoint());
  const Point pointer{inWindow.x(), inWindow.y()};

  switch (type) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton || !board_.Lift(label)) return false;
      widget->raise();
      if (Lifted) Lifted(label);
      return true;
    case QEvent::MouseMove:
      if (board_.Lifted() != label) return false;
      if (const auto at = board_.Follow(pointer, widget->width(), widget->height())) {
        widget->move(at->X, at->Y);
      }
      return true;
    default:
      if (mouse->button() != Qt::LeftButton || board_.Lifted() != label) return false;
      board_.Release();
      if (Dropped) Dropped(label, pointer);
      PlaceAll();
      return true;
  }
}

}  // namespace tess
