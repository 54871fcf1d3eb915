#pragma once

#include <QObject>

class QWidget;

// Reports a click on a label, picture or frame, which have no click of their own:
// the left button pressed and released over the widget. The widget keeps its mouse
// presses and releases to itself, so a click on it never reaches the widgets beneath.
class ClickWatcher : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the widget it watches.
    explicit ClickWatcher(QWidget &widget);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_widget;
    bool m_pressed = false;
};
