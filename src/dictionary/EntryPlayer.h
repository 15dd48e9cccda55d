#pragma once
// Plays the dictionary's sounds (an entry's recording, the click of the learning list) on a
// wave player, from their start and without waiting; a missing file plays nothing.
#include <string>

namespace tess {
class MediaPlayer;
class MessageBox;
}  // namespace tess

namespace tess::dictionary {

class EntryPlayer {
 public:
  EntryPlayer(MediaPlayer& player, MessageBox& messages) : player_(player), messages_(messages) {}

  /// Nothing for an empty path or a file that does not exist; a file the device cannot open is
  /// reported with the device's error text. True when the sound started.
  bool Play(const std::string& path);

 private:
  MediaPlayer& player_;
  MessageBox& messages_;
};

}  // namespace tess::dictionary
