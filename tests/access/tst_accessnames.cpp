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
    void cardReadsItsExercise_data();
    void cardReadsItsExercise();
};

void TestAccessNames::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : Player::windowNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Every control and picture the player can see is announced by a name, and not by its internal object name.
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
        if (name.isEmpty() || name == control->objectName())
            unnamed.append(control->objectName());
    }
    QCOMPARE(unnamed, QStringList());
}

void TestAccessNames::cardReadsItsExercise_data()
{
    QTest::addColumn<int>("board");
    for (const zorbel::BoardLayout &layout : zorbel::boardLayouts)
        QTest::newRow(layout.name.data()) << static_cast<int>(layout.id);
}

// Each card is announced by the exercise it shows, so a player who cannot see it can still solve it.
void TestAccessNames::cardReadsItsExercise()
{
    QFETCH(int, board);
    FakeServices services;
    Forms forms(services);
    const auto id = static_cast<zorbel::BoardId>(board);
    FormWindow *shown = Player::openBoard(forms, id);
    QVERIFY(shown);

    for (int index = 0; index < zorbel::boardLayout(id).cards(); ++index) {
        auto *card = shown->findChild<QAbstractButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index));
        QVERIFY(card);
        QVERIFY2(card->text().contains(QLatin1Char('+')), qPrintable(card->text()));
        QCOMPARE(spokenName(card), card->text());
    }
}

QTEST_MAIN(TestAccessNames)
#include "tst_accessnames.moc"
