#pragma once
// Pictures and labels that report mouse enter, mouse leave and clicks: the clickable base
// itself, with nothing drawn beyond the label's text or picture.
#include "widgets/Clickable.h"

namespace tess {

using HoverLabel = Clickable;

}  // namespace tess
