#include "geometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

int twipsToPixels(int twips)
{
    return qRound(twips * logicalDpi() / 1440.0);
}

QSize twipsToPixels(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

QPoint twipsToPixels(const QPoint &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

QRect twipsToPixels(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
