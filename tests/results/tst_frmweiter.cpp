#include "fakeservices.h"
#include "geometry.h"
#include "look.h"
#include "player.h"

#include <QScreen>

class TestFrmWeiter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensCentredWithTwoGraphicalButtons();
    void endeEndsTheProgram();
};

// Desktop-coloured, centred, "Ich will weiter spielen!" above "Spiel beenden!", no maximise button.
void TestFrmWeiter::opensCentredWithTwoGraphicalButtons()
{
    FakeServices services;
    Forms forms(services);
    forms.frmWeiter().Show();
    FormWindow *window = forms.frmWeiter().window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->size(), twipsToPixels(5190, 2310));
    QVERIFY(qAbs(window->geometry().center().x() - QGuiApplication::primaryScreen()->availableGeometry().center().x()) <= 1);
    QCOMPARE(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint), Qt::WindowCloseButtonHint);
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), Look::desktop);

    QAbstractButton *weiter = Player::button(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter"));
    QAbstractButton *ende = Player::button(QStringLiteral("frmWeiter"), QStringLiteral("cmdEnde"));
    QCOMPARE(weiter->text(), QStringLiteral("Ich will weiter spielen!"));
    QCOMPARE(ende->text(), QStringLiteral("Spiel beenden!"));
    QCOMPARE(weiter->geometry(), twipsToPixels(120, 120, 4935, 975));
    QCOMPARE(ende->geometry(), twipsToPixels(120, 1200, 4935, 975));
    QCOMPARE(weiter->nextInFocusChain(), ende);
}

// "Spiel beenden!" ends the run and leaves no window behind, with nothing else shown.
void TestFrmWeiter::endeEndsTheProgram()
{
    FakeServices services;
    Forms forms(services);
    forms.frmWeiter().Show();
    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdEnde")));
    QVERIFY(services.ended);
    QVERIFY(services.messages.isEmpty());
    Player::flushDeletes();
    QCOMPARE(Player::visibleWindows(), QStringList());
}

QTEST_MAIN(TestFrmWeiter)
#include "tst_frmweiter.moc"
