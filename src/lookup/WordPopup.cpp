#include "lookup/WordPopup.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/LearningList.h"
#include "shared/CodePage.h"
#include "widgets/Palette.h"

namespace tess::lookup {

namespace {

constexpr int kStripHeight = 24;
constexpr int kMargin = 10;
constexpr int kButtonHeight = 24;
// The popup opens below the line of the word, its left a little before the mouse.
const QPoint kOffset(-24, 16);

QString Cp1250(const std::string& text) { return Decode(text, CodePage::Cp1250); }

// The entry as a line of the dictionary's list: headword, translation, grey abbreviations.
QString EntryText(const LookupEntry& entry, int language) {
  QString html = QStringLiteral("<b>") +
                 Decode(entry.Headword, dictionary::HeadwordCodePage(language)).toHtmlEscaped() +
                 QStringLiteral("</b>&nbsp;&nbsp; ");
  for (const TranslationWord& word : entry.Translation) {
    const QString text = Cp1250(word.Text).toHtmlEscaped();
    html += word.Tag ? QStringLiteral("<i><span style=\"color:%1\">%2</span></i> ")
                           .arg(palette::kTagGrey.name(), text)
                     : text + QLatin1Char(' ');
  }
  if (!entry.Note.empty()) {
    html += QStringLiteral("<br><span style=\"color:%1\">%2</span>")
                .arg(palette::kTeal.name(), Cp1250(entry.Note).toHtmlEscaped());
  }
  return html;
}

QString EntryHints(const LookupEntry& entry) {
  QStringList hints;
  for (const TranslationWord& word : entry.Translation) {
    if (word.Tag && !word.Hint.empty()) {
      hints << Cp1250(word.Text) + QStringLiteral(": ") + QString::fromStdString(word.Hint);
    }
  }
  return hints.join(QLatin1Char('\n'));
}

QPushButton* SmallButton(QWidget* parent, const char* name, const QString& caption, int width) {
  QPushButton* button = dictionary::TextButton(parent, name, caption, QRect(0, 0, width, 0));
  button->setFixedSize(width, kButtonHeight);
  return button;
}

}  // namespace

WordPopup::WordPopup(WordPopupPorts ports, int language, std::string programDir)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint),
      ports_(std::move(ports)),
      language_(language),
      programDir_(std::move(programDir)) {
  setObjectName("WordPopup");
  setAttribute(Qt::WA_TranslucentBackground, false);
  setFixedWidth(kWidth);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kMargin, 0, kMargin, kMargin);
  outer->setSpacing(6);
  L_Slowo = new QLabel(this);
  L_Slowo->setObjectName("L_Slowo");
  L_Slowo->setFixedHeight(kStripHeight);
  dictionary::StyleLabel(*L_Slowo, 13, true, palette::kWhite);
  outer->addWidget(L_Slowo);
  body_ = new QVBoxLayout;
  body_->setSpacing(6);
  outer->addLayout(body_);
  L_Stan = new QLabel(this);
  L_Stan->setObjectName("L_Stan");
  L_Stan->setWordWrap(true);
  dictionary::StyleLabel(*L_Stan, 12, true, palette::kTeal);
  L_Stan->hide();
  outer->addWidget(L_Stan);
}

void WordPopup::Clear() {
  for (QWidget* piece : pieces_) delete piece;
  pieces_.clear();
  Rows.clear();
  PlayButtons.clear();
  LearnButtons.clear();
  L_Stan->clear();
  L_Stan->hide();
}

