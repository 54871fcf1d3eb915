#include "paint.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

void drawVolcano(QPainter &painter, QPointF peak, qreal height)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 150, 160, 170));
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(peak + QPointF(i * 22, -30 - i * 35), 24 + i * 8, 18 + i * 6);
    QPolygonF cone({peak + QPointF(-height * 1.1, height), peak + QPointF(-30, 0), peak + QPointF(30, 0),
                    peak + QPointF(height * 1.1, height)});
    painter.setPen(outline(2.5, QColor(70, 50, 50)));
    painter.setBrush(QColor(140, 100, 90));
    painter.drawPolygon(cone);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 110, 30));
    painter.drawPolygon(QPolygonF({peak + QPointF(-30, 0), peak + QPointF(30, 0), peak + QPointF(20, 40),
                                   peak + QPointF(5, 25), peak + QPointF(-8, 60), peak + QPointF(-18, 30)}));
    painter.restore();
}

void drawSauropod(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    const QColor skin(110, 190, 90);
    painter.setPen(outline(3, QColor(30, 70, 30)));
    painter.setBrush(skin.darker(115));
    painter.drawRoundedRect(QRectF(-60, 20, 34, 90), 14, 14);
    painter.drawRoundedRect(QRectF(60, 20, 34, 90), 14, 14);
    painter.setBrush(skin);
    painter.drawRoundedRect(QRectF(-40, 30, 36, 95), 15, 15);
    painter.drawRoundedRect(QRectF(85, 30, 36, 95), 15, 15);
    QPainterPath shape(QPointF(-270, 60));
    shape.cubicTo(-200, 40, -140, -10, -80, -30);
    shape.cubicTo(-20, -60, 80, -50, 120, -20);
    shape.cubicTo(150, -80, 150, -200, 180, -240);
    shape.cubicTo(200, -270, 260, -265, 262, -235);
    shape.cubicTo(264, -210, 230, -205, 205, -205);
    shape.cubicTo(185, -160, 185, -60, 150, 40);
    shape.cubicTo(120, 90, -40, 90, -90, 50);
    shape.cubicTo(-150, 70, -220, 75, -270, 60);
    QLinearGradient shade(0, -60, 0, 90);
    shade.setColorAt(0.0, skin.lighter(115));
    shade.setColorAt(1.0, skin.darker(110));
    painter.setBrush(shade);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 230, 140));
    painter.drawPath(smoothClosed({{-60, 45}, {40, 65}, {130, 30}, {110, 70}, {20, 80}, {-70, 60}}));
    painter.setBrush(skin.darker(130));
    for (const QPointF spot : {QPointF(-40, -10), QPointF(0, -25), QPointF(45, -20), QPointF(20, 5), QPointF(80, -5),
                               QPointF(-100, 20)})
        painter.drawEllipse(spot, 11, 8);
    painter.setPen(QPen(QColor(30, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(225, -228, 30, 14), 200 * 16, 120 * 16);
    painter.restore();
    drawEye(painter, at + QPointF(228, -242) * scale, 9 * scale);
}

void drawGiraffe(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    const QColor coat(250, 200, 80);
    const QColor patches(190, 110, 40);
    painter.setPen(outline(3, QColor(90, 50, 20)));
    painter.setBrush(coat.darker(108));
    for (const qreal x : {-55.0, 45.0})
        painter.drawRect(QRectF(x, 40, 16, 120));
    painter.drawLine(QPointF(-75, 0), QPointF(-95, 60));
    QPainterPath body = smoothClosed({{-80, -10}, {0, -25}, {70, -30}, {85, 20}, {60, 50}, {-60, 50}, {-85, 25}});
    QPainterPath neck(QPointF(40, -10));
    neck.lineTo(95, -220);
    neck.lineTo(130, -215);
    neck.lineTo(85, 10);
    neck.closeSubpath();
    QPainterPath head = smoothClosed({{90, -245}, {130, -255}, {175, -225}, {165, -205}, {120, -205}});
    QPainterPath whole = body.united(neck).united(head);
    painter.setBrush(coat);
    for (const qreal x : {-40.0, 60.0})
        painter.drawRect(QRectF(x, 40, 16, 125));
    painter.drawPath(whole);
    painter.save();
    painter.setClipPath(whole);
    painter.setPen(Qt::NoPen);
    painter.setBrush(patches);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QPointF c(-70 + col * 30 + (row % 2) * 15, -230 + row * 32);
            painter.drawPath(smoothClosed({c + QPointF(-10, -8), c + QPointF(8, -10), c + QPointF(11, 6),
                                           c + QPointF(-6, 10)}));
        }
    }
    painter.restore();
    painter.setBrush(coat.darker(115));
    painter.drawEllipse(QPointF(165, -215), 12, 9);
    painter.setBrush(patches);
    painter.drawLine(QPointF(110, -250), QPointF(105, -280));
    painter.drawLine(QPointF(125, -252), QPointF(128, -282));
    painter.drawEllipse(QPointF(105, -283), 6, 6);
    painter.drawEllipse(QPointF(128, -285), 6, 6);
    painter.setBrush(coat);
    painter.drawEllipse(QPointF(92, -240), 14, 7);
    painter.setBrush(QColor(90, 50, 20));
    for (const qreal x : {-55.0, 45.0, -40.0, 60.0})
        painter.drawRect(QRectF(x, 155 + (x == -40 || x == 60 ? 5 : 0), 16, 10));
    painter.restore();
    drawEye(painter, at + QPointF(135, -232) * scale, 7 * scale);
}

