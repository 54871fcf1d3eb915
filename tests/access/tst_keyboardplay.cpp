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
    void arrowsChooseOption_data();
    void arrowsChooseOption();
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

    QVERIFY(QTest::qWaitForWindowActive(forms.frm3x4().window()));
    const auto pairs = Player::pairsOf(forms.frm3x4().window());
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
    QCOMPARE(forms.frmAuswahl().vorname() + u' ' + forms.frmAuswahl().name(), QStringLiteral("Lena Sommer"));
}

void TestKeyboardPlay::keyClicksFocusedControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    for (const char *button : {"frmAuswahl cmdOK", "frmAuswahl cmdReset", "frmAuswahl cmdAnleitung", "frmAuswahl cmdEnde",
                               "frmAnleitung cmdEnde", "frm3x4 cmdaufgabe(5)", "frm8x8 cmdaufgabe(63)", "frm3x4 cmdEnde",
                               "frmDrucken cmdDruck", "frmDrucken cmdKeinDruck", "frmWeiter cmdWeiter", "frmWeiter cmdEnde"}) {
        const QStringList parts = QString::fromLatin1(button).split(u' ');
        QTest::addRow("%s Space", button) << parts[0] << parts[1] << int(Qt::Key_Space);
        QTest::addRow("%s Enter", button) << parts[0] << parts[1] << int(Qt::Key_Return);
    }
    // A check box toggles with Space only, as everywhere.
    QTest::newRow("frmAuswahl chkRechenart(1) Space") << QStringLiteral("frmAuswahl") << QStringLiteral("chkRechenart(1)") << int(Qt::Key_Space);
}

// Every button and check box is reached by Tab and worked by Space, every button by Enter too, as by a click.
void TestKeyboardPlay::keyClicksFocusedControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, window);
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY2(tabTo(control), qPrintable(focusName()));
    QSignalSpy clicked(QApplication::focusWidget(), SIGNAL(clicked(bool)));
    press(Qt::Key(key));
    QCOMPARE(clicked.size(), 1);
}

void TestKeyboardPlay::arrowsChooseOption_data()
{
    QTest::addColumn<QString>("option");
    for (int k = 0; k < 4; ++k)
        QTest::addRow("optKlasse(%d)", k) << QStringLiteral("optKlasse(%1)").arg(k);
    for (int k = 0; k < 3; ++k)
        QTest::addRow("optLevel(%d)", k) << QStringLiteral("optLevel(%1)").arg(k);
}

// Each option of a group is chosen by Tab into the group, the arrow keys and Space.
void TestKeyboardPlay::arrowsChooseOption()
{
    QFETCH(QString, option);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, QStringLiteral("frmAuswahl"));
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY2(chooseOption(option), qPrintable(focusName()));
    press(Qt::Key_Space);
    QVERIFY(shown->findChild<QAbstractButton *>(option)->isChecked());
}

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
