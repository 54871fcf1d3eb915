#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmurkunde.h"
#include "frmweiter.h"
#include "selectionsteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <map>

namespace {

enum class Road { GoodGame, TooManyClicks, CodePair };

QAbstractButton *control(Form &form, const QString &objectName)
{
    return form.window()->findChild<QAbstractButton *>(objectName);
}

void click(Form &form, const QString &objectName)
{
    QTest::mouseClick(control(form, objectName), Qt::LeftButton);
}

// Starts the smallest board through the selection window, as a player would.
void startGame(Forms &forms)
{
    click(forms.frmAuswahl(), QStringLiteral("optLevel(0)"));
    click(forms.frmAuswahl(), QStringLiteral("cmdOK"));
}

// Clears the board: first `wrongClicks` clicks that pair unequal cards, then every pair at once.
void playBoard(Forms &forms, int wrongClicks)
{
    const zorbel::BoardLayout &layout = zorbel::boardLayout(zorbel::BoardId::frm3x4);
    std::map<QString, QList<QString>> byTag;
    for (int index = 0; index < layout.cards(); ++index) {
        const QString name = QStringLiteral("cmdaufgabe(%1)").arg(index);
        byTag[control(forms.frm3x4(), name)->property("Tag").toString()].append(name);
    }
    const QString first = byTag.begin()->second.first();
    const QString other = std::next(byTag.begin())->second.first();

    // Two cards of different results, clicked in turn: each click after the first is wrong,
    // and the card clicked last stays marked.
    QString marked = first;
    click(forms.frm3x4(), first);
    for (int wrong = 0; wrong < wrongClicks; ++wrong) {
        marked = marked == first ? other : first;
        click(forms.frm3x4(), marked);
    }
    // Results may repeat across pairs, so any two cards of one tag make a pair.
    for (auto &[tag, cards] : byTag) {
        if (cards.removeOne(marked)) {
            click(forms.frm3x4(), cards.takeFirst());
            break;
        }
    }
    for (auto &[tag, cards] : byTag) {
        while (cards.size() >= 2 && forms.frm3x4().isLoaded()) {
            click(forms.frm3x4(), cards.takeFirst());
            click(forms.frm3x4(), cards.takeFirst());
        }
    }
}

bool onlyVisibleWindowIs(const FormWindow *window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != window)
            return false;
    }
    return window && window->isVisible();
}

} // namespace

Q_DECLARE_METATYPE(Road)

class TestRoads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRoadEndsAtTheContinueWindow_data();
    void everyRoadEndsAtTheContinueWindow();
};

void TestRoads::everyRoadEndsAtTheContinueWindow_data()
{
    QTest::addColumn<Road>("road");
    QTest::newRow("good game: certificate, then Drucken") << Road::GoodGame;
    QTest::newRow("too many clicks: no certificate") << Road::TooManyClicks;
    QTest::newRow("code pair: certificate, then Nicht drucken") << Road::CodePair;
}

// Whatever the road, the continue window ends up the one window on screen, with no board open and
// no points; "Ich will weiter spielen!" and "OK" then start the same kind of game afresh.
void TestRoads::everyRoadEndsAtTheContinueWindow()
{
    QFETCH(Road, road);

    FakeServices services;
    Forms forms(services);
    switch (road) {
    case Road::GoodGame:
    case Road::TooManyClicks: {
        SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
        SelectionSteps::chooseYearOneAddition(forms);
        startGame(forms);
        QVERIFY(forms.frm3x4().isVisible());
        const int wrongClicks = road == Road::GoodGame ? 1 : zorbel::boardLayout(zorbel::BoardId::frm3x4).certificateLimit;
        playBoard(forms, wrongClicks);
        QVERIFY(!services.messages.isEmpty());
        QVERIFY(services.messages.last().prompt.startsWith(QStringLiteral("Du bekommst ")));
        if (road == Road::TooManyClicks) {
            QVERIFY(!forms.frmUrkunde().isLoaded());
            break;
        }
        const QString shown = services.messages.last().prompt.section(QLatin1Char(' '), 2, 2);
        QVERIFY(forms.frmDrucken().isVisible());
        QVERIFY(forms.frmUrkunde().isVisible());
        QCOMPARE(forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), shown);
        QVERIFY(!forms.frm3x4().isLoaded());
        click(forms.frmDrucken(), QStringLiteral("cmdDruck"));
        QCOMPARE(services.printed.size(), 1);
        break;
    }
    case Road::CodePair:
        SelectionSteps::enterNames(forms, QStringLiteral("ZentaKorbiFelmar"), QStringLiteral("TrubelWankerhofMeiselbachNorg"));
        SelectionSteps::chooseYearOneAddition(forms);
        click(forms.frmAuswahl(), QStringLiteral("cmdEnde"));
        QVERIFY(forms.frmUrkunde().isVisible());
        click(forms.frmDrucken(), QStringLiteral("cmdKeinDruck"));
        break;
    }

    QVERIFY(onlyVisibleWindowIs(forms.frmWeiter().window()));
    for (const auto &layout : zorbel::boardLayouts)
        QVERIFY(!forms.board(layout.id).isLoaded());
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QVERIFY(!services.ended);

    click(forms.frmWeiter(), QStringLiteral("cmdWeiter"));
    QVERIFY(onlyVisibleWindowIs(forms.frmAuswahl().window()));
    startGame(forms);
    QVERIFY(forms.frm3x4().isVisible());
    QVERIFY(!forms.frmAuswahl().isVisible());
}

QTEST_MAIN(TestRoads)
#include "tst_roads.moc"
