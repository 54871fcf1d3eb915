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

QSize twipsToPixels(const QSize &twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

QPoint twipsToPixels(const QPoint &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}
