#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "frmurkunde.h"
#include "player.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {

// The selection window as the splash window leaves it: loaded once and visible.
struct Selection
{
    Selection() { forms.frmAuswahl().Show(); }

    QAbstractButton *control(const QString &name) const
    {
        return forms.frmAuswahl().window()->findChild<QAbstractButton *>(name);
    }
    QAbstractButton *rechenart(int k) const { return control(QStringLiteral("chkRechenart(%1)").arg(k)); }
    // Clicks, each "k1" to "k4" a grade, "l0" to "l2" a level, "+", "-", "*" or ":" an operation, or a button's name.
    void click(const QStringList &clicks) const
    {
        for (const QString &name : clicks) {
            if (name.size() == 1)
                QTest::mouseClick(rechenart(QStringLiteral("+-*:").indexOf(name)), Qt::LeftButton);
            else if (name.size() == 2 && name[0] == u'k')
                QTest::mouseClick(control(QStringLiteral("optKlasse(%1)").arg(name[1].digitValue() - 1)), Qt::LeftButton);
            else
                QTest::mouseClick(control(name.size() == 2 ? QStringLiteral("optLevel(%1)").arg(name[1]) : name), Qt::LeftButton);
        }
    }
    // One sign per operation: the sign when checked, '.' unchecked, 'x' disabled and unchecked.
    QString operations() const
    {
        QString result;
        for (int k = 0; k < 4; ++k) {
            const QChar sign = rechenart(k)->isChecked() ? QStringLiteral("+-*:")[k] : QLatin1Char('.');
            result += rechenart(k)->isEnabled() ? sign : rechenart(k)->isChecked() ? QLatin1Char('!') : QLatin1Char('x');
        }
        return result;
    }

    FakeServices services;
    mutable Forms forms{services};
};

} // namespace

class TestFrmAuswahl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operationRules_data();
    void operationRules();
    void startRule_data();
    void startRule();
    void resetRestoresTheDesignState();
    void endRuleAndCodePair_data();
    void endRuleAndCodePair();
};

void TestFrmAuswahl::operationRules_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("operations");
    QTest::newRow("no grade: nothing stays checked") << QStringList{"+", "*"} << "....";
    QTest::newRow("grade 2, plus and minus combine") << QStringList{"k2", "+", "-"} << "+-..";
    QTest::newRow("grade 2, times disables plus and minus") << QStringList{"k2", "+", "*"} << "xx*.";
    QTest::newRow("grade 2, divide first disables plus and minus") << QStringList{"k2", "+", ":"} << "xx.:";
    QTest::newRow("times then grade 1: back to plus and minus") << QStringList{"k2", "*", "k1"} << "..xx";
    QTest::newRow("grade 1 then grade 3 re-enables times and divide") << QStringList{"k1", "k3"} << "....";
    QTest::newRow("grade 3, divide then times combine") << QStringList{"k3", ":", "*"} << "xx*:";
    QTest::newRow("unchecking times alone keeps plus disabled") << QStringList{"k3", "*", ":", "*"} << "xx.:";
    QTest::newRow("unchecking divide alone keeps plus disabled") << QStringList{"k3", ":", "*", ":"} << "xx*.";
    QTest::newRow("unchecking both brings plus and minus back") << QStringList{"k3", "*", ":", "*", ":"} << "....";
    QTest::newRow("grade change keeps the checked operations") << QStringList{"k2", "*", "k4"} << "xx*.";
    QTest::newRow("reset after grade 1: all enabled, no grade") << QStringList{"k1", "-", "cmdReset", "+"} << "....";
}

// Times or divide disable plus and minus until both are unchecked; grade 1 disables times and divide.
void TestFrmAuswahl::operationRules()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, operations);
    Selection selection;
    selection.click(clicks);
    QCOMPARE(selection.operations(), operations);
}