void drawElephant(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    const QColor skin(150, 160, 180);
    painter.setPen(outline(3, QColor(60, 60, 80)));
    painter.setBrush(skin.darker(112));
    painter.drawRoundedRect(QRectF(70, 40, 40, 90), 12, 12);
    painter.drawRoundedRect(QRectF(-60, 40, 40, 90), 12, 12);
    painter.setBrush(skin);
    painter.drawPath(smoothClosed({{-110, -20}, {-40, -80}, {60, -80}, {120, -20}, {110, 60}, {-100, 60}}));
    painter.drawRoundedRect(QRectF(30, 50, 42, 90), 12, 12);
    painter.drawRoundedRect(QRectF(-100, 50, 42, 90), 12, 12);
    painter.drawLine(QPointF(-108, 0), QPointF(-125, 40));
    QPainterPath trunk(QPointF(-150, -40));
    trunk.cubicTo(-200, 0, -200, 80, -230, 70);
    trunk.cubicTo(-250, 60, -245, 35, -230, 40);
    trunk.cubicTo(-220, 45, -210, 40, -205, 20);
    trunk.cubicTo(-190, -10, -160, 0, -130, 0);
    trunk.closeSubpath();
    painter.drawPath(trunk);
    painter.drawEllipse(QPointF(-140, -50), 60, 55);
    painter.setBrush(skin.darker(105));
    painter.drawPath(smoothClosed({{-120, -95}, {-60, -100}, {-45, -30}, {-80, 20}, {-115, -10}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(245, 185, 195));
    painter.drawPath(smoothClosed({{-105, -82}, {-68, -86}, {-58, -35}, {-80, 0}, {-100, -15}}));
    painter.setPen(outline(3, QColor(60, 60, 80)));
    painter.setBrush(QColor(250, 250, 240));
    QPainterPath tusk(QPointF(-170, -10));
    tusk.quadTo(-195, 5, -200, -15);
    tusk.lineTo(-180, -22);
    tusk.closeSubpath();
    painter.drawPath(tusk);
    painter.setBrush(QColor(70, 70, 90));
    for (const qreal x : {30.0, -100.0})
        painter.drawRect(QRectF(x + 4, 132, 34, 8));
    painter.restore();
    drawEye(painter, at + QPointF(-160, -65) * scale, 7 * scale);
}

void drawAcacia(QPainter &painter, QPointF base, qreal height)
{
    painter.save();
    painter.setPen(outline(3, QColor(70, 45, 25)));
    painter.setBrush(QColor(120, 80, 45));
    QPainterPath trunk(base + QPointF(-12, 0));
    trunk.quadTo(base + QPointF(-5, -height * 0.5), base + QPointF(-60, -height * 0.8));
    trunk.lineTo(base + QPointF(-45, -height * 0.82));
    trunk.quadTo(base + QPointF(5, -height * 0.6), base + QPointF(40, -height * 0.85));
    trunk.lineTo(base + QPointF(52, -height * 0.82));
    trunk.quadTo(base + QPointF(12, -height * 0.5), base + QPointF(12, 0));
    trunk.closeSubpath();
    painter.drawPath(trunk);
    painter.setPen(outline(3, QColor(50, 90, 30)));
    painter.setBrush(QColor(100, 160, 60));
    painter.drawPath(smoothClosed({base + QPointF(-170, -height * 0.8), base + QPointF(-90, -height * 1.02),
                                   base + QPointF(60, -height * 1.05), base + QPointF(170, -height * 0.85),
                                   base + QPointF(40, -height * 0.75), base + QPointF(-100, -height * 0.74)}));
    painter.restore();
}

void drawLadybird(QPainter &painter, QPointF centre, qreal scale, qreal degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(scale, scale);
    painter.setPen(outline(3, QColor(20, 20, 20)));
    for (const qreal side : {-1.0, 1.0}) {
        for (const qreal y : {-15.0, 5.0, 25.0})
            painter.drawLine(QPointF(0, y), QPointF(side * 55, y + 5));
    }
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(QPointF(0, -45), 24, 18);
    QPainterPath shell;
    shell.addEllipse(QPointF(0, 5), 45, 50);
    QRadialGradient red(QPointF(-15, -15), 70);
    red.setColorAt(0.0, QColor(255, 90, 70));
    red.setColorAt(1.0, QColor(200, 20, 20));
    painter.setBrush(red);
    painter.drawPath(shell);
    painter.drawLine(QPointF(0, -45), QPointF(0, 55));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    for (const QPointF spot : {QPointF(-22, -10), QPointF(22, -10), QPointF(-25, 25), QPointF(25, 25), QPointF(-10, 40),
                               QPointF(10, 40)})
        painter.drawEllipse(spot, 8, 8);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(-10, -50), 5, 5);
    painter.drawEllipse(QPointF(10, -50), 5, 5);
    painter.restore();
}

void drawSnail(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    painter.setPen(outline(3, QColor(90, 60, 30)));
    painter.setBrush(QColor(240, 200, 150));
    painter.drawLine(QPointF(-80, -40), QPointF(-90, -75));
    painter.drawLine(QPointF(-65, -40), QPointF(-65, -78));
    painter.drawPath(smoothClosed({{-95, -10}, {-85, -50}, {-60, -40}, {-40, 0}, {70, 5}, {70, 15}, {-90, 15}}));
    painter.setBrush(QColor(220, 130, 60));
    painter.drawEllipse(QPointF(10, -40), 55, 50);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 70, 30), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath spiral(QPointF(10, -40));
    for (int i = 1; i <= 60; ++i) {
        const qreal a = i * 0.3;
        const qreal r = i * 0.75;
        spiral.lineTo(10 + std::cos(a) * r, -40 + std::sin(a) * r * 0.9);
    }
    painter.drawPath(spiral);
    painter.restore();
    drawEye(painter, at + QPointF(-90, -78) * scale, 6 * scale);
    drawEye(painter, at + QPointF(-65, -81) * scale, 6 * scale);
}

