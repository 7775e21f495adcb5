#pragma once

#include <QImage>

// Draw functions of the picture table, one source file per picture or family.
namespace picgen {

void drawMenuBackground(QImage& canvas);  // MenuBackground.cpp
void drawProfilesBackground(QImage& canvas);
void drawMenuButton(QImage& canvas);  // MenuButton.cpp
void drawBorderTile(QImage& canvas);  // BorderTile.cpp
void drawHostTense(QImage& canvas);   // HostPictures.cpp
void drawHostResting(QImage& canvas);
void drawHostPresenting(QImage& canvas);
void drawHostDelighted(QImage& canvas);
void drawGameBackground(QImage& canvas);    // GameBackground.cpp
void drawAnswerFrame(QImage& canvas);       // AnswerFrame.cpp
void drawWinBanner(QImage& canvas);         // WinBanner.cpp
void drawFiftyFiftyButton(QImage& canvas);  // LifelineButtons.cpp
void drawPhoneButton(QImage& canvas);
void drawAudienceButton(QImage& canvas);
void drawPhonePanel(QImage& canvas);       // PhonePanel.cpp
void drawFriendInfoPanel(QImage& canvas);  // FriendInfoPanel.cpp
void drawAudienceChart(QImage& canvas);    // AudienceChart.cpp
void drawFriendFace1(QImage& canvas);      // FriendPortraits.cpp
void drawFriendFace2(QImage& canvas);
void drawFriendFace3(QImage& canvas);
void drawFriendFace4(QImage& canvas);
void drawOwnRecordsMark(QImage& canvas);  // RecordsMarks.cpp
void drawOverallRecordsMark(QImage& canvas);
void drawStatsMark(QImage& canvas);
void drawFullBin(QImage& canvas);  // RecycleBin.cpp
void drawEmptyBin(QImage& canvas);

}  // namespace picgen
