#include "platform/QtPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <ctime>

#include "shared/DateTime.h"

namespace tess {
namespace {

TEST(QtEventWaiterTest, HandlesEventsWhileWaiting) {
  QtEventWaiter waiter;
  bool fired = false;
  QTimer::singleShot(20, [&] { fired = true; });
  QElapsedTimer elapsed;
  elapsed.start();
  waiter.WaitWithEvents(120);
  EXPECT_TRUE(fired);
  EXPECT_GE(elapsed.elapsed(), 120);
  EXPECT_LT(elapsed.elapsed(), 5000);
}

TEST(QtEventWaiterTest, ZeroWaitStillHandlesPendingEvents) {
  QtEventWaiter waiter;
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  waiter.WaitWithEvents(0);
  EXPECT_TRUE(fired);
}

TEST(QtClockTest, TicksAndNow) {
  QtClock clock, other;
  QtEventWaiter waiter;
  const std::int64_t start = clock.TickMs();
  EXPECT_LE(std::abs(other.TickMs() - start), 50) << "instances share one reference";
  waiter.WaitWithEvents(30);
  EXPECT_GE(clock.TickMs() - start, 30);

  const double expected = DateTimeFromUnix(std::time(nullptr));
  EXPECT_NEAR(clock.Now(), expected, 3.0 / 86400);
}

TEST(QtScreenTest, ReportsPrimaryScreen) {
  const QSize primary = QGuiApplication::primaryScreen()->geometry().size();
  const ScreenSize size = QtScreen().Size();
  EXPECT_GT(size.width, 0);
  EXPECT_EQ(size.width, primary.width());
  EXPECT_EQ(size.height, primary.height());
}

TEST(QtMessageBoxTest, ShowsTitledBoxAndReturnsWhenClosed) {
  struct Row {
    const char* name;
    void (QtMessageBox::*show)(const std::string&);
    QMessageBox::Icon icon;
  };
  const Row rows[] = {{"message", &QtMessageBox::ShowMessage, QMessageBox::Information},
                      {"warning", &QtMessageBox::ShowWarning, QMessageBox::Warning}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(20, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) {
        ADD_FAILURE() << "no message box shown";
        if (modal != nullptr) modal->close();
        return;
      }
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->accept();
    });
    QtMessageBox messageBox;
    (messageBox.*row.show)("Brak pliku \xC5\xBC\xC3\xB3\xC5\x82w.bmp");  // UTF-8 "żółw"
    EXPECT_EQ(title, QStringLiteral("tess-test"));
    EXPECT_EQ(text, QString::fromUtf8(u8"Brak pliku żółw.bmp"));
    EXPECT_EQ(icon, row.icon);
  }
}

}  // namespace
}  // namespace tess
