#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Twips are 1/1440 inch: 15 twips make one pixel at 96 dots per inch. Each value is
// converted on its own, so a control's width does not depend on where it stands.
int twipsToPixels(int twips);
QSize twipsToPixels(const QSize &twips);
QPoint twipsToPixels(const QPoint &twips);
QRect twipsToPixels(const QRect &twips);
