#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace tess::demo {

QString LangDir(int language) { return QStringLiteral("Lang_r\\%1\\").arg(language); }

QString PictureFolder::PathOf(const QString& name) const {
  QString relative = name;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return QDir(root_).filePath(relative);
}

void PictureFolder::Save(const QString& name, const QImage& image, const char* format,
                         int quality) {
  const QString path = PathOf(name);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
      !image.convertToFormat(QImage::Format_RGB888).save(path, format, quality)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  ++saved_;
}

void PictureFolder::SaveBmp(const QString& name, const QImage& image) {
  Save(name, image, "BMP", -1);
}

void PictureFolder::SaveFile(const QString& name, const QByteArray& bytes) {
  const QString path = PathOf(name);
  QFile file(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
      file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  ++saved_;
}

void PictureFolder::SaveJpeg(const QString& name, const QImage& image) {
  Save(name, image, "JPEG", 90);
}

}  // namespace tess::demo
