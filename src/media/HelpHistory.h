#pragma once
// What the help window decides: which page a path or a link names, the history of visited
// pages with its index, `HelpDepth`, and which of its buttons show. The widget (Frm_Help)
// only displays the page this class names.
#include <string>
#include <string_view>
#include <vector>

namespace tess {

/// A help page: the file as the course spells it and the anchor after "#" (empty: the top).
struct HelpPage {
  std::string File;
  std::string Anchor;
  bool operator==(const HelpPage&) const = default;
};

/// Splits a path such as ProgramDir + "Htm_r\h_comp.html#kon" into the file and the anchor.
HelpPage SplitHelpPath(std::string_view path);

/// True for links that leave the help pages (web and mail addresses); they open in the
/// desktop's browser and are not part of the history.
bool IsWebLink(std::string_view href);

/// Where a link written in `page`'s file leads: "#a" stays in the file; a relative name is
/// taken from the file's folder ("\" and "/" both separate); an absolute one stays as it is.
HelpPage ResolveHelpLink(const std::string& pageFile, std::string_view href);

/// The file name part of a path (after the last "\" or "/").
std::string_view HelpFileName(std::string_view path);

class HelpHistory {
 public:
  /// A page opened from outside the window (`ShowHelpPage`): the history starts afresh.
  void Open(std::string_view path);
  /// A link in the page was followed: the page becomes the newest, pages newer than the
  /// shown one are dropped, and `HelpDepth` grows by one.
  void LinkFollowed(const HelpPage& page);
  /// `btn_back`: `HelpDepth` - 1 and one step towards older pages. Returns the page to show.
  const HelpPage& Back();

  /// The page shown: the history entry at the index.
  const HelpPage& Current() const;
  /// Visited pages, the newest first.
  const std::vector<HelpPage>& Pages() const { return pages_; }
  /// 0 = the newest page.
  int Index() const { return index_; }
  /// The pages the learner can go back through plus one.
  int HelpDepth() const { return depth_; }

  /// `btn_back` shows from a depth of 2.
  bool BackShown() const { return depth_ >= 2; }
  /// `btn_spis` shows unless the file, lower-cased, contains "h_pomoc.html": the page about
  /// the help itself leads nowhere else.
  bool ContentsShown() const;

 private:
  std::vector<HelpPage> pages_{HelpPage{}};
  int index_ = 0;
  int depth_ = 1;
};

}  // namespace tess
