#include "paint.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

void drawSkyAndHills(QPainter &painter, QColor farHill, QColor nearHill)
{
    fillVertical(painter, QRectF(0, 0, 800, 600), {{0.0, QColor(90, 170, 240)}, {0.6, QColor(190, 230, 255)}});
    fillPathVertical(painter, wavyBand(QRectF(0, 300, 800, 300), {360, 320, 350, 310, 345}),
                     {{0.0, farHill.lighter(110)}, {1.0, farHill}});
    fillPathVertical(painter, wavyBand(QRectF(0, 380, 800, 220), {430, 400, 420, 395, 430, 410}),
                     {{0.0, nearHill.lighter(115)}, {1.0, nearHill.darker(110)}});
}

void drawCow(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    painter.setPen(outline(2.5));

    painter.setBrush(QColor(240, 240, 235));
    for (const qreal x : {10.0, 30.0, 85.0, 105.0})
        painter.drawRoundedRect(QRectF(x, 40, 14, 50), 5, 5);
    painter.setBrush(QColor(60, 50, 45));
    for (const qreal x : {10.0, 30.0, 85.0, 105.0})
        painter.drawRect(QRectF(x, 82, 14, 8));

    QPainterPath tail(QPointF(125, 5));
    tail.cubicTo(145, 15, 140, 50, 140, 60);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tail);
    painter.setBrush(QColor(60, 50, 45));
    painter.drawEllipse(QPointF(140, 64), 5, 8);

    const QPainterPath body =
        smoothClosed({{0, 0}, {60, -8}, {128, 0}, {132, 35}, {118, 55}, {60, 58}, {5, 55}, {-5, 30}});
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 45, 45));
    painter.drawPath(smoothClosed({{30, -10}, {65, -5}, {70, 20}, {45, 30}, {25, 15}}));
    painter.drawPath(smoothClosed({{90, 20}, {130, 15}, {135, 45}, {100, 50}}));
    painter.drawEllipse(QPointF(15, 45), 12, 10);
    painter.restore();
    painter.setBrush(QColor(255, 170, 180));
    painter.drawEllipse(QPointF(95, 60), 12, 8);

    // The head, turned to the viewer.
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(QPointF(-30, 0), 12, 7);
    painter.drawEllipse(QPointF(18, 0), 12, 7);
    painter.setBrush(QColor(250, 230, 170));
    QPainterPath hornLeft(QPointF(-14, -15));
    hornLeft.quadTo(-22, -30, -14, -36);
    hornLeft.quadTo(-10, -28, -6, -17);
    painter.drawPath(hornLeft);
    painter.drawPath(hornLeft * QTransform(-1, 0, 0, 1, -12, 0));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(smoothClosed({{-28, -14}, {16, -14}, {14, 20}, {-6, 30}, {-26, 20}}));
    painter.setBrush(QColor(255, 180, 185));
    painter.drawEllipse(QPointF(-6, 24), 19, 13);
    painter.setBrush(QColor(120, 60, 60));
    painter.drawEllipse(QPointF(-13, 24), 3, 4);
    painter.drawEllipse(QPointF(1, 24), 3, 4);
    painter.restore();
    drawEye(painter, at + QPointF(-15, -1) * scale, 5 * scale);
    drawEye(painter, at + QPointF(3, -1) * scale, 5 * scale);
}

void drawBarn(QPainter &painter, const QRectF &wall)
{
    painter.save();
    painter.setPen(outline(3, QColor(90, 20, 20)));
    QLinearGradient red(wall.topLeft(), wall.topRight());
    red.setColorAt(0.0, QColor(215, 45, 40));
    red.setColorAt(1.0, QColor(175, 30, 30));
    painter.setBrush(red);
    painter.drawRect(wall);
    QPolygonF roof;
    roof << wall.topLeft() + QPointF(-15, 5) << QPointF(wall.center().x(), wall.top() - wall.height() * 0.55)
         << wall.topRight() + QPointF(15, 5);
    painter.setBrush(QColor(120, 60, 40));
    painter.drawPolygon(roof);
    painter.setPen(QPen(QColor(240, 235, 225), 5));
    painter.setBrush(QColor(150, 25, 25));
    const QRectF door(wall.center().x() - wall.width() * 0.22, wall.bottom() - wall.height() * 0.6,
                      wall.width() * 0.44, wall.height() * 0.6);
    painter.drawRect(door);
    painter.drawLine(door.topLeft(), door.bottomRight());
    painter.drawLine(door.topRight(), door.bottomLeft());
    painter.drawLine(QPointF(door.center().x(), door.top()), QPointF(door.center().x(), door.bottom()));
    const QRectF loft(wall.center().x() - 22, wall.top() - 45, 44, 40);
    painter.setBrush(QColor(240, 210, 110));
    painter.drawRect(loft);
    painter.restore();
}

