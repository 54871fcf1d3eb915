#include "clickwatcher.h"

#include <QMouseEvent>
#include <QWidget>

ClickWatcher::ClickWatcher(QWidget &widget)
    : QObject(&widget)
    , m_widget(widget)
{
    widget.installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressed = true;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const bool click = m_pressed && m_widget.rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click)
            Q_EMIT clicked();
        return true;
    }
    default:
        return false;
    }
}
