#include "dictionary/EntryPlayer.h"

#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "shared/Paths.h"

namespace tess::dictionary {

bool EntryPlayer::Play(const std::string& path) {
  if (path.empty() || !FileExists(path)) return false;
  player_.Close();
  player_.SetFileName(path);
  std::string error;
  if (!player_.Open(&error)) {
    messages_.ShowMessage(error);
    return false;
  }
  player_.SetWait(false);
  player_.Play();
  return true;
}

}  // namespace tess::dictionary
