#include "frmauswahl.h"

#include "commandbutton.h"
#include "controlfactory.h"
#include "graphicalbuttons.h"
#include "look.h"
#include "roads.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace {

const QColor klasseColour{255, 224, 192};
const QColor rechenartColour{255, 192, 128};
const QColor levelColour{255, 128, 0};

const QString codeVorname = QStringLiteral("ZentaKorbiFelmar");
const QString codeName = QStringLiteral("TrubelWankerhofMeiselbachNorg");

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

// The selection window as designed.
class AuswahlWindow : public FormWindow
{
public:
    AuswahlWindow();

    QLabel *lblName;
    QLineEdit *txtVorname;
    QLineEdit *txtName;
    QLabel *lblKlasse;
    QWidget *fraKlasse;
    std::array<GraphicalOptionButton *, 4> optKlasse;
    QLabel *lblRechenart;
    QWidget *fraRechenart;
    std::array<GraphicalCheckBox *, 4> chkRechenart;
    QLabel *lblLevel;
    QWidget *fraLevel;
    std::array<GraphicalOptionButton *, 3> optLevel;
    QLineEdit *txtPunkte;
    GraphicalButton *cmdReset;
    GraphicalButton *cmdOK;
    GraphicalButton *cmdAnleitung;
    GraphicalButton *cmdEnde;

private:
    QLabel *label(const char *name, const QString &caption, const QRect &twips);
    QLineEdit *textBox(const char *name, const QString &text, const QRect &twips, double pointSize);
    QWidget *frame(const char *name, const QRect &twips);
    GraphicalButton *button(const char *name, const QString &caption, const QRect &twips);
};

