#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "questions/Question.h"
#include "storage/Cp1250.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

IniFile shippedQuestions() {
  QFile f(QStringLiteral(FORTUNIAK_QUESTIONS_FILE));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return IniFile(fromCp1250(scrambleText(f.readAll())));
}

TEST(ShippedQuestions, EveryLevelHasFortyGoodQuestionsThatFitTheirLabels) {
  const IniFile file = shippedQuestions();
  QSet<QString> texts;
  for (int level = 1; level <= 15; ++level) {
    int n = 0;
    while (file.sectionExists(questionSection(n + 1, level))) {
      ++n;
      const StoredQuestion q = StoredQuestion::read(file, n, level);
      EXPECT_TRUE(q.usable()) << level << ";" << n << ": "
                              << q.problems().join(u"; ").toStdString();
      EXPECT_LE(q.text.size(), 150) << q.text.toStdString();
      for (const QString& a : q.answers) EXPECT_LE(a.size(), 60) << a.toStdString();
      EXPECT_FALSE(texts.contains(q.text)) << "asked twice: " << q.text.toStdString();
      texts.insert(q.text);
    }
    EXPECT_GE(n, 40) << "level " << level;
  }
}

}  // namespace
