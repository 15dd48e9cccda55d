#include "platform/QtFilmPlayer.h"

#include <QMediaDevices>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/AudioDevices.h"
#include "shared/Paths.h"

namespace tess {

namespace {

constexpr int kOpenTimeoutMs = 10000;

bool IsWaveName(const std::string& path) {
  return path.size() >= 4 && QString::fromStdString(path.substr(path.size() - 4))
                                     .compare(QStringLiteral(".wav"), Qt::CaseInsensitive) == 0;
}

// The sound server's name of the output the learner chose; empty while the system's default
// is used, so the film follows the server's default as other programs' sound does.
std::string ChosenOutputName() {
  const QAudioDevice device = PreferredAudioOutput();
  if (device.isNull() || device.id() == QMediaDevices::defaultAudioOutput().id()) return {};
  return device.id().toStdString();
}

}  // namespace

FilmSurface::FilmSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FilmSurface::Show(const QImage& frame) {
  frame_ = frame;
  ++frames_;
  update();
}

void FilmSurface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (frame_.isNull()) return;
  const QSize size = frame_.size().scaled(this->size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, frame_);
}

QtFilmPlayer::QtFilmPlayer(QObject* parent) : QObject(parent) {
  connect(&film_, &GstFilm::Frame, this, [this](const QImage& frame) {
    lastFrame_ = frame;
    if (video_) video_->Show(frame);
  });
  connect(&film_, &GstFilm::Ended, this, &QtFilmPlayer::OnEnded);
  connect(&film_, &GstFilm::Failed, this, &QtFilmPlayer::OnFailed);
}

QtFilmPlayer::~QtFilmPlayer() {
  commands_.SetHandler(nullptr);
  film_.disconnect(this);
  film_.Close();
  if (video_) delete video_;
}

void QtFilmPlayer::SetDoneHandler(DoneHandler handler) {
  wave_.SetDoneHandler(handler);
  commands_.SetHandler(std::move(handler));
}

void QtFilmPlayer::SetSpeed(double speed) {
  wave_.SetSpeed(speed);
  speed_ = wave_.Speed();
  if (!waveOpen_ && state_ == PlayerState::Playing) film_.SetRate(speed_);
}

bool QtFilmPlayer::Open(std::string* error) {
  Close();
  const std::string resolved = ResolvePath(fileName_);
  if (IsWaveName(resolved)) {
    wave_.SetFileName(fileName_);
    waveOpen_ = wave_.Open(error);
    return waveOpen_;
  }
  GstFilm::Output output;
  output.capture = capture_;
  // Looked up at every film: a device chosen or plugged in since is used from now on.
  if (!capture_) output.device = ChosenOutputName();
  std::string text;
  if (!film_.Open(resolved, output, kOpenTimeoutMs, &text)) {
    if (text.empty()) text = "Nie można otworzyć pliku " + fileName_;
    if (error != nullptr) *error = text;
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
  film_.Close();
  lastFrame_ = QImage();
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
  const std::uint64_t number = commands_.Begin();
  if (atEnd_) film_.Seek(0, speed_);
  atEnd_ = false;
  state_ = PlayerState::Playing;
  film_.Play(speed_);
  if (!film_.IsPlayable()) OnFailed();
  if (wait) commands_.WaitFor(number);
}

void QtFilmPlayer::Pause() {
  if (waveOpen_) return wave_.Pause();
  if (state_ != PlayerState::Playing) return;
  film_.Pause();
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
  if (state_ == PlayerState::Playing) film_.Pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Aborted);
}

void QtFilmPlayer::Seek(std::int64_t ms) {
  if (waveOpen_) return wave_.Seek(ms);
  if (state_ == PlayerState::NotReady) return;
  commands_.End(PlayResult::Aborted);
  film_.Seek(std::max<std::int64_t>(0, std::min(ms, LengthMs())), speed_);
  atEnd_ = false;
  state_ = PlayerState::Stopped;
}

PlayerState QtFilmPlayer::State() const { return waveOpen_ ? wave_.State() : state_; }

std::int64_t QtFilmPlayer::PositionMs() const {
  if (waveOpen_) return wave_.PositionMs();
  if (state_ == PlayerState::NotReady) return 0;
  if (atEnd_) return LengthMs();
  return std::min(film_.PositionMs(), LengthMs());
}

std::int64_t QtFilmPlayer::LengthMs() const {
  if (waveOpen_) return wave_.LengthMs();
  if (state_ == PlayerState::NotReady) return 0;
  return film_.DurationMs();
}

void QtFilmPlayer::SetDisplay(QWidget* panel) {
  if (panel == nullptr) {
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
  if (state_ != PlayerState::NotReady && !lastFrame_.isNull()) video_->Show(lastFrame_);
}

void QtFilmPlayer::OnEnded() {
  if (state_ != PlayerState::Playing) return;
  film_.Pause();
  atEnd_ = true;
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Successful);
}

void QtFilmPlayer::OnFailed() {
  if (state_ != PlayerState::Playing) return;
  film_.Pause();
  state_ = PlayerState::Stopped;
  commands_.End(PlayResult::Failed);
}

}  // namespace tess
