#pragma once

#include <QImage>

// The twenty board pictures, one function each, grouped by theme into files.

QImage drawFarm();
QImage drawCoralReef();
QImage drawSpace();
QImage drawCastle();
QImage drawRainbowMeadow();
QImage drawDinosaur();
QImage drawSavanna();
QImage drawBalloons();
QImage drawTrain();
QImage drawLighthouse();
QImage drawSnowman();
QImage drawSailboat();
QImage drawPenguins();
QImage drawFireEngine();
QImage drawAeroplane();
QImage drawOwl();
QImage drawPirateShip();
QImage drawGarden();
QImage drawCircus();
QImage drawDesert();
