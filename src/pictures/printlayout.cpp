#include "printlayout.h"

PrintLayout layoutPrint(float scaleLeft, float scaleTop, float scaleWidth, float scaleHeight, float pictureAspect)
{
    PrintLayout layout;
    layout.printWidth = scaleWidth;
    layout.printHeight = scaleHeight;
    const float pageAspect = layout.printHeight / layout.printWidth;
    if (pageAspect > pictureAspect) {
        layout.printHeight = pictureAspect * layout.printWidth;
        layout.printLeft = scaleLeft;
        layout.printTop = (scaleHeight - layout.printHeight) / 2.0F;
    } else {
        layout.printWidth = layout.printHeight / pictureAspect;
        layout.printLeft = (scaleWidth - layout.printWidth) / 2.0F;
        layout.printTop = scaleTop;
    }
    return layout;
}
