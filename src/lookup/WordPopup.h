#pragma once
// The small popup of the word look-up: the word on a navy strip, then each entry the word
// stands for as the dictionary lists it (headword, translation with its grey abbreviations,
// the level note), a play button where the entry has a recording and "+ Do nauki"; or one
// line saying the dictionary lacks the word. Escape or a click elsewhere closes it.
// WordLookup finds the entries; WordLookupHost loads the dictionary and shows this.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lookup/WordLookup.h"

class QVBoxLayout;

namespace tess::lookup {

struct WordPopupPorts {
  /// Plays a file (an entry's recording, the click of the learning list).
  std::function<void(const std::string& path)> Play;
  /// The folder of the learner's learning list (LearningListFolder), asked at every
  /// "+ Do nauki": the learner may have changed since the popup was made.
  std::function<std::string()> LearnerFolder;
};

class WordPopup : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 380;

  WordPopup(WordPopupPorts ports, int language, std::string programDir);

  /// Shows `entries` for `word` (UTF-8 as shown) near `globalPoint`.
  void ShowEntries(const QString& word, const std::vector<LookupEntry>& entries,
                   QPoint globalPoint);

  /// The rows as shown, for the tests: the text of each entry, its buttons and the line
  /// that answers "+ Do nauki".
  QLabel* L_Slowo = nullptr;
  QLabel* L_Stan = nullptr;
  std::vector<QLabel*> Rows;
  std::vector<QPushButton*> PlayButtons;  ///< nullptr for an entry without a recording
  std::vector<QPushButton*> LearnButtons;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Clear();
  void Learn(const LookupEntry& entry);
  void PlaceNear(QPoint globalPoint);

  WordPopupPorts ports_;
  int language_;
  std::string programDir_;
  QVBoxLayout* body_ = nullptr;
  std::vector<QWidget*> pieces_;
};

/// Where the course program keeps what the look-up needs.
struct LookupPlace {
  std::string ProgramDir;  ///< ends in a separator
  int CourseLanguage = 1;
};

/// The course program's side of the look-up: the windows' double-clicks come here. The
/// dictionary is loaded at the first one; without a dictionary of the course's language
/// nothing happens, then or later.
class WordLookupHost {
 public:
  WordLookupHost(LookupPlace place, WordPopupPorts ports);
  ~WordLookupHost();

  /// A window's double-click on `word` (bytes in the course text's code page).
  void LookUp(const std::string& word, QPoint globalPoint);
  bool Available();
  /// Null until the first look-up that found a dictionary.
  WordPopup* Popup() { return popup_.get(); }

 private:
  LookupPlace place_;
  WordPopupPorts ports_;
  bool opened_ = false;
  std::unique_ptr<WordLookup> lookup_;
  std::unique_ptr<WordPopup> popup_;
};

}  // namespace tess::lookup
