#pragma once
// The search window: the text to look for and the four search options.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "controls/HoverControls.h"
#include "controls/TransparentButton.h"
#include "controls/WindowKeys.h"
#include "dictionary/Search.h"

namespace tess::dictionary {

class TForm23 : public QWidget {
  Q_OBJECT
 public:
  /// Shows and takes back `options`; `language` names the foreign side.
  TForm23(SearchOptions& options, int language, TMyImageList& skins, QWidget* parent = nullptr);

  /// The text to look for: given to the field when shown, set when the window closes (empty
  /// when it was closed without searching).
  QString SearchText;

  QLabel* Image1;
  QLineEdit* Edit1;
  TTransparentButton* B_OK;
  TTransparentButton* B_Zamknij;
  QCheckBox* CH_Jak_ang;
  QCheckBox* CH_Jak_pol;
  QCheckBox* CH_Jak_cale;
  QCheckBox* CH_Jak_duze;
  TMLabel* Label1;
  TMLabel* Label2;
  TMLabel* Label3;
  TMLabel* Label4;
  QCheckBox* CheckBox1;
  TMLabel* Label5;

  void B_OKClick();
  void B_ZamknijClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  TMLabel* OptionLabel(QCheckBox* box, const char* name, const QString& caption, int top);
  void UpdateOk();

  SearchOptions& options_;
  int language_;
};

}  // namespace tess::dictionary
