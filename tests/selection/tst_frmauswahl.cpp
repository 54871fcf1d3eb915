#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmanleitung.h"
#include "frmauswahl.h"
#include "frmdrucken.h"
#include "frmurkunde.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

using zorbel::BoardId;

namespace {

// The selection window as the splash window leaves it: loaded once and visible.
struct Selection
{
    Selection() { forms.frmAuswahl().Show(); }

    template<typename Widget = QAbstractButton>
    Widget *control(const QString &name) const
    {
        auto *widget = forms.frmAuswahl().window()->findChild<Widget *>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QAbstractButton *klasse(int k) const { return control(QStringLiteral("optKlasse(%1)").arg(k)); }
    QAbstractButton *rechenart(int k) const { return control(QStringLiteral("chkRechenart(%1)").arg(k)); }
    QAbstractButton *level(int k) const { return control(QStringLiteral("optLevel(%1)").arg(k)); }
    void click(QAbstractButton *button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void type(const QString &name, const QString &text) const
    {
        auto *box = control<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    // "+-*:" for the checked operations, upper case when enabled: "+-*:" all enabled and checked.
    QString operations() const
    {
        QString result;
        const QString signs = QStringLiteral("+-*:");
        for (int k = 0; k < 4; ++k) {
            const QChar sign = rechenart(k)->isChecked() ? signs[k] : QLatin1Char('.');
            result += rechenart(k)->isEnabled() ? sign : QLatin1Char('x');
            if (!rechenart(k)->isEnabled() && rechenart(k)->isChecked())
                result += QLatin1Char('!');
        }
        return result;
    }

    FakeServices services;
    mutable Forms forms{services};
};

QColor colourAt(QWidget *widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

} // namespace

class TestFrmAuswahl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clientAreaIsFixed();
    void controlsStandAtTheirRectangles_data();
    void controlsStandAtTheirRectangles();
    void togglesPaintTheirColourExactly_data();
    void togglesPaintTheirColourExactly();
    void loadEmptiesTheTextBoxes();
    void operationRules_data();
    void operationRules();
    void startRuleOpensTheBoardForGradeAndLevel_data();
    void startRuleOpensTheBoardForGradeAndLevel();
    void incompleteSettingsOpenNothing_data();
    void incompleteSettingsOpenNothing();
    void resetRestoresTheDesignState();
    void endRuleEndsWithoutTheCodePair_data();
    void endRuleEndsWithoutTheCodePair();
    void codePairLeadsToTheCertificate();
    void instructionsOpenBesideTheSelection();
};

void TestFrmAuswahl::clientAreaIsFixed()
{
    Selection selection;
    QCOMPARE(selection.forms.frmAuswahl().window()->size(), QSize(530, 544));
    QCOMPARE(selection.forms.frmAuswahl().window()->windowTitle(), QStringLiteral("Memory"));
}

void TestFrmAuswahl::controlsStandAtTheirRectangles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("lblName") << QStringLiteral("lblName") << QRect(8, 16, 169, 27);
    QTest::newRow("txtVorname") << QStringLiteral("txtVorname") << QRect(208, 8, 153, 31);
    QTest::newRow("txtName") << QStringLiteral("txtName") << QRect(368, 8, 153, 31);
    QTest::newRow("lblKlasse") << QStringLiteral("lblKlasse") << QRect(8, 48, 153, 27);
    QTest::newRow("fraKlasse") << QStringLiteral("fraKlasse") << QRect(304, 48, 217, 121);
    QTest::newRow("optKlasse(0)") << QStringLiteral("optKlasse(0)") << QRect(8, 0, 209, 27);
    QTest::newRow("optKlasse(3)") << QStringLiteral("optKlasse(3)") << QRect(8, 96, 209, 27);
    QTest::newRow("lblRechenart") << QStringLiteral("lblRechenart") << QRect(8, 184, 129, 27);
    QTest::newRow("fraRechenart") << QStringLiteral("fraRechenart") << QRect(304, 184, 217, 129);
    QTest::newRow("chkRechenart(3)") << QStringLiteral("chkRechenart(3)") << QRect(8, 98, 209, 27);
    QTest::newRow("lblLevel") << QStringLiteral("lblLevel") << QRect(8, 328, 201, 27);
    QTest::newRow("fraLevel") << QStringLiteral("fraLevel") << QRect(312, 328, 209, 97);
    QTest::newRow("optLevel(2)") << QStringLiteral("optLevel(2)") << QRect(0, 64, 209, 27);
    QTest::newRow("cmdReset") << QStringLiteral("cmdReset") << QRect(8, 440, 233, 27);
    QTest::newRow("cmdOK") << QStringLiteral("cmdOK") << QRect(288, 440, 233, 27);
    QTest::newRow("cmdAnleitung") << QStringLiteral("cmdAnleitung") << QRect(8, 472, 513, 27);
    QTest::newRow("cmdEnde") << QStringLiteral("cmdEnde") << QRect(8, 508, 513, 27);
}

// Twips convert at 96 dpi to whole pixels, each value on its own.
void TestFrmAuswahl::controlsStandAtTheirRectangles()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    Selection selection;
    QCOMPARE(selection.control<QWidget>(name)->geometry(), pixels);
}

void TestFrmAuswahl::togglesPaintTheirColourExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("grade") << QStringLiteral("optKlasse(3)") << false << QColor(255, 224, 192);
    QTest::newRow("grade selected") << QStringLiteral("optKlasse(1)") << true << QColor(255, 224, 192);
    QTest::newRow("operation") << QStringLiteral("chkRechenart(0)") << false << QColor(255, 192, 128);
    QTest::newRow("operation checked") << QStringLiteral("chkRechenart(0)") << true << QColor(255, 192, 128);
    QTest::newRow("level") << QStringLiteral("optLevel(2)") << false << QColor(255, 128, 0);
    QTest::newRow("level selected") << QStringLiteral("optLevel(2)") << true << QColor(255, 128, 0);
}

