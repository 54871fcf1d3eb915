#include "artwork.h"
#include "pictures.h"

#include <array>

QImage drawBoardPicture(int number)
{
    using Drawing = QImage (*)();
    static constexpr std::array<Drawing, boardPictureCount> drawings = {
        drawFarm,     drawCoralReef, drawSpace,     drawCastle,     drawRainbowMeadow,
        drawDinosaur, drawSavanna,   drawBalloons,  drawTrain,      drawLighthouse,
        drawSnowman,  drawSailboat,  drawPenguins,  drawFireEngine, drawAeroplane,
        drawOwl,      drawPirateShip, drawGarden,   drawCircus,     drawDesert,
    };
    return drawings.at(size_t(number))();
}
