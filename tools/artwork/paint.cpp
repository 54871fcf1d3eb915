#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

QImage boardCanvas()
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void fillVertical(QPainter &painter, const QRectF &rect, ColourStops stops)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    painter.fillRect(rect, gradient);
}

void fillPathVertical(QPainter &painter, const QPainterPath &path, ColourStops stops)
{
    const QRectF rect = path.boundingRect();
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    painter.fillPath(path, gradient);
}

QPainterPath wavyBand(const QRectF &rect, std::initializer_list<qreal> heights)
{
    const std::vector<qreal> ys(heights);
    const qreal step = rect.width() / qreal(ys.size() - 1);
    QPainterPath path(QPointF(rect.left(), ys.front()));
    for (size_t i = 1; i < ys.size(); ++i) {
        const qreal x0 = rect.left() + step * qreal(i - 1);
        const qreal x1 = x0 + step;
        path.cubicTo(x0 + step / 2, ys[i - 1], x1 - step / 2, ys[i], x1, ys[i]);
    }
    path.lineTo(rect.right(), rect.bottom());
    path.lineTo(rect.left(), rect.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath smoothClosed(const std::vector<QPointF> &points)
{
    const size_t n = points.size();
    QPainterPath path(points[0]);
    for (size_t i = 0; i < n; ++i) {
        const QPointF p0 = points[(i + n - 1) % n];
        const QPointF p1 = points[i];
        const QPointF p2 = points[(i + 1) % n];
        const QPointF p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath mirrored(const std::vector<QPointF> &rightHalf)
{
    QPainterPath path(rightHalf[0]);
    for (size_t i = 1; i + 2 < rightHalf.size(); i += 3)
        path.cubicTo(rightHalf[i], rightHalf[i + 1], rightHalf[i + 2]);
    const auto flip = [](QPointF p) { return QPointF(-p.x(), p.y()); };
    for (size_t i = rightHalf.size() - 1; i >= 3; i -= 3)
        path.cubicTo(flip(rightHalf[i - 1]), flip(rightHalf[i - 2]), flip(rightHalf[i - 3]));
    path.closeSubpath();
    return path;
}

void drawSun(QPainter &painter, QPointF centre, qreal radius, int rays)
{
    painter.save();
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0.0, QColor(255, 250, 200, 160));
    glow.setColorAt(1.0, QColor(255, 250, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
    painter.setPen(QPen(QColor(255, 200, 40), radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < rays; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / rays;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * radius * 1.25, centre + direction * radius * 1.6);
    }
    QRadialGradient disc(centre - QPointF(radius, radius) * 0.3, radius * 1.3);
    disc.setColorAt(0.0, QColor(255, 250, 170));
    disc.setColorAt(1.0, QColor(255, 190, 20));
    painter.setPen(QPen(QColor(240, 160, 20), 2));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void drawCloud(QPainter &painter, QPointF centre, qreal scale, QColor colour)
{
    QPainterPath cloud;
    cloud.addEllipse(centre + QPointF(-45, 5) * scale, 35 * scale, 25 * scale);
    cloud.addEllipse(centre + QPointF(-10, -15) * scale, 40 * scale, 35 * scale);
    cloud.addEllipse(centre + QPointF(30, -5) * scale, 35 * scale, 28 * scale);
    cloud.addEllipse(centre + QPointF(55, 10) * scale, 28 * scale, 20 * scale);
    cloud.addRoundedRect(QRectF(centre + QPointF(-70, 0) * scale, QSizeF(150, 30) * scale),
                         15 * scale, 15 * scale);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 140, 180, 50));
    painter.drawPath(cloud.translated(4 * scale, 6 * scale));
    fillPathVertical(painter, cloud, {{0.0, colour}, {1.0, colour.darker(112)}});
    painter.restore();
}

void drawBubble(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(QColor(230, 250, 255, 200), std::max(1.0, radius / 5)));
    painter.setBrush(QColor(200, 240, 255, 50));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(centre + QPointF(-radius, -radius) * 0.4, radius * 0.25, radius * 0.25);
    painter.restore();
}

void drawSeaweed(QPainter &painter, QPointF base, qreal height, qreal sway, QColor colour)
{
    // A ribbon that narrows to its tip, swinging sideways twice on its way up.
    constexpr int steps = 24;
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal x = base.x() + sway * std::sin(t * 2 * std::numbers::pi * 1.2) * t;
        const qreal y = base.y() - height * t;
        const qreal half = height * 0.045 * (1.0 - t * 0.85);
        left.emplace_back(x - half, y);
        right.emplace_back(x + half, y);
    }
    QPainterPath ribbon(left.front());
    for (const QPointF &p : left)
        ribbon.lineTo(p);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        ribbon.lineTo(*it);
    ribbon.closeSubpath();
    painter.save();
    painter.setPen(QPen(colour.darker(150), 1.5));
    QLinearGradient shade(base.x() - sway, 0, base.x() + sway, 0);
    shade.setColorAt(0.0, colour.darker(115));
    shade.setColorAt(0.5, colour.lighter(120));
    shade.setColorAt(1.0, colour.darker(115));
    painter.setBrush(shade);
    painter.drawPath(ribbon);
    painter.restore();
}

void drawFish(QPainter &painter, QPointF centre, qreal length, QColor body, QColor fin, bool facingLeft)
{
    painter.save();
    painter.translate(centre);
    painter.scale(facingLeft ? length / 100 : -length / 100, length / 100);
    painter.setPen(QPen(body.darker(170), 2.5));
    painter.setBrush(fin);
    QPainterPath tail(QPointF(30, 0));
    tail.lineTo(55, -22);
    tail.quadTo(48, 0, 55, 22);
    tail.closeSubpath();
    painter.drawPath(tail);
    QPainterPath top(QPointF(-15, -20));
    top.quadTo(5, -42, 20, -14);
    painter.drawPath(top);
    QPainterPath shape(QPointF(-45, 0));
    shape.cubicTo(-30, -30, 20, -30, 36, 0);
    shape.cubicTo(20, 30, -30, 30, -45, 0);
    QLinearGradient shade(0, -25, 0, 25);
    shade.setColorAt(0.0, body.lighter(130));
    shade.setColorAt(1.0, body.darker(115));
    painter.setBrush(shade);
    painter.drawPath(shape);
    painter.setPen(QPen(body.darker(140), 2));
    painter.drawArc(QRectF(-30, -18, 24, 36), -60 * 16, 120 * 16);
    painter.restore();
    drawEye(painter, centre + QPointF((facingLeft ? -28 : 28) * length / 100, -5 * length / 100),
            length * 0.06);
}

void drawFlower(QPainter &painter, QPointF centre, qreal radius, QColor petals, QColor heart)
{
    painter.save();
    painter.setPen(QPen(petals.darker(140), 1.2));
    painter.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / 6;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.6;
        painter.drawEllipse(at, radius * 0.45, radius * 0.45);
    }
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.38, radius * 0.38);
    painter.restore();
}

