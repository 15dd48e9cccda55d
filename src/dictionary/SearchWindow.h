#pragma once
// The search window: the text to look for and the four search options.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "dictionary/Search.h"
#include "shared/CodePage.h"
#include "widgets/HoverLabel.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {
class ForeignLetterEdit;
}

namespace tess::dictionary {

class SearchWindow : public QWidget {
  Q_OBJECT
 public:
  /// Shows and takes back `options`; `language` names the foreign side.
  SearchWindow(SearchOptions& options, int language, SkinStrips& skins, QWidget* parent = nullptr);

  /// The text to look for: given to the field when shown, set when the window closes (empty
  /// when it was closed without searching).
  QString SearchText;

  QLabel* Image1;
  QLineEdit* Edit1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;
  QCheckBox* CH_Jak_ang;
  QCheckBox* CH_Jak_pol;
  QCheckBox* CH_Jak_cale;
  QCheckBox* CH_Jak_duze;
  HoverLabel* Label1;
  HoverLabel* Label2;
  HoverLabel* Label3;
  HoverLabel* Label4;
  QCheckBox* CheckBox1;
  HoverLabel* Label5;

  void B_OKClick();
  void B_ZamknijClick();

  /// The character set the field's text stands for on the foreign side: the dictionary's own
  /// (Western or Cyrillic) while CheckBox1 is checked, else Eastern European.
  CodePage ForeignCodePage() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  HoverLabel* OptionLabel(QCheckBox* box, const char* name, const QString& caption, int top);
  void UpdateOk();

  /// The font box shows the field's bytes in the other character set.
  void CharacterSetSwitched(bool checked);

  SearchOptions& options_;
  int language_;
  ForeignLetterEdit* letters_ = nullptr;
};

}  // namespace tess::dictionary
