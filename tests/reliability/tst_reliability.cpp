// Whole runs through the real windows. The soak plays ZORBEL_SOAK_GAMES games (1,000 when unset); the full soak is the
// same run in the sanitizer build (see README.md, "Reliability"), where the memory compared is the live heap and any
// sanitizer report fails the run.

#include "fakeservices.h"
#include "geometry.h"
#include "player.h"
#include "residentmemory.h"

#include <QLabel>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(Q_OS_WIN)
#include <windows.h>
#include <psapi.h>
#endif

namespace {

// The memory the program holds in kB: its resident memory, or under AddressSanitizer its
// live heap, since there the quarantine and shadow memory make the resident memory grow.
long heldKilobytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#elif defined(Q_OS_WIN)
    // Its working set; under Wine, /proc/self would be the Wine server's.
    PROCESS_MEMORY_COUNTERS counters{};
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? static_cast<long>(counters.WorkingSetSize / 1024) : -1;
#else
    return residentKilobytes(QStringLiteral("/proc/self/status"));
#endif
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyGamesEndRightAndKeepMemoryFlat();
    void floodOfClicksOnOneCard();
    void namesReachTheCertificateUnchanged_data();
    void namesReachTheCertificateUnchanged();
    void closeLeavesAWayOnOrOut_data();
    void closeLeavesAWayOnOrOut();
};

// Every game of a long run ends on its road with its points announced over the bare board, and the memory held after all
// of them stays within 10 % of that after the first ten. Game g walks through every board, mode and road before it
// repeats, and alternates the two years that lead to a board. A certificate shows the points announced and lies in the
// clipboard, where it stays, and is what "Drucken" prints; every road ends at the continue window alone, opened while the result windows were still loaded, no board
// loaded, the points box emptied, the names kept.
void TestReliability::manyGamesEndRightAndKeepMemoryFlat()
{
    const int games = qEnvironmentVariableIntValue("ZORBEL_SOAK_GAMES") > 0 ? qEnvironmentVariableIntValue("ZORBEL_SOAK_GAMES") : 1000;
    const QList<QList<int>> modes{{0}, {1}, {0, 1}, {2}, {3}, {2, 3}};  // Rechenart 1 to 6
    enum Road { Drucken, NoPrinter, NoPicture, NichtDrucken, CloseBox, PastTheLimit, Roads };
    FakeServices services;
    Forms forms(services);
    bool resultsLoaded = false;  // when the continue window shows
    const Player::ShowWatcher watcher(QStringLiteral("frmWeiter"), [&] { resultsLoaded = forms.frmUrkunde().isLoaded() && forms.frmDrucken().isLoaded(); });
    BoardWindow *board = nullptr;
    bool bareBoard = false;  // at the latest message: the board shown without cards, no result window, no points in the box
    services.onMessage = [&](const FakeServices::Message &) {
        bareBoard = board->isVisible() && Player::pairsOf(board->window()).isEmpty() && !forms.frmUrkunde().isLoaded()
            && !forms.frmWeiter().isLoaded() && forms.frmAuswahl().punkte().isEmpty();
    };
    Player::enterNames(forms, QStringLiteral("Jana"), QStringLiteral("Özdemir"));
    long heldAfterTen = -1;
    for (int g = 0; g < games; ++g) {
        const zorbel::BoardLayout &layout = zorbel::boardLayouts[static_cast<std::size_t>(g % 6)];
        const int mode = (g / 6) % 6;
        const int road = (g / 36) % Roads;
        const bool otherYear = (g / (36 * Roads)) % 2 == 1;
        // Year 1 has no multiplication or division.
        const int klasse = layout.variant == zorbel::Variant::Small ? (mode >= 3 || otherYear ? 1 : 0) : (otherYear ? 3 : 2);
        const QByteArray where = "game " + QByteArray::number(g) + " on " + Player::boardName(layout).toLatin1();
        QVERIFY2(Player::choose(klasse, modes[mode], static_cast<int>(layout.id) % 3), where);
        QCOMPARE(Player::visibleWindows(), QStringList{Player::boardName(layout)});
        services.messages.clear();
        services.printed.clear();
        services.hasPrinter = road != NoPrinter;
        // Drucken at the limit, past the limit by one to three; each with one wrong click.
        const int repeats = road == Drucken || road == PastTheLimit ? layout.certificateLimit - layout.cards() - 1 + (road == PastTheLimit) * (1 + g % 3) : 0;
        board = &forms.board(layout.id);
        const int klicks = Player::clearBoard(board->window(), repeats, true);
        QVERIFY2(bareBoard, where);
        // The points themselves are the scoring test's; here they must be the same in the box and on the certificate.
        const QString punkte = services.messages.back().prompt.section(u' ', 2, 2);
        QCOMPARE(services.messages.back().prompt, QStringLiteral("Du bekommst %1 Punkte!").arg(punkte));
        if (road != PastTheLimit) {
            QCOMPARE(Player::visibleWindows(), (QStringList{QStringLiteral("frmDrucken"), QStringLiteral("frmUrkunde")}));
            FormWindow *certificate = forms.frmUrkunde().window();
            QCOMPARE(certificate->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), punkte);
            QImage picture = certificate->grab().toImage();
            QVERIFY2(services.clipboard == picture, where);
            if (road == NoPicture)
                services.clipboard = picture = QImage();
            resultsLoaded = false;
            if (road == CloseBox)
                forms.frmDrucken().window()->close();
            else
                QVERIFY2(Player::click(QStringLiteral("frmDrucken"), road < NichtDrucken ? QStringLiteral("cmdDruck") : QStringLiteral("cmdKeinDruck")), where);
            QVERIFY2(services.clipboard == picture && resultsLoaded, where);
            // "Drucken" prints the captured certificate at its own proportion.
            if (road == Drucken) {
                const FakeServices::PrintedPage page = services.printed.value(0);
                QVERIFY2(page.image.convertToFormat(picture.format()) == picture, where);
                QCOMPARE(float(page.target.height() / page.target.width()), float(picture.height()) / float(picture.width()));
            }
        }
        QCOMPARE(services.printed.size(), road == Drucken ? 1 : 0);
        QCOMPARE(services.messages.size(), klicks - layout.cards() - repeats + 1);
        QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
        for (const auto &board : zorbel::boardLayouts)
            QVERIFY2(!forms.board(board.id).isLoaded(), where);
        QVERIFY2(!forms.frmUrkunde().isLoaded() && !forms.frmDrucken().isLoaded() && !services.ended && forms.frmAuswahl().punkte().isEmpty(), where);
        QCOMPARE(forms.frmAuswahl().vorname() + u' ' + forms.frmAuswahl().name(), QStringLiteral("Jana Özdemir"));
        QVERIFY2(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")), where);
        Player::flushDeletes();
        if (g + 1 == std::min(10, games))
            heldAfterTen = heldKilobytes();
    }
    const long heldAfterAll = heldKilobytes();
    // Past Qt Test's cap on messages, which the offscreen platform's warnings reach.
    std::printf("%d games; memory held after %d games %ld kB, after all %ld kB\n", games, std::min(10, games), heldAfterTen, heldAfterAll);
    QVERIFY(heldAfterTen > 0);
    QVERIFY2(heldAfterAll * 10 <= heldAfterTen * 11, "the memory held grew by more than 10 %");
}