// Graphical toggles fill with their colour, flat, whether pressed or not.
void TestFrmAuswahl::togglesPaintTheirColourExactly()
{
    QFETCH(QString, name);
    QFETCH(bool, pressed);
    QFETCH(QColor, colour);
    Selection selection;
    selection.click(selection.klasse(1));
    auto *button = selection.control(name);
    if (pressed && !button->isChecked())
        selection.click(button);
    QCOMPARE(button->isChecked(), pressed);
    QCOMPARE(colourAt(button, QPoint(4, 4)), colour);
    QCOMPARE(colourAt(button, QPoint(button->width() - 5, button->height() - 5)), colour);
    QCOMPARE(colourAt(selection.forms.frmAuswahl().window(), QPoint(2, 2)), QColor(128, 128, 255));
}

void TestFrmAuswahl::loadEmptiesTheTextBoxes()
{
    Selection selection;
    QCOMPARE(selection.control<QLineEdit>(QStringLiteral("txtVorname"))->text(), QString());
    QCOMPARE(selection.control<QLineEdit>(QStringLiteral("txtName"))->text(), QString());
    QCOMPARE(selection.forms.frmAuswahl().punkte(), QString());
    QVERIFY(!selection.control<QLineEdit>(QStringLiteral("txtPunkte"))->isVisible());
}

void TestFrmAuswahl::operationRules_data()
{
    // Clicks: "k<n>" grade n (1-4), "+", "-", "*", ":" an operation.
    // Result: one sign per operation, '.' unchecked, 'x' disabled and unchecked.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("operations");
    QTest::newRow("no grade: nothing stays checked") << QStringList{"+", "*"} << QStringLiteral("....");
    QTest::newRow("grade 2, plus and minus combine") << QStringList{"k2", "+", "-"} << QStringLiteral("+-..");
    QTest::newRow("grade 2, times disables plus and minus") << QStringList{"k2", "+", "*"} << QStringLiteral("xx*.");
    QTest::newRow("times then grade 1: back to plus and minus")
        << QStringList{"k2", "*", "k1"} << QStringLiteral("..xx");
    QTest::newRow("grade 1 then grade 3 re-enables times and divide")
        << QStringList{"k1", "k3"} << QStringLiteral("....");
    QTest::newRow("grade 3, times and divide combine") << QStringList{"k3", "*", ":"} << QStringLiteral("xx*:");
    QTest::newRow("unchecking times alone keeps plus disabled")
        << QStringList{"k3", "*", ":", "*"} << QStringLiteral("xx.:");
    QTest::newRow("unchecking both brings plus and minus back")
        << QStringList{"k3", "*", ":", "*", ":"} << QStringLiteral("....");
    QTest::newRow("grade change keeps the checked operations")
        << QStringList{"k2", "*", "k4"} << QStringLiteral("xx*.");
}

