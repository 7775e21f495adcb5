#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

#include "options/Options.h"
#include "players/DateEdit.h"
#include "tests/support/GameHarness.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

class ProfileScreensTest : public ::testing::Test, public GameHarness {
 protected:
  void startOn(const QString& plainData = {}) {
    if (!plainData.isEmpty()) writeData(plainData);
    ASSERT_TRUE(start());
    toProfiles();
  }
  QString caption(const QString& label) { return c<TextLabel>(label)->caption(); }
  QColor colour(const QString& label) {
    return c<TextLabel>(label)->palette().color(QPalette::Active, QPalette::WindowText);
  }
  QString rowName(int i) { return caption(QStringLiteral("lblPName%1").arg(i)); }
  int rows() {
    return static_cast<int>(
        c(QStringLiteral("sbListaRows"))
            ->findChildren<TextLabel*>(QRegularExpression(QStringLiteral("^lblPName")))
            .size());
  }
  QString shownInnerPage() {
    return c<QStackedWidget>(QStringLiteral("ProPages"))->currentWidget()->objectName();
  }
  void fillNewPlayer(const char* name, const char* password = "") {
    click(QStringLiteral("lblPNew"));
    type(QStringLiteral("edtPImi"), QString::fromUtf8(name));
    type(QStringLiteral("edtPMie"), QString::fromUtf8("Kołobrzeg"));
    c<QLineEdit>(QStringLiteral("edtPUro"))->setCursorPosition(0);
    type(QStringLiteral("edtPUro"), QStringLiteral("750314"));
    type(QStringLiteral("edtPPue"), QStringLiteral("k"));
    type(QStringLiteral("edtPPas"), QString::fromUtf8(password));
    type(QStringLiteral("edtPPas2"), QString::fromUtf8(password));
  }
  const QColor orange{255, 128, 0};
  const QColor red{255, 0, 0};
};

TEST_F(ProfileScreensTest, AFirstRunAsksForANewPlayer) {
  startOn();
  EXPECT_EQ(rows(), 1);
  EXPECT_EQ(rowName(0), u"Gracz anonimowy");
  EXPECT_EQ(caption(QStringLiteral("lblPInfo")),
            QString::fromUtf8("Aby stworzyć nowego gracza kliknij na \"Stwórz gracza\"."));
  EXPECT_EQ(colour(QStringLiteral("lblPNew")), red);
  EXPECT_TRUE(c(QStringLiteral("lblPNew"))->font().bold());
  EXPECT_TRUE(c(QStringLiteral("lblPLog"))->isHidden());
  EXPECT_FALSE(c(QStringLiteral("lblPEdit"))->isEnabled());
  EXPECT_EQ(shownInnerPage(), u"tsPList");
}

TEST_F(ProfileScreensTest, TheAnonymousPlayerLogsInWithoutPlaceOrAge) {
  startOn();
  click(QStringLiteral("lblPName0"));
  EXPECT_FALSE(c(QStringLiteral("lblPCheck0"))->isHidden());
  EXPECT_EQ(colour(QStringLiteral("lblPName0")), orange);
  EXPECT_TRUE(c(QStringLiteral("lblPLog"))->isEnabled());
  EXPECT_FALSE(c(QStringLiteral("lblPEdit"))->isEnabled());
  EXPECT_FALSE(c(QStringLiteral("lblPDel"))->isEnabled());
  EXPECT_EQ(caption(QStringLiteral("lblPLike")), u"Wybrany gracz: Gracz anonimowy");
  doubleClick(QStringLiteral("lblPName0"));
  EXPECT_EQ(main().shownPage(), u"tsMenu");
  EXPECT_EQ(caption(QStringLiteral("lblGImi")), u"Gracz anonimowy");
  EXPECT_TRUE(c(QStringLiteral("lblGMie"))->isHidden());
  EXPECT_TRUE(c(QStringLiteral("lblGUroT"))->isHidden());
  EXPECT_EQ(services.session().RecordsOwner, u"Gracz anonimowy");
}

