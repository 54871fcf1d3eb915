#include "fakeservices.h"
#include "player.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

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

} // namespace

class TestAccessNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
};

void TestAccessNames::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : Player::windowNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Every control and picture the player can see is announced by a name, not by its object name; a card by the exercise it shows.
void TestAccessNames::everyControlIsNamed()
{
    QFETCH(QString, window);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, window);
    QVERIFY(shown);

    QStringList unnamed;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(shown) || !needsName(control))
            continue;
        const QString name = spokenName(control).trimmed();
        const bool card = control->objectName().startsWith(QLatin1String("cmdaufgabe("));
        const QString shows = card ? static_cast<QAbstractButton *>(control)->text() : QString();
        if (name.isEmpty() || name == control->objectName() || (card && (spokenName(control) != shows || !shows.contains(u'+'))))
            unnamed.append(control->objectName());
    }
    QCOMPARE(unnamed, QStringList());
}

QTEST_MAIN(TestAccessNames)
#include "tst_accessnames.moc"
