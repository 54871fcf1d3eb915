#include "artwork.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

// A manta seen from above, head up, wing tips at x = -1 and 1.
QPainterPath mantaBody()
{
    return mirrored({
        {0.0, -0.3},
        {0.05, -0.3}, {0.1, -0.3}, {0.12, -0.3},      // front edge of the head
        {0.12, -0.42}, {0.15, -0.52}, {0.2, -0.5},    // cephalic fin, rolled forward
        {0.22, -0.45}, {0.2, -0.34}, {0.22, -0.28},
        {0.45, -0.36}, {0.8, -0.14}, {1.0, 0.2},        // leading edge of the wing
        {0.7, 0.15}, {0.42, 0.12}, {0.24, 0.32},     // trailing edge
        {0.2, 0.38}, {0.14, 0.46}, {0.08, 0.48},      // pelvic fin
        {0.05, 0.48}, {0.02, 0.47}, {0.0, 0.46},
    });
}

void drawManta(QPainter &painter, QPointF centre, qreal halfSpan, qreal degrees, qreal wingBeat)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(halfSpan, halfSpan * (1.0 - wingBeat));

    QPainterPath tail(QPointF(0, 0.44));
    tail.cubicTo(0.02, 0.7, -0.06, 0.9, 0.04, 1.15);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 30, 55), 0.025, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);

    const QPainterPath body = mantaBody();
    QRadialGradient back(QPointF(0, -0.1), 1.0);
    back.setColorAt(0.0, QColor(50, 62, 92));
    back.setColorAt(0.7, QColor(28, 38, 66));
    back.setColorAt(1.0, QColor(40, 56, 90));
    painter.setPen(QPen(QColor(120, 170, 210), 0.018, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(back);
    painter.drawPath(body);

    // Pale shoulder patches, as reef mantas carry them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 230, 240, 150));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath patch(QPointF(side * 0.18, -0.2));
        patch.cubicTo(QPointF(side * 0.4, -0.22), QPointF(side * 0.5, -0.12), QPointF(side * 0.42, -0.04));
        patch.cubicTo(QPointF(side * 0.32, -0.1), QPointF(side * 0.22, -0.1), QPointF(side * 0.18, -0.2));
        painter.drawPath(patch);
    }

    // A ridge down the back and a sheen along the wings' leading edges.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(90, 110, 150, 160), 0.02, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -0.22), QPointF(0, 0.38));
    painter.setPen(QPen(QColor(170, 210, 240, 110), 0.03, Qt::SolidLine, Qt::RoundCap));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath sheen(QPointF(side * 0.3, -0.27));
        sheen.cubicTo(QPointF(side * 0.55, -0.3), QPointF(side * 0.8, -0.1), QPointF(side * 0.93, 0.13));
        painter.drawPath(sheen);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 240, 250));
    for (const qreal side : {-1.0, 1.0})
        painter.drawEllipse(QPointF(side * 0.2, -0.27), 0.028, 0.028);
    painter.setBrush(QColor(10, 10, 20));
    for (const qreal side : {-1.0, 1.0})
        painter.drawEllipse(QPointF(side * 0.2, -0.27), 0.016, 0.016);
    painter.restore();
}

void drawLightRays(QPainter &painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal tops[] = {90, 230, 360, 520, 640, 760};
    for (const qreal top : tops) {
        QPolygonF ray;
        ray << QPointF(top - 18, 0) << QPointF(top + 18, 0) << QPointF(top + 110, 560) << QPointF(top - 10, 560);
        QLinearGradient fade(0, 0, 0, 560);
        fade.setColorAt(0.0, QColor(255, 255, 240, 70));
        fade.setColorAt(1.0, QColor(255, 255, 240, 0));
        painter.setBrush(fade);
        painter.drawPolygon(ray);
    }
    painter.restore();
}

