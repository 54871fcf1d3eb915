#pragma once

#include <QImage>

// Every picture of the program, drawn from code so that it can be regenerated and
// reviewed like any other source.

QImage drawLogo();
QImage drawDefaultBoard();
QImage drawSum();
QImage drawIcon(int size);
QImage drawHand();
QImage drawSchoolLogo();

// The pictures the program loads from its Bilder folder, numbered from 0.
inline constexpr int boardPictureCount = 20;
QImage drawBoardPicture(int number);
