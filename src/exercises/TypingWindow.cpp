#include "exercises/TypingWindow.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "exercises/Markup.h"
#include "exercises/MistakeLine.h"
#include "platform/Fonts.h"
#include "platform/QtTextMeasurer.h"
#include "shared/Text.h"
#include "widgets/ForeignLetterEdit.h"
#include "widgets/PaintBox.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

constexpr int kContentLeft = 18;
constexpr int kContentTop = 176;
constexpr int kContentRight = 625;   // the default width reaches this edge
constexpr int kContentBottom = 553;  // and the default height this one
constexpr int kMinContentHeight = 100;
constexpr int kArrowGap = 6;
constexpr int kVerdictRaise = 18;
constexpr int kEntryMaxLength = 30;
constexpr int kGlossaryLeft = 730;  // on the panel, under the tab strip
constexpr int kGlossaryTop = 556;
constexpr int kTextGlossaryHint = 28;
const QColor kGapBlue(0, 0, 255);

QFont TextFont() { return PointFont("Arial", 10); }

}  // namespace

TypingWindow::TypingWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "WP", parent) {
  setObjectName("TCW_Wpisywanie1Form");
  DXRamka = MakeContentBox(
      QRect(kContentLeft, kContentTop, kContentRight - kContentLeft, kContentBottom - kContentTop));
  DXRamka->setObjectName("DXRamka");
  DXRamka->Paint = [this](QPainter& painter) { DXRamkaPaint(painter); };
  DXRamka->MouseMove = [this](QPoint point) { DXRamkaMouseMove(point); };
  DXRamka->MouseDown = [this](QPoint point) { DXRamkaMouseDown(point); };
  ExposeRows(*DXRamka, RowsOf([this] { return ContentRows(); },
                              [this](int row) {
                                // A press on a gap opens it, as a click on it does.
                                const std::vector<PaintedRow> rows = ContentRows();
                                if (rows[static_cast<size_t>(row)].Role != RowRole::Entry) return;
                                const auto gap = std::count_if(
                                    rows.begin(), rows.begin() + row + 1,
                                    [](const PaintedRow& r) { return r.Role == RowRole::Entry; });
                                if (exercise_.ExerciseChecked()) return;
                                exercise_.OpenGap(static_cast<int>(gap));
                                ShowEntryBox();
                                DXRamka->update();
                              }));

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setFont(TextFont());
  Edit1->setFrame(false);
  Edit1->setMaxLength(kEntryMaxLength);
  Edit1->setContextMenuPolicy(Qt::PreventContextMenu);
  Edit1->hide();
  Edit1->installEventFilter(this);
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { exercise_.SetEntryText(Encode(text, TextCodePage())); });

  SkinStrips& skins = services.Skins;
  btn_sprawdz = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_sprawdzClick(); });
  btn_sprawdz->setObjectName("btn_sprawdz");

  MakeScrollButtons(btn_up, btn_dn);
  connect(btn_up, &RepeatButton::Click, this, &TypingWindow::btn_upClick);
  connect(btn_dn, &RepeatButton::Click, this, &TypingWindow::btn_dnClick);

  // The skin list has no glossary button of its own; the dictionary's book is the nearest.
  btn_tlumacz = SkinnedButton(this, "btn_tlumacz", skins, SkinIndex(CourseSkin::Dictionary),
                              kGlossaryLeft, kGlossaryTop);
  btn_tlumacz->hide();
  connect(btn_tlumacz, &SkinButton::Click, this, &TypingWindow::btn_tlumaczClick);

  tmp_wykrzykniczek = LoadExclamationStamp();
}

TypingWindow::~TypingWindow() = default;

void TypingWindow::LoadStep() {
  const CourseState& state = Services().State;
  const int language = state.Install.CourseLanguage;
  codePage_ = ForeignCodePage(state);
  const std::string name = Trim(KindContent());
  exercise_.Load(ReadGapText(GapTextPath(state.Install.ProgramDir, name),
                             "Wpisywania\\" + name + ".fcs", language));
  // The course may differ from the last load's, and with it the letters and their code page.
  delete letters_;
  letters_ = new ForeignLetterEdit(*Edit1, language, codePage_);

  btn_sprawdz->setVisible(exercise_.CheckVisible());
  btn_up->hide();
  btn_tlumacz->setVisible(exercise_.LoadError().empty() && exercise_.GlossaryShown());

  PlaceCommonBoxes();
  const LayoutValues& layout = Layout();
  const int left = layout.Or(5, kContentLeft);
  const int wanted = layout.Or(6, kContentTop);
  const int top = BelowInstruction(wanted);
  // Moved down under a long instruction, the text keeps its bottom edge.
  const int height =
      std::max(kMinContentHeight, layout.Or(10, kContentBottom - wanted) - (top - wanted));
  DXRamka->setGeometry(left, top, layout.Or(9, kContentRight - left), height);
  const int arrowsLeft = left + DXRamka->width() + kArrowGap;
  btn_up->move(arrowsLeft, top);
  btn_dn->move(arrowsLeft, top + height - btn_dn->height());
  HideCheckResult();
  lbl_komentarz->move(left, top - kVerdictRaise);

  measurer_ = std::make_unique<QtTextMeasurer>(TextFont(), TextCodePage());
  exercise_.Attach(*measurer_, DXRamka->width(), DXRamka->height());
  ShowEntryBox();
  DXRamka->setToolTip(QString());
  DXRamka->update();
}

