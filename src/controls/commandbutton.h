#pragma once

#include <QRect>
#include <QString>

class GraphicalButton;
class QWidget;

// A graphical command button at its design rectangle in twips, read aloud by its caption.
GraphicalButton *makeCommandButton(QWidget &parent, const QString &objectName, const QString &caption,
                                   const QRect &twips, double pointSize);
