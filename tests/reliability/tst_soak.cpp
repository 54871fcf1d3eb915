// Plays ZORBEL_SOAK_GAMES games (1,000 when unset) one after the other through the real windows.
// The full soak is the same run in the sanitizer build (see README.md, "Reliability"), where the
// memory compared is the live heap and any sanitizer report fails the run.

#include "fakeservices.h"
#include "player.h"
#include "residentmemory.h"


#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// The memory the program holds in kB: its resident memory, or under AddressSanitizer its
// live heap, since there the quarantine and shadow memory make the resident memory grow.
#if defined(__SANITIZE_ADDRESS__)
const char *const heldMemory = "live heap";
long heldKilobytes()
{
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
const char *const heldMemory = "resident memory";
long heldKilobytes()
{
    return residentKilobytes(QStringLiteral("/proc/self/status"));
}
#endif

enum class Road { Drucken, NichtDrucken, TooManyClicks };

struct Mode
{
    QList<int> rechenarten;
    int code;
};
const QList<Mode> modes{{{0}, 1}, {{1}, 2}, {{0, 1}, 3}, {{2}, 4}, {{3}, 5}, {{2, 3}, 6}};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyGamesEndRightAndKeepMemoryFlat();

private:
    static void playOne(int g, Forms &forms, FakeServices &services);
};

// Every game of a long run ends on its road with the right points, and the memory held
// after all of them stays within 10 % of that after the first ten.
void TestSoak::manyGamesEndRightAndKeepMemoryFlat()
{
    const int games = qEnvironmentVariableIntValue("ZORBEL_SOAK_GAMES") > 0 ? qEnvironmentVariableIntValue("ZORBEL_SOAK_GAMES") : 1000;
    FakeServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    QTest::keyClick(forms.frmSplash().window(), Qt::Key_Space);
    forms.frmAuswahl().setVorname(QStringLiteral("Jana"));
    forms.frmAuswahl().setName(QStringLiteral("Özdemir"));

    long heldAfterTen = -1;
    for (int g = 0; g < games; ++g) {
        playOne(g, forms, services);
        if (QTest::currentTestFailed())
            return;
        Player::flushDeletes();
        if (g + 1 == std::min(10, games))
            heldAfterTen = heldKilobytes();
    }
    const long heldAfterAll = heldKilobytes();
    // Past Qt Test's cap on messages, which the offscreen platform's warnings reach.
    std::printf("%d games; %s after %d games %ld kB, after all %ld kB\n", games, heldMemory, std::min(10, games),
                heldAfterTen, heldAfterAll);
    QVERIFY(heldAfterTen > 0);
    QVERIFY2(heldAfterAll * 10 <= heldAfterTen * 11, "the memory held grew by more than 10 %");
}

// Game g walks through every board, mode and road before it repeats, and alternates
// the two grades that lead to a board.
void TestSoak::playOne(int g, Forms &forms, FakeServices &services)
{
    const zorbel::BoardLayout &layout = zorbel::boardLayouts[static_cast<std::size_t>(g % 6)];
    const Mode &mode = modes[(g / 6) % 6];
    const auto road = static_cast<Road>((g / 36) % 3);
    const bool otherGrade = (g / 108) % 2 == 1;
    // Year 1 has no multiplication or division.
    const int klasse = layout.variant == zorbel::Variant::Small ? (mode.code >= 4 || otherGrade ? 1 : 0) : (otherGrade ? 3 : 2);
    const QByteArray where = "game " + QByteArray::number(g) + " on " + Player::boardName(layout).toLatin1();

    QVERIFY2(Player::choose({klasse, mode.rechenarten, static_cast<int>(layout.id) % 3}), where);
    QCOMPARE(Player::visibleWindows(), QStringList{Player::boardName(layout)});
    services.messages.clear();
    services.printed.clear();
    const int repeats = road == Road::TooManyClicks ? layout.certificateLimit - layout.cards() + 1 + g % 3 : 0;
    const int klicks = Player::clearBoard(forms.board(layout.id).window(), repeats, true);
    const int wrong = klicks - layout.cards() - repeats;

    const int punkte = std::max(0, (layout.pointsBase - (klicks - layout.cards())) * mode.code * layout.levelFactor);
    QCOMPARE(services.messages.size(), wrong + 1);
    QCOMPARE(services.messages.back().prompt, QStringLiteral("Du bekommst %1 Punkte!").arg(punkte));
    if (road != Road::TooManyClicks) {
        QVERIFY2(Player::click(QStringLiteral("frmDrucken"), road == Road::Drucken ? QStringLiteral("cmdDruck") : QStringLiteral("cmdKeinDruck")), where);
        QCOMPARE(services.printed.size(), road == Road::Drucken ? 1 : 0);
    }
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    QVERIFY2(forms.frmAuswahl().punkte().isEmpty() && !forms.board(layout.id).isLoaded(), where);
    QVERIFY2(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")), where);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
