#include "paint.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

void drawRingedPlanet(QPainter &painter, QPointF centre, qreal radius)
{
    const QRectF ring(centre.x() - radius * 1.9, centre.y() - radius * 0.45, radius * 3.8, radius * 0.9);
    const QPen ringPen(QColor(240, 210, 150), radius * 0.14);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ringPen);
    painter.drawArc(ring, 0, 180 * 16);
    QRadialGradient globe(centre - QPointF(radius, radius) * 0.4, radius * 1.5);
    globe.setColorAt(0.0, QColor(255, 220, 150));
    globe.setColorAt(1.0, QColor(210, 120, 50));
    painter.setPen(QPen(QColor(140, 70, 30), 2));
    painter.setBrush(globe);
    painter.drawEllipse(centre, radius, radius);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    painter.setClipPath(disc);
    painter.setPen(QPen(QColor(190, 100, 50, 140), radius * 0.12));
    for (const qreal y : {-0.45, -0.1, 0.3})
        painter.drawLine(centre + QPointF(-radius, y * radius), centre + QPointF(radius, (y + 0.1) * radius));
    painter.setClipping(false);
    painter.setPen(ringPen);
    painter.drawArc(ring, 180 * 16, 180 * 16);
    painter.restore();
}

void drawRocket(QPainter &painter, QPointF centre, qreal scale, qreal degrees)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(scale, scale);
    QPainterPath flame(QPointF(-22, 95));
    flame.quadTo(-20, 150, 0, 190);
    flame.quadTo(20, 150, 22, 95);
    QLinearGradient fire(0, 95, 0, 190);
    fire.setColorAt(0.0, QColor(255, 250, 150));
    fire.setColorAt(0.5, QColor(255, 170, 40));
    fire.setColorAt(1.0, QColor(240, 60, 30, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fire);
    painter.drawPath(flame);
    painter.setPen(outline(3));
    painter.setBrush(QColor(220, 50, 50));
    painter.drawPath(smoothClosed({{-35, 40}, {-70, 100}, {-65, 110}, {-30, 90}}));
    painter.drawPath(smoothClosed({{35, 40}, {70, 100}, {65, 110}, {30, 90}}));
    painter.setBrush(QColor(90, 90, 100));
    painter.drawRect(QRectF(-24, 88, 48, 14));
    QLinearGradient metal(-40, 0, 40, 0);
    metal.setColorAt(0.0, QColor(200, 205, 215));
    metal.setColorAt(0.4, QColor(255, 255, 255));
    metal.setColorAt(1.0, QColor(170, 175, 190));
    painter.setBrush(metal);
    QPainterPath body(QPointF(0, -110));
    body.cubicTo(40, -80, 45, 20, 35, 92);
    body.lineTo(-35, 92);
    body.cubicTo(-45, 20, -40, -80, 0, -110);
    painter.drawPath(body);
    painter.setBrush(QColor(220, 50, 50));
    QPainterPath nose(QPointF(0, -110));
    nose.cubicTo(20, -95, 30, -75, 33, -60);
    nose.lineTo(-33, -60);
    nose.cubicTo(-30, -75, -20, -95, 0, -110);
    painter.drawPath(nose);
    painter.setPen(outline(5, QColor(90, 90, 110)));
    QRadialGradient glass(QPointF(-6, -18), 24);
    glass.setColorAt(0.0, QColor(200, 240, 255));
    glass.setColorAt(1.0, QColor(40, 120, 200));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(0, -10), 18, 18);
    painter.restore();
}

