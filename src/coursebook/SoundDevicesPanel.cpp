#include "coursebook/SoundDevicesPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include "coursebook/OptionsWindow.h"
#include "widgets/Palette.h"

namespace tess {

namespace {

QLabel* Caption(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setFont(OptionsFont(13));
  SetInk(*label, palette::kNavy);
  label->move(14, top);
  label->adjustSize();
  return label;
}

}  // namespace

SoundDevicesPanel::SoundDevicesPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("pnl_urzadzenia");
  auto* title = Caption(this, QStringLiteral("Urządzenia dźwięku"), 10);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->adjustSize();
  auto make = [this](const char* name, const QString& caption, int top) {
    QLabel* label = Caption(this, caption, top + 3);
    QComboBox* box = new LanguageDropDown(this);
    box->setObjectName(name);
    box->setGeometry(96, top, 220, 21);
    box->setAccessibleName(caption.chopped(1));
    label->setBuddy(box);
    connect(box, &QComboBox::activated, this, [this] {
      if (Picked) Picked(Choice());
    });
    return box;
  };
  cb_glosniki = make("cb_glosniki", QStringLiteral("Głośniki:"), 40);
  cb_mikrofon = make("cb_mikrofon", QStringLiteral("Mikrofon:"), 72);
  auto* note = new QLabel(
      QStringLiteral("Urządzenie domyślne zmienia się razem z ustawieniami systemu."), this);
  note->setFont(OptionsFont(11));
  SetInk(*note, palette::kMuted);
  note->setWordWrap(true);
  note->setGeometry(14, 102, 300, 30);
}

void SoundDevicesPanel::ShowChoice(const SoundDeviceChoice& choice,
                                   const std::vector<std::string>& outputs,
                                   const std::vector<std::string>& inputs) {
  outputs_ = ListSoundDevices(outputs, choice.Output);
  inputs_ = ListSoundDevices(inputs, choice.Input);
  Fill(*cb_glosniki, outputs_);
  Fill(*cb_mikrofon, inputs_);
}

void SoundDevicesPanel::Fill(QComboBox& box, const SoundDeviceEntries& entries) {
  box.clear();
  for (const std::string& name : entries.Names) {
    box.addItem(name.empty() ? QStringLiteral("Domyślne urządzenie systemu")
                             : QString::fromStdString(name));
  }
  box.setCurrentIndex(entries.Chosen);
}

SoundDeviceChoice SoundDevicesPanel::Choice() const {
  auto pick = [](const QComboBox& box, const SoundDeviceEntries& entries) {
    const int index = box.currentIndex();
    return index >= 0 && index < static_cast<int>(entries.Names.size())
               ? entries.Names[static_cast<size_t>(index)]
               : std::string();
  };
  return {pick(*cb_glosniki, outputs_), pick(*cb_mikrofon, inputs_)};
}

void SoundDevicesPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(palette::kNavy, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

}  // namespace tess