void WordPopup::ShowEntries(const QString& word, const std::vector<LookupEntry>& entries,
                            QPoint globalPoint) {
  Clear();
  L_Slowo->setText(word);
  if (entries.empty()) {
    auto* none = new QLabel(Cp1250(kNotInDictionary), this);
    none->setObjectName("L_Brak");
    dictionary::StyleLabel(*none, 13, false);
    body_->addWidget(none);
    pieces_.push_back(none);
  }
  for (const LookupEntry& entry : entries) {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(EntryText(entry, language_), row);
    text->setObjectName("L_Haslo");
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setToolTip(EntryHints(entry));
    dictionary::StyleLabel(*text, 13, false);
    line->addWidget(text, 1);
    QPushButton* play = nullptr;
    if (!entry.Recording.empty()) {
      play = SmallButton(row, "btn_play", QStringLiteral("▶"), 30);
      play->setToolTip(QStringLiteral("Posłuchaj nagrania"));
      play->setAccessibleName(play->toolTip());
      const std::string path = entry.Recording;
      connect(play, &QPushButton::clicked, this, [this, path] {
        if (ports_.Play) ports_.Play(path);
      });
      line->addWidget(play, 0, Qt::AlignTop);
    }
    QPushButton* learn = SmallButton(row, "K_Do_nauki", QStringLiteral("+ Do nauki"), 96);
    learn->setToolTip(QStringLiteral("Dopisz słowo do listy słówek do nauki"));
    connect(learn, &QPushButton::clicked, this, [this, entry] { Learn(entry); });
    line->addWidget(learn, 0, Qt::AlignTop);
    body_->addWidget(row);
    pieces_.push_back(row);
    Rows.push_back(text);
    PlayButtons.push_back(play);
    LearnButtons.push_back(learn);
  }
  adjustSize();
  PlaceNear(globalPoint);
  show();
  raise();
}

void WordPopup::Learn(const LookupEntry& entry) {
  const std::string folder = ports_.LearnerFolder ? ports_.LearnerFolder() : std::string();
  const LearnResult result =
      AddToLearning(dictionary::LearningListPath(folder, language_), entry.EntryNo);
  QString message = Cp1250(result.Message);
  if (!result.Reason.empty()) message += QLatin1Char(' ') + QString::fromStdString(result.Reason);
  L_Stan->setText(message);
  QPalette ink = L_Stan->palette();
  ink.setColor(QPalette::WindowText,
               result.Outcome == LearnOutcome::Failed ? palette::kCoral : palette::kTeal);
  L_Stan->setPalette(ink);
  L_Stan->show();
  adjustSize();
  // As the dictionary confirms an entry put on the list.
  if (result.Outcome == LearnOutcome::Added && ports_.Play) ports_.Play(programDir_ + "klik.wav");
}

void WordPopup::PlaceNear(QPoint globalPoint) {
  QPoint at = globalPoint + kOffset;
  const QScreen* screen = QGuiApplication::screenAt(globalPoint);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect room = screen->availableGeometry();
    // Below the word when it fits, else above it.
    if (at.y() + height() > room.bottom()) at.setY(globalPoint.y() - height() - 8);
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
  }
  move(at);
}

void WordPopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void WordPopup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette::kSand);
  p.fillRect(QRect(0, 0, width(), kStripHeight), palette::kNavy);
  p.setPen(QPen(palette::kNavy, 2));
  p.drawRect(QRect(1, 1, width() - 2, height() - 2));
}

WordLookupHost::WordLookupHost(LookupPlace place, WordPopupPorts ports)
    : place_(std::move(place)), ports_(std::move(ports)) {}

WordLookupHost::~WordLookupHost() = default;

bool WordLookupHost::Available() {
  if (!opened_) {
    opened_ = true;
    lookup_ = WordLookup::Open(place_.ProgramDir, place_.CourseLanguage);
  }
  return lookup_ != nullptr;
}

void WordLookupHost::LookUp(const std::string& word, QPoint globalPoint) {
  if (!Available()) return;
  const std::string stripped = StripWord(word, place_.CourseLanguage);
  if (stripped.empty()) return;
  if (!popup_) popup_ = std::make_unique<WordPopup>(ports_, lookup_->Language(), place_.ProgramDir);
  popup_->ShowEntries(Decode(stripped, CourseCodePage(place_.CourseLanguage)),
                      lookup_->Look(stripped), globalPoint);
}

}  // namespace tess::lookup
