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
class TForm5;
class TForm9;
class TForm10;
class TForm23;
class TFrmSlownik;

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
  /// windows; false (the reason shown) when the program is to end.
  bool Start(const std::string& programDir);

  DictionaryState& State() { return state_; }
  TFrmSlownik& MainWindow() { return *frmSlownik_; }
  TForm23& SearchWindow() { return *form23_; }
  TForm9& LoginWindow() { return *form9_; }
  TForm10& NewUserWindow() { return *form10_; }

 private:
  DictionaryPorts ports_;
  DictionaryState state_;
  std::unique_ptr<EntryPlayer> player_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm23> form23_;
  std::unique_ptr<TForm10> form10_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TFrmSlownik> frmSlownik_;
};

}  // namespace tess::dictionary
