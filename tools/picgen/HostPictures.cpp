// imgTm1 .. imgTm4, 442 x 259: Tolmir at his desk above the question, one picture per
// pose. The game swaps them during a question, so everything but the pose stays put.
#include <QPainter>

#include "Host.h"
#include "HostScene.h"
#include "Painting.h"
#include "Pictures.h"

namespace picgen {

namespace {

constexpr QPointF kHead{221, 62};
constexpr QRectF kHostArea{106, 0, 230, 230};
constexpr QRectF kDeskTop{96, 212, 250, 9};

void drawHostPicture(QImage& canvas, int pose) {
  paintHostStudio(canvas, kHead);
  {
    QPainter p(&canvas);
    drawHost(p, kHostArea, pose);
  }
  paintHostDesk(canvas, kDeskTop);
  addGrain(canvas, 900 + static_cast<std::uint32_t>(pose), 2);
}

}  // namespace

void drawHostTense(QImage& canvas) { drawHostPicture(canvas, HostTense); }
void drawHostResting(QImage& canvas) { drawHostPicture(canvas, HostResting); }
void drawHostPresenting(QImage& canvas) { drawHostPicture(canvas, HostPresenting); }
void drawHostDelighted(QImage& canvas) { drawHostPicture(canvas, HostDelighted); }

}  // namespace picgen
