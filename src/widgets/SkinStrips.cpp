#include "widgets/SkinStrips.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>

#include "platform/PictureLoader.h"

namespace tess {

std::string CannotOpenMessage(const std::string& path) {
  return "Nie moge otworzyc pliku : \"" + path + "\"";
}

SkinStrips::SkinStrips(PictureLoader& loader, QObject* parent) : QObject(parent), loader_(loader) {}

int SkinStrips::AddFromFile(const std::string& file, int frameCount, int top, int left,
                            std::string* error) {
  // Reading every skin whole at start would hold up the first window; the header tells
  // what the start must check.
  const QSize size = loader_.SizeOf(file);
  if (!size.isValid()) {
    if (error) *error = CannotOpenMessage(file);
    return -1;
  }
  // Frames are cut by the strip's logical width, whatever its density.
  const int width = size.width();
  if (frameCount < 1 || width % frameCount != 0) {
    if (error) *error = "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek";
    return -1;
  }
  Strip strip;
  strip.FrameWidth = width / frameCount;
  strip.Height = size.height();
  strip.File = file;
  strip.DefaultTop = top;
  strip.DefaultLeft = left;
  strips_.push_back(std::move(strip));
  Q_EMIT Changed();
  return Count() - 1;
}

const QPixmap& SkinStrips::BitmapOf(const Strip& strip) const {
  // A file spoilt since the start draws nothing.
  if (!strip.Bitmap) strip.Bitmap = TransparentPixmap(loader_.Load(strip.File));
  return *strip.Bitmap;
}

void SkinStrips::Clear() {
  strips_.clear();
  Q_EMIT Changed();
}

int SkinStrips::FrameWidthOf(int index) const {
  return Valid(index) ? strips_[index].FrameWidth : kMissingSize;
}
int SkinStrips::HeightOf(int index) const {
  return Valid(index) ? strips_[index].Height : kMissingSize;
}
int SkinStrips::DefaultLeftOf(int index) const {
  return Valid(index) ? strips_[index].DefaultLeft : kMissingSize;
}
int SkinStrips::DefaultTopOf(int index) const {
  return Valid(index) ? strips_[index].DefaultTop : kMissingSize;
}

void SkinStrips::SetDefaultPos(int index, int left, int top) {
  if (!Valid(index)) return;
  strips_[index].DefaultLeft = left;
  strips_[index].DefaultTop = top;
}

void SkinStrips::DrawFrame(QPainter& painter, int index, int frame, const QPoint& target) const {
  if (!Valid(index)) return;
  const Strip& strip = strips_[index];
  const QPixmap& bitmap = BitmapOf(strip);
  const QRect logical(frame * strip.FrameWidth, 0, strip.FrameWidth, strip.Height);
  painter.drawPixmap(QRect(target, logical.size()), bitmap,
                     DeviceRect(logical, bitmap.devicePixelRatio()));
}

}  // namespace tess

namespace tess {

QPixmap TransparentPixmap(const QImage& image) {
  QPixmap out = QPixmap::fromImage(image);
  if (image.isNull()) return out;
  const QColor transparent = image.pixelColor(0, image.height() - 1);
  out.setMask(out.createMaskFromColor(transparent, Qt::MaskInColor));
  return out;
}

QPixmap SkinStrips::FramePixmap(int index, int frame) const {
  // As dense as the strip, so the frame stays sharp.
  const qreal ratio = Valid(index) ? BitmapOf(strips_[index]).devicePixelRatio() : 1.0;
  QPixmap picture(DeviceRect(QRect(0, 0, std::max(1, FrameWidthOf(index)),
                                   std::max(1, HeightOf(index))),
                             ratio)
                      .size());
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  DrawFrame(painter, index, frame, QPoint(0, 0));
  return picture;
}

}  // namespace tess
