#include "game/ResultPage.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>

#include "ui/DarkPanel.h"
#include "ui/SymbolFonts.h"
#include "ui/Theme.h"
#include "ui/widgets/TextLabel.h"

namespace {

// Placed in the panels of the menu's background around the movie (195, 87, 409 x 301): the
// record holder and the trophy in the left column above the way back, the amount won, the
// outcome and the duration in the right column.
struct LabelLayout {
  const char* name;
  const char* caption;
  QRect geometry;
  int pixelSize;
  bool serif;
  bool orange;
  bool opaque;
  Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

const LabelLayout kLabels[] = {
    {"lblLRecT", "Rekordzista:", {10, 100, 160, 30}, 27, true, true, false, kLeft},
    {"lblLRec", "", {10, 130, 160, 30}, 27, true, false, false, kLeft},
    {"lblLPozT", "Rekord:", {10, 168, 160, 30}, 27, true, true, false, kLeft},
    {"lblLPoz", "", {10, 198, 160, 30}, 27, true, false, false, kLeft},
    {"lblWonCashT", "Twoja wygrana to:", {570, 104, 212, 30}, 27, true, true, false, kCentre},
    {"lblWonCash", "", {574, 140, 204, 132}, 53, false, false, true, kCentre},
    {"lblStatus", "", {574, 290, 204, 34}, 27, true, false, true, kCentre},
    {"lblTime", "", {574, 330, 204, 34}, 27, true, false, true, kCentre},
};

TextLabel* makeLabel(QWidget* page, const LabelLayout& layout) {
  auto* label =
      new TextLabel(page, QString::fromLatin1(layout.name), QString::fromUtf8(layout.caption));
  label->setGeometry(layout.geometry);
  label->setFont(
      theme::font(layout.serif ? "Times New Roman" : "Arial", layout.pixelSize, !layout.serif));
  label->setColour(layout.orange ? theme::Orange : Qt::white);
  label->setAlignment(layout.alignment);
  if (layout.opaque) {
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::black);
    label->setPalette(pal);
  }
  return label;
}

}  // namespace

ResultPage::ResultPage(QWidget* page) {
  TextLabel* made[std::size(kLabels)];
  for (size_t i = 0; i < std::size(kLabels); ++i) made[i] = makeLabel(page, kLabels[i]);
  lblLRec = made[1];
  lblLPoz = made[3];
  lblWonCashT = made[4];
  lblWonCash = made[5];
  lblWonCash->setWordWrap(true);
  lblStatus = made[6];
  lblTime = made[7];

  rysPuchar = new TextLabel(page, QStringLiteral("rysPuchar"));
  rysPuchar->setGeometry(10, 234, 160, 114);
  rysPuchar->setAlignment(Qt::AlignCenter);
  rysPuchar->setColour(Qt::white);
  rysPuchar->hide();

  pnLName = makeDarkPanel(page, "pnLName", QRect(225, 178, 350, 104));
  auto* caption = new TextLabel(pnLName, QStringLiteral("lblLName"),
                                QString::fromUtf8("Podaj swoje imię do listy rekordów:"));
  caption->setGeometry(12, 8, 326, 20);
  caption->setFont(theme::panelFont());
  caption->setColour(theme::Orange);
  edtLName = makeDarkField(pnLName, "edtLName", QRect(12, 32, 326, 26), 18);
  btnLOk = makePanelButton(pnLName, "btnLOk", "OK", QRect(135, 68, 80, 26));
  pnLName->hide();
}

void ResultPage::fitText(TextLabel* label, const QString& caption, int largestPixelSize) {
  // The largest size up to the layout's at which every word fits the label's width and the
  // wrapped lines its height: a long name or "1 MILION dolarów" stays whole.
  QFont font = label->font();
  const QString shown = TextLabel::shownText(caption);
  for (int size = largestPixelSize; size > 10; --size) {
    font.setPixelSize(size);
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width() - 6, 10000),
                                              Qt::TextWordWrap | Qt::AlignCenter, shown);
    bool wordsFit = true;
    for (const QString& word : shown.split(u' ', Qt::SkipEmptyParts))
      wordsFit = wordsFit && metrics.horizontalAdvance(word) <= label->width() - 6;
    if (wordsFit && needed.height() <= label->height()) break;
  }
  label->setFont(font);
  label->setCaption(caption);
}

void ResultPage::showTrophy(QChar glyph) {
  const SymbolGlyph trophy = symbolGlyph(QStringLiteral("Webdings"), glyph, 100);
  rysPuchar->setFont(trophy.font);
  rysPuchar->setCaption(TextLabel::literal(trophy.text));
  rysPuchar->show();
}
