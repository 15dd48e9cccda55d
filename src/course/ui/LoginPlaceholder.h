#pragma once
#include <QWidget>

namespace tess {

class TForm5;

/// Stands where the local login goes until local users exist.
class TLoginPlaceholderForm : public QWidget {
  Q_OBJECT
 public:
  explicit TLoginPlaceholderForm(TForm5& skins, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tess
