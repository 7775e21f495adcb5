#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>

#include "media/MoviePlayer.h"
#include "media/Movies.h"
#include "players/RecordsPage.h"
#include "storage/IniFile.h"
#include "tests/support/FinishedGames.h"
#include "ui/Pictures.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"

namespace {

using Keys = QMap<QString, QString>;

class RecordsScreenTest : public FinishedGames {
 protected:
  RecordsPage& records() { return services.recordsPage(); }
  void openRecords() {
    click(QStringLiteral("lblRec"));
    ASSERT_EQ(main().shownMenuPage(), u"tsRec");
  }
  // A row as the player reads it: "3. NIKT | $".
  QString row(int place) {
    RecordsPage::Row& r = records().row(place);
    return TextLabel::shownText(r.holder->caption()) + u'|' + r.prize->caption();
  }
  QString detail(int line) {
    return TextLabel::shownText(records().lblR0.at(static_cast<size_t>(line - 1))->caption());
  }
  void openDetails(int place) { QTest::mouseClick(records().row(place).holder, Qt::LeftButton); }
  bool detailsOpen() { return !records().pnRInfo->isHidden(); }
  bool yesNoOpen() { return c(QStringLiteral("pnYesNo"))->isVisible(); }
  // The last question's title, value and the divider above them go together.
  bool lastQuestionShown() {
    const bool title = !records().lblR07t->isHidden();
    EXPECT_EQ(!records().lblR0[6]->isHidden(), title);
    EXPECT_EQ(!records().bel06->isHidden(), title);
    return title;
  }
  bool shows(PictureBox* box, const char* picture) {
    return box->picture() == gamePicture(picture);
  }

  // Every key of a player section of the data file, with its value.
  Keys section(const QString& name) {
    const IniFile ini(dataText());
    Keys keys;
    for (const QString& key : ini.keys(name)) keys.insert(key, ini.readString(name, key));
    return keys;
  }
  static bool isRecordKey(const QString& key) {
    static const QRegularExpression place(QStringLiteral("^[NPOSDC]([1-9]|1[0-5])$"));
    return place.match(key).hasMatch();
  }
  static Keys withoutRecords(Keys keys) {
    keys.removeIf([](const auto& key) { return isRecordKey(key.key()); });
    return keys;
  }
  static Keys recordsOnly(Keys keys) {
    keys.removeIf([](const auto& key) { return !isRecordKey(key.key()); });
    return keys;
  }
};

const QString Overall = QStringLiteral("QGracz anonimowy");

TEST_F(RecordsScreenTest, ANewEntryGoesBehindTheEqualLevelsAlreadyThere) {
  startWith(QStringLiteral("Jan"), janData());
  // Each game takes four minutes of the clock from 12:00, so the n-th one is saved at 12:4n.
  finish(End::Resign, 11);  // step 10
  finish(End::Resign, 8);   // step 7, 12:08
  finish(End::Wrong, 6);    // step 5, the missed question was the sixth
  finish(End::Resign, 8);   // step 7, 12:16
  finish(End::Resign, 8);   // step 7, 12:20: after both earlier sevens
  openRecords();
  EXPECT_EQ(row(1), u"1. Jan|32 000 $");
  for (int place : {2, 3, 4}) EXPECT_EQ(row(place), QStringLiteral("%1. Jan|4 000 $").arg(place));
  EXPECT_EQ(row(5), u"5. Jan|1 000 $");
  EXPECT_EQ(row(6), u"6. NIKT| $");
  const char* saved[] = {"26-06-01 12:08:00", "26-06-01 12:16:00", "26-06-01 12:20:00"};
  for (int place : {2, 3, 4}) {
    openDetails(place);
    EXPECT_EQ(detail(2), QString::number(place));
    EXPECT_EQ(detail(5), QString::fromLatin1(saved[place - 2])) << place;
    QTest::mouseClick(records().btnRHide, Qt::LeftButton);
  }
  openDetails(5);
  EXPECT_EQ(detail(3), u"1 000 $");
  EXPECT_EQ(detail(4), u"00:03:00");
  EXPECT_EQ(detail(6), u"Przegrana");
  EXPECT_TRUE(lastQuestionShown());
  EXPECT_EQ(detail(7), u"2 000 $") << "the amount of the question that was missed";
  QTest::mouseClick(records().btnRHide, Qt::LeftButton);

  // The overall table was empty: every game entered it too, in the same order.
  QTest::mouseClick(records().btnRecAll, Qt::LeftButton);
  EXPECT_EQ(row(1), u"1. Jan|32 000 $");
  EXPECT_EQ(row(5), u"5. Jan|1 000 $");
  openDetails(4);
  EXPECT_EQ(detail(5), u"26-06-01 12:20:00");
}

TEST_F(RecordsScreenTest, TheDetailsHoldTheScreenUntilClosedAndShowTheLastQuestionOfALoss) {
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Million, 15);
  finish(End::Wrong, 9);   // step 5, missed the question for 16 000
  finish(End::Resign, 4);  // step 3
  openRecords();
  EXPECT_EQ(row(1), u"1. Jan|1 MILION $");
  EXPECT_EQ(row(2), u"2. Jan|1 000 $");
  EXPECT_EQ(row(3), u"3. Jan|300 $");

