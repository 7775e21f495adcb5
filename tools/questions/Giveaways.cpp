#include "tools/questions/Giveaways.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// Shorter words are too often another word's beginning.
constexpr int MinLetters = 5;
// An answer named by more questions than this is the quiz's common vocabulary ("Kraków", "w
// tenisie"): they mention it, they do not give it away.
constexpr size_t CommonAbove = 3;

struct Word {
  QString key;        // lower case, "ó" as "o": the forms of one word differ there
  QString text;       // as written
  bool name = false;  // capitalised past a text's first word
};

std::vector<Word> wordsOf(const QString& text) {
  std::vector<Word> words;
  for (qsizetype i = 0; i < text.size();) {
    if (!text[i].isLetterOrNumber()) {
      ++i;
      continue;
    }
    const qsizetype start = i;
    while (i < text.size() && text[i].isLetterOrNumber()) ++i;
    Word w;
    w.text = text.mid(start, i - start);
    w.key = w.text.toLower().replace(u'ó', u'o');
    w.name = w.text[0].isUpper() && !words.empty();
    words.push_back(std::move(w));
  }
  return words;
}

// Polish case endings, "ó" as "o".
bool isEnding(QStringView tail) {
  static const QSet<QString> endings = {QString(),
                                        QStringLiteral("a"),
                                        QStringLiteral("e"),
                                        QStringLiteral("i"),
                                        QStringLiteral("o"),
                                        QStringLiteral("u"),
                                        QStringLiteral("y"),
                                        QStringLiteral("ą"),
                                        QStringLiteral("ę"),
                                        QStringLiteral("em"),
                                        QStringLiteral("om"),
                                        QStringLiteral("ie"),
                                        QStringLiteral("ii"),
                                        QStringLiteral("ią"),
                                        QStringLiteral("ię"),
                                        QStringLiteral("iu"),
                                        QStringLiteral("ow"),
                                        QStringLiteral("owi"),
                                        QStringLiteral("owie"),
                                        QStringLiteral("ami"),
                                        QStringLiteral("ach"),
                                        QStringLiteral("ego"),
                                        QStringLiteral("emu"),
                                        QStringLiteral("ej"),
                                        QStringLiteral("ym"),
                                        QStringLiteral("im"),
                                        QStringLiteral("ich"),
                                        QStringLiteral("ych"),
                                        QStringLiteral("mi"),
                                        QStringLiteral("iem"),
                                        QStringLiteral("iego"),
                                        QStringLiteral("iej"),
                                        QStringLiteral("iemu"),
                                        QStringLiteral("ymi"),
                                        QStringLiteral("imi"),
                                        QStringLiteral("iach"),
                                        QStringLiteral("iami")};
  return endings.contains(tail.toString());
}

// One word in two of its forms: a shared beginning of four letters or more, after which each
// has a case ending or nothing ("Wokulski" and "Wokulskiego", "Jackiem" and "Jacka",
// "Jagiellonowie" and "Jagiellonów"; not "Oktawa" and "Oktawiana").
bool sameWord(const QString& answer, const QString& text) {
  qsizetype p = 0;
  while (p < answer.size() && p < text.size() && answer[p] == text[p]) ++p;
  return p >= 4 && isEnding(QStringView(answer).mid(p)) && isEnding(QStringView(text).mid(p));
}

// Numbers in words are asked often and name nothing: "Cztery" strings, "Turniej Czterech
// Skoczni".
bool isNumeral(const QString& key) {
  static const QStringList starts = {
      QStringLiteral("czter"),   QStringLiteral("pięć"),     QStringLiteral("pięci"),
      QStringLiteral("sześć"),   QStringLiteral("sześci"),   QStringLiteral("siedem"),
      QStringLiteral("siedm"),   QStringLiteral("osiem"),    QStringLiteral("ośmi"),
      QStringLiteral("dziewię"), QStringLiteral("dziesię"),  QStringLiteral("dwudzi"),
      QStringLiteral("dwadzie"), QStringLiteral("trzydzie"), QStringLiteral("tysią"),
      QStringLiteral("milion"),  QStringLiteral("pierwsz"),  QStringLiteral("drugi"),
      QStringLiteral("trzeci"),  QStringLiteral("trzech"),   QStringLiteral("trzej")};
  return std::any_of(starts.begin(), starts.end(),
                     [&](const QString& s) { return key.startsWith(s); }) ||
         key.endsWith(u"naście") || key.endsWith(u"nastu") || key.endsWith(u"dziesiąt");
}

