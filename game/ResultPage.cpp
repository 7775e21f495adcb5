#include "game/ResultPage.h"

#include <QFrame>
#include <QLineEdit>

#include "ui/DarkPanel.h"
#include "ui/SymbolFonts.h"
#include "ui/Theme.h"
#include "ui/widgets/TextLabel.h"

namespace {

// Placed around the movie (195, 87, 409 x 301): the record holder in the left column, the
// amount above the movie, the outcome and the duration in the right column under the trophy.
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
    {"lblLRecT", "Rekordzista:", {8, 6, 180, 30}, 27, true, true, false, kLeft},
    {"lblLRec", "", {8, 36, 186, 30}, 27, true, false, false, kLeft},
    {"lblLPozT", "Rekord:", {8, 76, 180, 30}, 27, true, true, false, kLeft},
    {"lblLPoz", "", {8, 106, 186, 30}, 27, true, false, false, kLeft},
    {"lblWonCashT", "Twoja wygrana to:", {195, 0, 409, 28}, 27, true, true, false, kCentre},
    {"lblWonCash", "", {170, 28, 459, 58}, 53, false, false, true, kCentre},
    {"lblStatus", "", {612, 316, 166, 32}, 27, true, false, true, kCentre},
    {"lblTime", "", {612, 352, 166, 32}, 27, true, false, true, kCentre},
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
  lblStatus = made[6];
  lblTime = made[7];

  rysPuchar = new TextLabel(page, QStringLiteral("rysPuchar"));
  rysPuchar->setGeometry(612, 96, 166, 210);
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

void ResultPage::showTrophy(QChar glyph) {
  const SymbolGlyph trophy = symbolGlyph(QStringLiteral("Webdings"), glyph, 140);
  rysPuchar->setFont(trophy.font);
  rysPuchar->setCaption(TextLabel::literal(trophy.text));
  rysPuchar->show();
}