void drawFirTree(QPainter &painter, QPointF base, qreal height, QColor colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 70, 40));
    painter.drawRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.15, height * 0.1, height * 0.15));
    painter.setPen(QPen(colour.darker(150), 1.5));
    for (int tier = 0; tier < 3; ++tier) {
        const qreal bottom = base.y() - height * (0.12 + tier * 0.25);
        const qreal half = height * (0.34 - tier * 0.08);
        QPainterPath layer(QPointF(base.x() - half, bottom));
        layer.quadTo(base.x(), bottom + height * 0.06, base.x() + half, bottom);
        layer.lineTo(base.x(), bottom - height * (0.42 - tier * 0.04));
        layer.closeSubpath();
        painter.setBrush(tier % 2 ? colour.lighter(110) : colour);
        painter.drawPath(layer);
    }
    painter.restore();
}

void drawRoundTree(QPainter &painter, QPointF base, qreal height, QColor crown)
{
    painter.save();
    painter.setPen(QPen(QColor(80, 50, 30), 1.5));
    painter.setBrush(QColor(130, 85, 45));
    QPainterPath trunk(base + QPointF(-height * 0.08, 0));
    trunk.lineTo(base + QPointF(-height * 0.04, -height * 0.5));
    trunk.lineTo(base + QPointF(height * 0.04, -height * 0.5));
    trunk.lineTo(base + QPointF(height * 0.08, 0));
    trunk.closeSubpath();
    painter.drawPath(trunk);
    const QPointF middle = base - QPointF(0, height * 0.65);
    QPainterPath leaves;
    leaves.addEllipse(middle, height * 0.3, height * 0.28);
    leaves.addEllipse(middle + QPointF(-height * 0.2, height * 0.08), height * 0.2, height * 0.18);
    leaves.addEllipse(middle + QPointF(height * 0.2, height * 0.06), height * 0.21, height * 0.19);
    leaves.addEllipse(middle + QPointF(0, -height * 0.18), height * 0.2, height * 0.16);
    leaves.setFillRule(Qt::WindingFill);
    leaves = leaves.simplified();
    painter.setPen(QPen(crown.darker(160), 2));
    QRadialGradient shade(middle - QPointF(height * 0.1, height * 0.15), height * 0.5);
    shade.setColorAt(0.0, crown.lighter(130));
    shade.setColorAt(1.0, crown.darker(120));
    painter.setBrush(shade);
    painter.drawPath(leaves);
    painter.restore();
}

