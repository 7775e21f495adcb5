#include "tools/questions/Giveaways.h"

#include <QHash>
#include <QRegularExpression>
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

// Polish case endings, "ó" as "o"; no ending at all is one too.
bool isEnding(QStringView tail) {
  static const QStringList endings =
      QStringLiteral(
          "a e i o u y ą ę em om ie ii ią ię iu ow owi owie ami ach ego emu ej ym im ich "
          "ych mi iem iego iej iemu ymi imi iach iami")
          .split(u' ');
  return tail.isEmpty() || endings.contains(tail);
}

// The answer's word as it stands and as it shortens before an ending: without its last "e"
// ("Puchatek", "Puchatka"; "Mazurek", "Mazurka") and with a soft consonant spelt with "i"
// ("Kubuś", "Kubusia"; "Poznań", "Poznaniu").
QStringList stemsOf(const QString& key) {
  static const QRegularExpression fleetingE(QStringLiteral("^(.{3,})i?e([kcłnr])$"));
  static const QString soft = QStringLiteral("śćńź"), plain = QStringLiteral("scnz");
  QStringList stems{key};
  if (const auto m = fleetingE.match(key); m.hasMatch()) stems << m.captured(1) + m.captured(2);
  if (const qsizetype i = soft.indexOf(key.back()); i >= 0)
    stems << key.chopped(1) + plain[i] + u'i';
  return stems;
}

// One word in two of its forms: a shared beginning of four letters or more, after which each
// has a case ending or nothing ("Wokulski" and "Wokulskiego", "Jackiem" and "Jacka",
// "Jagiellonowie" and "Jagiellonów"; not "Oktawa" and "Oktawiana").
bool sameWord(const QString& answer, const QString& text) {
  const QStringList stems = stemsOf(answer);
  return std::any_of(stems.begin(), stems.end(), [&](const QString& stem) {
    qsizetype p = 0;
    while (p < stem.size() && p < text.size() && stem[p] == text[p]) ++p;
    return p >= 4 && isEnding(QStringView(stem).mid(p)) && isEnding(QStringView(text).mid(p));
  });
}

// Numbers in words are asked often and name nothing: "Cztery" strings, "Turniej Czterech
// Skoczni". A word made with one ("Czteroletni") is no number.
bool isNumeral(const QString& key) {
  static const QRegularExpression numeral(QStringLiteral(
      "^(czter(y|ech|ej|em|ema)|pięć|sześć|siedem|osiem|dziewięć|dziesięć|"
      "(pięci|sześci|siedmi|ośmi|dziewięci|dziesięci)(u|oma)|\\w*(naście|nastu|dzieścia|"
      "dzieści|dziesiąt|dziesięciu|set)|tysi(ąc|ące|ęcy)|milion(y|ow)?|trz(y|ech|ej|em)|"
      "dw(a|ie|och|oma))$"));
  return numeral.match(key).hasMatch();
}

// What naming an answer takes: all of its words in any of their forms, and its numbers and
// words of up to three letters as they are ("Z jeziora Tana" is not named by a lake, "3 minuty"
// not by minutes, "Mieszko I" not by "Mieszko II"). Short words in lower case and the answer's
// first, if short, are the sentence's ("W siatkówce"); an answer without a word of five letters
// or more names nothing.
struct Keys {
  std::vector<Word> inflected;
  std::vector<Word> exact;
};

Keys keysOf(const QString& answer) {
  Keys keys;
  const std::vector<Word> words = wordsOf(answer);
  bool named = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const Word& w = words[i];
    if (w.key[0].isLetter() && w.key.size() >= 4) {
      if (isNumeral(w.key)) continue;
      named |= w.key.size() >= MinLetters;
      keys.inflected.push_back(w);
    } else if (!w.key[0].isLetter() || w.key.size() > 2 || (i > 0 && w.text[0].isUpper())) {
      keys.exact.push_back(w);
    }
  }
  if (!named) keys = {};
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