// What naming an answer takes: all of its words of five letters or more, in any of their
// forms, and its shorter words and numbers as they are ("Z jeziora Tana" is not named by a lake,
// "3 minuty" not by minutes, "Mieszko I" not by "Mieszko II"). Short words in lower case and the
// answer's first, if short, are the sentence's ("W siatkówce"); an answer without a long word
// names nothing.
struct Keys {
  std::vector<Word> inflected;
  std::vector<Word> exact;
};

Keys keysOf(const QString& answer) {
  Keys keys;
  const std::vector<Word> words = wordsOf(answer);
  for (size_t i = 0; i < words.size(); ++i) {
    const Word& w = words[i];
    const bool letters = w.key[0].isLetter();
    if (letters && w.key.size() >= MinLetters) {
      if (!isNumeral(w.key)) keys.inflected.push_back(w);
    } else if (!letters || w.key.size() > 2 || (i > 0 && w.text[0].isUpper())) {
      keys.exact.push_back(w);
    }
  }
  if (keys.inflected.empty()) keys.exact.clear();
  return keys;
}

// A capital letter is kept: "Temperaturę" is not named by "w temperaturze", nor "Mieszko" by
// "mieszkali".
bool names(const Word& text, const Word& key, bool exact) {
  if (key.text[0].isUpper() && !text.name) return false;
  return exact ? text.key == key.key : sameWord(key.key, text.key);
}

struct Asked {
  int level;
  int number;
  std::vector<Word> words;

  // The text's word that names the key, if any.
  const Word* naming(const Word& key, bool exact) const {
    for (const Word& w : words)
      if (names(w, key, exact)) return &w;
    return nullptr;
  }
};

}  // namespace

std::vector<Giveaway> findGiveaways(const std::vector<std::vector<StoredQuestion>>& levels) {
  std::vector<Asked> asked;
  for (size_t l = 0; l < levels.size(); ++l)
    for (size_t n = 0; n < levels[l].size(); ++n)
      asked.push_back({int(l + 1), int(n + 1), wordsOf(levels[l][n].text)});
  // The texts with a word, by its first four letters: the few worth a closer look.
  QHash<QString, QSet<size_t>> byStart;
  for (size_t q = 0; q < asked.size(); ++q)
    for (const Word& w : asked[q].words) byStart[w.key.left(4)].insert(q);

  std::vector<Giveaway> out;
  for (size_t a = 0; a < asked.size(); ++a) {
    const StoredQuestion& q = levels[size_t(asked[a].level - 1)][size_t(asked[a].number - 1)];
    if (q.correct < 1 || q.correct > 4) continue;
    const Keys keys = keysOf(q.answers[size_t(q.correct - 1)]);
    if (keys.inflected.empty()) continue;
    std::vector<Giveaway> found;
    for (size_t t : byStart.value(keys.inflected[0].key.left(4))) {
      const Word* first = asked[t].naming(keys.inflected[0], false);
      auto named = [&](const Word& key, bool exact) { return asked[t].naming(key, exact); };
      if (t == a || !first ||
          !std::all_of(keys.inflected.begin(), keys.inflected.end(),
                       [&](const Word& k) { return named(k, false); }) ||
          !std::all_of(keys.exact.begin(), keys.exact.end(),
                       [&](const Word& k) { return named(k, true); }))
        continue;
      found.push_back(
          {asked[t].level, asked[t].number, asked[a].level, asked[a].number, first->text});
    }
    if (found.size() <= CommonAbove) out.insert(out.end(), found.begin(), found.end());
  }
  std::sort(out.begin(), out.end(), [](const Giveaway& x, const Giveaway& y) {
    return std::tie(x.level, x.number, x.answerLevel, x.answerNumber) <
           std::tie(y.level, y.number, y.answerLevel, y.answerNumber);
  });
  return out;
}

QString describe(const Giveaway& g) {
  return QStringLiteral("[%1] names „%2”, the answer to [%3]")
      .arg(questionSection(g.number, g.level), g.word,
           questionSection(g.answerNumber, g.answerLevel));
}
