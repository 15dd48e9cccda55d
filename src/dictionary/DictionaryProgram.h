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

  /// The folder of the running program `programFile`, ending in a separator; empty when the
  /// name has no folder.
  static std::string ProgramDirOf(const std::string& programFile);
  /// Makes `programDir` the current folder; a folder that cannot be entered is reported and
  /// the program goes on.
  static void SettleProgramDir(const std::string& programDir, MessageBox& messages);

  /// Loads the installation, entries, options and skins from `programDir` and creates the
  /// windows; false (the reason shown) when the program is to end. `writable` decides whether
  /// the learners' files stay in `programDir` (shared/DataRoot.h).
  bool Start(const std::string& programDir, const WritableProbe& writable = FolderWritable);
  /// The same with the installation read already (LoadDictionaryInBackground).
  bool Start(LoadedDictionary loaded);

  DictionaryState& State() { return state_; }
  DictionaryWindow& MainWindow() { return *dictionaryWindow_; }
  SearchWindow& SearchDialog();
  LoginWindow& LoginDialog();
  NewUserWindow& NewUserDialog();

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
