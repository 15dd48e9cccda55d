#pragma once
// The size a BMP file's header gives, read from its first bytes: checking a picture at start
// must not wake Qt's image plugins, which probe a file by loading every one of them.
#include <QSize>
#include <cstddef>

namespace tess {

/// True when the bytes start with the BMP file signature "BM".
bool IsBmpData(const unsigned char* data, std::size_t size);

/// The width and height of a Windows or OS/2 BMP header as Qt's own reader takes them (a
/// top-down picture counts its rows as well); an invalid size for a header that is cut short
/// or that Qt's reader would refuse.
QSize BmpSize(const unsigned char* data, std::size_t size);

}  // namespace tess
