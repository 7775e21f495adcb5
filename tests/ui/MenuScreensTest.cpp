#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QStackedWidget>
#include <QTest>

#include "tests/support/ShellHarness.h"
#include "ui/MessagePanels.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

class MenuScreensTest : public ::testing::Test, public ShellHarness {
 protected:
  void SetUp() override {
    ASSERT_TRUE(start());
    main().showPage(main().tsMenu);
    log.calls.clear();
  }
  TMainFrm& main() { return shell.mainFrm(); }
  template <class T = QWidget>
  T* c(const char* name) {
    T* w = main().control<T>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

constexpr const char* kEntryPictures[] = {"imgStart", "imgOpcje",  "imgRec", "imgStats",
                                          "imgInfo",  "imgLogOff", "imgQuit"};

TEST_F(MenuScreensTest, MenuEntriesSitWhereTheMenuPutsThemWithTheButtonFace) {
  const int tops[] = {111, 151, 191, 233, 273, 313, 353};
  const QImage face = c<PictureBox>("imgMB")->picture();
  ASSERT_EQ(face.size(), QSize(162, 31));
  EXPECT_TRUE(c("imgMB")->isHidden());
  for (int i = 0; i < 7; ++i) {
    auto* picture = c<PictureBox>(kEntryPictures[i]);
    EXPECT_EQ(picture->geometry(), QRect(0, tops[i], 162, 31));
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(picture->picture(), face) << kEntryPictures[i];
  }
  EXPECT_EQ(c("lblRec")->geometry(), QRect(24, 193, 129, 29));
  EXPECT_EQ(c("lblStart")->geometry(), QRect(24, 111, 129, 29));
  EXPECT_EQ(c<TextLabel>("lblLogOff")->caption(), QString::fromUtf8("&Wyloguj się..."));
  EXPECT_EQ(c<PictureBox>("imgBack")->picture(), face);
  EXPECT_EQ(c("imgBack")->y(), 354);
  EXPECT_EQ(c<PictureBox>("imgLoseTlo")->picture(), c<PictureBox>("imgMenuTlo")->picture());
  EXPECT_EQ(c("MenuPages")->geometry(), QRect(209, 105, 341, 297));
}

TEST_F(MenuScreensTest, AClickOnPictureOrLabelRunsTheEntry) {
  QTest::mouseClick(c("lblOpcje"), Qt::LeftButton);
  EXPECT_EQ(main().shownMenuPage(), u"Opcje");
  EXPECT_FALSE(main().MenuPages->isHidden());
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"RefreshOptionsView", "ShowRecordsSidePanel(false)"}));

  log.calls.clear();
  QTest::mouseClick(c("imgInfo"), Qt::LeftButton);
  EXPECT_EQ(main().shownMenuPage(), u"Info");
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"ShowRecordsSidePanel(false)", "EnsureInfoMoviePlaying"}));
}

TEST_F(MenuScreensTest, LogOffSavesAndShowsTheProfilesPage) {
  QTest::mouseClick(c("lblLogOff"), Qt::LeftButton);
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_EQ(log.calls, (std::vector<std::string>{"SaveOptions", "ShowRecordsSidePanel(false)"}));
}

