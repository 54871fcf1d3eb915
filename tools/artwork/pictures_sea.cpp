#include "paint.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

void drawSea(QPainter &painter, qreal horizon, QColor far, QColor near)
{
    fillVertical(painter, QRectF(0, horizon, 800, 600 - horizon), {{0.0, far}, {1.0, near}});
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2.5, Qt::SolidLine, Qt::RoundCap));
    QRandomGenerator random{quint32(horizon)};
    for (int i = 0; i < 40; ++i) {
        const qreal y = horizon + 10 + random.bounded(600 - horizon);
        const qreal x = random.bounded(800.0);
        const qreal w = 10 + (y - horizon) * 0.12;
        painter.drawArc(QRectF(x, y, w, w * 0.4), 20 * 16, 140 * 16);
    }
    painter.restore();
}

void drawBranchingCoral(QPainter &painter, QPointF base, qreal length, qreal degrees, int depth, QColor colour)
{
    const qreal radians = (degrees - 90) * std::numbers::pi / 180;
    const QPointF tip = base + QPointF(std::cos(radians), std::sin(radians)) * length;
    painter.setPen(QPen(colour, 4 + depth * 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, tip);
    if (depth == 0)
        return;
    drawBranchingCoral(painter, tip, length * 0.75, degrees - 28, depth - 1, colour);
    drawBranchingCoral(painter, tip, length * 0.7, degrees + 30, depth - 1, colour);
}

void drawClownfish(QPainter &painter, QPointF centre, qreal length, bool facingLeft)
{
    painter.save();
    painter.translate(centre);
    painter.scale(facingLeft ? length / 100 : -length / 100, length / 100);
    const QPainterPath body = smoothClosed({{-48, 0}, {-25, -26}, {20, -24}, {40, -4}, {40, 4}, {20, 24}, {-25, 26}});
    painter.setPen(outline(3, QColor(30, 20, 10)));
    painter.setBrush(QColor(255, 120, 20));
    painter.drawPath(smoothClosed({{35, 0}, {58, -22}, {62, 0}, {58, 22}}));
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setBrush(Qt::white);
    for (const qreal x : {-28.0, 2.0, 30.0})
        painter.drawRoundedRect(QRectF(x - 6, -40, 12, 80), 5, 5);
    painter.restore();
    painter.restore();
    drawEye(painter, centre + QPointF((facingLeft ? -34 : 34) * length / 100, -6 * length / 100), length * 0.07);
}

void drawTurtle(QPainter &painter, QPointF centre, qreal scale)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.rotate(-12);
    painter.setPen(outline(3, QColor(30, 70, 40)));
    painter.setBrush(QColor(120, 190, 110));
    painter.drawPath(smoothClosed({{-30, -30}, {-80, -70}, {-100, -60}, {-60, -20}}));
    painter.drawPath(smoothClosed({{-30, 30}, {-75, 60}, {-90, 55}, {-55, 18}}));
    painter.drawPath(smoothClosed({{50, -25}, {80, -45}, {75, -25}}));
    painter.drawPath(smoothClosed({{50, 25}, {80, 45}, {75, 25}}));
    painter.drawEllipse(QPointF(-95, 0), 26, 20);
    QRadialGradient shell(QPointF(-10, -15), 80);
    shell.setColorAt(0.0, QColor(170, 130, 60));
    shell.setColorAt(1.0, QColor(110, 80, 40));
    painter.setBrush(shell);
    painter.drawEllipse(QPointF(0, 0), 70, 50);
    painter.setPen(QPen(QColor(230, 200, 120), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), 28, 20);
    for (int i = 0; i < 6; ++i) {
        const qreal a = 2 * std::numbers::pi * i / 6;
        painter.drawLine(QPointF(std::cos(a) * 28, std::sin(a) * 20), QPointF(std::cos(a) * 62, std::sin(a) * 44));
    }
    painter.restore();
    drawEye(painter, centre + QPointF(-103, 15) * scale, 6 * scale);
}

