#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "questions/QuestionBank.h"
#include "questions/QuestionFile.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "ui/Random.h"

namespace {

// One good question: "Odp <n>" texts, the correct one "A", fifty-fifty removes B and C.
QString questionIni(int number, int level, const QString& extra = {}) {
  return QStringLiteral(
             "[%1;%2]\r\nP=Pytanie %1 z poziomu %2?\r\nA=Dobra %1\r\nB=Zła B %1\r\n"
             "C=Zła C %1\r\nD=Zła D %1\r\nG=1\r\n1=2\r\n2=3\r\n6=70\r\n7=10\r\n8=10\r\n"
             "9=10\r\nT=1\r\n%3")
      .arg(number)
      .arg(level)
      .arg(extra);
}

class QuestionBankTest : public ::testing::Test {
 protected:
  void SetUp() override { setLevels(std::map<int, int>{}); }

  // Every level gets `counts[level]` questions (3 by default).
  void setLevels(const std::map<int, int>& counts, const QString& more = {}) {
    QString ini;
    for (int level = 1; level <= 15; ++level) {
      const int n = counts.count(level) ? counts.at(level) : 3;
      for (int q = 1; q <= n; ++q) ini += questionIni(q, level);
    }
    writeQuestions(ini + more);
  }
  void writeQuestions(const QString& ini) {
    QFile f(dir.filePath(QStringLiteral("FORMAT C.exe")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(*toCp1250(ini));
  }
  DataFile data() const {
    return DataFile(dir.path() + u'/', QStringLiteral("Opcje.oFK"), testMode);
  }
  void setList(int level, const QString& list) {
    data().cycle([&](IniFile& ini) {
      ini.writeString(QStringLiteral("QJan"), QStringLiteral("L%1").arg(level), list);
    });
  }

  QTemporaryDir dir;
  bool testMode = false;
  Random random{1234};
  QuestionOnScreen onScreen;
  QuestionBank bank{[this] { return dir.filePath(QStringLiteral("FORMAT C.exe")); },
                    [this] { return data(); }, [] { return QStringLiteral("Jan"); }, random,
                    onScreen};
};

TEST_F(QuestionBankTest, ALevelCountsUpToItsFirstMissingNumber) {
  setLevels({{7, 1}}, questionIni(3, 7));  // 1 and 3 of level 7, no 2
  EXPECT_EQ(bank.CountQuestions(7), 1);
  EXPECT_EQ(bank.CountQuestions(1), 3);
  EXPECT_EQ(bank.CountQuestions(16), 0);
}

TEST_F(QuestionBankTest, AskedListsHoldWholeEntries) {
  EXPECT_EQ(QuestionBank::askedNumbers(QStringLiteral("12|")), QSet<int>{12});
  EXPECT_EQ(QuestionBank::askedNumbers(QStringLiteral("12|3|7|")), (QSet<int>{12, 3, 7}));
  EXPECT_TRUE(QuestionBank::askedNumbers(QString()).isEmpty());
  EXPECT_TRUE(bank.ReadAskedList(4).isEmpty());
  bank.AddAskedQuestion(4, 2);
  bank.AddAskedQuestion(4, 11);
  EXPECT_EQ(bank.ReadAskedList(4), u"2|11|");
  bank.ClearAskedList(4);
  EXPECT_TRUE(bank.ReadAskedList(4).isEmpty());
}

TEST_F(QuestionBankTest, TwelveMarksOnlyTwelve) {
  setLevels({{3, 12}});
  setList(3, QStringLiteral("12|"));
  QSet<int> drawn;
  for (int i = 0; i < 150; ++i) {
    setList(3, QStringLiteral("12|"));
    ASSERT_TRUE(bank.DrawQuestion(3));
    drawn.insert(onScreen.QuestionNumber);
  }
  QSet<int> expected;
  for (int n = 1; n <= 11; ++n) expected.insert(n);
  EXPECT_EQ(drawn, expected);
}

TEST_F(QuestionBankTest, AOneQuestionLevelIsAskedEveryGame) {
  setLevels({{9, 1}});
  for (int game = 0; game < 3; ++game) {
    bank.ResetAskedLists();
    ASSERT_TRUE(bank.DrawQuestion(9));
    EXPECT_EQ(onScreen.QuestionNumber, 1);
    EXPECT_EQ(bank.ReadAskedList(9), u"1|") << "written before the question is shown";
  }
}

TEST_F(QuestionBankTest, ResetEmptiesOnlyUsedUpLevelsAndIgnoresRemovedQuestions) {
  setLevels({{2, 3}, {5, 3}});
  setList(2, QStringLiteral("3|1|2|"));
  setList(5, QStringLiteral("1|9|"));  // 9 no longer exists
  bank.ResetAskedLists();
  EXPECT_TRUE(bank.ReadAskedList(2).isEmpty());
  EXPECT_EQ(bank.ReadAskedList(5), u"1|9|");
  setList(5, QStringLiteral("1|2|9|"));
  ASSERT_TRUE(bank.DrawQuestion(5));
  EXPECT_EQ(onScreen.QuestionNumber, 3);
  EXPECT_EQ(bank.ReadAskedList(5), u"1|2|9|3|");
}

TEST_F(QuestionBankTest, BrokenQuestionsAreNeverDrawn) {
  QString ini;
  for (int level = 1; level <= 15; ++level)
    for (int q = 1; q <= 3; ++q) {
      QString text = questionIni(q, level);
      if (level == 6 && q != 2) text.replace(QStringLiteral("9=10"), QStringLiteral("9=11"));
      if (level == 8) text.replace(QStringLiteral("G=1"), QStringLiteral("G=7"));
      ini += text;
    }
  writeQuestions(ini);
  for (int i = 0; i < 30; ++i) {
    setList(6, {});
    ASSERT_TRUE(bank.DrawQuestion(6));
    EXPECT_EQ(onScreen.QuestionNumber, 2);
  }
  EXPECT_FALSE(bank.DrawQuestion(8)) << "nothing on level 8 can be played";
  EXPECT_FALSE(bank.everyLevelPlayable());
}

TEST_F(QuestionBankTest, StoredQuestionsWithBrokenDataNameTheirProblems) {
  StoredQuestion q;
  q.text = QStringLiteral("?");
  q.answers = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
  q.correct = 1;
  q.fiftyOut1 = 2;
  q.fiftyOut2 = 3;
  q.audience = {40, 30, 20, 10};
  q.friendAnswer = 4;
  EXPECT_TRUE(q.usable());
  auto broken = [&](auto change) {
    StoredQuestion b = q;
    change(b);
    return b.problems();
  };
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.answers[3] = QStringLiteral("a"); }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.fiftyOut2 = 2; }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.fiftyOut1 = 1; }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.friendAnswer = 0; }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) {
                 b.audience = {300, -100, -50, -50};
               }).isEmpty())
      << "shares that sum to 100 but lie outside 0-100";
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.audience[0] = 41; }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.text.clear(); }).isEmpty());
  EXPECT_TRUE(broken([](StoredQuestion& b) { b.audience = {100, 0, 0, 0}; }).isEmpty());
  // Texts longer than the boxes the game draws them in.
  EXPECT_TRUE(broken([](StoredQuestion& b) { b.text = QString(150, u'ż'); }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.text = QString(151, u'ż'); }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.text = QString(10000, u'x'); }).isEmpty());
  EXPECT_TRUE(broken([](StoredQuestion& b) { b.answers[2] = QString(60, u'ą'); }).isEmpty());
  EXPECT_FALSE(broken([](StoredQuestion& b) { b.answers[2] = QString(61, u'ą'); }).isEmpty());
}

