#pragma once

// Where the certificate lands on the printed page, in the printer's units.
struct PrintLayout
{
    float printLeft = 0;
    float printTop = 0;
    float printWidth = 0;
    float printHeight = 0;
};

// Places a picture of proportion pictureAspect (height over width) as large as the
// printable area allows. A page relatively taller than the picture gets it at full
// width, centred down the page; any other page, an equal proportion included, at full
// height, centred across. Every step rounds to single precision, so the branch taken
// at the boundary is the same on every machine.
PrintLayout layoutPrint(float scaleLeft, float scaleTop, float scaleWidth, float scaleHeight, float pictureAspect);
