#include "fakeservices.h"
#include "player.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMap>

namespace {

// What a screen reader announces for the widget.
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Controls the player works and pictures carry no text of their own to be read by;
// labels with text are read by their text, and plain frames only group.
bool needsName(QWidget *widget)
{
    if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget))
        return true;
    const auto *label = qobject_cast<QLabel *>(widget);
    return label && label->text().isEmpty() && !label->pixmap().isNull();
}

// What a screen reader finds on a board: the checked cards and the notifications showing.
QStringList told(QWidget *board)
{
    QStringList said;
    for (QWidget *part : board->findChildren<QWidget *>()) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(part);
        if (part->isVisible() && (accessible->state().checked || accessible->role() == QAccessible::Notification))
            said << accessible->text(QAccessible::Name) + (accessible->state().checked ? " checked" : "");
    }
    return said;
}

// What switch access and voice control do to a control: its first accessible action.
void act(QWidget *control)
{
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(control)->actionInterface();
    QVERIFY2(actions && !actions->actionNames().isEmpty(), qPrintable(control->objectName() + " offers no action"));
    actions->doAction(actions->actionNames().constFirst());
}

} // namespace

class TestAccessNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlIsNamedOnceWhereItIsDrawn_data();
    void everyControlIsNamedOnceWhereItIsDrawn();
    void marksAndPairsAreHeard();
    void actionsDoWhatClicksDo();
};

void TestAccessNames::everyControlIsNamedOnceWhereItIsDrawn_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : Player::windowNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Every control and picture the player can see is announced by a name, not by its object name (a card by the
// exercise it shows), no box repeats the name of what it holds, and each reports where it is drawn, within a pixel.
void TestAccessNames::everyControlIsNamedOnceWhereItIsDrawn()
{
    QFETCH(QString, window);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, window);
    QVERIFY(shown);

    QStringList faults;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(shown))
            continue;
        const QString name = spokenName(control).trimmed();
        const bool card = control->objectName().startsWith(QLatin1String("cmdaufgabe("));
        const QString shows = card ? static_cast<QAbstractButton *>(control)->text() : QString();
        if (needsName(control) && (name.isEmpty() || name == control->objectName() || (card && (name != shows || !shows.contains(u'+')))))
            faults.append(control->objectName() + QStringLiteral(" unnamed"));
        for (QWidget *inner : control->findChildren<QWidget *>()) {
            if (!name.isEmpty() && spokenName(inner).trimmed() == name)
                faults.append(control->objectName() + QStringLiteral(" read twice"));
        }
        // Drawn is what a container does not cut off.
        QRect drawn(control->mapToGlobal(QPoint(0, 0)), control->size());
        for (QWidget *outer = control->parentWidget(); outer; outer = outer->parentWidget())
            drawn &= QRect(outer->mapToGlobal(QPoint(0, 0)), outer->size());
        const QRect told = QAccessible::queryAccessibleInterface(control)->rect();
        if ((told.topLeft() - drawn.topLeft()).manhattanLength() > 2 || (told.bottomRight() - drawn.bottomRight()).manhattanLength() > 2)
            faults.append(control->objectName() + QStringLiteral(" misplaced"));
    }
    QCOMPARE(faults, QStringList());
}

// A marked card is heard as checked; a found pair by both its exercises, and the focus goes on to the next
// remaining card in index order, or the one before when none follows.
void TestAccessNames::marksAndPairsAreHeard()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = Player::open(forms, QStringLiteral("frm3x4"));
    QVERIFY(board);
    const auto indexOf = [](QWidget *card) { return card->objectName().mid(11).chopped(1).toInt(); };
    const auto pairs = Player::pairsOf(board);
    for (qsizetype p = 0; p + 1 < pairs.size(); ++p) {
        const auto [first, second] = pairs[p];
        QTest::mouseClick(first, Qt::LeftButton);
        QVERIFY(told(board).contains(first->text() + " checked"));
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(told(board), QStringList{"Paar gefunden: " + first->text() + " und " + second->text()});
        QMap<int, QWidget *> remaining;
        for (const auto &[a, b] : pairs.mid(p + 1))
            remaining.insert(indexOf(a), a), remaining.insert(indexOf(b), b);
        const auto next = remaining.upperBound(indexOf(second));
        QCOMPARE(board->focusWidget(), next == remaining.end() ? remaining.last() : *next);
    }
}

// A card's action plays the whole click (marked, compared, message); a link's opens its target and the splash
// stays; any other part of the splash leaves it, as a click does.
void TestAccessNames::actionsDoWhatClicksDo()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *splash = Player::open(forms, QStringLiteral("frmSplash"));
    act(splash->findChild<QWidget *>(QStringLiteral("MailTeam1"))->findChild<QWidget *>(QStringLiteral("Label1")));
    QCOMPARE(services.openedUrls.size(), 1);
    QVERIFY2(services.openedUrls.constFirst().startsWith(QLatin1String("mailto:")), qPrintable(services.openedUrls.constFirst()));
    QVERIFY(splash->isVisible());
    act(splash->findChild<QWidget *>(QStringLiteral("lblTitel")));
    QVERIFY(Player::visibleWindow(QStringLiteral("frmAuswahl")));

    FormWindow *board = Player::open(forms, QStringLiteral("frm3x4"));
    const auto pairs = Player::pairsOf(board);
    QAbstractButton *first = pairs.constFirst().first;
    QAbstractButton *second = std::find_if(pairs.begin(), pairs.end(), [&](const auto &pair) {
                                  return pair.first->property("Tag") != first->property("Tag");
                              })->first;
    act(first);
    QTRY_COMPARE(told(board), QStringList{first->text() + " checked"});
    act(second);
    QTRY_COMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages.constFirst().prompt, QStringLiteral("Leider falsch!"));
    QCOMPARE(told(board), QStringList{second->text() + " checked"});
}

QTEST_MAIN(TestAccessNames)
#include "tst_accessnames.moc"
