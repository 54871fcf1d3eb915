#include "accessibleinterfaces.h"

#include "announcer.h"
#include "clicktargets.h"
#include "graphicalbuttons.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

// A card is checked while it is marked. Its action is the whole click, as the mouse's is
// (counted, marked, compared); the toolkit's own toggle would only flip the checked state.
class CardAccessible : public QAccessibleWidget
{
public:
    explicit CardAccessible(CardButton *card)
        : QAccessibleWidget(card, QAccessible::CheckBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && card()->accessibleName().isEmpty())
            return card()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = card()->isChecked();
        state.pressed = card()->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (card()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        // Played like a press of the button, after the call has returned: the click may
        // wait in a message box, and the assistive tool must not wait with it.
        if (actionName == toggleAction() && card()->isEnabled())
            card()->animateClick();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    CardButton *card() const { return static_cast<CardButton *>(widget()); }
};

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

QAccessibleInterface *interfaceOf(const QString &className, QObject *object)
{
    // Screen readers speak a notification when it starts showing, whether or not it has
    // the focus, and keep it in their message history.
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<Announcer *>(object), QAccessible::Notification);
    if (className == QLatin1String("CardButton"))
        return new CardAccessible(static_cast<CardButton *>(object));
    if (className == QLatin1String("ClickLabel")) {
        auto *label = static_cast<ClickLabel *>(object);
        return new ClickTargetAccessible(label, label->accessibleRole());
    }
    if (className == QLatin1String("ClickFrame"))
        return new ClickTargetAccessible(static_cast<ClickFrame *>(object), QAccessible::Border);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceOf);
        return true;
    }();
    Q_UNUSED(installed);
}
