#include "platform/QtPlatform.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/BmpHeader.h"
#include "platform/JpegReader.h"
#include "shared/DateTime.h"
#include "shared/Paths.h"

namespace tess {

namespace {

QString BoxTitle() { return QGuiApplication::applicationDisplayName(); }

}  // namespace

void QtMessageBox::ShowMessage(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), BoxTitle(), QString::fromStdString(text));
}

void QtMessageBox::ShowWarning(const std::string& text) {
  QMessageBox::warning(QApplication::activeWindow(), BoxTitle(), QString::fromStdString(text));
}

void QtMessageBox::Beep() { QApplication::beep(); }

ScreenSize QtScreen::Size() const {
  const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
  if (screen == nullptr) return {};
  const QRect geometry = screen->geometry();
  return {geometry.width(), geometry.height()};
}

std::int64_t QtClock::TickMs() {
  // The reference point is the system's monotonic clock start, the same for every instance.
  QElapsedTimer timer;
  timer.start();
  return timer.msecsSinceReference();
}

double QtClock::Now() {
  const qint64 ms = QDateTime::currentMSecsSinceEpoch();
  return DateTimeFromUnix(static_cast<std::time_t>(ms / 1000), static_cast<int>(ms % 1000));
}

void QtEventWaiter::WaitWithEvents(int milliseconds) {
  QElapsedTimer elapsed;
  elapsed.start();
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  do {
    const qint64 left = milliseconds - elapsed.elapsed();
    if (left <= 0) {
      // Even a zero wait lets pending events through, as the caller expects.
      QCoreApplication::processEvents();
      break;
    }
    timer.start(static_cast<int>(left));
    // Returns early only when the application is quitting, and then the wait is over.
    if (loop.exec() != 0 || QCoreApplication::closingDown()) break;
  } while (elapsed.elapsed() < milliseconds);
}

bool QtBrowser::OpenUrl(const std::string& url) {
  return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

namespace {

// "name@2x.ext" of "name.ext", in the last component of the path.
std::string DensePath(const std::string& path) {
  const std::size_t folder = path.find_last_of("\\/");
  const std::size_t dot = path.rfind('.');
  const bool extension = dot != std::string::npos && (folder == std::string::npos || dot > folder);
  std::string dense = path;
  dense.insert(extension ? dot : dense.size(), "@2x");
  return dense;
}

QImage ReadPicture(const std::string& resolved) {
  QFile file(QString::fromStdString(resolved));
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  const QByteArray bytes = file.readAll();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  const auto size = static_cast<std::size_t>(bytes.size());
  if (IsJpegData(data, size)) return DecodeJpeg(data, size);

  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (IsBmpData(data, size)) {
    // Qt reads BMP itself; naming the format spares probing the file with every plugin.
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
  } else {
    reader.setDecideFormatFromContent(true);
  }
  const QSize dimensions = reader.size();
  if (dimensions.isValid() &&
      static_cast<std::int64_t>(dimensions.width()) * dimensions.height() > kMaxPicturePixels) {
    return QImage();
  }
  return reader.read();
}

// The size a picture file's header gives, read without decoding the picture.
QSize HeaderSize(const std::string& resolved) {
  QFile file(QString::fromStdString(resolved));
  if (!file.open(QIODevice::ReadOnly)) return QSize();
  const qint64 length = file.size();
  if (const uchar* mapped = length > 0 ? file.map(0, length) : nullptr) {
    const auto bytes = static_cast<std::size_t>(length);
    if (IsJpegData(mapped, bytes)) return JpegSize(mapped, bytes);
    if (IsBmpData(mapped, bytes)) return BmpSize(mapped, bytes);
  }
  QImageReader reader(&file);
  reader.setDecideFormatFromContent(true);
  return reader.size();
}

}  // namespace

qreal ScreenPixelRatio() {
  if (qGuiApp == nullptr) return 1;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->devicePixelRatio();
  return qGuiApp->devicePixelRatio();
}

QtPictureLoader::QtPictureLoader(std::function<qreal()> ratio) : ratio_(std::move(ratio)) {}

QImage QtPictureLoader::Load(const std::string& path) {
  // Only a picture of the batch waits for it; any other is read at once.
  if (ahead_.valid() && std::find(pending_.begin(), pending_.end(), path) != pending_.end()) {
    read_ = ahead_.get();
    pending_.clear();
  }
  const auto early = std::find_if(read_.begin(), read_.end(),
                                  [&](const auto& picture) { return picture.first == path; });
  if (early != read_.end()) {
    // Only the first load: the file may change later, and it is read again then.
    QImage picture = std::move(early->second);
    read_.erase(early);
    return picture;
  }
  return Read(path, ratio_ ? ratio_() : 1);
}

void QtPictureLoader::ReadAhead(const std::vector<std::string>& paths) {
  if (ahead_.valid()) return;  // one batch at a time; the rest are read when asked
  pending_ = paths;
  const qreal ratio = ratio_ ? ratio_() : 1;
  ahead_ = std::async(std::launch::async, [this, paths, ratio] {
    ReadPictures pictures;
    for (const std::string& path : paths) pictures.emplace_back(path, Read(path, ratio));
    return pictures;
  });
}

QImage QtPictureLoader::Read(const std::string& path, qreal ratio) const {
  const std::string single = ResolvePath(path);
  if (ratio >= 2) {
    const std::string dense = ResolvePath(DensePath(path));
    if (FileExists(dense)) {
      const QSize size = HeaderSize(single);
      if (size.isValid()) {
        QImage image = ReadPicture(dense);
        if (image.size() == size * 2) {
          image.setDevicePixelRatio(2);
          return image;
        }
      }
    }
  }
  return ReadPicture(single);
}

QSize QtPictureLoader::SizeOf(const std::string& path) {
  const QSize size = HeaderSize(ResolvePath(path));
  if (!size.isValid() ||
      static_cast<std::int64_t>(size.width()) * size.height() > kMaxPicturePixels) {
    return QSize();
  }
  return size;
}

}  // namespace tess
