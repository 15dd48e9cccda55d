#pragma once
// The dictionary's hidden service object: its own list of button skins.
#include <QObject>
#include <string>

#include "widgets/SkinStrips.h"

namespace tess {
class PictureLoader;
}

namespace tess::dictionary {

/// Positions of the strips in the dictionary's skin list (the first is not used by a button).
enum class DictionarySkin : int { Unused, Close, Ok, Minimise, NewUser };

constexpr int SkinIndex(DictionarySkin skin) { return static_cast<int>(skin); }

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
