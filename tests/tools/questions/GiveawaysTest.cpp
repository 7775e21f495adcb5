#include <gtest/gtest.h>

#include "storage/IniFile.h"
#include "tools/questions/GameFile.h"
#include "tools/questions/Giveaways.h"

namespace {

StoredQuestion asking(const char* text, const char* answer) {
  StoredQuestion q;
  q.text = QString::fromUtf8(text);
  q.answers = {QString::fromUtf8(answer), QStringLiteral("x"), QStringLiteral("y"),
               QStringLiteral("z")};
  q.correct = 1;
  return q;
}

// "level;number>level;number:word" for each giveaway.
QStringList found(const std::vector<std::vector<StoredQuestion>>& levels) {
  QStringList out;
  for (const Giveaway& g : findGiveaways(levels))
    out << QStringLiteral("%1;%2>%3;%4:%5")
               .arg(g.level)
               .arg(g.number)
               .arg(g.answerLevel)
               .arg(g.answerNumber)
               .arg(g.word);
  return out;
}

TEST(Giveaways, AnAnswerIsFoundInItsOtherForms) {
  EXPECT_EQ(found({{asking("Kto był pierwszym cesarzem rzymskim?", "Oktawian August")},
                   {asking("Kto był następcą Oktawiana Augusta?", "Tyberiusz")}}),
            QStringList{QStringLiteral("2;1>1;1:Oktawiana")});
  EXPECT_EQ(found({{asking("Kto jest bohaterem „Lalki”?", "Stanisław Wokulski"),
                    asking("Kto zagrał Stanisława Wokulskiego w serialu?", "Jerzy Kamas")}}),
            QStringList{QStringLiteral("1;2>1;1:Stanisława")});
  EXPECT_EQ(
      found({{asking("Jaka dynastia panowała po Piastach?", "Jagiellonowie")},
             {},
             {asking("Który król z dynastii Jagiellonów zginął pod Mohaczem?", "Ludwik II")}}),
      QStringList{QStringLiteral("3;1>1;1:Jagiellonów")});
  EXPECT_EQ(found({{asking("Kim jest ksiądz Robak?", "Jackiem Soplicą"),
                    asking("Kto zagrał Jacka Soplicę?", "Bogusław Linda")}}),
            QStringList{QStringLiteral("1;2>1;1:Jacka")});
  // A dropped "e", a soft consonant, a short word with an ending, a word made with a number.
  EXPECT_EQ(found({{asking("Jak nazywa się miś, przyjaciel Prosiaczka?", "Kubuś Puchatek"),
                    asking("Jak ma na imię osiołek, przyjaciel Kubusia Puchatka?", "Kłapouchy"),
                    asking("Jak inaczej nazywa się Sejm Wielki?", "Sejm Czteroletni"),
                    asking("Kto był marszałkiem Sejmu Czteroletniego?", "Stanisław Małachowski")}}),
            QStringList({QStringLiteral("1;2>1;1:Kubusia"), QStringLiteral("1;4>1;3:Sejmu")}));
  EXPECT_EQ(found({{asking("Z czego pszczoły robią miód?", "Z nektaru kwiatów"),
                    asking("Co zbiera pszczoła: nektar kwiatów czy pyłek?", "Oba"),
                    asking("Kto napisał „Lalkę”?", "Bolesław Prus"),
                    asking("Jak naprawdę nazywał się Bolesław Prus?", "Aleksander Głowacki"),
                    asking("Czym polecieli na Księżyc?", "Rakietą")},
                   {asking("Jak nazywa się satelita Ziemi?", "Księżyc")}}),
            QStringList({QStringLiteral("1;2>1;1:nektar"), QStringLiteral("1;4>1;3:Bolesław"),
                         QStringLiteral("1;5>2;1:Księżyc")}));
}

TEST(Giveaways, APartOrALikenessNamesNothing) {
  const std::vector<StoredQuestion> level{
      // a short answer, and a question naming its own answer
      asking("Jak pisał się Prus?", "Prus"),
      asking("Które miasto, Kraków czy Gniezno, było pierwsze?", "Kraków"),
      // one word of an answer of several: a first name, a flower, a number's unit
      asking("Kto był ojcem Bolesława Chrobrego?", "Mieszko I"),
      asking("Kto napisał „Lalkę”?", "Bolesław Prus"),
      asking("Z czego pszczoły robią miód?", "Z nektaru kwiatów"),
      asking("Jakie kwiaty lubią pszczoły?", "Żadne"),
      asking("Ile minut trwa mecz?", "90"),
      asking("Ile trwa runda w boksie?", "3 minuty"),
      // a likeness that is no case ending, a name against an ordinary word, a number in words
      asking("Jak nazywa się strofa ośmiowersowa?", "Oktawa"),
      asking("Kto był następcą Oktawiana?", "Tyberiusz"),
      asking("Gdzie mieszkali rycerze?", "Na zamku"),
      asking("Co mierzy termometr?", "Temperaturę"),
      asking("Jak ciepła jest woda w temperaturze wrzenia?", "Gorąca"),
      asking("Ile strun mają skrzypce?", "Cztery"),
      asking("Gdzie kończy się Turniej Czterech Skoczni?", "W Bischofshofen"),
  };
  EXPECT_TRUE(found({level}).isEmpty()) << found({level}).join(u' ').toStdString();
}

TEST(Giveaways, AnAnswerManyQuestionsNameIsCommon) {
  std::vector<StoredQuestion> level{asking("Jaki kraj leży nad Wisłą?", "Polska")};
  for (int i = 0; i < 3; ++i) {
    const QByteArray text = QStringLiteral("Który król rządził Polską w roku %1?").arg(i).toUtf8();
    level.push_back(asking(text.constData(), "x1"));
  }
  EXPECT_EQ(found({level}).size(), 3);
  level.push_back(asking("Ile województw ma Polska?", "Szesnaście"));
  EXPECT_TRUE(found({level}).isEmpty()) << "four questions name it";
}

TEST(Giveaways, TheShippedQuestionsGiveNoAnswerAway) {
  QString plain, error;
  ASSERT_TRUE(readGameText(QStringLiteral(FORTUNIAK_QUESTIONS_FILE), plain, error));
  const QuestionLevels levels = levelsOf(IniFile(plain));
  ASSERT_EQ(levels.size(), 15u);
  QStringList named;
  for (const Giveaway& g : findGiveaways(levels)) named << describe(g);
  EXPECT_TRUE(named.isEmpty()) << named.join(u'\n').toStdString();
}

}  // namespace
