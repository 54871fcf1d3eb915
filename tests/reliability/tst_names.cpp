#include "fakeservices.h"
#include "player.h"

#include <QLabel>
#include <QLineEdit>

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

    QTest::newRow("40000 characters, past a line edit's usual 32767") << QString(40000, u'M') << QString(10000, u'x') << false;
    QTest::newRow("10000 characters with blanks, wrapping")
        << QStringLiteral("Anna ").repeated(2000) << QStringLiteral("Berg ").repeated(2000) << false;
    QTest::newRow("emoji outside the basic plane") << QStringLiteral("Lina 🦄🐙") << QStringLiteral("👨‍👩‍👧 Nguyễn") << false;
    QTest::newRow("right-to-left text") << QStringLiteral("مريم") << QStringLiteral("כהן abc") << false;
    QTest::newRow("markup typed") << QStringLiteral("<b>Max</b>") << QStringLiteral("<img src=x>") << true;
    QTest::newRow("entity") << QStringLiteral("&amp;") << QStringLiteral("&lt;i&gt;") << false;
    QTest::newRow("tab and NUL") << QStringLiteral("Tim\tTom") << QStringLiteral("A") + QChar(u'\0') + QStringLiteral("B") << false;
    QTest::newRow("carriage return") << QStringLiteral("Ole\rOla") << QStringLiteral("\r") << false;
}

// Whatever the names hold, the certificate shows them as plain text exactly as the selection
// window holds them (a carriage return is a new line), and the selection window keeps them.
void TestNames::namesReachTheCertificateUnchanged()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, typed);
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    auto *txtVorname = forms.frmAuswahl().window()->findChild<QLineEdit *>(QStringLiteral("txtVorname"));
    auto *txtName = forms.frmAuswahl().window()->findChild<QLineEdit *>(QStringLiteral("txtName"));
    for (const auto &[box, text] : {qMakePair(txtVorname, vorname), qMakePair(txtName, name)}) {
        if (typed)
            QTest::keyClicks(box, text);
        else
            box->setText(text);
        QCOMPARE(box->text(), text);
    }

    QVERIFY(Player::choose({0, {0}, 0}));
    Player::clearBoard(forms.frm3x4().window());
    const auto *block = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QString expected = vorname + u' ' + name + QStringLiteral("\rhat am\r06.12.2026\rbei dem mathematischen Memory");
    QCOMPARE(block->text(), expected.replace(u'\r', u'\n'));
    QCOMPARE(block->textFormat(), Qt::PlainText);

    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck")));
    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")));
    QCOMPARE(forms.frmAuswahl().vorname(), vorname);
    QCOMPARE(forms.frmAuswahl().name(), name);
}

QTEST_MAIN(TestNames)
#include "tst_names.moc"
