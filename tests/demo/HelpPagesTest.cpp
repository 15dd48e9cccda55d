// The installed help pages: every page and anchor the windows open is there, every link and
// picture of every page leads somewhere real, and the pages say how they are encoded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>

#include <map>
#include <string>

namespace {

// What the windows of the course open (page and anchor after "Htm_r\").
constexpr const char* kOpenedByWindows[] = {
    "h_index.html",    "h_kvarn.html",    "h_log.html",      "h_pres.html",       "h_stat.html",
    "h_pomoc.html",    "h_8_crz.html",    "h_comp.html",     "h_comp.html#filmy", "h_comp.html#zda",
    "h_comp.html#kon", "h_comp.html#zdj", "h_comp.html#e3",  "h_comp.html#mc",    "h_comp.html#tf",
    "h_comp.html#dd",  "h_comp.html#WPI", "h_comp.html#def", "h_comp.html#ddv"};

class HelpPages : public ::testing::Test {
 protected:
  void SetUp() override {
    help_ = QDir(QString::fromLocal8Bit(TESS_INSTALL_DIR) + QStringLiteral("/Htm_r"));
    ASSERT_TRUE(help_.exists()) << "no help pages in " << TESS_INSTALL_DIR;
    for (const QString& name : help_.entryList({QStringLiteral("*.html")}, QDir::Files)) {
      QFile file(help_.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
      pages_[name] = file.readAll();
    }
  }

  // Anchors are matched as written: the display's anchors are case-sensitive.
  bool HasAnchor(const QString& page, const QString& anchor) const {
    const auto found = pages_.find(page);
    if (found == pages_.end()) return false;
    const QString text = QString::fromUtf8(found->second);
    const QString quoted = QRegularExpression::escape(anchor);
    return text.contains(QRegularExpression(QStringLiteral("\\b(name|id)=\"%1\"").arg(quoted)));
  }

  QDir help_;
  std::map<QString, QByteArray> pages_;
};

TEST_F(HelpPages, EveryPageAndAnchorTheWindowsOpenExists) {
  for (const char* opened : kOpenedByWindows) {
    SCOPED_TRACE(opened);
    const QStringList parts = QString::fromLatin1(opened).split(QLatin1Char('#'));
    ASSERT_TRUE(pages_.count(parts[0])) << "missing page";
    if (parts.size() == 2) {
      EXPECT_TRUE(HasAnchor(parts[0], parts[1])) << "missing anchor";
    }
  }
}

TEST_F(HelpPages, EveryLinkAndPictureLeadsSomewhere) {
  const QRegularExpression reference(QStringLiteral("\\b(href|src)=\"([^\"]*)\""));
  int pictures = 0;
  for (const auto& [page, bytes] : pages_) {
    const QString text = QString::fromUtf8(bytes);
    for (auto match = reference.globalMatch(text); match.hasNext();) {
      const auto found = match.next();
      const QString target = found.captured(2);
      SCOPED_TRACE(page.toStdString() + ": " + target.toStdString());
      ASSERT_FALSE(target.isEmpty());
      if (target.startsWith(QLatin1String("https://"))) continue;  // opens in the browser
      EXPECT_FALSE(target.contains(QLatin1Char('\\'))) << "links use /";
      const QStringList parts = target.split(QLatin1Char('#'));
      const QString file = parts[0].isEmpty() ? page : parts[0];
      // The page about the help is also opened where the help stays on one page.
      if (page == QLatin1String("h_pomoc.html") && file.endsWith(QLatin1String(".html"))) {
        EXPECT_EQ(file, page) << "h_pomoc.html leads to no other page";
      }
      // Exact names, though the program would forgive a wrong case.
      ASSERT_TRUE(QFile::exists(help_.filePath(file))) << "missing file";
      if (parts.size() == 2) {
        EXPECT_TRUE(HasAnchor(file, parts[1])) << "missing anchor";
      }
      if (found.captured(1) == QLatin1String("src")) {
        EXPECT_FALSE(QImage(help_.filePath(file)).isNull()) << "unreadable picture";
        ++pictures;
      }
    }
  }
  EXPECT_GT(pictures, 50);
}

TEST_F(HelpPages, PagesAreUtf8AndSayItWithTheirStyleSheet) {
  EXPECT_EQ(pages_.size(), 8u);
  for (const auto& [page, bytes] : pages_) {
    SCOPED_TRACE(page.toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QLatin1String("<meta charset=\"utf-8\">")));
    // The display reads a style sheet only when its type is named.
    EXPECT_TRUE(text.contains(
        QLatin1String("<link rel=\"stylesheet\" type=\"text/css\" href=\"pomoc.css\">")));
  }
  EXPECT_TRUE(QFile::exists(help_.filePath(QStringLiteral("pomoc.css"))));
}

TEST_F(HelpPages, HelpWindowStripIsDrawn) {
  const QImage strip(QString::fromLocal8Bit(TESS_INSTALL_DIR) +
                     QStringLiteral("/gfx_r/pod_pasek_help.bmp"));
  ASSERT_FALSE(strip.isNull());
  EXPECT_EQ(strip.size(), QSize(100, 600));
}

}  // namespace