void drawSailingBoat(QPainter &painter, QPointF waterline, qreal scale, QColor hull, QColor sail)
{
    painter.save();
    painter.translate(waterline);
    painter.scale(scale, scale);
    painter.setPen(outline(3));
    painter.drawLine(QPointF(0, 0), QPointF(0, -230));
    painter.setBrush(sail);
    QPainterPath main(QPointF(8, -225));
    main.quadTo(90, -120, 110, -25);
    main.lineTo(8, -25);
    main.closeSubpath();
    painter.drawPath(main);
    QPainterPath jib(QPointF(-8, -200));
    jib.quadTo(-55, -100, -95, -25);
    jib.lineTo(-8, -25);
    jib.closeSubpath();
    painter.setBrush(sail.darker(110));
    painter.drawPath(jib);
    painter.setBrush(QColor(230, 50, 50));
    painter.drawPolygon(QPolygonF({QPointF(0, -230), QPointF(30, -222), QPointF(0, -214)}));
    QPainterPath boat(QPointF(-130, -20));
    boat.lineTo(140, -20);
    boat.quadTo(110, 25, 80, 25);
    boat.lineTo(-95, 25);
    boat.quadTo(-115, 15, -130, -20);
    painter.setBrush(hull);
    painter.drawPath(boat);
    painter.setPen(QPen(Qt::white, 5));
    painter.drawLine(QPointF(-120, -5), QPointF(125, -5));
    painter.restore();
}

void drawDolphin(QPainter &painter, QPointF centre, qreal scale, qreal degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(scale, scale);
    painter.setPen(outline(3, QColor(30, 50, 80)));
    painter.setBrush(QColor(110, 150, 200));
    painter.drawPath(smoothClosed({{50, -5}, {70, -25}, {80, -10}, {70, 5}}));
    painter.drawPath(smoothClosed({{-5, -22}, {10, -50}, {18, -18}}));
    QPainterPath body(QPointF(-80, 0));
    body.cubicTo(-70, -10, -50, -22, -30, -24);
    body.cubicTo(10, -28, 50, -15, 70, -5);
    body.cubicTo(45, 10, 0, 20, -40, 12);
    body.lineTo(-60, 8);
    body.cubicTo(-70, 8, -78, 6, -80, 0);
    QLinearGradient shade(0, -28, 0, 20);
    shade.setColorAt(0.0, QColor(90, 130, 190));
    shade.setColorAt(0.7, QColor(150, 190, 230));
    shade.setColorAt(1.0, QColor(220, 235, 250));
    painter.setBrush(shade);
    painter.drawPath(body);
    painter.drawPath(smoothClosed({{-20, 10}, {-10, 35}, {0, 12}}));
    painter.restore();
    drawEye(painter, centre + QTransform().rotate(degrees).map(QPointF(-48, -10) * scale), 4.5 * scale);
}

