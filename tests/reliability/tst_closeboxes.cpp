#include "fakeservices.h"
#include "forms.h"
#include "frmsplash.h"
#include "player.h"

#include <QTest>

namespace {

enum class State { Splash, Selecting, SelectingWithInstructions, Playing, PlayingWithInstructions, Certificate, Continue };

const QString ended = QStringLiteral("ended");

} // namespace

Q_DECLARE_METATYPE(State)

class TestCloseBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeLeavesAWayOnOrOut_data();
    void closeLeavesAWayOnOrOut();

private:
    static bool reach(State state, Forms &forms);
};

// Plays from the start of the run to the state, as a player does.
bool TestCloseBoxes::reach(State state, Forms &forms)
{
    forms.frmSplash().Show();
    if (state == State::Splash)
        return true;
    QTest::keyClick(forms.frmSplash().window(), Qt::Key_Space);
    const bool instructions = state == State::SelectingWithInstructions || state == State::PlayingWithInstructions;
    if (instructions && !Player::click(QStringLiteral("frmAuswahl"), QStringLiteral("cmdAnleitung")))
        return false;
    if (state == State::Selecting || state == State::SelectingWithInstructions)
        return true;
    if (!Player::chooseAndStart({0, {0}, 0}))
        return false;
    if (state == State::Playing || state == State::PlayingWithInstructions)
        return true;
    QWidget *board = Player::visibleWindow(QStringLiteral("frm3x4"));
    if (!board)
        return false;
    for (const auto &pair : Player::pairsOf(board)) {
        QTest::mouseClick(pair.first, Qt::LeftButton);
        QTest::mouseClick(pair.second, Qt::LeftButton);
    }
    if (state == State::Certificate)
        return true;
    return Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck"));
}

void TestCloseBoxes::closeLeavesAWayOnOrOut_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<QStringList>("before");
    // The windows on screen, sorted by name; afterwards also "ended".
    QTest::addColumn<QStringList>("after");

    const QString splash = QStringLiteral("frmSplash");
    const QString auswahl = QStringLiteral("frmAuswahl");
    const QString anleitung = QStringLiteral("frmAnleitung");
    const QString board = QStringLiteral("frm3x4");
    const QString urkunde = QStringLiteral("frmUrkunde");
    const QString drucken = QStringLiteral("frmDrucken");
    const QString weiter = QStringLiteral("frmWeiter");

    QTest::newRow("Splash: splash without close box stays") << State::Splash << splash << QStringList{splash} << QStringList{splash};
    QTest::newRow("Selecting: selection without close box stays") << State::Selecting << auswahl << QStringList{auswahl} << QStringList{auswahl};
    QTest::newRow("Selecting: instructions close, selection stays")
        << State::SelectingWithInstructions << anleitung << QStringList{anleitung, auswahl} << QStringList{auswahl};
    QTest::newRow("Selecting: selection stays beside the instructions")
        << State::SelectingWithInstructions << auswahl << QStringList{anleitung, auswahl} << QStringList{anleitung, auswahl};
    QTest::newRow("Playing: board close ends the run") << State::Playing << board << QStringList{board} << QStringList{ended};
    QTest::newRow("Playing: instructions close, board stays")
        << State::PlayingWithInstructions << anleitung << QStringList{board, anleitung} << QStringList{board};
    QTest::newRow("Playing: board close beside the instructions ends the run")
        << State::PlayingWithInstructions << board << QStringList{board, anleitung} << QStringList{ended};
    QTest::newRow("Certificate: certificate without close box stays")
        << State::Certificate << urkunde << QStringList{drucken, urkunde} << QStringList{drucken, urkunde};
    QTest::newRow("Certificate: print-or-not close is Nicht drucken")
        << State::Certificate << drucken << QStringList{drucken, urkunde} << QStringList{weiter};
    QTest::newRow("Continue: continue close ends the run") << State::Continue << weiter << QStringList{weiter} << QStringList{ended};
}

// Closing any window in any state of the run leaves a window on screen or ends the
// run, and lands in the state the window's own buttons would lead to.
void TestCloseBoxes::closeLeavesAWayOnOrOut()
{
    QFETCH(State, state);
    QFETCH(QString, closed);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    FakeServices services;
    Forms forms(services);
    QVERIFY(reach(state, forms));
    QCOMPARE(Player::visibleWindows(), before);

    Player::visibleWindow(closed)->close();
    Player::flushDeletes();

    const QStringList visible = Player::visibleWindows();
    QVERIFY2(services.ended || !visible.isEmpty(), "no window left and the run goes on");
    if (after == QStringList{ended}) {
        QVERIFY(services.ended);
        QVERIFY(visible.isEmpty());
    } else {
        QVERIFY(!services.ended);
        QCOMPARE(visible, after);
    }
}

QTEST_MAIN(TestCloseBoxes)
#include "tst_closeboxes.moc"
