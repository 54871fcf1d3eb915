#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage drawLogo()
{
    QImage image(200, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QFont font(QStringLiteral("Comic Neue"), 48, QFont::Bold);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Zorbel"));

    // Fit the word into the picture with room for the outline, keeping its proportions.
    const QRectF bounds = word.boundingRect();
    const QRectF target(8, 6, 184, 68);
    const qreal scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform fit;
    fit.translate(target.center().x(), target.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    word = fit.map(word);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.translate(2, 3);
    painter.fillPath(word, QColor(0, 0, 80, 70));
    painter.translate(-2, -3);

    QLinearGradient fill(0, target.top(), 0, target.bottom());
    fill.setColorAt(0.0, QColor(110, 180, 255));
    fill.setColorAt(0.55, QColor(30, 110, 230));
    fill.setColorAt(1.0, QColor(20, 70, 190));
    painter.setPen(QPen(QColor(10, 30, 110), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(word);
    return image;
}