void drawCamel(QPainter &painter, QPointF at, qreal scale)
{
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    const QColor fur(215, 165, 100);
    painter.setPen(outline(3, QColor(100, 60, 30)));
    painter.setBrush(fur.darker(110));
    painter.drawRect(QRectF(-55, 20, 14, 100));
    painter.drawRect(QRectF(45, 20, 14, 100));
    painter.setBrush(fur);
    painter.drawPath(smoothClosed({{-80, 10}, {-60, -40}, {-35, -75}, {-10, -40}, {10, -70}, {40, -40}, {80, -10},
                                   {70, 35}, {-70, 35}}));
    painter.drawRect(QRectF(-35, 25, 14, 100));
    painter.drawRect(QRectF(60, 25, 14, 100));
    painter.drawLine(QPointF(-78, 10), QPointF(-95, 50));
    QPainterPath neck(QPointF(65, 0));
    neck.cubicTo(110, 10, 110, -60, 120, -80);
    neck.lineTo(165, -85);
    neck.lineTo(170, -68);
    neck.lineTo(138, -60);
    neck.cubicTo(130, -20, 120, 30, 75, 30);
    neck.closeSubpath();
    painter.drawPath(neck);
    painter.setBrush(QColor(200, 50, 60));
    painter.drawPath(smoothClosed({{-50, -45}, {-30, -60}, {0, -48}, {15, -55}, {30, -40}, {30, -20}, {-50, -20}}));
    painter.setBrush(QColor(250, 210, 60));
    painter.drawRect(QRectF(-50, -25, 80, 8));
    painter.restore();
    drawEye(painter, at + QPointF(138, -76) * scale, 5 * scale);
}