AuswahlWindow::AuswahlWindow()
    : FormWindow(QStringLiteral("Memory"), QSize(7950, 8160), TitleButtons::None)
{
    setObjectName(QStringLiteral("frmAuswahl"));
    Look::setBackground(*this, Look::selectionBackground);
    setFont(Look::font(8.25));

    lblName = label("lblName", QStringLiteral("Vorname / Name:"), {120, 240, 2535, 405});
    txtVorname = textBox("txtVorname", QStringLiteral("Vorname"), {3120, 120, 2295, 465}, 12);
    txtName = textBox("txtName", QStringLiteral("Name"), {5520, 120, 2295, 465}, 12);

    lblKlasse = label("lblKlasse", QStringLiteral("Deine Klasse:"), {120, 720, 2295, 405});
    fraKlasse = frame("fraKlasse", {4560, 720, 3255, 1815});
    const std::array<QString, 4> klassen{QStringLiteral("1. Klasse"), QStringLiteral("2. Klasse"),
                                         QStringLiteral("3. Klasse"), QStringLiteral("4. Klasse")};
    for (int k = 0; k < 4; ++k) {
        optKlasse[k] = makeCaptioned<GraphicalOptionButton>(fraKlasse, indexed("optKlasse", k), {120, 480 * k, 3135, 405},
                                                            12, klassen[k], klasseColour);
    }

    lblRechenart = label("lblRechenart", QStringLiteral("Rechenart:"), {120, 2760, 1935, 405});
    fraRechenart = frame("fraRechenart", {4560, 2760, 3255, 1935});
    const std::array<QString, 4> rechenarten{QStringLiteral("+ (Plus)"), QStringLiteral("- (Minus)"),
                                             QStringLiteral("* (Mal)"), QStringLiteral(": (Geteilt)")};
    const std::array<int, 4> rechenartTops{0, 480, 960, 1470};
    for (int k = 0; k < 4; ++k) {
        chkRechenart[k] = makeCaptioned<GraphicalCheckBox>(fraRechenart, indexed("chkRechenart", k),
                                                           {120, rechenartTops[k], 3135, 405}, 12, rechenarten[k],
                                                           rechenartColour);
    }

    lblLevel = label("lblLevel", QStringLiteral("Schwierigkeitsstufe:"), {120, 4920, 3015, 405});
    fraLevel = frame("fraLevel", {4680, 4920, 3135, 1455});
    const std::array<QString, 3> levels{QStringLiteral("leicht"), QStringLiteral("mittel"), QStringLiteral("schwer")};
    for (int k = 0; k < 3; ++k) {
        optLevel[k] = makeCaptioned<GraphicalOptionButton>(fraLevel, indexed("optLevel", k), {0, 480 * k, 3135, 405}, 12,
                                                           levels[k], levelColour);
    }

    txtPunkte = textBox("txtPunkte", QStringLiteral("Text1"), {2040, 1560, 615, 690}, 8.25);
    txtPunkte->setVisible(false);

    cmdReset = button("cmdReset", QStringLiteral("Eingaben löschen"), {120, 6600, 3495, 405});
    cmdOK = button("cmdOK", QStringLiteral("OK"), {4320, 6600, 3495, 405});
    cmdAnleitung = button("cmdAnleitung", QStringLiteral("Spielanleitung anzeigen!"), {120, 7080, 7695, 405});
    cmdEnde = button("cmdEnde", QStringLiteral("Spiel abbrechen!"), {120, 7620, 7695, 405});

    // Keyboard order follows the design's tab indexes.
    const QList<QWidget *> tabOrder{txtVorname,      txtName,         cmdReset,        cmdOK,
                                    optKlasse[0],    optKlasse[3],    optKlasse[2],    optKlasse[1],
                                    chkRechenart[3], chkRechenart[2], chkRechenart[1], chkRechenart[0],
                                    optLevel[1],     optLevel[0],     optLevel[2],     cmdEnde,
                                    cmdAnleitung};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QLabel *AuswahlWindow::label(const char *name, const QString &caption, const QRect &twips)
{
    auto *result = makeCaptioned<QLabel>(this, QLatin1String(name), twips, 14.25, caption);
    result->setTextFormat(Qt::PlainText);
    Look::setBackground(*result, Look::selectionBackground);
    return result;
}

QLineEdit *AuswahlWindow::textBox(const char *name, const QString &text, const QRect &twips, double pointSize)
{
    auto *result = makeCaptioned<QLineEdit>(this, QLatin1String(name), twips, pointSize, text);
    result->setAlignment(Qt::AlignCenter);
    // The names take any text; a line edit would otherwise stop at 32767 characters.
    result->setMaxLength(std::numeric_limits<int>::max());
    result->setAccessibleName(text);
    return result;
}

QWidget *AuswahlWindow::frame(const char *name, const QRect &twips)
{
    auto *result = makeControl<QWidget>(this, QLatin1String(name), twips);
    Look::setBackground(*result, Look::selectionBackground);
    return result;
}

GraphicalButton *AuswahlWindow::button(const char *name, const QString &caption, const QRect &twips)
{
    return makeCommandButton(*this, QLatin1String(name), caption, twips, 12);
}

FrmAuswahl::FrmAuswahl(Program &program, Roads &roads)
    : FormOf(program)
    , m_roads(roads)
{
}

std::unique_ptr<FormWindow> FrmAuswahl::createWindow()
{
    auto window = std::make_unique<AuswahlWindow>();
    for (int k = 0; k < 4; ++k) {
        connect(window->optKlasse[k], &QRadioButton::toggled, this, [this, k](bool selected) {
            if (selected)
                optKlasse_Click(k);
        });
        // toggled, not clicked: a value set from code raises the rule too, nested, and only on a change.
        connect(window->chkRechenart[k], &QCheckBox::toggled, this, [this, k] { chkRechenart_Click(k); });
    }
    connect(window->cmdOK, &QPushButton::clicked, this, &FrmAuswahl::cmdOK_Click);
    connect(window->cmdReset, &QPushButton::clicked, this, &FrmAuswahl::cmdReset_Click);
    connect(window->cmdAnleitung, &QPushButton::clicked, this, &FrmAuswahl::cmdAnleitung_Click);
    connect(window->cmdEnde, &QPushButton::clicked, this, &FrmAuswahl::cmdEnde_Click);
    return window;
}

void FrmAuswahl::Form_Load()
{
    ui()->txtVorname->clear();
    ui()->txtName->clear();
    ui()->txtPunkte->clear();
}

QString FrmAuswahl::vorname() const
{
    return ui() ? ui()->txtVorname->text() : QString();
}

void FrmAuswahl::setVorname(const QString &text)
{
    if (ui())
        ui()->txtVorname->setText(text);
}

QString FrmAuswahl::name() const
{
    return ui() ? ui()->txtName->text() : QString();
}

void FrmAuswahl::setName(const QString &text)
{
    if (ui())
        ui()->txtName->setText(text);
}

QString FrmAuswahl::punkte() const
{
    return ui() ? ui()->txtPunkte->text() : QString();
}

void FrmAuswahl::setPunkte(const QString &text)
{
    if (ui())
        ui()->txtPunkte->setText(text);
}

bool FrmAuswahl::klasse(int k) const
{
    return ui() && ui()->optKlasse.at(k)->isChecked();
}

bool FrmAuswahl::rechenart(int k) const
{
    return ui() && ui()->chkRechenart.at(k)->isChecked();
}

std::array<bool, 4> FrmAuswahl::rechenarten() const
{
    return {rechenart(0), rechenart(1), rechenart(2), rechenart(3)};
}

bool FrmAuswahl::anyKlasse() const
{
    return klasse(0) || klasse(1) || klasse(2) || klasse(3);
}

void FrmAuswahl::setRechenart(int index, bool checked)
{
    if (ui())
        ui()->chkRechenart.at(index)->setChecked(checked);
}

void FrmAuswahl::setRechenartEnabled(int index, bool enabled)
{
    if (ui())
        ui()->chkRechenart.at(index)->setEnabled(enabled);
}

void FrmAuswahl::optKlasse_Click(int index)
{
    if (index == 0) {
        setRechenart(2, false);
        setRechenart(3, false);
        setRechenartEnabled(2, false);
        setRechenartEnabled(3, false);
    } else {
        setRechenartEnabled(2, true);
        setRechenartEnabled(3, true);
    }
}

void FrmAuswahl::chkRechenart_Click(int index)
{
    // Without a grade no operation may stay checked.
    if (!anyKlasse()) {
        for (int k = 0; k < 4; ++k)
            setRechenart(k, false);
        return;
    }
    if ((index == 2 || index == 3) && (rechenart(2) || rechenart(3))) {
        setRechenart(0, false);
        setRechenart(1, false);
        setRechenartEnabled(0, false);
        setRechenartEnabled(1, false);
    }
    if (!rechenart(2) && !rechenart(3)) {
        setRechenartEnabled(0, true);
        setRechenartEnabled(1, true);
    }
}

void FrmAuswahl::cmdOK_Click()
{
    const auto ticked = rechenarten();
    if (std::none_of(ticked.begin(), ticked.end(), [](bool checked) { return checked; }))
        return;
    const auto level = [this](int k) { return ui() && ui()->optLevel.at(k)->isChecked(); };
    if (klasse(0) || klasse(1)) {
        if (level(0))
            m_roads.showBoard(zorbel::BoardId::frm3x4);
        else if (level(1))
            m_roads.showBoard(zorbel::BoardId::frm4x4);
        else if (level(2))
            m_roads.showBoard(zorbel::BoardId::frm6x4);
    }
    if (klasse(2) || klasse(3)) {
        if (level(0))
            m_roads.showBoard(zorbel::BoardId::frm6x6);
        else if (level(1))
            m_roads.showBoard(zorbel::BoardId::frm8x5);
        else if (level(2))
            m_roads.showBoard(zorbel::BoardId::frm8x8);
    }
}

void FrmAuswahl::cmdReset_Click()
{
    auto *controls = ui();
    if (!controls)
        return;
    controls->txtVorname->clear();
    controls->txtName->clear();
    for (auto *option : controls->optKlasse)
        option->deselect();
    for (int k = 0; k < 4; ++k) {
        setRechenart(k, false);
        setRechenartEnabled(k, true);
    }
    for (auto *option : controls->optLevel)
        option->deselect();
    controls->txtPunkte->clear();
}

void FrmAuswahl::cmdAnleitung_Click()
{
    m_roads.showAnleitung();
}

void FrmAuswahl::cmdEnde_Click()
{
    if (vorname() == codeVorname && name() == codeName) {
        setPunkte(QStringLiteral("65535"));
        setVorname(QStringLiteral("Mister"));
        setName(QStringLiteral("1337"));
        m_roads.certificateThenPrintOrNot();
        Hide();
        return;
    }
    m_roads.End();
}