void drawBalloon(QPainter &painter, QPointF top, qreal scale, const std::array<QColor, 2> &stripes)
{
    painter.save();
    painter.translate(top);
    painter.scale(scale, scale);
    QPainterPath envelope(QPointF(0, 0));
    envelope.cubicTo(70, 0, 95, 50, 90, 95);
    envelope.cubicTo(85, 140, 40, 165, 25, 190);
    envelope.lineTo(-25, 190);
    envelope.cubicTo(-40, 165, -85, 140, -90, 95);
    envelope.cubicTo(-95, 50, -70, 0, 0, 0);
    painter.setPen(outline(2.5, QColor(60, 50, 50)));
    painter.drawLine(QPointF(-25, 190), QPointF(-18, 230));
    painter.drawLine(QPointF(25, 190), QPointF(18, 230));
    painter.setBrush(QColor(170, 110, 60));
    painter.drawRoundedRect(QRectF(-22, 228, 44, 32), 5, 5);
    painter.setPen(QPen(QColor(120, 75, 40), 2));
    painter.drawLine(QPointF(-22, 240), QPointF(22, 240));
    painter.setPen(Qt::NoPen);
    painter.save();
    painter.setClipPath(envelope);
    const qreal widths[] = {-95, -62, -32, -10, 10, 32, 62, 95};
    for (int i = 0; i + 1 < 8; ++i) {
        painter.setBrush(stripes[size_t(i % 2)]);
        QPainterPath gore(QPointF(0, -5));
        gore.quadTo(widths[i] * 1.3, 90, widths[i] * 0.3, 200);
        gore.lineTo(widths[i + 1] * 0.3, 200);
        gore.quadTo(widths[i + 1] * 1.3, 90, 0, -5);
        painter.drawPath(gore);
    }
    QRadialGradient shine(QPointF(-35, 50), 110);
    shine.setColorAt(0.0, QColor(255, 255, 255, 90));
    shine.setColorAt(1.0, QColor(0, 0, 40, 50));
    painter.fillRect(QRectF(-100, 0, 200, 200), shine);
    painter.restore();
    painter.setPen(outline(2.5, QColor(60, 50, 50)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(envelope);
    painter.restore();
}

void drawPlane(QPainter &painter, QPointF centre, qreal scale)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(outline(3, QColor(40, 40, 60)));
    painter.setBrush(QColor(200, 40, 40));
    painter.drawPath(smoothClosed({{-150, -20}, {-175, -85}, {-150, -88}, {-110, -25}}));
    painter.drawPath(smoothClosed({{-10, 5}, {-60, 60}, {-35, 66}, {40, 8}}));
    QLinearGradient paint(0, -40, 0, 40);
    paint.setColorAt(0.0, QColor(255, 255, 255));
    paint.setColorAt(1.0, QColor(190, 200, 220));
    painter.setBrush(paint);
    QPainterPath body(QPointF(-170, -20));
    body.cubicTo(-100, -40, 60, -45, 120, -30);
    body.cubicTo(150, -22, 155, 15, 120, 25);
    body.cubicTo(60, 35, -100, 20, -170, -5);
    body.closeSubpath();
    painter.drawPath(body);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawPath(smoothClosed({{-150, -5}, {-185, 10}, {-120, 12}}));
    painter.drawPath(smoothClosed({{-15, -10}, {-50, -60}, {-30, -64}, {40, -12}}));
    painter.setPen(QPen(QColor(200, 40, 40), 6));
    painter.drawLine(QPointF(-150, 8), QPointF(110, 12));
    painter.setPen(outline(2, QColor(40, 40, 60)));
    painter.setBrush(QColor(120, 190, 240));
    for (qreal x = -100; x < 60; x += 32)
        painter.drawEllipse(QPointF(x, -14), 9, 9);
    painter.drawPath(smoothClosed({{85, -30}, {112, -30}, {125, -14}, {95, -12}}));
    painter.setBrush(QColor(80, 80, 90));
    painter.drawEllipse(QPointF(150, -3), 8, 14);
    painter.setBrush(QColor(180, 180, 190, 200));
    painter.drawEllipse(QPointF(158, -3), 6, 55);
    painter.restore();
}

void drawBee(QPainter &painter, QPointF centre, qreal scale)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(outline(2));
    painter.setBrush(QColor(220, 240, 255, 200));
    painter.drawEllipse(QPointF(-6, -16), 9, 12);
    painter.drawEllipse(QPointF(6, -16), 9, 12);
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 20, 13);
    painter.setBrush(QColor(255, 210, 40));
    painter.drawPath(body);
    painter.setClipPath(body);
    painter.setPen(QPen(QColor(40, 30, 20), 6));
    painter.drawLine(QPointF(-4, -15), QPointF(-4, 15));
    painter.drawLine(QPointF(8, -15), QPointF(8, 15));
    painter.restore();
    drawEye(painter, centre + QPointF(-13, -2) * scale, 3 * scale);
}

} // namespace

