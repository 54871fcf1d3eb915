#include "clicktargets.h"

#include "accessibleinterfaces.h"
#include "clickwatcher.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

// A label or frame that takes a click offers it as its press action.
class ClickTargetAccessible : public QAccessibleWidget
{
public:
    ClickTargetAccessible(QWidget *target, QAccessible::Role role)
        : QAccessibleWidget(target, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = qobject_cast<QLabel *>(widget());
        if (t == QAccessible::Name && label && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "click");
        else
            QAccessibleWidget::doAction(actionName);
    }
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
