#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <stdexcept>
#include <string>

namespace tess::demo {

QString LangDir(int language) { return QStringLiteral("Lang_r\\%1\\").arg(language); }

QString PictureFolder::PathOf(const QString& name) const {
  QString relative = name;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return QDir(root_).filePath(relative);
}

void PictureFolder::Save(const QString& name, const QImage& image, const char* format,
                         int quality) {
  QString path = PathOf(name);
  if (scale_ != 1) {
    const QString single = path;
    const QString suffix = QFileInfo(path).suffix();
    path.insert(path.size() - suffix.size() - 1, QStringLiteral("@%1x").arg(scale_));
    // A picture made outside the scaled canvases would be blurred or misplaced on screen.
    if (image.devicePixelRatio() != scale_ ||
        QImageReader(single).size() * scale_ != image.size()) {
      throw std::runtime_error(path.toStdString() + " is not drawn at " +
                               std::to_string(scale_) + " times " + single.toStdString());
    }
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, format, quality)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  ++saved_;
}

void PictureFolder::SaveBmp(const QString& name, const QImage& image) {
  Save(name, image.convertToFormat(QImage::Format_RGB888), "BMP", -1);
}

void PictureFolder::SaveJpeg(const QString& name, const QImage& image) {
  Save(name, image.convertToFormat(QImage::Format_RGB888), "JPEG", 90);
}

void PictureFolder::SavePng(const QString& name, const QImage& image) {
  Save(name, image, "PNG", -1);
}

void PictureFolder::SaveFile(const QString& name, const QByteArray& bytes) {
  if (scale_ != 1) return;
  const QString path = PathOf(name);
  QFile file(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
      file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  ++saved_;
}

}  // namespace tess::demo
