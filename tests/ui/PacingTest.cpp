#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/InputGate.h"
#include "ui/Lifetime.h"
#include "ui/Pacing.h"

namespace {

class CountingWidget : public QWidget {
 public:
  int keys = 0;
  int paints = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(Pacing, APauseWaitsItsTimeWhileTheScreenRepaints) {
  InputGate gate;
  EventLoopPacing pacing(gate);
  CountingWidget w;
  w.show();
  QTimer repaint;
  QObject::connect(&repaint, &QTimer::timeout, &w, [&w] { w.update(); });
  repaint.start(10);
  const int paintsBefore = w.paints;
  QElapsedTimer clock;
  clock.start();
  pacing.Pause(120);
  EXPECT_GE(clock.elapsed(), 115);
  EXPECT_GT(w.paints, paintsBefore);
}

TEST(Pacing, InputDuringAPauseIsDroppedNotQueued) {
  InputGate gate;
  EventLoopPacing pacing(gate);
  CountingWidget w;
  w.show();
  QTimer::singleShot(10, &w, [&w] { QTest::keyClick(&w, Qt::Key_A); });
  pacing.Pause(60);
  QCoreApplication::processEvents();
  EXPECT_EQ(w.keys, 0);
  QTest::keyClick(&w, Qt::Key_A);
  EXPECT_EQ(w.keys, 1) << "input acts again once the pause is over";
}

TEST(Pacing, AClosedFormDropsInputUntilItIsEnabled) {
  InputGate gate;
  CountingWidget w;
  w.show();
  gate.setFormEnabled(false);
  QTest::keyClick(&w, Qt::Key_B);
  EXPECT_EQ(w.keys, 0);
  gate.setFormEnabled(true);
  QTest::keyClick(&w, Qt::Key_B);
  EXPECT_EQ(w.keys, 1);
}

TEST(Pacing, AMessageBoxTakesInputWhileTheFormIsClosed) {
  InputGate gate;
  CountingWidget w;
  w.show();
  gate.setFormEnabled(false);
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Fortuniak"), QStringLiteral("!"),
                  QMessageBox::Ok, &w);
  box.open();
  QTest::keyClick(&box, Qt::Key_Escape);
  EXPECT_FALSE(box.isVisible()) << "closed by a key";
  box.open();
  QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible()) << "closed by a click";
  QTest::keyClick(&w, Qt::Key_B);
  EXPECT_EQ(w.keys, 0) << "the form's own window still takes nothing";
}

TEST(Pacing, TerminationCutsAPauseShortAndSkipsLaterOnes) {
  lifetime::reset();
  InputGate gate;
  EventLoopPacing pacing(gate);
  QTimer::singleShot(20, [] { lifetime::requestTermination(); });
  QElapsedTimer clock;
  clock.start();
  pacing.Pause(5000);
  EXPECT_LT(clock.elapsed(), 2000);
  clock.restart();
  pacing.Pause(5000);
  EXPECT_LT(clock.elapsed(), 100);
  lifetime::reset();
}

TEST(Pacing, TheVirtualClockRecordsPausesWithoutWaiting) {
  VirtualPacing pacing;
  QElapsedTimer clock;
  clock.start();
  pacing.Pause(1000);
  pacing.ProcessMessages();
  pacing.Pause(700);
  EXPECT_LT(clock.elapsed(), 100);
  EXPECT_EQ(pacing.pauses, (std::vector<int>{1000, 700}));
  EXPECT_EQ(pacing.now(), 1700);
  EXPECT_EQ(pacing.processed, 1);
}

}  // namespace
