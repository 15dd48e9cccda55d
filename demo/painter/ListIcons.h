#pragma once
// The small icons the choosers draw into their lists ("gfx_r\ikony\"), 16 pixels high on the
// white of the lists, which the lists leave out by the colour of the bottom-left pixel. The
// windows' backgrounds show some of them again in their legends.
#include <QColor>
#include <QImage>

#include "Icons.h"

namespace tess::demo {

/// Four rising bars, the first `level` of them teal.
QImage LevelIcon(int level);
/// A green disc with a tick when done, an empty ring when not.
QImage DoneIcon(bool done);
/// The kind of an item: an icon of the look in `ink`.
QImage KindIcon(Icon icon, const QColor& ink);
/// A framed landscape: the comprehension exercises show pictures.
QImage PictureIcon();

}  // namespace tess::demo
