// Links of the help pages: every line of the input is a link followed from the page shown,
// a line "<" goes back. The history must stay consistent whatever the links say.
#include "FuzzSupport.h"
#include "media/HelpHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  std::string_view input = fuzz::AsText(data, size);
  HelpHistory history;
  history.Open("Htm_r\\h_comp.html#kon");
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    const std::string_view link = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    SplitHelpPath(link);
    HelpFileName(link);
    if (link == "<") {
      if (history.BackShown()) history.Back();
    } else if (!IsWebLink(link)) {
      history.LinkFollowed(ResolveHelpLink(history.Current().File, link));
    }
    TESS_FUZZ_CHECK(history.Index() >= 0 &&
                    history.Index() < static_cast<int>(history.Pages().size()));
    TESS_FUZZ_CHECK(history.HelpDepth() >= 1);
    history.ContentsShown();
  }
  return 0;
}
