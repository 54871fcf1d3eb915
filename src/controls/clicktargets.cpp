#include "clicktargets.h"

#include "accessibleinterfaces.h"
#include "clickwatcher.h"

#include <QMetaObject>

namespace {

// A label or frame that takes a click offers it as its press action.
class ClickTargetAccessible : public ClickActionAccessible
{
public:
    ClickTargetAccessible(QWidget *target, QAccessible::Role role)
        : ClickActionAccessible(target, role, pressAction())
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = qobject_cast<QLabel *>(widget());
        if (t == QAccessible::Name && label && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
    }

protected:
    void click() override { QMetaObject::invokeMethod(widget(), "click"); }
};

QAccessibleInterface *clickTargetInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickLabel")) {
        auto *label = static_cast<ClickLabel *>(object);
        return new ClickTargetAccessible(label, label->accessibleRole());
    }
    if (className == QLatin1String("ClickFrame"))
        return new ClickTargetAccessible(static_cast<ClickFrame *>(object), QAccessible::Border);
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QAccessible::Role role, QWidget *parent)
    : QLabel(parent)
    , m_role(role)
{
    installAccessibleFactory<clickTargetInterface>();
    connect(new ClickWatcher(*this), &ClickWatcher::clicked, this, &ClickLabel::clicked);
}

void ClickLabel::click()
{
    Q_EMIT clicked();
}

ClickFrame::ClickFrame(QWidget *parent)
    : QFrame(parent)
{
    installAccessibleFactory<clickTargetInterface>();
    connect(new ClickWatcher(*this), &ClickWatcher::clicked, this, &ClickFrame::clicked);
}

void ClickFrame::click()
{
    Q_EMIT clicked();
}
