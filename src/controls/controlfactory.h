#pragma once

#include "geometry.h"
#include "look.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

// A control of a window as it was designed: named, and placed at its rectangle in twips
// within its parent. The arguments go to the control's constructor, before its parent.
template<typename Control, typename... Arguments>
Control *makeControl(QWidget *parent, const QString &objectName, const QRect &twips, Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(objectName);
    control->setGeometry(twipsToPixels(twips));
    return control;
}

// The same, with a caption in the program's face at this size.
template<typename Control, typename... Arguments>
Control *makeCaptioned(QWidget *parent, const QString &objectName, const QRect &twips, double pointSize,
                       Arguments &&...arguments)
{
    auto *control = makeControl<Control>(parent, objectName, twips, std::forward<Arguments>(arguments)...);
    control->setFont(Look::font(pointSize));
    return control;
}
