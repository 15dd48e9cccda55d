#include "platform/AviStrip.h"

#include <QBitmap>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <optional>

#include "shared/Paths.h"

namespace tess {
namespace {

// RIFF lists nest only a few levels in a video file; deeper nesting is refused.
constexpr int kMaxListDepth = 4;
constexpr std::uint32_t kBiRgb = 0;

std::uint32_t U32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}
std::uint16_t U16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}
std::int32_t I32(std::string_view bytes, std::size_t at) {
  return static_cast<std::int32_t>(U32(bytes, at));
}

struct Stream {
  std::string_view Header;  // strh
  std::string_view Format;  // strf
};

// What the walk over the chunks gathers.
struct Walk {
  std::uint32_t MicroSecPerFrame = 0;
  std::vector<Stream> Streams;
  std::vector<std::string_view> Chunks;  // data chunks of the movi list, in file order
  bool SawMovi = false;
  std::string Error;
};

bool WalkChunks(std::string_view data, std::string_view listType, int depth, Walk& walk) {
  if (depth > kMaxListDepth) {
    walk.Error = "lists nested too deeply";
    return false;
  }
  std::size_t at = 0;
  while (data.size() - at >= 8) {
    const std::string_view id = data.substr(at, 4);
    const std::uint32_t size = U32(data, at + 4);
    if (size > data.size() - at - 8) {
      walk.Error = "chunk '" + std::string(id) + "' runs past the end of the file";
      return false;
    }
    const std::string_view body = data.substr(at + 8, size);
    if (id == "LIST" || id == "RIFF") {
      if (body.size() < 4) {
        walk.Error = "list without a type";
        return false;
      }
      const std::string_view type = body.substr(0, 4);
      if (type == "strl") walk.Streams.push_back({});
      if (type == "movi") walk.SawMovi = true;
      if (!WalkChunks(body.substr(4), type, depth + 1, walk)) return false;
    } else if (id == "avih" && listType == "hdrl") {
      if (size < 4) {
        walk.Error = "main header too short";
        return false;
      }
      walk.MicroSecPerFrame = U32(body, 0);
    } else if (id == "strh" && listType == "strl" && !walk.Streams.empty()) {
      walk.Streams.back().Header = body;
    } else if (id == "strf" && listType == "strl" && !walk.Streams.empty()) {
      walk.Streams.back().Format = body;
    } else if (listType == "movi" || listType == "rec ") {
      if (walk.Chunks.size() >= static_cast<std::size_t>(kAviStripMaxFrames) * 4) {
        walk.Error = "too many chunks";
        return false;
      }
      walk.Chunks.push_back(data.substr(at, 8 + size));
    }
    at += 8 + static_cast<std::size_t>(size) + (size & 1u);
    if (at > data.size()) break;  // the pad byte of the last chunk may be missing
  }
  return true;
}

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

// The uncompressed formats this player shows.
struct FrameFormat {
  int Width = 0;
  int Height = 0;
  bool BottomUp = true;
  int Bits = 0;
  std::size_t Stride = 0;
  std::vector<QRgb> Palette;
};

std::optional<FrameFormat> ReadFormat(const Stream& stream, std::string* error) {
  const std::string_view handler = stream.Header.substr(4, 4);
  static constexpr std::array<std::string_view, 4> kPlainHandlers = {
      std::string_view("\0\0\0\0", 4), "DIB ", "RGB ", "RAW "};
  bool plain = false;
  for (std::string_view known : kPlainHandlers) plain = plain || handler == known;
  if (!plain) {
    Fail(error, "compressed video ('" + std::string(handler) + "') is not supported");
    return std::nullopt;
  }
  const std::string_view info = stream.Format;
  if (info.size() < 40) {
    Fail(error, "bitmap header too short");
    return std::nullopt;
  }
  const std::uint32_t headerSize = U32(info, 0);
  const std::int32_t width = I32(info, 4);
  const std::int32_t height = I32(info, 8);
  const std::uint16_t bits = U16(info, 14);
  const std::uint32_t compression = U32(info, 16);
  if (compression != kBiRgb) {
    Fail(error, "compressed frames are not supported");
    return std::nullopt;
  }
  if (bits != 8 && bits != 24 && bits != 32) {
    Fail(error, "frames of " + std::to_string(bits) + " bits per pixel are not supported");
    return std::nullopt;
  }
  if (width < 1 || width > kAviStripMaxSide || height == 0 || height < -kAviStripMaxSide ||
      height > kAviStripMaxSide) {
    Fail(error, "frame size " + std::to_string(width) + " x " + std::to_string(height) +
                    " is out of range");
    return std::nullopt;
  }
  FrameFormat format;
  format.Width = width;
  format.Height = height < 0 ? -height : height;
  format.BottomUp = height > 0;
  format.Bits = bits;
  format.Stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (bits == 8) {
    std::uint32_t colours = info.size() >= 36 ? U32(info, 32) : 0;
    if (colours == 0 || colours > 256) colours = 256;
    if (headerSize < 40 || headerSize > info.size() || (info.size() - headerSize) / 4 < colours) {
      Fail(error, "palette missing or short");
      return std::nullopt;
    }
    for (std::uint32_t i = 0; i < colours; ++i) {
      const std::size_t at = headerSize + 4 * i;
      format.Palette.push_back(qRgb(static_cast<unsigned char>(info[at + 2]),
                                    static_cast<unsigned char>(info[at + 1]),
                                    static_cast<unsigned char>(info[at])));
    }
    format.Palette.resize(256, qRgb(0, 0, 0));
  }
  return format;
}