QImage drawSpace()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(3);
    fillVertical(painter, image.rect(),
                 {{0.0, QColor(10, 10, 40)}, {0.6, QColor(40, 20, 90)}, {1.0, QColor(70, 30, 110)}});
    QRadialGradient haze(QPointF(300, 420), 300);
    haze.setColorAt(0.0, QColor(200, 80, 200, 70));
    haze.setColorAt(1.0, QColor(200, 80, 200, 0));
    painter.fillRect(image.rect(), haze);
    drawStars(painter, image.rect(), 180, random);

    QRadialGradient earth(QPointF(700, 520), 200);
    earth.setColorAt(0.0, QColor(80, 170, 250));
    earth.setColorAt(1.0, QColor(20, 70, 170));
    QPainterPath globe;
    globe.addEllipse(QPointF(740, 600), 190, 190);
    painter.setPen(QPen(QColor(150, 210, 255), 6));
    painter.setBrush(earth);
    painter.drawPath(globe);
    painter.save();
    painter.setClipPath(globe);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 180, 80));
    painter.drawPath(smoothClosed({{600, 470}, {680, 440}, {720, 480}, {690, 540}, {630, 560}}));
    painter.drawPath(smoothClosed({{760, 450}, {820, 440}, {800, 520}, {750, 510}}));
    painter.restore();

    painter.setPen(QPen(QColor(160, 160, 170), 2));
    painter.setBrush(QColor(220, 220, 225));
    painter.drawEllipse(QPointF(120, 110), 60, 60);
    painter.setBrush(QColor(185, 185, 195));
    painter.drawEllipse(QPointF(100, 90), 14, 14);
    painter.drawEllipse(QPointF(140, 130), 10, 10);
    painter.drawEllipse(QPointF(130, 80), 7, 7);

    drawRingedPlanet(painter, {600, 150}, 70);
    QRadialGradient red(QPointF(140, 440), 50);
    red.setColorAt(0.0, QColor(255, 140, 110));
    red.setColorAt(1.0, QColor(190, 50, 50));
    painter.setPen(QPen(QColor(130, 30, 30), 2));
    painter.setBrush(red);
    painter.drawEllipse(QPointF(130, 450), 42, 42);

    drawRocket(painter, {370, 300}, 1.2, 35);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 220));
    drawStar(painter, {480, 470}, 14, 5, 5);
    drawStar(painter, {250, 140}, 10, 4, 5);
    return image;
}

QImage drawBalloons()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(80, 160, 240)}, {0.75, QColor(200, 235, 255)}});
    drawCloud(painter, {120, 330}, 0.9);
    drawCloud(painter, {660, 280}, 1.1);
    drawCloud(painter, {420, 60}, 0.6);
    fillPathVertical(painter, wavyBand(QRectF(0, 460, 800, 140), {500, 470, 490, 460, 485}),
                     {{0.0, QColor(130, 200, 90)}, {1.0, QColor(90, 170, 70)}});
    fillPathVertical(painter, wavyBand(QRectF(0, 520, 800, 80), {560, 530, 545, 525, 550, 535}),
                     {{0.0, QColor(100, 185, 70)}, {1.0, QColor(70, 150, 50)}});
    drawRoundTree(painter, {80, 560}, 90, QColor(60, 150, 60));
    drawRoundTree(painter, {700, 545}, 110, QColor(80, 160, 60));
    drawFirTree(painter, {620, 560}, 80, QColor(40, 130, 70));
    drawBalloon(painter, {300, 90}, 1.35, {QColor(240, 60, 60), QColor(255, 210, 60)});
    drawBalloon(painter, {590, 60}, 0.9, {QColor(60, 120, 230), QColor(255, 255, 255)});
    drawBalloon(painter, {120, 110}, 0.65, {QColor(140, 70, 200), QColor(90, 210, 140)});
    drawBalloon(painter, {720, 200}, 0.5, {QColor(255, 140, 30), QColor(255, 240, 120)});
    return image;
}