void TestFrmAuswahl::startRule_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("board");  // empty: nothing opens
    QTest::addColumn<int>("floor");      // the largest result dealt lies above floor, at most at top
    QTest::addColumn<int>("top");

    QTest::newRow("grade 1 leicht, results up to 20") << QStringList{"k1", "+", "l0"} << "frm3x4" << 0 << 20;
    QTest::newRow("grade 2 schwer, results beyond grade 1's") << QStringList{"k2", "-", "l2"} << "frm6x4" << 20 << 100;
    QTest::newRow("grade 2 mittel, times") << QStringList{"k2", "*", "l1"} << "frm4x4" << 0 << 100;
    QTest::newRow("grade 3 leicht, divide") << QStringList{"k3", ":", "l0"} << "frm6x6" << 0 << 1000;
    QTest::newRow("grade 4 mittel, minus") << QStringList{"k4", "-", "l1"} << "frm8x5" << 1000 << 10000;
    QTest::newRow("grade 3 schwer, results up to 1000") << QStringList{"k3", "+", "l2"} << "frm8x8" << 0 << 1000;
    QTest::newRow("grade 4 schwer, results beyond grade 3's") << QStringList{"k4", "+", "l2"} << "frm8x8" << 1000 << 10000;
    QTest::newRow("no operation") << QStringList{"k2", "l1"} << "" << 0 << 0;
    QTest::newRow("no level") << QStringList{"k4", "+"} << "" << 0 << 0;
    QTest::newRow("no grade") << QStringList{"+", "l1"} << "" << 0 << 0;
    QTest::newRow("times after grade 1 was chosen") << QStringList{"k1", "*", "l0"} << "" << 0 << 0;
}

// "OK" opens the one board of grade and level, dealt for the grade chosen, or with incomplete
// settings nothing; it never speaks.
void TestFrmAuswahl::startRule()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, board);
    QFETCH(int, floor);
    QFETCH(int, top);
    Selection selection;
    selection.click(clicks << QStringLiteral("cmdOK"));
    for (const auto &layout : zorbel::boardLayouts) {
        const bool opened = QLatin1String(layout.name.data(), qsizetype(layout.name.size())) == board;
        QCOMPARE(selection.forms.board(layout.id).isVisible(), opened);
        int largest = 0;
        for (const QObject *card : opened ? selection.forms.board(layout.id).window()->children() : QObjectList())
            largest = std::max(largest, card->property("Tag").toInt());
        QVERIFY2(!opened || (largest > floor && largest <= top), qPrintable(QString::number(largest)));
    }
    QCOMPARE(selection.forms.frmAuswahl().isVisible(), board.isEmpty());
    QVERIFY(selection.services.messages.isEmpty());
}

// "Eingaben löschen" empties names and points and deselects the level (grade and operations: operationRules).
void TestFrmAuswahl::resetRestoresTheDesignState()
{
    Selection selection;
    Player::enterNames(selection.forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    selection.click({"k2", "l2"});
    selection.forms.frmAuswahl().setPunkte(QStringLiteral("180"));
    selection.click({QStringLiteral("cmdReset")});
    QVERIFY(!selection.control(QStringLiteral("optLevel(2)"))->isChecked());
    const FrmAuswahl &auswahl = selection.forms.frmAuswahl();
    QCOMPARE(QStringList({auswahl.vorname(), auswahl.name(), auswahl.punkte()}), QStringList({"", "", ""}));
}

void TestFrmAuswahl::endRuleAndCodePair_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ends");
    QTest::newRow("the code pair") << "ZentaKorbiFelmar" << "TrubelWankerhofMeiselbachNorg" << false;
    QTest::newRow("first code only") << "ZentaKorbiFelmar" << "Berg" << true;
    QTest::newRow("second code only") << "Anna" << "TrubelWankerhofMeiselbachNorg" << true;
    QTest::newRow("other letter case") << "zentakorbifelmar" << "TrubelWankerhofMeiselbachNorg" << true;
}

// "Spiel abbrechen!" ends the program; with the exact code pair it leads instead straight to a certificate for
// "Mister 1337" with 65535 points and leaves the game settings as they were.
void TestFrmAuswahl::endRuleAndCodePair()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, ends);
    Selection selection;
    selection.click({"k3", "*"});
    Player::enterNames(selection.forms, vorname, name);
    selection.click({QStringLiteral("cmdEnde")});
    QCOMPARE(selection.services.ended, ends);
    QCOMPARE(Player::visibleWindows(), ends ? QStringList() : QStringList({"frmDrucken", "frmUrkunde"}));
    if (ends)
        return;
    const FormWindow *certificate = selection.forms.frmUrkunde().window();
    QVERIFY(certificate->findChild<QLabel *>(QStringLiteral("lblText(0)"))->text().startsWith(QStringLiteral("Mister 1337\n")));
    QCOMPARE(certificate->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), QStringLiteral("65535"));
    QVERIFY(selection.forms.frmAuswahl().klasse(2));
    QCOMPARE(selection.operations(), QStringLiteral("xx*."));
}

QTEST_MAIN(TestFrmAuswahl)
#include "tst_frmauswahl.moc"
