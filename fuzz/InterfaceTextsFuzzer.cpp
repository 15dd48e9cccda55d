// The interface texts "infa_r.txt" of a language folder, and the kind names made from them.
#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "core/InterfaceTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("Lang_r/0/infa_r.txt", fuzz::AsText(data, size));
  InterfaceTexts texts;
  InterfaceTexts::LoadError error;
  const bool loaded = texts.Load(path, &error);
  TESS_FUZZ_CHECK(texts.Count() <= InterfaceTexts::kMaxTexts);
  if (!loaded) TESS_FUZZ_CHECK(error.line == texts.Count() + 1);
  for (int n = 0; n <= texts.Count() + 1; ++n) texts.Text(n);
  for (int code = 0; code <= 80; ++code) KindName(code, 1 + code % 3, texts);
  return 0;
}
