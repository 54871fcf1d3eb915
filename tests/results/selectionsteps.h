#pragma once

#include "forms.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmurkunde.h"

#include <QAbstractButton>
#include <QTest>

// The player's steps in the selection window that lead up to the result windows.
namespace SelectionSteps {

inline void enterNames(Forms &forms, const QString &vorname, const QString &name)
{
    forms.frmAuswahl().Show();
    forms.frmAuswahl().setVorname(vorname);
    forms.frmAuswahl().setName(name);
}

// Year 1 with addition: enough for any small board to deal its cards.
inline void chooseYearOneAddition(Forms &forms)
{
    FormWindow *auswahl = forms.frmAuswahl().window();
    QTest::mouseClick(auswahl->findChild<QAbstractButton *>(QStringLiteral("optKlasse(0)")), Qt::LeftButton);
    QTest::mouseClick(auswahl->findChild<QAbstractButton *>(QStringLiteral("chkRechenart(0)")), Qt::LeftButton);
}

// What a good game leaves behind when its last pair is found: points in the box,
// then the certificate with the print-or-not window beside it.
inline void finishGoodGame(Forms &forms, const QString &punkte)
{
    forms.frmAuswahl().Show();
    forms.frmAuswahl().setPunkte(punkte);
    forms.frmAuswahl().Hide();
    forms.frmUrkunde().Show();
    forms.frmDrucken().Show();
}

} // namespace SelectionSteps
