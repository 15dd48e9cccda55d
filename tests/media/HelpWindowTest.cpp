// The help window on a small installation of pages: history and buttons, anchors, pictures
// and style sheets found through the path resolver, the media window, hints and printing.
#include "media/HelpWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/CourseState.h"
#include "media/MediaWindow.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/QtPlatform.h"
#include "support/CourseFixture.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

using testing::CourseFolder;

const QColor kPngColour(0x2A, 0x9D, 0x8F);
const QColor kJpegColour(0x1F, 0x3A, 0x5F);
const QColor kCoral(0xE7, 0x6F, 0x51);

// A 1 x 1 GIF whose only pixel is red.
const char kRedGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
    "!\xf9\x04\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
    "D\x01\x00;";

std::string Page(const std::string& body) {
  return "<html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\" type=\"text/css\" "
         "href=\"Pomoc.CSS\">"
         "</head><body>" +
         body + "</body></html>";
}

std::string LongText() {
  std::string text;
  for (int i = 0; i < 80; ++i) text += "<p>Akapit " + std::to_string(i) + ".</p>";
  return text;
}

std::string Bytes(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

QImage Filled(int width, int height, const QColor& colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// How many pixels of `image` are within a small distance of `colour`.
int PixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) < 10 && std::abs(c.green() - colour.green()) < 10 &&
          std::abs(c.blue() - colour.blue()) < 10) {
        ++count;
      }
    }
  }
  return count;
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Clicks the link of the shown page that is written as `href`, where the learner would.
void ClickLink(QTextBrowser& viewer, const QString& href) {
  QTextDocument* document = viewer.document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position() + fragment.length() / 2);
      viewer.setTextCursor(cursor);
      viewer.ensureCursorVisible();
      const QPoint at = viewer.cursorRect(cursor).center();
      Mouse(viewer.viewport(), QEvent::MouseButtonPress, at);
      Mouse(viewer.viewport(), QEvent::MouseButtonRelease, at);
      return;
    }
  }
  ADD_FAILURE() << "no link " << href.toStdString();
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("Htm_r/pomoc.css", "h1 { color: #E76F51; }\n");
    folder.Write("Htm_r/h_index.html",
                 Page("<h1>Spis treści</h1><p><a href=\"h_comp.html#tf\">Prawda czy fałsz</a>"
                      " <a href=\"H_POMOC.html\">O pomocy</a>"
                      " <a href=\"https://freedict.org/\">FreeDict</a></p>"));
    folder.Write("Htm_r/h_comp.html",
                 Page("<h1>Ćwiczenia</h1><p><img src=\"IMG\\Okno.PNG\">"
                      "<img src=\"img/ikona.gif\" width=\"30\" height=\"30\">"
                      "<img src=\"Img/Scena.JPG\"></p>" +
                      LongText() + "<h2><a name=\"tf\"></a>Prawda czy fałsz</h2>" +
                      "<p><a href=\"H_POMOC.html\">O pomocy</a></p>" + LongText()));
    folder.Write("Htm_r/h_pomoc.html", Page("<h1>Jak korzystać z pomocy</h1>"));
    folder.Write("Htm_r/img/okno.png", Bytes(Filled(40, 30, kPngColour), "PNG"));
    folder.Write("Htm_r/img/IKONA.GIF", std::string(kRedGif, sizeof kRedGif - 1));
    folder.Write("Htm_r/img/scena.jpg", Bytes(Filled(50, 20, kJpegColour), "JPEG"));
    folder.Write("gfx_r/pod_pasek_help.bmp", Bytes(Filled(100, 600, kJpegColour), "BMP"));
    std::string texts;
    for (int n = 1; n <= 52; ++n) texts += std::to_string(n) + "==x=\r\n";
    texts +=
        "53==Wstecz=\r\n54==Drukuj=\r\n55==Spis tre\x9C"
        "ci=\r\n";  // cp1250
    folder.Write("Lang_r/0/infa_r.txt", texts);

    state.Install.ProgramDir = folder.ProgramDir();
    ASSERT_TRUE(state.Texts.Load(folder.ProgramDir() + "Lang_r\\0\\infa_r.txt"));
    skinPictures.size = QSize(72, 36);
    for (int i = 0; i < 51; ++i) skins.AddFromFile("skin", 2, 0, 0);
  }

  std::string Path(const std::string& name) const { return folder.ProgramDir() + "Htm_r\\" + name; }
  std::string ShownFile() const { return std::string(HelpFileName(form.FrameViewer1->FileName())); }
  QString PlainText() const { return form.FrameViewer1->document()->toPlainText(); }
  int ScrollTop() const { return form.FrameViewer1->verticalScrollBar()->value(); }

  CourseFolder folder;
  CourseState state;
  QtPictureLoader pictures;
  FakePictureLoader skinPictures;
  SkinStrips skins{skinPictures};
  HelpWindow form{state, skins, pictures};
};

