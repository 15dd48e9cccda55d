#include "platform/QtFilmPlayer.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

#include "platform/AudioDevices.h"
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

QtFilmPlayer::QtFilmPlayer(QObject* parent) : QObject(parent) {}

QtFilmPlayer::~QtFilmPlayer() {
  commands_.SetHandler(nullptr);
  if (player_) {
    player_->disconnect(this);
    player_->stop();
  }
  if (video_) delete video_;
}

QMediaPlayer& QtFilmPlayer::Player() {
  if (player_) return *player_;
  player_ = std::make_unique<QMediaPlayer>();
  audio_ = std::make_unique<QAudioOutput>();
  player_->setAudioOutput(audio_.get());
  connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this, &QtFilmPlayer::OnStatus);
  connect(player_.get(), &QMediaPlayer::errorOccurred, this, &QtFilmPlayer::OnError);
  if (video_) player_->setVideoSink(video_->Sink());
  return *player_;
}

void QtFilmPlayer::SetDoneHandler(DoneHandler handler) {
  wave_.SetDoneHandler(handler);
  commands_.SetHandler(std::move(handler));
}

void QtFilmPlayer::SetSpeed(double speed) {
  wave_.SetSpeed(speed);
  speed_ = wave_.Speed();
}

bool QtFilmPlayer::Open(std::string* error) {
  Close();
  if (IsWaveName(ResolvePath(fileName_))) {
    wave_.SetFileName(fileName_);
    waveOpen_ = wave_.Open(error);
    return waveOpen_;
  }
  QMediaPlayer& player = Player();
  // The output made with the player keeps its device; a film opened later goes where the
  // learner's choice or the system's default is now.
  audio_->setDevice(PreferredAudioOutput());
  const std::string resolved = ResolvePath(fileName_);
  player.setSource(QUrl::fromLocalFile(QString::fromStdString(resolved)));

  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  const auto settled = [&player] {
    const QMediaPlayer::MediaStatus status = player.mediaStatus();
    return player.error() != QMediaPlayer::NoError || status == QMediaPlayer::LoadedMedia ||
           status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::InvalidMedia ||
           status == QMediaPlayer::NoMedia;
  };
  const auto check = [&] {
    if (settled()) loop.quit();
  };
  connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, check);
  connect(&player, &QMediaPlayer::errorOccurred, &loop, check);
  if (!settled()) {
    timeout.start(kOpenTimeoutMs);
    loop.exec();
  }

  const bool loaded = player.error() == QMediaPlayer::NoError &&
                      (player.mediaStatus() == QMediaPlayer::LoadedMedia ||
                       player.mediaStatus() == QMediaPlayer::BufferedMedia);
  if (!loaded) {
    QString text = player.errorString();
    if (text.isEmpty())
      text = QStringLiteral("Nie można otworzyć pliku %1").arg(QString::fromStdString(fileName_));
    if (error != nullptr) *error = text.toStdString();
    player.setSource(QUrl());
    return false;
  }
  atEnd_ = false;
  state_ = PlayerState::Open;
  return true;
}

void QtFilmPlayer::Close() {
  if (waveOpen_) {
    wave_.Close();
    waveOpen_ = false;
  }
  commands_.End(PlayResult::Aborted);
  if (state_ == PlayerState::NotReady) return;
  Player().stop();
  Player().setSource(QUrl());
  atEnd_ = false;
  state_ = PlayerState::NotReady;
}

void QtFilmPlayer::Play() {
  const bool wait = wait_;
  wait_ = false;
  if (waveOpen_) {
    wave_.SetWait(wait);
    wave_.Play();
    return;
  }
  if (state_ == PlayerState::NotReady) return;
  if (atEnd_) Player().setPosition(0);
  atEnd_ = false;
  const std::uint64_t number = commands_.Begin();
  Player().play();
  state_ = PlayerState::Playing;
  if (wait) commands_.WaitFor(number);
}

void QtFilmPlayer::Pause() {
  if (waveOpen_) return wave_.Pause();
  if (state_ != PlayerState::Playing) return;
  Player().pause();
  state_ = PlayerState::Paused;
  commands_.End(PlayResult::Aborted);
}

void QtFilmPlayer::Resume() {
  if (waveOpen_) {
    wave_.SetWait(wait_);
    wait_ = false;
    return wave_.Resume();
  }
  if (state_ != PlayerState::Paused) return;
  Play();
}

void QtFilmPlayer::Stop() {
  if (waveOpen_) return wave_.Stop();
  if (state_ == PlayerState::NotReady) return;
  // Stopping keeps the position and the picture, as the multimedia control did.
  if (state_ == PlayerState::Playing) Player().pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Aborted);
}

void QtFilmPlayer::Seek(std::int64_t ms) {
  if (waveOpen_) return wave_.Seek(ms);
  if (state_ == PlayerState::NotReady) return;
  if (state_ == PlayerState::Playing) Player().pause();
  commands_.End(PlayResult::Aborted);
  Player().setPosition(std::max<std::int64_t>(0, std::min(ms, LengthMs())));
  atEnd_ = false;
  state_ = PlayerState::Stopped;
}

PlayerState QtFilmPlayer::State() const { return waveOpen_ ? wave_.State() : state_; }

std::int64_t QtFilmPlayer::PositionMs() const {
  if (waveOpen_) return wave_.PositionMs();
  if (state_ == PlayerState::NotReady) return 0;
  if (atEnd_) return LengthMs();
  return std::min<std::int64_t>(player_ ? player_->position() : 0, LengthMs());
}

std::int64_t QtFilmPlayer::LengthMs() const {
  if (waveOpen_) return wave_.LengthMs();
  if (state_ == PlayerState::NotReady) return 0;
  return player_ ? player_->duration() : 0;
}

void QtFilmPlayer::SetDisplay(QWidget* panel) {
  if (panel == nullptr) {
    if (player_) player_->setVideoSink(nullptr);
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
  if (player_) player_->setVideoSink(video_->Sink());
}

void QtFilmPlayer::OnStatus(QMediaPlayer::MediaStatus status) {
  if (status != QMediaPlayer::EndOfMedia || state_ != PlayerState::Playing) return;
  atEnd_ = true;
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Successful);
}

void QtFilmPlayer::OnError(QMediaPlayer::Error, const QString&) {
  if (state_ != PlayerState::Playing) return;
  Player().pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Failed);
}

}  // namespace tess
