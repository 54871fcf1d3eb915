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
