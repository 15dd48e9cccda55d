#include "dictionary/DictionaryWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>

#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/EntryListBox.h"
#include "dictionary/EntryPlayer.h"
#include "dictionary/LearningList.h"
#include "dictionary/LoginWindow.h"
#include "dictionary/Recordings.h"
#include "dictionary/Search.h"
#include "dictionary/SearchWindow.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "platform/QtTextMeasurer.h"
#include "shared/Paths.h"
#include "shared/TextFile.h"
#include "users/UserWidgets.h"
#include "widgets/Accessibility.h"
#include "widgets/Centre.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowDragHandle.h"

namespace tess::dictionary {

namespace {

// Where the controls stand; the built-in picture puts its white panels under them.
const QRect kTitleDragArea(0, 0, 520, look::kTitleHeight);
const QRect kTypeAheadField(16, 40, 200, 24);
const QRect kShowAllButton(16, 40, 200, 24);
const QRect kSearchButton(226, 40, 92, 24);
const QRect kCountLabel(330, 40, 258, 24);
const QRect kListPanel(8, 72, 584, 208);
const QRect kListBox(14, 76, 552, 200);
const QRect kScrollBar(570, 76, 16, 200);
const QRect kNoteLabel(16, 288, 300, 22);
const QRect kLearnButton(458, 286, 130, 26);
constexpr int kWheelEntries = 3;

void StyleScrollBar(QScrollBar& bar) {
  bar.setStyleSheet(palette::Styled(QStringLiteral(
      "QScrollBar:vertical { background: {sand}; width: 16px; border-radius: 8px;"
      " margin: 18px 0 18px 0; }"
      "QScrollBar::handle:vertical { background: {teal}; border-radius: 6px; margin: 2px;"
      " min-height: 24px; }"
      "QScrollBar::handle:vertical:hover { background: {tealHover}; }"
      // The arrows move the list by one entry.
      "QScrollBar::sub-line:vertical, QScrollBar::add-line:vertical { background: {teal};"
      " height: 16px; border-radius: 8px; subcontrol-origin: margin; }"
      "QScrollBar::sub-line:vertical { subcontrol-position: top; }"
      "QScrollBar::add-line:vertical { subcontrol-position: bottom; }"
      "QScrollBar::sub-line:vertical:hover, QScrollBar::add-line:vertical:hover {"
      " background: {tealHover}; }"
      "QScrollBar::up-arrow:vertical { width: 0; height: 0; border-left: 4px solid transparent;"
      " border-right: 4px solid transparent; border-bottom: 5px solid white; }"
      "QScrollBar::down-arrow:vertical { width: 0; height: 0; border-left: 4px solid transparent;"
      " border-right: 4px solid transparent; border-top: 5px solid white; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")));
}

}  // namespace

DictionaryWindow::DictionaryWindow(DictionaryWindowParts parts, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      state_(parts.State),
      pictures_(parts.Pictures),
      modal_(parts.Modal),
      messages_(parts.Messages),
      player_(parts.Player),
      search_(std::move(parts.Search)),
      login_(std::move(parts.Login)),
      browser_(parts.State.Table, parts.State.Language()),
      listFont_(PointFont("Arial", 10)) {
  setObjectName("TFrmSlownik");
  setFixedSize(kWidth, kHeight);
  Image2 = new QLabel(this);
  Image2->setGeometry(0, 0, kWidth, kHeight);
  Image2->setPixmap(QPixmap::fromImage(Background()));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(kTitleDragArea);
  WindowDragHandle::Install(Label1);  // the title bar

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(kTypeAheadField);
  StyleNameEdit(*Edit1);
  Edit1->setFont(listFont_);
  Edit1->setToolTip(QStringLiteral("Wpisz początek słowa"));
  Edit1->setAccessibleName(Edit1->toolTip());

  K_Szukaj = TextButton(this, "K_Szukaj", QStringLiteral("Szukaj..."), kSearchButton);
  K_Szukaj->setToolTip(QStringLiteral("Szukaj w słowniku (Ctrl+F)"));
  K_Wszystkie = TextButton(this, "K_Wszystkie", QStringLiteral("Pokaż wszystkie"), kShowAllButton);
  K_Do_nauki = TextButton(this, "K_Do_nauki", QStringLiteral("+ Do nauki"), kLearnButton);
  K_Do_nauki->setToolTip(QStringLiteral("Dopisz kliknięte słowo do listy słówek do nauki"));

  L_Ile_wybrano = new QLabel(this);
  L_Ile_wybrano->setObjectName("L_Ile_wybrano");
  L_Ile_wybrano->setGeometry(kCountLabel);
  StyleLabel(*L_Ile_wybrano, 13, true);
  L_Opis = new QLabel(this);
  L_Opis->setObjectName("L_Opis");
  L_Opis->setGeometry(kNoteLabel);
  StyleLabel(*L_Opis, 13, true, palette::kTeal);

  PaintBox1 = new EntryListBox(this);
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setGeometry(kListBox);
  PaintBox1->setCursor(Qt::PointingHandCursor);
  PaintBox1->Paint = [this](QPainter& painter) { PaintBox1Paint(painter); };
  PaintBox1->MouseDown = [this](QPoint point) { PlayEntry(point); };
  PaintBox1->HintAt = [this](QPoint point) {
    return dictionary::HintAt(CurrentPicture(), point.x(), point.y());
  };
  PaintBox1->Wheel = [this](int steps) {
    if (Suwak->isVisible()) Suwak->setValue(Suwak->value() - steps * kWheelEntries);
  };
  PaintBox1->setAccessibleName(QStringLiteral("Hasła słownika"));
  ExposeRows(*PaintBox1, {[this] { return static_cast<int>(ShownRows().size()); },
                          [this](int row) { return RowText(row); },
                          [this](int row) {
                            const ListRow* shown = ShownRow(row);
                            const std::optional<int> selected = browser_.SelectedRow();
                            return shown && selected && *selected == shown->Index;
                          },
                          [this](int row) {
                            const ListRow* shown = ShownRow(row);
                            return shown ? QRect(0, shown->Top, PaintBox1->width(),
                                                 shown->Bottom - shown->Top)
                                         : QRect();
                          },
                          [this](int row) {
                            if (const ListRow* shown = ShownRow(row)) {
                              PlayEntry(QPoint(1, shown->Top + 1));
                            }
                          }});

  Suwak = new QScrollBar(Qt::Vertical, this);
  Suwak->setObjectName("Suwak");
  Suwak->setGeometry(kScrollBar);
  Suwak->setSingleStep(1);
  Suwak->setPageStep(kListRows);
  StyleScrollBar(*Suwak);
  Suwak->setAccessibleName(QStringLiteral("Przewijanie listy"));

  L_close = SkinnedButton(this, "L_close", parts.Skins, SkinIndex(DictionarySkin::Close), 0, 0);
  L_close->move(kWidth - L_close->width() - 2, 2);
  L_close->setToolTip(QStringLiteral("Zamknij"));
  btn_minim =
      SkinnedButton(this, "btn_minim", parts.Skins, SkinIndex(DictionarySkin::Minimise), 0, 0);
  btn_minim->move(L_close->x() - btn_minim->width() - 2, 2);
  btn_minim->setToolTip(QStringLiteral("Minimalizuj"));

  connect(K_Szukaj, &QPushButton::clicked, this, &DictionaryWindow::RunSearch);
  connect(K_Wszystkie, &QPushButton::clicked, this, &DictionaryWindow::K_WszystkieClick);
  connect(K_Do_nauki, &QPushButton::clicked, this, &DictionaryWindow::AddToLearningList);
  connect(L_close, &SkinButton::Click, this, &QWidget::close);
  connect(btn_minim, &SkinButton::Click, this, &QWidget::showMinimized);
  connect(Edit1, &QLineEdit::textChanged, this, &DictionaryWindow::Edit1Change);
  connect(Suwak, &QScrollBar::valueChanged, this, &DictionaryWindow::SuwakChange);
  auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  connect(find, &QShortcut::activated, this, &DictionaryWindow::RunSearch);

  ShowAll();
}

std::string DictionaryWindow::BackgroundFile(const std::string& programDir) {
  return programDir + "but_slow_r\\slownik_t.bmp";
}

QImage DictionaryWindow::Background() const {
  // An installation may bring its own picture; the program's own is drawn otherwise.
  const std::string file = BackgroundFile(state_.ProgramDir);
  if (FileExists(file)) {
    const QImage picture = pictures_.Load(file);
    if (!picture.isNull()) return picture;
  }
  return WindowPicture(size(), QStringLiteral("Słownik"), {kTypeAheadField, kListPanel});
}

void DictionaryWindow::showEvent(QShowEvent* event) {
  // A window restored from the task bar keeps what it showed.
  if (!event->spontaneous()) {
    setWindowTitle(QStringLiteral("Tessaron - Słownik"));
    K_Wszystkie->setVisible(!browser_.ShowingAll());
    L_Ile_wybrano->setVisible(!browser_.ShowingAll());
  }
  QWidget::showEvent(event);
}

void DictionaryWindow::ShowAll() {
  browser_.ShowAll();
  RefreshList();
}

void DictionaryWindow::RefreshList() {
  L_Opis->setText(Utf8Text(browser_.Note()));
  // A long search text is shortened in the middle so the count stays readable.
  const QString count = Utf8Text(browser_.CountLabel());
  L_Ile_wybrano->setText(
      L_Ile_wybrano->fontMetrics().elidedText(count, Qt::ElideMiddle, L_Ile_wybrano->width()));
  L_Ile_wybrano->setToolTip(count);
  L_Ile_wybrano->setVisible(!browser_.ShowingAll());
  const ScrollRange range = browser_.Range();
  {
    const QSignalBlocker quiet(Suwak);
    Suwak->setRange(range.Minimum, range.Maximum);
    Suwak->setValue(browser_.ScrollPosition());
  }
  Suwak->setVisible(range.Visible);
  PaintBox1->update();
  RowsChanged(*PaintBox1);
}

void DictionaryWindow::RunSearch() {
  SearchWindow& search = search_();
  // Every search starts from the dialog: the text of the last one is gone.
  search.SearchText.clear();
  CentreOver(search, *this);
  modal_.ShowModal(search);
  const QString searchText = search.SearchText;
  search.SearchText.clear();
  if (searchText.isEmpty()) return;

  Edit1->hide();
  K_Wszystkie->show();
  const SearchQuery query{Encode(searchText, search.ForeignCodePage()),
                          Encode(searchText, kPolishCodePage)};
  browser_.ShowFound(dictionary::RunSearch(state_.Table, query, state_.Options),
                     searchText.toStdString());
  RefreshList();
}

void DictionaryWindow::K_WszystkieClick() {
  K_Wszystkie->hide();
  L_Ile_wybrano->hide();
  Edit1->show();
  ShowAll();
  if (Suwak->isVisible()) Suwak->setFocus();
}

void DictionaryWindow::Edit1Change(const QString& text) {
  if (!browser_.ShowingAll()) return;
  const int position =
      TypeAheadPosition(state_.Table, Encode(text, HeadwordCodePage(state_.Language())));
  if (position > 0) Suwak->setValue(position);  // the bar keeps it within its range
}

void DictionaryWindow::SuwakChange(int value) {
  browser_.ScrollTo(value);
  PaintBox1->update();
  RowsChanged(*PaintBox1);
}

std::vector<const ListRow*> DictionaryWindow::ShownRows() const {
  std::vector<const ListRow*> shown;
  for (const ListRow& row : CurrentPicture().Rows) {
    if (row.Index != 0) shown.push_back(&row);
  }
  return shown;
}

const ListRow* DictionaryWindow::ShownRow(int row) const {
  const std::vector<const ListRow*> shown = ShownRows();
  return row >= 0 && row < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(row)]
                                                          : nullptr;
}

QString DictionaryWindow::RowText(int row) const {
  const ListRow* shown = ShownRow(row);
  if (!shown) return {};
  QString text = Decode(shown->Headword, HeadwordCodePage(state_.Language()));
  QString translation;
  for (const ListWord& word : shown->Words) {
    if (!translation.isEmpty()) translation += QLatin1Char(' ');
    translation += Decode(word.Text, kPolishCodePage).trimmed();
  }
  if (!translation.isEmpty()) text += QStringLiteral(" – ") + translation;
  return text;
}

const ListPicture& DictionaryWindow::CurrentPicture() const {
  const int version = browser_.LayoutVersion();
  if (pictureVersion_ != version) {
    const int language = state_.Language();
    const QtTextMeasurer headwords(listFont_, HeadwordCodePage(language));
    const QtTextMeasurer translations(listFont_, kPolishCodePage);
    picture_ =
        LayOutList(state_.Table, browser_.FoundList(), browser_.ScrollPosition(), language,
                   {PaintBox1->width(), kWidth, PaintBox1->height()}, headwords, translations);
    pictureVersion_ = version;
  }
  return picture_;
}

void DictionaryWindow::PaintBox1Paint(QPainter& painter) {
  const ListPicture& picture = CurrentPicture();
  const CodePage headwordPage = HeadwordCodePage(state_.Language());
  const QFontMetrics metrics(listFont_);
  // Text stands in the middle of its 20-pixel line.
  const int baseline = (kRowHeight - metrics.height()) / 2 + metrics.ascent();
  const std::optional<int> selected = browser_.SelectedRow();
  const QFont tagFont = QtTextMeasurer::Styled(listFont_, false, true);
  for (const ListRow& row : picture.Rows) {
    if (row.Index == 0) continue;
    if (selected && *selected == row.Index) {
      painter.fillRect(QRect(0, row.Top, PaintBox1->width(), row.Bottom - row.Top),
                       palette::kRowHighlight);
    }
    painter.setFont(listFont_);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, row.Top + baseline), Decode(row.Headword, headwordPage));
    for (const ListWord& word : row.Words) {
      painter.setFont(word.Tag ? tagFont : listFont_);
      painter.setPen(word.Tag ? palette::kTagGrey : QColor(Qt::black));
      painter.drawText(QPoint(word.X, word.Y + baseline), Decode(word.Text, kPolishCodePage));
    }
  }
}

