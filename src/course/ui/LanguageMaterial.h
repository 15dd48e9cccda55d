#pragma once
// Everything that changes with the interface language: main window pictures, interface
// texts and skins.
class QComboBox;

namespace tess {

struct CourseState;
class MessageBox;
class TForm5;
class TMainForm;

class LanguageMaterial {
 public:
  LanguageMaterial(CourseState& state, TMainForm& main, TForm5& skins, MessageBox& messages)
      : state_(state), main_(main), skins_(skins), messages_(messages) {}

  /// Main window pictures, then the texts, then the skins of the current language. On a
  /// failure the reason is shown and false returned.
  bool Reload();

  /// Switches to the language at list position `position` of the language choices.
  bool SetInterfaceLanguage(int position);

  /// Rebuilds the language choices and lists their names in `list`, selecting the second
  /// entry when there are at least two.
  void ListInterfaceLanguages(QComboBox& list);

 private:
  CourseState& state_;
  TMainForm& main_;
  TForm5& skins_;
  MessageBox& messages_;
};

}  // namespace tess
