#pragma once

#include "boardlayout.h"
#include "boardwindow.h"
#include "forms.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmsplash.h"
#include "frmurkunde.h"
#include "frmweiter.h"

#include <QAbstractButton>
#include <QString>
#include <QTest>

// Opens each of the twelve windows by name in the state a player meets it in.
namespace WindowRoad {

inline QAbstractButton *button(Form &form, const QString &name)
{
    return form.window() ? form.window()->findChild<QAbstractButton *>(name) : nullptr;
}

inline void click(Form &form, const QString &name)
{
    QAbstractButton *target = button(form, name);
    QVERIFY2(target, qPrintable(name));
    QTest::mouseClick(target, Qt::LeftButton);
}

inline FormWindow *openBoard(Forms &forms, zorbel::BoardId id)
{
    const zorbel::BoardLayout &layout = zorbel::boardLayout(id);
    forms.frmAuswahl().Show();
    click(forms.frmAuswahl(), QStringLiteral("optKlasse(%1)").arg(layout.variant == zorbel::Variant::Small ? 0 : 2));
    click(forms.frmAuswahl(), QStringLiteral("chkRechenart(0)"));
    click(forms.frmAuswahl(), QStringLiteral("optLevel(%1)").arg(static_cast<int>(id) % 3));
    click(forms.frmAuswahl(), QStringLiteral("cmdOK"));
    return forms.board(id).window();
}

// The window named, shown as the program shows it; nullptr when it did not open.
inline FormWindow *open(Forms &forms, const QString &name)
{
    for (const zorbel::BoardLayout &layout : zorbel::boardLayouts) {
        if (name == QLatin1String(layout.name.data(), static_cast<qsizetype>(layout.name.size())))
            return openBoard(forms, layout.id);
    }
    if (name == QLatin1String("frmSplash")) {
        forms.frmSplash().Show();
        return forms.frmSplash().window();
    }
    if (name == QLatin1String("frmAuswahl")) {
        forms.frmAuswahl().Show();
        return forms.frmAuswahl().window();
    }
    if (name == QLatin1String("frmAnleitung")) {
        forms.frmAuswahl().Show();
        click(forms.frmAuswahl(), QStringLiteral("cmdAnleitung"));
        return forms.frmAnleitung().window();
    }
    if (name == QLatin1String("frmUrkunde") || name == QLatin1String("frmDrucken")) {
        forms.frmAuswahl().Show();
        forms.frmAuswahl().setVorname(QStringLiteral("Lena"));
        forms.frmAuswahl().setName(QStringLiteral("Sommer"));
        forms.frmAuswahl().setPunkte(QStringLiteral("57"));
        forms.frmAuswahl().Hide();
        forms.frmUrkunde().Show();
        forms.frmDrucken().Show();
        return name == QLatin1String("frmUrkunde") ? forms.frmUrkunde().window() : forms.frmDrucken().window();
    }
    if (name == QLatin1String("frmWeiter")) {
        forms.frmWeiter().Show();
        return forms.frmWeiter().window();
    }
    return nullptr;
}

inline const QStringList windowNames{
    QStringLiteral("frmSplash"),  QStringLiteral("frmAuswahl"), QStringLiteral("frmAnleitung"),
    QStringLiteral("frm3x4"),     QStringLiteral("frm4x4"),     QStringLiteral("frm6x4"),
    QStringLiteral("frm6x6"),     QStringLiteral("frm8x5"),     QStringLiteral("frm8x8"),
    QStringLiteral("frmUrkunde"), QStringLiteral("frmDrucken"), QStringLiteral("frmWeiter"),
};

} // namespace WindowRoad