// What `check` reports of a file that holds more than questions.
TEST_F(QuestionBankTest, LinesThatBelongToNoQuestionAreFound) {
  const QString good = QStringLiteral(
      "; a comment\r\n[3;12]\r\nP=Pytanie?\r\n a = x \r\nT=1\r\n\r\n[255;15]\r\n9=10\r\n");
  int total = -1;
  EXPECT_TRUE(questionfile::strayLines(good, 5, &total).isEmpty());
  EXPECT_EQ(total, 0);
  const QString junk =
      good + QStringLiteral("\x01\x7fgarbage\r\n[0;3]\r\n[1;16]\r\nPP=1\r\n=1\r\n");
  const QStringList found = questionfile::strayLines(junk, 3, &total);
  EXPECT_EQ(total, 5);
  EXPECT_EQ(found, (QStringList{QStringLiteral("line 9: not part of any question"),
                                QStringLiteral("line 10: not part of any question"),
                                QStringLiteral("line 11: not part of any question")}));
}

TEST_F(QuestionBankTest, LoadingShufflesButKeepsEveryRoleWithItsText) {
  std::map<QString, int> orders;
  for (int i = 0; i < 2400; ++i) {
    bank.LoadQuestion(2, 4);
    const CurrentQuestionRecord& q = onScreen.CurrentQuestion;
    ASSERT_EQ(q.Text, u"Pytanie 2 z poziomu 4?");
    EXPECT_EQ(q.Answers[q.Correct - 1], u"Dobra 2");
    EXPECT_EQ(q.Answers[q.FriendAnswer - 1], u"Dobra 2");
    EXPECT_EQ(q.Answers[q.FiftyOut1 - 1], u"Zła B 2");
    EXPECT_EQ(q.Answers[q.FiftyOut2 - 1], u"Zła C 2");
    EXPECT_LT(q.FiftyKeep1, q.FiftyKeep2);
    for (int k : {q.FiftyKeep1, q.FiftyKeep2}) EXPECT_TRUE(k != q.FiftyOut1 && k != q.FiftyOut2);
    EXPECT_EQ(q.AudiencePct[q.Correct - 1], 70);
    ++orders[q.Answers[0] + u'|' + q.Answers[1] + u'|' + q.Answers[2] + u'|' + q.Answers[3]];
  }
  // 24 orders, 100 each on average: every one appears, none far off.
  EXPECT_EQ(orders.size(), 24u);
  for (const auto& [order, count] : orders) {
    EXPECT_GT(count, 55) << order.toStdString();
    EXPECT_LT(count, 150) << order.toStdString();
  }
}