void TypingWindow::KindFormShow() {
  const CourseState& state = Services().State;
  btn_tlumacz->setToolTip(
      Decode(state.InterfaceText(kTextGlossaryHint), InterfaceCodePage(state.InterfaceLanguage)));
  ShowLoadError(exercise_.LoadError());
}

ExerciseScore TypingWindow::Score() const { return ScoreOf(exercise_); }

void TypingWindow::DXRamkaPaint(QPainter& painter) {
  const QFont font = TextFont();
  const CodePage codePage = TextCodePage();
  const int ascent = QFontMetrics(font).ascent();
  for (const TypingDrawItem& item : exercise_.Paint()) {
    if (item.Y + Typing::kLineStep < 0 || item.Y > DXRamka->height()) continue;
    if (item.What == TypingDrawItem::Kind::Exclamation) {
      painter.drawPixmap(item.X, item.Y, tmp_wykrzykniczek);
      continue;
    }
    painter.setFont(QtTextMeasurer::Styled(font, item.Bold, false));
    painter.setPen(item.Blue ? kGapBlue : QColor(Qt::black));
    painter.drawText(item.X, item.Y + ascent, Decode(item.Text, codePage));
  }
  SyncScrollButtons();
  RowsChanged(*DXRamka);
}

std::vector<PaintedRow> TypingWindow::ContentRows() const {
  std::vector<PaintedRow> rows;
  const CodePage codePage = TextCodePage();
  std::string text;  // the words since the last gap
  const auto endText = [&] {
    if (!text.empty()) rows.push_back({RowRole::Text, Decode(text, codePage)});
    text.clear();
  };
  int gap = 0;
  for (int i = 1; i <= exercise_.WordCount(); ++i) {
    if (!exercise_.IsGap(i)) {
      const std::string word = PlainWords(exercise_.Word(i));
      if (!word.empty()) text += (text.empty() ? "" : " ") + word;
      continue;
    }
    endText();
    ++gap;
    if (gap > exercise_.GapCount()) break;
    PaintedRow entry{RowRole::Entry, QStringLiteral("luka %1").arg(gap)};
    const TypingBox& box = exercise_.GapBox(gap);
    if (box.Width > 0) entry.Bounds = QRect(box.Left, box.Top, box.Width, box.Height);
    entry.Selected = exercise_.EntryGap() == gap;
    entry.Value =
        Decode(entry.Selected ? exercise_.EntryText() : exercise_.Entry(gap), codePage).trimmed();
    if (exercise_.ExerciseChecked()) entry.Description = VerdictWord(exercise_.GapRight(gap));
    rows.push_back(std::move(entry));
  }
  endText();
  return rows;
}

void TypingWindow::SyncScrollButtons() {
  btn_up->setVisible(exercise_.UpVisible());
  btn_dn->setVisible(exercise_.DownVisible());
}

void TypingWindow::ShowEntryBox() {
  if (exercise_.EntryGap() == 0) {
    Edit1->hide();
    return;
  }
  const TypingBox box = exercise_.EntryBox();
  Edit1->setGeometry(DXRamka->x() + box.Left, DXRamka->y() + box.Top, box.Width, box.Height);
  Edit1->setAccessibleName(QStringLiteral("luka %1").arg(exercise_.EntryGap()));
  {
    const QSignalBlocker quiet(Edit1);
    Edit1->setText(Decode(exercise_.EntryText(), TextCodePage()));
  }
  // The box holds at most 30 characters of a longer entry.
  exercise_.SetEntryText(Encode(Edit1->text(), TextCodePage()));
  Edit1->show();
  Edit1->raise();
  Edit1->setFocus();
  Edit1->selectAll();
}

void TypingWindow::DXRamkaMouseMove(QPoint point) {
  DXRamka->setCursor(exercise_.PointerOverGap(point.x(), point.y()) ? Qt::PointingHandCursor
                                                                    : Qt::ArrowCursor);
  const TypingMark* mark = exercise_.MarkAt(point.x(), point.y());
  QString hint;
  if (mark) {
    hint = Decode(mark->Hint, TextCodePage());
    const QString why = MistakeLine(mark->Why, TextCodePage());
    if (!why.isEmpty()) hint += '\n' + why;
  }
  DXRamka->setToolTip(hint);
}

void TypingWindow::DXRamkaMouseDown(QPoint point) {
  if (exercise_.ExerciseChecked()) return;
  exercise_.Click(point.x(), point.y());
  ShowEntryBox();
  DXRamka->update();
}

bool TypingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        exercise_.NextGap()) {
      ShowEntryBox();
      DXRamka->update();
      return true;
    }
  }
  return ExerciseWindow::eventFilter(watched, event);
}

void TypingWindow::btn_sprawdzClick() {
  const CourseState& state = Services().State;
  exercise_.Check(state.Options.CaseSensitive, state.Install.CourseLanguage);
  ShowEntryBox();
  DXRamka->update();
  ShowCheckResult(btn_sprawdz);
}

void TypingWindow::btn_upClick() {
  exercise_.ScrollUp();
  ShowEntryBox();
  SyncScrollButtons();
  DXRamka->update();
}

void TypingWindow::btn_dnClick() {
  exercise_.ScrollDown();
  ShowEntryBox();
  SyncScrollButtons();
  DXRamka->update();
}

void TypingWindow::btn_tlumaczClick() { Services().Host.ShowInformation(exercise_.Glossary()); }

}  // namespace tess
