#include "Course.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace tess::demo {

namespace {

using Words = std::array<const char*, 4>;  // polski, english, deutsch, russki

constexpr Words kNames[] = {
    {"Kurs języka angielskiego", "English course", "Englischkurs", "Курс английского языка"},
    {"Kurs języka niemieckiego", "German course", "Deutschkurs", "Курс немецкого языка"},
    {"Kurs języka francuskiego", "French course", "Französischkurs", "Курс французского языка"},
};
constexpr Words kLanguageNames[] = {
    {"angielski", "English", "Englisch", "английский"},
    {"niemiecki", "German", "Deutsch", "немецкий"},
    {"francuski", "French", "Französisch", "французский"},
};
constexpr const char* kDictionaryTitles[] = {"Słownik angielsko-polski", "Słownik niemiecko-polski",
                                             "Słownik francusko-polski"};

size_t IndexOf(CourseLanguage language) { return static_cast<size_t>(language) - 1; }

QString Word(const Words& words, int interfaceLanguage) {
  if (interfaceLanguage < 0 || interfaceLanguage >= static_cast<int>(words.size())) {
    throw std::logic_error("no interface language " + std::to_string(interfaceLanguage));
  }
  return QString::fromUtf8(words[static_cast<size_t>(interfaceLanguage)]);
}

// The English course's titles: what every course shows until its own sources say otherwise.
struct TextTitles {
  int number;
  const char* english;
  const char* polish;
};
constexpr TextTitles kEnglishTexts[] = {
    {1, "Anna's family", "Rodzina Anny"},
    {2, "At the market", "Na targu"},
    {3, "A day in London", "Dzień w Londynie"},
    {4, "A weekend in the mountains", "Weekend w górach"},
    {5, "At the doctor's", "U lekarza"},
    {6, "My first day at work", "Mój pierwszy dzień w pracy"},
    {7, "A race to the airport", "Wyścig na lotnisko"},
    {8, "Sending a jacket back", "Zwrot kurtki"},
    {9, "Why we need sleep", "Dlaczego potrzebujemy snu"},
    {10, "Working from home", "Praca z domu"},
};
struct ConversationTitles {
  const char* background;
  const char* english;
  const char* polish;
};
constexpr ConversationTitles kEnglishConversations[] = {
    {"cafe", "At the café", "W kawiarni"},
    {"station", "At the station", "Na dworcu"},
    {"surgery", "A doctor's appointment", "Wizyta u lekarza"},
    {"flat", "Weekend plans", "Plany na weekend"},
    {"office", "A job interview", "Rozmowa kwalifikacyjna"},
};
constexpr const char* kEnglishGroups[] = {"Życie codzienne", "Podróże",         "Praca",
                                          "Zdrowie",         "Zakupy i usługi", "Czas wolny"};
constexpr const char* kEnglishComprehension[] = {"Która godzina?", "Czym podróżują?",
                                                 "Pogoda na weekend", "W sklepie"};

/// The lines of a UTF-8 source, or nothing when it cannot be read.
QStringList LinesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return lines;
}

/// The "="-ended fields of a catalogue line, trimmed.
QStringList FieldsOf(const QString& line) {
  QStringList fields = line.split(QLatin1Char('='));
  fields.removeLast();  // what follows the last "=" is no field
  for (QString& field : fields) field = field.trimmed();
  return fields;
}

/// Sets `titles[key]` from field `index` when the line has it.
template <typename Key>
void Take(std::map<Key, QString>& titles, const Key& key, const QStringList& fields, int index) {
  if (index < fields.size() && !fields.at(index).isEmpty()) titles[key] = fields.at(index);
}

template <typename Key>
QString Lookup(const std::map<Key, QString>& titles, const Key& key, const char* what) {
  const auto found = titles.find(key);
  if (found == titles.end()) throw std::logic_error(std::string("no title of ") + what);
  return found->second;
}

}  // namespace

Course::Course(CourseLanguage language) : language_(language) {
  for (const TextTitles& text : kEnglishTexts) {
    titles_.texts[text.number] = QString::fromUtf8(text.english);
    titles_.textsPolish[text.number] = QString::fromUtf8(text.polish);
  }
  int number = 1;
  for (const ConversationTitles& conversation : kEnglishConversations) {
    titles_.conversations[QString::fromUtf8(conversation.background)] =
        QString::fromUtf8(conversation.english);
    titles_.conversationsPolish[number++] = QString::fromUtf8(conversation.polish);
  }
  number = 1;
  for (const char* group : kEnglishGroups)
    titles_.groupsPolish[number++] = QString::fromUtf8(group);
  number = 1;
  for (const char* exercise : kEnglishComprehension) {
    titles_.comprehensionPolish[number++] = QString::fromUtf8(exercise);
  }
}

CourseLanguage Course::LanguageOf(const QString& code) {
  if (code == QLatin1String("en")) return CourseLanguage::English;
  if (code == QLatin1String("de")) return CourseLanguage::German;
  if (code == QLatin1String("fr")) return CourseLanguage::French;
  throw std::runtime_error("unknown course \"" + code.toStdString() + "\" (en, de or fr)");
}

QString Course::Letter() const { return QString(QLatin1Char(Pick('a', 'n', 'f'))); }

QString Course::Name(int interfaceLanguage) const {
  return Word(kNames[IndexOf(language_)], interfaceLanguage);
}

QString Course::LanguageName(int interfaceLanguage) const {
  return Word(kLanguageNames[IndexOf(language_)], interfaceLanguage);
}