void drawPalm(QPainter &painter, QPointF base, qreal height, qreal lean)
{
    painter.save();
    const QPointF top = base + QPointF(lean, -height);
    QPainterPath trunk(base + QPointF(-height * 0.06, 0));
    trunk.quadTo(base + QPointF(lean * 0.2, -height * 0.5), top + QPointF(-height * 0.025, 0));
    trunk.lineTo(top + QPointF(height * 0.025, 0));
    trunk.quadTo(base + QPointF(lean * 0.2 + height * 0.07, -height * 0.5), base + QPointF(height * 0.06, 0));
    trunk.closeSubpath();
    painter.setPen(outline(2, QColor(90, 60, 30)));
    painter.setBrush(QColor(170, 120, 60));
    painter.drawPath(trunk);
    painter.setPen(outline(2, QColor(30, 90, 30)));
    painter.setBrush(QColor(60, 160, 60));
    for (int i = 0; i < 7; ++i) {
        const qreal angle = std::numbers::pi * (1.05 + i * 0.15);
        const QPointF end = top + QPointF(std::cos(angle), std::sin(angle) * 0.5 + 0.35) * height * 0.55;
        const QPointF bend = top + QPointF(std::cos(angle) * height * 0.3, -height * 0.12);
        QPainterPath leaf(top);
        leaf.quadTo(bend + QPointF(0, -height * 0.05), end);
        leaf.quadTo(bend + QPointF(0, height * 0.05), top);
        painter.drawPath(leaf);
    }
    painter.setBrush(QColor(110, 70, 30));
    painter.drawEllipse(top + QPointF(-6, 8), 7, 7);
    painter.drawEllipse(top + QPointF(7, 9), 7, 7);
    painter.restore();
}

void drawButterfly(QPainter &painter, QPointF centre, qreal scale, QColor wings, QColor spots)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(outline(2));
    for (const qreal side : {-1.0, 1.0}) {
        painter.setBrush(wings);
        painter.drawEllipse(QPointF(side * 22, -14), 22, 18);
        painter.setBrush(wings.darker(115));
        painter.drawEllipse(QPointF(side * 16, 14), 14, 13);
        painter.setBrush(spots);
        painter.drawEllipse(QPointF(side * 25, -16), 7, 7);
    }
    painter.setBrush(QColor(60, 40, 40));
    painter.drawEllipse(QPointF(0, 0), 5, 24);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-2, -22), QPointF(-10, -38));
    painter.drawLine(QPointF(2, -22), QPointF(10, -38));
    painter.restore();
}

void drawStar(QPainter &painter, QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = std::numbers::pi * i / points - std::numbers::pi / 2;
        const qreal r = i % 2 ? inner : outer;
        star << centre + QPointF(std::cos(angle), std::sin(angle)) * r;
    }
    painter.drawPolygon(star);
}

void drawStars(QPainter &painter, const QRectF &area, int count, QRandomGenerator &random)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
        const qreal size = 0.8 + random.bounded(2.2);
        painter.setBrush(QColor(255, 255, 230, 140 + random.bounded(115)));
        if (size > 2.6)
            drawStar(painter, at, size * 2.2, size * 0.8, 4);
        else
            painter.drawEllipse(at, size, size);
    }
    painter.restore();
}

void drawEye(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(QColor(20, 20, 20), std::max(1.0, radius * 0.15)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(centre + QPointF(radius * 0.15, radius * 0.1), radius * 0.55, radius * 0.55);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(-radius * 0.05, -radius * 0.15), radius * 0.2, radius * 0.2);
    painter.restore();
}

QPen outline(qreal width, QColor colour)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