void TestFrmAuswahl::operationRules()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, operations);
    Selection selection;
    const QString signs = QStringLiteral("+-*:");
    for (const QString &click : clicks) {
        if (click.startsWith(QLatin1Char('k')))
            selection.click(selection.klasse(click.mid(1).toInt() - 1));
        else
            selection.click(selection.rechenart(signs.indexOf(click)));
    }
    QCOMPARE(selection.operations(), operations);
}

void TestFrmAuswahl::startRuleOpensTheBoardForGradeAndLevel_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operation");
    QTest::addColumn<BoardId>("board");
    QTest::newRow("grade 1 leicht") << 1 << 0 << 0 << BoardId::frm3x4;
    QTest::newRow("grade 1 mittel") << 1 << 1 << 1 << BoardId::frm4x4;
    QTest::newRow("grade 2 schwer") << 2 << 2 << 0 << BoardId::frm6x4;
    QTest::newRow("grade 2 mittel, times") << 2 << 1 << 2 << BoardId::frm4x4;
    QTest::newRow("grade 3 leicht") << 3 << 0 << 3 << BoardId::frm6x6;
    QTest::newRow("grade 4 mittel, minus") << 4 << 1 << 1 << BoardId::frm8x5;
    QTest::newRow("grade 4 schwer") << 4 << 2 << 0 << BoardId::frm8x8;
}

void TestFrmAuswahl::startRuleOpensTheBoardForGradeAndLevel()
{
    QFETCH(int, grade);
    QFETCH(int, level);
    QFETCH(int, operation);
    QFETCH(BoardId, board);
    Selection selection;
    selection.click(selection.klasse(grade - 1));
    selection.click(selection.rechenart(operation));
    selection.click(selection.level(level));
    selection.click(selection.control(QStringLiteral("cmdOK")));
    for (const auto &layout : zorbel::boardLayouts) {
        QCOMPARE(selection.forms.board(layout.id).isVisible(), layout.id == board);
        QCOMPARE(selection.forms.board(layout.id).isLoaded(), layout.id == board);
    }
    QCOMPARE(selection.forms.board(board).window()->windowTitle(), QStringLiteral("Memory"));
    QVERIFY(selection.services.messages.isEmpty());
}

void TestFrmAuswahl::incompleteSettingsOpenNothing_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operation");
    QTest::newRow("no operation") << 2 << 1 << -1;
    QTest::newRow("no level") << 4 << -1 << 0;
    QTest::newRow("no grade") << -1 << 1 << 0;
    QTest::newRow("times after grade 1 was chosen") << 1 << 0 << 2;
}

// "OK" with incomplete settings changes nothing and says nothing.
void TestFrmAuswahl::incompleteSettingsOpenNothing()
{
    QFETCH(int, grade);
    QFETCH(int, level);
    QFETCH(int, operation);
    Selection selection;
    if (grade > 0)
        selection.click(selection.klasse(grade - 1));
    if (operation >= 0)
        selection.click(selection.rechenart(operation));
    if (level >= 0)
        selection.click(selection.level(level));
    selection.click(selection.control(QStringLiteral("cmdOK")));
    for (const auto &layout : zorbel::boardLayouts)
        QVERIFY(!selection.forms.board(layout.id).isLoaded());
    QVERIFY(selection.forms.frmAuswahl().isVisible());
    QVERIFY(selection.services.messages.isEmpty());
}