void drawPyramid(QPainter &painter, QPointF base, qreal half, qreal height)
{
    painter.save();
    painter.setPen(outline(2.5, QColor(150, 110, 60)));
    painter.setBrush(QColor(240, 200, 120));
    painter.drawPolygon(
        QPolygonF({base + QPointF(-half, 0), base + QPointF(0, -height), base + QPointF(half * 0.3, 0)}));
    painter.setBrush(QColor(205, 160, 90));
    painter.drawPolygon(
        QPolygonF({base + QPointF(half * 0.3, 0), base + QPointF(0, -height), base + QPointF(half, 0)}));
    painter.restore();
}

void drawCactus(QPainter &painter, QPointF base, qreal height)
{
    painter.save();
    painter.setPen(outline(3, QColor(30, 90, 40)));
    painter.setBrush(QColor(70, 160, 80));
    const qreal w = height * 0.18;
    const auto limb = [&](qreal left, qreal top, qreal width, qreal tall) {
        painter.drawRoundedRect(QRectF(base.x() + left * height, base.y() - top * height, width, tall),
                                std::min(width, tall) / 2, std::min(width, tall) / 2);
    };
    limb(-0.42, 0.75, w * 0.8, height * 0.4);
    limb(0.25, 0.85, w * 0.8, height * 0.45);
    limb(-0.42, 0.45, height * 0.4, w * 0.8);
    limb(0.0, 0.5, height * 0.4, w * 0.8);
    limb(-0.09, 1.0, w, height);
    drawFlower(painter, QPointF(base.x(), base.y() - height), w * 0.4, QColor(255, 120, 160), QColor(255, 230, 80));
    painter.restore();
}

} // namespace

QImage drawDinosaur()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(255, 180, 110)}, {0.6, QColor(255, 230, 170)}});
    drawSun(painter, {700, 80}, 45, 12);
    drawVolcano(painter, {190, 230}, 170);
    fillPathVertical(painter, wavyBand(QRectF(0, 380, 800, 220), {420, 400, 415, 395, 410}),
                     {{0.0, QColor(150, 190, 80)}, {1.0, QColor(100, 150, 60)}});
    drawPalm(painter, {60, 450}, 190, 25);
    drawPalm(painter, {730, 450}, 200, -25);
    drawSauropod(painter, {330, 430}, 1.1);
    // A nest of eggs, its front rim drawn over them.
    painter.setPen(outline(2.5, QColor(90, 60, 30)));
    painter.setBrush(QColor(170, 120, 60));
    painter.drawEllipse(QPointF(618, 555), 62, 16);
    painter.setPen(outline(2.5, QColor(120, 100, 80)));
    painter.setBrush(QColor(250, 245, 230));
    for (const QPointF egg : {QPointF(598, 530), QPointF(638, 532), QPointF(618, 515)})
        painter.drawEllipse(egg, 18, 24);
    painter.setPen(outline(2.5, QColor(90, 60, 30)));
    painter.setBrush(QColor(170, 120, 60));
    painter.drawChord(QRectF(556, 539, 124, 32), 180 * 16, 180 * 16);
    for (int i = 0; i < 9; ++i)
        drawFlower(painter, QPointF(40 + i * 90, 570 + (i % 3) * 8), 7, QColor(255, 110, 140), QColor(255, 230, 80));
    return image;
}

QImage drawSavanna()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(110, 190, 240)}, {0.65, QColor(255, 235, 180)}});
    drawSun(painter, {680, 90}, 50, 12);
    fillPathVertical(painter, wavyBand(QRectF(0, 380, 800, 220), {410, 395, 405, 390, 400}),
                     {{0.0, QColor(220, 200, 100)}, {1.0, QColor(180, 160, 70)}});
    drawAcacia(painter, {620, 420}, 260);
    drawGiraffe(painter, {230, 405}, 1.0);
    drawElephant(painter, {610, 440}, 0.95);
    painter.setPen(QPen(QColor(150, 130, 50), 3, Qt::SolidLine, Qt::RoundCap));
    QRandomGenerator random(29);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.bounded(800.0), 560 + random.bounded(40.0));
        painter.drawLine(at, at + QPointF(-4, -14));
        painter.drawLine(at, at + QPointF(4, -16));
    }
    return image;
}

