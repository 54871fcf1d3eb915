#include "fakeservices.h"
#include "windowroad.h"

#include <QApplication>
#include <QList>
#include <QPair>
#include <QSignalSpy>

#include <algorithm>

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
    for (int step = 0; step < limit && focusName() != name; ++step) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        if (!target)
            return false;
        QTest::keyClick(target, Qt::Key_Tab);
    }
    return focusName() == name;
}

// Option buttons of a group take one Tab stop together; the arrow keys move within
// the group and select the button they reach, as on every desktop.
bool arrowTo(const QString &name, int limit = 4)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget()->parentWidget() : nullptr;
    target = target ? target->findChild<QWidget *>(name) : nullptr;
    if (!target)
        return false;
    for (int step = 0; step < limit && focusName() != name; ++step) {
        const bool below = target->y() > QApplication::focusWidget()->y();
        QTest::keyClick(QApplication::focusWidget(), below ? Qt::Key_Down : Qt::Key_Up);
    }
    return focusName() == name;
}

// Tab into the option group the named button belongs to, then arrows to it.
bool chooseOption(const QString &name)
{
    const QString group = name.section(QLatin1Char('('), 0, 0);
    for (int step = 0; step < 40 && !focusName().startsWith(group + QLatin1Char('(')); ++step)
        press(Qt::Key_Tab);
    return arrowTo(name);
}

// The cards of a fresh board paired by equal results.
QList<QPair<QString, QString>> matchingPairs(QWidget *board, int cards)
{
    QList<QPair<QString, QString>> pairs;
    QList<QAbstractButton *> open;
    for (int index = 0; index < cards; ++index) {
        auto *card = board->findChild<QAbstractButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index));
        if (!card)
            continue;
        const auto partner = std::find_if(open.begin(), open.end(), [card](const QAbstractButton *candidate) {
            return candidate->property("Tag") == card->property("Tag");
        });
        if (partner == open.end()) {
            open.append(card);
            continue;
        }
        pairs.append({(*partner)->objectName(), card->objectName()});
        open.erase(partner);
    }
    return pairs;
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
    QVERIFY(!forms.frmSplash().isLoaded());
    QVERIFY(forms.frmAuswahl().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forms.frmAuswahl().window()));

    QVERIFY(tabTo(QStringLiteral("txtVorname")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lena"));
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("txtName"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Sommer"));
    QVERIFY(chooseOption(QStringLiteral("optKlasse(0)")));
    press(Qt::Key_Space);
    QVERIFY(forms.frmAuswahl().klasse(0));
    QVERIFY(tabTo(QStringLiteral("chkRechenart(0)")));
    press(Qt::Key_Space);
    QVERIFY(forms.frmAuswahl().rechenart(0));
    QVERIFY(chooseOption(QStringLiteral("optLevel(0)")));
    press(Qt::Key_Space);
    QVERIFY(tabTo(QStringLiteral("cmdOK")));
    press(Qt::Key_Space);

    FormWindow *board = forms.frm3x4().window();
    QVERIFY(board);
    QVERIFY(board->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(board));
    const auto pairs = matchingPairs(board, zorbel::boardLayout(zorbel::BoardId::frm3x4).cards());
    QCOMPARE(pairs.size(), 6);
    for (const auto &[first, second] : pairs) {
        QVERIFY2(tabTo(first), qPrintable(first));
        press(Qt::Key_Space);
        QVERIFY2(tabTo(second), qPrintable(second));
        press(Qt::Key_Return);
    }
    QCOMPARE(services.messages.size(), 1);
    QVERIFY(services.messages.first().prompt.startsWith(QStringLiteral("Du bekommst ")));
    QVERIFY(!forms.frm3x4().isLoaded());
    QVERIFY(forms.frmUrkunde().isVisible());

    QVERIFY(forms.frmDrucken().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forms.frmDrucken().window()));
    QVERIFY(tabTo(QStringLiteral("cmdKeinDruck")));
    press(Qt::Key_Space);
    QVERIFY(!forms.frmUrkunde().isLoaded());

    QVERIFY(forms.frmWeiter().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forms.frmWeiter().window()));
    QVERIFY(tabTo(QStringLiteral("cmdWeiter")));
    press(Qt::Key_Space);
    QVERIFY(!forms.frmWeiter().isLoaded());
    QVERIFY(forms.frmAuswahl().isVisible());
    QCOMPARE(forms.frmAuswahl().vorname(), QStringLiteral("Lena"));
    QCOMPARE(forms.frmAuswahl().name(), QStringLiteral("Sommer"));
    QVERIFY(!services.ended);
}

void TestKeyboardPlay::keyClicksFocusedControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");

    const QList<QPair<QString, QString>> buttons{
        {QStringLiteral("frmAuswahl"), QStringLiteral("cmdOK")},
        {QStringLiteral("frmAuswahl"), QStringLiteral("cmdReset")},
        {QStringLiteral("frmAuswahl"), QStringLiteral("cmdAnleitung")},
        {QStringLiteral("frmAuswahl"), QStringLiteral("cmdEnde")},
        {QStringLiteral("frmAnleitung"), QStringLiteral("cmdEnde")},
        {QStringLiteral("frm3x4"), QStringLiteral("cmdaufgabe(5)")},
        {QStringLiteral("frm8x8"), QStringLiteral("cmdaufgabe(63)")},
        {QStringLiteral("frm3x4"), QStringLiteral("cmdEnde")},
        {QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck")},
        {QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck")},
        {QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")},
        {QStringLiteral("frmWeiter"), QStringLiteral("cmdEnde")},
    };
    for (const auto &[window, control] : buttons) {
        QTest::newRow(qPrintable(window + QLatin1Char(' ') + control + QStringLiteral(" Space")))
            << window << control << int(Qt::Key_Space);
        QTest::newRow(qPrintable(window + QLatin1Char(' ') + control + QStringLiteral(" Enter")))
            << window << control << int(Qt::Key_Return);
    }
    // A check box toggles with Space only, as everywhere.
    QTest::newRow("frmAuswahl chkRechenart(1) Space") << QStringLiteral("frmAuswahl") << QStringLiteral("chkRechenart(1)")
                                                      << int(Qt::Key_Space);
}

// Every button and check box is reached by Tab and worked by Space, every button by Enter too, as by a click.
void TestKeyboardPlay::keyClicksFocusedControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = WindowRoad::open(forms, window);
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
    FormWindow *shown = WindowRoad::open(forms, QStringLiteral("frmAuswahl"));
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY2(chooseOption(option), qPrintable(focusName()));
    press(Qt::Key_Space);
    const auto *button = shown->findChild<QAbstractButton *>(option);
    QVERIFY(button->isChecked());
    const QString group = option.section(QLatin1Char('('), 0, 0);
    for (const QAbstractButton *other : shown->findChildren<QAbstractButton *>()) {
        if (other != button && other->objectName().startsWith(group + QLatin1Char('(')))
            QVERIFY2(!other->isChecked(), qPrintable(other->objectName()));
    }
}

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"
