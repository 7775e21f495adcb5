#include "ui/TBGFrm.h"

#include <QPainter>

#include "ui/Handlers.h"
#include "ui/Pictures.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

TBGFrm::TBGFrm(Handlers& handlers)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_handlers(handlers) {
  setObjectName(QStringLiteral("BGFrm"));
  // Keys typed while this window has the focus act as on the main window.
  setProperty("forwardsKeysToMainFrm", true);
  resize(DesignWidth, DesignHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  imgBG = new PictureBox(this, QStringLiteral("imgBG"));
  imgBGp = new PictureBox(this, QStringLiteral("imgBGp"));
  imgBGp->setGeometry(0, 0, 87, 88);
  imgBGp->setPictureSource([] { return gamePicture("imgBGp"); });
  imgBGp->hide();

  btnClose = new TextLabel(this, QStringLiteral("btnClose"), QStringLiteral("X"));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(17);
  font.setBold(true);
  btnClose->setFont(font);
  btnClose->setColour(Qt::white);
  btnClose->setAlignment(Qt::AlignCenter);
  btnClose->setCursor(Qt::PointingHandCursor);
  btnClose->setToolTip(QString::fromUtf8("Wyjście do Windowsa."));
  btnClose->setGeometry(width() - 20, 0, 16, 22);
  btnClose->hide();
  connect(btnClose, &TextLabel::clicked, m_handlers.runner(QStringLiteral("btnCloseClick")));
}

void TBGFrm::resizeEvent(QResizeEvent*) { imgBG->setGeometry(rect()); }

void TBGFrm::FormShow(platform::ScreenSize screenAtStart) {
  // The second band frames an 800 x 600 screen from below.
  paintBands(screenAtStart.width, DesignHeight - imgBGp->height(), 780);
  imgBG->hide();
}

void TBGFrm::showScene(QSize area) {
  resize(area);
  paintBands(area.width(), area.height() - imgBGp->height(), area.width() - 20);
}

void TBGFrm::paintBands(int bandWidth, int bottomBandTop, int closeLeft) {
  imgBG->setGeometry(rect());
  // Composed when the picture is first shown (after the intro), not during start-up.
  imgBG->setPictureSource([this, size = size(), bandWidth, bottomBandTop] {
    // Black where no tile lies: the same as a see-through picture on the black window, without
    // making a full-screen picture transparent pixel by pixel.
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    const QImage& tile = imgBGp->picture();
    if (!tile.isNull()) {
      QPainter painter(&canvas);
      const int n = bandWidth / tile.width();
      for (int i = 0; i <= n; ++i) {
        painter.drawImage(i * tile.width(), 0, tile);
        painter.drawImage(i * tile.width(), bottomBandTop, tile);
      }
    }
    return canvas;
  });
  btnClose->move(closeLeft, btnClose->y());
}
