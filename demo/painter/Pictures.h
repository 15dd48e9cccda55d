#pragma once
// The picture families of the demo installation and the folder they are written to.
#include <QImage>
#include <QString>

#include <utility>

namespace tess::demo {

/// The installation folder; pictures are saved under it by their relative names, with "\" as
/// the course spells them. Any failure to write stops the generator.
class PictureFolder {
 public:
  explicit PictureFolder(QString root) : root_(std::move(root)) {}

  /// A 24-bit BMP without alpha, as the course's bitmaps are.
  void SaveBmp(const QString& name, const QImage& image);
  void SaveJpeg(const QString& name, const QImage& image);
  int saved() const { return saved_; }

 private:
  QString PathOf(const QString& name) const;
  void Save(const QString& name, const QImage& image, const char* format, int quality);

  QString root_;
  int saved_ = 0;
};

/// "Lang_r\n\" of an interface language.
QString LangDir(int language);

/// The shared skin strips in "but_r\" (words in Polish) and the two flags.
void PaintSkins(PictureFolder& folder);
/// The skin strips with words on them, in the language's folder.
void PaintLanguageSkins(PictureFolder& folder, int language);
/// The main window's background and the captions of its menu buttons.
void PaintMainWindow(PictureFolder& folder, int language);
/// The background of the message window.
void PaintMessageWindow(PictureFolder& folder, int language);
/// The backgrounds of the login, new-user and exit confirmation windows.
void PaintUserWindows(PictureFolder& folder, int language);

}  // namespace tess::demo