// However many clicks a game takes, Klicks stops at 32767: 40000 clicks on one card end the game with 0 points and
// no certificate, on the board with the largest points factor.
void TestReliability::floodOfClicksOnOneCard()
{
    FakeServices services;
    Forms forms(services);
    QVERIFY(Player::open(forms, QStringLiteral("frmAuswahl")) && Player::choose(2, {2, 3}, 2));
    Player::clearBoard(forms.board(zorbel::BoardId::frm8x8).window(), 40000);
    QCOMPARE(services.messages.value(0).prompt, QStringLiteral("Du bekommst 0 Punkte!"));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
}

void TestReliability::namesReachTheCertificateUnchanged_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty names: first line a single blank") << "" << "";
    QTest::newRow("blanks kept untrimmed") << " Anna " << "Berg ";
    QTest::newRow("40000 characters, past a line edit's usual 32767") << QString(40000, u'M') << QString(10000, u'x');
    QTest::newRow("10000 characters with blanks, wrapping") << QStringLiteral("Anna ").repeated(2000) << QStringLiteral("Berg ").repeated(2000);
    QTest::newRow("emoji outside the basic plane") << "Lina 🦄🐙" << "👨‍👩‍👧 Nguyễn";
    QTest::newRow("right-to-left text") << "مريم" << "כהן abc";
    QTest::newRow("markup") << "<b>Max</b>" << "<img src=x>";
    QTest::newRow("tab and NUL") << "Tim\tTom" << QStringLiteral("A") + QChar(u'\0') + QStringLiteral("B");
    QTest::newRow("carriage return") << "Ole\rOla" << "\r";
}

