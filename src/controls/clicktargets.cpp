#include "clicktargets.h"

#include "accessibleinterfaces.h"
#include "clickwatcher.h"

ClickLabel::ClickLabel(QAccessible::Role role, QWidget *parent)
    : QLabel(parent)
    , m_role(role)
{
    installAccessibleInterfaces();
    connect(new ClickWatcher(*this), &ClickWatcher::clicked, this, &ClickLabel::clicked);
}

void ClickLabel::click()
{
    Q_EMIT clicked();
}

ClickFrame::ClickFrame(QWidget *parent)
    : QFrame(parent)
{
    installAccessibleInterfaces();
    connect(new ClickWatcher(*this), &ClickWatcher::clicked, this, &ClickFrame::clicked);
}

void ClickFrame::click()
{
    Q_EMIT clicked();
}
