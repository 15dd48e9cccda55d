#include "results/ResultsStore.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "results/CourseMaterial.h"
#include "shared/DateTime.h"
#include "support/CourseMaterialFixture.h"

namespace tess {
namespace {

using testing::CourseMaterialFolder;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

const std::uint8_t* Bytes(const std::string& bytes) {
  return reinterpret_cast<const std::uint8_t*>(bytes.data());
}

std::string AsString(const ResultRecordBytes& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// One record as the Windows program wrote it, laid out by hand from the record table:
// "tek_12", a cp1250 title of 32 bytes, kind 41, item 5, level 3, 2004-05-17 18:00
// (38124.75), score 80, 258 attempts, finished, group "Podstawy".
const std::string kKnownRecord = FromHex(
    "0674656b5f3132000000000000000000"  //   0 Name: length 6, "tek_12", zeros
    "000000000000000000002053b3756368"  //  16 ... | 26 Title: length 32, "S" 0xB3 "uch"
    "616e6965203d204c697374656e696e67"  //  32 "anie = Listening"
    "203d2048f672656e203d200000000000"  //  48 " = H" 0xF6 "ren = ", zeros
    "00000000000000000000000000000000"  //  64
    "00000000000000000000000000000000"  //  80
    "00000000000000000000000000000000"  //  96
    "00000000000000000000000000000000"  // 112
    "00000000000000000000000000000000"  // 128
    "00000000000000000000000000000000"  // 144
    "00000000000000290503000000000000"  // 160 ... | 167 Kind, Item, Level | 170 pad | 172 ...
    "989de24050000000020100000108506f"  // 176 LastDate end | 180 Score, pad | 184 Attempts |
                                        //     188 Finished | 189 Group: length 8, "Po"
    "647374617779000000000000");        // 192 "dstawy", zeros | 202 pad

ResultRecord KnownRecord() {
  ResultRecord r;
  r.Name = "tek_12";
  r.Title = "S\xB3uchanie = Listening = H\xF6ren = ";
  r.Kind = 41;
  r.Item = 5;
  r.Level = 3;
  r.LastDate = 38124.75;
  r.Score = 80;
  r.Attempts = 258;
  r.Finished = 1;
  r.Group = "Podstawy";
  return r;
}

TEST(ResultsRecordTest, KnownBytesBothWays) {
  ASSERT_EQ(kKnownRecord.size(), kResultRecordSize);
  const ResultRecord record = DeserialiseResultRecord(Bytes(kKnownRecord));
  EXPECT_EQ(record, KnownRecord());
  EXPECT_EQ(EncodeDateTime({2004, 5, 17, 18, 0, 0, 0}), record.LastDate);
  EXPECT_EQ(AsString(SerialiseResultRecord(record)), kKnownRecord);
}

TEST(ResultsRecordTest, StringsAreCutAndStaleBytesDropped) {
  // Bytes past a string's length, and a length beyond the field, come from other writers.
  std::string dirty = kKnownRecord;
  dirty[7] = 'X';                      // past the name's length
  dirty[189] = static_cast<char>(40);  // group length beyond its 12 characters
  const ResultRecord read = DeserialiseResultRecord(Bytes(dirty));
  EXPECT_EQ(read.Name, "tek_12");
  EXPECT_EQ(read.Group, std::string("Podstawy") + std::string(4, '\0'));

  ResultRecord longer = KnownRecord();
  longer.Name = std::string(30, 'n');
  longer.Title = std::string(150, 't');
  longer.Group =
      "Podr\xF3\xBF"
      "e i zakupy";
  const ResultRecord back = DeserialiseResultRecord(SerialiseResultRecord(longer).data());
  EXPECT_EQ(back.Name, std::string(25, 'n'));
  EXPECT_EQ(back.Title, std::string(140, 't'));
  EXPECT_EQ(back.Group,
            "Podr\xF3\xBF"
            "e i za");
  EXPECT_EQ(back.Attempts, 258);

  ResultRecord negative = KnownRecord();
  negative.Attempts = -2;
  const ResultRecordBytes bytes = SerialiseResultRecord(negative);
  EXPECT_EQ(AsString(bytes).substr(184, 4), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(DeserialiseResultRecord(bytes.data()).Attempts, -2);
}

class BuiltStore : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> messages;
    ASSERT_TRUE(LoadCourseMaterial(folder_.Installation(), material_, messages));
    ASSERT_TRUE(messages.empty());
    ASSERT_TRUE(BuildResults(material_, now_, store_));
  }

  CourseMaterialFolder folder_;
  CourseMaterial material_;
  ResultsStore store_;
  const double now_ = EncodeDateTime({2024, 3, 1, 9, 30, 0, 0});
};

TEST_F(BuiltStore, RecordsFromTheCatalogues) {
  const std::string textTitle = "Tekst PL = Text EN = Text DE = ";
  const std::string longTitle = "Pies = Dog = " + std::string(127, 'D');  // cut to 140
  const std::string travel =
      "Podr\xF3\xBF"
      "e i za";  // cut to 12
  const std::string talk =
      "Rozmowa = Talk = Gespr\xE4"
      "ch = ";
  struct Row {
    const char* name;
    std::string title;
    int kind;
    int item;
    int level;
    std::string group;
  };
  const Row rows[] = {
      // Texts in catalogue order (7 before 3), exercises in list order; "07" is text 7.
      {"tek_7", textTitle, 41, 1, 2, "Podstawy"},
      {"tek_7", textTitle, 40, 2, 2, "Podstawy"},
      {"tek_3", longTitle, 40, 3, 1, travel},
      {"tek_3", longTitle, 44, 4, 1, travel},
      // Names line fields 1, 3, 2; level and group from characters 7 to 10.
      {"rpg_1", "Sklep = Shop = Laden = ", 54, 0, 1, travel},
      {"rpg_2", "Dom = House = Haus = ", 54, 0, 3, "Podstawy"},
      // Two drills per package; the code loses its leading zero.
      {"zda_1", "S\xB3uchanie - zdania (5) = Listening (5) = H\xF6ren (5) = ", 50, 0, 1,
       "Podstawy"},
      {"zda_1", "S\xB3uchanie - zdania (5) = Listening (5) = H\xF6ren (5) = ", 51, 0, 1,
       "Podstawy"},
      {"zda_2",
       "Podr\xF3\xBF"
       "e - zdania (10) = Travel (10) = Reisen (10) = ",
       50, 0, 2, travel},
      {"zda_2",
       "Podr\xF3\xBF"
       "e - zdania (10) = Travel (10) = Reisen (10) = ",
       51, 0, 2, travel},
      // Only the modes flagged "T".
      {"dia_1", talk, 70, 0, 3, "Podstawy"},
      {"dia_1", talk, 71, 0, 3, "Podstawy"},
      {"dia_1", talk, 74, 0, 3, "Podstawy"},
      {"dia_2", "R2 = T2 = G2 = ", 71, 0, 4, travel},
  };
  ASSERT_EQ(store_.Count(), static_cast<int>(std::size(rows)));
  for (int position = 1; position <= store_.Count(); ++position) {
    SCOPED_TRACE(position);
    const Row& row = rows[position - 1];
    const ResultRecord& r = store_.At(position);
    EXPECT_EQ(r.Name, row.name);
    EXPECT_EQ(r.Title, row.title);
    EXPECT_EQ(r.Kind, row.kind);
    EXPECT_EQ(r.Item, row.item);
    EXPECT_EQ(r.Level, row.level);
    EXPECT_EQ(r.Group, row.group);
    EXPECT_EQ(r.LastDate, now_);
    EXPECT_EQ(r.Score, 0);
    EXPECT_EQ(r.Attempts, 0);
    EXPECT_EQ(r.Finished, 0);
  }
}

TEST_F(BuiltStore, SaveLoadSaveIsByteIdentical) {
  const std::string path = ResultsFilePath(folder_.ProgramDir(), "tsa2_2003");
  std::string error;
  ASSERT_TRUE(SaveResults(path, store_, &error)) << error;
  const std::string first = ReadBytes(path);
  EXPECT_EQ(first.size(), 14 * kResultRecordSize);

  ResultsStore loaded;
  ASSERT_TRUE(LoadResults(path, loaded, &error)) << error;
  EXPECT_EQ(loaded.Records(), store_.Records());

  ASSERT_TRUE(SaveResults(path, loaded, &error)) << error;
  EXPECT_EQ(ReadBytes(path), first);
}

TEST_F(BuiltStore, ABuildKeepsTheBytesOfAnUnusableFile) {
  // Too short for one record: the login builds a new store, and the bytes stay behind it.
  const std::string path = ResultsFilePath(folder_.ProgramDir(), "tsa2_2003");
  const std::string stray = kKnownRecord.substr(0, 203);
  WriteBytes(path, stray);
  ResultsStore store;
  ASSERT_TRUE(LoadResults(path, store));
  ASSERT_EQ(store.Count(), 0);
  ASSERT_TRUE(BuildResults(material_, now_, store));
  ASSERT_TRUE(SaveResults(path, store));
  const std::string saved = ReadBytes(path);
  ASSERT_EQ(saved.size(), 14 * kResultRecordSize + 203);
  EXPECT_EQ(saved.substr(14 * kResultRecordSize), stray);
}

TEST(ResultsFileTest, MissingUnevenAndOverlongFiles) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  ResultsStore store;
  store.Append(KnownRecord());

