#include "fakeservices.h"
#include "forms.h"
#include "frmanleitung.h"
#include "frmauswahl.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestFrmAnleitung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheInstructionsExactly();
    void fertigGelesenUnloadsOnlyThisWindow();
};

namespace {

const QString instructions = QStringLiteral(
    "Durch Klicken auf den Begrüßungsbildschirm gelangt man zum Auswahlfenster.\n"
    "\n"
    "Das Auswahlfenster zeigt verschiedene Auswahlmöglichkeiten. Es kann nach Klasse, Rechenart und nach "
    "Schwierigkeitsgrad ausgewählt werden.\n"
    "\n"
    "Durch drücken des OK - Knopfes kommt man direkt ins eigentliche Spiel.\n"
    "\n"
    "Auf dem Spielfeld sieht man verschiedene Rechenaufgaben. Zwei dieser Rechenaufgaben haben das gleiche "
    "Ergebnis (ein Ergebnis kann auch mehrmals vorkommen). Die Aufgabe ist es, die Rechenaufgaben zu lösen und "
    "die passenden Ergebnispaare zu finden und durch Klicken verschwinden zu lassen. Der jeweils erste gedrückte "
    "Knopf färbt sich rot ein, damit sich der Spieler einfacher merken kann, welchen Knopf er gedrückt hat.\n"
    "Wenn zwei falsche Knöpfe gedrückt wurden, dann färbt sich der zweite rot ein und beide Knöpfe bleiben "
    "bestehen. Der rot eingefärbte Knopf ist dann wieder der erste gedrückte Knopf für das neue Paar.\n"
    "\n"
    "Für jeden verschwundenen Knopf wird der Teil eines Bildes sichtbar, das hinter den Knöpfen versteckt liegt. "
    "Wenn alle Knöpfe verschwunden sind, dann kann man das Bild vollständig sehen. Das Bild wird aus den Bildern, "
    "die im Unterverzeichnis >>Bilder<< liegen zufällig ausgewählt. Sie sind austauschbar gegen beliebige andere "
    "Bilder. Sie müssen nur den Namen picture0.jpg bis picture20.jpg entsprechen.\n"
    "\n"
    "Wenn alle Knöpfe verschwunden sind, wird außerdem eine Mitteilung mit den erreichten Punkten angezeigt. "
    "Wenn man diese Mitteilung bestätigt und höchstens 1/4 Fehlerqoute hatte, öffnet sich eine Urkunde, auf der "
    "Vorname, Nachname und erreichte Punktzahl angezeigt werden. Hier kann man nun wählen, ob die Urkunde "
    "gedruckt werden soll oder nicht. Danach kann man entscheiden, ob man weiterspielen möchte oder ob man das "
    "Spiel beenden möchte.\n"
    "\n"
    "Wenn man weiterspielen angibt, gelangt man wieder zum Auswahlfenster.");

} // namespace

// The nine paragraphs, each carriage return shown as one new line, as plain wrapped text,
// in an untitled-looking window ("Form1", no icon) with the logo and "Fertig gelesen".
void TestFrmAnleitung::showsTheInstructionsExactly()
{
    FakeServices services;
    Forms forms(services);
    forms.frmAnleitung().Show();
    FormWindow *window = forms.frmAnleitung().window();
    const auto *label = window->findChild<QLabel *>(QStringLiteral("lblAnleitung"));
    QVERIFY(label);
    QCOMPARE(label->text(), instructions);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(window->windowIcon().isNull());
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), QColor(128, 128, 255));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(), QSize(200, 80));
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("cmdEnde"))->text(), QStringLiteral("Fertig gelesen"));
}

// "Fertig gelesen" closes the instructions and touches no other window; opening again rebuilds them.
void TestFrmAnleitung::fertigGelesenUnloadsOnlyThisWindow()
{
    FakeServices services;
    Forms forms(services);
    forms.frmAnleitung().Show();
    QTest::mouseClick(forms.frmAnleitung().window()->findChild<QPushButton *>(QStringLiteral("cmdEnde")),
                      Qt::LeftButton);
    QVERIFY(!forms.frmAnleitung().isLoaded());
    QVERIFY(!forms.frmAuswahl().isLoaded());
    QVERIFY(services.openedUrls.isEmpty() && services.messages.isEmpty() && !services.ended);

    forms.frmAnleitung().Show();
    QCOMPARE(forms.frmAnleitung().window()->findChild<QLabel *>(QStringLiteral("lblAnleitung"))->text(), instructions);
}

QTEST_MAIN(TestFrmAnleitung)
#include "tst_frmanleitung.moc"
