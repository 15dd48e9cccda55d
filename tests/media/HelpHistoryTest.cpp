// The help window's rules: paths and links to pages and anchors, the history with its depth,
// and which buttons show.
#include "media/HelpHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

const std::string kDir = "/opt/tess/";
const std::string kIndex = kDir + "Htm_r\\h_index.html";
const std::string kComp = kDir + "Htm_r\\h_comp.html";

TEST(HelpPaths, SplitAndResolve) {
  struct Row {
    const char* name;
    std::string page;  // the page a link is written in; empty: split `path` alone
    std::string path;
    HelpPage expected;
  };
  const Row rows[] = {
      {"with_anchor", "", kComp + "#kon", {kComp, "kon"}},
      {"without_anchor", "", kIndex, {kIndex, ""}},
      {"hash_in_a_folder_is_no_anchor",
       "",
       "/a#b/Htm_r\\h_log.html",
       {"/a#b/Htm_r\\h_log.html", ""}},
      {"doubled_separator_kept_for_the_resolver",
       "",
       kDir + "\\Htm_r\\h_kvarn.html",
       {kDir + "\\Htm_r\\h_kvarn.html", ""}},
      {"anchor_in_the_same_page", kComp, "#tf", {kComp, "tf"}},
      {"page_beside", kIndex, "h_stat.html", {kDir + "Htm_r\\h_stat.html", ""}},
      {"page_beside_with_anchor", kIndex, "h_comp.html#WPI", {kComp, "WPI"}},
      {"page_in_a_subfolder_with_backslash",
       kIndex,
       "extra\\H_Q.HTML",
       {kDir + "Htm_r\\extra\\H_Q.HTML", ""}},
      {"page_from_a_slash_folder",
       "/x/Htm_r/h_index.html",
       "h_pomoc.html",
       {"/x/Htm_r/h_pomoc.html", ""}},
      {"absolute_path", kIndex, "/other/h.html#a", {"/other/h.html", "a"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const HelpPage got =
        row.page.empty() ? SplitHelpPath(row.path) : ResolveHelpLink(row.page, row.path);
    EXPECT_EQ(got.File, row.expected.File);
    EXPECT_EQ(got.Anchor, row.expected.Anchor);
  }
}

TEST(HelpPaths, WebLinksLeaveTheHelp) {
  for (const char* link : {"https://freedict.org/", "HTTP://example.com", "mailto:a@b.pl"}) {
    EXPECT_TRUE(IsWebLink(link)) << link;
  }
  for (const char* link : {"h_comp.html", "#http", "http.html"}) {
    EXPECT_FALSE(IsWebLink(link)) << link;
  }
}

// One learner's way through the pages; every step checks what the window then shows.
TEST(HelpHistoryTest, WalkThroughThePages) {
  enum Action { Open, Link, Back };
  struct Step {
    const char* name;
    Action action;
    std::string target;  // full path for Open, link as written for Link
    HelpPage shown;
    int depth;
    bool back;
    bool contents;
  };
  const Step steps[] = {
      {"opened_from_a_window", Open, kComp + "#mc", {kComp, "mc"}, 1, false, true},
      {"first_link", Link, "h_index.html", {kIndex, ""}, 2, true, true},
      {"second_link_to_help_about_help",
       Link,
       "h_pomoc.html",
       {kDir + "Htm_r\\h_pomoc.html", ""},
       3,
       true,
       false},
      {"back_once", Back, "", {kIndex, ""}, 2, true, true},
      {"back_twice_reaches_the_first_page", Back, "", {kComp, "mc"}, 1, false, true},
      {"anchor_link_counts_as_a_page", Link, "#tf", {kComp, "tf"}, 2, true, true},
      {"opened_again_clears_the_history",
       Open,
       kDir + "Htm_r\\H_POMOC.HTML",
       {kDir + "Htm_r\\H_POMOC.HTML", ""},
       1,
       false,
       false},
  };
  HelpHistory history;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    switch (step.action) {
      case Open:
        history.Open(step.target);
        break;
      case Link:
        history.LinkFollowed(ResolveHelpLink(history.Current().File, step.target));
        break;
      case Back:
        history.Back();
        break;
    }
    EXPECT_EQ(history.Current(), step.shown);
    EXPECT_EQ(history.HelpDepth(), step.depth);
    EXPECT_EQ(history.BackShown(), step.back);
    EXPECT_EQ(history.ContentsShown(), step.contents);
  }
  EXPECT_EQ(history.Pages().size(), 1u);
  EXPECT_EQ(history.Index(), 0);
}

TEST(HelpHistoryTest, LinkAfterBackDropsTheNewerPages) {
  HelpHistory history;
  history.Open(kIndex);
  history.LinkFollowed({kComp, "kon"});
  history.LinkFollowed({kComp, "zda"});
  history.Back();
  ASSERT_EQ(history.Index(), 1);
  history.LinkFollowed({kComp, "filmy"});

  const std::vector<HelpPage> expected = {{kComp, "filmy"}, {kComp, "kon"}, {kIndex, ""}};
  EXPECT_EQ(history.Pages(), expected);
  EXPECT_EQ(history.Index(), 0);
  EXPECT_EQ(history.HelpDepth(), 3);
  history.Back();
  history.Back();
  EXPECT_EQ(history.Current(), (HelpPage{kIndex, ""}));
  EXPECT_FALSE(history.BackShown());
}

}  // namespace
}  // namespace tess
