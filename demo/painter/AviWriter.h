#pragma once
// A tiny writer of uncompressed AVI files (24-bit BI_RGB frames, one video stream), for the
// small film strips of the installation.
#include <QByteArray>
#include <QImage>

#include <vector>

namespace tess::demo {

/// The bytes of an AVI file showing `frames` (all of the size of the first) one after another,
/// each for `frameMs` milliseconds.
QByteArray UncompressedAvi(const std::vector<QImage>& frames, int frameMs);

}  // namespace tess::demo
