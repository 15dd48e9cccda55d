#include "platform/AudioDevices.h"

#include <QMediaDevices>
#include <mutex>

namespace tess {

namespace {

struct Preference {
  std::mutex lock;
  std::string output;
  std::string input;
};

Preference& Chosen() {
  static Preference preference;
  return preference;
}

QAudioDevice Named(const QList<QAudioDevice>& devices, const std::string& name,
                   const QAudioDevice& fallback) {
  if (name.empty()) return fallback;
  const QString wanted = QString::fromStdString(name);
  for (const QAudioDevice& device : devices) {
    if (device.description() == wanted) return device;
  }
  return fallback;
}

std::vector<std::string> NamesOf(const QList<QAudioDevice>& devices) {
  std::vector<std::string> names;
  for (const QAudioDevice& device : devices) names.push_back(device.description().toStdString());
  return names;
}

}  // namespace

void SetPreferredAudioDevices(const std::string& output, const std::string& input) {
  Preference& chosen = Chosen();
  const std::lock_guard guard(chosen.lock);
  chosen.output = output;
  chosen.input = input;
}

QAudioDevice PreferredAudioOutput() {
  std::string name;
  {
    Preference& chosen = Chosen();
    const std::lock_guard guard(chosen.lock);
    name = chosen.output;
  }
  return Named(QMediaDevices::audioOutputs(), name, QMediaDevices::defaultAudioOutput());
}

QAudioDevice PreferredAudioInput() {
  std::string name;
  {
    Preference& chosen = Chosen();
    const std::lock_guard guard(chosen.lock);
    name = chosen.input;
  }
  return Named(QMediaDevices::audioInputs(), name, QMediaDevices::defaultAudioInput());
}

std::vector<std::string> AudioOutputNames() { return NamesOf(QMediaDevices::audioOutputs()); }
std::vector<std::string> AudioInputNames() { return NamesOf(QMediaDevices::audioInputs()); }

}  // namespace tess
