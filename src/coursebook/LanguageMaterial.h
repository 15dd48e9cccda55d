#pragma once
// Everything that changes with the interface language: main window pictures, interface
// texts and skins.
class QComboBox;

namespace tess {

struct CourseState;
class MessageBox;
class CourseSkins;
class HomeWindow;

class LanguageMaterial {
 public:
  LanguageMaterial(CourseState& state, HomeWindow& main, CourseSkins& skins, MessageBox& messages)
      : state_(state), main_(main), skins_(skins), messages_(messages) {}

  /// Main window pictures, then the texts, then the skins of the current language. On a
  /// failure the reason is shown and false returned.
  bool Reload();

  /// Switches to the language at list position `position` of the language choices. A language
  /// whose material does not load is not taken: the previous one is loaded again, the learner
  /// is told, and false returned.
  bool SetInterfaceLanguage(int position);

  /// Rebuilds the language choices and lists their names in `list`, selecting the second
  /// entry when there are at least two.
  void ListInterfaceLanguages(QComboBox& list);

 private:
  CourseState& state_;
  HomeWindow& main_;
  CourseSkins& skins_;
  MessageBox& messages_;
};

}  // namespace tess
