#include "stats/StatsPage.h"

#include <QStackedWidget>

#include "players/GameDuration.h"
#include "players/PlayerSession.h"
#include "players/Profile.h"
#include "stats/PlayerStats.h"
#include "ui/Handlers.h"
#include "ui/MessagePanels.h"
#include "ui/Pictures.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

const QColor kCaption(255, 170, 85);
const QColor kValue(45, 150, 255);

TextLabel* makeLabel(QWidget* page, const char* name, const QString& caption, QRect geometry,
                     const QFont& font, const QColor& colour) {
  auto* label = new TextLabel(page, QString::fromLatin1(name), caption);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setColour(colour);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

}  // namespace

StatsPage::StatsPage(Needs needs) : m_(std::move(needs)) {
  build();
  m_.handlers.add(QStringLiteral("btnStatsClick"), [this] { btnStatsClick(); });
}

void StatsPage::build() {
  QWidget* page = m_.form.tsStats;
  page->setAutoFillBackground(true);
  QPalette pal = page->palette();
  pal.setColor(QPalette::Window, Qt::black);
  page->setPalette(pal);

  imgSTlo = new PictureBox(page, QStringLiteral("imgSTlo"));
  imgSTlo->setGeometry(QRect(QPoint(0, 0), m_.form.MenuPages->size()));
  imgSTlo->setPictureSource([] { return gamePicture("imgSTlo"); });

  // The title over its shadow, 3 pixels to the right of it and 2 higher.
  const QFont titleFont = theme::font("Comic Sans MS", 32, true);
  const QString title = QStringLiteral("Statystyki gracza");
  makeLabel(page, "lblSTitleGs", title, QRect(0, 4, 333, 46), titleFont, QColor(0, 128, 192))
      ->setAlignment(Qt::AlignCenter);
  makeLabel(page, "lblSTitleG", title, QRect(3, 2, 333, 46), titleFont, theme::Orange)
      ->setAlignment(Qt::AlignCenter);

  const QFont captionFont = theme::font("Arial", 13, true);
  const QFont valueFont = theme::font("Times New Roman", 16);
  const struct {
    const char* captionName;
    const char* caption;  // UTF-8
    const char* valueName;
    int top;
    TextLabel** value;
  } rows[] = {
      {"lblSumaT", "Suma wszystkich wygranych pieniędzy:", "lblSuma", 54, &lblSuma},
      {"lblIlosT", "Ilość wszystkich zagranych gier:", "lblIlos", 90, &lblIlos},
      {"lblRezyT", "Ilość rezygnacji:", "lblRezy", 126, &lblRezy},
      {"lblPrzeT", "Ilość przegranych gier:", "lblPrze", 162, &lblPrze},
      {"lblMiliT", "Ilość wygranych MILIONÓW:", "lblMili", 198, &lblMili},
      {"lblCzasT", "Czas wszystkich zagranych gier:", "lblCzas", 234, &lblCzas},
  };
  for (const auto& row : rows) {
    makeLabel(page, row.captionName, QString::fromUtf8(row.caption), QRect(9, row.top, 320, 16),
              captionFont, kCaption);
    *row.value =
        makeLabel(page, row.valueName, {}, QRect(10, row.top + 15, 320, 20), valueFont, kValue);
  }
}

void StatsPage::btnStatsClick() {
  const QString& player = m_.session.CurrentPlayer.name;
  if (player == AnonymousName) {
    m_.panels.showError(QString::fromUtf8("Gracz anonimowy nie posiada swoich statystyk."));
    return;
  }
  const PlayerStats s = m_.stats.LoadStats(player);
  lblSuma->setCaption(QString::number(s.TotalWon) + QString::fromUtf8(" dolarów"));
  lblIlos->setCaption(QString::number(s.Games));
  lblRezy->setCaption(QString::number(s.Resigned));
  lblPrze->setCaption(QString::number(s.Lost));
  lblMili->setCaption(QString::number(s.Millions));
  lblCzas->setCaption(longTimeText(s.TotalTime));
  m_.form.showMenuPage(m_.form.tsStats);
  m_.showRecordsSidePanel(false);
}
