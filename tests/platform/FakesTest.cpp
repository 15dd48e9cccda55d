// The fakes carry a little logic that other tests rely on; this pins it down.
#include "platform/Fakes.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace tess {
namespace {

class ShowCounter : public QWidget {
 public:
  int shows = 0, hides = 0;

 protected:
  void showEvent(QShowEvent*) override { ++shows; }
  void hideEvent(QHideEvent*) override { ++hides; }
};

TEST(FakeModalShowerTest, ResultComesFromWindowThenScriptThenDefault) {
  FakeModalShower shower;
  ShowCounter window;
  window.setObjectName("frm_NetLogin");
  shower.defaultResult = mrCancel;

  EXPECT_EQ(shower.ShowModal(window), mrCancel);
  shower.results["frm_NetLogin"] = mrOk;
  EXPECT_EQ(shower.ShowModal(window), mrOk);
  shower.onShow = [](QWidget& shown) { SetModalResult(shown, mrNo); };
  EXPECT_EQ(shower.ShowModal(window), mrNo);

  EXPECT_EQ(shower.TimesShown("frm_NetLogin"), 3);
  EXPECT_EQ(ModalResultOf(window), mrNo);
  EXPECT_EQ(window.shows, 3);
  EXPECT_EQ(window.hides, 3);
  EXPECT_FALSE(window.isVisible());
}

TEST(FakeEventWaiterTest, AdvancesClockAndRunsHandlerInsideWait) {
  FakeClock clock;
  FakeEventWaiter waiter(&clock);
  std::int64_t tickSeen = -1;
  waiter.duringWait = [&](int) {
    tickSeen = clock.TickMs();
    waiter.duringWait = nullptr;
    waiter.WaitWithEvents(50);  // a handler that waits itself
  };
  const double start = clock.Now();
  waiter.WaitWithEvents(200);
  EXPECT_EQ(tickSeen, 200);
  EXPECT_EQ(waiter.waits, (std::vector<int>{200, 50}));
  EXPECT_EQ(clock.TickMs(), 250);
  EXPECT_NEAR(clock.Now() - start, 250.0 / 86400000, 1e-9);
}

TEST(FakePictureLoaderTest, MissingPathsMatchLikeFileNames) {
  FakePictureLoader loader;
  loader.size = QSize(4, 2);
  loader.missing.insert("Lang_r\\0\\gfx_r\\Flaga.jpg");
  EXPECT_TRUE(loader.Load("lang_r/0/GFX_R\\flaga.JPG").isNull());
  const QImage image = loader.Load("Lang_r\\0\\gfx_r\\tlo.bmp");
  EXPECT_EQ(image.size(), QSize(4, 2));
  EXPECT_EQ(image.pixel(1, 1), loader.colour.rgb());
  EXPECT_TRUE(loader.WasRequested("LANG_R\\0\\gfx_r\\TLO.bmp"));
}

}  // namespace
}  // namespace tess