void drawFence(QPainter &painter, qreal left, qreal right, qreal bottom)
{
    painter.save();
    painter.setPen(outline(2, QColor(110, 70, 40)));
    painter.setBrush(QColor(230, 200, 150));
    painter.drawRect(QRectF(left, bottom - 45, right - left, 8));
    painter.drawRect(QRectF(left, bottom - 25, right - left, 8));
    for (qreal x = left; x < right; x += 40)
        painter.drawPolygon(QPolygonF({QPointF(x, bottom), QPointF(x, bottom - 55), QPointF(x + 6, bottom - 62),
                                      QPointF(x + 12, bottom - 55), QPointF(x + 12, bottom)}));
    painter.restore();
}

void drawHen(QPainter &painter, QPointF at, qreal scale, bool facingLeft)
{
    painter.save();
    painter.translate(at);
    painter.scale(facingLeft ? scale : -scale, scale);
    painter.setPen(outline(2));
    painter.setBrush(QColor(240, 160, 40));
    painter.drawLine(QPointF(-4, 18), QPointF(-6, 32));
    painter.drawLine(QPointF(6, 18), QPointF(8, 32));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(smoothClosed({{-20, -8}, {0, 0}, {26, -22}, {24, 8}, {8, 22}, {-14, 16}}));
    painter.drawEllipse(QPointF(-18, -14), 11, 11);
    painter.setBrush(QColor(230, 40, 40));
    painter.drawEllipse(QPointF(-20, -27), 5, 5);
    painter.drawEllipse(QPointF(-14, -27), 4, 4);
    painter.setBrush(QColor(250, 180, 30));
    painter.drawPolygon(QPolygonF({QPointF(-28, -16), QPointF(-38, -12), QPointF(-28, -9)}));
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(QPointF(-20, -16), 1.8, 1.8);
    painter.restore();
}

void drawFlag(QPainter &painter, QPointF top, QColor colour)
{
    painter.setPen(outline(2.5));
    painter.drawLine(top, top + QPointF(0, 40));
    QPainterPath flag(top);
    flag.cubicTo(top + QPointF(15, -6), top + QPointF(25, 8), top + QPointF(38, 2));
    flag.lineTo(top + QPointF(34, 10));
    flag.lineTo(top + QPointF(38, 20));
    flag.cubicTo(top + QPointF(25, 24), top + QPointF(15, 12), top + QPointF(0, 18));
    flag.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(flag);
}

void drawTower(QPainter &painter, const QRectF &wall, QColor roof, QColor flag)
{
    painter.setPen(outline(2.5, QColor(80, 70, 80)));
    QLinearGradient stone(wall.topLeft(), wall.topRight());
    stone.setColorAt(0.0, QColor(215, 205, 200));
    stone.setColorAt(1.0, QColor(170, 160, 165));
    painter.setBrush(stone);
    painter.drawRect(wall);
    QPolygonF cone;
    cone << wall.topLeft() + QPointF(-12, 0) << QPointF(wall.center().x(), wall.top() - wall.width() * 1.3)
         << wall.topRight() + QPointF(12, 0);
    painter.setBrush(roof);
    painter.drawPolygon(cone);
    drawFlag(painter, QPointF(wall.center().x(), wall.top() - wall.width() * 1.3 - 38), flag);
    painter.setPen(outline(2));
    painter.setBrush(QColor(60, 50, 70));
    const QRectF window(wall.center().x() - 9, wall.top() + 30, 18, 30);
    QPainterPath arch;
    arch.moveTo(window.bottomLeft());
    arch.lineTo(window.left(), window.top() + 9);
    arch.arcTo(QRectF(window.left(), window.top(), 18, 18), 180, -180);
    arch.lineTo(window.bottomRight());
    arch.closeSubpath();
    painter.drawPath(arch);
}

} // namespace