TEST_F(HelpWindowTest, BackAfterTwoLinksAnchorsAndHistoryClearedWhenOpenedAgain) {
  form.ShowWindow();
  form.ShowHelpPage(Path("h_index.html"));
  EXPECT_TRUE(PlainText().contains(QStringLiteral("Spis treści"))) << "UTF-8 page";
  EXPECT_TRUE(form.btn_back->isHidden());
  EXPECT_FALSE(form.btn_spis->isHidden());

  ClickLink(*form.FrameViewer1, QStringLiteral("h_comp.html#tf"));
  EXPECT_EQ(ShownFile(), "h_comp.html");
  EXPECT_GT(ScrollTop(), 0) << "the anchor is scrolled to";
  EXPECT_FALSE(form.btn_back->isHidden());

  ClickLink(*form.FrameViewer1, QStringLiteral("H_POMOC.html"));
  EXPECT_TRUE(PlainText().contains(QStringLiteral("Jak korzystać"))) << "found without case";
  EXPECT_TRUE(form.btn_spis->isHidden()) << "no contents on the page about the help";
  EXPECT_EQ(form.History().HelpDepth(), 3);

  form.btn_backClick();
  EXPECT_EQ(ShownFile(), "h_comp.html");
  EXPECT_GT(ScrollTop(), 0);
  EXPECT_FALSE(form.btn_spis->isHidden());
  form.btn_backClick();
  EXPECT_EQ(ShownFile(), "h_index.html");
  EXPECT_EQ(ScrollTop(), 0);
  EXPECT_TRUE(form.btn_back->isHidden());

  std::vector<std::string> opened;
  form.OpenWebPage = [&](const std::string& url) { opened.push_back(url); };
  ClickLink(*form.FrameViewer1, QStringLiteral("https://freedict.org/"));
  EXPECT_EQ(opened, std::vector<std::string>{"https://freedict.org/"});
  EXPECT_EQ(form.History().HelpDepth(), 1) << "web links stay outside the history";

  ClickLink(*form.FrameViewer1, QStringLiteral("h_comp.html#tf"));
  form.ShowHelpPage(Path("h_comp.html#tf"));
  EXPECT_EQ(form.History().Pages().size(), 1u);
  EXPECT_TRUE(form.btn_back->isHidden());
  EXPECT_GT(ScrollTop(), 0);

  form.btn_spisClick();
  EXPECT_EQ(ShownFile(), "h_index.html");
  EXPECT_EQ(form.History().HelpDepth(), 1);
}

TEST_F(HelpWindowTest, PicturesAndStyleSheetsAreFoundWithoutRegardToCase) {
  form.ShowWindow();
  form.ShowHelpPage(folder.ProgramDir() + "\\HTM_R\\H_Comp.html");
  QApplication::processEvents();
  const QImage shown = form.FrameViewer1->viewport()->grab().toImage();
  EXPECT_GE(PixelsOf(shown, kPngColour), 40 * 30) << "PNG named IMG\\Okno.PNG";
  EXPECT_GE(PixelsOf(shown, Qt::red), 30 * 30) << "GIF, scaled by the page";
  EXPECT_GE(PixelsOf(shown, kJpegColour), 50 * 20 * 9 / 10) << "JPEG named Img/Scena.JPG";

  const QTextBlock title = form.FrameViewer1->document()->begin();
  ASSERT_EQ(title.text(), QStringLiteral("Ćwiczenia"));
  EXPECT_EQ(title.begin().fragment().charFormat().foreground().color(), kCoral)
      << "style sheet Pomoc.CSS";
}

TEST_F(HelpWindowTest, MissingPageSaysSoInPolish) {
  form.ShowWindow();
  form.ShowHelpPage(Path("h_brak.html#x"));
  EXPECT_TRUE(PlainText().contains(QStringLiteral("Nie można otworzyć strony pomocy")));
  EXPECT_TRUE(PlainText().contains(QStringLiteral("h_brak.html")));
}

TEST_F(HelpWindowTest, HintsStripAndTheMediaWindow) {
  FakeMediaPlayer player;
  FakeMessageBox messages;
  MediaWindow media(player, messages);
  form.AttachMediaWindow(media);
  const std::string recording = folder / "3.wav";
  testing::WriteBytes(recording, "RIFF");

  struct Row {
    const char* name;
    bool mediaOpen;
  };
  for (const Row row : {Row{"media_open", true}, Row{"media_closed", false}}) {
    SCOPED_TRACE(row.name);
    media.ShowMediaWindow(kMediaRecording, recording);
    if (!row.mediaOpen) media.CloseMediaWindow();

    form.ShowWindow();
    form.ShowHelpPage(Path("h_index.html"));
    EXPECT_FALSE(media.isVisible()) << "hidden while the help shows";
    EXPECT_EQ(media.MediaShown(), row.mediaOpen);
    EXPECT_EQ(form.btn_back->toolTip(), QStringLiteral("Wstecz"));
    EXPECT_EQ(form.Button2->toolTip(), QStringLiteral("Drukuj"));
    EXPECT_EQ(form.btn_spis->toolTip(), QStringLiteral("Spis treści"));
    EXPECT_EQ(form.img_tlo->pixmap().size(), QSize(100, 600));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form.FrameViewer1, &escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(media.isVisible(), row.mediaOpen) << "shown again only when it was open";
    EXPECT_TRUE(form.img_tlo->pixmap().isNull()) << "the strip is released on closing";
  }
}

TEST_F(HelpWindowTest, PrintsThePageWhereTheLearnerChooses) {
  form.ShowWindow();
  form.ShowHelpPage(Path("h_comp.html"));
  const QString pdf = QString::fromStdString(folder / "strona.pdf");
  bool asked = false;
  form.ChoosePrinter = [&](QPrinter& printer) {
    asked = true;
    EXPECT_EQ(printer.fromPage(), 1);
    EXPECT_EQ(printer.toPage(), 999);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return !QFile::exists(pdf);  // the second time the learner cancels
  };
  form.Button2Click();
  ASSERT_TRUE(asked);
  const std::string printed = testing::ReadBytes(pdf.toStdString());
  EXPECT_TRUE(printed.starts_with("%PDF")) << "printed through Qt Print Support";

  QFile(pdf).resize(0);
  form.Button2Click();
  EXPECT_TRUE(testing::ReadBytes(pdf.toStdString()).empty()) << "a cancelled dialog prints nothing";
}

}  // namespace
}  // namespace tess
