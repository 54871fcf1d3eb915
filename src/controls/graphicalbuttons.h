#pragma once

#include <QCheckBox>
#include <QColor>
#include <QPushButton>
#include <QRadioButton>

// Buttons of the "graphical" kind: they paint their background colour exactly,
// flat, inside a classic bevel, with the caption centred and wrapped. The toggle
// kinds look pressed while they are selected or checked; the whole button is their
// click area, for the mouse and for a screen reader or magnifier alike.

class GraphicalButton : public QPushButton
{
    Q_OBJECT

public:
    explicit GraphicalButton(const QString &caption, QWidget *parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};

// A card of a board. Its marking is its colour; assistive technology hears it as the
// card's checked state, which only code sets: a click leaves it as it is.
class CardButton : public GraphicalButton
{
    Q_OBJECT

public:
    explicit CardButton(QWidget *parent);

protected:
    void nextCheckState() override {}
};

class GraphicalCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    GraphicalCheckBox(const QString &caption, const QColor &backColor, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};

// Option buttons with the same parent form one group: selecting one deselects the others.
class GraphicalOptionButton : public QRadioButton
{
    Q_OBJECT

public:
    GraphicalOptionButton(const QString &caption, const QColor &backColor, QWidget *parent = nullptr);

    // Deselects it from code: leaves the group with no selection when this was the selected one.
    void deselect();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};