void drawGull(QPainter &painter, QPointF at, qreal size)
{
    QPainterPath gull(at + QPointF(-size, -size * 0.3));
    gull.quadTo(at + QPointF(-size * 0.5, -size * 0.6), at);
    gull.quadTo(at + QPointF(size * 0.5, -size * 0.6), at + QPointF(size, -size * 0.3));
    painter.setPen(QPen(QColor(50, 50, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(gull);
}

void drawPenguin(QPainter &painter, QPointF feet, qreal scale, bool wave)
{
    painter.save();
    painter.translate(feet);
    painter.scale(scale, scale);
    painter.setPen(outline(2.5, QColor(20, 20, 30)));
    painter.setBrush(QColor(250, 150, 30));
    painter.drawEllipse(QPointF(-16, -4), 14, 6);
    painter.drawEllipse(QPointF(16, -4), 14, 6);
    painter.setBrush(QColor(35, 40, 55));
    painter.drawPath(smoothClosed({{-38, -60}, {-58, -30}, {-48, -25}}));
    if (wave)
        painter.drawPath(smoothClosed({{38, -75}, {70, -110}, {60, -118}, {34, -90}}));
    else
        painter.drawPath(smoothClosed({{38, -60}, {58, -30}, {48, -25}}));
    painter.drawPath(smoothClosed({{0, -130}, {35, -110}, {42, -50}, {30, -8}, {-30, -8}, {-42, -50}, {-35, -110}}));
    painter.setBrush(Qt::white);
    painter.drawPath(smoothClosed({{0, -95}, {25, -70}, {26, -30}, {0, -12}, {-26, -30}, {-25, -70}}));
    painter.drawEllipse(QPointF(-12, -108), 10, 11);
    painter.drawEllipse(QPointF(12, -108), 10, 11);
    painter.setBrush(QColor(250, 150, 30));
    painter.drawPolygon(QPolygonF({QPointF(-9, -98), QPointF(9, -98), QPointF(0, -86)}));
    painter.setBrush(QColor(255, 150, 160, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(-22, -94), 5, 3);
    painter.drawEllipse(QPointF(22, -94), 5, 3);
    painter.restore();
    for (const qreal side : {-1.0, 1.0}) {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 20, 30));
        painter.drawEllipse(feet + QPointF(side * 11, -109) * scale, 4 * scale, 5 * scale);
        painter.setBrush(Qt::white);
        painter.drawEllipse(feet + QPointF(side * 11 - 1.5, -111) * scale, 1.5 * scale, 1.5 * scale);
        painter.restore();
    }
}

} // namespace

QImage drawCoralReef()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(11);
    fillVertical(painter, image.rect(),
                 {{0.0, QColor(90, 220, 230)}, {0.6, QColor(20, 150, 200)}, {1.0, QColor(10, 90, 160)}});
    painter.setPen(Qt::NoPen);
    for (const qreal x : {120.0, 340.0, 600.0}) {
        QLinearGradient fade(0, 0, 0, 500);
        fade.setColorAt(0.0, QColor(255, 255, 255, 60));
        fade.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setBrush(fade);
        painter.drawPolygon(
            QPolygonF({QPointF(x, 0), QPointF(x + 50, 0), QPointF(x + 160, 500), QPointF(x + 40, 500)}));
    }
    fillPathVertical(painter, wavyBand(QRectF(0, 470, 800, 130), {500, 480, 495, 475, 490}),
                     {{0.0, QColor(250, 230, 170)}, {1.0, QColor(220, 190, 120)}});

    drawBranchingCoral(painter, {90, 540}, 70, -5, 3, QColor(250, 110, 130));
    drawBranchingCoral(painter, {690, 530}, 60, 8, 3, QColor(180, 100, 220));
    drawBranchingCoral(painter, {560, 560}, 45, -10, 2, QColor(255, 160, 60));
    painter.setPen(outline(3, QColor(150, 110, 40)));
    painter.setBrush(QColor(240, 200, 90));
    painter.drawChord(QRectF(250, 480, 150, 110), 0, 180 * 16);
    painter.setPen(QPen(QColor(190, 150, 60), 3));
    for (int i = 0; i < 4; ++i)
        painter.drawArc(QRectF(270 + i * 10, 495 + i * 10, 110 - i * 20, 90 - i * 20), 10 * 16, 160 * 16);
    drawSeaweed(painter, {200, 540}, 200, 18, QColor(60, 170, 90));
    drawSeaweed(painter, {760, 540}, 240, -20, QColor(70, 180, 80));
    drawSeaweed(painter, {460, 560}, 130, 12, QColor(90, 190, 100));

    drawTurtle(painter, {470, 250}, 1.3);
    drawClownfish(painter, {160, 170}, 110, false);
    drawClownfish(painter, {640, 420}, 80, true);
    drawFish(painter, {650, 120}, 90, QColor(80, 140, 250), QColor(250, 220, 50), true);
    drawFish(painter, {120, 380}, 70, QColor(250, 90, 160), QColor(255, 200, 220), false);
    drawFish(painter, {300, 90}, 50, QColor(255, 220, 40), QColor(255, 160, 40), true);
    for (int i = 0; i < 14; ++i)
        drawBubble(painter, QPointF(random.bounded(800.0), random.bounded(430.0)), 4 + random.bounded(8.0));
    return image;
}