// "Eingaben löschen" brings back the design state, even after grade 1 disabled times and divide.
void TestFrmAuswahl::resetRestoresTheDesignState()
{
    Selection selection;
    selection.type(QStringLiteral("txtVorname"), QStringLiteral("Anna"));
    selection.type(QStringLiteral("txtName"), QStringLiteral("Berg"));
    selection.click(selection.klasse(0));
    selection.click(selection.rechenart(1));
    selection.click(selection.level(2));
    selection.forms.frmAuswahl().setPunkte(QStringLiteral("180"));
    selection.click(selection.control(QStringLiteral("cmdReset")));

    QCOMPARE(selection.operations(), QStringLiteral("...."));
    for (int k = 0; k < 4; ++k)
        QVERIFY(!selection.klasse(k)->isChecked());
    for (int k = 0; k < 3; ++k)
        QVERIFY(!selection.level(k)->isChecked());
    QCOMPARE(selection.forms.frmAuswahl().vorname(), QString());
    QCOMPARE(selection.forms.frmAuswahl().name(), QString());
    QCOMPARE(selection.forms.frmAuswahl().punkte(), QString());
}

void TestFrmAuswahl::endRuleEndsWithoutTheCodePair_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty names") << QString() << QString();
    QTest::newRow("first code only") << QStringLiteral("ZentaKorbiFelmar") << QStringLiteral("Berg");
    QTest::newRow("second code only") << QStringLiteral("Anna") << QStringLiteral("TrubelWankerhofMeiselbachNorg");
    QTest::newRow("codes swapped") << QStringLiteral("TrubelWankerhofMeiselbachNorg")
                                   << QStringLiteral("ZentaKorbiFelmar");
    QTest::newRow("other letter case") << QStringLiteral("zentakorbifelmar")
                                       << QStringLiteral("TrubelWankerhofMeiselbachNorg");
    QTest::newRow("trailing blank") << QStringLiteral("ZentaKorbiFelmar ") << QStringLiteral("TrubelWankerhofMeiselbachNorg");
}

void TestFrmAuswahl::endRuleEndsWithoutTheCodePair()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    Selection selection;
    selection.type(QStringLiteral("txtVorname"), vorname);
    selection.type(QStringLiteral("txtName"), name);
    selection.click(selection.control(QStringLiteral("cmdEnde")));
    QVERIFY(selection.services.ended);
    QVERIFY(!selection.forms.frmUrkunde().isLoaded());
    QVERIFY(!selection.forms.frmAuswahl().isLoaded());
}

// The code pair leads straight to a certificate for "Mister 1337" with 65535 points.
void TestFrmAuswahl::codePairLeadsToTheCertificate()
{
    Selection selection;
    selection.click(selection.klasse(2));
    selection.click(selection.rechenart(2));
    selection.type(QStringLiteral("txtVorname"), QStringLiteral("ZentaKorbiFelmar"));
    selection.type(QStringLiteral("txtName"), QStringLiteral("TrubelWankerhofMeiselbachNorg"));
    selection.click(selection.control(QStringLiteral("cmdEnde")));

    QVERIFY(!selection.services.ended);
    QVERIFY(selection.forms.frmUrkunde().isLoaded());
    QVERIFY(selection.forms.frmDrucken().isVisible());
    QVERIFY(!selection.forms.frmAuswahl().isVisible());
    QCOMPARE(selection.forms.frmAuswahl().vorname(), QStringLiteral("Mister"));
    QCOMPARE(selection.forms.frmAuswahl().name(), QStringLiteral("1337"));
    // The game settings stay as they were.
    QVERIFY(selection.klasse(2)->isChecked());
    QCOMPARE(selection.operations(), QStringLiteral("xx*."));
}

void TestFrmAuswahl::instructionsOpenBesideTheSelection()
{
    Selection selection;
    selection.click(selection.control(QStringLiteral("cmdAnleitung")));
    QVERIFY(selection.forms.frmAnleitung().isVisible());
    QVERIFY(selection.forms.frmAuswahl().isVisible());
}

QTEST_MAIN(TestFrmAuswahl)
#include "tst_frmauswahl.moc"
