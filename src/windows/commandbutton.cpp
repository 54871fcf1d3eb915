#include "commandbutton.h"

#include "geometry.h"
#include "graphicalbuttons.h"
#include "look.h"

GraphicalButton *makeCommandButton(QWidget &parent, const QString &objectName, const QString &caption,
                                   const QRect &twips, double pointSize)
{
    auto *button = new GraphicalButton(caption, &parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    button->setFont(Look::font(pointSize));
    button->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}
