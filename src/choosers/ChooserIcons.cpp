#include "choosers/ChooserIcons.h"

#include <utility>

#include "platform/PictureLoader.h"
#include "widgets/SkinStrips.h"

namespace tess {

const char* ChooserIconName(ChooserIcon icon) {
  static const char* const kNames[] = {"poz_1",        "poz_2",
                                       "poz_3",        "poz_4",
                                       "rob_yes",      "rob_no",
                                       "zda_tek",      "zda_ust",
                                       "zda_roz",      "zda_dyk",
                                       "img_rpg",      "img_dia",
                                       "img_progress", "img_progress_back",
                                       "img_checked",  "img_normal"};
  static_assert(std::size(kNames) == static_cast<int>(ChooserIcon::Count));
  return kNames[static_cast<int>(icon)];
}

bool ChooserIcons::Load(PictureLoader& pictures, const std::string& programDir,
                        std::string* error) {
  bool all = true;
  for (int i = 0; i < static_cast<int>(ChooserIcon::Count); ++i) {
    const std::string path =
        programDir + "gfx_r\\ikony\\" + ChooserIconName(static_cast<ChooserIcon>(i)) + ".bmp";
    const QImage image = pictures.Load(path);
    icons_[i] = QPixmap::fromImage(image);
    if (image.isNull() && all) {
      all = false;
      if (error) *error = CannotOpenMessage(path);
    }
  }
  return all;
}

void ChooserIcons::MakeTransparent() {
  for (QPixmap& icon : icons_) icon = TransparentPixmap(icon.toImage());
}

void ChooserIcons::LoadOnFirstUse(PictureLoader& pictures, std::string programDir,
                                  std::string* error) {
  pending_ = Pending{&pictures, std::move(programDir), error};
}

void ChooserIcons::LoadIfPending() const {
  if (!pending_) return;
  const Pending pending = std::move(*pending_);
  pending_.reset();
  auto& self = const_cast<ChooserIcons&>(*this);
  self.Load(*pending.Pictures, pending.ProgramDir, pending.Error);
  self.MakeTransparent();
}

const QPixmap& ChooserIcons::Level(int level) const {
  LoadIfPending();
  if (level < 1 || level > 4) return none_;
  return icons_[static_cast<int>(ChooserIcon::poz_1) + level - 1];
}

}  // namespace tess
