#include "platform/BmpHeader.h"

#include <cstdint>

namespace tess {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::int64_t kMaxPixels = 16384LL * 16384;  // what Qt's reader takes at most

std::uint32_t Little32(const unsigned char* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::uint16_t Little16(const unsigned char* at) {
  return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

// The headers with 32-bit sizes: Windows 3, OS/2 2, Windows 4 and 5. Qt's reader reads every
// other header as the 16-bit one of OS/2 1, so this does too.
bool WideHeader(std::uint32_t size) { return size == 40 || size == 64 || size == 108 || size == 124; }

bool KnownPixels(std::uint16_t bits, std::uint32_t compression) {
  constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

}  // namespace

bool IsBmpData(const unsigned char* data, std::size_t size) {
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

QSize BmpSize(const unsigned char* data, std::size_t size) {
  if (!IsBmpData(data, size) || size < kFileHeaderSize + 4) return QSize();
  const unsigned char* info = data + kFileHeaderSize;
  const std::size_t left = size - kFileHeaderSize;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bits = 0;
  std::uint32_t compression = 0;
  if (const std::uint32_t infoSize = Little32(info); WideHeader(infoSize)) {
    // Qt reads the whole header first (of the OS/2 one, the part it shares with Windows 3).
    if (left < (infoSize == 64 ? 40 : infoSize)) return QSize();
    width = static_cast<std::int32_t>(Little32(info + 4));
    height = static_cast<std::int32_t>(Little32(info + 8));
    planes = Little16(info + 12);
    bits = Little16(info + 14);
    compression = Little32(info + 16);
  } else {
    if (left < 12) return QSize();
    width = static_cast<std::int16_t>(Little16(info + 4));
    height = static_cast<std::int16_t>(Little16(info + 6));
    planes = Little16(info + 8);
    bits = Little16(info + 10);
  }
  if (planes != 1 || !KnownPixels(bits, compression)) return QSize();
  // A top-down picture stores its height negated; INT32_MIN has no positive counterpart.
  if (height < 0) height = -height;
  if (width <= 0 || height == 0 || height > INT32_MAX || width * height > kMaxPixels) {
    return QSize();
  }
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace tess
