#pragma once
// Flat line icons, drawn on a 24-unit grid scaled into a box, always with the same stroke.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace tess::demo {

enum class Icon {
  Play,
  Stop,
  Pause,
  Up,
  Down,
  Left,
  Right,
  Back,
  Speaker,
  Microphone,
  Book,
  Repeat,
  Replay,
  Print,
  Contents,
  Info,
  Check,
  Close,
  Help,
  Question,
  Next,
  Film,
  UserPlus,
  Users,
  Exercises,
  Video,
  Sentences,
  Headphones,
  Conversations,
  Results,
  Globe,
  Settings,
  Shuffle,
};

/// Draws `icon` centred in `box` (made square) with a stroke of `stroke` pixels.
void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& ink, qreal stroke = 2.0);

}  // namespace tess::demo
