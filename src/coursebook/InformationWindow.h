#pragma once
// The small modal window for a marked-up text: help behind the help buttons, and the typing
// exercise's translation. The text's rules live in results/InformationText.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <utility>

#include "coursebook/InformationText.h"
#include "shared/CodePage.h"
#include "widgets/SkinButton.h"

namespace tess {

struct CourseState;
class ModalShower;
class PictureLoader;
class CourseSkins;

/// A paint box: its drawing is done by the window that owns it.
class InformationPaintBox : public QWidget {
  Q_OBJECT
 public:
  InformationPaintBox(QWidget* parent, std::function<void(QPainter&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void(QPainter&)> paint_;
};

class InformationWindow : public QWidget {
  Q_OBJECT
 public:
  InformationWindow(const CourseState& state, CourseSkins& skins, PictureLoader& pictures,
                    ModalShower& modal, QWidget* parent = nullptr);

  /// `InformationText` := text, then the window is shown modally; returns when it closes.
  void ShowInformation(const std::string& text);

  /// The text of the next showing: "HH_" + a help text, or a translation.
  std::string InformationText;

  const InformationPage& Page() const { return page_; }

  QLabel* Image2;
  InformationPaintBox* Pb1;
  SkinButton* B_OK;
  SkinButton* btn_up;
  SkinButton* btn_dn;

  void B_OKClick();
  void btn_upClick();
  void btn_dnClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  /// Loads the inline pictures at the first showing.
  void LoadInlinePictures();
  CodePage TextCodePage() const;
  const QPixmap& PictureOf(InformationPicture picture) const;
  void UpdateScrollButtons();
  void Pb1Paint(QPainter& painter);

  const CourseState& state_;
  PictureLoader& pictures_;
  ModalShower& modal_;
  InformationPage page_;
  // The chooser icons and stat_1 to stat_5, the colour of their bottom-left pixel left out.
  std::array<QPixmap, kInformationPictureCount> inline_;
  bool inlineLoaded_ = false;
};

}  // namespace tess
