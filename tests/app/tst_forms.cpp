#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmweiter.h"

#include <QTest>

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endClosesEveryWindowAndBlocksLaterShows();
};

// End unloads every window and ends the program; a later Show loads nothing.
void TestForms::endClosesEveryWindowAndBlocksLaterShows()
{
    FakeServices services;
    Forms forms(services);
    forms.frmWeiter().Show();
    forms.board(zorbel::BoardId::frm6x6).Show();
    forms.End();
    QVERIFY(services.ended);
    QVERIFY(!forms.frmWeiter().isLoaded() && !forms.board(zorbel::BoardId::frm6x6).isLoaded());
    forms.frmAuswahl().Show();
    QVERIFY(!forms.frmAuswahl().isLoaded());
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
