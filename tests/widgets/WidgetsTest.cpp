#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <string>

#include "platform/PictureLoader.h"
#include "platform/QtPlatform.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

/// Strips of a given width: red, with the magenta transparent colour in the bottom-left pixel.
class StripLoader : public PictureLoader {
 public:
  QImage Load(const std::string& path) override {
    if (path == "missing.bmp") return {};
    QImage image(width, 20, QImage::Format_RGB32);
    image.fill(path.find("blue") != std::string::npos ? Qt::blue : Qt::red);
    image.setPixelColor(0, 19, QColor(255, 0, 255));
    return image;
  }
  int width = 66;
};

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

void Send(QWidget& widget, QEvent::Type type) {
  const QPointF inside(2, 2);
  if (type == QEvent::Enter) {
    QEnterEvent enter(inside, inside, inside);
    QApplication::sendEvent(&widget, &enter);
    return;
  }
  if (type == QEvent::Leave) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
    return;
  }
  QMouseEvent mouse(type, inside, widget.mapToGlobal(inside), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &mouse);
}

TEST(SkinStripsTest, FrameWidthAndTheWidthRule) {
  StripLoader loader;
  SkinStrips list(loader);
  std::string error;
  EXPECT_EQ(list.AddFromFile("a.bmp", 2, 5, 7, &error), 0);
  EXPECT_EQ(list.FrameWidthOf(0), 33);
  EXPECT_EQ(list.HeightOf(0), 20);
  EXPECT_EQ(list.DefaultLeftOf(0), 7);
  EXPECT_EQ(list.DefaultTopOf(0), 5);
  EXPECT_EQ(list.AddFromFile("a.bmp", 4, 0, 0, &error), -1);
  EXPECT_EQ(error, "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
  EXPECT_EQ(list.AddFromFile("missing.bmp", 2, 0, 0, &error), -1);
  EXPECT_EQ(error, "Nie moge otworzyc pliku : \"missing.bmp\"");
  EXPECT_EQ(list.Count(), 1);
  for (int beyond : {1, 50, -1}) {
    EXPECT_EQ(list.FrameWidthOf(beyond), 33);
    EXPECT_EQ(list.HeightOf(beyond), 33);
    EXPECT_EQ(list.DefaultLeftOf(beyond), 33);
    EXPECT_EQ(list.DefaultTopOf(beyond), 33);
  }
  list.SetDefaultPos(9, 1, 1);  // tolerated
}

/// One strip of three 10 x 8 frames (red, green, blue, magenta bottom-left pixel), as its 1x
/// file or as its "@2x" file: twice the pixels at a device pixel ratio of 2.
class DensityLoader : public PictureLoader {
 public:
  QImage Load(const std::string&) override {
    QImage image(QSize(30, 8) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QColor frames[] = {Qt::red, Qt::green, Qt::blue};
    QPainter painter(&image);
    for (int f = 0; f < 3; ++f) painter.fillRect(QRect(f * 10, 0, 10, 8), frames[f]);
    painter.fillRect(QRect(0, 7, 1, 1), QColor(255, 0, 255));
    return image;
  }
  int ratio = 1;
};

// A dense strip cuts into the same frames, at the same logical sizes, as its 1x file; drawn on
// a dense device each frame fills its place with its own pixels only.
TEST(SkinStripsTest, DenseStripGivesTheSameFrames) {
  const QColor frames[] = {Qt::red, Qt::green, Qt::blue};
  for (int ratio : {1, 2}) {
    SCOPED_TRACE("strip at " + std::to_string(ratio) + "x");
    DensityLoader loader;
    loader.ratio = ratio;
    SkinStrips list(loader);
    ASSERT_EQ(list.AddFromFile("strip.bmp", 3, 0, 0), 0);
    EXPECT_EQ(list.FrameWidthOf(0), 10);
    EXPECT_EQ(list.HeightOf(0), 8);
    for (int screen : {1, 2}) {
      for (int f = 0; f < 3; ++f) {
        SCOPED_TRACE("frame " + std::to_string(f) + " on a " + std::to_string(screen) + "x device");
        QImage target(QSize(12, 8) * screen, QImage::Format_ARGB32);
        target.setDevicePixelRatio(screen);
        target.fill(Qt::transparent);
        {
          QPainter painter(&target);
          list.DrawFrame(painter, 0, f, QPoint(1, 0));
        }
        EXPECT_EQ(target.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(target.pixelColor(screen, 0), frames[f]);
        EXPECT_EQ(target.pixelColor(11 * screen - 1, 8 * screen - 1), frames[f]);
        EXPECT_EQ(target.pixelColor(11 * screen, 0).alpha(), 0) << "nothing of the next frame";
        if (f == 0) {
          EXPECT_EQ(target.pixelColor(screen, 8 * screen - 1).alpha(), 0) << "the key is left out";
        }
      }
    }
    const QPixmap frame = list.FramePixmap(0, 2);
    EXPECT_EQ(LogicalSize(frame), QSize(10, 8));
    EXPECT_EQ(frame.devicePixelRatio(), ratio) << "as sharp as the strip";
    EXPECT_EQ(frame.toImage().pixelColor(frame.width() - 1, 0), frames[2]);
    SkinButton button;
    button.SetImageList(&list);
    EXPECT_EQ(button.size(), QSize(10, 8));
  }
}

TEST(SkinButtonTest, ButtonBeyondTheListIsSmallAndDrawsNothing) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  SkinButton button;
  button.SetImageList(&list);
  button.SetBitmapNormal(3);
  EXPECT_EQ(button.size(), QSize(33, 33));
  const QImage image = Render(button);
  EXPECT_EQ(image.pixelColor(10, 10).alpha(), 0);
}

TEST(SkinButtonTest, DrawsItsFrameWithoutTheTransparentColour) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  SkinButton button;
  button.SetImageList(&list);
  button.SetBitmapNormal(0);
  EXPECT_EQ(button.size(), QSize(33, 20));
  const QImage image = Render(button);
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(0, 19).alpha(), 0) << "the magenta corner is left out";
}

