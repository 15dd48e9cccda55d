#include "course/ui/Main.h"

#include <QCloseEvent>

#include "course/CourseState.h"
#include "course/SkinTable.h"
#include "course/ui/Form5.h"
#include "course/ui/UiText.h"
#include "platform/PictureLoader.h"

namespace tess {
namespace {

struct CaptionFile {
  QLabel* TMainForm::*Label;
  const char* File;
};

constexpr std::array<CaptionFile, 6> kCaptions = {{
    {&TMainForm::rol_subjects, "gfx_r\\m_subjects.bmp"},
    {&TMainForm::rol_video, "gfx_r\\m_video.bmp"},
    {&TMainForm::rol_sentences, "gfx_r\\m_sentences.bmp"},
    {&TMainForm::rol_records, "gfx_r\\m_records.bmp"},
    {&TMainForm::rol_conversations, "gfx_r\\m_conversations.bmp"},
    {&TMainForm::rol_results, "gfx_r\\m_results.bmp"},
}};

}  // namespace

TMainForm::TMainForm(const CourseState& state, TForm5& skins, PictureLoader& pictures,
                     QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), state_(state), skins_(skins), pictures_(pictures) {
  setObjectName("TMainForm");
  setFixedSize(800, 600);
  img_tlo = new QLabel(this);
  img_tlo->setGeometry(0, 0, 800, 600);
  rol_subjects = CaptionPicture("rol_subjects");
  rol_video = CaptionPicture("rol_video");
  rol_sentences = CaptionPicture("rol_sentences");
  rol_records = CaptionPicture("rol_records");
  rol_conversations = CaptionPicture("rol_conversations");
  rol_results = CaptionPicture("rol_results");
  m_subj = MenuButton("m_subj", 22, 13, 493, rol_subjects);
  m_video = MenuButton("m_video", 23, 105, 493, rol_video);
  m_sent = MenuButton("m_sent", 24, 189, 493, rol_sentences);
  m_rec = MenuButton("m_rec", 25, 273, 493, rol_records);
  m_conv = MenuButton("m_conv", 26, 358, 493, rol_conversations);
  m_results = MenuButton("m_results", 46, 443, 498, rol_results);
  lbl_exit = MenuButton("lbl_exit", kSkinClose, 775, 0, nullptr);
  connect(lbl_exit, &TTransparentButton::Click, this, &QWidget::close);
}

QLabel* TMainForm::CaptionPicture(const char* name) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->move(601, 560);
  label->hide();
  return label;
}

TTransparentButton* TMainForm::MenuButton(const char* name, int skin, int left, int top,
                                          QLabel* caption) {
  auto* button = new TTransparentButton(this);
  button->setObjectName(name);
  button->SetImageList(&skins_.MyImageList1);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  if (caption) {
    connect(button, &TTransparentButton::MouseEnter, caption, &QWidget::show);
    connect(button, &TTransparentButton::MouseLeave, caption, &QWidget::hide);
  }
  return button;
}

bool TMainForm::LoadPictures(std::string* error) {
  auto load = [&](QLabel* label, const std::string& file) {
    const std::string path = state_.LangPath(file);
    const QImage image = pictures_.Load(path);
    if (image.isNull()) {
      if (error) *error = "Nie moge otworzyc pliku : \"" + path + "\"";
      return false;
    }
    label->setPixmap(QPixmap::fromImage(image));
    label->adjustSize();
    return true;
  };
  if (!load(img_tlo, "gfx_r\\Main_rozum.bmp")) return false;
  img_tlo->resize(800, 600);
  for (const CaptionFile& caption : kCaptions) {
    if (!load(this->*caption.Label, caption.File)) return false;
  }
  return true;
}

void TMainForm::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  for (const CaptionFile& caption : kCaptions) (this->*caption.Label)->hide();
  QWidget::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (confirmClose_ && !confirmClose_()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tess
