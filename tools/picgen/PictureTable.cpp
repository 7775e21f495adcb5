#include "PictureTable.h"

#include <array>

#include "Pictures.h"

namespace picgen {

namespace {

constexpr std::array kPictures{
    Picture{"imgMenuTlo", 790, 425, drawMenuBackground},
    Picture{"imgPTlo", 790, 425, drawProfilesBackground},
    Picture{"imgMB", 162, 31, drawMenuButton},
    Picture{"imgBGp", 87, 88, drawBorderTile},
    Picture{"imgTm1", 442, 259, drawHostTense},
    Picture{"imgTm2", 442, 259, drawHostResting},
    Picture{"imgTm3", 442, 259, drawHostPresenting},
    Picture{"imgTm4", 442, 259, drawHostDelighted},
    Picture{"imgGraTlo", 790, 425, drawGameBackground},
    Picture{"imgRamka", 610, 163, drawAnswerFrame},
    Picture{"imgWin", 613, 89, drawWinBanner},
    Picture{"imgKomp", 50, 28, drawFiftyFiftyButton},
    Picture{"imgTel", 51, 28, drawPhoneButton},
    Picture{"imgPub", 51, 28, drawAudienceButton},
    Picture{"imgTelBG", 269, 101, drawPhonePanel},
    Picture{"imgTInfoBG", 253, 149, drawFriendInfoPanel},
    Picture{"imgWykres", 149, 157, drawAudienceChart},
    Picture{"imgFace1", 79, 82, drawFriendFace1},
    Picture{"imgFace2", 79, 82, drawFriendFace2},
    Picture{"imgFace3", 79, 82, drawFriendFace3},
    Picture{"imgFace4", 79, 82, drawFriendFace4},
    Picture{"imgRPuchW", 341, 297, drawOwnRecordsMark},
    Picture{"imgRPuchO", 341, 297, drawOverallRecordsMark},
    Picture{"imgSTlo", 341, 297, drawStatsMark},
    Picture{"imgKoszPelny", 199, 40, drawFullBin},
    Picture{"imgKoszPusty", 199, 40, drawEmptyBin},
};

}  // namespace

std::span<const Picture> pictures() { return kPictures; }

const Picture* findPicture(std::string_view name) {
  for (const Picture& picture : kPictures)
    if (name == picture.name) return &picture;
  return nullptr;
}

QImage render(const Picture& picture) {
  QImage canvas(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::black);
  picture.draw(canvas);
  // A draw function may replace the canvas; the screen needs the exact size regardless.
  if (canvas.size() != QSize(picture.width, picture.height))
    canvas = canvas.copy(0, 0, picture.width, picture.height);
  return canvas.convertToFormat(QImage::Format_RGB32);
}

}  // namespace picgen
