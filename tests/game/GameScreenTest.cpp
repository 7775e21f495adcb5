#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <algorithm>

#include "tests/game/ExpectedHostLines.h"
#include "tests/support/PlayHarness.h"
#include "ui/widgets/PictureBox.h"

// A picture of text as rows of '#' and '.', to see what was drawn instead.
static void PrintTo(const QImage& image, std::ostream* os) {
  for (int y = 0; y < image.height(); ++y) {
    *os << '\n';
    for (int x = 0; x < image.width(); ++x) *os << (qGray(image.pixel(x, y)) > 127 ? '#' : '.');
  }
}

// What the player reads around the question (the amount banner, the host's line, the ladder)
// and the lock-key lights.
namespace {

using GameScreenTest = PlayHarness;

// The amount of each ladder step as the banner and the ladder show it.
const char16_t* const kWon[15] = {u"100 $",     u"200 $",     u"300 $",     u"500 $",
                                  u"1 000 $",   u"2 000 $",   u"4 000 $",   u"8 000 $",
                                  u"16 000 $",  u"32 000 $",  u"64 000 $",  u"125 000 $",
                                  u"250 000 $", u"500 000 $", u"1 MILION $"};

QString won(int level) { return QString::fromUtf16(kWon[level - 1]); }

TEST_F(GameScreenTest, EachCorrectAnswerShowsItsAmountAndTheGuaranteedStepsSayWygrana) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  for (int step = 1; step <= 15; ++step) {
    const size_t from = pacing->pauses.size();
    answer(correct());
    const QString banner =
        step == 5 || step == 10 ? QStringLiteral("WYGRANA ") + won(step) : won(step);
    QStringList expected{QString()};                       // the suspense
    for (int i = 0; i < 7; ++i) expected << banner;        // the three blinks and the green second
    if (step < 15) expected << QStringList(5, QString());  // the next question comes without it
    EXPECT_EQ(bannersSince(from), expected) << "level " << step;
  }
  EXPECT_EQ(main().shownPage(), u"tsAnim");
}

// Tolmir's line before each question is one of the six of its level, and the lines that name a
// letter name the answer that was lit green a moment before, not the new question's.
TEST_F(GameScreenTest, TheHostSpeaksALineOfItsLevelNamingThePreviousAnswer) {
  services.setRandomSeed(2026);
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  bool namedAnOlderLetter = false;
  for (int game = 0; game < 3 || (game < 40 && !namedAnOlderLetter); ++game) {
    const size_t start = pacing->pauses.size();
    play();
    for (size_t i = start; i < seen.size(); ++i) {
      EXPECT_TRUE(seen[i].banner.isEmpty()) << "the last game's " << qPrintable(seen[i].banner);
      EXPECT_TRUE(seen[i].speech.isEmpty())
          << "before the first question " << qPrintable(seen[i].speech);
    }
    for (int step = 1; step < 15; ++step) {
      const size_t from = pacing->pauses.size();
      answer(correct());
      ASSERT_GE(seen.size(), from + 13);
      const QString previous = seen[from + 1].green;
      ASSERT_EQ(previous.size(), 1);
      const QString line = seen[from + 8].speech;
      const auto lines = expectedHostLines(step + 1);
      const auto said = std::find_if(lines.begin(), lines.end(), [&](QString text) {
        return QStringLiteral("<Tolmir> ") + text.replace(QStringLiteral("%s"), previous) == line;
      });
      ASSERT_NE(said, lines.end()) << "level " << step + 1 << ": " << qPrintable(line);
      QStringList shown;
      for (size_t i = from; i < seen.size(); ++i) shown << seen[i].speech;
      EXPECT_EQ(shown, QStringList(8, QString()) + QStringList(5, line))
          << "said before the question, through its reveal";
      // A line of 82 characters or more takes a second line, growing the strip upwards.
      EXPECT_EQ(seen[from + 8].speechTop, line.size() < 82 ? 241 : 221) << qPrintable(line);
      EXPECT_EQ(seen[from + 8].speechColour, QColor(Qt::black)) << "Tolmir speaks in black";
      EXPECT_TRUE(page().lblSlowa->isHidden()) << "gone once the answers are out";
      const QString fresh = QString(QChar(u'A' + correct() - 1));
      if (said->contains(QStringLiteral("%s")) && fresh != previous) namedAnOlderLetter = true;
    }
    answer(wrong());
    click(QStringLiteral("lblBack"));
  }
  EXPECT_TRUE(namedAnOlderLetter) << "no game named a letter that had changed since";
}

