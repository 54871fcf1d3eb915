#include "commandbutton.h"

#include "controlfactory.h"
#include "graphicalbuttons.h"

GraphicalButton *makeCommandButton(QWidget &parent, const QString &objectName, const QString &caption,
                                   const QRect &twips, double pointSize)
{
    auto *button = makeCaptioned<GraphicalButton>(&parent, objectName, twips, pointSize, caption);
    button->setAccessibleName(caption);
    return button;
}
