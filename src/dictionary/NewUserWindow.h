#pragma once
// The dictionary's new-user window: a name, added to usr.t with the next id.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {
class MessageBox;
}

namespace tess::dictionary {

struct DictionaryState;

class NewUserWindow : public QWidget {
  Q_OBJECT
 public:
  NewUserWindow(DictionaryState& state, SkinStrips& skins, MessageBox& messages,
                QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* Label1;
  QLineEdit* Edit1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;

  /// Adds the typed user and closes with mrOk; a taken name is refused with the dictionary's
  /// message and the field emptied, other refusals say why; the window then stays.
  void B_OKClick();
  void B_ZamknijClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  bool HandleKey(int key);
  void UpdateOk();

  DictionaryState& state_;
  MessageBox& messages_;
};

}  // namespace tess::dictionary