TEST(SkinButtonTest, HideNormalShowsOnlyUnderTheMouse) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  SkinButton button;
  button.SetImageList(&list);
  button.SetStyle(tbs_Highlighted);
  button.SetHideNormal(true);
  EXPECT_EQ(Render(button).pixelColor(10, 10).alpha(), 0);
  Send(button, QEvent::Enter);
  EXPECT_EQ(button.Stan(), 1);
  EXPECT_EQ(Render(button).pixelColor(10, 10), QColor(Qt::red));
  Send(button, QEvent::Leave);
  EXPECT_EQ(button.Stan(), 0);
}

TEST(SkinButtonTest, PressedStyleAndClick) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  SkinButton button;
  button.SetImageList(&list);
  button.SetStyle(tbs_Highlighted | tbs_Pressed);
  int clicks = 0;
  QObject::connect(&button, &SkinButton::Click, [&] { ++clicks; });
  Send(button, QEvent::MouseButtonPress);
  EXPECT_EQ(button.Stan(), 2);
  Send(button, QEvent::MouseButtonRelease);
  EXPECT_EQ(button.Stan(), 0);
  EXPECT_EQ(clicks, 1);
}

TEST(SkinButtonTest, ReloadedListKeepsTheSkinPositionWithTheNewStrips) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  list.AddFromFile("b.bmp", 2, 0, 0);
  SkinButton button;
  button.SetImageList(&list);
  button.SetBitmapNormal(1);
  list.Clear();
  EXPECT_EQ(button.size(), QSize(33, 33));
  loader.width = 100;
  list.AddFromFile("a.bmp", 2, 0, 0);
  list.AddFromFile("blue.bmp", 2, 0, 0);
  EXPECT_EQ(button.BitmapNormal(), 1);
  EXPECT_EQ(button.size(), QSize(50, 20));
  EXPECT_EQ(Render(button).pixelColor(10, 10), QColor(Qt::blue));
}

TEST(SkinButtonTest, HidingForgetsTheHighlight) {
  StripLoader loader;
  SkinStrips list(loader);
  list.AddFromFile("a.bmp", 2, 0, 0);
  QWidget window;
  auto* button = new SkinButton(&window);
  button->SetImageList(&list);
  window.show();
  Send(*button, QEvent::Enter);
  ASSERT_EQ(button->Stan(), 1);
  window.hide();  // closed by this very button: no leave event comes
  EXPECT_EQ(button->Stan(), 0);
}

TEST(RepeatButtonTest, HeldDownRepeatsAfterTheFirstPauseAndClicksOnRelease) {
  RepeatButton arrow;
  arrow.resize(20, 20);
  arrow.Repeatpause = 60;
  int clicks = 0;
  QObject::connect(&arrow, &RepeatButton::Click, [&] { ++clicks; });
  QtEventWaiter waiter;

  Send(arrow, QEvent::MouseButtonPress);
  waiter.WaitWithEvents(150);
  EXPECT_EQ(clicks, 0) << "nothing before the first 250 ms";
  waiter.WaitWithEvents(250);  // 400 ms held: first repeat at 250, then every 60
  EXPECT_GE(clicks, 1);
  EXPECT_LE(clicks, 3);
  const int held = clicks;
  Send(arrow, QEvent::MouseButtonRelease);
  EXPECT_EQ(clicks, held + 1);
  waiter.WaitWithEvents(150);
  EXPECT_EQ(clicks, held + 1) << "the repeat stops on release";

  Send(arrow, QEvent::MouseButtonDblClick);
  Send(arrow, QEvent::MouseButtonRelease);
  EXPECT_EQ(clicks, held + 2) << "a fast second click is a click";
}

}  // namespace
}  // namespace tess
