#include "core/Catalogue.h"

#include <optional>

#include "core/Installation.h"
#include "core/KindCode.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

namespace {

template <typename T>
const T* AtPosition(const std::vector<T>& list, int n) {
  if (n < 1 || n > static_cast<int>(list.size())) return nullptr;
  return &list[static_cast<size_t>(n - 1)];
}

template <typename T>
bool AddBelow(std::vector<T>& list, T entry, int limit) {
  if (static_cast<int>(list.size()) >= limit) return false;
  list.push_back(std::move(entry));
  return true;
}

/// Characters `from` (1-based) to `from + count - 1`, as far as the text goes.
std::string_view Copy(std::string_view text, size_t from, size_t count) {
  if (from < 1 || from > text.size()) return {};
  return text.substr(from - 1, count);
}

std::optional<int> Number(std::string_view text) { return ParseInt(TrimBlanks(text)); }

/// Reads a file line by line into `handle`, which returns false once the list is full.
template <typename Handle>
bool ForEachLine(const std::string& path, Handle handle) {
  TextFileReader reader;
  if (!reader.Open(path)) return false;
  std::string line;
  while (reader.ReadLine(line)) {
    if (!handle(line)) break;
  }
  return true;
}

}  // namespace

const GroupEntry* GroupList::At(int g) const { return AtPosition(entries_, g); }

std::string GroupList::ShortName(int g) const {
  const GroupEntry* entry = At(g);
  return entry ? entry->ShortName : std::string();
}

int NamesLanguage(int interfaceLanguage) {
  return interfaceLanguage == 3 ? 0 : interfaceLanguage;
}

std::string GroupList::LongName(int g, int interfaceLanguage) const {
  const GroupEntry* entry = At(g);
  if (!entry) return {};
  switch (NamesLanguage(interfaceLanguage)) {
    case 0:
      return entry->LongNamePl;
    case 1:
      return entry->LongNameEn;
    case 2:
      return entry->LongNameDe;
    default:
      return {};
  }
}

bool GroupList::Add(GroupEntry entry) { return AddBelow(entries_, std::move(entry), kMaxGroups); }

const TextEntry* TextCatalogue::At(int n) const { return AtPosition(entries_, n); }

bool TextCatalogue::Add(TextEntry entry) { return AddBelow(entries_, std::move(entry), kMaxTexts); }

std::string ComprehensionExercise::Name(int interfaceLanguage) const {
  const auto fields = CutFields(NamesLine, '=', 3);
  switch (NamesLanguage(interfaceLanguage)) {
    case 0:
      return fields[0];
    case 1:
      return fields[2];
    case 2:
      return fields[1];
    default:
      return {};
  }
}

const ComprehensionExercise* ComprehensionCatalogue::At(int n) const {
  return AtPosition(entries_, n);
}

bool ComprehensionCatalogue::Add(ComprehensionExercise entry) {
  return AddBelow(entries_, std::move(entry), kMaxExercises);
}

const ComprehensionItem* ComprehensionItems::At(int n) const { return AtPosition(items_, n); }

const ComprehensionItem* ComprehensionItems::Find(std::string_view identifier) const {
  for (const ComprehensionItem& item : items_) {
    if (item.Identifier == identifier) return &item;
  }
  return nullptr;
}

bool ComprehensionItems::Add(ComprehensionItem item) {
  return AddBelow(items_, std::move(item), kMaxItems);
}

const SentencePackage* SentencePackages::At(int n) const { return AtPosition(packages_, n); }

void SentencePackages::Build(const std::vector<Sentence>& sentences) {
  packages_.clear();
  for (size_t i = 0; i < sentences.size(); ++i) {
    const Sentence& s = sentences[i];
    const int number = static_cast<int>(i) + 1;
    SentencePackage* found = nullptr;
    for (SentencePackage& package : packages_) {
      if (package.GroupNumber == s.GroupNumber && package.Level == s.Level &&
          package.Code == s.PackageCode) {
        found = &package;
        break;
      }
    }
    if (found) {
      if (static_cast<int>(found->Sentences.size()) < kMaxMembers) {
        found->Sentences.push_back(number);
      }
    } else if (Count() < kMaxPackages) {
      packages_.push_back({s.Level, s.PackageCode, s.GroupNumber, {number}});
    }
  }
}

const Sentence* SentenceList::At(int n) const { return AtPosition(sentences_, n); }

void SentenceList::Clear() {
  sentences_.clear();
  packages_.Build(sentences_);
}

bool SentenceList::Add(Sentence sentence) {
  return AddBelow(sentences_, std::move(sentence), kMaxSentences);
}

std::string GroupListFile(std::string_view courseLetter) {
  return "gr" + std::string(courseLetter) + ".txt";
}

std::string TextCatalogueFile(std::string_view courseLetter) {
  return "rozumienie_" + std::string(courseLetter) + ".txt";
}

std::string SentenceListFile(std::string_view courseLetter) {
  return "zd" + std::string(courseLetter) + "_rozum.txt";
}

bool LoadGroupList(const std::string& path, GroupList& list) {
  list.Clear();
  return ForEachLine(path, [&](const std::string& line) {
    const auto f = CutFields(line, '=', 6);
    return list.Add({f[2], f[3], f[4], f[5]});
  });
}

