#pragma once
// The explanation of a wrong typed answer as one line of screen text: its Polish pieces in
// cp1250, its quoted letters and words in the course's code page.
#include <QString>

#include "exercises/MistakeKind.h"
#include "shared/CodePage.h"

namespace tess {

/// Empty when the mistake has no explanation.
QString MistakeLine(const Mistake& mistake, CodePage courseCodePage);

}  // namespace tess