TEST_F(QuestionBankTest, DrawsAreUniformOverWhatIsLeft) {
  setLevels({{10, 8}});
  std::map<int, int> counts;
  for (int i = 0; i < 600; ++i) {
    setList(10, QStringLiteral("2|5|"));
    ASSERT_TRUE(bank.DrawQuestion(10));
    ++counts[onScreen.QuestionNumber];
  }
  EXPECT_EQ(counts.size(), 6u);
  EXPECT_EQ(counts.count(2) + counts.count(5), 0u);
  for (const auto& [n, c] : counts) EXPECT_NEAR(c, 100, 40) << n;
}

TEST_F(QuestionBankTest, EqualAnswerTextsGiveTheLaterPositionTheRole) {
  StoredQuestion q;
  q.text = QStringLiteral("?");
  q.answers = {QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
  q.correct = 1;
  q.fiftyOut1 = 3;
  q.fiftyOut2 = 4;
  q.audience = {10, 20, 30, 40};
  q.friendAnswer = 1;
  const CurrentQuestionRecord r = arrangeQuestion(q, {2, 3, 1, 4});  // shown: x y x z
  EXPECT_EQ(r.Correct, 3);
  EXPECT_EQ(r.FriendAnswer, 3);
  EXPECT_EQ(r.AudiencePct[0], 20) << "the later file answer with that text wins";
  EXPECT_EQ(r.AudiencePct[2], 20);
  EXPECT_EQ(r.FiftyOut1, 2);
  EXPECT_EQ(r.FiftyOut2, 4);
}

TEST_F(QuestionBankTest, LettersAndPositions) {
  EXPECT_EQ(LetterOf(1), u"A");
  EXPECT_EQ(LetterOf(4), u"D");
  EXPECT_EQ(LetterOf(0), u"A");
  EXPECT_EQ(LetterOf(9), u"A");
  EXPECT_EQ(PositionOf(QStringLiteral("C")), 3);
  EXPECT_EQ(PositionOf(QStringLiteral("x")), 1);
}

TEST_F(QuestionBankTest, InTestModeAskedListsLeaveAPlainCopyOfTheFileBefore) {
  testMode = true;
  bank.AddAskedQuestion(1, 2);
  bank.AddAskedQuestion(1, 3);
  QFile copy(dir.filePath(QStringLiteral("Opcje.txt")));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), QByteArray("[QJan]\r\nL1=2|\r\n")) << "as it was before the second";
}

}  // namespace
