#pragma once
// The typing window: the gap text in its content box, the entry box laid over the open gap,
// the check button, the scroll arrows and the glossary button. The rules are Typing's; this
// paints, moves the entry box and forwards the pointer, the keys and the buttons.
#include <QPixmap>
#include <memory>
#include <vector>

#include "exercises/ExerciseWindow.h"
#include "exercises/Typing.h"
#include "shared/CodePage.h"
#include "widgets/Accessibility.h"

class QLineEdit;

namespace tess {

class ForeignLetterEdit;
class QtTextMeasurer;
class RepeatButton;

class TypingWindow : public ExerciseWindow {
  Q_OBJECT
 public:
  explicit TypingWindow(ExerciseServices& services, QWidget* parent = nullptr);
  ~TypingWindow() override;

  const Typing& Exercise() const { return exercise_; }

  PaintBox* DXRamka;
  QLineEdit* Edit1;
  SkinButton* btn_sprawdz;
  RepeatButton* btn_up;
  RepeatButton* btn_dn;
  SkinButton* btn_tlumacz;
  QPixmap tmp_wykrzykniczek;

  void DXRamkaPaint(QPainter& painter);
  void DXRamkaMouseMove(QPoint point);
  void DXRamkaMouseDown(QPoint point);
  void btn_sprawdzClick();
  void btn_upClick();
  void btn_dnClick();
  void btn_tlumaczClick();

 protected:
  void LoadStep() override;
  void KindFormShow() override;
  ExerciseScore Score() const override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// What screen readers are told of the content box, as it is painted now.
  std::vector<PaintedRow> ContentRows() const;
  /// Puts the entry box where the exercise has it: over its gap with the gap's entry, or
  /// hidden.
  void ShowEntryBox();
  void SyncScrollButtons();
  /// Text of the course's language meets Qt in this code page.
  CodePage TextCodePage() const { return codePage_; }

  Typing exercise_;
  std::unique_ptr<QtTextMeasurer> measurer_;
  ForeignLetterEdit* letters_ = nullptr;
  CodePage codePage_ = CodePage::Cp1250;
};

}  // namespace tess
