// The dictionary's installation: "ts50.ini", "tess_50_slow.txt" and the descriptor
// "tess_r.txt" of the language's database folder, given as three NUL-separated parts.
#include "FuzzSupport.h"
#include "dictionary/DictionaryConfig.h"
#include "dictionary/DictionaryLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  using namespace tess::dictionary;
  const auto parts = fuzz::SplitParts(fuzz::AsText(data, size), 3);
  fuzz::RemoveFile("db");
  fuzz::WriteFile("ts50.ini", parts[0]);
  fuzz::WriteFile("tess_50_slow.txt", parts[1]);
  DictionaryConfig config;
  ConfigError error = LoadDictionaryConfig(fuzz::Folder(), config);
  const std::string database = FilesOf(config.DictionaryLanguage).DatabaseFolder;
  if (error == ConfigError::None && !database.empty()) {
    // The same again with the language's descriptor in place.
    fuzz::WriteFile(database + "/tess_s.txt", "");
    fuzz::WriteFile(database + "/tess_r.txt", parts[2]);
    DictionaryConfig described;
    error = LoadDictionaryConfig(fuzz::Folder(), described);
    TESS_FUZZ_CHECK(error == ConfigError::None);
    TESS_FUZZ_CHECK(!described.RecordingsRoot.empty() && described.RecordingsRoot.back() == '\\');
  }
  ConfigMessage(error);
  return 0;
}
