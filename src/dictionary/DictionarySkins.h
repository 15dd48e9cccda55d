#pragma once
// The dictionary's hidden service object: its own list of button skins.
#include <QObject>
#include <string>

#include "widgets/SkinStrips.h"

namespace tess {
class PictureLoader;
}

namespace tess::dictionary {

// Positions of the strips in the dictionary's skin list.
constexpr int kSkinClose = 1;     // "zamknij_rog.bmp"
constexpr int kSkinOk = 2;        // "ok2.bmp"
constexpr int kSkinMinimise = 3;  // "minim.bmp"
constexpr int kSkinNewUser = 4;   // "nowy_user.bmp"

class DictionarySkins : public QObject {
  Q_OBJECT
 public:
  explicit DictionarySkins(PictureLoader& pictures, QObject* parent = nullptr);

  /// Loads the five strips of two frames from `programDir`; false with the Polish message
  /// in `error` when one cannot be loaded.
  bool LoadSkins(const std::string& programDir, std::string* error);

  SkinStrips MyImageList1;
};

}  // namespace tess::dictionary
