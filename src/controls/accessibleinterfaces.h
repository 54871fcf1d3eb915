#pragma once

#include <QAccessible>

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
