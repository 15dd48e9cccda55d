#pragma once
// The small pictures that the choosers and the information window draw into their lists:
// level icons, done marks, kind icons and the progress bar. They are files of the
// installation, "gfx_r\ikony\" + name + ".bmp", so an installation can draw its own.
#include <QPixmap>
#include <array>
#include <optional>
#include <string>

namespace tess {

class PictureLoader;

enum class ChooserIcon {
  poz_1,
  poz_2,
  poz_3,
  poz_4,  // level 1 to 4
  rob_yes,
  rob_no,  // done marks
  zda_tek,
  zda_ust,
  zda_roz,
  zda_dyk,
  img_rpg,
  img_dia,  // kinds
  img_progress,
  img_progress_back,
  img_checked,
  img_normal,  // lesson / whole-material choice
  Count
};

/// File names without folder and extension, in the order of ChooserIcon.
const char* ChooserIconName(ChooserIcon icon);

class ChooserIcons {
 public:
  /// Loads every icon from `programDir` + "gfx_r\ikony\"; false with `error` naming the first
  /// picture that could not be loaded (the others still load).
  bool Load(PictureLoader& pictures, const std::string& programDir, std::string* error = nullptr);
  /// Leaves out each icon's bottom-left colour, as with every bitmap drawn transparently, so
  /// the icons stand on the white list and on the row highlight alike.
  void MakeTransparent();
  /// Load and MakeTransparent when an icon is first asked for: a chooser made at start need
  /// not read its icons before it is first shown. `error` must outlive this object.
  void LoadOnFirstUse(PictureLoader& pictures, std::string programDir, std::string* error);

  const QPixmap& Get(ChooserIcon icon) const {
    LoadIfPending();
    return icons_[static_cast<int>(icon)];
  }
  /// `poz_1` to `poz_4` for levels 1 to 4; an empty picture for other levels.
  const QPixmap& Level(int level) const;

 private:
  struct Pending {
    PictureLoader* Pictures;
    std::string ProgramDir;
    std::string* Error;
  };
  void LoadIfPending() const;

  mutable std::array<QPixmap, static_cast<int>(ChooserIcon::Count)> icons_;
  QPixmap none_;
  mutable std::optional<Pending> pending_;
};

}  // namespace tess