  // A missing file empties the store and is no error.
  ASSERT_TRUE(LoadResults(folder / "none", store));
  EXPECT_EQ(store.Count(), 0);

  struct Row {
    const char* name;
    int records;
    int extraBytes;
    int expected;
  };
  const Row rows[] = {
      {"empty file", 0, 0, 0},
      {"half a record at the end", 2, 100, 2},
      {"only part of a record", 0, 203, 0},
      {"exactly the store", 1000, 0, 1000},
      {"longer than the store", 1003, 50, 1000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string bytes;
    for (int i = 0; i < row.records; ++i) bytes += kKnownRecord;
    bytes += std::string(static_cast<size_t>(row.extraBytes), '\x01');
    WriteBytes(folder / "results", bytes);
    ASSERT_TRUE(LoadResults(folder / "results", store));
    EXPECT_EQ(store.Count(), row.expected);
    if (row.expected > 0) {
      EXPECT_EQ(store.At(row.expected), KnownRecord());
    }
  }
}

TEST(ResultsFileTest, BytesItCannotUseAreCarriedThroughASave) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tsa2_2003";
  struct Row {
    const char* name;
    int records;
    int extraBytes;
  };
  const Row rows[] = {
      {"records past the store", 1003, 50},
      {"half a record at the end", 2, 100},
      {"only part of a record", 0, 203},
      {"exactly the store", 1000, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string bytes;
    for (int i = 0; i < row.records; ++i) bytes += kKnownRecord;
    for (int i = 0; i < row.extraBytes; ++i) bytes.push_back(static_cast<char>(i + 1));
    WriteBytes(path, bytes);

    ResultsStore store;
    ASSERT_TRUE(LoadResults(path, store));
    std::string expected = bytes;
    if (store.Count() > 0) {
      ASSERT_EQ(RecordResult(store, 30, "tek_12", 41, 5, 0, {2.0}), store.Count());
      expected.replace((store.Count() - 1) * kResultRecordSize, kResultRecordSize,
                       AsString(SerialiseResultRecord(store.At(store.Count()))));
    }
    std::string error;
    ASSERT_TRUE(SaveResults(path, store, &error)) << error;
    EXPECT_EQ(ReadBytes(path).size(), bytes.size());
    EXPECT_TRUE(ReadBytes(path) == expected) << "only the changed record differs";
  }
}

TEST(ResultsFileTest, AFileThatWasNotLoadedIsNeverOverwritten) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  // Far beyond anything the program writes: refused, not read into memory.
  const std::string path = folder / "tsa2_2003";
  WriteBytes(path, kKnownRecord);
  std::filesystem::resize_file(path, 65 * 1024 * 1024);
  ResultsStore store;
  store.Append(KnownRecord());
  std::string error;
  EXPECT_FALSE(LoadResults(path, store, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(store.Count(), 0) << "the last user's records do not stay";

  error.clear();
  store.Append(KnownRecord());
  EXPECT_FALSE(SaveResults(path, store, &error));
  EXPECT_NE(error.find("nie zostanie nadpisany"), std::string::npos) << error;
  EXPECT_EQ(std::filesystem::file_size(path), 65u * 1024 * 1024);

  // A later load that succeeds lifts the refusal.
  WriteBytes(path, kKnownRecord);
  ASSERT_TRUE(LoadResults(path, store));
  EXPECT_TRUE(SaveResults(path, store));
}

TEST(ResultsFileTest, LargeFilesLoadQuickly) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tsa2_2003";
  std::string bytes;
  for (int i = 0; i < 10'000; ++i) bytes += kKnownRecord;  // about 2 MB
  WriteBytes(path, bytes);
  ResultsStore store;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(LoadResults(path, store));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(store.Count(), ResultsStore::kMaxRecords);
  EXPECT_EQ(store.UnreadBytes().size(), bytes.size() - 1000 * kResultRecordSize);
  EXPECT_LT(took, std::chrono::milliseconds(100));
  std::cout << "[ figures  ] " << bytes.size() << " bytes loaded in "
            << std::chrono::duration<double, std::milli>(took).count() << " ms" << std::endl;
}

TEST(ResultsFileTest, SaveReplacesTheFileThroughARename) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tsa2_2003";
  WriteBytes(path, std::string(5 * kResultRecordSize, 'x'));
  ResultsStore store;
  store.Append(KnownRecord());
  ASSERT_TRUE(SaveResults(path, store));
  EXPECT_EQ(ReadBytes(path), kKnownRecord);

  // Nothing but the results file is left behind.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);

  // A folder that does not exist: an error, no file.
  std::string error;
  EXPECT_FALSE(SaveResults(folder / "no/such/folder/tsa2_2003", store, &error));
  EXPECT_FALSE(error.empty());
}

TEST(ResultsBuildTest, StopsAtTheStoreLimit) {
  // 300 exercises of one text, 100 comprehension exercises and 450 packages: 1300 records.
  CourseMaterial material;
  material.Catalogue.Groups.Add({"En", "De", "Pl", "G"});
  material.Catalogue.Texts.Add({1, 1, 1, "d", "e", "p"});
  for (int i = 0; i < 300; ++i) material.Exercises.Add({"x#1#", "MC#", ""});
  for (int i = 0; i < 100; ++i) {
    ComprehensionExercise entry;
    entry.Level = 1;
    entry.GroupNumber = 1;
    material.Catalogue.Comprehension.Add(entry);
  }
  for (int i = 0; i < 450; ++i) {
    Sentence s;
    s.Level = 1;
    s.GroupNumber = 1;
    s.PackageCode = std::to_string(100 + i);
    material.Catalogue.Sentences.Add(s);
  }
  material.Catalogue.Sentences.BuildPackages();
  ASSERT_EQ(material.Catalogue.Sentences.Packages().Count(), 450);

  ResultsStore store;
  EXPECT_FALSE(BuildResults(material, 1.0, store));
  ASSERT_EQ(store.Count(), ResultsStore::kMaxRecords);
  EXPECT_EQ(store.At(256).Item, 0);  // position 256, low 8 bits
  EXPECT_EQ(store.At(300).Item, 44);
  EXPECT_EQ(store.At(301).Name, "rpg_1");
  EXPECT_EQ(store.At(1000).Name, "zda_300");
  EXPECT_EQ(store.At(1000).Kind, 51);
}

}  // namespace
}  // namespace tess
