// JPEG pictures through libjpeg: damaged files give a null image, never a crash.
#include "FuzzSupport.h"
#include "platform/JpegReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  if (!IsJpegData(data, size)) return 0;
  std::string error;
  const QImage image = DecodeJpeg(data, size, &error);
  if (!image.isNull()) {
    TESS_FUZZ_CHECK(image.format() == QImage::Format_RGB888);
    TESS_FUZZ_CHECK(static_cast<std::int64_t>(image.width()) * image.height() <= kMaxPicturePixels);
  }
  return 0;
}
