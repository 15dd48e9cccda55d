#include "dictionary/ui/DictionaryProgram.h"

#include <unistd.h>

#include "dictionary/EntryPlayer.h"
#include "dictionary/ui/Centre.h"
#include "dictionary/ui/Form10.h"
#include "dictionary/ui/Form23.h"
#include "dictionary/ui/Form5.h"
#include "dictionary/ui/Form9.h"
#include "dictionary/ui/slownik.h"
#include "platform/MessageBox.h"
#include "shared/Paths.h"

namespace tess::dictionary {

DictionaryProgram::DictionaryProgram(DictionaryPorts ports) : ports_(ports) {}

// Members go in reverse order: the main window first, as the others serve it.
DictionaryProgram::~DictionaryProgram() = default;

std::string DictionaryProgram::SettleProgramDir(const std::string& programFile,
                                                MessageBox& messages) {
  const size_t slash = programFile.find_last_of('/');
  const std::string programDir =
      slash == std::string::npos ? std::string() : programFile.substr(0, slash + 1);
  if (programDir.empty() || ::chdir(ResolvePath(programDir).c_str()) != 0) {
    messages.ShowWarning("Cannot find directory");
  }
  return programDir;
}

bool DictionaryProgram::Start(const std::string& programDir) {
  const ConfigError error = LoadDictionary(programDir, state_);
  if (error != ConfigError::None) {
    ports_.Messages.ShowMessage(ConfigMessage(error));
    return false;
  }
  form5_ = std::make_unique<TForm5>(ports_.Pictures);
  std::string skinError;
  if (!form5_->LoadSkins(programDir, &skinError)) {
    ports_.Messages.ShowMessage(skinError);
    return false;
  }
  TMyImageList& skins = form5_->MyImageList1;
  player_ = std::make_unique<EntryPlayer>(ports_.Player, ports_.Messages);
  form23_ = std::make_unique<TForm23>(state_.Options, state_.Language(), skins);
  form10_ = std::make_unique<TForm10>(state_, skins, ports_.Messages);
  form9_ = std::make_unique<TForm9>(state_, skins, ports_.Modal, *form10_, ports_.Messages);
  // A usr.t that cannot be read only matters to the learning list; say so and go on.
  if (!form9_->LoadError().empty()) ports_.Messages.ShowMessage(form9_->LoadError());
  frmSlownik_ = std::make_unique<TFrmSlownik>(SlownikParts{
      state_, skins, ports_.Pictures, ports_.Modal, ports_.Messages, *player_, *form23_, *form9_});
  CentreOnScreen(*frmSlownik_);
  return true;
}

}  // namespace tess::dictionary