QImage drawLighthouse()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, 800, 380), {{0.0, QColor(60, 120, 210)}, {1.0, QColor(170, 220, 250)}});
    drawCloud(painter, {620, 100}, 0.9);
    drawCloud(painter, {140, 70}, 0.6);
    drawSea(painter, 380, QColor(40, 130, 190), QColor(20, 80, 150));

    // Beams of light from the lantern.
    const QPointF lamp(280, 115);
    painter.setPen(Qt::NoPen);
    for (const qreal side : {-1.0, 1.0}) {
        QLinearGradient beam(lamp, lamp + QPointF(side * 300, 0));
        beam.setColorAt(0.0, QColor(255, 250, 170, 180));
        beam.setColorAt(1.0, QColor(255, 250, 170, 0));
        painter.setBrush(beam);
        painter.drawPolygon(QPolygonF({lamp, lamp + QPointF(side * 320, -60), lamp + QPointF(side * 320, 40)}));
    }

    painter.setPen(outline(3, QColor(60, 55, 50)));
    painter.setBrush(QColor(130, 120, 110));
    painter.drawPath(
        smoothClosed({{120, 520}, {160, 420}, {250, 390}, {360, 400}, {430, 450}, {450, 530}, {300, 560}}));
    painter.setBrush(QColor(150, 140, 130));
    painter.drawPath(smoothClosed({{380, 500}, {430, 460}, {500, 470}, {520, 520}, {440, 545}}));

    // The tower, striped red and white, narrowing upwards.
    const QPolygonF tower({QPointF(235, 420), QPointF(250, 160), QPointF(310, 160), QPointF(325, 420)});
    painter.setBrush(Qt::white);
    painter.drawPolygon(tower);
    painter.save();
    QPainterPath towerPath;
    towerPath.addPolygon(tower);
    painter.setClipPath(towerPath);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 40, 40));
    for (qreal y = 180; y < 420; y += 100)
        painter.drawRect(QRectF(200, y, 160, 50));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(tower);
    painter.setBrush(QColor(60, 60, 80));
    painter.drawRoundedRect(QRectF(270, 370, 22, 50), 10, 10);
    painter.drawRoundedRect(QRectF(272, 250, 16, 26), 8, 8);
    painter.setBrush(QColor(50, 50, 60));
    painter.drawRect(QRectF(235, 150, 90, 12));
    painter.setBrush(QColor(255, 240, 140));
    painter.drawRect(QRectF(255, 95, 50, 55));
    painter.drawLine(QPointF(280, 95), QPointF(280, 150));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawPolygon(QPolygonF({QPointF(245, 97), QPointF(280, 60), QPointF(315, 97)}));
    painter.drawEllipse(QPointF(280, 57), 6, 6);

    drawSailingBoat(painter, {620, 460}, 0.55, QColor(40, 90, 170), QColor(255, 250, 240));
    drawGull(painter, {470, 150}, 22);
    drawGull(painter, {540, 200}, 16);
    drawGull(painter, {120, 220}, 18);
    return image;
}

QImage drawSailboat()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, 800, 360),
                 {{0.0, QColor(90, 70, 170)}, {0.5, QColor(240, 110, 120)}, {1.0, QColor(255, 200, 100)}});
    QRadialGradient glow(QPointF(560, 360), 260);
    glow.setColorAt(0.0, QColor(255, 240, 150, 200));
    glow.setColorAt(1.0, QColor(255, 240, 150, 0));
    painter.fillRect(QRectF(0, 0, 800, 360), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 90));
    painter.drawEllipse(QPointF(560, 360), 80, 80);
    drawCloud(painter, {180, 110}, 0.8, QColor(255, 200, 210));
    drawCloud(painter, {400, 60}, 0.55, QColor(255, 210, 220));
    drawSea(painter, 360, QColor(230, 120, 110), QColor(40, 60, 140));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        painter.setBrush(QColor(255, 230, 130, 170 - i * 18));
        painter.drawRoundedRect(QRectF(560 - 70 + i * 6, 372 + i * 22, 140 - i * 12, 6), 3, 3);
    }
    drawSailingBoat(painter, {300, 470}, 1.05, QColor(200, 50, 50), QColor(255, 250, 235));
    drawDolphin(painter, {620, 470}, 1.0, -25);
    drawDolphin(painter, {720, 530}, 0.8, -15);
    drawGull(painter, {120, 230}, 20);
    drawGull(painter, {700, 170}, 16);
    return image;
}

