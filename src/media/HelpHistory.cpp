#include "media/HelpHistory.h"

#include "shared/Text.h"

namespace tess {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::size_t NameStart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string_view HelpFileName(std::string_view path) { return path.substr(NameStart(path)); }

HelpPage SplitHelpPath(std::string_view path) {
  // Only a "#" in the file name starts the anchor; folders may hold one.
  const std::size_t hash = path.find('#', NameStart(path));
  if (hash == std::string_view::npos) return {std::string(path), {}};
  return {std::string(path.substr(0, hash)), std::string(path.substr(hash + 1))};
}

bool IsWebLink(std::string_view href) {
  const std::string lower = LowerAZ(href.substr(0, 8));
  return lower.starts_with("http://") || lower.starts_with("https://") ||
         lower.starts_with("mailto:") || lower.starts_with("ftp://");
}

HelpPage ResolveHelpLink(const std::string& pageFile, std::string_view href) {
  if (href.starts_with('#')) return {pageFile, std::string(href.substr(1))};
  HelpPage target = SplitHelpPath(href);
  if (target.File.empty()) {
    target.File = pageFile;
  } else if (!IsSeparator(target.File.front())) {
    target.File = pageFile.substr(0, NameStart(pageFile)) + target.File;
  }
  return target;
}

void HelpHistory::Open(std::string_view path) {
  pages_.assign(1, SplitHelpPath(path));
  index_ = 0;
  depth_ = 1;
}

void HelpHistory::LinkFollowed(const HelpPage& page) {
  pages_.erase(pages_.begin(), pages_.begin() + index_);
  pages_.insert(pages_.begin(), page);
  index_ = 0;
  ++depth_;
}

const HelpPage& HelpHistory::Back() {
  --depth_;
  if (index_ + 1 < static_cast<int>(pages_.size())) ++index_;
  return Current();
}

const HelpPage& HelpHistory::Current() const { return pages_[static_cast<std::size_t>(index_)]; }

bool HelpHistory::ContentsShown() const {
  return LowerAZ(Current().File).find("h_pomoc.html") == std::string::npos;
}

}  // namespace tess
