#pragma once
// The options window's page for the loudspeakers and the microphone: two drop-downs over the
// paper panel, opened by a link under it. Picks go to the window's edit and are stored by OK.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/SoundDeviceChoice.h"

class QComboBox;
class QLabel;

namespace tess {

class SoundDevicesPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SoundDevicesPanel(QWidget* parent);

  /// Lists the devices there are now, with `choice` picked.
  void ShowChoice(const SoundDeviceChoice& choice, const std::vector<std::string>& outputs,
                  const std::vector<std::string>& inputs);
  SoundDeviceChoice Choice() const;

  /// A drop-down was picked from.
  std::function<void(const SoundDeviceChoice&)> Picked;

  QComboBox* cb_glosniki;
  QComboBox* cb_mikrofon;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Fill(QComboBox& box, const SoundDeviceEntries& entries);

  SoundDeviceEntries outputs_;
  SoundDeviceEntries inputs_;
};

}  // namespace tess