TEST_F(ProfileScreensTest, CreatingAPlayerThroughTheForm) {
  startOn();
  click(QStringLiteral("lblPNew"));
  EXPECT_EQ(shownInnerPage(), u"tsPNew");
  EXPECT_EQ(caption(QStringLiteral("lblPCreate")), QString::fromUtf8("STWÓRZ"));
  EXPECT_EQ(caption(QStringLiteral("lblPNTitle")), u"TWORZENIE NOWEGO GRACZA");
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPUro"))->text(), u"RR-MM-DD");
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), red);
  EXPECT_FALSE(c(QStringLiteral("lblPCreate"))->isEnabled());

  fillNewPlayer("Zosia", "Kot");
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPUro"))->text(), u"75-03-14");
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPPue"))->text(), u"K") << "forced to a capital";
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPPas"))->echoMode(), QLineEdit::Password);
  for (const char* label : {"lblPImi", "lblPMie", "lblPUroT", "lblPPas2", "lblPPue"})
    EXPECT_EQ(colour(QString::fromLatin1(label)), orange) << label;
  ASSERT_TRUE(c(QStringLiteral("lblPCreate"))->isEnabled());

  click(QStringLiteral("lblPCreate"));
  EXPECT_EQ(shownInnerPage(), u"tsPList");
  EXPECT_EQ(rows(), 2);
  EXPECT_EQ(rowName(1), u"Zosia");
  EXPECT_TRUE(c(QStringLiteral("lblPCheck1"))->isHidden()) << "nobody is chosen after saving";
  EXPECT_EQ(services.session().CurrentPlayer.name, u"Zosia");
  EXPECT_EQ(services.session().CurrentPlayer.birthDate.date(), QDate(1975, 3, 14));
  EXPECT_TRUE(dataText().startsWith(QString::fromUtf8(
      "[QZosia]\r\nImi=Zosia\r\nMie=Kołobrzeg\r\nUro=75-03-14\r\nPue=K\r\nPas=Kot\r\n")))
      << dataText().toStdString();
  EXPECT_FALSE(dataBytes().startsWith('[')) << "scrambled at rest";
}

TEST_F(ProfileScreensTest, TheBlockOverTheScrollBarGoesWithTheList) {
  startOn();
  QWidget* curtain = c(QStringLiteral("stZaslona"));
  EXPECT_TRUE(curtain->isVisible());
  click(QStringLiteral("lblPNew"));
  EXPECT_FALSE(curtain->isVisible()) << "a black block beside the form's fields";
  click(QStringLiteral("lblPList"));
  EXPECT_TRUE(curtain->isVisible());
}

TEST_F(ProfileScreensTest, TheFormRefusesWhatItCannotStore) {
  startOn(QStringLiteral("[QJan]\r\nImi=Jan\r\n"));
  fillNewPlayer("JAN");
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), red) << "taken in another letter case";
  EXPECT_FALSE(c(QStringLiteral("lblPCreate"))->isEnabled());
  c<QLineEdit>(QStringLiteral("edtPImi"))->setText(QStringLiteral("[Jan]"));
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), red);
  c<QLineEdit>(QStringLiteral("edtPImi"))->setText(QString::fromUtf8("José"));
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), orange) << "é exists in Windows-1250";
  c<QLineEdit>(QStringLiteral("edtPImi"))->setText(QString::fromUtf8("Niño"));
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), red) << "ñ does not";
  c<QLineEdit>(QStringLiteral("edtPImi"))->setText(QStringLiteral("Gracz anonimowy"));
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), red);

  c<QLineEdit>(QStringLiteral("edtPImi"))->setText(QStringLiteral("Ala"));
  type(QStringLiteral("edtPPas2"), QStringLiteral("x"));
  EXPECT_EQ(colour(QStringLiteral("lblPPas2")), red);
  EXPECT_EQ(colour(QStringLiteral("lblPPas")), orange) << "the password label never changes";
  c<QLineEdit>(QStringLiteral("edtPPas2"))->clear();
  c<QLineEdit>(QStringLiteral("edtPPue"))->clear();
  type(QStringLiteral("edtPPue"), QStringLiteral("x"));
  EXPECT_TRUE(c<QLineEdit>(QStringLiteral("edtPPue"))->text().isEmpty());
  EXPECT_EQ(colour(QStringLiteral("lblPPue")), red);
}

