#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/Installation.h"
#include "coursebook/InformationWindow.h"
#include "platform/Fakes.h"
#include "platform/Fonts.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

constexpr QRgb kRed = qRgb(200, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 200);

// Icons 16 x 16 on white, a red stat_1 and a blue poz_1, so their drawing can be found; the
// backgrounds are grey.
class IconPictures : public PictureLoader {
 public:
  QImage Load(const std::string& path) override {
    if (path.find("ikony") == std::string::npos) {
      QImage background(455, 266, QImage::Format_RGB32);
      background.fill(Qt::gray);
      return background;
    }
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    const bool stat1 = path.ends_with("stat_1.bmp");
    const bool poz1 = path.ends_with("poz_1.bmp");
    for (int y = 4; y < 12; ++y) {
      for (int x = 4; x < 12; ++x) image.setPixel(x, y, stat1 ? kRed : poz1 ? kBlue : 0xFF808080);
    }
    return image;
  }
};

class InformationWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteInstallation();
    ASSERT_EQ(ReadInstallation(folder.ProgramDir(), state.Install), InstallationError::None);
    pictures.delegate = &icons;
  }

  std::string ProgramDir() const { return folder.ProgramDir(); }

  // Shows `text` and runs `whileShown` on the shown window.
  void Show(
      const std::string& text, const std::function<void()>& whileShown = [] {}) {
    modal.onShow = [&](QWidget&) { whileShown(); };
    form.ShowInformation(text);
  }

  // The window under the paint box, as drawn now.
  QImage Drawn() { return form.grab(form.Pb1->geometry()).toImage(); }

  CourseFolder folder;
  CourseState state;
  IconPictures icons;
  FakePictureLoader pictures;
  FakeModalShower modal;
  CourseSkins skins{pictures};
  InformationWindow form{state, skins, pictures, modal};
};

// Rows of the image that hold dark (text) pixels.
std::vector<int> DarkRows(const QImage& image) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 80) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

TEST_F(InformationWindowTest, HelpTextShowsTwoLinesOverTheHelpBackground) {
  std::vector<int> rows;
  Show("HH_Pierwsze <b>Drugie </b>@Trzecie", [&] { rows = DarkRows(Drawn()); });

  EXPECT_EQ(modal.shown, std::vector<std::string>{"TInformacjaForm"});
  EXPECT_TRUE(pictures.WasRequested(ProgramDir() + "Lang_r\\0\\gfx_r\\help.bmp"));
  EXPECT_FALSE(pictures.WasRequested(ProgramDir() + "Lang_r\\0\\gfx_r\\tlumaczenia.bmp"));
  EXPECT_EQ(form.Page().Tokens(),
            (std::vector<std::string>{"Pierwsze", "<b>", "Drugie", "</b>", "@", "Trzecie"}));
  const std::vector<InformationPiece>& pieces = form.Page().Layout().Pieces;
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[1].Y, 1);
  EXPECT_TRUE(pieces[1].Bold);
  EXPECT_EQ(pieces[2].Y, 21);
  EXPECT_TRUE(form.btn_up->isHidden());
  EXPECT_TRUE(form.btn_dn->isHidden());
  // Text is drawn on the first two lines and nowhere below them.
  ASSERT_FALSE(rows.empty());
  EXPECT_LT(rows.front(), 21);
  EXPECT_GE(rows.back(), 21);
  EXPECT_LT(rows.back(), 41);
  EXPECT_TRUE(form.Image2->pixmap().isNull()) << "the background is released on closing";
}

TEST_F(InformationWindowTest, TranslationsShowOverTheTranslationBackground) {
  state.SetInterfaceLanguageNumber(2);
  Show("Tekst");
  EXPECT_EQ(pictures.requested.front(), ProgramDir() + "Lang_r\\2\\gfx_r\\tlumaczenia.bmp");
  EXPECT_FALSE(form.Page().Help());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kurs angielskiego"));
}

