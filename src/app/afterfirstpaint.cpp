#include "afterfirstpaint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace {

// Lives as a child of the widget, so that it goes with a widget closed before its first paint.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget &widget, std::function<void()> action)
        : QObject(&widget)
        , m_action(std::move(action))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the painted frame goes to the screen first.
            QMetaObject::invokeMethod(
                this, [this] {
                    m_action();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget &widget, std::function<void()> action)
{
    new FirstPaintWatcher(widget, std::move(action));
}