TEST_F(ProfileScreensTest, TheBirthDateOfTwoThousandIsAccepted) {
  startOn();
  fillNewPlayer("Ada");
  c<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("00-02-29"));
  EXPECT_EQ(colour(QStringLiteral("lblPUroT")), orange);
  c<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("81-02-29"));
  EXPECT_EQ(colour(QStringLiteral("lblPUroT")), red);
  c<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("80-02-29"));
  EXPECT_EQ(colour(QStringLiteral("lblPUroT")), orange);
}

TEST_F(ProfileScreensTest, APasswordGuardsLogInEditAndDelete) {
  startOn(
      QString::fromUtf8("[QJan]\r\nImi=Jan\r\nMie=Łeba\r\nUro=80-01-02\r\nPue=M\r\nPas=Tajne\r\n"));
  ASSERT_EQ(rowName(1), u"Jan");
  click(QStringLiteral("lblPName1"));
  EXPECT_TRUE(c(QStringLiteral("lblPEdit"))->isEnabled());
  click(QStringLiteral("lblPLog"));
  QWidget* panel = c(QStringLiteral("pnPassword"));
  ASSERT_FALSE(panel->isHidden());
  EXPECT_FALSE(c(QStringLiteral("lblPNew"))->isEnabled()) << "the panel is modal";
  type(QStringLiteral("edtPPHas"), QStringLiteral("tajne"));
  EXPECT_FALSE(c(QStringLiteral("btnPPOk"))->isEnabled());
  press(Qt::Key_Return);
  EXPECT_FALSE(panel->isHidden()) << "Enter does nothing while OK is disabled";
  press(Qt::Key_Escape);
  EXPECT_TRUE(panel->isHidden());
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_TRUE(c(QStringLiteral("lblPNew"))->isEnabled());

  click(QStringLiteral("lblPLog"));
  EXPECT_TRUE(c<QLineEdit>(QStringLiteral("edtPPHas"))->text().isEmpty());
  type(QStringLiteral("edtPPHas"), QStringLiteral("Tajne"));
  EXPECT_TRUE(c(QStringLiteral("btnPPOk"))->isEnabled());
  press(Qt::Key_Return);
  EXPECT_EQ(main().shownPage(), u"tsMenu");
  EXPECT_EQ(caption(QStringLiteral("lblGMie")), QString::fromUtf8("Łeba"));
  EXPECT_FALSE(c(QStringLiteral("lblGUro"))->isHidden());
  EXPECT_EQ(caption(QStringLiteral("lblGUro")),
            QString::number(ageInYears(QDateTime(QDate(1980, 1, 2), QTime(0, 0)),
                                       QDateTime::currentDateTime())));
}

TEST_F(ProfileScreensTest, EditingKeepsTheNameAndTheOtherKeys) {
  startOn(QStringLiteral(
      "[QJan]\r\nImi=Jan\r\nMie=Ustka\r\nUro=80-01-02\r\nPue=M\r\nPas=\r\nDzw=0\r\n"));
  click(QStringLiteral("lblPName1"));
  click(QStringLiteral("lblPEdit"));
  EXPECT_EQ(shownInnerPage(), u"tsPNew");
  EXPECT_EQ(caption(QStringLiteral("lblPCreate")), u"EDYTUJ");
  EXPECT_TRUE(c<QLineEdit>(QStringLiteral("edtPImi"))->isReadOnly());
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPUro"))->text(), u"80-01-02");
  EXPECT_EQ(colour(QStringLiteral("lblPImi")), orange)
      << "the chosen player's own name is fine here";
  c<QLineEdit>(QStringLiteral("edtPMie"))->setText(QStringLiteral("Hel"));
  click(QStringLiteral("lblPCreate"));
  EXPECT_EQ(
      dataText(),
      QStringLiteral("[QJan]\r\nImi=Jan\r\nMie=Hel\r\nUro=80-01-02\r\nPue=M\r\nPas=\r\nDzw=0\r\n"));
}