  openDetails(1);
  ASSERT_TRUE(detailsOpen());
  EXPECT_EQ(detail(1), u"Jan");
  EXPECT_EQ(detail(6), u"Wygrana");
  EXPECT_FALSE(lastQuestionShown());
  EXPECT_FALSE(c(QStringLiteral("lblStart"))->isEnabled()) << "the panel holds the lock";
  EXPECT_FALSE(records().row(2).prize->isEnabled());
  EXPECT_FALSE(records().btnDelRec->isEnabled());
  EXPECT_TRUE(records().btnRHide->isEnabled());
  press(Qt::Key_W);  // "&Wróć" of the panel, not the menu's "&Wyloguj się..."
  EXPECT_FALSE(detailsOpen());
  EXPECT_EQ(main().shownPage(), u"tsMenu");
  EXPECT_EQ(main().shownMenuPage(), u"tsRec");
  EXPECT_TRUE(c(QStringLiteral("lblStart"))->isEnabled());
  EXPECT_TRUE(records().row(2).prize->isEnabled());

  QTest::mouseClick(records().row(2).prize, Qt::LeftButton);  // the amount opens it as well
  EXPECT_EQ(detail(2), u"2");
  EXPECT_TRUE(lastQuestionShown());
  EXPECT_EQ(detail(7), u"16 000 $");
  press(Qt::Key_Escape);
  EXPECT_FALSE(detailsOpen());

  openDetails(3);
  EXPECT_EQ(detail(6), u"Rezygnacja");
  EXPECT_FALSE(lastQuestionShown());
  // Without the keyboard menu only Enter and Escape close it.
  services.state().flags.Men = false;
  press(Qt::Key_W);
  EXPECT_TRUE(detailsOpen());
  press(Qt::Key_Return);
  EXPECT_FALSE(detailsOpen());

  EXPECT_EQ(records().row(3).holder->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(records().row(4).holder->cursor().shape(), Qt::ArrowCursor);
  openDetails(4);
  EXPECT_FALSE(detailsOpen()) << "an empty place has no details";
}

TEST_F(RecordsScreenTest, AGameSavedAtMidnightShowsOnlyItsDate) {
  clock = QDateTime(QDate(2026, 6, 1), QTime(23, 56));
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Resign, 3);  // ends at 00:00:00 on June 2nd
  openRecords();
  openDetails(1);
  EXPECT_EQ(detail(5), u"26-06-02");
  EXPECT_EQ(detail(4), u"00:03:00");
}

