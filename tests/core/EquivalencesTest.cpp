#include "core/Equivalences.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(EquivalencesTest, LineFields) {
  struct Row {
    const char* name;
    std::string line;
    bool ok;
    std::string from;
    std::string to;
  };
  const Row rows[] = {
      {"two fields", "don't=do not=", true, "don't", "do not"},
      {"nothing trimmed", " I'm = I am =", true, " I'm ", " I am "},
      {"no second separator", "can't=cannot", true, "can't", "cannot"},
      {"text after the second field", "a=b=c=", true, "a", "b"},
      {"empty second field", "x=", true, "x", ""},
      {"empty first field", "=y=", true, "", "y"},
      {"no separator", "nothing here", false, "", ""},
      {"empty line", "", false, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Equivalence pair;
    ASSERT_EQ(ParseEquivalenceLine(row.line, pair), row.ok);
    if (!row.ok) continue;
    EXPECT_EQ(pair.EquivalenceFrom, row.from);
    EXPECT_EQ(pair.EquivalenceTo, row.to);
  }
}

TEST(EquivalencesTest, FileSkipsLinesWithoutSeparatorAndStopsAtSeventy) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string bytes = "// no separator here\r\n";
  for (int i = 1; i <= 71; ++i)
    bytes += "f" + std::to_string(i) + "=t" + std::to_string(i) + "=\r\n";
  WriteBytes(folder / "ss_r.t", bytes);

  EquivalenceList list;
  ASSERT_TRUE(LoadEquivalences(folder.path() + "/", list));
  ASSERT_EQ(list.Count(), 70);
  EXPECT_EQ(list.Pairs().front().EquivalenceFrom, "f1");
  EXPECT_EQ(list.Pairs().back().EquivalenceTo, "t70");

  TempFolder empty;
  EXPECT_FALSE(LoadEquivalences(empty.path() + "/", list));
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace tess
