#include "artwork.h"

#include <QRect>

#include <array>

// The pointing hand is drawn pixel by pixel, as a cursor must be crisp: the hand's
// inside is white, every transparent pixel touching it edge-on becomes the black
// outline, and one-pixel gaps between the fingers become the lines that part them.
// The outline's top pixel of the index finger is the hot spot (12, 1).
QImage drawHand()
{
    const std::array<QRect, 11> hand = {
        QRect(11, 2, 3, 13),   // index finger
        QRect(15, 9, 3, 6),    // middle finger
        QRect(19, 10, 3, 5),   // ring finger
        QRect(23, 12, 2, 4),   // little finger
        QRect(8, 15, 17, 6),   // palm
        QRect(9, 21, 15, 3),
        QRect(10, 24, 13, 2),
        QRect(11, 26, 11, 4),  // wrist
        QRect(5, 16, 3, 3),    // thumb
        QRect(4, 14, 2, 3),
        QRect(6, 19, 2, 1),
    };
    const auto inside = [&hand](int x, int y) {
        for (const QRect &part : hand) {
            if (part.contains(x, y))
                return true;
        }
        return false;
    };

    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (inside(x, y))
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
            else if (inside(x - 1, y) || inside(x + 1, y) || inside(x, y - 1) || inside(x, y + 1))
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return image;
}
