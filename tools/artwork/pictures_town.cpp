#include "paint.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

void drawWheel(QPainter &painter, QPointF centre, qreal radius, QColor rim)
{
    painter.save();
    painter.setPen(outline(3, QColor(30, 30, 30)));
    painter.setBrush(QColor(40, 40, 45));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius * 0.6, radius * 0.6);
    painter.setPen(QPen(QColor(40, 40, 45), 2.5));
    for (int i = 0; i < 6; ++i) {
        const qreal a = std::numbers::pi * i / 3;
        painter.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.6);
    }
    painter.setBrush(QColor(200, 200, 200));
    painter.drawEllipse(centre, radius * 0.15, radius * 0.15);
    painter.restore();
}

void drawSmoke(QPainter &painter, QPointF chimney)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(QColor(250, 250, 250, 220 - i * 30));
        painter.drawEllipse(chimney + QPointF(-i * 45 - 10, -25 - i * 22), 20 + i * 7, 16 + i * 5);
    }
    painter.restore();
}

void drawLocomotive(QPainter &painter, QPointF rail)
{
    painter.save();
    painter.translate(rail);
    painter.setPen(outline(3));
    painter.setBrush(QColor(40, 40, 50));
    painter.drawPolygon(QPolygonF({QPointF(170, -30), QPointF(200, -5), QPointF(170, -5)}));
    painter.setBrush(QColor(60, 60, 70));
    painter.drawRect(QRectF(0, -60, 180, 30));
    painter.setBrush(QColor(40, 140, 70));
    painter.drawRoundedRect(QRectF(60, -140, 120, 80), 20, 20);
    painter.setBrush(QColor(250, 200, 40));
    for (const qreal x : {90.0, 130.0})
        painter.drawRect(QRectF(x, -142, 8, 84));
    painter.setBrush(QColor(220, 50, 50));
    painter.drawRect(QRectF(0, -190, 75, 130));
    painter.drawRect(QRectF(-10, -205, 95, 18));
    painter.drawPolygon(QPolygonF({QPointF(140, -140), QPointF(132, -190), QPointF(168, -190), QPointF(160, -140)}));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QPointF(110, -150), 14, 12);
    painter.setBrush(QColor(170, 220, 250));
    painter.drawRoundedRect(QRectF(15, -175, 45, 45), 6, 6);
    painter.setBrush(QColor(250, 230, 120));
    painter.drawEllipse(QPointF(180, -100), 10, 10);
    painter.restore();
    drawSmoke(painter, rail + QPointF(150, -200));
    drawWheel(painter, rail + QPointF(40, -28), 28, QColor(220, 50, 50));
    drawWheel(painter, rail + QPointF(105, -22), 22, QColor(220, 50, 50));
    drawWheel(painter, rail + QPointF(155, -22), 22, QColor(220, 50, 50));
}

void drawWagon(QPainter &painter, QPointF rail, QColor colour, int load)
{
    painter.save();
    painter.translate(rail);
    painter.setPen(outline(3));
    painter.drawLine(QPointF(150, -30), QPointF(175, -30));
    if (load == 0) {
        const std::array<QColor, 4> balls = {QColor(250, 80, 80), QColor(80, 160, 250), QColor(250, 220, 60),
                                             QColor(120, 210, 90)};
        for (int i = 0; i < 4; ++i) {
            painter.setBrush(balls[size_t(i)]);
            painter.drawEllipse(QPointF(25 + i * 33, -100 - (i % 2) * 12), 20, 20);
        }
    } else {
        painter.setBrush(QColor(170, 110, 60));
        for (int i = 0; i < 3; ++i)
            painter.drawRect(QRectF(12 + i * 44, -125 + (i % 2) * 12, 40, 40));
    }
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0, -95, 150, 65), 6, 6);
    painter.setPen(QPen(colour.darker(130), 3));
    for (qreal x = 30; x < 150; x += 30)
        painter.drawLine(QPointF(x, -90), QPointF(x, -35));
    painter.restore();
    drawWheel(painter, rail + QPointF(35, -20), 20, colour.lighter(130));
    drawWheel(painter, rail + QPointF(115, -20), 20, colour.lighter(130));
}

