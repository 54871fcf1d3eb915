#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The three glyphs of "1+2", each fitted into its own third of the width so that they
// stay legible down to the smallest icon.
void drawOnePlusTwo(QPainter &painter, const QRectF &area, QColor digits, QColor plus, QColor edge, qreal edgeWidth)
{
    const QFont font(QStringLiteral("Comic Neue"), 100, QFont::Bold);
    const QString glyphs[] = {QStringLiteral("1"), QStringLiteral("+"), QStringLiteral("2")};
    const qreal widths[] = {0.3, 0.36, 0.34};
    qreal left = area.left();
    for (int i = 0; i < 3; ++i) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, glyphs[i]);
        const QRectF bounds = glyph.boundingRect();
        const QRectF cell(left, area.top(), area.width() * widths[i], area.height());
        left = cell.right();
        const qreal height = i == 1 ? cell.height() * 0.6 : cell.height();
        const qreal scale = std::min(cell.width() / bounds.width(), height / bounds.height());
        QTransform fit;
        fit.translate(cell.center().x(), cell.center().y());
        fit.scale(scale, scale);
        fit.translate(-bounds.center().x(), -bounds.center().y());
        painter.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                     : QPen(Qt::NoPen));
        painter.setBrush(i == 1 ? plus : digits);
        painter.drawPath(fit.map(glyph));
    }
}

} // namespace

QImage drawSum()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawOnePlusTwo(painter, QRectF(1, 5, 30, 22), QColor(245, 125, 10), QColor(125, 125, 125), Qt::transparent, 0);
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);

    const QRectF card(16, 20, 224, 216);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90, 110));
    painter.drawRoundedRect(card.translated(6, 10), 36, 36);
    QLinearGradient orange(card.topLeft(), card.bottomLeft());
    orange.setColorAt(0.0, QColor(255, 185, 70));
    orange.setColorAt(1.0, QColor(240, 115, 10));
    painter.setPen(QPen(QColor(170, 80, 0), size < 48 ? 12 : 6));
    painter.setBrush(orange);
    painter.drawRoundedRect(card, 36, 36);

    // An outline on the digits would blur them into the card at the small sizes.
    const bool small = size < 64;
    drawOnePlusTwo(painter, QRectF(30, 62, 196, 132), Qt::white, QColor(80, 80, 80), QColor(110, 50, 0),
                   small ? 0 : 7);
    return image;
}
