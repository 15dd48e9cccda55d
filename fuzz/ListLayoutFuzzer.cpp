// One entry of the dictionary's list laid out: the input is its translation (with word-class
// tags), the first byte picks the language and the width.
#include "FuzzSupport.h"
#include "dictionary/EntryTable.h"
#include "dictionary/ListLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  using namespace tess::dictionary;
  if (size == 0) return 0;
  const int languages[] = {1, 2, 3, 6};
  const int language = languages[data[0] % 4];
  const std::string_view translation = fuzz::AsText(data + 1, size - 1);
  Entry entry;
  entry.EntryNo = 1;
  entry.Headword = std::string(translation.substr(0, translation.find(' ')));
  entry.Translation = std::string(translation);
  EntryTable table;
  table.Add(entry);
  table.EndWordList();
  table.Finish();

  const fuzz::FixedMeasurer measurer;
  ListGeometry geometry;
  geometry.ListWidth = data[0] & 0x80 ? 230 : 560;
  geometry.WindowWidth = 580;
  const ListPicture picture = LayOutList(table, {1}, 1, language, geometry, measurer, measurer);
  TESS_FUZZ_CHECK(picture.Rows.size() == static_cast<std::size_t>(kListRows));
  TESS_FUZZ_CHECK(picture.Rows[0].Index == 1);
  for (const HintBox& hint : picture.Hints) HintAt(picture, hint.Left, hint.Top);
  FitHeadword(entry.Headword, measurer);
  return 0;
}
