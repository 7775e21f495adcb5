#include "lifelines/AudienceChart.h"

#include <QFrame>

#include "game/GameProgress.h"
#include "lifelines/AudienceShares.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "questions/Question.h"
#include "ui/InputGate.h"
#include "ui/Pacing.h"
#include "ui/Pictures.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

constexpr int kCrowdMs = 3800;
constexpr int kPassMs = 5;

// Each percentage is centred over its bar and as wide as "100%" needs, no wider: the labels
// must not reach into each other.
struct BarLayout {
  QRect label;
  int barLeft;
};
constexpr BarLayout kBars[] = {
    {{12, 8, 31, 15}, 17}, {{44, 8, 31, 15}, 49}, {{78, 8, 31, 15}, 83}, {{110, 8, 31, 15}, 115}};
constexpr int kBarWidth = 21;
// The top right corner belongs to the last percentage; the close button stands under the
// foot, beside the last letter.
constexpr QRect kClose{138, 144, 12, 12};

}  // namespace

AudienceChart::AudienceChart(Needs needs) : m_(std::move(needs)) {
  pnPubl = new QFrame(m_.form.tsGra);
  pnPubl->setObjectName(QStringLiteral("pnPubl"));
  pnPubl->setGeometry(436, 12, 153, 160);
  pnPubl->setFrameShape(QFrame::Box);
  pnPubl->setLineWidth(2);
  pnPubl->setAutoFillBackground(true);
  QPalette pal = pnPubl->palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, theme::PanelBlue);
  pnPubl->setPalette(pal);
  auto* chart = new PictureBox(pnPubl, QStringLiteral("imgWykres"));
  chart->setGeometry(2, 2, 149, 157);
  chart->setPictureSource([] { return gamePicture("imgWykres"); });
  for (size_t n = 0; n < 4; ++n) {
    auto* bar = new QWidget(pnPubl);
    bar->setObjectName(QStringLiteral("sh%1").arg(n + 1));
    bar->setGeometry(kBars[n].barLeft, 22, kBarWidth, 115);
    bar->setAutoFillBackground(true);
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, theme::Green);
    bar->setPalette(barPalette);
    bar->hide();
    sh[n] = bar;
    auto* label = new TextLabel(pnPubl, QStringLiteral("lblP%1").arg(n + 1));
    label->setGeometry(kBars[n].label);
    label->setFont(theme::font("Arial", 11, true));
    label->setColour(Qt::black);  // on the chart's orange tags
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->hide();
    lblP[n] = label;
  }
  btnClosePub = new TextLabel(pnPubl, QStringLiteral("btnClosePub"), QStringLiteral("X"));
  btnClosePub->setGeometry(kClose);
  btnClosePub->setFont(theme::font("Arial", 11, true));
  btnClosePub->setColour(Qt::white);
  btnClosePub->setAlignment(Qt::AlignCenter);
  btnClosePub->setCursor(Qt::PointingHandCursor);
  btnClosePub->setToolTip(QString::fromUtf8("Schowaj wyniki publiczności."));
  QObject::connect(btnClosePub, &TextLabel::clicked, [this] { hide(); });
  pnPubl->hide();
}

void AudienceChart::hide() { pnPubl->hide(); }

void AudienceChart::imgPubClick() {
  const bool sound = m_.flags.Dzw;
  m_.gate.setFormEnabled(false);
  for (size_t n = 0; n < 4; ++n) {
    lblP[n]->hide();
    sh[n]->hide();
  }
  pnPubl->show();
  pnPubl->raise();
  if (sound) {
    m_.sound.SetMusic(false);
    m_.sound.StartSound(QStringLiteral("k_pub"));
    m_.sound.WaitSoundStarted();
    m_.sound.StopRepeating();  // the murmur plays once
    if (!sequence::pause(m_.pacing, kCrowdMs) || !sequence::repaint(m_.pacing)) return;
  }
  const std::array<int, 4> shown =
      shownAudience(m_.question.CurrentQuestion, m_.progress.FiftyFiftyUsed);
  for (size_t n = 0; n < 4; ++n) {
    sh[n]->setVisible(shown[n] > 0);
    lblP[n]->setCaption(QString::number(shown[n]) + u'%');
  }
  AudienceBars bars(shown);
  bool grew = true;
  while (grew) {  // the pass that finds every bar grown is paced like the others
    grew = bars.pass();
    for (size_t n = 0; n < 4; ++n)
      sh[n]->setGeometry(kBars[n].barLeft, AudienceBars::Foot - bars.heights[n], kBarWidth,
                         bars.heights[n]);
    if (!sequence::pause(m_.pacing, kPassMs)) return;
  }
  for (TextLabel* label : lblP) label->show();
  if (sound) {
    m_.sound.WaitSoundEnded();
    if (!sequence::goesOn()) return;
    m_.sound.SuspendSound();
    m_.sound.SetMusic(true);
  }
  m_.gate.setFormEnabled(true);
}
