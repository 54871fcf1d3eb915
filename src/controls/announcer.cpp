#include "announcer.h"

#include "accessibleinterfaces.h"

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleInterfaces();
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
