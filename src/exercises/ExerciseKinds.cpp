#include "exercises/ExerciseKinds.h"

#include <array>
#include <utility>

namespace tess {

ExerciseKindTexts ExerciseKindTextsOf(std::string_view kindCode) {
  static constexpr std::array<std::pair<std::string_view, ExerciseKindTexts>, 7> kKinds = {{
      {"MC", {25, 64, 65, "Htm_r\\h_comp.html#mc"}},
      {"TF", {26, 74, 75, "Htm_r\\h_comp.html#tf"}},
      {"DD", {21, 68, 69, "Htm_r\\h_comp.html#dd"}},
      {"HH", {24, 0, 0, "Htm_r\\h_8_crz.html"}},
      {"WP", {27, 66, 67, "Htm_r\\h_comp.html#WPI"}},
      {"DF", {23, 70, 71, "Htm_r\\h_comp.html#def"}},
      {"DV", {22, 72, 73, "Htm_r\\h_comp.html#ddv"}},
  }};
  for (const auto& [code, texts] : kKinds) {
    if (code == kindCode) return texts;
  }
  return {};
}

}  // namespace tess
