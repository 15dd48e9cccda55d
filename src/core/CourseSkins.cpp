#include "core/CourseSkins.h"

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "platform/PictureLoader.h"

namespace tess {

CourseSkins::CourseSkins(PictureLoader& pictures, QObject* parent)
    : QObject(parent), MyImageList1(pictures), pictures_(pictures) {}

bool CourseSkins::LoadSkins(const CourseState& state, std::string* error) {
  MyImageList1.Clear();
  for (const SkinFile& skin : kCourseSkins) {
    const std::string path =
        skin.InLanguageFolder ? state.LangPath(skin.Name) : state.ProgramPath(skin.Name);
    if (MyImageList1.AddFromFile(path, kSkinFrames, 0, 0, error) < 0) return false;
  }
  for (auto [image, name] : {std::pair{&Flaga_1, "but_r\\flaga_1.jpg"},
                             std::pair{&Flaga_Tlum, "but_r\\flaga_tlum.jpg"}}) {
    *image = pictures_.Load(state.ProgramPath(name));
    if (image->isNull()) {
      if (error) *error = CannotOpenMessage(state.ProgramPath(name));
      return false;
    }
  }
  return true;
}

}  // namespace tess
