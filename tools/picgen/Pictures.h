#pragma once

#include <QImage>

// Draw functions of the picture table, one source file per picture or family.
namespace picgen {

void drawMenuBackground(QImage& canvas);  // MenuBackground.cpp
void drawMenuButton(QImage& canvas);      // MenuButton.cpp
void drawBorderTile(QImage& canvas);      // BorderTile.cpp
void drawHostTense(QImage& canvas);       // HostPictures.cpp
void drawHostResting(QImage& canvas);
void drawHostPresenting(QImage& canvas);
void drawHostDelighted(QImage& canvas);
void drawGameBackground(QImage& canvas);  // GameBackground.cpp
void drawAnswerFrame(QImage& canvas);     // AnswerFrame.cpp
void drawWinBanner(QImage& canvas);       // WinBanner.cpp

}  // namespace picgen
