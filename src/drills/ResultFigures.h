#pragma once
// The four figures a drill puts on the result screen, as the lines are to read.
#include <string>

namespace tess {

struct ResultFigures {
  std::string Lines[4];
};

}  // namespace tess
