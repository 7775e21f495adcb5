#include "game/GamePage.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "game/Ladder.h"
#include "game/Speech.h"
#include "ui/Pictures.h"
#include "ui/SymbolFonts.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

// The orange rounded strip behind the speech text.
class SpeechShape : public QWidget {
 public:
  explicit SpeechShape(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shpSlowa"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::Orange);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  }
};

struct AnswerLayout {
  const char* box;
  QRect boxRect;
  const char* tile;
  QRect tileRect;
  const char* label;
  QRect labelRect;
  std::array<QPoint, 6> hexagon;  // in box pixels
};

constexpr char kLetters[] = "ABCD";

const AnswerLayout kAnswers[] = {
    {"imgDa",
     {44, 335, 244, 32},
     "imgA",
     {49, 338, 31, 26},
     "lblA",
     {80, 334, 199, 31},
     {{{0, 14}, {10, 1}, {232, 0}, {243, 14}, {232, 30}, {11, 30}}}},
    {"imgDb",
     {316, 333, 244, 34},
     "imgB",
     {319, 338, 31, 25},
     "lblB",
     {351, 335, 204, 30},
     {{{0, 15}, {11, 2}, {232, 2}, {243, 15}, {231, 31}, {11, 31}}}},
    {"imgDc",
     {43, 375, 245, 34},
     "imgC",
     {49, 381, 31, 26},
     "lblC",
     {80, 377, 199, 32},
     {{{1, 15}, {12, 2}, {235, 2}, {244, 16}, {234, 30}, {12, 31}}}},
    {"imgDd",
     {311, 376, 250, 32},
     "imgD",
     {319, 380, 31, 25},
     "lblD",
     {351, 376, 202, 31},
     {{{4, 14}, {17, 1}, {237, 1}, {248, 14}, {236, 30}, {18, 30}}}},
};

// The screens give some font sizes in points, at the desktop's 96 dots per inch.
int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

// Text drawn on a picture whose white is see-through: smoothing would leave white fringes.
QFont crisp(QFont font) {
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

PictureBox* picture(QWidget* parent, const char* name, QRect geometry) {
  auto* box = new PictureBox(parent, QString::fromLatin1(name));
  box->setGeometry(geometry);
  return box;
}

TextLabel* label(QWidget* parent, const char* name, QRect geometry, const QFont& font,
                 const QColor& colour, const QString& caption = {}) {
  auto* l = new TextLabel(parent, QString::fromLatin1(name), caption);
  l->setGeometry(geometry);
  l->setFont(font);
  l->setColour(colour);
  return l;
}

QImage blankCanvas(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace

GamePage::GamePage(QWidget* page) : m_page(page) {
  auto* backdrop = picture(page, "imgGraTlo", QRect(0, 0, 790, 425));
  backdrop->setPictureSource([] { return gamePicture("imgGraTlo"); });
  for (int pose = 1; pose <= 4; ++pose) {
    const QByteArray name = "imgTm" + QByteArray::number(pose);
    PictureBox* source = picture(page, name.constData(), QRect(611, 23, 179, 372));
    source->setPictureSource([name] { return gamePicture(name.constData()); });
    source->hide();
    imgTm[static_cast<size_t>(pose - 1)] = source;
  }
  imgTolmir = picture(page, "imgTolmir", QRect(78, 9, 442, 259));
  imgTolmir->setStretch(true);
  imgRamka = picture(page, "imgRamka", QRect(-8, 252, 610, 163));
  imgRamka->setPictureSource([] { return gamePicture("imgRamka"); });
  imgRight = picture(page, "imgRight", QRect(611, 23, 179, 372));
  imgRight->setTransparent(true);
  imgRight->setPicture(blankCanvas(imgRight->size()));

  lblPyt =
      label(page, "lblPyt", QRect(52, 269, 501, 50), theme::font("Times New Roman", 17), Qt::white);
  lblPyt->setAlignment(Qt::AlignCenter);
  lblPyt->setWordWrap(true);
  lblPyt->setToolTip(QStringLiteral("Pytanie."));
  buildAnswers();

  imgRez = picture(page, "imgRez", QRect(634, 382, 143, 33));
  imgRez->setCursor(Qt::PointingHandCursor);
  lblRez = label(page, "lblRez", QRect(646, 382, 121, 29), theme::font("Times New Roman", 19),
                 Qt::white, QStringLiteral("Rezygnacja"));
  lblRez->setAlignment(Qt::AlignCenter);
  lblRez->setCursor(Qt::PointingHandCursor);

  buildSpeech();
  buildBanner();
}

void GamePage::buildAnswers() {
  for (int k = 0; k < 4; ++k) {
    const AnswerLayout& layout = kAnswers[k];
    Answer& a = m_answers[static_cast<size_t>(k)];
    const QString hint = QStringLiteral("Kliknij, aby zaznaczyć odpowiedź %1.").arg(kLetters[k]);
    a.box = picture(m_page, layout.box, layout.boxRect);
    a.box->setTransparent(true);
    a.box->setPicture(blankCanvas(layout.boxRect.size()));
    a.tile = picture(m_page, layout.tile, layout.tileRect);
    a.tile->setTransparent(true);
    a.tile->setPicture(blankCanvas(layout.tileRect.size()));
    a.label = label(m_page, layout.label, layout.labelRect, theme::font("Arial", 15), Qt::white);
    a.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    a.label->setWordWrap(true);
    for (QWidget* w : {static_cast<QWidget*>(a.box), static_cast<QWidget*>(a.tile),
                       static_cast<QWidget*>(a.label)}) {
      w->setToolTip(hint);
      w->setCursor(Qt::PointingHandCursor);
    }
    a.box->setTag(k + 1);
    a.tile->setTag(k + 1);
    a.label->setTag(k + 1);
  }
}

void GamePage::buildSpeech() {
  shpSlowa = new SpeechShape(m_page);
  shpSlowa->setGeometry(-1, 241, 611, 21);
  shpSlowa->hide();
  lblSlowa = label(m_page, "lblSlowa", QRect(7, 241, 600, 21),
                   theme::font("Times New Roman", 17, true), Qt::black);
  lblSlowa->setWordWrap(true);
  lblSlowa->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblSlowa->hide();
}

void GamePage::buildBanner() {
  imgWin = picture(m_page, "imgWin", QRect(0, 153, 613, 89));
  imgWin->setPictureSource([] { return gamePicture("imgWin"); });
  imgWin->hide();
  lblWin = label(m_page, "lblWin", QRect(130, 162, 348, 70), theme::font("Serpentine", 49, true),
                 theme::Banner, QStringLiteral("1 MILION $"));
  lblWin->setAlignment(Qt::AlignCenter);
  lblWin->hide();
  lblWin2 = label(m_page, "lblWin2", QRect(130, 151, 348, 33), theme::font("Arial", 20, true),
                  Qt::white, QStringLiteral("WYGRANA"));
  lblWin2->setAlignment(Qt::AlignCenter);
  lblWin2->hide();
}

bool GamePage::highlighted(const QColor& fill) {
  return fill == theme::LightOrange || fill == theme::Orange || fill == theme::Green;
}

void GamePage::PaintAnswerBox(int position, const QColor& colour, bool reset) {
  auto fillHexagon = [this](int k, const QColor& fill) {
    Answer& a = m_answers[static_cast<size_t>(k)];
    a.fill = fill;
    QPainter p(&a.box->canvas());
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(kAnswers[k].hexagon.data(), 6);
  };
  if (reset)
    for (int k = 0; k < 4; ++k)
      if (highlighted(m_answers[static_cast<size_t>(k)].fill)) fillHexagon(k, Qt::white);
  fillHexagon(position - 1, colour);
  for (int k = 1; k <= 4; ++k) DrawAnswerTile(k);
}

void GamePage::DrawAnswerTile(int position) {
  Answer& a = answer(position);
  const bool lit = highlighted(a.fill);
  QImage& canvas = a.tile->canvas();
  canvas.fill(Qt::white);
  QPainter p(&canvas);
  const SymbolGlyph diamond =
      symbolGlyph(QStringLiteral("Wingdings"), QChar(u'u'), pointsToPixels(7));
  p.setFont(crisp(diamond.font));
  p.setPen(lit ? QColor(0xFB, 0xFB, 0xFB) : QColor(0xEC, 0x73, 0x22));
  const QFontMetrics diamondMetrics(p.font());
  p.drawText(QPoint(0, 7 + diamondMetrics.ascent()), diamond.text);
  p.setFont(crisp(theme::font("Arial Black", pointsToPixels(11), true)));
  p.setPen(lit ? QColor(0xFB, 0xFB, 0xFB) : theme::Orange);
  const QFontMetrics letterMetrics(p.font());
  p.drawText(QPoint(11, letterMetrics.ascent()), QString(QChar(kLetters[position - 1])) + u':');
  a.label->setColour(lit ? Qt::black : Qt::white);
}

void GamePage::ShowAnswer(int position, bool show) {
  Answer& a = answer(position);
  a.label->setVisible(show);
  a.tile->setVisible(show);
  a.box->setVisible(show);
}

void GamePage::ShowWinBanner(bool show, const QString& text) {
  lblWin->setCaption(text);
  lblWin->setVisible(show);
  imgWin->setVisible(show);
  if (show) {
    imgWin->raise();
    lblWin2->raise();
    lblWin->raise();
  }
}

void GamePage::showWonCaption(bool show) {
  lblWin2->setVisible(show);
  if (show) lblWin2->raise();
}

void GamePage::placeBanner() {
  imgWin->move(imgWin->x(), 174);
  lblWin->move(lblWin->x(), 184);
  lblWin2->move(lblWin2->x(), 170);
}

void GamePage::DrawLadder(int level) {
  QImage& canvas = imgRight->canvas();
  QPainter p(&canvas);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(0, 0, canvas.width() - 1, canvas.height() - 1);
  const QFont rowFont = crisp(theme::font("Times New Roman", pointsToPixels(13), true));
  const QFontMetrics metrics(rowFont);
  for (const LadderRow& row : ladderRows(level)) {
    p.setFont(rowFont);
    p.setPen(Qt::NoPen);
    p.setBrush(row.fill);
    p.drawRect(20, row.top, 170, 20);
    const QString number = QString::number(row.level);
    const int amountX = row.numberX + metrics.horizontalAdvance(number + QString(10, u' '));
    const int baseline = row.top + metrics.ascent();
    p.setPen(row.text);
    p.drawText(amountX, baseline, AmountText(row.level) + QStringLiteral(" $"));
    if (row.highlighted) {
      p.setPen(Qt::black);
      p.drawText(row.numberX + 1, baseline + 1, number);
    }
    p.setPen(row.numberColour);
    p.drawText(row.numberX, baseline, number);
    if (row.highlighted || row.diamond) {
      const SymbolGlyph mark =
          row.highlighted
              ? symbolGlyph(QStringLiteral("Wingdings"), QChar(0xAA), pointsToPixels(11))
              : symbolGlyph(QStringLiteral("Wingdings"), QChar(u'u'), pointsToPixels(8));
      p.setFont(crisp(mark.font));
      p.setPen(theme::Ivory);
      p.drawText(50, row.top + (row.highlighted ? 2 : 5) + QFontMetrics(p.font()).ascent(),
                 mark.text);
    }
  }
}

void GamePage::SetHostPose(int pose) {
  m_pose = pose;
  imgTolmir->setPicture(imgTm.at(static_cast<size_t>(pose - 1))->picture());
}

void GamePage::ShowSpeech(bool visible, bool oneLine, const QString& text, bool append,
                          const QColor& colour) {
  const SpeechStrip strip = speechStrip(lblSlowa->caption(), text, append, oneLine);
  lblSlowa->setCaption(strip.text);
  for (QWidget* w : {static_cast<QWidget*>(lblSlowa), shpSlowa}) {
    if (w->y() != strip.top || w->height() != strip.height)
      w->setGeometry(w->x(), strip.top, w->width(), strip.height);
  }
  lblSlowa->setColour(colour);
  if (lblSlowa->isVisibleTo(m_page) != visible) {
    shpSlowa->setVisible(visible);
    lblSlowa->setVisible(visible);
  }
  if (visible) {
    shpSlowa->raise();
    lblSlowa->raise();
  }
}

bool GamePage::speechVisible() const { return lblSlowa->isVisibleTo(m_page); }

void GamePage::showResignation(bool show) {
  imgRez->setVisible(show);
  lblRez->setVisible(show);
}

void GamePage::paintResignationFace(const QImage& face) {
  QImage button(imgRez->size(), QImage::Format_RGB32);
  button.fill(Qt::black);
  QPainter(&button).drawImage(-19, 0, face);
  imgRez->setPicture(button);
}