void drawSnowman(QPainter &painter, QPointF ground, qreal scale)
{
    painter.save();
    painter.translate(ground);
    painter.scale(scale, scale);
    painter.setPen(outline(4, QColor(110, 70, 40)));
    painter.drawLine(QPointF(-45, -160), QPointF(-120, -210));
    painter.drawLine(QPointF(-95, -194), QPointF(-110, -230));
    painter.drawLine(QPointF(45, -160), QPointF(120, -200));
    painter.drawLine(QPointF(100, -189), QPointF(125, -225));
    painter.setPen(outline(2.5, QColor(130, 160, 200)));
    for (const auto &[y, r] : {std::pair{-75.0, 75.0}, std::pair{-185.0, 55.0}, std::pair{-270.0, 42.0}}) {
        QRadialGradient snow(QPointF(-r * 0.35, y - r * 0.35), r * 1.4);
        snow.setColorAt(0.0, Qt::white);
        snow.setColorAt(1.0, QColor(200, 220, 245));
        painter.setBrush(snow);
        painter.drawEllipse(QPointF(0, y), r, r);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    for (const qreal y : {-205.0, -180.0, -155.0, -100.0, -70.0})
        painter.drawEllipse(QPointF(0, y), 6, 6);
    painter.drawEllipse(QPointF(-15, -282), 5.5, 6.5);
    painter.drawEllipse(QPointF(15, -282), 5.5, 6.5);
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(-18 + i * 9, -250 + std::abs(i - 2) * -3), 3, 3);
    painter.setBrush(QColor(250, 130, 30));
    painter.drawPolygon(QPolygonF({QPointF(-2, -274), QPointF(45, -264), QPointF(-2, -262)}));
    painter.setPen(outline(2.5, QColor(120, 20, 20)));
    painter.setBrush(QColor(220, 40, 50));
    painter.drawRoundedRect(QRectF(-48, -240, 96, 20), 10, 10);
    painter.drawPolygon(QPolygonF({QPointF(15, -228), QPointF(45, -165), QPointF(25, -160), QPointF(5, -225)}));
    painter.setPen(outline(2.5, QColor(10, 10, 20)));
    painter.setBrush(QColor(40, 40, 60));
    painter.drawRect(QRectF(-50, -312, 100, 10));
    painter.drawRect(QRectF(-32, -370, 64, 60));
    painter.setBrush(QColor(220, 40, 50));
    painter.drawRect(QRectF(-32, -325, 64, 12));
    painter.restore();
}

void drawHouse(QPainter &painter, const QRectF &wall, QColor colour, QColor roof, bool snow)
{
    painter.save();
    painter.setPen(outline(2.5, QColor(70, 50, 40)));
    painter.setBrush(colour);
    painter.drawRect(wall);
    QPolygonF top({wall.topLeft() + QPointF(-12, 0), QPointF(wall.center().x(), wall.top() - wall.width() * 0.5),
                   wall.topRight() + QPointF(12, 0)});
    painter.setBrush(roof);
    painter.drawPolygon(top);
    if (snow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({top[0] + QPointF(-4, 2), top[1] + QPointF(0, -6), top[2] + QPointF(4, 2),
                                       top[2] + QPointF(-20, -8), top[1] + QPointF(0, 10),
                                       top[0] + QPointF(20, -8)}));
        painter.setPen(outline(2.5, QColor(70, 50, 40)));
    }
    painter.setBrush(QColor(255, 220, 110));
    const qreal pane = wall.width() * 0.22;
    painter.drawRect(QRectF(wall.left() + wall.width() * 0.14, wall.top() + wall.height() * 0.2, pane, pane));
    painter.drawRect(QRectF(wall.right() - wall.width() * 0.14 - pane, wall.top() + wall.height() * 0.2, pane, pane));
    painter.setBrush(colour.darker(150));
    painter.drawRoundedRect(QRectF(wall.center().x() - pane * 0.6, wall.bottom() - pane * 1.8, pane * 1.2, pane * 1.8),
                            4, 4);
    painter.restore();
}