// One row of the ladder picture as it is drawn: its fill, the colours of its number and amount,
// the amount's pixels cut to their bounds, and whether a mark stands between them.
struct DrawnRow {
  QColor fill;
  QSet<QRgb> numberColours;
  QSet<QRgb> amountColours;
  QImage amount;
  bool marked = false;
};

QImage cut(const QImage& image, QRgb background) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) bounds |= QRect(x, y, 1, 1);
  QImage mask(bounds.size(), QImage::Format_RGB32);
  for (int y = 0; y < bounds.height(); ++y)
    for (int x = 0; x < bounds.width(); ++x)
      mask.setPixel(x, y, image.pixel(bounds.x() + x, bounds.y() + y) == background ? 0 : ~0u);
  return mask;
}

DrawnRow readRow(const QImage& ladder, int level) {
  const int top = 35 + 19 * (16 - level);
  const QImage band = ladder.copy(20, top, ladder.width() - 20, 19);
  QHash<QRgb, int> counts;
  for (int y = 0; y < band.height(); ++y)
    for (int x = 0; x < band.width(); ++x) ++counts[band.pixel(x, y)];
  DrawnRow row;
  QRgb fill = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it.value() > counts.value(fill, -1)) fill = it.key();
  row.fill = QColor(fill);
  auto colours = [&](int from, int to) {
    QSet<QRgb> found;
    for (int y = 0; y < band.height(); ++y)
      for (int x = from; x < to; ++x)
        if (band.pixel(x, y) != fill) found.insert(band.pixel(x, y) | 0xFF000000u);
    return found;
  };
  // Numbers stand left of x 44, the marks at 50, the amounts from about 80 on.
  row.numberColours = colours(0, 24);
  row.marked = !colours(26, 46).isEmpty();
  row.amountColours = colours(48, band.width());
  row.amount = cut(band.copy(48, 0, band.width() - 48, band.height()), fill);
  return row;
}

// The amount as the ladder's face (Times New Roman, 13 points, bold) draws it, cut to its bounds.
QImage amountDrawn(const QString& text) {
  QImage image(200, 30, QImage::Format_RGB32);
  image.fill(Qt::black);
  QFont font = theme::font("Times New Roman", 17, true);
  font.setStyleStrategy(QFont::NoAntialias);
  QPainter p(&image);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(4, 4 + QFontMetrics(font).ascent(), text);
  p.end();
  return cut(image, QColor(Qt::black).rgb());
}

TEST_F(GameScreenTest, TheLadderShowsEveryAmountAndLightsTheStepWon) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  const QRgb black = QColor(Qt::black).rgb();
  for (int step : {1, 2, 6, 7, 11, 15}) {
    climbTo(step);
    const QImage ladder = page().imgRight->picture().convertToFormat(QImage::Format_RGB32);
    for (int l = 1; l <= 15; ++l) {
      const DrawnRow row = readRow(ladder, l);
      const bool lit = l == step - 1;
      const QColor face = l % 5 == 0 ? theme::Ivory : theme::Orange;
      const std::string where = "question " + std::to_string(step) + ", row " + std::to_string(l);
      EXPECT_EQ(row.fill, lit ? theme::Orange : QColor(Qt::black)) << where;
      EXPECT_EQ(row.amountColours, (QSet<QRgb>{lit ? black : face.rgb()})) << where;
      EXPECT_TRUE(row.numberColours.contains(lit ? theme::Ivory.rgb() : face.rgb())) << where;
      EXPECT_EQ(row.marked, l <= step - 1) << where << ": the won step and those below";
      EXPECT_EQ(row.amount, amountDrawn(won(l))) << where << " shows " << qPrintable(won(l));
    }
  }
}

TEST_F(GameScreenTest, TheLockLightsComeBackWhenTheGameEnds) {
  desktop.locks = {1, 0, 1};
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  desktop.locks = {0, 1, 0};  // the lifelines' lights during the game
  answer(wrong());
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{1, 0, 1}));
}

TEST_F(GameScreenTest, AGameCutShortGivesTheLightsBackAtShutdown) {
  desktop.locks = {1, 0, 1};
  startAs(QStringLiteral("Jan"), janData());
  play();
  desktop.locks = {0, 1, 0};
  shell.FormDestroy();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{1, 0, 1}));
}

TEST_F(GameScreenTest, AfterTheGameTheLightsAreLeftAlone) {
  desktop.locks = {1, 0, 1};
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  answer(wrong());
  desktop.locks = {0, 0, 1};  // the player's own change after the game
  shell.FormDestroy();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 1}));
}

}  // namespace