TEST_F(MenuScreensTest, BackFromTheResultPageStopsItsMovieAndHidesTheSubPages) {
  main().showMenuPage(main().tsStats);
  main().showPage(main().tsLose);
  QTest::mouseClick(c("lblBack"), Qt::LeftButton);
  EXPECT_EQ(main().shownPage(), u"tsMenu");
  EXPECT_TRUE(main().MenuPages->isHidden());
  EXPECT_EQ(log.calls, std::vector<std::string>{"StopResultMovie"});

  log.calls.clear();
  shell.handlers().run(QStringLiteral("btnBackClick"));  // from another page: no movie to stop
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(MenuScreensTest, TheErrorPanelLocksTheMenuUntilItIsHidden) {
  main().MenuPages->setCurrentWidget(main().tsStats);
  shell.panels().showError(QString::fromUtf8("Gracz anonimowy nie posiada swoich statystyk."));
  QWidget* panel = c("pnCError");
  EXPECT_FALSE(panel->isHidden());
  EXPECT_EQ(panel->geometry(), QRect(215, 188, 329, 129));
  EXPECT_EQ(c<TextLabel>("lblCError")->caption(),
            QString::fromUtf8("Gracz anonimowy nie posiada swoich statystyk."));
  EXPECT_FALSE(c<PictureBox>("imgCError")->picture().isNull()) << "the exclamation icon";
  for (const char* entry : kEntryPictures) EXPECT_FALSE(c(entry)->isEnabled()) << entry;
  EXPECT_FALSE(c("lblStart")->isEnabled());
  EXPECT_TRUE(c("btnCHide")->isEnabled()) << "the panel's own button stays live";

  main().handleKeyPress(QChar('r'));
  EXPECT_TRUE(log.calls.empty()) << "menu letters are dead behind the panel";
  main().handleKeyPress(QChar('s'));
  EXPECT_TRUE(panel->isHidden());
  for (const char* entry : kEntryPictures) EXPECT_TRUE(c(entry)->isEnabled()) << entry;
  EXPECT_TRUE(log.calls.empty()) << "the options page is not the current one, so nothing to repair";
}

TEST_F(MenuScreensTest, HidingTheErrorOnTheOptionsPageReappliesTheOptions) {
  main().showMenuPage(main().Opcje);
  shell.panels().showError(QStringLiteral("x"));
  QTest::mouseClick(c("btnCHide"), Qt::LeftButton);
  EXPECT_TRUE(c("pnCError")->isHidden());
  EXPECT_EQ(log.calls, std::vector<std::string>{"OpcjeClick"});
}

TEST_F(MenuScreensTest, TheYesNoPanelAsksAboutTheRecords) {
  shell.panels().showYesNo();
  EXPECT_FALSE(c("pnYesNo")->isHidden());
  EXPECT_EQ(c<TextLabel>("lblYNText")->caption(),
            QString::fromUtf8("Czy na pewno chcesz wyczyścić listę rekordów?"));
  EXPECT_FALSE(c<PictureBox>("imgYNIco")->picture().isNull()) << "the question icon";
  EXPECT_EQ(c("btnYes")->pos(), QPoint(49, 93));
  EXPECT_EQ(c("btnNo")->pos(), QPoint(196, 93));
  EXPECT_EQ(c<FlatButton>("btnYes")->text(), u"&Tak");
  EXPECT_FALSE(c("lblStats")->isEnabled());
  shell.panels().hideYesNo();
  EXPECT_TRUE(c("pnYesNo")->isHidden());
  EXPECT_TRUE(c("lblStats")->isEnabled());
}

TEST_F(MenuScreensTest, PanelButtonsMakeNoAltShortcuts) {
  EXPECT_TRUE(c<FlatButton>("btnCHide")->shortcut().isEmpty());
  EXPECT_TRUE(c<FlatButton>("btnYes")->shortcut().isEmpty());
}

TEST_F(MenuScreensTest, KeysTypedOnTheWindowReachTheKeyRules) {
  QTest::keyClick(&main(), Qt::Key_O);
  EXPECT_EQ(main().shownMenuPage(), u"Opcje");
  main().setMenuKeysOption([] { return false; });
  main().MenuPages->hide();
  QTest::keyClick(&main(), Qt::Key_I);
  EXPECT_TRUE(main().MenuPages->isHidden()) << "letters are off with the keyboard-menu option off";
}

TEST_F(MenuScreensTest, TheBackgroundWindowForwardsItsKeys) {
  QTest::keyClick(&shell.bgFrm(), Qt::Key_O);
  EXPECT_EQ(main().shownMenuPage(), u"Opcje");
}

TEST_F(MenuScreensTest, KeyDownAndActivationRewriteTheLampsOnlyOnTheGamePage) {
  int rewrites = 0;
  shell.handlers().add(QStringLiteral("ShowLifelineLeds"), [&] { ++rewrites; });
  auto lockKeyThenComeBack = [&] {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : static_cast<QWidget*>(&main()), Qt::Key_CapsLock);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&main(), &activation);
  };
  lockKeyThenComeBack();
  EXPECT_EQ(rewrites, 0);
  main().showPage(main().tsGra);
  lockKeyThenComeBack();
  EXPECT_EQ(rewrites, 2) << "once for the key going down, once for the activation";
}

}  // namespace
