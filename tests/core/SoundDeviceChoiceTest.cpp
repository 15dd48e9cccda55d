#include "core/SoundDeviceChoice.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

void WriteRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(SoundDeviceChoiceTest, ChoiceReadsBackWithNamesInAnyScript) {
  TempFolder folder;
  const std::string path = SoundDeviceFilePath(folder.path() + "/", "tsa2_2003");
  EXPECT_EQ(path, folder / "dzwiek_tsa2_2003.txt");
  const SoundDeviceChoice choice{"Wbudowany dźwięk — głośniki", "USB Микрофон"};
  ASSERT_TRUE(WriteSoundDeviceChoice(path, choice));
  EXPECT_EQ(ReadSoundDeviceChoice(path), choice);
  ASSERT_TRUE(WriteSoundDeviceChoice(path, SoundDeviceChoice{}));
  EXPECT_EQ(ReadSoundDeviceChoice(path), SoundDeviceChoice{});
}

TEST(SoundDeviceChoiceTest, MissingOrDamagedFileGivesSystemDefaults) {
  TempFolder folder;
  EXPECT_EQ(ReadSoundDeviceChoice(folder / "none.txt"), SoundDeviceChoice{});
  const struct {
    const char* bytes;
    SoundDeviceChoice expected;
  } cases[] = {
      {"", {}},
      {"\x01\x02\xff garbage", {}},
      {"wyjscie=Speakers\r\nwejscie=Mic\x07 with a bell\r\n", {"Speakers", ""}},
      {"wejscie=Mic", {"", "Mic"}},
  };
  for (const auto& c : cases) {
    WriteRaw(folder / "d.txt", c.bytes);
    EXPECT_EQ(ReadSoundDeviceChoice(folder / "d.txt"), c.expected) << c.bytes;
  }
  WriteRaw(folder / "long.txt", "wyjscie=" + std::string(100000, 'x'));
  EXPECT_EQ(ReadSoundDeviceChoice(folder / "long.txt"), SoundDeviceChoice{});
}

TEST(SoundDeviceChoiceTest, RewriteKeepsLinesItDoesNotKnow) {
  TempFolder folder;
  const std::string path = folder / "d.txt";
  WriteRaw(path, "wyjscie=Old\r\nglosnosc=80\r\n");
  ASSERT_TRUE(WriteSoundDeviceChoice(path, {"New", "Mic"}));
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, "wyjscie=New\r\nwejscie=Mic\r\nglosnosc=80\r\n");
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(SoundDeviceChoiceTest, DropDownListsDefaultThenDevicesAndKeepsAnAbsentChoice) {
  const std::vector<std::string> present{"Speakers", "", "Headset", "Speakers"};
  const struct {
    const char* chosen;
    std::vector<std::string> names;
    int index;
  } cases[] = {
      {"", {"", "Speakers", "Headset"}, 0},
      {"Headset", {"", "Speakers", "Headset"}, 2},
      {"Unplugged USB", {"", "Speakers", "Headset", "Unplugged USB"}, 3},
  };
  for (const auto& c : cases) {
    const SoundDeviceEntries entries = ListSoundDevices(present, c.chosen);
    EXPECT_EQ(entries.Names, c.names) << c.chosen;
    EXPECT_EQ(entries.Chosen, c.index) << c.chosen;
  }
}

}  // namespace
}  // namespace tess
