#pragma once
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

namespace tess {

/// Loads the pictures of the installation: BMP through Qt, JPEG through libjpeg.
/// The path goes through the path resolver. A null image means it could not be loaded.
/// On a dense screen a picture may come with twice the pixels and a device pixel ratio of 2;
/// it still stands for the size of the 1x picture (see LogicalSize).
class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  virtual QImage Load(const std::string& path) = 0;
  /// Starts reading pictures a window will soon ask for, while the program does other work;
  /// the first Load of each gets what was read. A loader that cannot does nothing.
  virtual void ReadAhead(const std::vector<std::string>& paths) { (void)paths; }
  /// The logical size of the picture, read without decoding it where the loader can; an
  /// invalid size when Load would give nothing for a missing or unreadable file.
  virtual QSize SizeOf(const std::string& path) {
    const QImage picture = Load(path);
    return picture.isNull() ? QSize() : picture.deviceIndependentSize().toSize();
  }
};

// The rule for every consumer of a loaded picture: layout, offsets and sizes are counted in
// logical pixels, the size the 1x picture has; only reads of the picture's own pixels (a cut
// out of a strip, a pixel's colour) go through the device pixels below.

/// The size a picture covers on screen: its pixels over its device pixel ratio.
inline QSize LogicalSize(const QImage& picture) {
  return picture.deviceIndependentSize().toSize();
}
inline QSize LogicalSize(const QPixmap& picture) {
  return picture.deviceIndependentSize().toSize();
}

/// The picture's own pixels under `logical`, a rectangle in logical pixels of a picture of
/// device pixel ratio `ratio`.
inline QRect DeviceRect(const QRect& logical, qreal ratio) {
  const auto scaled = [ratio](int value) { return qRound(value * ratio); };
  return QRect(scaled(logical.x()), scaled(logical.y()), scaled(logical.width()),
               scaled(logical.height()));
}

}  // namespace tess