QImage drawFarm()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSkyAndHills(painter, QColor(150, 200, 90), QColor(100, 180, 70));
    drawSun(painter, {700, 90}, 45, 12);
    drawCloud(painter, {180, 90}, 0.9);
    drawCloud(painter, {470, 60}, 0.7);

    // Striped fields on the far hill.
    painter.save();
    painter.setClipPath(wavyBand(QRectF(0, 300, 800, 120), {360, 320, 350, 310, 345}));
    painter.setPen(Qt::NoPen);
    const QColor stripes[] = {QColor(230, 200, 90), QColor(170, 210, 100), QColor(210, 170, 80)};
    for (int i = 0; i < 9; ++i) {
        painter.setBrush(stripes[i % 3]);
        painter.drawPolygon(QPolygonF({QPointF(i * 100 - 60, 300), QPointF(i * 100 + 40, 300),
                                       QPointF(i * 100 - 10, 440), QPointF(i * 100 - 110, 440)}));
    }
    painter.restore();
    fillPathVertical(painter, wavyBand(QRectF(0, 380, 800, 220), {430, 400, 420, 395, 430, 410}),
                     {{0.0, QColor(120, 200, 80)}, {1.0, QColor(80, 160, 60)}});

    drawRoundTree(painter, {90, 420}, 200, QColor(70, 160, 60));
    drawBarn(painter, QRectF(470, 230, 220, 180));
    drawFence(painter, 0, 800, 500);
    drawCow(painter, {250, 400}, 1.35);
    drawHen(painter, {600, 520}, 1.2, true);
    drawHen(painter, {690, 545}, 1.0, false);
    drawFlower(painter, {60, 560}, 12, QColor(255, 240, 80), QColor(240, 140, 20));
    drawFlower(painter, {480, 570}, 10, QColor(255, 120, 160), QColor(255, 230, 80));
    drawFlower(painter, {760, 575}, 11, Qt::white, QColor(250, 200, 40));
    return image;
}

QImage drawCastle()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, 800, 600), {{0.0, QColor(120, 150, 230)}, {0.7, QColor(250, 200, 220)}});
    drawCloud(painter, {120, 110}, 0.8);
    drawCloud(painter, {690, 80}, 1.0);
    fillPathVertical(painter, wavyBand(QRectF(0, 380, 800, 220), {470, 420, 380, 390, 430, 470}),
                     {{0.0, QColor(110, 190, 90)}, {1.0, QColor(60, 140, 60)}});

    // The keep with its battlements, between two towers.
    const QRectF keep(270, 230, 260, 190);
    painter.setPen(outline(2.5, QColor(80, 70, 80)));
    painter.setBrush(QColor(200, 190, 190));
    painter.drawRect(keep);
    for (qreal x = keep.left(); x < keep.right() - 10; x += 40)
        painter.drawRect(QRectF(x, keep.top() - 25, 25, 25));
    painter.setPen(QPen(QColor(170, 160, 165), 2));
    for (qreal y = keep.top() + 30; y < keep.bottom(); y += 30) {
        const qreal shift = int(y) % 60 ? 0 : 25;
        for (qreal x = keep.left() + 15 + shift; x < keep.right() - 30; x += 50)
            painter.drawLine(QPointF(x, y), QPointF(x + 22, y));
    }
    drawTower(painter, QRectF(200, 190, 90, 230), QColor(60, 90, 200), QColor(230, 40, 60));
    drawTower(painter, QRectF(510, 190, 90, 230), QColor(60, 90, 200), QColor(250, 200, 30));
    drawTower(painter, QRectF(365, 130, 70, 110), QColor(200, 50, 80), QColor(60, 170, 230));

    // The gate with its wooden doors.
    painter.setPen(outline(3, QColor(70, 40, 20)));
    painter.setBrush(QColor(140, 90, 50));
    QPainterPath gate;
    gate.moveTo(360, 420);
    gate.lineTo(360, 340);
    gate.arcTo(QRectF(360, 300, 80, 80), 180, -180);
    gate.lineTo(440, 420);
    gate.closeSubpath();
    painter.drawPath(gate);
    painter.setPen(QPen(QColor(90, 55, 30), 2));
    for (qreal x = 376; x < 440; x += 16)
        painter.drawLine(QPointF(x, 310), QPointF(x, 420));
    for (const QPointF window : {QPointF(310, 290), QPointF(470, 290)}) {
        painter.setPen(outline(2));
        painter.setBrush(QColor(255, 220, 120));
        painter.drawRoundedRect(QRectF(window, QSizeF(22, 36)), 10, 10);
    }

    // A winding path from the gate down the hill.
    QPainterPath road(QPointF(360, 420));
    road.cubicTo(340, 480, 200, 500, 230, 600);
    road.lineTo(420, 600);
    road.cubicTo(380, 520, 460, 470, 440, 420);
    road.closeSubpath();
    painter.setPen(outline(2, QColor(160, 130, 90)));
    painter.setBrush(QColor(230, 205, 160));
    painter.drawPath(road);

    drawFirTree(painter, {90, 480}, 170, QColor(40, 130, 70));
    drawFirTree(painter, {150, 500}, 120, QColor(50, 150, 80));
    drawRoundTree(painter, {680, 500}, 170, QColor(80, 170, 70));
    for (int i = 0; i < 10; ++i)
        drawFlower(painter, QPointF(480 + (i * 37) % 300, 520 + (i * 23) % 70), 8,
                   i % 2 ? QColor(255, 120, 170) : QColor(255, 240, 90), QColor(250, 150, 30));
    return image;
}
