#include "fakeservices.h"
#include "player.h"

#include <QApplication>
#include <QSignalSpy>

namespace {

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// A key goes where the keyboard sends it: to the focused control, or to the active
// window when no control holds the focus.
void press(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY2(target, "no window takes the keyboard");
    QTest::keyClick(target, key);
}

// Presses Tab until the named control holds the focus, at most `limit` times.
bool tabTo(const QString &name, int limit = 80)
{
    for (int step = 0; step < limit && focusName() != name; ++step)
        press(Qt::Key_Tab);
    return focusName() == name;
}

// Tabs to the named control, if one is named, and presses the key on it.
bool work(const QString &control = {}, Qt::Key key = Qt::Key_Space)
{
    if (!control.isEmpty() && !tabTo(control))
        return false;
    press(key);
    return true;
}

// Tab into the option group of the named button, then the arrow keys to it: a group takes
// one Tab stop, and the arrows move within it and select the button they reach.
bool chooseOption(const QString &name)
{
    const QString group = name.section(QLatin1Char('('), 0, 0) + QLatin1Char('(');
    for (int step = 0; step < 40 && !focusName().startsWith(group); ++step)
        press(Qt::Key_Tab);
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus && focus->parentWidget() ? focus->parentWidget()->findChild<QWidget *>(name) : nullptr;
    for (int step = 0; target && step < 4 && focusName() != name; ++step)
        press(target->y() > QApplication::focusWidget()->y() ? Qt::Key_Down : Qt::Key_Up);
    return focusName() == name;
}

} // namespace

class TestKeyboardPlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeGameByKeyboard();
    void keyClicksFocusedControl_data();
    void keyClicksFocusedControl();
};

// A whole game on frm3x4 with addition, from the splash window back to the selection window, by Tab, Space and Enter alone.
void TestKeyboardPlay::wholeGameByKeyboard()
{
    FakeServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    QVERIFY(QTest::qWaitForWindowActive(forms.frmSplash().window()));
    press(Qt::Key_Space);
    QVERIFY(QTest::qWaitForWindowActive(forms.frmAuswahl().window()));
    QVERIFY(tabTo(QStringLiteral("txtVorname")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lena"));
    QVERIFY(tabTo(QStringLiteral("txtName")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Sommer"));
    QVERIFY(chooseOption(QStringLiteral("optKlasse(0)")) && work());
    QVERIFY(work(QStringLiteral("chkRechenart(0)")));
    QVERIFY(chooseOption(QStringLiteral("optLevel(0)")) && work());
    QVERIFY(work(QStringLiteral("cmdOK")));

    QVERIFY(QTest::qWaitForWindowActive(forms.board(zorbel::BoardId::frm3x4).window()));
    const auto pairs = Player::pairsOf(forms.board(zorbel::BoardId::frm3x4).window());
    QCOMPARE(pairs.size(), 6);
    for (const auto &[first, second] : pairs) {
        QVERIFY2(work(first->objectName()), qPrintable(first->objectName()));
        QVERIFY2(work(second->objectName(), Qt::Key_Return), qPrintable(second->objectName()));
    }
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(Player::visibleWindows(), (QStringList{QStringLiteral("frmDrucken"), QStringLiteral("frmUrkunde")}));
    QVERIFY(QTest::qWaitForWindowActive(forms.frmDrucken().window()));
    QVERIFY(work(QStringLiteral("cmdKeinDruck")));
    QVERIFY(QTest::qWaitForWindowActive(forms.frmWeiter().window()));
    QVERIFY(work(QStringLiteral("cmdWeiter")));
    Player::flushDeletes();
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmAuswahl")});
}

void TestKeyboardPlay::keyClicksFocusedControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    for (const char *button : {"frmAuswahl cmdOK", "frmAuswahl cmdReset", "frmAuswahl cmdAnleitung", "frmAuswahl cmdEnde",
                               "frmAnleitung cmdEnde", "frm3x4 cmdaufgabe(5)", "frm8x8 cmdaufgabe(63)", "frm3x4 cmdEnde",
                               "frmDrucken cmdDruck", "frmDrucken cmdKeinDruck", "frmWeiter cmdWeiter", "frmWeiter cmdEnde"})
        QTest::newRow(button) << QString::fromLatin1(button).section(u' ', 0, 0) << QString::fromLatin1(button).section(u' ', 1);
}

// Every button is reached by Tab and worked by Enter as by a click (Space, the toolkit's own key, the whole game uses).
void TestKeyboardPlay::keyClicksFocusedControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, window);
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY2(tabTo(control), qPrintable(focusName()));
    QSignalSpy clicked(QApplication::focusWidget(), SIGNAL(clicked(bool)));
    press(Qt::Key_Return);
    QCOMPARE(clicked.size(), 1);
}

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
