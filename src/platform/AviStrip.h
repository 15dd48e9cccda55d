#pragma once
// A film-strip player for small uncompressed AVI files: the reader takes the frames of the
// first video stream (8-bit with palette, 24-bit or 32-bit BI_RGB), and the widget shows them
// one after another at the file's frame rate. Anything else is refused with an error; the
// reader checks every size against the bytes it has, so a damaged file cannot crash it.
#include <QImage>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QTimer;

namespace tess {

struct AviStripFrames {
  std::vector<QImage> Frames;  ///< all of one size, top row first
  int IntervalMs = 100;        ///< time each frame shows
};

/// Limits that keep a hostile file from taking the program's memory.
inline constexpr std::size_t kAviStripMaxFileBytes = 16u * 1024u * 1024u;
inline constexpr int kAviStripMaxSide = 1024;
inline constexpr int kAviStripMaxFrames = 1000;

/// Reads the frames of an AVI file held in `bytes`. False with `error` (English, for the
/// developer) when the file is not a small uncompressed AVI that this player can show.
bool ReadAviStrip(std::string_view bytes, AviStripFrames& out, std::string* error = nullptr);

/// Shows the frames of an AVI file in a loop while started; the colour of a frame's
/// bottom-left pixel is left out, so what lies below shows through.
class AviStrip : public QWidget {
  Q_OBJECT
 public:
  explicit AviStrip(QWidget* parent = nullptr);

  /// Opens the file (through the path resolver); the strip stops and shows its first frame.
  /// False with `error` when it cannot be read; the strip is then empty.
  bool Open(const std::string& path, std::string* error = nullptr);
  /// Plays from the first frame in a loop; nothing without frames.
  void Start();
  /// Stops on the frame shown.
  void Stop();
  bool Active() const;

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const { return current_; }
  int IntervalMs() const { return intervalMs_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void NextFrame();

  std::vector<QPixmap> frames_;
  int intervalMs_ = 100;
  int current_ = 0;
  QTimer* timer_;
};

}  // namespace tess
