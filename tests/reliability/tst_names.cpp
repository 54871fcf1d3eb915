#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "player.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesReachTheCertificateUnchanged_data();
    void namesReachTheCertificateUnchanged();
};

void TestNames::namesReachTheCertificateUnchanged_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("typed");

    QTest::newRow("10000 characters") << QString(10000, u'M') << QString(10000, u'x') << false;
    QTest::newRow("40000 characters, past a line edit's usual 32767") << QString(40000, u'M') << QStringLiteral("Kurz") << false;
    QTest::newRow("10000 characters with blanks, wrapping")
        << QStringLiteral("Anna ").repeated(2000) << QStringLiteral("Berg ").repeated(2000) << false;
    QTest::newRow("emoji outside the basic plane") << QStringLiteral("Lina 🦄🐙") << QStringLiteral("👨‍👩‍👧 Nguyễn") << false;
    QTest::newRow("right-to-left text") << QStringLiteral("مريم") << QStringLiteral("כהן abc") << false;
    QTest::newRow("markup typed") << QStringLiteral("<b>Max</b>") << QStringLiteral("<img src=x>") << true;
    QTest::newRow("entity") << QStringLiteral("&amp;") << QStringLiteral("&lt;i&gt;") << false;
    QTest::newRow("tab") << QStringLiteral("Tim\tTom") << QStringLiteral("\t") << false;
    QTest::newRow("NUL") << QStringLiteral("A") + QChar(u'\0') + QStringLiteral("B") << QString(QChar(u'\0')) << false;
    QTest::newRow("carriage return") << QStringLiteral("Ole\rOla") << QStringLiteral("\r") << false;
}

// Whatever the names hold, the certificate of a game shows them exactly as the
// selection window holds them, as text, and the selection window keeps them.
void TestNames::namesReachTheCertificateUnchanged()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, typed);
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    QWidget *auswahl = forms.frmAuswahl().window();
    auto *txtVorname = auswahl->findChild<QLineEdit *>(QStringLiteral("txtVorname"));
    auto *txtName = auswahl->findChild<QLineEdit *>(QStringLiteral("txtName"));
    QVERIFY(txtVorname && txtName);
    if (typed) {
        QTest::keyClicks(txtVorname, vorname);
        QTest::keyClicks(txtName, name);
    } else {
        txtVorname->setText(vorname);
        txtName->setText(name);
    }
    QCOMPARE(txtVorname->text(), vorname);
    QCOMPARE(txtName->text(), name);

    QVERIFY(Player::chooseAndStart({0, {0}, 0}));
    for (const auto &pair : Player::pairsOf(Player::visibleWindow(QStringLiteral("frm3x4")))) {
        QTest::mouseClick(pair.first, Qt::LeftButton);
        QTest::mouseClick(pair.second, Qt::LeftButton);
    }
    QWidget *urkunde = Player::visibleWindow(QStringLiteral("frmUrkunde"));
    QVERIFY(urkunde);
    const auto *block = urkunde->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QVERIFY(block);
    // Every carriage return of the block, also one inside a name, is one new line.
    QString expected = vorname + u' ' + name + QStringLiteral("\rhat am\r06.12.2026\rbei dem mathematischen Memory");
    expected.replace(u'\r', u'\n');
    QCOMPARE(block->text(), expected);
    QCOMPARE(block->textFormat(), Qt::PlainText);

    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck")));
    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")));
    QCOMPARE(forms.frmAuswahl().vorname(), vorname);
    QCOMPARE(forms.frmAuswahl().name(), name);
}

QTEST_MAIN(TestNames)
#include "tst_names.moc"
