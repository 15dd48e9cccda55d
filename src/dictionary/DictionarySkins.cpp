#include "dictionary/DictionarySkins.h"

namespace tess::dictionary {

namespace {

// In the order of the skin positions the buttons use.
constexpr const char* kSkinFiles[] = {
    "but_slow_r\\minim.bmp", "but_slow_r\\zamknij_rog.bmp", "but_slow_r\\ok2.bmp",
    "but_slow_r\\minim.bmp", "but_slow_r\\nowy_user.bmp",
};

}  // namespace

DictionarySkins::DictionarySkins(PictureLoader& pictures, QObject* parent)
    : QObject(parent), MyImageList1(pictures, this) {
  setObjectName("TForm5");
}

bool DictionarySkins::LoadSkins(const std::string& programDir, std::string* error) {
  MyImageList1.Clear();
  for (const char* file : kSkinFiles) {
    if (MyImageList1.AddFromFile(programDir + file, 2, 0, 0, error) < 0) return false;
  }
  return true;
}

}  // namespace tess::dictionary
