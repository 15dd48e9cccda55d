#pragma once
// A list of bitmap strips, frames of equal width side by side, from which skinned buttons
// draw their looks. The bottom-left pixel of a strip is its transparent colour.
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace tess {

class PictureLoader;

/// The message of a picture or file that cannot be opened: Nie moge otworzyc pliku : "path".
std::string CannotOpenMessage(const std::string& path);

/// A bitmap drawn transparently: the colour of its bottom-left pixel is left out.
QPixmap TransparentPixmap(const QImage& image);

class SkinStrips : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMissingSize = 33;

  explicit SkinStrips(PictureLoader& loader, QObject* parent = nullptr);

  /// Appends the strip of `file`; returns its index, or -1 with `error` set to the Polish
  /// message of the failure. Only the size is read now; the pixels when first drawn.
  int AddFromFile(const std::string& file, int frameCount, int top, int left,
                  std::string* error = nullptr);
  void Clear();
  int Count() const { return static_cast<int>(strips_.size()); }

  /// Logical pixels: a dense "@2x" strip measures as its 1x file.
  int FrameWidthOf(int index) const;
  int HeightOf(int index) const;
  int DefaultLeftOf(int index) const;
  int DefaultTopOf(int index) const;
  void SetDefaultPos(int index, int left, int top);

  /// Draws frame `frame` of strip `index` at `target` (frame-sized), transparent colour
  /// left out. Nothing for an index beyond the list.
  void DrawFrame(QPainter& painter, int index, int frame, const QPoint& target) const;
  /// Frame `frame` of strip `index` as a picture of its own, for picture buttons.
  QPixmap FramePixmap(int index, int frame) const;

 Q_SIGNALS:
  /// The strips were cleared or added to; buttons resize and repaint.
  void Changed();

 private:
  struct Strip {
    int FrameWidth = 0;
    int Height = 0;
    std::string File;
    mutable std::optional<QPixmap> Bitmap;  ///< read at the first draw
    int DefaultTop = 0;
    int DefaultLeft = 0;
  };
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  const QPixmap& BitmapOf(const Strip& strip) const;

  PictureLoader& loader_;
  std::vector<Strip> strips_;
};

}  // namespace tess