bool LoadTextCatalogue(const std::string& path, TextCatalogue& list) {
  list.Clear();
  return ForEachLine(path, [&](const std::string& line) {
    if (!line.empty() && line[0] == '/') return true;
    const auto f = CutFields(line, '=', 6);
    const auto number = Number(f[0]);
    const auto level = Number(f[1]);
    const auto group = Number(f[2]);
    if (!number || !level || !group) return true;
    return list.Add({*number, *level, *group, f[3], f[4], f[5]});
  });
}

bool ParseSentenceLine(std::string_view line, Sentence& out) {
  const auto level = Number(Copy(line, 1, 1));
  const auto group = Number(Copy(line, 4, 2));
  if (!level || !group) return false;
  out = Sentence();
  out.Level = *level;
  out.PackageCode = std::string(Copy(line, 2, 2));
  out.GroupNumber = *group;
  // The fields begin after the fixed-width head of 16 characters.
  const auto f = CutFields(Copy(line, 17, std::string_view::npos), '=', 8);
  for (int i = 0; i < 4; ++i) out.Variants[i] = f[static_cast<size_t>(i)];
  out.VariantCount = 1;
  for (int i = 1; i < 4; ++i) {
    if (!Trim(out.Variants[i]).empty()) out.VariantCount = i + 1;
  }
  out.SoundName = TrimBlanks(f[4]);
  out.Translation = f[7].empty() ? std::string("Brak tlumaczenia!!!") : f[7];
  return true;
}

bool LoadSentenceList(const std::string& path, SentenceList& list) {
  list.Clear();
  const bool read = ForEachLine(path, [&](const std::string& line) {
    Sentence sentence;
    if (!ParseSentenceLine(line, sentence)) return true;
    return list.Add(std::move(sentence));
  });
  list.BuildPackages();
  return read;
}

bool LoadComprehensionCatalogue(const std::string& path, ComprehensionCatalogue& list) {
  list.Clear();
  TextFileReader reader;
  if (!reader.Open(path)) return false;
  std::string line;
  while (list.Count() < ComprehensionCatalogue::kMaxExercises && reader.ReadLine(line)) {
    // Only where an entry begins are separator and empty lines passed over; inside an entry
    // every line belongs to it, whatever it starts with.
    std::string first = Trim(line);
    if (first.empty() || first[0] == '*') continue;
    std::string rest[4];
    for (std::string& next : rest) {
      if (!reader.ReadLine(next)) break;
    }
    const auto level = Number(Copy(first, 7, 2));
    const auto group = Number(Copy(first, 9, 2));
    if (!level || !group) continue;
    ComprehensionExercise entry;
    entry.Identifier = std::move(first);
    entry.Line2 = Trim(rest[0]);
    entry.NamesLine = Trim(rest[1]);
    entry.ItemsLine = rest[2];
    entry.Level = *level;
    entry.GroupNumber = *group;
    list.Add(std::move(entry));
  }
  return true;
}

bool LoadComprehensionItems(const std::string& path, ComprehensionItems& list) {
  list.Clear();
  return ForEachLine(path, [&](const std::string& line) {
    if (line.size() >= 2 && line[0] == '/' && line[1] == '/') return true;
    const auto f = CutFields(line, '=', 7);
    return list.Add(
        {Trim(f[0]), Trim(f[1]), Trim(f[2]), Trim(f[3]), Trim(f[4]), Trim(f[5]), Trim(f[6])});
  });
}

std::string KindName(int code, int courseLanguage, const InterfaceTexts& texts) {
  // Fixed names are cp1250 bytes, like every other text the program shows.
  switch (code) {
    case 1:
      return "Rozpoznawanie ze s\xB3uchu";
    case 2:
      return "Rozumienie tekstu";
    case 3:
      return "Rozumienie ze s\xB3uchu";
    case 4:
      return "Wyb\xF3r t\xB3umaczenia";
    case 5:
      return "Dyktando";
    case 6:
      return "Wpisywanie tlumaczenia";
    case 7:
      return "Wyb\xF3r rodzajnika";
    case 8:
      return "Wpisywanie l.mnogiej";
    case 9:
      return "\xC6wiczenie wymowy";
    case 10:
      return "Zdania - wyb\xF3r";
    case 11:
      return "Zdania - rozumienie";
    case 12:
      return "Zdania - wpisywanie";
    case 13:
      return "Zdania - t\xB3umaczenie (" + CourseLetterOf(courseLanguage) + "->p)";
    case 14:
      return "Zdania - t\xB3umaczenie (p->" + CourseLetterOf(courseLanguage) + ")";
    case 15:
      return "Zdania - uk\xB3"
             "adanka";
    case 30:
      return "Tabela - uzupe\xB3nianie";
    case 31:
      return "Tekst - uzupe\xB3nianie";
    case 32:
      return "Kojarzenie w pary";
    case 34:
      return "Prawda czy fa\xB3sz";
    case KindCode::Comprehension:
      return texts.Text(39);
    default:
      break;
  }
  if (KindCode::IsExercise(code)) return texts.Text(code - KindCode::MultipleChoice + 29);
  if (KindCode::IsSentenceDrill(code)) return texts.Text(code - KindCode::SentencePuzzle + 36);
  if (KindCode::IsConversation(code)) return texts.Text(code - KindCode::ConversationFirst + 40);
  return "CW numer" + std::to_string(code);
}

int KindCodeOf(std::string_view twoLetterCode) {
  static constexpr std::string_view kCodes[] = {"MC", "TF", "DD", "HH", "WP", "DF", "DV"};
  for (int i = 0; i < 7; ++i) {
    if (twoLetterCode == kCodes[i]) return KindCode::MultipleChoice + i;
  }
  return 0;
}

}  // namespace tess
