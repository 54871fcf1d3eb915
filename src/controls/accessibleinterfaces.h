#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

// Tells assistive technology about one of the program's own controls: each control's unit
// has a factory for its class, installed by its constructor. Installed once per factory,
// however many controls are built.
template<QAccessible::InterfaceFactory factory>
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// A control whose click is offered as an action of its own, first among the toolkit's,
// while the control is enabled.
class ClickActionAccessible : public QAccessibleWidget
{
public:
    ClickActionAccessible(QWidget *control, QAccessible::Role role, const QString &action)
        : QAccessibleWidget(control, role)
        , m_action(action)
    {
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(m_action);
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == m_action && widget()->isEnabled())
            click();
        else
            QAccessibleWidget::doAction(actionName);
    }

protected:
    virtual void click() = 0;

private:
    QString m_action;
};