QString Course::DictionaryTitle() const {
  return QString::fromUtf8(kDictionaryTitles[IndexOf(language_)]);
}

QString Course::TextTitle(int number) const { return Lookup(titles_.texts, number, "a text"); }

QString Course::TextTitlePolish(int number) const {
  return Lookup(titles_.textsPolish, number, "a text");
}

QString Course::ConversationTitle(const QString& background) const {
  return Lookup(titles_.conversations, background, "a conversation");
}

QString Course::ConversationTitlePolish(int number) const {
  return Lookup(titles_.conversationsPolish, number, "a conversation");
}

QString Course::GroupPolish(int number) const {
  return Lookup(titles_.groupsPolish, number, "a section");
}

QString Course::ComprehensionPolish(int number) const {
  return Lookup(titles_.comprehensionPolish, number, "a picture exercise");
}

void Course::ReadTitles(const QString& folder) {
  ReadTexts(folder);
  ReadConversations(folder);
  ReadGroups(folder);
  ReadComprehension(folder);
}

// number=level=group=name (deutsch)=name (english)=name (polski)=; "/" starts a comment.
void Course::ReadTexts(const QString& folder) {
  // The course language's own name where the catalogue has one; French has none, and its
  // titles keep the English names unless the README's contents name them.
  const int own = Pick(4, 3, 4);
  for (const QString& line :
       LinesOf(QDir(folder).filePath(QStringLiteral("rozumienie_%1.txt").arg(Letter())))) {
    if (line.isEmpty() || line.startsWith(QLatin1Char('/'))) continue;
    const QStringList fields = FieldsOf(line);
    bool number = false;
    const int text = fields.value(0).toInt(&number);
    if (!number) continue;
    Take(titles_.texts, text, fields, own);
    Take(titles_.textsPolish, text, fields, 5);
  }
}

// Blocks of a header (background=polski=english=deutsch=...), phrase lines and "*".
void Course::ReadConversations(const QString& folder) {
  const QStringList lines = LinesOf(QDir(folder).filePath(QStringLiteral("dialogi.txt")));
  const int own = Pick(2, 3, 2);
  std::map<int, QString> backgrounds;
  bool header = true;
  int number = 0;
  for (const QString& line : lines) {
    if (line.trimmed() == QLatin1String("*")) {
      header = true;
      continue;
    }
    if (!header || line.trimmed().isEmpty()) continue;
    header = false;
    const QStringList fields = FieldsOf(line);
    ++number;
    // The window takes the background's name without its first two characters.
    const QString background = fields.value(0).mid(2);
    if (background.isEmpty()) continue;
    backgrounds[number] = background;
    Take(titles_.conversations, background, fields, own);
    Take(titles_.conversationsPolish, number, fields, 1);
  }
  if (language_ == CourseLanguage::French) ReadContentsTable(folder, backgrounds);
}

// number=letter=english=deutsch=polski=short name=
void Course::ReadGroups(const QString& folder) {
  int number = 0;
  for (const QString& line :
       LinesOf(QDir(folder).filePath(QStringLiteral("gr%1.txt").arg(Letter())))) {
    if (line.trimmed().isEmpty()) continue;
    Take(titles_.groupsPolish, ++number, FieldsOf(line), 4);
  }
}

// Five lines an exercise: identifier, topic, names (polski=deutsch=english=), items,
// separator; "*" lines and empty lines stand between them.
void Course::ReadComprehension(const QString& folder) {
  const QStringList lines = LinesOf(QDir(folder).filePath(QStringLiteral("kurs_cwicz.kdx")));
  int number = 0;
  for (qsizetype i = 0; i < lines.size();) {
    const QString line = lines.at(i).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('*'))) {
      ++i;
      continue;
    }
    Take(titles_.comprehensionPolish, ++number, FieldsOf(lines.value(i + 2)), 0);
    i += 5;
  }
}

// The French catalogues name the material in German, English and Polish only; the course's
// README lists its texts ("| 3 Une journée à Londres (A day in London) | ...") and
// conversations ("Conversations: 1 Au café (level 1, ...), 2 ...") in French.
void Course::ReadContentsTable(const QString& folder, const std::map<int, QString>& backgrounds) {
  const QStringList lines = LinesOf(QDir(folder).filePath(QStringLiteral("README.md")));
  static const QRegularExpression row(QStringLiteral("^\\|\\s*(\\d+)\\s+([^|(]*[^|(\\s])[^|]*\\|"));
  static const QRegularExpression item(QStringLiteral("(\\d+)\\s+([^(),]*[^(),\\s])\\s*\\("));
  bool contents = false;
  QString conversations;
  for (const QString& line : lines) {
    if (line.startsWith(QLatin1String("## "))) {
      contents = line.contains(QLatin1String("glance"), Qt::CaseInsensitive);
      continue;
    }
    if (!contents) continue;
    if (const QRegularExpressionMatch text = row.match(line); text.hasMatch()) {
      titles_.texts[text.captured(1).toInt()] = text.captured(2);
    } else if (line.startsWith(QLatin1String("Conversations:")) || !conversations.isEmpty()) {
      if (line.trimmed().isEmpty()) {
        contents = false;
      } else {
        conversations += QLatin1Char(' ') + line;
      }
    }
  }
  for (auto it = item.globalMatch(conversations); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const auto background = backgrounds.find(match.captured(1).toInt());
    if (background != backgrounds.end())
      titles_.conversations[background->second] = match.captured(2);
  }
}

}  // namespace tess::demo
