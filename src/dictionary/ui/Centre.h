#pragma once
#include <QWidget>

#include "course/ui/Centre.h"

namespace tess::dictionary {

using tess::CentreOnScreen;

/// A window in the middle of another.
inline void CentreOver(QWidget& window, const QWidget& over) {
  window.move(over.geometry().center() - window.rect().center());
}

}  // namespace tess::dictionary
