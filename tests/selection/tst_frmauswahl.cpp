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
    void freshWindow();
    void controlsStandAtTheirRectangles_data();
    void controlsStandAtTheirRectangles();
    void togglesPaintTheirColourExactly_data();
    void togglesPaintTheirColourExactly();
    void operationRules_data();
    void operationRules();
    void startRule_data();
    void startRule();
    void resetRestoresTheDesignState();
    void endRuleEndsWithoutTheCodePair_data();
    void endRuleEndsWithoutTheCodePair();
    void codePairLeadsToTheCertificate();
    void instructionsOpenBesideTheSelection();
};

// The window opens at its fixed client size with empty names and no points shown.
void TestFrmAuswahl::freshWindow()
{
    Selection selection;
    QCOMPARE(selection.forms.frmAuswahl().window()->size(), QSize(530, 544));
    QCOMPARE(selection.forms.frmAuswahl().window()->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(selection.control<QLineEdit>(QStringLiteral("txtVorname"))->text(), QString());
    QCOMPARE(selection.control<QLineEdit>(QStringLiteral("txtName"))->text(), QString());
    QCOMPARE(selection.forms.frmAuswahl().punkte(), QString());
    QVERIFY(!selection.control<QLineEdit>(QStringLiteral("txtPunkte"))->isVisible());
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
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("released");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("grades") << "optKlasse(1)" << "optKlasse(3)" << QColor(255, 224, 192);
    QTest::newRow("operations") << "chkRechenart(0)" << "chkRechenart(1)" << QColor(255, 192, 128);
    QTest::newRow("levels") << "optLevel(2)" << "optLevel(0)" << QColor(255, 128, 0);
}

// Graphical toggles fill with their colour, flat, whether pressed or not, on the blue window.
void TestFrmAuswahl::togglesPaintTheirColourExactly()
{
    QFETCH(QString, pressed);
    QFETCH(QString, released);
    QFETCH(QColor, colour);
    Selection selection;
    selection.click(selection.klasse(1));
    if (!selection.control(pressed)->isChecked())
        selection.click(selection.control(pressed));
    for (auto *button : {selection.control(pressed), selection.control(released)}) {
        QCOMPARE(button->isChecked(), button == selection.control(pressed));
        QCOMPARE(colourAt(button, QPoint(4, 4)), colour);
        QCOMPARE(colourAt(button, QPoint(button->width() - 5, button->height() - 5)), colour);
    }
    QCOMPARE(colourAt(selection.forms.frmAuswahl().window(), QPoint(2, 2)), QColor(128, 128, 255));
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

// Times or divide disable plus and minus; grade 1 or 2 disables times and divide.
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

void TestFrmAuswahl::startRule_data()
{
    QTest::addColumn<int>("grade");      // 1 to 4; 0: none chosen
    QTest::addColumn<int>("operation");  // 0 +, 1 -, 2 *, 3 :; -1: none
    QTest::addColumn<int>("level");      // 0 leicht to 2 schwer; -1: none
    QTest::addColumn<QString>("board");  // empty: nothing opens
    QTest::newRow("grade 1 leicht") << 1 << 0 << 0 << "frm3x4";
    QTest::newRow("grade 1 mittel") << 1 << 1 << 1 << "frm4x4";
    QTest::newRow("grade 2 schwer") << 2 << 0 << 2 << "frm6x4";
    QTest::newRow("grade 2 mittel, times") << 2 << 2 << 1 << "frm4x4";
    QTest::newRow("grade 3 leicht") << 3 << 3 << 0 << "frm6x6";
    QTest::newRow("grade 4 mittel, minus") << 4 << 1 << 1 << "frm8x5";
    QTest::newRow("grade 4 schwer") << 4 << 0 << 2 << "frm8x8";
    QTest::newRow("no operation") << 2 << -1 << 1 << "";
    QTest::newRow("no level") << 4 << 0 << -1 << "";
    QTest::newRow("no grade") << 0 << 0 << 1 << "";
    QTest::newRow("times after grade 1 was chosen") << 1 << 2 << 0 << "";
}

// "OK" opens the one board of grade and level, or with incomplete settings nothing; it never speaks.
void TestFrmAuswahl::startRule()
{
    QFETCH(int, grade);
    QFETCH(int, operation);
    QFETCH(int, level);
    QFETCH(QString, board);
    Selection selection;
    if (grade > 0)
        selection.click(selection.klasse(grade - 1));
    if (operation >= 0)
        selection.click(selection.rechenart(operation));
    if (level >= 0)
        selection.click(selection.level(level));
    selection.click(selection.control(QStringLiteral("cmdOK")));
    for (const auto &layout : zorbel::boardLayouts) {
        const bool opened = QLatin1String(layout.name.data(), qsizetype(layout.name.size())) == board;
        QCOMPARE(selection.forms.board(layout.id).isVisible(), opened);
        QCOMPARE(selection.forms.board(layout.id).isLoaded(), opened);
    }
    QCOMPARE(selection.forms.frmAuswahl().isVisible(), board.isEmpty());
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

// "Ende" without the exact code pair ends the program.
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

// The code pair leads straight to a certificate for "Mister 1337" (its 65535 points: tst_frmurkunde).
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

// "Anleitung" opens the instructions and leaves the selection open.
void TestFrmAuswahl::instructionsOpenBesideTheSelection()
{
    Selection selection;
    selection.click(selection.control(QStringLiteral("cmdAnleitung")));
    QVERIFY(selection.forms.frmAnleitung().isVisible());
    QVERIFY(selection.forms.frmAuswahl().isVisible());
}

QTEST_MAIN(TestFrmAuswahl)
#include "tst_frmauswahl.moc"