QImage DecodeFrame(std::string_view pixels, const FrameFormat& format) {
  QImage image(format.Width, format.Height, QImage::Format_RGB32);
  const int bytesPerPixel = format.Bits / 8;
  for (int row = 0; row < format.Height; ++row) {
    const int fileRow = format.BottomUp ? format.Height - 1 - row : row;
    const std::string_view line =
        pixels.substr(static_cast<std::size_t>(fileRow) * format.Stride, format.Stride);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int x = 0; x < format.Width; ++x) {
      const std::size_t at = static_cast<std::size_t>(x) * bytesPerPixel;
      if (format.Bits == 8) {
        out[x] = format.Palette[static_cast<unsigned char>(line[at])];
      } else {
        out[x] =
            qRgb(static_cast<unsigned char>(line[at + 2]), static_cast<unsigned char>(line[at + 1]),
                 static_cast<unsigned char>(line[at]));
      }
    }
  }
  return image;
}

}  // namespace

bool ReadAviStrip(std::string_view bytes, AviStripFrames& out, std::string* error) {
  out = {};
  if (bytes.size() > kAviStripMaxFileBytes) return Fail(error, "file too large");
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "AVI ") {
    return Fail(error, "not an AVI file");
  }
  // A RIFF size beyond the bytes present is a truncated file; the chunks are then checked
  // one by one against what is there.
  const std::size_t riffEnd = std::min<std::size_t>(bytes.size(), 8 + std::size_t{U32(bytes, 4)});
  Walk walk;
  if (!WalkChunks(bytes.substr(12, riffEnd - 12), "AVI ", 1, walk)) return Fail(error, walk.Error);

  int videoStream = -1;
  for (std::size_t i = 0; i < walk.Streams.size(); ++i) {
    if (walk.Streams[i].Header.size() >= 8 && walk.Streams[i].Header.substr(0, 4) == "vids") {
      videoStream = static_cast<int>(i);
      break;
    }
  }
  if (videoStream < 0 || videoStream > 99) return Fail(error, "no video stream");
  const Stream& stream = walk.Streams[static_cast<std::size_t>(videoStream)];
  const std::optional<FrameFormat> format = ReadFormat(stream, error);
  if (!format) return false;
  const std::size_t frameBytes = format->Stride * static_cast<std::size_t>(format->Height);

  const std::string prefix = {static_cast<char>('0' + videoStream / 10),
                              static_cast<char>('0' + videoStream % 10)};
  for (std::string_view chunk : walk.Chunks) {
    const std::string_view id = chunk.substr(0, 4);
    if (id.substr(0, 2) != prefix || (id.substr(2) != "db" && id.substr(2) != "dc")) continue;
    const std::string_view pixels = chunk.substr(8);
    if (pixels.empty()) {
      // An empty chunk holds the previous frame a while longer.
      if (!out.Frames.empty()) out.Frames.push_back(out.Frames.back());
    } else if (pixels.size() < frameBytes) {
      out = {};
      return Fail(error, "frame data shorter than the frame");
    } else {
      out.Frames.push_back(DecodeFrame(pixels, *format));
    }
    if (out.Frames.size() > static_cast<std::size_t>(kAviStripMaxFrames)) {
      out = {};
      return Fail(error, "too many frames");
    }
  }
  if (out.Frames.empty()) return Fail(error, "no frames");

  double interval = 100;
  if (walk.MicroSecPerFrame > 0) {
    interval = walk.MicroSecPerFrame / 1000.0;
  } else if (stream.Header.size() >= 28) {
    const std::uint32_t scale = U32(stream.Header, 20);
    const std::uint32_t rate = U32(stream.Header, 24);
    if (scale > 0 && rate > 0) interval = 1000.0 * scale / rate;
  }
  out.IntervalMs = static_cast<int>(std::clamp(interval, 10.0, 5000.0) + 0.5);
  return true;
}

AviStrip::AviStrip(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &AviStrip::NextFrame);
}

bool AviStrip::Open(const std::string& path, std::string* error) {
  Stop();
  frames_.clear();
  current_ = 0;
  update();
  std::ifstream in(ResolvePath(path), std::ios::binary | std::ios::ate);
  if (!in) return Fail(error, "cannot open " + path);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uint64_t>(size) > kAviStripMaxFileBytes) {
    return Fail(error, "file too large: " + path);
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return Fail(error, "cannot read " + path);
  AviStripFrames read;
  if (!ReadAviStrip(bytes, read, error)) return false;
  for (const QImage& frame : read.Frames) {
    QPixmap pixmap = QPixmap::fromImage(frame);
    const QColor transparent = frame.pixelColor(0, frame.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    frames_.push_back(std::move(pixmap));
  }
  intervalMs_ = read.IntervalMs;
  return true;
}

void AviStrip::Start() {
  if (frames_.empty()) return;
  current_ = 0;
  timer_->start(intervalMs_);
  update();
}

void AviStrip::Stop() { timer_->stop(); }

bool AviStrip::Active() const { return timer_->isActive(); }

void AviStrip::NextFrame() {
  if (frames_.empty()) return;
  current_ = (current_ + 1) % FrameCount();
  update();
}

void AviStrip::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, frames_[static_cast<std::size_t>(current_)]);
}

}  // namespace tess