TEST_F(RecordsScreenTest, ATieWithPlaceFifteenEntersNoTableAndTheOverallOneNeedsItsOwnPlace) {
  startWith(QStringLiteral("Ola"));
  for (int game = 0; game < RecordPlaces; ++game) finish(End::Resign, 8);  // fifteen sevens
  const Keys olaTable = recordsOnly(section(QStringLiteral("QOla")));
  const Keys overallTable = section(Overall);
  ASSERT_EQ(olaTable.size(), 6 * RecordPlaces);

  finish(End::Resign, 8);  // one more seven ties with place 15
  EXPECT_EQ(recordsOnly(section(QStringLiteral("QOla"))), olaTable);
  EXPECT_EQ(section(Overall), overallTable);

  // Enters his own table, but not the overall one, whose place 15 is higher.
  logIn(QStringLiteral("Jan"));
  finish(End::Wrong, 6);
  EXPECT_EQ(section(Overall), overallTable);
  openRecords();
  EXPECT_EQ(row(1), u"1. Jan|1 000 $");
  EXPECT_EQ(row(2), u"2. NIKT| $");
  QTest::mouseClick(records().btnRecAll, Qt::LeftButton);
  for (int place = 1; place <= RecordPlaces; ++place)
    EXPECT_EQ(row(place), QStringLiteral("%1. Ola|4 000 $").arg(place));

  // With the overall table cleared, a game that does not beat Ola's own place 15 still enters
  // neither.
  logIn(QStringLiteral("Ola"));
  openRecords();
  QTest::mouseClick(records().btnRecAll, Qt::LeftButton);
  QTest::mouseClick(records().btnDelRec, Qt::LeftButton);
  QTest::mouseClick(c(QStringLiteral("btnYes")), Qt::LeftButton);
  EXPECT_EQ(row(1), u"1. NIKT| $");
  finish(End::Resign, 8);
  EXPECT_EQ(recordsOnly(section(Overall)), Keys());
  openRecords();
  EXPECT_TRUE(records().btnRecAll->font().bold()) << "the table chosen last is kept";
  EXPECT_EQ(row(1), u"1. NIKT| $");
}

TEST_F(RecordsScreenTest, ClearingATableLeavesTheOtherTablesAndTheRestOfTheSections) {
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Resign, 5);  // step 4
  finish(End::Wrong, 7);   // step 5
  logIn(QStringLiteral("Ola"));
  finish(End::Resign, 3);
  const Keys jan = section(QStringLiteral("QJan"));
  const Keys ola = section(QStringLiteral("QOla"));
  const Keys overall = section(Overall);
  ASSERT_EQ(recordsOnly(jan).size(), 6 * RecordPlaces);
  ASSERT_TRUE(jan.contains(QStringLiteral("Imi")) && jan.contains(QStringLiteral("SG_I")));

  logIn(QStringLiteral("Jan"));
  openRecords();
  QTest::mouseClick(records().btnRecAll, Qt::LeftButton);
  EXPECT_EQ(row(3), u"3. Ola|200 $");
  EXPECT_TRUE(shows(records().imgKosz, "imgKoszPelny"));
  QTest::mouseClick(records().btnDelRec, Qt::LeftButton);
  ASSERT_TRUE(yesNoOpen());
  EXPECT_FALSE(records().btnRecMy->isEnabled()) << "the question holds the lock";
  EXPECT_FALSE(records().row(1).holder->isEnabled());
  press(Qt::Key_N);
  EXPECT_FALSE(yesNoOpen());
  EXPECT_TRUE(records().btnRecMy->isEnabled());
  EXPECT_EQ(section(Overall), overall) << "answering no clears nothing";

  QTest::mouseClick(records().btnDelRec, Qt::LeftButton);
  press(Qt::Key_T);
  EXPECT_FALSE(yesNoOpen());
  EXPECT_EQ(recordsOnly(section(Overall)), Keys());
  EXPECT_EQ(section(QStringLiteral("QJan")), jan);
  EXPECT_EQ(section(QStringLiteral("QOla")), ola);
  EXPECT_EQ(row(1), u"1. NIKT| $");
  EXPECT_TRUE(shows(records().imgKosz, "imgKoszPusty"));

  QTest::mouseClick(records().btnRecMy, Qt::LeftButton);
  EXPECT_EQ(row(1), u"1. Jan|1 000 $");
  EXPECT_EQ(row(2), u"2. Jan|500 $");
  QTest::mouseClick(records().btnDelRec, Qt::LeftButton);
  QTest::mouseClick(c(QStringLiteral("btnYes")), Qt::LeftButton);
  const Keys cleared = section(QStringLiteral("QJan"));
  EXPECT_EQ(recordsOnly(cleared), Keys());
  EXPECT_EQ(cleared, withoutRecords(jan)) << "profile and statistics stay";
  EXPECT_EQ(section(QStringLiteral("QOla")), ola);
  EXPECT_EQ(row(1), u"1. NIKT| $");
  EXPECT_TRUE(c(QStringLiteral("lblStart"))->isEnabled());
}

