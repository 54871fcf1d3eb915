#include "fakeservices.h"
#include "player.h"

#include <QApplication>

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
};

// A whole game on frm3x4 with addition, from the splash window through the instructions back to the selection window,
// by Tab, Space and Enter alone: Space for the toolkit's own controls, Enter for every kind of button.
void TestKeyboardPlay::wholeGameByKeyboard()
{
    FakeServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    QVERIFY(QTest::qWaitForWindowActive(forms.frmSplash().window()));
    press(Qt::Key_Space);
    QVERIFY(QTest::qWaitForWindowActive(forms.frmAuswahl().window()));
    QVERIFY(work(QStringLiteral("cmdAnleitung"), Qt::Key_Return));
    QVERIFY(QTest::qWaitForWindowActive(forms.frmAnleitung().window()));
    QVERIFY(work(QStringLiteral("cmdEnde"), Qt::Key_Return));
    QVERIFY(!forms.frmAnleitung().isVisible());
    // A window manager hands the keyboard back to the window left on screen; the offscreen platform does not.
    forms.frmAuswahl().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(forms.frmAuswahl().window()));
    QVERIFY(tabTo(QStringLiteral("txtVorname")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lena"));
    QVERIFY(tabTo(QStringLiteral("txtName")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Sommer"));
    QVERIFY(chooseOption(QStringLiteral("optKlasse(0)")) && work());
    QVERIFY(work(QStringLiteral("chkRechenart(0)")));
    QVERIFY(chooseOption(QStringLiteral("optLevel(0)")) && work());
    QVERIFY(work(QStringLiteral("cmdOK"), Qt::Key_Return));

    QVERIFY(QTest::qWaitForWindowActive(forms.board(zorbel::BoardId::frm3x4).window()));
    const auto pairs = Player::pairsOf(forms.board(zorbel::BoardId::frm3x4).window());
    for (const auto &[first, second] : pairs) {
        QVERIFY2(work(first->objectName()), qPrintable(first->objectName()));
        QVERIFY2(work(second->objectName(), Qt::Key_Return), qPrintable(second->objectName()));
    }
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(Player::visibleWindows(), (QStringList{QStringLiteral("frmDrucken"), QStringLiteral("frmUrkunde")}));
    QVERIFY(QTest::qWaitForWindowActive(forms.frmDrucken().window()));
    QVERIFY(work(QStringLiteral("cmdKeinDruck"), Qt::Key_Return));
    QVERIFY(QTest::qWaitForWindowActive(forms.frmWeiter().window()));
    QVERIFY(work(QStringLiteral("cmdWeiter"), Qt::Key_Return));
    Player::flushDeletes();
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmAuswahl")});
}

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
