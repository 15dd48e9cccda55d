#pragma once
#include <QImage>
#include <string>

namespace tess {

/// Loads the pictures of the installation: BMP through Qt, JPEG through libjpeg.
/// The path goes through the path resolver. A null image means it could not be loaded.
class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  virtual QImage Load(const std::string& path) = 0;
};

}  // namespace tess
