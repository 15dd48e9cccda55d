#pragma once
// The picture families of the demo installation and the folder they are written to.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>

#include "Course.h"

namespace tess::demo {

/// The installation folder; pictures are saved under it by their relative names, with "\" as
/// the course spells them. Any failure to write stops the generator.
///
/// With `scale` 2 the folder takes the set for dense screens: each picture goes to
/// "name@2x.ext" beside "name.ext", which must be written already at half its size, and the
/// picture must carry a device pixel ratio of 2 (drawn at twice the size, not enlarged).
class PictureFolder {
 public:
  explicit PictureFolder(QString root, int scale = 1) : root_(std::move(root)), scale_(scale) {}

  /// A 24-bit BMP without alpha, as the course's bitmaps are.
  void SaveBmp(const QString& name, const QImage& image);
  void SaveJpeg(const QString& name, const QImage& image);
  /// A PNG with its alpha (the help pages' pictures).
  void SavePng(const QString& name, const QImage& image);
  /// Any other file, written as given (the film strip, the menu icons). Nothing is written at
  /// scale 2: films and the icon theme's sizes have no "@2x".
  void SaveFile(const QString& name, const QByteArray& bytes);
  int saved() const { return saved_; }

 private:
  QString PathOf(const QString& name) const;
  void Save(const QString& name, const QImage& image, const char* format, int quality);

  QString root_;
  int scale_;
  int saved_ = 0;
};

/// "Lang_r\n\" of an interface language.
QString LangDir(int language);

/// The shared skin strips in "but_r\" (words in Polish), the course language's flag and the
/// translation's.
void PaintSkins(PictureFolder& folder, const Course& course);
/// The skin strips with words on them, in the language's folder.
void PaintLanguageSkins(PictureFolder& folder, int language);
/// The main window's background and the captions of its menu buttons.
void PaintMainWindow(PictureFolder& folder, int language, const Course& course);
/// The background of the message window.
void PaintMessageWindow(PictureFolder& folder, int language);
/// The backgrounds of the login, new-user and exit confirmation windows.
void PaintUserWindows(PictureFolder& folder, int language);
void PaintClassroomWindows(PictureFolder& folder);
void PaintConversationPictures(PictureFolder& folder, const Course& course);
/// The background of the options window.
void PaintOptionsWindow(PictureFolder& folder, int language);
/// The help and translation backgrounds of the information window.
void PaintInformationWindow(PictureFolder& folder, int language);
/// The information window's own inline pictures "gfx_r\ikony\stat_1.bmp" to "stat_5.bmp".
void PaintInformationIcons(PictureFolder& folder);
/// The section chooser's backgrounds "menu_video.bmp", "menu_records.bmp",
/// "menu_sentences.bmp" and "menu_konwersacje.bmp".
void PaintSectionBackgrounds(PictureFolder& folder, int language);
/// The lesson chooser's background "gfx_r\wybor_cw_rozum_a.bmp".
void PaintLessonChooser(PictureFolder& folder, int language, const Course& course);
/// The exercise windows' pictures: the texts' backgrounds "Hdd\teksty\tlo_<n>.jpg" (and ".bmp"
/// where a sorting exercise opens them), the right-hand panel, the tab icons "but_r\zakl\" and
/// the multiple-choice stamps in "gfx_r\ikony\".
void PaintExercisePictures(PictureFolder& folder, const Course& course);
/// The sentences window's backgrounds "Hdd\Zdania\Zdania1.jpg" to "Zdania5.jpg", its right strip
/// "gfx_r\pod_pasek.bmp" and the record button's pictures "gfx_r\zdania\k_nag_a..c.bmp".
void PaintSentencesWindow(PictureFolder& folder);
/// The learner's answer window "gfx_r\twoja_odp_2.bmp" of the sentences window.
void PaintAnswerWindow(PictureFolder& folder, int language);
/// The comprehension window's backgrounds "gfx_r\rozum_tlo1..3.bmp", its marks in
/// "gfx_r\rozumienie\", and the items' pictures and placeholders in "Hdd\Rozumienia_gfx_r\".
void PaintComprehensionWindow(PictureFolder& folder);
/// The exercise result window's background "gfx_r\statystyka.bmp".
void PaintResultScreen(PictureFolder& folder, int language);
/// The small icons the choosers draw into their lists, "gfx_r\ikony\".
void PaintChooserIcons(PictureFolder& folder);
/// The main window's animation pictures "gfx_r\anim\maly_1..20", "duzy_1..5" and the running
/// dot "gfx_r\kropka.avi".
void PaintMainAnimation(PictureFolder& folder, const Course& course);
/// The programs' menu icons "icons\hicolor\<size>\apps\" (48, 128, 256 PNG and scalable SVG),
/// which the package puts into the icon theme.
void PaintAppIcons(PictureFolder& folder);
/// The dictionary's skin strips and main window background in "but_slow_r\".
void PaintDictionary(PictureFolder& folder, const Course& course);
/// The help window's strip "gfx_r\pod_pasek_help.bmp" and the pictures of the help pages in
/// "Htm_r\img\". Drawn last: it puts windows together from the pictures already written to
/// `installation`.
void PaintHelp(PictureFolder& folder, const QString& installation, const Course& course);

/// The frames of a film from the timeline the sound maker left ("film_<n>.txt": start, end,
/// scene and subtitle of each segment), one picture a segment, and the list "frames.ffconcat"
/// that tells ffmpeg how long each stands.
void PaintFilmFrames(const QString& timeline, const QString& outDir, const Course& course);

}  // namespace tess::demo
