#pragma once
// The course material read once at start: dictation equivalences, catalogues, exercise list
// and conversations. The results store builds a new user's records from it.
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/ConversationTable.h"
#include "core/Equivalences.h"
#include "core/ExerciseList.h"
#include "core/Installation.h"

namespace tess {

struct CourseMaterial {
  EquivalenceList Equivalences;
  CourseCatalogue Catalogue;
  ExerciseList Exercises;
  ConversationTable Conversations;
};

/// Reads everything from ProgramDir in the start order: "ss_r.t", group list, text catalogue,
/// sentence list, "kurs_cwicz.kdx", "rozum_pig.txt", exercise list, "dialogi.txt".
/// `messages` receives the Polish (UTF-8) messages to show, in order. A missing equivalence
/// file, group list, text catalogue or sentence list leaves its list empty without a message;
/// a missing "kurs_cwicz.kdx" gives a message and loading goes on. False when an essential
/// file ("rozum_pig.txt", the exercise list, "dialogi.txt") cannot be read: the program ends.
bool LoadCourseMaterial(const CourseInstallation& install, CourseMaterial& material,
                        std::vector<std::string>& messages);

}  // namespace tess
