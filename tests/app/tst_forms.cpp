#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmsplash.h"
#include "frmweiter.h"

#include <QPointer>
#include <QTest>

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneInstanceShownOnceAndRebuiltAfterUnload();
    void unloadOfAnUnloadedWindowDoesNothing();
    void endClosesEveryWindowAndBlocksLaterShows();
    void splashUnloadsItselfInsideItsOwnHandler();
};

// The same name always reaches the same object; a second Show only raises; after Unload
// the window goes and the next Show builds a new one.
void TestForms::oneInstanceShownOnceAndRebuiltAfterUnload()
{
    FakeServices services;
    Forms forms(services);
    auto &weiter = forms.frmWeiter();
    QVERIFY(!weiter.isLoaded());
    weiter.Show();
    QPointer<FormWindow> firstWindow = weiter.window();
    QVERIFY(weiter.isVisible());
    weiter.Show();
    QCOMPARE(weiter.window(), firstWindow.data());

    weiter.Unload();
    QVERIFY(!weiter.isLoaded());
    QVERIFY(!firstWindow->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(firstWindow.isNull());
    QCOMPARE(&forms.frmWeiter(), &weiter);
    weiter.Show();
    QVERIFY(weiter.isVisible() && weiter.window());
}

// Unloading windows that were never loaded creates none and does no harm.
void TestForms::unloadOfAnUnloadedWindowDoesNothing()
{
    FakeServices services;
    Forms forms(services);
    forms.unloadBoards();
    for (const auto &layout : zorbel::boardLayouts)
        QVERIFY(!forms.board(layout.id).isLoaded());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// End unloads every window and ends the program; a later Show loads nothing.
void TestForms::endClosesEveryWindowAndBlocksLaterShows()
{
    FakeServices services;
    Forms forms(services);
    forms.frmWeiter().Show();
    forms.board(zorbel::BoardId::frm6x6).Show();
    forms.End();
    QVERIFY(services.ended);
    QVERIFY(!forms.frmWeiter().isLoaded());
    QVERIFY(!forms.board(zorbel::BoardId::frm6x6).isLoaded());
    forms.frmAuswahl().Show();
    QVERIFY(!forms.frmAuswahl().isLoaded());
}

// Leaving the splash window unloads it from inside its own event handler.
void TestForms::splashUnloadsItselfInsideItsOwnHandler()
{
    FakeServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    QPointer<FormWindow> splash = forms.frmSplash().window();
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!forms.frmSplash().isLoaded());
    QVERIFY(forms.frmAuswahl().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
