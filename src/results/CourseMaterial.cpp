#include "results/CourseMaterial.h"

namespace tess {

namespace {

std::string CannotReadMessage(const std::string& path) {
  return "Nie można odczytać pliku " + path +
         ". Program nie może działać bez niego; proszę powtórzyć instalację programu.";
}

std::string ConversationOverflowMessage(const std::string& path) {
  return "Plik " + path + " zawiera więcej niż 70 rozmów albo rozmowę dłuższą niż 25 kwestii; "
         "nadmiarowe rozmowy i kwestie pominięto.";
}

}  // namespace

bool LoadCourseMaterial(const CourseInstallation& install, CourseMaterial& material,
                        std::vector<std::string>& messages) {
  const std::string& dir = install.ProgramDir;
  const std::string& letter = install.CourseLetter;
  CourseCatalogue& catalogue = material.Catalogue;

  LoadEquivalences(dir, material.Equivalences);
  LoadGroupList(dir + GroupListFile(letter), catalogue.Groups);
  LoadTextCatalogue(dir + TextCatalogueFile(letter), catalogue.Texts);
  LoadSentenceList(dir + SentenceListFile(letter), catalogue.Sentences);

  const std::string kdx = dir + kComprehensionCatalogueFile;
  if (!LoadComprehensionCatalogue(kdx, catalogue.Comprehension)) {
    messages.push_back("Nie znaleziono pliku " + kdx);
  }

  // Without these the course cannot be used, so the start ends here.
  const std::string items = dir + kComprehensionItemsFile;
  if (!LoadComprehensionItems(items, catalogue.Items)) {
    messages.push_back(CannotReadMessage(items));
    return false;
  }
  const std::string exercises = dir + ExerciseListFile(letter);
  if (!LoadExerciseList(exercises, material.Exercises)) {
    messages.push_back(CannotReadMessage(exercises));
    return false;
  }
  const std::string conversations = dir + kConversationFile;
  bool overflowed = false;
  if (!LoadConversations(conversations, material.Conversations, &overflowed)) {
    messages.push_back(CannotReadMessage(conversations));
    return false;
  }
  if (overflowed) messages.push_back(ConversationOverflowMessage(conversations));
  return true;
}

}  // namespace tess
