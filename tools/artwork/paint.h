#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRandomGenerator>

#include <initializer_list>
#include <utility>

// Building blocks shared by the drawings. Every random choice goes through a
// generator with a fixed seed, so each run draws the same pictures.

using ColourStops = std::initializer_list<std::pair<qreal, QColor>>;

QImage boardCanvas();
void fillVertical(QPainter &painter, const QRectF &rect, ColourStops stops);
void fillPathVertical(QPainter &painter, const QPainterPath &path, ColourStops stops);

// A band whose top edge is a smooth wave through the given heights, closed at the bottom.
QPainterPath wavyBand(const QRectF &rect, std::initializer_list<qreal> heights);

// A closed path through the points, with rounded corners (a Catmull-Rom outline).
QPainterPath smoothClosed(const std::vector<QPointF> &points);
// A path made by mirroring a right half (drawn from the top centre round to the
// bottom centre, as cubic segments) at the vertical axis x = 0.
QPainterPath mirrored(const std::vector<QPointF> &rightHalf);

void drawSun(QPainter &painter, QPointF centre, qreal radius, int rays);
void drawCloud(QPainter &painter, QPointF centre, qreal scale, QColor colour = QColor(255, 255, 255));
void drawBubble(QPainter &painter, QPointF centre, qreal radius);
void drawSeaweed(QPainter &painter, QPointF base, qreal height, qreal sway, QColor colour);
void drawFish(QPainter &painter, QPointF centre, qreal length, QColor body, QColor fin, bool facingLeft);
void drawFlower(QPainter &painter, QPointF centre, qreal radius, QColor petals, QColor heart);
void drawFirTree(QPainter &painter, QPointF base, qreal height, QColor colour);
void drawRoundTree(QPainter &painter, QPointF base, qreal height, QColor crown);
void drawButterfly(QPainter &painter, QPointF centre, qreal scale, QColor wings, QColor spots);
void drawPalm(QPainter &painter, QPointF base, qreal height, qreal lean);
void drawStars(QPainter &painter, const QRectF &area, int count, QRandomGenerator &random);
void drawStar(QPainter &painter, QPointF centre, qreal outer, qreal inner, int points);
void drawEye(QPainter &painter, QPointF centre, qreal radius);

QPen outline(qreal width = 3.0, QColor colour = QColor(40, 30, 30));