TEST_F(RecordsScreenTest, AnEmptyTableIsFifteenPlacesOfNobodyAndCannotBeCleared) {
  startWith(QStringLiteral("Jan"), janData());
  const QByteArray before = dataBytes();
  const int processed = pacing->processed;
  openRecords();
  for (int place = 1; place <= RecordPlaces; ++place) {
    EXPECT_EQ(row(place), QStringLiteral("%1. NIKT| $").arg(place));
    EXPECT_EQ(records().row(place).prize->cursor().shape(), Qt::ArrowCursor);
  }
  EXPECT_EQ(pacing->processed - processed, RecordPlaces) << "the window repaints after every row";
  EXPECT_TRUE(shows(records().imgKosz, "imgKoszPusty"));
  QTest::mouseClick(records().btnDelRec, Qt::LeftButton);
  EXPECT_FALSE(yesNoOpen());
  EXPECT_TRUE(c(QStringLiteral("lblStart"))->isEnabled());
  EXPECT_EQ(dataBytes(), before);
}

TEST_F(RecordsScreenTest, TheAnonymousPlayersSidePanelHoldsOnlyTheClearButtonAndTheBin) {
  startWith(AnonymousName);
  openRecords();
  EXPECT_EQ(records().shpDelRec->geometry(), QRect(567, 324, 211, 76));
  EXPECT_TRUE(records().shpDelRec->isVisible());
  EXPECT_TRUE(records().btnDelRec->isVisible());
  EXPECT_TRUE(records().imgKosz->isVisible());
  EXPECT_FALSE(records().btnRecMy->isVisible());
  EXPECT_FALSE(records().btnRecAll->isVisible());
  EXPECT_FALSE(records().belRec1->isVisible());
  EXPECT_TRUE(shows(records().lblRPuch, "imgRPuchO"));
  EXPECT_TRUE(shows(records().imgKosz, "imgKoszPusty"));

  finish(End::Wrong, 7, std::chrono::minutes(3), QStringLiteral("Ala"));
  openRecords();
  EXPECT_EQ(row(1), u"1. Ala|1 000 $");
  EXPECT_EQ(row(2), u"2. NIKT| $") << "entered once";
  EXPECT_TRUE(shows(records().imgKosz, "imgKoszPelny"));
  EXPECT_EQ(IniFile(dataText()).sections(), QStringList{Overall});
}

TEST_F(RecordsScreenTest, TheSidePanelComesWithTheRecordsAndGoesWithEveryOtherEntry) {
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Resign, 3);
  openRecords();
  EXPECT_EQ(records().shpDelRec->geometry(), QRect(567, 273, 211, 127));
  for (QWidget* w : std::initializer_list<QWidget*>{records().btnRecMy, records().btnRecAll,
                                                    records().belRec1, records().btnDelRec})
    EXPECT_TRUE(w->isVisible()) << qPrintable(w->objectName());
  EXPECT_TRUE(records().btnRecMy->font().bold());
  EXPECT_FALSE(records().btnRecAll->font().bold());
  EXPECT_TRUE(shows(records().lblRPuch, "imgRPuchW"));
  QTest::mouseClick(records().btnRecAll, Qt::LeftButton);
  EXPECT_EQ(services.session().RecordsOwner, AnonymousName);
  EXPECT_FALSE(records().btnRecMy->font().bold());
  EXPECT_TRUE(records().btnRecAll->font().bold());
  EXPECT_TRUE(shows(records().lblRPuch, "imgRPuchO"));

  auto sidePanelShown = [this] {
    return records().shpDelRec->isVisible() || records().btnDelRec->isVisible() ||
           records().imgKosz->isVisible() || records().btnRecMy->isVisible();
  };
  click(QStringLiteral("lblOpcje"));
  EXPECT_FALSE(sidePanelShown());

  // The information movie plays on behind the records and stops when another page comes.
  MoviePlayer& info = services.movies().sfInfo();
  click(QStringLiteral("lblInfo"));
  EXPECT_FALSE(sidePanelShown());
  ASSERT_TRUE(info.IsPlaying());
  click(QStringLiteral("lblInfo"));
  EXPECT_TRUE(info.IsPlaying()) << "its own page keeps it playing";
  openRecords();
  EXPECT_TRUE(sidePanelShown());
  EXPECT_TRUE(info.IsPlaying());
  click(QStringLiteral("lblStats"));
  EXPECT_FALSE(sidePanelShown());
  EXPECT_FALSE(info.IsPlaying());

  openRecords();
  EXPECT_TRUE(records().btnRecAll->font().bold()) << "the overall table, chosen before";
  click(QStringLiteral("lblLogOff"));
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_FALSE(records().shpDelRec->isVisibleTo(main().tsMenu));
}

}  // namespace
