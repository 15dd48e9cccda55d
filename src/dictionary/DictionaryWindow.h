#pragma once
// The dictionary's main window: the list of entries with its scroll bar and type-ahead field,
// the search, the recordings, and the button that puts an entry on the learning list.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <functional>

#include "dictionary/EntryBrowser.h"
#include "dictionary/ListLayout.h"
#include "widgets/SkinButton.h"

namespace tess {
class MessageBox;
class ModalShower;
class PictureLoader;
}  // namespace tess

namespace tess::dictionary {

struct DictionaryState;
class EntryListBox;
class EntryPlayer;
class SearchWindow;
class LoginWindow;

/// What the main window works with.
struct DictionaryWindowParts {
  DictionaryState& State;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  ModalShower& Modal;
  MessageBox& Messages;
  EntryPlayer& Player;
  std::function<SearchWindow&()> Search;  ///< made at the first search
  std::function<LoginWindow&()> Login;  ///< made when the learning list first needs it
};

class DictionaryWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 600;
  static constexpr int kHeight = 320;
  /// The installation's own background picture, when it brings one.
  static std::string BackgroundFile(const std::string& programDir);

  explicit DictionaryWindow(DictionaryWindowParts parts, QWidget* parent = nullptr);

  /// Runs when the window has closed and saved its options: the program ends.
  std::function<void()> OnClosed;
  /// Runs when a user has logged in for the learning list, with the user's folder.
  std::function<void(const std::string& userDir)> OnUserLoggedIn;

  QLabel* Image2;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* K_Szukaj;
  QPushButton* K_Wszystkie;
  QPushButton* K_Do_nauki;
  SkinButton* L_close;
  SkinButton* btn_minim;
  QLabel* L_Ile_wybrano;
  QLabel* L_Opis;
  EntryListBox* PaintBox1;
  QScrollBar* Suwak;

  const EntryBrowser& Browser() const { return browser_; }

  void ShowAll();
  /// Asks for a text in the search window and shows what it finds.
  void RunSearch();
  void K_WszystkieClick();
  /// A press on the list at `point` (list coordinates): plays the entry there.
  void PlayEntry(QPoint point);
  /// Puts the entry picked last on the learning list, asking for a user first if none.
  void AddToLearningList();
  /// The rows as they are drawn now.
  /// The list as laid out for the rows shown now; laid out again only when they change.
  const ListPicture& CurrentPicture() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RefreshList();
  void PaintBox1Paint(QPainter& painter);
  void Edit1Change(const QString& text);
  void SuwakChange(int value);
  void SaveSearchOptions();
  /// The rows of the list that hold an entry, top first, and what screen readers read of one.
  std::vector<const ListRow*> ShownRows() const;
  const ListRow* ShownRow(int row) const;
  QString RowText(int row) const;
  QImage Background() const;

  DictionaryState& state_;
  PictureLoader& pictures_;
  ModalShower& modal_;
  MessageBox& messages_;
  EntryPlayer& player_;
  std::function<SearchWindow&()> search_;
  std::function<LoginWindow&()> login_;
  EntryBrowser browser_;
  mutable ListPicture picture_;
  mutable int pictureVersion_ = -1;
  QFont listFont_;
};

}  // namespace tess::dictionary
