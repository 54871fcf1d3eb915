#include "fakeservices.h"
#include "player.h"

namespace {

enum class State { Splash, Selecting, SelectingWithInstructions, Playing, PlayingWithInstructions, Certificate, Continue };

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
    if (!Player::choose({0, {0}, 0}))
        return false;
    if (state == State::Playing || state == State::PlayingWithInstructions)
        return true;
    Player::clearBoard(forms.frm3x4().window());
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
    const auto row = [](const char *rule, State state, const char *closed, const char *before, const char *after) {
        QTest::newRow(rule) << state << QString::fromLatin1(closed) << QString::fromLatin1(before).split(u' ')
                            << QString::fromLatin1(after).split(u' ');
    };
    row("Splash: splash without close box stays", State::Splash, "frmSplash", "frmSplash", "frmSplash");
    row("Selecting: selection without close box stays", State::Selecting, "frmAuswahl", "frmAuswahl", "frmAuswahl");
    row("Selecting: instructions close, selection stays", State::SelectingWithInstructions, "frmAnleitung",
        "frmAnleitung frmAuswahl", "frmAuswahl");
    row("Selecting: selection stays beside the instructions", State::SelectingWithInstructions, "frmAuswahl",
        "frmAnleitung frmAuswahl", "frmAnleitung frmAuswahl");
    row("Playing: board close ends the run", State::Playing, "frm3x4", "frm3x4", "ended");
    row("Playing: instructions close, board stays", State::PlayingWithInstructions, "frmAnleitung", "frm3x4 frmAnleitung", "frm3x4");
    row("Playing: board close beside the instructions ends the run", State::PlayingWithInstructions, "frm3x4",
        "frm3x4 frmAnleitung", "ended");
    row("Certificate: certificate without close box stays", State::Certificate, "frmUrkunde", "frmDrucken frmUrkunde",
        "frmDrucken frmUrkunde");
    row("Certificate: print-or-not close is Nicht drucken", State::Certificate, "frmDrucken", "frmDrucken frmUrkunde", "frmWeiter");
    row("Continue: continue close ends the run", State::Continue, "frmWeiter", "frmWeiter", "ended");
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

    // The windows left on screen, then "ended" once the run has ended; never nothing at all.
    QCOMPARE(Player::visibleWindows() + (services.ended ? QStringList{QStringLiteral("ended")} : QStringList()), after);
}

QTEST_MAIN(TestCloseBoxes)
#include "tst_closeboxes.moc"
