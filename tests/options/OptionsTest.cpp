#include <gtest/gtest.h>

#include "options/Options.h"
#include "tests/support/GameHarness.h"
#include "ui/MessagePanels.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/SymbolLabel.h"
#include "ui/widgets/TextLabel.h"

namespace {

class OptionsTest : public ::testing::Test, public GameHarness {
 protected:
  void startWith(const QString& plainData = {}) {
    if (!plainData.isEmpty()) writeData(plainData);
    ASSERT_TRUE(start());
    main().showPage(main().tsMenu);
    click(QStringLiteral("lblOpcje"));
  }
  Options& options() { return services.options(); }
  QCheckBox* box(const char* key) {
    return c<QCheckBox>(QStringLiteral("cb") + QLatin1String(key));
  }
  bool crossed(const char* key) {
    return c<SymbolLabel>(QStringLiteral("rys") + QLatin1String(key))->crossed();
  }
};

TEST_F(OptionsTest, APlayerWithoutStoredOptionsHasThemAllOn) {
  startWith();
  EXPECT_EQ(main().shownMenuPage(), u"Opcje");
  for (const QString& key : Options::keys()) {
    EXPECT_TRUE(c<QCheckBox>(QStringLiteral("cb") + key)->isChecked()) << key.toStdString();
    EXPECT_FALSE(c<SymbolLabel>(QStringLiteral("rys") + key)->crossed());
  }
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblStart"))->caption(),
            QString::fromUtf8("&Rozpocznij grę"));
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblOAkc"))->caption(),
            QString::fromUtf8("Akceptuj każdą odpowiedź dwukrotnie."));
  EXPECT_EQ(c(QStringLiteral("rysZua"))->geometry(), QRect(6, 251, 29, 30));
  EXPECT_EQ(c(QStringLiteral("lblOKou"))->x(), 64);
}

TEST_F(OptionsTest, AcceptingTwiceRulesTheKeyboardAnswers) {
  startWith();
  QTest::mouseClick(box("Akc"), Qt::LeftButton);
  EXPECT_FALSE(options().flags.Akc);
  EXPECT_FALSE(options().flags.Kla);
  EXPECT_FALSE(box("Kla")->isChecked());
  EXPECT_FALSE(box("Kla")->isEnabled());
  EXPECT_TRUE(crossed("Akc"));
  EXPECT_TRUE(crossed("Kla"));

  click(QStringLiteral("lblOKla"));  // clicking its caption cannot turn it on
  EXPECT_FALSE(options().flags.Kla);
  EXPECT_FALSE(box("Kla")->isChecked());

  click(QStringLiteral("rysAkc"));  // the symbol toggles too
  EXPECT_TRUE(options().flags.Akc);
  EXPECT_TRUE(box("Kla")->isEnabled());
  EXPECT_FALSE(box("Kla")->isChecked()) << "enabled again but left off";
  EXPECT_FALSE(crossed("Akc"));
  EXPECT_TRUE(crossed("Kla"));
}

TEST_F(OptionsTest, StoredOptionsLoadAndKeyboardAnswersNeedAcceptingTwice) {
  startWith(QStringLiteral("[QGracz anonimowy]\r\nAkc=0\r\nKla=1\r\nDzw=0\r\nMen=1\r\n"));
  EXPECT_FALSE(options().flags.Akc);
  EXPECT_FALSE(options().flags.Kla) << "stored on, loaded off";
  EXPECT_FALSE(options().flags.Dzw);
  EXPECT_TRUE(options().flags.Zua);
  EXPECT_TRUE(crossed("Dzw"));
}

TEST_F(OptionsTest, SavingWritesTheSevenKeysInTheirOrder) {
  startWith(QStringLiteral("[QGracz anonimowy]\r\nN1=Ktoś\r\n"));
  QTest::mouseClick(box("Rez"), Qt::LeftButton);
  options().SaveOptions();
  EXPECT_EQ(dataText(),
            QString::fromUtf8("[QGracz anonimowy]\r\nN1=Ktoś\r\nDzw=1\r\nKla=1\r\nMen=1\r\n"
                              "Kou=1\r\nAkc=1\r\nZua=1\r\nRez=0\r\n"));
}

TEST_F(OptionsTest, TheMenuKeysOptionSwitchesCaptionsAndLetters) {
  startWith();
  click(QStringLiteral("lblOMen"));
  EXPECT_FALSE(options().flags.Men);
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblStart"))->caption(),
            QString::fromUtf8("Rozpocznij grę"));
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblRec"))->caption(), u"Rekordy");
  EXPECT_EQ(c<FlatButton>(QStringLiteral("btnCHide"))->text(), u"Schowaj");
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblBack"))->caption(), QString::fromUtf8("Wróć do menu"));
  main().MenuPages->hide();
  press(Qt::Key_O);
  EXPECT_TRUE(main().MenuPages->isHidden()) << "letter keys are off";
}

TEST_F(OptionsTest, HidingTheErrorPanelRestoresTheKeyboardAnswersRule) {
  startWith(QStringLiteral("[QGracz anonimowy]\r\nAkc=0\r\n"));
  ASSERT_FALSE(box("Kla")->isEnabled());
  shell.panels().showError(QStringLiteral("x"));
  EXPECT_FALSE(box("Akc")->isEnabled()) << "locked behind the panel";
  press(Qt::Key_Escape);
  EXPECT_TRUE(box("Akc")->isEnabled());
  EXPECT_FALSE(box("Kla")->isEnabled())
      << "the lock enabled it, the options page disabled it again";
}

}  // namespace
