#include "artwork.h"
#include "paint.h"

#include <QFont>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

// A linden leaf: heart-shaped, pointing up, on a short stalk.
void drawLindenLeaf(QPainter &painter, QPointF stem, qreal size, qreal degrees, QColor colour)
{
    painter.save();
    painter.translate(stem);
    painter.rotate(degrees);
    painter.scale(size, size);
    const QPainterPath leaf = mirrored({
        {0.0, -1.25},
        {0.15, -1.0}, {0.6, -0.75}, {0.55, -0.45},
        {0.5, -0.2}, {0.2, -0.15}, {0.0, -0.3},
    });
    painter.setPen(QPen(colour.darker(150), 0.06));
    painter.drawLine(QPointF(0, 0), QPointF(0, -0.3));
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.drawLine(QPointF(0, -0.3), QPointF(0, -1.0));
    painter.restore();
}

} // namespace

// The name is the one in src/controls/contacts.h; a school that puts its own name
// there replaces this logo as well.
QImage drawSchoolLogo()
{
    QImage image(236, 55, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF badge(28, 27.5);
    QRadialGradient ground(badge - QPointF(6, 8), 30);
    ground.setColorAt(0.0, QColor(235, 248, 225));
    ground.setColorAt(1.0, QColor(190, 225, 170));
    painter.setPen(QPen(QColor(40, 110, 50), 2.5));
    painter.setBrush(ground);
    painter.drawEllipse(badge, 25, 25);

    drawLindenLeaf(painter, badge + QPointF(0, 2), 13, -35, QColor(90, 170, 60));
    drawLindenLeaf(painter, badge + QPointF(0, 2), 13, 35, QColor(70, 150, 50));
    drawLindenLeaf(painter, badge + QPointF(0, 2), 15, 0, QColor(110, 185, 70));

    // An open book beneath the leaves.
    painter.setPen(QPen(QColor(40, 80, 140), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath page(badge + QPointF(0, 12));
        page.quadTo(badge + QPointF(side * 7, 8), badge + QPointF(side * 15, 10));
        page.lineTo(badge + QPointF(side * 15, 17));
        page.quadTo(badge + QPointF(side * 7, 15), badge + QPointF(0, 19));
        page.closeSubpath();
        painter.drawPath(page);
    }

    painter.setPen(QColor(90, 100, 90));
    painter.setFont(QFont(QStringLiteral("Comic Neue"), 10, QFont::Bold));
    painter.drawText(QRectF(60, 3, 176, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Gesamtschule"));
    QFont name(QStringLiteral("Comic Neue"), 20, QFont::Bold);
    painter.setFont(name);
    painter.setPen(QColor(35, 105, 45));
    painter.drawText(QRectF(58, 19, 178, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lindenhain"));
    return image;
}