void drawFireTruck(QPainter &painter, QPointF road)
{
    painter.save();
    painter.translate(road);
    painter.setPen(outline(3));
    painter.setBrush(QColor(230, 40, 40));
    painter.drawRoundedRect(QRectF(0, -150, 330, 110), 10, 10);
    QPainterPath cab(QPointF(330, -40));
    cab.lineTo(330, -175);
    cab.lineTo(410, -175);
    cab.quadTo(440, -170, 450, -120);
    cab.lineTo(455, -40);
    cab.closeSubpath();
    painter.drawPath(cab);
    painter.setBrush(QColor(170, 220, 250));
    painter.drawPolygon(QPolygonF({QPointF(350, -160), QPointF(405, -160), QPointF(432, -115), QPointF(350, -115)}));
    painter.setBrush(QColor(90, 140, 240));
    painter.drawRoundedRect(QRectF(360, -195, 40, 20), 6, 6);
    painter.setBrush(QColor(200, 200, 210));
    painter.drawRect(QRectF(-10, -60, 470, 18));
    painter.drawRect(QRectF(20, -130, 120, 70));
    painter.setPen(QPen(QColor(160, 160, 170), 3));
    for (qreal y = -120; y < -60; y += 14)
        painter.drawLine(QPointF(25, y), QPointF(135, y));
    painter.setPen(outline(3));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawEllipse(QPointF(220, -100), 34, 34);
    painter.setPen(QPen(QColor(200, 60, 60), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(220, -100), 24, 24);
    painter.drawEllipse(QPointF(220, -100), 14, 14);

    // The ladder on the roof, raised a little at the back.
    painter.setPen(outline(4, QColor(90, 90, 100)));
    painter.drawLine(QPointF(10, -175), QPointF(330, -160));
    painter.drawLine(QPointF(10, -195), QPointF(330, -180));
    for (qreal x = 25; x < 330; x += 25)
        painter.drawLine(QPointF(x, -175 + x * 15 / 320 + 0.5), QPointF(x, -195 + x * 15 / 320));
    painter.drawLine(QPointF(300, -160), QPointF(300, -150));
    painter.drawLine(QPointF(40, -170), QPointF(40, -150));
    painter.setBrush(QColor(255, 210, 60));
    painter.drawRect(QRectF(440, -80, 20, 14));
    painter.restore();
    drawWheel(painter, road + QPointF(80, -30), 36, QColor(220, 220, 225));
    drawWheel(painter, road + QPointF(380, -30), 36, QColor(220, 220, 225));
}

void drawPennants(QPainter &painter, QPointF from, QPointF to, qreal sag)
{
    const std::array<QColor, 5> colours = {QColor(240, 60, 60), QColor(250, 200, 40), QColor(60, 160, 240),
                                           QColor(90, 200, 90), QColor(200, 90, 220)};
    painter.save();
    painter.setPen(outline(2, QColor(60, 50, 50)));
    constexpr int count = 9;
    const auto at = [&](qreal t) { return from + (to - from) * t + QPointF(0, sag * 4 * t * (1 - t)); };
    QPainterPath line(from);
    for (int i = 1; i <= 20; ++i)
        line.lineTo(at(i / 20.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    for (int i = 0; i < count; ++i) {
        const QPointF a = at((i + 0.1) / count);
        const QPointF b = at((i + 0.9) / count);
        painter.setBrush(colours[size_t(i) % colours.size()]);
        painter.drawPolygon(QPolygonF({a, b, (a + b) / 2 + QPointF(0, 30)}));
    }
    painter.restore();
}

void drawSeal(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    painter.setPen(outline(3, QColor(30, 40, 60)));
    painter.setBrush(QColor(90, 110, 140));
    painter.drawPath(smoothClosed({{-70, 0}, {-100, -10}, {-95, 10}}));
    painter.drawPath(smoothClosed({{-80, 0}, {-40, -50}, {0, -110}, {25, -125}, {45, -105}, {30, -60}, {40, 0}}));
    painter.drawPath(smoothClosed({{15, -45}, {55, -25}, {30, -15}}));
    painter.setBrush(QColor(60, 60, 70));
    painter.drawEllipse(QPointF(44, -112), 6, 5);
    const std::array<QColor, 3> stripes = {QColor(240, 60, 60), QColor(250, 250, 250), QColor(60, 130, 240)};
    QPainterPath ball;
    ball.addEllipse(QPointF(30, -165), 32, 32);
    painter.setBrush(Qt::white);
    painter.drawPath(ball);
    painter.save();
    painter.setClipPath(ball);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(stripes[size_t(i) % 3]);
        painter.drawPie(QRectF(-20, -215, 100, 100), i * 60 * 16, 60 * 16);
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ball);
    painter.restore();
    drawEye(painter, at + QPointF(20, -112) * scale, 6 * scale);
}

} // namespace

QImage drawTrain()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(100, 180, 245)}, {0.6, QColor(210, 240, 255)}});
    drawSun(painter, {90, 80}, 40, 12);
    drawCloud(painter, {600, 80}, 0.8);
    fillPathVertical(painter, wavyBand(QRectF(0, 230, 800, 370), {330, 250, 300, 240, 320}),
                     {{0.0, QColor(140, 200, 120)}, {1.0, QColor(100, 170, 90)}});
    drawFirTree(painter, {600, 330}, 120, QColor(40, 130, 70));
    drawFirTree(painter, {660, 340}, 90, QColor(50, 150, 80));
    drawRoundTree(painter, {150, 350}, 130, QColor(90, 170, 70));
    fillPathVertical(painter, wavyBand(QRectF(0, 400, 800, 200), {420, 410, 420, 405, 415}),
                     {{0.0, QColor(120, 200, 80)}, {1.0, QColor(80, 160, 60)}});

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 170, 140));
    painter.drawRect(QRectF(0, 490, 800, 30));
    painter.setBrush(QColor(120, 80, 50));
    for (qreal x = 5; x < 800; x += 30)
        painter.drawRect(QRectF(x, 492, 14, 26));
    painter.setBrush(QColor(120, 120, 130));
    painter.drawRect(QRectF(0, 494, 800, 5));
    painter.drawRect(QRectF(0, 510, 800, 5));

    drawWagon(painter, {20, 500}, QColor(60, 120, 220), 0);
    drawWagon(painter, {195, 500}, QColor(250, 170, 40), 1);
    drawLocomotive(painter, {380, 500});
    for (int i = 0; i < 8; ++i)
        drawFlower(painter, QPointF(40 + i * 100, 560 + (i % 2) * 20), 9,
                   i % 2 ? QColor(255, 240, 80) : QColor(255, 120, 160), QColor(250, 150, 30));
    return image;
}

