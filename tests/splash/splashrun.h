#pragma once

#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmsplash.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

// A run of the program that has just started on the splash window.
struct SplashRun
{
    FakeServices services;
    Forms forms{services};

    SplashRun() { forms.frmSplash().Show(); }

    FormWindow *splash() { return forms.frmSplash().window(); }
    bool leftToSelection() { return !forms.frmSplash().isLoaded() && forms.frmAuswahl().isVisible(); }
    bool stillOnSplash() { return forms.frmSplash().isVisible() && !forms.frmAuswahl().isLoaded(); }

    // A point of the splash window where the player hits this part and nothing lying over it.
    QPoint visiblePoint(QWidget *part)
    {
        FormWindow *window = splash();
        for (int y = 1; y < part->height() - 1; ++y) {
            for (int x = 1; x < part->width() - 1; ++x) {
                const QPoint point = part->mapTo(window, QPoint(x, y));
                QWidget *hit = window->childAt(point);
                if (hit == part || (part == window && hit == nullptr))
                    return point;
            }
        }
        return {-1, -1};
    }

    // The click of a player: it goes to whatever the window shows at that point.
    void clickOn(QWidget *part)
    {
        const QPoint point = visiblePoint(part);
        QVERIFY2(point != QPoint(-1, -1), qPrintable(part->objectName()));
        QTest::mouseClick(splash()->windowHandle(), Qt::LeftButton, {}, point);
    }
};
