#include "platform/QtFilmPlayer.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

#include "platform/WavFile.h"
#include "shared/Paths.h"

namespace tess {

namespace {

constexpr int kOpenTimeoutMs = 10000;

bool IsWaveName(const std::string& path) {
  return path.size() >= 4 && QString::fromStdString(path.substr(path.size() - 4))
                                     .compare(QStringLiteral(".wav"), Qt::CaseInsensitive) == 0;
}

}  // namespace

FilmSurface::FilmSurface(QWidget* parent) : QWidget(parent), sink_(new QVideoSink(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
    // Converted only when painted: a busy machine paints less often than frames arrive.
    frame_ = frame;
    ++frames_;
    update();
  });
}

void FilmSurface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!frame_.isValid()) return;
  const QImage image = frame_.toImage();
  if (image.isNull()) return;
  const QSize size = image.size().scaled(this->size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, image);
}

QtFilmPlayer::QtFilmPlayer(QObject* parent) : QObject(parent) {
  player_.setAudioOutput(&audio_);
  connect(&player_, &QMediaPlayer::mediaStatusChanged, this, &QtFilmPlayer::OnStatus);
  connect(&player_, &QMediaPlayer::errorOccurred, this, &QtFilmPlayer::OnError);
}

QtFilmPlayer::~QtFilmPlayer() {
  commands_.SetHandler(nullptr);
  player_.disconnect(this);
  player_.stop();
  if (video_) delete video_;
}

bool QtFilmPlayer::Open(std::string* error) {
  Close();
  const std::string resolved = ResolvePath(fileName_);
  player_.setSource(QUrl::fromLocalFile(QString::fromStdString(resolved)));

  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  const auto settled = [this] {
    const QMediaPlayer::MediaStatus status = player_.mediaStatus();
    return player_.error() != QMediaPlayer::NoError || status == QMediaPlayer::LoadedMedia ||
           status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::InvalidMedia ||
           status == QMediaPlayer::NoMedia;
  };
  const auto check = [&] {
    if (settled()) loop.quit();
  };
  connect(&player_, &QMediaPlayer::mediaStatusChanged, &loop, check);
  connect(&player_, &QMediaPlayer::errorOccurred, &loop, check);
  if (!settled()) {
    timeout.start(kOpenTimeoutMs);
    loop.exec();
  }

  const bool loaded = player_.error() == QMediaPlayer::NoError &&
                      (player_.mediaStatus() == QMediaPlayer::LoadedMedia ||
                       player_.mediaStatus() == QMediaPlayer::BufferedMedia);
  if (!loaded) {
    QString text = player_.errorString();
    if (text.isEmpty())
      text = QStringLiteral("Nie można otworzyć pliku %1").arg(QString::fromStdString(fileName_));
    if (error != nullptr) *error = text.toStdString();
    player_.setSource(QUrl());
    return false;
  }
  wavLengthMs_ = IsWaveName(resolved) ? WavLengthMs(resolved) : -1;
  atEnd_ = false;
  state_ = PlayerState::Open;
  return true;
}

void QtFilmPlayer::Close() {
  commands_.End(PlayResult::Aborted);
  if (state_ == PlayerState::NotReady) return;
  player_.stop();
  player_.setSource(QUrl());
  wavLengthMs_ = -1;
  atEnd_ = false;
  state_ = PlayerState::NotReady;
}

void QtFilmPlayer::Play() {
  const bool wait = wait_;
  wait_ = false;
  if (state_ == PlayerState::NotReady) return;
  if (atEnd_) player_.setPosition(0);
  atEnd_ = false;
  const std::uint64_t number = commands_.Begin();
  player_.play();
  state_ = PlayerState::Playing;
  if (wait) commands_.WaitFor(number);
}

void QtFilmPlayer::Pause() {
  if (state_ != PlayerState::Playing) return;
  player_.pause();
  state_ = PlayerState::Paused;
  commands_.End(PlayResult::Aborted);
}

void QtFilmPlayer::Resume() {
  if (state_ != PlayerState::Paused) return;
  Play();
}

void QtFilmPlayer::Stop() {
  if (state_ == PlayerState::NotReady) return;
  // Stopping keeps the position and the picture, as the multimedia control did.
  if (state_ == PlayerState::Playing) player_.pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Aborted);
}

void QtFilmPlayer::Seek(std::int64_t ms) {
  if (state_ == PlayerState::NotReady) return;
  if (state_ == PlayerState::Playing) player_.pause();
  commands_.End(PlayResult::Aborted);
  player_.setPosition(std::max<std::int64_t>(0, std::min(ms, LengthMs())));
  atEnd_ = false;
  state_ = PlayerState::Stopped;
}

std::int64_t QtFilmPlayer::PositionMs() const {
  if (state_ == PlayerState::NotReady) return 0;
  if (atEnd_) return LengthMs();
  return std::min<std::int64_t>(player_.position(), LengthMs());
}

std::int64_t QtFilmPlayer::LengthMs() const {
  if (state_ == PlayerState::NotReady) return 0;
  return wavLengthMs_ >= 0 ? wavLengthMs_ : player_.duration();
}

void QtFilmPlayer::SetDisplay(QWidget* panel) {
  if (panel == nullptr) {
    player_.setVideoSink(nullptr);
    if (video_) video_->deleteLater();
    video_ = nullptr;
    return;
  }
  if (video_ && video_->parentWidget() == panel) return;
  if (video_) video_->deleteLater();
  // A layout keeps the picture filling the panel whatever size the panel gets later.
  if (panel->layout() == nullptr) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  video_ = new FilmSurface(panel);
  panel->layout()->addWidget(video_);
  video_->show();
  player_.setVideoSink(video_->Sink());
}

void QtFilmPlayer::OnStatus(QMediaPlayer::MediaStatus status) {
  if (status != QMediaPlayer::EndOfMedia || state_ != PlayerState::Playing) return;
  atEnd_ = true;
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Successful);
}

void QtFilmPlayer::OnError(QMediaPlayer::Error, const QString&) {
  if (state_ != PlayerState::Playing) return;
  player_.pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Failed);
}

}  // namespace tess
