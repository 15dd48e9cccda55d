#include "platform/FakeSound.h"

#include <algorithm>

#include "platform/WavFile.h"

namespace tess {

void FakeMediaPlayer::SetFileName(const std::string& path) {
  calls.push_back("SetFileName " + path);
  fileName = path;
}

bool FakeMediaPlayer::Open(std::string* error) {
  calls.push_back("Open");
  Release();
  if (unopenable.count(fileName) != 0) {
    if (error != nullptr) *error = openError;
    return false;
  }
  state = PlayerState::Open;
  position = 0;
  return true;
}

void FakeMediaPlayer::Close() {
  calls.push_back("Close");
  Release();
}

void FakeMediaPlayer::Release() {
  command_.End(PlayResult::Aborted, [this](PlayResult r) { Report(r); });
  state = PlayerState::NotReady;
  position = 0;
}

void FakeMediaPlayer::Play() {
  const bool wait = waitNext;
  waitNext = false;
  calls.push_back(wait ? "Play wait" : "Play");
  if (state == PlayerState::NotReady) return;
  if (position >= LengthMs()) position = 0;
  command_.Begin([this](PlayResult r) { Report(r); });
  playedFrom.push_back(position);
  state = PlayerState::Playing;
  if (wait) Finish(PlayResult::Successful);
}

void FakeMediaPlayer::Pause() {
  calls.push_back("Pause");
  if (state != PlayerState::Playing) return;
  state = PlayerState::Paused;
  command_.End(PlayResult::Aborted, [this](PlayResult r) { Report(r); });
}

void FakeMediaPlayer::Resume() {
  calls.push_back("Resume");
  if (state != PlayerState::Paused) return;
  command_.Begin([this](PlayResult r) { Report(r); });
  playedFrom.push_back(position);
  state = PlayerState::Playing;
}

void FakeMediaPlayer::Stop() {
  calls.push_back("Stop");
  if (state == PlayerState::NotReady) return;
  state = PlayerState::Stopped;
  command_.End(PlayResult::Aborted, [this](PlayResult r) { Report(r); });
}

void FakeMediaPlayer::Seek(std::int64_t ms) {
  calls.push_back("Seek " + std::to_string(ms));
  if (state == PlayerState::NotReady) return;
  command_.End(PlayResult::Aborted, [this](PlayResult r) { Report(r); });
  position = std::clamp<std::int64_t>(ms, 0, LengthMs());
  state = PlayerState::Stopped;
}

std::int64_t FakeMediaPlayer::LengthMs() const {
  if (state == PlayerState::NotReady) return 0;
  const auto known = lengths.find(fileName);
  return known != lengths.end() ? known->second : defaultLength;
}

void FakeMediaPlayer::SetDisplay(QWidget* panel) {
  displayed = panel != nullptr;
  calls.push_back(displayed ? "Display on" : "Display off");
}

void FakeMediaPlayer::Finish(PlayResult result) {
  if (!command_.Running()) return;
  if (result == PlayResult::Successful) position = LengthMs();
  state = PlayerState::Stopped;
  command_.End(result, [this](PlayResult r) { Report(r); });
}

void FakeMediaPlayer::Advance(std::int64_t ms) {
  if (state == PlayerState::Playing) position = std::min(position + ms, LengthMs());
}

void FakeMediaPlayer::Report(PlayResult result) {
  reports.push_back(result);
  if (handler_) {
    const auto handler = handler_;
    handler(result);
  }
}

int FakeVoiceRecorder::Answer(const std::string& command) const {
  const auto scripted = errors.find(command);
  return scripted != errors.end() ? scripted->second : 0;
}

int FakeVoiceRecorder::Open() {
  calls.push_back("Open");
  return Answer("Open");
}

int FakeVoiceRecorder::Record() {
  calls.push_back("Record");
  return Answer("Record");
}

int FakeVoiceRecorder::Save(const std::string& path) {
  calls.push_back("Save " + path);
  const int code = Answer("Save");
  if (code == 0 && savedLengthMs >= 0) {
    constexpr int kRate = 8000;
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(savedLengthMs * kRate / 1000));
    WriteWavPcm16(path, kRate, 1, silence.data(), silence.size());
  }
  return code;
}

int FakeVoiceRecorder::Close() {
  calls.push_back("Close");
  return Answer("Close");
}

std::string FakeVoiceRecorder::ErrorText(int code) const { return "error " + std::to_string(code); }

}  // namespace tess
