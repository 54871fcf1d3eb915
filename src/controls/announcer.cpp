#include "announcer.h"

#include "accessibleinterfaces.h"

#include <QAccessibleWidget>

namespace {

// Screen readers speak a notification when it starts showing, whether or not it has
// the focus, and keep it in their message history.
QAccessibleInterface *announcerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<Announcer *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory<announcerInterface>();
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
}