// Whatever the names hold, the certificate shows them as plain text exactly as the selection window holds them
// (a carriage return is a new line) above "hat am", the date and "bei dem mathematischen Memory", in a block of
// fixed size and font; the selection window keeps them.
void TestReliability::namesReachTheCertificateUnchanged()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    FakeServices services;
    Forms forms(services);
    Player::enterNames(forms, vorname, name);
    QVERIFY(Player::choose(0, {0}, 0));
    Player::clearBoard(forms.board(zorbel::BoardId::frm3x4).window());
    const auto *block = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QString expected = vorname + u' ' + name + QStringLiteral("\nhat am\n06.12.2026\nbei dem mathematischen Memory");
    QCOMPARE(block->text(), expected.replace(u'\r', u'\n'));
    QCOMPARE(block->textFormat(), Qt::PlainText);
    QCOMPARE(block->size(), twipsToPixels(QSize(6135, 2775)));
    QCOMPARE(block->font().pointSizeF(), 18.0);

    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck")));
    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")));
    QCOMPARE(forms.frmAuswahl().vorname(), vorname);
    QCOMPARE(forms.frmAuswahl().name(), name);
}

void TestReliability::closeLeavesAWayOnOrOut_data()
{
    QTest::addColumn<QString>("opened");  // in this order, as a player opens them
    QTest::addColumn<QString>("closed");  // a window's close box, or "window button" for a click on its button
    QTest::addColumn<QString>("after");  // the windows on screen, sorted by name; then "ended"
    QTest::newRow("Splash: splash without close box stays") << "frmSplash" << "frmSplash" << "frmSplash";
    QTest::newRow("Selecting: selection without close box stays") << "frmAuswahl" << "frmAuswahl" << "frmAuswahl";
    QTest::newRow("Selecting: instructions close, selection stays") << "frmAnleitung" << "frmAnleitung" << "frmAuswahl";
    QTest::newRow("Selecting: Fertig gelesen closes the instructions alone") << "frmAnleitung" << "frmAnleitung cmdEnde" << "frmAuswahl";
    QTest::newRow("Selecting: selection stays beside the instructions") << "frmAnleitung" << "frmAuswahl" << "frmAnleitung frmAuswahl";
    QTest::newRow("Playing: board close ends the run") << "frm3x4" << "frm3x4" << "ended";
    QTest::newRow("Playing: Spiel abbrechen! ends the run") << "frm3x4" << "frm3x4 cmdEnde" << "ended";
    QTest::newRow("Playing: instructions close, board stays") << "frmAnleitung frm3x4" << "frmAnleitung" << "frm3x4";
    QTest::newRow("Playing: board close beside the instructions ends the run") << "frmAnleitung frm3x4" << "frm3x4" << "ended";
    QTest::newRow("Certificate: certificate without close box stays") << "frmUrkunde" << "frmUrkunde" << "frmDrucken frmUrkunde";
    QTest::newRow("Certificate: print-or-not close is Nicht drucken") << "frmDrucken" << "frmDrucken" << "frmWeiter";
    QTest::newRow("Continue: continue close ends the run") << "frmWeiter" << "frmWeiter" << "ended";
    QTest::newRow("Continue: Spiel beenden ends the run") << "frmWeiter" << "frmWeiter cmdEnde" << "ended";
}

// Closing any window in any state of the run leaves a window on screen or ends the run, and lands in the state the
// window's own buttons would lead to; ending leaves no window behind, and nothing asks anything.
void TestReliability::closeLeavesAWayOnOrOut()
{
    QFETCH(QString, opened);
    QFETCH(QString, closed);
    FakeServices services;
    Forms forms(services);
    for (const QString &window : opened.split(u' '))
        QVERIFY(Player::open(forms, window));
    const QStringList target = closed.split(u' ');
    QVERIFY(Player::visibleWindow(target[0]));
    if (target.size() == 2)
        QVERIFY(Player::click(target[0], target[1]));
    else
        Player::visibleWindow(closed)->close();
    Player::flushDeletes();
    QTEST((Player::visibleWindows() << (services.ended ? QStringLiteral("ended") : QString())).join(u' ').trimmed(), "after");
    QVERIFY(services.messages.isEmpty());
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
