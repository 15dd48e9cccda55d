#pragma once
// What the seven exercise kinds differ in besides their own rules: the hint of "Jeszcze raz",
// the verdict texts and the help page F1 opens.
#include <string>
#include <string_view>

namespace tess {

struct ExerciseKindTexts {
  int AgainHint = 0;      ///< interface text of the "Jeszcze raz" hint
  int AllRight = 0;       ///< verdict when every item is right (black)
  int NotAllRight = 0;    ///< verdict otherwise (red); 0 for kinds that show no verdict
  const char* HelpPage = "";  ///< below ProgramDir, with its anchor
};

/// The texts of a kind code ("MC", "TF", "DD", "HH", "WP", "DF", "DV"); all zero and an empty
/// page for any other code.
ExerciseKindTexts ExerciseKindTextsOf(std::string_view kindCode);

}  // namespace tess
