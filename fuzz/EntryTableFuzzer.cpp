// The dictionary's lists: a word list, a sentence list and a search text as three
// NUL-separated parts, loaded into the table, searched under every option and laid out.
#include "FuzzSupport.h"
#include "dictionary/DictionaryConfig.h"
#include "dictionary/EntryTable.h"
#include "dictionary/ListLayout.h"
#include "dictionary/Recordings.h"
#include "dictionary/Search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  using namespace tess::dictionary;
  const auto parts = fuzz::SplitParts(fuzz::AsText(data, size), 3);
  EntryTable table;
  table.Clear();
  LoadList(fuzz::WriteFile("sba_s.txt", parts[0]), ListKind::Words, table);
  table.EndWordList();
  LoadList(fuzz::WriteFile("zda.txt", parts[1]), ListKind::Sentences, table);
  table.Finish();
  TESS_FUZZ_CHECK(table.WordCount() <= table.Count() && table.Count() <= kEntryCapacity);

  DictionaryConfig config;
  config.RecordingsRoot = "/nagrania\\";
  for (int position = 1; position <= table.Count(); ++position) {
    RecordingPath(table, position, config, fuzz::Folder());
  }

  const std::string text(parts[2]);
  const SearchQuery query{text, text};
  const fuzz::FixedMeasurer measurer;
  for (int bits = 0; bits < 16; ++bits) {
    const SearchOptions options{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
    const std::vector<int> found = RunSearch(table, query, options);
    for (int position : found) {
      TESS_FUZZ_CHECK(position >= 1 && position <= table.WordCount());
    }
    if (bits == 15) {
      ListGeometry geometry;
      geometry.ListWidth = 560;
      geometry.WindowWidth = 580;
      const int last = ScrollRangeFor(static_cast<int>(found.size())).Maximum;
      for (int scroll : {1, last}) {
        const ListPicture picture =
            LayOutList(table, found, scroll, 1, geometry, measurer, measurer);
        TESS_FUZZ_CHECK(picture.Rows.size() == static_cast<std::size_t>(kListRows));
        HintAt(picture, 230, 5);
        IndexAt(picture, scroll, 10, 30);
      }
    }
  }
  TypeAheadPosition(table, text);
  return 0;
}
