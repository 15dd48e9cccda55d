#include "AviWriter.h"

#include <QtEndian>

#include <stdexcept>

namespace tess::demo {

namespace {

void U32(QByteArray& out, quint32 value) {
  const quint32 little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), 4);
}
void U16(QByteArray& out, quint16 value) {
  const quint16 little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), 2);
}

QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray out(id, 4);
  U32(out, static_cast<quint32>(body.size()));
  out += body;
  if (body.size() % 2 != 0) out.append('\0');
  return out;
}

QByteArray List(const char* type, const QByteArray& body) {
  return Chunk("LIST", QByteArray(type, 4) + body);
}

}  // namespace

QByteArray UncompressedAvi(const std::vector<QImage>& frames, int frameMs) {
  if (frames.empty()) throw std::logic_error("an AVI file needs a frame");
  const int width = frames.front().width();
  const int height = frames.front().height();
  const int stride = (width * 3 + 3) / 4 * 4;
  const quint32 frameBytes = static_cast<quint32>(stride * height);
  const quint32 count = static_cast<quint32>(frames.size());

  QByteArray avih;
  U32(avih, static_cast<quint32>(frameMs) * 1000);  // microseconds per frame
  U32(avih, frameBytes * 1000 / static_cast<quint32>(frameMs));
  U32(avih, 0);     // padding granularity
  U32(avih, 0x10);  // has an index
  U32(avih, count);
  U32(avih, 0);  // initial frames
  U32(avih, 1);  // streams
  U32(avih, frameBytes);
  U32(avih, static_cast<quint32>(width));
  U32(avih, static_cast<quint32>(height));
  for (int i = 0; i < 4; ++i) U32(avih, 0);

  QByteArray strh("vidsDIB ", 8);
  U32(strh, 0);                              // flags
  U16(strh, 0);                              // priority
  U16(strh, 0);                              // language
  U32(strh, 0);                              // initial frames
  U32(strh, static_cast<quint32>(frameMs));  // scale
  U32(strh, 1000);                           // rate: frames per rate/scale seconds
  U32(strh, 0);                              // start
  U32(strh, count);
  U32(strh, frameBytes);
  U32(strh, 0xFFFFFFFF);  // quality: default
  U32(strh, 0);           // sample size
  for (int v : {0, 0, width, height}) U16(strh, static_cast<quint16>(v));

  QByteArray strf;
  U32(strf, 40);
  U32(strf, static_cast<quint32>(width));
  U32(strf, static_cast<quint32>(height));  // positive: bottom row first
  U16(strf, 1);
  U16(strf, 24);
  U32(strf, 0);  // BI_RGB
  U32(strf, frameBytes);
  for (int i = 0; i < 4; ++i) U32(strf, 0);

  QByteArray movi;
  QByteArray index;
  quint32 offset = 4;  // from the "movi" type
  for (const QImage& frame : frames) {
    if (frame.size() != frames.front().size()) throw std::logic_error("frames differ in size");
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    QByteArray pixels(static_cast<qsizetype>(frameBytes), '\0');
    for (int row = 0; row < height; ++row) {
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - row));
      char* out = pixels.data() + static_cast<qsizetype>(row) * stride;
      for (int x = 0; x < width; ++x) {
        out[3 * x] = static_cast<char>(qBlue(line[x]));
        out[3 * x + 1] = static_cast<char>(qGreen(line[x]));
        out[3 * x + 2] = static_cast<char>(qRed(line[x]));
      }
    }
    index += QByteArray("00db", 4);
    U32(index, 0x10);  // key frame
    U32(index, offset);
    U32(index, frameBytes);
    const QByteArray chunk = Chunk("00db", pixels);
    offset += static_cast<quint32>(chunk.size());
    movi += chunk;
  }

  const QByteArray body =
      List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf))) +
      List("movi", movi) + Chunk("idx1", index);
  QByteArray file("RIFF", 4);
  U32(file, static_cast<quint32>(body.size() + 4));
  file += QByteArray("AVI ", 4);
  file += body;
  return file;
}

}  // namespace tess::demo