void DictionaryWindow::PlayEntry(QPoint point) {
  const int index = IndexAt(CurrentPicture(), browser_.ScrollPosition(), point.x(), point.y());
  const int position = browser_.Pick(index);
  if (position == 0) return;
  L_Opis->setText(Utf8Text(browser_.Note()));
  PaintBox1->update();
  RowsChanged(*PaintBox1);
  player_.Play(RecordingPath(state_.Table, position, state_.Config, state_.ProgramDir));
}

void DictionaryWindow::AddToLearningList() {
  const std::optional<int> entryNo = browser_.SelectedEntryNo();
  if (!entryNo) {
    messages_.ShowMessage("Najpierw kliknij na liście słowo, które chcesz dopisać do nauki.");
    return;
  }
  if (state_.UserDir.empty()) {
    LoginWindow& login = login_();
    CentreOnScreen(login);
    modal_.ShowModal(login);
    // The learner's own search options are the ones saved at close from now on, so they are
    // the ones shown from now on too.
    if (!state_.UserDir.empty()) {
      ReadSearchOptions(state_.SearchOptionsPath(), state_.Options);
      if (OnUserLoggedIn) OnUserLoggedIn(state_.UserDir);
    }
  }
  // Without a user the list stays in the data folder (the program's, when writable).
  const std::string folder = state_.UserDir.empty() ? state_.DataFolder() : state_.UserDir;
  std::string error;
  if (!AppendToLearningList(LearningListPath(folder, state_.Language()), *entryNo, &error)) {
    messages_.ShowMessage(error);
    return;
  }
  player_.Play(state_.ProgramDir + "klik.wav");
}

void DictionaryWindow::SaveSearchOptions() {
  const std::string path = state_.SearchOptionsPath();
  std::string reason;
  if (!WriteFileAtomically(path, FormatSearchOptions(state_.Options), &reason)) {
    messages_.ShowMessage("Nie można zapisać ustawień wyszukiwania w pliku " + path + ": " +
                          reason);
  }
}

void DictionaryWindow::closeEvent(QCloseEvent* event) {
  SaveSearchOptions();
  event->accept();
  if (OnClosed) OnClosed();
}

}  // namespace tess::dictionary