void drawStarfish(QPainter &painter, QPointF centre, qreal radius, qreal degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    std::vector<QPointF> points;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = std::numbers::pi * i / 5 - std::numbers::pi / 2;
        const qreal r = i % 2 ? radius * 0.42 : radius;
        points.emplace_back(std::cos(angle) * r, std::sin(angle) * r);
    }
    painter.setPen(QPen(QColor(170, 60, 30), 2));
    painter.setBrush(QColor(245, 120, 60));
    painter.drawPath(smoothClosed(points));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 200, 150));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / 5 - std::numbers::pi / 2;
        for (const qreal r : {0.3, 0.55})
            painter.drawEllipse(QPointF(std::cos(angle), std::sin(angle)) * radius * r, 2.0, 2.0);
    }
    painter.restore();
}

} // namespace

QImage drawDefaultBoard()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(7);

    fillVertical(painter, image.rect(), {{0.0, QColor(130, 220, 240)}, {0.35, QColor(40, 140, 200)},
                                         {0.8, QColor(15, 70, 140)}, {1.0, QColor(10, 50, 110)}});
    painter.fillPath(wavyBand(QRectF(0, -20, 800, 40), {10, 4, 12, 3, 11, 5, 12, 4, 10}).translated(0, -20),
                     QColor(220, 250, 255, 110));
    drawLightRays(painter);

    fillPathVertical(painter, wavyBand(QRectF(0, 420, 800, 180), {470, 440, 455, 430, 460, 450, 470}),
                     {{0.0, QColor(60, 100, 150)}, {1.0, QColor(40, 80, 130)}});
    fillPathVertical(painter, wavyBand(QRectF(0, 490, 800, 110), {520, 505, 515, 500, 512, 498, 515}),
                     {{0.0, QColor(240, 220, 160)}, {1.0, QColor(200, 165, 105)}});
    painter.setPen(QPen(QColor(190, 160, 100), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const QPointF at(random.bounded(780.0), 530 + random.bounded(60.0));
        painter.drawArc(QRectF(at, QSizeF(40, 10)), 20 * 16, 140 * 16);
    }

    // Rocks and seaweed frame the scene at both sides.
    painter.setPen(QPen(QColor(60, 60, 80), 2));
    painter.setBrush(QColor(110, 110, 130));
    painter.drawPath(smoothClosed({{10, 560}, {40, 500}, {90, 490}, {130, 530}, {120, 575}, {40, 585}}));
    painter.setBrush(QColor(125, 115, 135));
    painter.drawPath(smoothClosed({{650, 570}, {680, 515}, {740, 505}, {790, 540}, {780, 585}, {690, 590}}));
    drawSeaweed(painter, {30, 520}, 260, 25, QColor(60, 160, 80));
    drawSeaweed(painter, {70, 510}, 200, -20, QColor(90, 180, 70));
    drawSeaweed(painter, {110, 530}, 150, 15, QColor(50, 140, 90));
    drawSeaweed(painter, {700, 520}, 230, -22, QColor(70, 170, 80));
    drawSeaweed(painter, {745, 515}, 280, 18, QColor(50, 150, 70));
    drawSeaweed(painter, {770, 540}, 160, -12, QColor(100, 185, 90));
    drawSeaweed(painter, {430, 560}, 90, 10, QColor(80, 170, 90));
    drawSeaweed(painter, {455, 565}, 70, -8, QColor(60, 150, 80));
    drawStarfish(painter, {330, 560}, 24, 15);
    drawStarfish(painter, {560, 545}, 18, -20);

    drawFish(painter, {620, 110}, 36, QColor(255, 200, 40), QColor(255, 150, 30), true);
    drawFish(painter, {665, 125}, 30, QColor(255, 200, 40), QColor(255, 150, 30), true);
    drawFish(painter, {640, 150}, 32, QColor(255, 200, 40), QColor(255, 150, 30), true);

    drawManta(painter, {170, 170}, 95, 25, 0.05);
    drawManta(painter, {610, 330}, 120, -30, 0.1);
    drawManta(painter, {370, 280}, 175, -8, 0.0);

    for (const QPointF column : {QPointF(260, 470), QPointF(520, 450), QPointF(735, 300)}) {
        QPointF at = column;
        for (int i = 0; i < 7; ++i) {
            drawBubble(painter, at, 4 + random.bounded(6.0));
            at += QPointF(random.bounded(16.0) - 8, -(30 + random.bounded(30.0)));
        }
    }
    return image;
}