// Help texts are interface texts in the language's code page; translations are Polish course
// text. The second word starts where the decoded first word ends.
TEST_F(InformationWindowTest, MeasuresTextInItsCodePage) {
  struct Case {
    const char* name;
    int language;
    std::string text;
    QString firstWord;
  };
  const Case cases[] = {
      {"RussianHelp", 3, "HH_\xC6\xE8\xE7\xED\xFC x", QStringLiteral("Жизнь ")},
      {"TranslationUnderRussian", 3, "\xA3\xF3\x64\x9F x", QStringLiteral("Łódź ")},
      {"PolishHelp", 0, "HH_\xA3\xF3\x64\x9F x", QStringLiteral("Łódź ")},
  };
  const QFontMetrics metrics(PointFont("Arial CE", 10));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.SetInterfaceLanguageNumber(c.language);
    Show(c.text);
    const std::vector<InformationPiece>& pieces = form.Page().Layout().Pieces;
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].X, 1 + metrics.horizontalAdvance(c.firstWord));
  }
}

TEST_F(InformationWindowTest, InlinePicturesAreDrawnWhereTheTextPutsThem) {
  QImage drawn;
  Show("HH_[stat_ok] ok [1]", [&] { drawn = Drawn(); });
  EXPECT_TRUE(pictures.WasRequested(ProgramDir() + "gfx_r\\ikony\\stat_1.bmp"));
  EXPECT_TRUE(pictures.WasRequested(ProgramDir() + "gfx_r\\ikony\\poz_1.bmp"));
  const std::vector<InformationPiece>& pieces = form.Page().Layout().Pieces;
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[1].X, 1 + 16 + 3);
  // The middle of each picture, which starts at its piece's place.
  EXPECT_EQ(drawn.pixel(1 + 8, 1 + 8), kRed);
  EXPECT_EQ(drawn.pixel(pieces[2].X + 8, 1 + 8), kBlue);
  // The white of the corners is left out: the grey background shows through.
  EXPECT_EQ(drawn.pixel(1, 1), QColor(Qt::gray).rgb());
}

TEST_F(InformationWindowTest, ScrollButtonsStepThroughALongText) {
  std::string text = "HH_1";
  for (int line = 2; line <= 12; ++line) text += "@" + std::to_string(line);
  Show(text, [&] {
    EXPECT_TRUE(form.btn_up->isHidden());
    ASSERT_FALSE(form.btn_dn->isHidden());
    ASSERT_EQ(form.Page().LastScrollLine(), 3);
    const std::vector<int> before = DarkRows(Drawn());
    for (int step = 1; step <= 3; ++step) {
      SCOPED_TRACE(step);
      EXPECT_FALSE(form.btn_dn->isHidden());
      form.btn_dn->Click();
      EXPECT_EQ(form.Page().ScrollLine(), step);
      EXPECT_FALSE(form.btn_up->isHidden());
    }
    EXPECT_TRUE(form.btn_dn->isHidden());
    EXPECT_NE(DarkRows(Drawn()), before) << "the lines moved up";
    form.btn_up->Click();
    form.btn_up->Click();
    form.btn_up->Click();
    EXPECT_EQ(form.Page().ScrollLine(), 0);
    EXPECT_TRUE(form.btn_up->isHidden());
    EXPECT_FALSE(form.btn_dn->isHidden());
    EXPECT_EQ(DarkRows(Drawn()), before);
    form.btn_dn->Click();
  });

  // The next showing starts at the top; a short text needs no buttons.
  Show("HH_Krotki", [&] {
    EXPECT_EQ(form.Page().ScrollLine(), 0);
    EXPECT_TRUE(form.btn_up->isHidden());
    EXPECT_TRUE(form.btn_dn->isHidden());
  });
}

TEST_F(InformationWindowTest, ClosesByItsButtonEscapeAndEnter) {
  struct Case {
    const char* name;
    std::function<void()> act;
    int result;
  };
  const auto press = [this](int key) {
    return [this, key] {
      QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(&form, &event);
    };
  };
  const Case cases[] = {
      {"Button", [this] { form.B_OK->Click(); }, mrOk},
      {"Escape", press(Qt::Key_Escape), mrOk},
      {"Enter", press(Qt::Key_Return), mrOk},
      {"OtherKey", press(Qt::Key_A), mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    modal.onShow = [&](QWidget&) {
      form.B_OK->SetStan(1);  // the mouse is over it
      c.act();
    };
    EXPECT_EQ(modal.ShowModal(form), c.result);
    EXPECT_EQ(form.B_OK->Stan(), 0) << "no highlight left for the next showing";
  }
  EXPECT_EQ(form.B_OK->toolTip(), QStringLiteral("Wyjście"));
  EXPECT_EQ(form.btn_dn->toolTip(), QStringLiteral("Wyjście"));
}

}  // namespace
}  // namespace tess
