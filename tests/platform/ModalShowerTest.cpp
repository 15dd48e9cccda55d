#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "platform/QtPlatform.h"

namespace tess {
namespace {

class ModalShowerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Should a modal loop never end, hide everything so the test fails instead of hanging.
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      ADD_FAILURE() << "modal loop did not end";
      for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    });
    watchdog_.start(10000);
  }

  static std::unique_ptr<QWidget> Window(const char* name) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    window->resize(200, 100);
    return window;
  }

  QTimer watchdog_;
  QtModalShower shower_;
};

TEST_F(ModalShowerTest, ReturnsResultSetWhileShown) {
  auto window = Window("frm_Opcje");
  QTimer::singleShot(20, window.get(), [&] {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    SetModalResult(*window, mrOk);
  });
  EXPECT_EQ(shower_.ShowModal(*window), mrOk);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_EQ(ModalResultOf(*window), mrOk);
}

TEST_F(ModalShowerTest, EachShowingStartsWithoutResult) {
  auto window = Window("frm_Opcje");
  QTimer::singleShot(0, window.get(), [&] { SetModalResult(*window, mrYes); });
  ASSERT_EQ(shower_.ShowModal(*window), mrYes);
  QTimer::singleShot(20, window.get(), [&] {
    EXPECT_EQ(ModalResultOf(*window), mrNone);
    SetModalResult(*window, mrNone);  // keeps the window open
    EXPECT_TRUE(window->isVisible());
    window->close();
  });
  EXPECT_EQ(shower_.ShowModal(*window), mrCancel);
}

TEST_F(ModalShowerTest, ModalWindowOpensAnother) {
  auto outer = Window("outer");
  auto inner = Window("inner");
  int innerResult = -1;
  bool outerShownAfterInner = false;
  QTimer::singleShot(20, outer.get(), [&] {
    QTimer::singleShot(20, inner.get(), [&] { SetModalResult(*inner, mrYes); });
    innerResult = shower_.ShowModal(*inner);
    outerShownAfterInner = outer->isVisible();
    SetModalResult(*outer, mrNo);
  });
  EXPECT_EQ(shower_.ShowModal(*outer), mrNo);
  EXPECT_EQ(innerResult, mrYes);
  EXPECT_TRUE(outerShownAfterInner);
}

TEST_F(ModalShowerTest, WindowDeletedWhileShownGivesCancel) {
  QWidget* window = Window("doomed").release();
  QTimer::singleShot(20, [window] { delete window; });
  EXPECT_EQ(shower_.ShowModal(*window), mrCancel);
}

}  // namespace
}  // namespace tess