TEST_F(ProfileScreensTest, DeletingTakesTheSectionAndFallsBackOnTheAnonymousPlayer) {
  startOn(QStringLiteral("[QGracz anonimowy]\r\nN1=Jan\r\n[QJan]\r\nImi=Jan\r\nDzw=1\r\n"));
  ASSERT_EQ(rowName(1), u"Jan");
  click(QStringLiteral("lblPName1"));
  click(QStringLiteral("lblPDel"));
  EXPECT_EQ(rows(), 1);
  EXPECT_EQ(dataText(), QStringLiteral("[QGracz anonimowy]\r\nN1=Jan\r\n"));
  EXPECT_EQ(services.session().CurrentPlayer.name, u"Gracz anonimowy");
  EXPECT_TRUE(services.session().CurrentPlayer.place.isEmpty()) << "read from the file";
}

TEST_F(ProfileScreensTest, EveryPlayerGetsARowAndTheListScrolls) {
  QString plain;
  for (int i = 0; i < 60; ++i) plain += QStringLiteral("[QGracz%1]\r\nImi=Gracz%1\r\n").arg(i);
  startOn(plain);
  EXPECT_EQ(rows(), 61);
  auto* bar = c<QScrollArea>(QStringLiteral("sbLista"))->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 30 * 50);
  click(QStringLiteral("lblPName60"));
  EXPECT_EQ(services.session().CurrentPlayer.name, u"Gracz59");
}

TEST_F(ProfileScreensTest, LoggingOffShowsThePageAsItWasLeft) {
  startOn(QStringLiteral("[QJan]\r\nImi=Jan\r\n"));
  click(QStringLiteral("lblPName1"));
  click(QStringLiteral("lblPLog"));
  ASSERT_EQ(main().shownPage(), u"tsMenu");
  click(QStringLiteral("lblLogOff"));
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_FALSE(c(QStringLiteral("lblPCheck1"))->isHidden());
  EXPECT_EQ(caption(QStringLiteral("lblPLike")), u"Wybrany gracz: Jan");
}

TEST_F(ProfileScreensTest, AStartAndQuitLeaveOnlyTheAnonymousPlayersOptions) {
  ASSERT_TRUE(start());
  shell.FormDestroy();
  EXPECT_EQ(dataText(), QStringLiteral("[QGracz anonimowy]\r\nDzw=1\r\nKla=1\r\nMen=1\r\nKou=1\r\n"
                                       "Akc=1\r\nZua=1\r\nRez=1\r\n"));
  EXPECT_EQ(dataBytes(), scrambleText(dataText().toLatin1()));
}

}  // namespace

namespace {

TEST_F(ProfileScreensTest, ARowIsThePlayerItShowsEvenWhenTheFileOrderChanged) {
  startOn(QStringLiteral("[QZofia]\r\nImi=Zofia\r\nMie=Hel\r\nUro=80-01-02\r\nPue=K\r\nPas=\r\n"));
  ASSERT_EQ(rowName(0), u"Gracz anonimowy");
  ASSERT_EQ(rowName(1), u"Zofia");
  // A record of the anonymous player adds his section at the end of the file meanwhile.
  writeData(
      QStringLiteral("[QZofia]\r\nImi=Zofia\r\nMie=Hel\r\nUro=80-01-02\r\nPue=K\r\nPas=\r\n"
                     "[QGracz anonimowy]\r\nN1=Ala\r\nP1=5\r\n"));
  click(QStringLiteral("lblPName0"));
  EXPECT_EQ(services.session().CurrentPlayer.name, u"Gracz anonimowy");
  click(QStringLiteral("lblPName1"));
  EXPECT_EQ(services.session().CurrentPlayer.name, u"Zofia");
}

}  // namespace
