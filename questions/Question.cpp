#include "questions/Question.h"

#include <QSet>
#include <algorithm>

#include "questions/QuestionFile.h"
#include "storage/IniFile.h"

QString questionSection(int number, int level) {
  return QStringLiteral("%1;%2").arg(number).arg(level);
}

QString LetterOf(int position) {
  return (position >= 1 && position <= 4) ? QString(QChar(u'A' + position - 1))
                                          : QStringLiteral("A");
}

int PositionOf(const QString& letter) {
  if (letter == u"B") return 2;
  if (letter == u"C") return 3;
  if (letter == u"D") return 4;
  return 1;
}

StoredQuestion StoredQuestion::read(const IniFile& file, int number, int level) {
  const QString section = questionSection(number, level);
  StoredQuestion q;
  q.text = file.readString(section, QStringLiteral("P"));
  for (int i = 0; i < 4; ++i)
    q.answers[static_cast<size_t>(i)] = file.readString(section, QString(QChar(u'A' + i)));
  auto integer = [&](const QString& key) { return file.readInteger(section, key, 0); };
  q.correct = integer(QStringLiteral("G"));
  q.fiftyOut1 = integer(QStringLiteral("1"));
  q.fiftyOut2 = integer(QStringLiteral("2"));
  for (int i = 0; i < 4; ++i) q.audience[static_cast<size_t>(i)] = integer(QString::number(6 + i));
  q.friendAnswer = integer(QStringLiteral("T"));
  return q;
}

QStringList StoredQuestion::problems() const {
  QStringList out;
  if (text.isEmpty()) out << QStringLiteral("P: the question is empty");
  // Longer texts do not fit the boxes the game draws them in.
  if (text.size() > questionfile::MaxQuestionChars)
    out << QStringLiteral("P: %1 characters, more than %2")
               .arg(text.size())
               .arg(questionfile::MaxQuestionChars);
  QSet<QString> seen;
  for (int i = 0; i < 4; ++i) {
    const QString& a = answers[static_cast<size_t>(i)];
    const QString key(QChar(u'A' + i));
    if (a.isEmpty())
      out << key + QStringLiteral(": the answer is empty");
    else if (a.size() > questionfile::MaxAnswerChars)
      out << key + QStringLiteral(": %1 characters, more than %2")
                       .arg(a.size())
                       .arg(questionfile::MaxAnswerChars);
    else if (seen.contains(a))
      out << key + QStringLiteral(": the same text as another answer");
    seen.insert(a);
  }
  auto position = [&](const char* key, int value) {
    if (value < 1 || value > 4)
      out << QString::fromLatin1(key) + QStringLiteral(": %1 is not an answer 1-4").arg(value);
  };
  position("G", correct);
  position("1", fiftyOut1);
  position("2", fiftyOut2);
  position("T", friendAnswer);
  if (fiftyOut1 == fiftyOut2) out << QStringLiteral("2: fifty-fifty removes the same answer twice");
  if (fiftyOut1 == correct) out << QStringLiteral("1: fifty-fifty would remove the correct answer");
  if (fiftyOut2 == correct) out << QStringLiteral("2: fifty-fifty would remove the correct answer");
  int sum = 0;
  for (int i = 0; i < 4; ++i) {
    const int share = audience[static_cast<size_t>(i)];
    if (share < 0 || share > 100)
      out << QString::number(6 + i) + QStringLiteral(": %1 is not a share 0-100").arg(share);
    sum += share;
  }
  if (sum != 100) out << QStringLiteral("9: the audience shares add up to %1, not 100").arg(sum);
  return out;
}

CurrentQuestionRecord arrangeQuestion(const StoredQuestion& q, const std::array<int, 4>& order) {
  CurrentQuestionRecord r;
  r.Text = q.text;
  for (int k = 0; k < 4; ++k)
    r.Answers[static_cast<size_t>(k)] =
        q.answers[static_cast<size_t>(order[static_cast<size_t>(k)] - 1)];
  auto fileAnswer = [&](int n) -> const QString& {
    static const QString none;
    return (n >= 1 && n <= 4) ? q.answers[static_cast<size_t>(n - 1)] : none;
  };
  for (int k = 1; k <= 4; ++k) {
    const QString& shown = r.Answers[static_cast<size_t>(k - 1)];
    const auto pos = static_cast<std::uint8_t>(k);
    if (shown == fileAnswer(q.correct)) r.Correct = pos;
    if (shown == fileAnswer(q.fiftyOut1)) r.FiftyOut1 = pos;
    if (shown == fileAnswer(q.fiftyOut2)) r.FiftyOut2 = pos;
    if (shown == fileAnswer(q.friendAnswer)) r.FriendAnswer = pos;
    for (int n = 1; n <= 4; ++n)
      if (shown == q.answers[static_cast<size_t>(n - 1)])
        r.AudiencePct[static_cast<size_t>(k - 1)] =
            static_cast<std::uint8_t>(std::clamp(q.audience[static_cast<size_t>(n - 1)], 0, 255));
  }
  int keep = 0;
  for (int k = 1; k <= 4 && keep < 2; ++k) {
    if (k == r.FiftyOut1 || k == r.FiftyOut2) continue;
    (keep++ == 0 ? r.FiftyKeep1 : r.FiftyKeep2) = static_cast<std::uint8_t>(k);
  }
  return r;
}
