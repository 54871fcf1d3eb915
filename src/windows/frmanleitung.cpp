#include "frmanleitung.h"

#include "controlfactory.h"
#include "look.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

const QColor background{128, 128, 255};

// One carriage return starts a new line; two leave an empty line between paragraphs.
QString anleitungText()
{
    const QString cr = QStringLiteral("\r");
    return QStringLiteral("Durch Klicken auf den Begrüßungsbildschirm gelangt man zum Auswahlfenster.") + cr + cr
        + QStringLiteral("Das Auswahlfenster zeigt verschiedene Auswahlmöglichkeiten. Es kann nach Klasse, "
                         "Rechenart und nach Schwierigkeitsgrad ausgewählt werden.")
        + cr + cr
        + QStringLiteral("Durch drücken des OK - Knopfes kommt man direkt ins eigentliche Spiel.") + cr + cr
        + QStringLiteral("Auf dem Spielfeld sieht man verschiedene Rechenaufgaben. Zwei dieser Rechenaufgaben "
                         "haben das gleiche Ergebnis (ein Ergebnis kann auch mehrmals vorkommen). Die Aufgabe ist "
                         "es, die Rechenaufgaben zu lösen und die passenden Ergebnispaare zu finden und durch "
                         "Klicken verschwinden zu lassen. Der jeweils erste gedrückte Knopf färbt sich rot ein, "
                         "damit sich der Spieler einfacher merken kann, welchen Knopf er gedrückt hat.")
        + cr
        + QStringLiteral("Wenn zwei falsche Knöpfe gedrückt wurden, dann färbt sich der zweite rot ein und beide "
                         "Knöpfe bleiben bestehen. Der rot eingefärbte Knopf ist dann wieder der erste gedrückte "
                         "Knopf für das neue Paar.")
        + cr + cr
        + QStringLiteral("Für jeden verschwundenen Knopf wird der Teil eines Bildes sichtbar, das hinter den "
                         "Knöpfen versteckt liegt. Wenn alle Knöpfe verschwunden sind, dann kann man das Bild "
                         "vollständig sehen. Das Bild wird aus den Bildern, die im Unterverzeichnis >>Bilder<< "
                         "liegen zufällig ausgewählt. Sie sind austauschbar gegen beliebige andere Bilder. Sie "
                         "müssen nur den Namen picture0.jpg bis picture20.jpg entsprechen.")
        + cr + cr
        + QStringLiteral("Wenn alle Knöpfe verschwunden sind, wird außerdem eine Mitteilung mit den erreichten "
                         "Punkten angezeigt. Wenn man diese Mitteilung bestätigt und höchstens 1/4 Fehlerqoute "
                         "hatte, öffnet sich eine Urkunde, auf der Vorname, Nachname und erreichte Punktzahl "
                         "angezeigt werden. ")
        + QStringLiteral("Hier kann man nun wählen, ob die Urkunde gedruckt werden soll oder nicht. Danach kann man "
                         "entscheiden, ob man weiterspielen möchte oder ob man das Spiel beenden möchte.")
        + cr + cr + QStringLiteral("Wenn man weiterspielen angibt, gelangt man wieder zum Auswahlfenster.");
}

} // namespace

// The instructions window as designed.
class AnleitungWindow : public FormWindow
{
public:
    AnleitungWindow();

    QLabel *Image1;
    QLabel *lblAnleitung;
    QPushButton *cmdEnde;
};

AnleitungWindow::AnleitungWindow()
    : FormWindow(QStringLiteral("Form1"), QSize(10590, 8445), TitleButtons::Standard)
{
    setObjectName(QStringLiteral("frmAnleitung"));
    Look::setBackground(*this, background);

    Image1 = makeControl<QLabel>(this, QStringLiteral("Image1"), {3840, 0, 3000, 1200});
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(Look::builtInPicture(QStringLiteral(":/assets/logo.png")));
    Image1->setAccessibleName(QStringLiteral("Zorbel"));

    // Not scrollable: what does not fit is cut off at the bottom, and the font keeps its size.
    lblAnleitung = makeControl<QLabel>(this, QStringLiteral("lblAnleitung"), {120, 1080, 10335, 7215});
    lblAnleitung->setFont(Look::font(9.75));
    lblAnleitung->setTextFormat(Qt::PlainText);
    lblAnleitung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAnleitung->setWordWrap(true);

    cmdEnde = makeControl<QPushButton>(this, QStringLiteral("cmdEnde"), {8280, 7560, 2175, 495}, QStringLiteral("Fertig gelesen"));
    cmdEnde->setFont(Look::font(14.25));
    cmdEnde->setAccessibleName(cmdEnde->text());
    // Enter closes the window as Space does.
    cmdEnde->setAutoDefault(true);
}

FrmAnleitung::FrmAnleitung(Program &program)
    : FormOf(program)
{
}

std::unique_ptr<FormWindow> FrmAnleitung::createWindow()
{
    auto window = std::make_unique<AnleitungWindow>();
    connect(window->cmdEnde, &QPushButton::clicked, this, &FrmAnleitung::cmdEnde_Click);
    return window;
}

void FrmAnleitung::Form_Load()
{
    const QString text = Look::displayText(anleitungText());
    ui()->lblAnleitung->setText(text);
    ui()->lblAnleitung->setAccessibleName(text);
}

void FrmAnleitung::cmdEnde_Click()
{
    Unload();
}
