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
  // The flags are only checked: no window shows them yet, so they are not decoded.
  for (const char* name : {"but_r\\flaga_1.jpg", "but_r\\flaga_tlum.jpg"}) {
    if (!pictures_.SizeOf(state.ProgramPath(name)).isValid()) {
      if (error) *error = CannotOpenMessage(state.ProgramPath(name));
      return false;
    }
  }
  return true;
}

}  // namespace tess