QImage drawAeroplane()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(40, 120, 220)}, {1.0, QColor(170, 220, 255)}});
    drawSun(painter, {100, 100}, 50, 12);
    drawCloud(painter, {650, 110}, 0.8);
    drawCloud(painter, {150, 480}, 1.6);
    drawCloud(painter, {480, 520}, 1.8);
    drawCloud(painter, {760, 470}, 1.3);
    painter.setPen(QPen(QColor(255, 255, 255, 180), 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 330), QPointF(200, 300));
    painter.drawLine(QPointF(0, 300), QPointF(190, 280));
    drawPlane(painter, {440, 280}, 1.4);
    drawCloud(painter, {330, 430}, 0.9);
    return image;
}

QImage drawRainbowMeadow()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, image.rect(), {{0.0, QColor(100, 180, 245)}, {0.7, QColor(210, 240, 255)}});
    const std::array<QColor, 7> colours = {QColor(230, 50, 50),  QColor(250, 140, 30), QColor(250, 220, 40),
                                           QColor(80, 190, 70),  QColor(50, 150, 230), QColor(70, 80, 200),
                                           QColor(150, 70, 190)};
    painter.setBrush(Qt::NoBrush);
    for (size_t i = 0; i < colours.size(); ++i) {
        const qreal r = 330 - qreal(i) * 22;
        QColor colour = colours[i];
        colour.setAlpha(220);
        painter.setPen(QPen(colour, 23));
        painter.drawArc(QRectF(400 - r, 470 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    drawCloud(painter, {110, 430}, 1.1);
    drawCloud(painter, {700, 430}, 1.1);
    drawSun(painter, {680, 90}, 40, 10);
    fillPathVertical(painter, wavyBand(QRectF(0, 440, 800, 160), {470, 450, 465, 445, 470}),
                     {{0.0, QColor(130, 210, 90)}, {1.0, QColor(80, 170, 60)}});

    QRandomGenerator random(19);
    const QColor petals[] = {QColor(255, 90, 120), QColor(255, 230, 70), QColor(255, 255, 255), QColor(180, 110, 250),
                             QColor(255, 150, 60)};
    for (int i = 0; i < 26; ++i) {
        const QPointF at(20 + random.bounded(760.0), 480 + random.bounded(110.0));
        painter.setPen(QPen(QColor(50, 130, 50), 3));
        painter.drawLine(at, at + QPointF(0, 25));
        drawFlower(painter, at, 9 + (at.y() - 480) / 12, petals[i % 5], QColor(250, 200, 40));
    }
    drawButterfly(painter, {250, 330}, 1.3, QColor(250, 150, 40), QColor(255, 240, 120));
    drawButterfly(painter, {560, 260}, 1.0, QColor(90, 160, 250), QColor(250, 250, 255));
    drawButterfly(painter, {380, 420}, 0.8, QColor(240, 90, 170), QColor(255, 220, 240));
    drawBee(painter, {660, 380}, 1.3);
    return image;
}

QImage drawOwl()
{
    QImage image = boardCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(23);
    fillVertical(painter, image.rect(), {{0.0, QColor(15, 25, 70)}, {1.0, QColor(50, 70, 140)}});
    drawStars(painter, QRectF(0, 0, 800, 450), 120, random);
    QRadialGradient glow(QPointF(600, 150), 170);
    glow.setColorAt(0.0, QColor(255, 250, 200, 120));
    glow.setColorAt(1.0, QColor(255, 250, 200, 0));
    painter.fillRect(image.rect(), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 210));
    painter.drawEllipse(QPointF(600, 150), 85, 85);
    painter.setBrush(QColor(235, 230, 185));
    painter.drawEllipse(QPointF(570, 130), 16, 16);
    painter.drawEllipse(QPointF(630, 185), 12, 12);
    fillPathVertical(painter, wavyBand(QRectF(0, 480, 800, 120), {520, 500, 510, 490, 515}),
                     {{0.0, QColor(30, 70, 60)}, {1.0, QColor(15, 40, 40)}});
    drawFirTree(painter, {700, 530}, 200, QColor(25, 80, 60));
    drawFirTree(painter, {770, 540}, 140, QColor(30, 90, 65));

    // The tree trunk and the branch the owl sits on.
    painter.setPen(outline(3, QColor(40, 25, 15)));
    painter.setBrush(QColor(100, 65, 40));
    painter.drawPath(smoothClosed({{0, 600}, {0, 0}, {110, 0}, {95, 300}, {130, 600}}));
    painter.drawPath(smoothClosed({{90, 380}, {300, 395}, {520, 385}, {525, 405}, {300, 420}, {90, 420}}));
    painter.setBrush(QColor(60, 150, 70));
    for (const QPointF leaf : {QPointF(480, 375), QPointF(505, 410), QPointF(450, 418)})
        painter.drawEllipse(leaf, 18, 9);
    painter.setBrush(QColor(40, 25, 20));
    painter.drawEllipse(QPointF(50, 200), 22, 32);

    // The owl.
    const QPointF owl(320, 285);
    painter.setPen(outline(3, QColor(50, 30, 20)));
    painter.setBrush(QColor(150, 100, 60));
    painter.drawPolygon(QPolygonF({owl + QPointF(-70, -85), owl + QPointF(-55, -130), owl + QPointF(-30, -95)}));
    painter.drawPolygon(QPolygonF({owl + QPointF(70, -85), owl + QPointF(55, -130), owl + QPointF(30, -95)}));
    painter.drawPath(smoothClosed({owl + QPointF(0, -110), owl + QPointF(75, -80), owl + QPointF(85, 20),
                                   owl + QPointF(50, 100), owl + QPointF(-50, 100), owl + QPointF(-85, 20),
                                   owl + QPointF(-75, -80)}));
    painter.setBrush(QColor(230, 200, 150));
    painter.drawEllipse(owl + QPointF(0, 40), 48, 55);
    painter.setPen(QPen(QColor(160, 120, 80), 2.5));
    for (int row = 0; row < 3; ++row) {
        for (int col = -1; col <= 1; ++col) {
            const QPointF v = owl + QPointF(col * 22 + (row % 2) * 11 - 5, 15 + row * 22);
            painter.drawLine(v, v + QPointF(5, 6));
            painter.drawLine(v + QPointF(5, 6), v + QPointF(10, 0));
        }
    }
    painter.setPen(outline(3, QColor(50, 30, 20)));
    painter.setBrush(QColor(120, 75, 45));
    painter.drawPath(smoothClosed({owl + QPointF(-75, -20), owl + QPointF(-40, 20), owl + QPointF(-55, 85),
                                   owl + QPointF(-85, 40)}));
    painter.drawPath(smoothClosed({owl + QPointF(75, -20), owl + QPointF(40, 20), owl + QPointF(55, 85),
                                   owl + QPointF(85, 40)}));
    painter.setBrush(QColor(240, 220, 180));
    painter.drawEllipse(owl + QPointF(-32, -50), 32, 32);
    painter.drawEllipse(owl + QPointF(32, -50), 32, 32);
    painter.setBrush(QColor(250, 190, 40));
    painter.drawEllipse(owl + QPointF(-32, -50), 20, 20);
    painter.drawEllipse(owl + QPointF(32, -50), 20, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 15, 10));
    painter.drawEllipse(owl + QPointF(-30, -50), 11, 11);
    painter.drawEllipse(owl + QPointF(30, -50), 11, 11);
    painter.setBrush(Qt::white);
    painter.drawEllipse(owl + QPointF(-34, -55), 4, 4);
    painter.drawEllipse(owl + QPointF(26, -55), 4, 4);
    painter.setPen(outline(2, QColor(120, 70, 0)));
    painter.setBrush(QColor(250, 160, 30));
    painter.drawPolygon(QPolygonF({owl + QPointF(-9, -28), owl + QPointF(9, -28), owl + QPointF(0, -8)}));
    for (const qreal x : {-25.0, 25.0}) {
        for (const qreal toe : {-8.0, 0.0, 8.0})
            painter.drawEllipse(owl + QPointF(x + toe, 102), 5, 8);
    }
    return image;
}