QImage drawPirateShip()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, 800, 400), {{0.0, QColor(70, 160, 235)}, {1.0, QColor(190, 235, 255)}});
    drawSun(painter, {90, 80}, 40, 10);
    drawCloud(painter, {330, 80}, 0.8);
    drawSea(painter, 380, QColor(30, 150, 200), QColor(20, 70, 140));

    // The treasure island behind the ship.
    painter.setPen(outline(2, QColor(170, 140, 80)));
    painter.setBrush(QColor(245, 220, 150));
    painter.drawChord(QRectF(560, 340, 260, 90), 0, 180 * 16);
    drawPalm(painter, {680, 360}, 160, 20);
    drawPalm(painter, {740, 370}, 120, -15);

    painter.setPen(outline(3, QColor(50, 30, 20)));
    for (const qreal x : {200.0, 330.0, 450.0})
        painter.drawLine(QPointF(x, 420), QPointF(x, x == 330 ? 90 : 150));
    painter.setBrush(QColor(250, 245, 225));
    for (const qreal x : {200.0, 330.0, 450.0}) {
        const qreal top = x == 330 ? 110 : 165;
        for (int sail = 0; sail < 2; ++sail) {
            const qreal y = top + sail * 100;
            QPainterPath canvas(QPointF(x - 60, y));
            canvas.lineTo(x + 60, y);
            canvas.quadTo(x + 75, y + 45, x + 60, y + 85);
            canvas.lineTo(x - 60, y + 85);
            canvas.quadTo(x - 45, y + 45, x - 60, y);
            painter.drawPath(canvas);
        }
    }
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRect(QRectF(330, 60, 60, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(360, 74), 9, 8);
    painter.drawRect(QRectF(355, 78, 10, 8));
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(345, 70), QPointF(375, 90));
    painter.drawLine(QPointF(345, 90), QPointF(375, 70));
    painter.setBrush(QColor(30, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(356, 73), 2.5, 2.5);
    painter.drawEllipse(QPointF(364, 73), 2.5, 2.5);

    QPainterPath hull(QPointF(90, 380));
    hull.lineTo(120, 380);
    hull.lineTo(120, 400);
    hull.lineTo(500, 400);
    hull.lineTo(540, 360);
    hull.lineTo(560, 365);
    hull.quadTo(520, 470, 470, 490);
    hull.lineTo(170, 490);
    hull.quadTo(120, 460, 90, 380);
    painter.setPen(outline(3.5, QColor(50, 25, 10)));
    QLinearGradient wood(0, 380, 0, 490);
    wood.setColorAt(0.0, QColor(170, 100, 50));
    wood.setColorAt(1.0, QColor(110, 60, 30));
    painter.setBrush(wood);
    painter.drawPath(hull);
    painter.setPen(QPen(QColor(250, 200, 60), 5));
    painter.drawLine(QPointF(125, 425), QPointF(525, 425));
    painter.setPen(outline(2.5, QColor(50, 25, 10)));
    painter.setBrush(QColor(40, 30, 30));
    for (qreal x = 170; x < 480; x += 60)
        painter.drawEllipse(QPointF(x, 452), 10, 10);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 4, Qt::SolidLine, Qt::RoundCap));
    for (qreal x = 150; x < 520; x += 45)
        painter.drawArc(QRectF(x, 480, 40, 18), 0, 180 * 16);
    drawGull(painter, {560, 150}, 20);
    drawGull(painter, {620, 110}, 15);
    return image;
}

QImage drawPenguins()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, QRectF(0, 0, 800, 330), {{0.0, QColor(110, 170, 230)}, {1.0, QColor(220, 240, 255)}});
    painter.setPen(outline(2.5, QColor(120, 160, 200)));
    painter.setBrush(QColor(235, 245, 255));
    painter.drawPolygon(QPolygonF({QPointF(40, 330), QPointF(110, 160), QPointF(160, 200), QPointF(220, 110),
                                   QPointF(300, 330)}));
    painter.drawPolygon(QPolygonF({QPointF(560, 330), QPointF(620, 200), QPointF(680, 240), QPointF(740, 180),
                                   QPointF(800, 250), QPointF(800, 330)}));
    painter.setBrush(QColor(200, 225, 245));
    painter.drawPolygon(QPolygonF({QPointF(220, 110), QPointF(250, 330), QPointF(300, 330)}));
    drawSea(painter, 330, QColor(60, 140, 200), QColor(20, 70, 140));

    painter.setPen(outline(3, QColor(120, 160, 200)));
    QLinearGradient ice(0, 400, 0, 520);
    ice.setColorAt(0.0, QColor(250, 253, 255));
    ice.setColorAt(1.0, QColor(190, 220, 245));
    painter.setBrush(ice);
    painter.drawPolygon(QPolygonF({QPointF(60, 440), QPointF(150, 400), QPointF(560, 395), QPointF(700, 430),
                                   QPointF(680, 520), QPointF(90, 525)}));
    painter.setBrush(QColor(160, 200, 235));
    painter.drawPolygon(QPolygonF({QPointF(90, 525), QPointF(680, 520), QPointF(670, 555), QPointF(110, 560)}));

    drawPenguin(painter, {220, 470}, 1.25, false);
    drawPenguin(painter, {370, 455}, 1.6, true);
    drawPenguin(painter, {520, 470}, 1.1, false);
    drawFish(painter, {690, 590}, 60, QColor(180, 190, 210), QColor(150, 160, 190), true);

    QRandomGenerator random(5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 50; ++i)
        painter.drawEllipse(QPointF(random.bounded(800.0), random.bounded(330.0)), 3, 3);
    return image;
}