QImage drawSnowman()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(31);
    fillVertical(painter, image.rect(), {{0.0, QColor(120, 160, 220)}, {0.7, QColor(220, 235, 250)}});
    fillPathVertical(painter, wavyBand(QRectF(0, 300, 800, 300), {380, 330, 360, 320, 370}),
                     {{0.0, QColor(245, 250, 255)}, {1.0, QColor(210, 225, 245)}});
    drawHouse(painter, QRectF(560, 280, 150, 110), QColor(200, 90, 60), QColor(120, 60, 50), true);
    painter.setPen(outline(2.5, QColor(70, 50, 40)));
    painter.setBrush(QColor(150, 80, 60));
    painter.drawRect(QRectF(670, 220, 22, 40));
    for (const auto &[x, h] : {std::pair{60.0, 190.0}, std::pair{140.0, 150.0}, std::pair{460.0, 130.0},
                               std::pair{760.0, 170.0}}) {
        drawFirTree(painter, QPointF(x, 400), h, QColor(40, 120, 80));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (int tier = 0; tier < 3; ++tier)
            painter.drawEllipse(QPointF(x, 400 - h * (0.5 + tier * 0.25)), h * 0.12, h * 0.04);
    }
    fillPathVertical(painter, wavyBand(QRectF(0, 430, 800, 170), {470, 440, 460, 445, 470}),
                     {{0.0, QColor(255, 255, 255)}, {1.0, QColor(215, 230, 250)}});
    drawSnowman(painter, {320, 560}, 1.15);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const qreal r = 2 + random.bounded(4.0);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(random.bounded(800.0), random.bounded(600.0)), r, r);
    }
    return image;
}

QImage drawFireEngine()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(100, 180, 240)}, {0.6, QColor(200, 235, 255)}});
    drawCloud(painter, {150, 70}, 0.7);
    drawCloud(painter, {620, 60}, 0.9);
    drawHouse(painter, QRectF(20, 200, 170, 200), QColor(250, 220, 120), QColor(200, 80, 60), false);
    drawHouse(painter, QRectF(215, 230, 150, 170), QColor(150, 210, 230), QColor(90, 90, 120), false);
    drawHouse(painter, QRectF(390, 180, 180, 220), QColor(240, 160, 170), QColor(160, 60, 70), false);
    drawHouse(painter, QRectF(600, 220, 180, 180), QColor(190, 230, 150), QColor(110, 80, 60), false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRect(QRectF(0, 400, 800, 40));
    painter.setBrush(QColor(80, 85, 95));
    painter.drawRect(QRectF(0, 440, 800, 160));
    painter.setBrush(Qt::white);
    for (qreal x = 20; x < 800; x += 120)
        painter.drawRect(QRectF(x, 560, 70, 10));
    drawFireTruck(painter, {170, 540});
    return image;
}

