// Plays many complete games through the real windows, one after the other in one run,
// and checks that every game ends where it should and that memory does not creep
// (the resident memory; in the sanitizer build the live heap, see tests/reliability/player.h).
//
// It plays ZORBEL_SOAK_GAMES games, 1,000 when that is unset: seconds in a normal build.
// The full soak is the same run in the sanitizer build:
//   cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBEL_SANITIZE=ON
//   cmake --build build-asan --target tst_soak
//   ZORBEL_SOAK_GAMES=1000 ctest --test-dir build-asan -R tst_soak --output-on-failure
// Any AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer report fails the run.

#include "boardlayout.h"
#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmsplash.h"
#include "player.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

// What the player chose and how the game is to end.
enum class Road { Drucken, NichtDrucken, TooManyClicks };

struct Game
{
    const zorbel::BoardLayout *layout;
    Player::Settings settings;
    int rechenartCode;
    Road road;
};

struct Mode
{
    QList<int> rechenarten;
    int code;
};

const QList<Mode> modes{{{0}, 1}, {{1}, 2}, {{0, 1}, 3}, {{2}, 4}, {{3}, 5}, {{2, 3}, 6}};

// Game number g walks through every board, every mode and every road before it
// repeats, and alternates the two grades that lead to a board.
Game gameNumber(int g)
{
    const auto &layout = zorbel::boardLayouts[static_cast<std::size_t>(g % 6)];
    const Mode &mode = modes[(g / 6) % 6];
    const auto road = static_cast<Road>((g / 36) % 3);
    const bool small = layout.variant == zorbel::Variant::Small;
    const bool otherGrade = (g / 108) % 2 == 1;
    // Year 1 has no multiplication or division.
    const int klasse = small ? (mode.code >= 4 || otherGrade ? 1 : 0) : (otherGrade ? 3 : 2);
    return {&layout, {klasse, mode.rechenarten, static_cast<int>(layout.id) % 3}, mode.code, road};
}

int soakGames()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("ZORBEL_SOAK_GAMES");
    return fromEnvironment > 0 ? fromEnvironment : 1000;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyGamesEndRightAndKeepMemoryFlat();

private:
    void playOne(int g, Forms &forms, FakeServices &services);
};

// Every game of a long run ends on its road with the right points, and the memory held
// after all of them stays within 10 % of that after the first ten.
void TestSoak::manyGamesEndRightAndKeepMemoryFlat()
{
    const int games = soakGames();
    FakeServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    QTest::keyClick(forms.frmSplash().window(), Qt::Key_Space);
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmAuswahl")});
    forms.frmAuswahl().setVorname(QStringLiteral("Jana"));
    forms.frmAuswahl().setName(QStringLiteral("Özdemir"));

    long heldAfterTen = -1;
    long residentAfterTen = -1;
    for (int g = 0; g < games; ++g) {
        playOne(g, forms, services);
        if (QTest::currentTestFailed())
            return;
        Player::flushDeletes();
        if (g + 1 == std::min(10, games)) {
            heldAfterTen = Player::heldKilobytes();
            residentAfterTen = Player::residentKilobytes();
        }
    }
    const long heldAfterAll = Player::heldKilobytes();
    const long residentAfterAll = Player::residentKilobytes();
    const auto growth = [](long before, long after) { return 100.0 * double(after - before) / double(before); };
    // Past Qt Test's cap on messages, which the offscreen platform's warnings reach.
    std::printf("%d games; after %d games and after all: resident memory %ld kB, %ld kB (%+.1f %%); %s %ld kB, %ld kB (%+.1f %%)\n",
                games, std::min(10, games), residentAfterTen, residentAfterAll, growth(residentAfterTen, residentAfterAll),
                Player::heldMemory, heldAfterTen, heldAfterAll, growth(heldAfterTen, heldAfterAll));
    QVERIFY(heldAfterTen > 0);
    QVERIFY2(heldAfterAll * 10 <= heldAfterTen * 11, "the memory held grew by more than 10 %");
    QVERIFY(!services.ended);
}

void TestSoak::playOne(int g, Forms &forms, FakeServices &services)
{
    const Game game = gameNumber(g);
    const zorbel::BoardLayout &layout = *game.layout;
    const QString boardName = QString::fromLatin1(layout.name.data(), static_cast<qsizetype>(layout.name.size()));
    const QByteArray where = QByteArray("game ") + QByteArray::number(g) + " on " + boardName.toLatin1();

    QVERIFY2(Player::chooseAndStart(game.settings), where);
    QCOMPARE(Player::visibleWindows(), QStringList{boardName});
    QWidget *board = Player::visibleWindow(boardName);
    const auto pairs = Player::pairsOf(board);
    QVERIFY2(pairs.size() == layout.pairs(), where);
    services.messages.clear();
    // The fake keeps every printed page; only this game's count matters here.
    services.printed.clear();

    const QString firstTag = pairs[0].first->property("Tag").toString();
    const auto other = std::find_if(pairs.begin() + 1, pairs.end(), [&](const auto &pair) {
        return pair.first->property("Tag").toString() != firstTag;
    });
    const int wrong = other != pairs.end() ? 1 : 0;
    // Clicking the marked card again only costs clicks; enough of them lose the certificate.
    const int extra = game.road == Road::TooManyClicks ? layout.certificateLimit - layout.cards() + 1 + g % 3 : 0;

    QTest::mouseClick(pairs[0].first, Qt::LeftButton);
    for (int k = 0; k < extra; ++k)
        QTest::mouseClick(pairs[0].first, Qt::LeftButton);
    if (wrong) {
        QTest::mouseClick(other->first, Qt::LeftButton);
        QTest::mouseClick(other->second, Qt::LeftButton);
        QTest::mouseClick(pairs[0].first, Qt::LeftButton);
    }
    for (const auto &pair : pairs) {
        if (wrong && pair.first == other->first)
            continue;
        if (pair.first != pairs[0].first)
            QTest::mouseClick(pair.first, Qt::LeftButton);
        QTest::mouseClick(pair.second, Qt::LeftButton);
    }

    const int klicks = layout.cards() + wrong + extra;
    const int punkte = std::max(0, (layout.pointsBase - (klicks - layout.cards())) * game.rechenartCode * layout.levelFactor);
    QCOMPARE(services.messages.size(), wrong + 1);
    if (wrong)
        QCOMPARE(services.messages.front().prompt, QStringLiteral("Leider falsch!"));
    QCOMPARE(services.messages.back().prompt, QStringLiteral("Du bekommst %1 Punkte!").arg(punkte));

    if (game.road == Road::TooManyClicks) {
        QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    } else {
        QCOMPARE(Player::visibleWindows(), (QStringList{QStringLiteral("frmDrucken"), QStringLiteral("frmUrkunde")}));
        const auto *points = Player::visibleWindow(QStringLiteral("frmUrkunde"))->findChild<QLabel *>(QStringLiteral("lblText(1)"));
        QVERIFY2(points && points->text() == QString::number(punkte), where);
        const bool print = game.road == Road::Drucken;
        QVERIFY2(Player::click(QStringLiteral("frmDrucken"), print ? QStringLiteral("cmdDruck") : QStringLiteral("cmdKeinDruck")), where);
        QCOMPARE(services.printed.size(), print ? 1 : 0);
        QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    }
    QVERIFY2(forms.frmAuswahl().punkte().isEmpty(), where);
    QVERIFY2(!forms.board(layout.id).isLoaded(), where);

    QVERIFY2(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")), where);
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmAuswahl")});
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
