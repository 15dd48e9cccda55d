#pragma once
// JPEG decoding through libjpeg, kept apart so it can be fed bytes directly.
#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tess {

/// Pictures larger than this many pixels are refused before anything is allocated, so a
/// damaged or hostile header cannot exhaust memory.
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

/// True when the bytes start with the JPEG start-of-image marker (FF D8).
bool IsJpegData(const unsigned char* data, std::size_t size);

/// Decodes a baseline or progressive JPEG (RGB, grayscale, CMYK or YCCK) into a
/// Format_RGB888 image. A damaged or truncated file gives a null image and, when `error` is
/// given, libjpeg's message; it never ends the program.
QImage DecodeJpeg(const unsigned char* data, std::size_t size, std::string* error = nullptr);

/// The width and height a JPEG's header gives, without decoding the picture; an invalid size
/// when the header cannot be read.
QSize JpegSize(const unsigned char* data, std::size_t size);

}  // namespace tess