QImage drawGarden()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(150, 215, 250)}, {0.7, QColor(230, 250, 220)}});
    drawCloud(painter, {620, 80}, 0.8);

    // Big leaves and stalks, as seen from a snail's height.
    painter.setPen(outline(3, QColor(40, 110, 40)));
    painter.setBrush(QColor(120, 200, 80));
    painter.drawPath(smoothClosed({{30, 600}, {60, 360}, {230, 250}, {380, 280}, {300, 420}, {160, 560}}));
    painter.setBrush(QColor(90, 180, 70));
    painter.drawPath(smoothClosed({{800, 600}, {790, 330}, {640, 260}, {520, 300}, {560, 440}, {680, 560}}));
    painter.setPen(QPen(QColor(60, 140, 50), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(60, 590), QPointF(300, 300));
    painter.drawLine(QPointF(770, 590), QPointF(580, 310));
    painter.setPen(QPen(QColor(60, 150, 60), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(420, 600), QPointF(430, 170));
    painter.drawLine(QPointF(500, 600), QPointF(520, 260));
    drawFlower(painter, {430, 150}, 60, QColor(255, 220, 60), QColor(200, 110, 30));
    drawFlower(painter, {520, 250}, 40, QColor(250, 110, 150), QColor(255, 230, 90));
    fillPathVertical(painter, wavyBand(QRectF(0, 520, 800, 80), {550, 530, 545, 530, 550}),
                     {{0.0, QColor(120, 90, 60)}, {1.0, QColor(90, 60, 40)}});

    // Mushrooms in the soil.
    for (const auto &[at, size] : {std::pair{QPointF(330, 560), 1.0}, std::pair{QPointF(380, 570), 0.7}}) {
        painter.setPen(outline(2.5, QColor(90, 40, 30)));
        painter.setBrush(QColor(250, 240, 220));
        painter.drawRoundedRect(QRectF(at.x() - 12 * size, at.y() - 40 * size, 24 * size, 42 * size), 8, 8);
        painter.setBrush(QColor(230, 50, 40));
        painter.drawChord(QRectF(at.x() - 45 * size, at.y() - 75 * size, 90 * size, 80 * size), 0, 180 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(at + QPointF(-20, -55) * size, 6 * size, 5 * size);
        painter.drawEllipse(at + QPointF(12, -60) * size, 7 * size, 6 * size);
        painter.drawEllipse(at + QPointF(-2, -45) * size, 4 * size, 4 * size);
    }
    drawLadybird(painter, {200, 390}, 1.2, -30);
    drawSnail(painter, {660, 505}, 1.0);
    drawButterfly(painter, {660, 160}, 1.1, QColor(160, 100, 240), QColor(255, 230, 120));
    return image;
}

QImage drawDesert()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(70, 150, 230)}, {0.6, QColor(250, 230, 190)}});
    drawSun(painter, {650, 100}, 55, 14);
    fillPathVertical(painter, wavyBand(QRectF(0, 340, 800, 260), {380, 360, 375, 355, 370}),
                     {{0.0, QColor(245, 215, 150)}, {1.0, QColor(230, 190, 120)}});
    drawPyramid(painter, {250, 380}, 170, 200);
    drawPyramid(painter, {470, 375}, 120, 140);
    drawPyramid(painter, {80, 375}, 80, 90);
    fillPathVertical(painter, wavyBand(QRectF(0, 430, 800, 170), {480, 450, 470, 440, 465, 450}),
                     {{0.0, QColor(250, 215, 140)}, {1.0, QColor(225, 180, 110)}});
    drawPalm(painter, {700, 460}, 200, -25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(80, 170, 220));
    painter.drawEllipse(QPointF(700, 470), 80, 14);
    drawCamel(painter, {340, 430}, 1.3);
    drawCamel(painter, {560, 470}, 0.8);
    drawCactus(painter, {100, 560}, 120);
    return image;
}