QImage drawCircus()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(37);
    fillVertical(painter, image.rect(),
                 {{0.0, QColor(60, 50, 140)}, {0.6, QColor(240, 130, 150)}, {1.0, QColor(255, 200, 140)}});
    drawStars(painter, QRectF(0, 0, 800, 200), 40, random);
    fillPathVertical(painter, wavyBand(QRectF(0, 470, 800, 130), {490, 480, 490, 478, 488}),
                     {{0.0, QColor(120, 190, 80)}, {1.0, QColor(80, 150, 60)}});

    // The big top: striped walls under a striped cone.
    const QPointF peak(400, 90);
    QPainterPath walls(QPointF(170, 300));
    walls.lineTo(630, 300);
    walls.lineTo(640, 500);
    walls.lineTo(160, 500);
    walls.closeSubpath();
    QPainterPath roof(peak);
    roof.quadTo(560, 220, 660, 300);
    roof.quadTo(400, 340, 140, 300);
    roof.quadTo(240, 220, peak.x(), peak.y());
    for (const QPainterPath &part : {walls, roof}) {
        painter.save();
        painter.setClipPath(part);
        painter.fillPath(part, QColor(250, 245, 235));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 40, 50));
        for (int i = -8; i < 8; i += 2) {
            painter.drawPolygon(QPolygonF({peak, QPointF(400 + i * 40, 500), QPointF(400 + (i + 1) * 40, 500)}));
        }
        painter.restore();
        painter.setPen(outline(3, QColor(100, 20, 30)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(part);
    }
    // A scalloped valance along the roof's lower edge.
    painter.setPen(outline(2.5, QColor(100, 20, 30)));
    painter.setBrush(QColor(250, 200, 40));
    constexpr int scallops = 14;
    for (int i = 0; i < scallops; ++i) {
        const qreal t = (i + 0.5) / scallops;
        const QPointF at = QPointF(660, 300) * (1 - t) * (1 - t) + QPointF(400, 340) * 2 * t * (1 - t)
                           + QPointF(140, 300) * t * t;
        painter.drawChord(QRectF(at.x() - 19, at.y() - 22, 38, 48), 180 * 16, 180 * 16);
    }
    painter.setPen(outline(3, QColor(100, 20, 30)));
    painter.setBrush(QColor(60, 30, 60));
    QPainterPath door(QPointF(340, 500));
    door.quadTo(345, 380, 400, 360);
    door.quadTo(455, 380, 460, 500);
    door.closeSubpath();
    painter.drawPath(door);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawPolygon(QPolygonF({QPointF(340, 500), QPointF(400, 362), QPointF(372, 500)}));
    painter.drawPolygon(QPolygonF({QPointF(460, 500), QPointF(400, 362), QPointF(428, 500)}));
    painter.drawLine(peak, peak + QPointF(0, -50));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawPolygon(QPolygonF({peak + QPointF(0, -50), peak + QPointF(40, -40), peak + QPointF(0, -30)}));
    drawPennants(painter, peak + QPointF(0, -10), {0, 200}, 40);
    drawPennants(painter, peak + QPointF(0, -10), {800, 200}, 40);

    drawSeal(painter, {650, 560}, 0.9);
    const std::array<QColor, 3> balloons = {QColor(240, 60, 60), QColor(60, 160, 240), QColor(250, 210, 40)};
    for (int i = 0; i < 3; ++i) {
        const QPointF top(90 + i * 35, 300 - (i % 2) * 35);
        painter.setPen(QPen(QColor(60, 60, 60), 1.5));
        painter.drawLine(top + QPointF(0, 32), QPointF(130, 470));
        painter.setPen(outline(2.5, balloons[size_t(i)].darker(160)));
        painter.setBrush(balloons[size_t(i)]);
        painter.drawEllipse(top, 26, 32);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(top + QPointF(-9, -12), 6, 9);
    }
    return image;
}
