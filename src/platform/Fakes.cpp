#include "platform/Fakes.h"

#include <QWidget>
#include <algorithm>

namespace tess {

namespace {

std::string SamePathKey(const std::string& path) {
  std::string key = path;
  for (char& c : key) {
    if (c == '/') c = '\\';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

}  // namespace

void FakeMessageBox::ShowMessage(const std::string& text) { messages.push_back(text); }
void FakeMessageBox::ShowWarning(const std::string& text) { warnings.push_back(text); }
void FakeMessageBox::Beep() { ++beeps; }

void FakeClock::Advance(std::int64_t milliseconds) {
  tick += milliseconds;
  now += static_cast<double>(milliseconds) / 86400000.0;
}

void FakeEventWaiter::WaitWithEvents(int milliseconds) {
  waits.push_back(milliseconds);
  if (clock != nullptr && milliseconds > 0) clock->Advance(milliseconds);
  if (duringWait) {
    // A copy, so the handler may replace or clear duringWait while it runs.
    const auto handler = duringWait;
    handler(milliseconds);
  }
}

std::int64_t FakeEventWaiter::TotalWaitedMs() const {
  std::int64_t total = 0;
  for (int wait : waits) total += wait;
  return total;
}

bool FakeBrowser::OpenUrl(const std::string& url) {
  urls.push_back(url);
  return result;
}

QImage FakePictureLoader::Load(const std::string& path) {
  requested.push_back(path);
  const std::string key = SamePathKey(path);
  for (const std::string& gone : missing) {
    if (SamePathKey(gone) == key) return QImage();
  }
  if (delegate != nullptr) return delegate->Load(path);
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

bool FakePictureLoader::WasRequested(const std::string& path) const {
  const std::string key = SamePathKey(path);
  return std::any_of(requested.begin(), requested.end(),
                     [&](const std::string& p) { return SamePathKey(p) == key; });
}

int FakeModalShower::ShowModal(QWidget& window) {
  std::string name = window.objectName().toStdString();
  if (name.empty()) name = window.metaObject()->className();
  shown.push_back(name);

  SetModalResult(window, mrNone);
  window.show();
  if (onShow) {
    const auto handler = onShow;
    handler(window);
  }
  if (window.isVisible()) window.hide();

  int result = ModalResultOf(window);
  if (result == mrNone) {
    const auto scripted = results.find(name);
    result = scripted != results.end() ? scripted->second : defaultResult;
  }
  SetModalResult(window, result);
  return result;
}

int FakeModalShower::TimesShown(const std::string& name) const {
  return static_cast<int>(std::count(shown.begin(), shown.end(), name));
}

}  // namespace tess
