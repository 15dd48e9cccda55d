#include "dictionary/DictionaryProgram.h"

#include <unistd.h>

#include <utility>

#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryWindow.h"
#include "dictionary/EntryPlayer.h"
#include "dictionary/LoginWindow.h"
#include "dictionary/NewUserWindow.h"
#include "dictionary/SearchWindow.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "shared/Paths.h"
#include "users/Users.h"
#include "widgets/Centre.h"

namespace tess::dictionary {

DictionaryProgram::DictionaryProgram(DictionaryPorts ports) : ports_(ports) {}

// Members go in reverse order: the main window first, as the others serve it.
DictionaryProgram::~DictionaryProgram() = default;

std::string DictionaryProgram::ProgramDirOf(const std::string& programFile) {
  const size_t slash = programFile.find_last_of('/');
  return slash == std::string::npos ? std::string() : programFile.substr(0, slash + 1);
}

void DictionaryProgram::SettleProgramDir(const std::string& programDir, MessageBox& messages) {
  if (programDir.empty() || ::chdir(ResolvePath(programDir).c_str()) != 0) {
    messages.ShowWarning("Cannot find directory");
  }
}

bool DictionaryProgram::Start(const std::string& programDir, const WritableProbe& writable) {
  LoadedDictionary loaded;
  loaded.Error = LoadDictionary(programDir, loaded.State, writable);
  return Start(std::move(loaded));
}

bool DictionaryProgram::Start(LoadedDictionary loaded) {
  state_ = std::move(loaded.State);
  if (loaded.Error != ConfigError::None) {
    ports_.Messages.ShowMessage(ConfigMessage(loaded.Error));
    return false;
  }
  const std::string& programDir = state_.ProgramDir;
  skins_ = std::make_unique<DictionarySkins>(ports_.Pictures);
  std::string skinError;
  if (!skins_->LoadSkins(programDir, &skinError)) {
    ports_.Messages.ShowMessage(skinError);
    return false;
  }
  // Read while the main window is made: it draws it last.
  const std::string background = DictionaryWindow::BackgroundFile(programDir);
  if (FileExists(background)) ports_.Pictures.ReadAhead({background});
  SkinStrips& skins = skins_->MyImageList1;
  player_ = std::make_unique<EntryPlayer>(ports_.Player, ports_.Messages);
  // A usr.t that cannot be read only matters to the learning list; say so and go on. The
  // login window reads it again when the learning list first needs it.
  const std::string usersError = LoadUsersForWindow(state_.DataFolder(), state_.Users);
  if (!usersError.empty()) ports_.Messages.ShowMessage(usersError);
  dictionaryWindow_ = std::make_unique<DictionaryWindow>(DictionaryWindowParts{
      state_, skins, ports_.Pictures, ports_.Modal, ports_.Messages, *player_,
      [this]() -> SearchWindow& { return SearchDialog(); },
      [this]() -> LoginWindow& { return LoginDialog(); }});
  CentreOnScreen(*dictionaryWindow_);
  return true;
}

// The search, login and new-user windows are made when first opened: the first window does
// not wait for them.
SearchWindow& DictionaryProgram::SearchDialog() {
  if (!search_) {
    search_ =
        std::make_unique<SearchWindow>(state_.Options, state_.Language(), skins_->MyImageList1);
  }
  return *search_;
}

LoginWindow& DictionaryProgram::LoginDialog() {
  if (!login_) {
    login_ = std::make_unique<LoginWindow>(
        state_, skins_->MyImageList1, ports_.Modal,
        [this]() -> QWidget& { return NewUserDialog(); }, ports_.Messages);
  }
  return *login_;
}

NewUserWindow& DictionaryProgram::NewUserDialog() {
  if (!newUser_) {
    newUser_ = std::make_unique<NewUserWindow>(state_, skins_->MyImageList1, ports_.Messages);
  }
  return *newUser_;
}

}  // namespace tess::dictionary
