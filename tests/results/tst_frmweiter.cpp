#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmweiter.h"
#include "geometry.h"
#include "graphicalbuttons.h"
#include "look.h"
#include "selectionsteps.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

GraphicalButton *button(Forms &forms, const char *objectName)
{
    return forms.frmWeiter().window()->findChild<GraphicalButton *>(QLatin1String(objectName));
}

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *widget) { return widget->isVisible(); });
}

} // namespace

class TestFrmWeiter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensCentredWithTwoGraphicalButtons();
    void openingClosesTheBoards();
    void weiterShowsTheSelectionAsThePlayerLeftIt();
    void endeEndsTheProgram_data();
    void endeEndsTheProgram();
};

// Desktop-coloured, centred, "Ich will weiter spielen!" above "Spiel beenden!" in 14.25 pt, no maximise button.
void TestFrmWeiter::opensCentredWithTwoGraphicalButtons()
{
    FakeServices services;
    Forms forms(services);
    forms.frmWeiter().Show();
    FormWindow *window = forms.frmWeiter().window();
    QCOMPARE(window->objectName(), QStringLiteral("frmWeiter"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->size(), twipsToPixels(5190, 2310));
    QVERIFY(qAbs(window->geometry().center().x() - QGuiApplication::primaryScreen()->availableGeometry().center().x()) <= 1);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), Look::desktop);

    GraphicalButton *weiter = button(forms, "cmdWeiter");
    GraphicalButton *ende = button(forms, "cmdEnde");
    QVERIFY(weiter && ende);
    QCOMPARE(weiter->text(), QStringLiteral("Ich will weiter spielen!"));
    QCOMPARE(ende->text(), QStringLiteral("Spiel beenden!"));
    QCOMPARE(weiter->geometry(), twipsToPixels(120, 120, 4935, 975));
    QCOMPARE(ende->geometry(), twipsToPixels(120, 1200, 4935, 975));
    QCOMPARE(weiter->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(ende->font().pointSizeF(), 14.25);
    QCOMPARE(weiter->nextInFocusChain(), ende);
}

// A board that ended its game without a certificate is gone once this window is up.
void TestFrmWeiter::openingClosesTheBoards()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    SelectionSteps::chooseYearOneAddition(forms);
    forms.frm3x4().Show();
    QVERIFY(forms.frm3x4().isVisible());

    forms.frmWeiter().Show();
    for (const auto &layout : zorbel::boardLayouts)
        QVERIFY(!forms.board(layout.id).isLoaded());
    QVERIFY(forms.frmWeiter().isVisible());
}

// "Ich will weiter spielen!" brings back the selection with names, grade and operations untouched, and closes this window.
void TestFrmWeiter::weiterShowsTheSelectionAsThePlayerLeftIt()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    SelectionSteps::chooseYearOneAddition(forms);
    forms.frmAuswahl().Hide();
    forms.frmWeiter().Show();

    QTest::mouseClick(button(forms, "cmdWeiter"), Qt::LeftButton);

    QVERIFY(forms.frmAuswahl().isVisible());
    QVERIFY(!forms.frmWeiter().isLoaded());
    QCOMPARE(forms.frmAuswahl().vorname(), QStringLiteral("Anna"));
    QCOMPARE(forms.frmAuswahl().name(), QStringLiteral("Berg"));
    QVERIFY(forms.frmAuswahl().klasse(0));
    QVERIFY(forms.frmAuswahl().rechenart(0));
    QVERIFY(!services.ended);
}

void TestFrmWeiter::endeEndsTheProgram_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Spiel beenden!") << false;
    QTest::newRow("close box acts as Spiel beenden!") << true;
}

// Ending leaves no window behind and ends the run; nothing else is shown.
void TestFrmWeiter::endeEndsTheProgram()
{
    QFETCH(bool, byCloseBox);

    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    forms.frmAuswahl().Hide();
    forms.frmWeiter().Show();

    if (byCloseBox)
        forms.frmWeiter().window()->close();
    else
        QTest::mouseClick(button(forms, "cmdEnde"), Qt::LeftButton);

    QVERIFY(services.ended);
    QVERIFY(services.messages.isEmpty());
    QVERIFY(!forms.frmWeiter().isLoaded());
    QVERIFY(!anyWindowVisible());
}

QTEST_MAIN(TestFrmWeiter)
#include "tst_frmweiter.moc"
