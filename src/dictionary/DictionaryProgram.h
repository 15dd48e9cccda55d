#pragma once
// The dictionary program's windows, created once in start order, and its start.
#include <memory>
#include <string>

#include "dictionary/DictionaryState.h"

namespace tess {
class MediaPlayer;
class MessageBox;
class ModalShower;
class PictureLoader;
}  // namespace tess

namespace tess::dictionary {

class EntryPlayer;
class DictionarySkins;
class LoginWindow;
class NewUserWindow;
class SearchWindow;
class DictionaryWindow;

/// The outside facilities the windows use.
struct DictionaryPorts {
  MessageBox& Messages;
  PictureLoader& Pictures;
  ModalShower& Modal;
  MediaPlayer& Player;
};

class DictionaryProgram {
 public:
  explicit DictionaryProgram(DictionaryPorts ports);
  ~DictionaryProgram();
  DictionaryProgram(const DictionaryProgram&) = delete;
  DictionaryProgram& operator=(const DictionaryProgram&) = delete;

  /// The folder of the running program (ending in a separator), made the current folder;
  /// a folder that cannot be entered is reported and the program goes on.
  static std::string SettleProgramDir(const std::string& programFile, MessageBox& messages);

  /// Loads the installation, entries, options and skins from `programDir` and creates the
  /// windows; false (the reason shown) when the program is to end. `writable` decides whether
  /// the learners' files stay in `programDir` (shared/DataRoot.h).
  bool Start(const std::string& programDir, const WritableProbe& writable = FolderWritable);

  DictionaryState& State() { return state_; }
  DictionaryWindow& MainWindow() { return *dictionaryWindow_; }
  SearchWindow& SearchDialog() { return *search_; }
  LoginWindow& LoginDialog() { return *login_; }
  NewUserWindow& NewUserDialog() { return *newUser_; }

 private:
  DictionaryPorts ports_;
  DictionaryState state_;
  std::unique_ptr<EntryPlayer> player_;
  std::unique_ptr<DictionarySkins> skins_;
  std::unique_ptr<SearchWindow> search_;
  std::unique_ptr<NewUserWindow> newUser_;
  std::unique_ptr<LoginWindow> login_;
  std::unique_ptr<DictionaryWindow> dictionaryWindow_;
};

}  // namespace tess::dictionary
