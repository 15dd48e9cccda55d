// BMP headers read alone: never past the bytes given, and the size Qt's own reader gives the
// same bytes, or none where it gives none.
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "FuzzSupport.h"
#include "platform/BmpHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const QSize size1 = BmpSize(data, size);
  if (size1.isValid()) TESS_FUZZ_CHECK(size1.width() > 0 && size1.height() > 0);
  if (!IsBmpData(data, size)) return 0;
  QBuffer buffer;
  buffer.setData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  QSize qtSize = reader.size();
  // Qt sizes a top-down picture by its stored, negated height.
  qtSize.setHeight(qtSize.height() < 0 ? -qtSize.height() : qtSize.height());
  TESS_FUZZ_CHECK(size1 == (qtSize.isValid() && !qtSize.isEmpty() ? qtSize : QSize()));
  return 0;
}
