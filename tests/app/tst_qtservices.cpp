#include "boardpicture.h"
#include "qtservices.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

// What the real services hand to the system, and where the board pictures are looked for.
class TestQtServices : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void receiveUrl(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void germanDateWithFourDigitYear();
    void bareHostOpensAsWebPage();
    void linksReachTheSystemsOpener();
    void ownPictureFirstThenTheProgramsOne_data();
    void ownPictureFirstThenTheProgramsOne();
    void relativeDataHomeIsIgnored();
    void messageIsReadWhereOrcaLooks();

private:
    QList<QUrl> m_opened;
};

// The date follows the system's regional settings, which the test runs with German ones (LC_ALL=de_DE.UTF-8; under
// Wine, a German Windows): the day first, with dots, and all four year digits, which the certificate wants.
void TestQtServices::germanDateWithFourDigitYear()
{
    if (QLocale::system().language() != QLocale::German)
        QSKIP("The regional settings are not German: LC_ALL=de_DE.UTF-8 is not set, or Wine lacks the host's de_DE.UTF-8 locale.");
    QCOMPARE(QtServices::shortDate(QDate(2026, 12, 7)), QStringLiteral("07.12.2026"));
}

// A bare host name opens as a web page; a "mailto:" target goes to the mail program as it is.
void TestQtServices::bareHostOpensAsWebPage()
{
    const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")};
    for (const QString &scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, this, "receiveUrl");
    // Unset again, so that the links of the next test reach the system.
    const auto unset = qScopeGuard([&] {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    });
    QtServices().openUrl(QStringLiteral("www.example.org"));
    QtServices().openUrl(QStringLiteral("mailto:team@example.net"));
    QCOMPARE(m_opened, (QList<QUrl>{QUrl(QStringLiteral("http://www.example.org")), QUrl(QStringLiteral("mailto:team@example.net"))}));
}

// A link leaves through the system: under Wine, Windows' shell hands it to the host's opener, for which the test run
// puts a stand-in first in PATH that notes each target in the file ZORBEL_OPENED names.
void TestQtServices::linksReachTheSystemsOpener()
{
    const QString noted = qEnvironmentVariable("ZORBEL_OPENED");
    if (QGuiApplication::platformName() == u"offscreen" || noted.isEmpty())
        QSKIP("Qt's offscreen platform hands links to no system; the Windows tests run this on Wine's desktop.");
    QFile::remove(noted);
    QtServices().openUrl(QStringLiteral("www.example.org"));
    QtServices().openUrl(QStringLiteral("mailto:team@example.net"));
    const auto opened = [&noted] {
        QFile file(noted);
        file.open(QIODevice::ReadOnly | QIODevice::Text);
        QStringList targets = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        targets.sort();
        return targets;
    };
    QTRY_COMPARE_WITH_TIMEOUT(opened(), (QStringList{QStringLiteral("http://www.example.org/"), QStringLiteral("mailto:team@example.net")}), 15000);
}

void TestQtServices::ownPictureFirstThenTheProgramsOne_data()
{
    QTest::addColumn<QString>("own");        // the user's picture7.jpg: a colour, "broken" or none
    QTest::addColumn<QString>("installed");  // the program's
    QTest::addColumn<QString>("shown");      // the colour decoded; none: the board keeps its default
    QTest::newRow("own picture wins") << "red" << "blue" << "red";
    QTest::newRow("no own picture") << "" << "blue" << "blue";
    QTest::newRow("broken own falls back") << "broken" << "blue" << "blue";
    QTest::newRow("both broken: default") << "broken" << "broken" << "";
}

// The user's own pictures lie in $XDG_DATA_HOME/zorbel/Bilder, on Windows in %LOCALAPPDATA%\zorbel\Bilder.
void TestQtServices::ownPictureFirstThenTheProgramsOne()
{
    QFETCH(QString, own);
    QFETCH(QString, installed);
    QFETCH(QString, shown);
    QTemporaryDir program;
#ifdef Q_OS_WIN
    // Windows names the folder itself; Qt's test mode moves it aside, to qttest in it.
    QStandardPaths::setTestModeEnabled(true);
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const auto tidy = qScopeGuard([&] { QDir(dataHome + QStringLiteral("/zorbel")).removeRecursively(); });
#else
    QTemporaryDir data;
    const QString dataHome = data.path();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
#endif
    for (const auto &[folder, kind] : {std::pair(dataHome + QStringLiteral("/zorbel"), own), std::pair(program.path(), installed)}) {
        QFile file(folder + QStringLiteral("/Bilder/picture7.jpg"));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(QColor(kind));
        QVERIFY(kind.isEmpty() || (QDir().mkpath(folder + QStringLiteral("/Bilder")) && file.open(QIODevice::WriteOnly)
                                   && (kind == u"broken" || picture.save(&file, "JPEG"))));
    }
    const QImage picture = BoardPictureLoad(boardPicturePaths(QtServices().userDataFolder(), program.path(), 7), {8, 8}).picture();
    QCOMPARE(picture.isNull() ? QString() : QColor(picture.pixel(4, 4)).red() > 128 ? QStringLiteral("red") : QStringLiteral("blue"), shown);
}

// A relative XDG_DATA_HOME is invalid: the default folder stands, not one below the working directory.
void TestQtServices::relativeDataHomeIsIgnored()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names the data folder itself; XDG_DATA_HOME plays no part there.");
#endif
    qputenv("XDG_DATA_HOME", "rel");
    QCOMPARE(QtServices().userDataFolder(), QDir::homePath() + QStringLiteral("/.local/share/zorbel"));
}

// Orca 48 reads a message box by its description, as it skips the box's labels of fewer than three words; Orca 43
// reads the description as well as each label that is related to nothing, so the prompt's label is related.
void TestQtServices::messageIsReadWhereOrcaLooks()
{
    QString described;
    bool related = false;
    QTimer::singleShot(0, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window)) {
                described = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
                for (QLabel *label : box->findChildren<QLabel *>())
                    related |= label->text() == described && !QAccessible::queryAccessibleInterface(label)->relations().isEmpty();
                box->done(QMessageBox::Ok);
            }
        }
    });
    QtServices().messageBox(QStringLiteral("Leider falsch!"), QStringLiteral("Schade!"));
    QCOMPARE(described, QStringLiteral("Leider falsch!"));
    QVERIFY2(related, "Orca 43 reads the prompt twice");
}

QTEST_MAIN(TestQtServices)
#include "tst_qtservices.moc"
