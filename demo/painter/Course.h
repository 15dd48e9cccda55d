#pragma once
// The course whose installation is drawn: what names its language, and the titles of its
// material as the course's own sources give them. The three courses share their topics and
// pictures, so only words differ between them.
#include <QString>

#include <map>

namespace tess::demo {

/// The course languages, numbered as the installation's course file numbers them.
enum class CourseLanguage { English = 1, German = 2, French = 3 };

class Course {
 public:
  explicit Course(CourseLanguage language = CourseLanguage::English);

  /// "en", "de" or "fr"; any other code throws.
  static CourseLanguage LanguageOf(const QString& code);

  /// Takes the titles from the course's UTF-8 sources in `folder` (the catalogues of its texts,
  /// sections, conversations and picture exercises). A missing file or entry keeps the English
  /// course's title, so a course still being written never stops the generator.
  void ReadTitles(const QString& folder);

  CourseLanguage language() const { return language_; }
  /// "a", "n" or "f", as the course's file names carry it.
  QString Letter() const;

  /// "Kurs języka angielskiego" and its forms in the interface languages.
  QString Name(int interfaceLanguage) const;
  /// "angielski": the course language as each interface language calls it.
  QString LanguageName(int interfaceLanguage) const;
  /// The dictionary's window title, "Słownik angielsko-polski".
  QString DictionaryTitle() const;

  /// A recorded text's title in the course language, and in Polish.
  QString TextTitle(int number) const;
  QString TextTitlePolish(int number) const;
  /// A conversation's title in the course language by its background ("cafe" of "a_cafe").
  QString ConversationTitle(const QString& background) const;
  /// Conversation, section and picture exercise n, in Polish.
  QString ConversationTitlePolish(int number) const;
  QString GroupPolish(int number) const;
  QString ComprehensionPolish(int number) const;

  /// The course's own version of something drawn: one of the arguments itself, so copy it
  /// when they are temporaries.
  template <typename T>
  const T& Pick(const T& english, const T& german, const T& french) const {
    switch (language_) {
      case CourseLanguage::German:
        return german;
      case CourseLanguage::French:
        return french;
      case CourseLanguage::English:
        break;
    }
    return english;
  }

 private:
  struct Titles {
    std::map<int, QString> texts;
    std::map<int, QString> textsPolish;
    std::map<QString, QString> conversations;
    std::map<int, QString> conversationsPolish;
    std::map<int, QString> groupsPolish;
    std::map<int, QString> comprehensionPolish;
  };

  void ReadTexts(const QString& folder);
  void ReadConversations(const QString& folder);
  void ReadGroups(const QString& folder);
  void ReadComprehension(const QString& folder);
  void ReadContentsTable(const QString& folder, const std::map<int, QString>& backgrounds);

  CourseLanguage language_;
  Titles titles_;
};

}  // namespace tess::demo
