#include "frmsplash.h"

#include "afterfirstpaint.h"
#include "clicktargets.h"
#include "clickwatcher.h"
#include "contacts.h"
#include "controlfactory.h"
#include "linklabels.h"
#include "look.h"
#include "roads.h"
#include "services.h"

#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

namespace {

constexpr QChar cr{u'\r'};

// The blanks at the end leave room for the school's name, which the LinkQuor2 box lays over them.
const QString autorenText = QStringLiteral(
    "Dieses Programm schrieben in einem Unterrichtsprojekt die Schülerinnen und Schüler\r"
    "des Wahlpflichtkurses Informatik der                                      .");

const QString quor3Text = QStringLiteral(
    "Die Autoren haben nach bestem Wissen und Gewissen programmiert, übernehmen aber keine Gewähr für "
    "eventuelle Fehler. Anregungen und Verbesserungsvorschläge bitte an:");

const QString beschreibung = QStringLiteral("Ein Rechen-Memory für die Grundschule");

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/assets"), {QStringLiteral("icon*.png")}, QDir::Files);
    while (sizes.hasNext())
        icon.addPixmap(Look::builtInPicture(sizes.next()));
    return icon;
}

void setCaption(QLabel &label, const QString &text)
{
    label.setText(Look::displayText(text));
    label.setAccessibleName(label.text());
}

} // namespace

// The splash window as designed. Siblings are created from the bottom of the stacking
// order up, so that each lies over the ones before it.
class SplashWindow : public FormWindow
{
public:
    explicit SplashWindow(Services &services);

    ClickFrame *Frame1;
    ClickLabel *lblversion;
    ClickLabel *lblTitel;
    ClickLabel *lblErklaerung;
    ClickLabel *lblAutoren;
    ClickLabel *lblQuor2;
    ClickLabel *lblQuor3;
    ClickLabel *lblTeam;
    ClickLabel *lblTeamnamen;
    ClickLabel *Image1;
    QTimer *Timer1;
    MailTeam *MailTeam1;
    LinkQuor2 *LinkQuor21;
    LinkQuor *LinkQuor3;
    MailBrasko *MailBrasko2;

private:
    ClickLabel *label(const char *name, const QRect &twips, const QString &caption = {});
    // A borderless picture box holding one link label. It has no click of its own:
    // a click on its empty part does nothing, and does not reach the window beneath.
    // It has no name of its own either, so a screen reader reads the link once.
    QWidget *pictureBox(const char *name, const QRect &twips);
};

SplashWindow::SplashWindow(Services &services)
    : FormWindow(QString(), QSize(9840, 7125), TitleButtons::None)
{
    setObjectName(QStringLiteral("frmSplash"));
    // Decoding the icon's sizes and handing them to the window system takes longer than
    // the rest of the first frame; the icon shows only in a task bar, where it may come later.
    afterFirstPaint(*this, [this] { setWindowIcon(programIcon()); });
    setFont(Look::font(9.75));

    Frame1 = makeControl<ClickFrame>(this, QStringLiteral("Frame1"), {120, 120, 9615, 6855});
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    lblversion = label("lblversion", {2760, 2280, 3735, 495});
    lblversion->setFont(Look::font(20.25));
    lblversion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTitel = label("lblTitel", {1200, 120, 6855, 1095});
    lblTitel->setFont(Look::font(39.75));
    lblTitel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblErklaerung = label("lblErklaerung", {1500, 1200, 6135, 1215});
    lblErklaerung->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAutoren = label("lblAutoren", {240, 3000, 8775, 495}, autorenText);
    lblQuor2 = label("lblQuor2", {240, 5280, 3615, 975});
    lblQuor3 = label("lblQuor3", {240, 3600, 9135, 615}, quor3Text);
    lblTeam = label("lblTeam", {5280, 4200, 3135, 735}, QStringLiteral("Team Zorbel"));
    lblTeam->setFont(Look::font(20.25, true));
    lblTeamnamen = label("lblTeamnamen", {5280, 4920, 2895, 1215});

    Image1 = makeControl<ClickLabel>(Frame1, QStringLiteral("Image1"), {8520, 4080, 840, 840}, QAccessible::Graphic);
    Image1->setScaledContents(true);
    Image1->setPixmap(Look::builtInPicture(QStringLiteral(":/assets/sum.png")));
    Image1->setAccessibleName(QStringLiteral("1+2"));

    Timer1 = new QTimer(Frame1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60000);

    MailTeam1 = makeControl<MailTeam>(Frame1, QStringLiteral("MailTeam1"), {5280, 6420, 2895, 255}, services);

    QWidget *linkQuor2Box = pictureBox("LinkQuor2", {3600, 3360, 2295, 315});
    LinkQuor21 = makeControl<LinkQuor2>(linkQuor2Box, QStringLiteral("LinkQuor21"), {0, 0, 2295, 255}, services);

    QWidget *linkQuor1Box = pictureBox("LinkQuor1", {360, 4320, 3615, 1035});
    LinkQuor3 = makeControl<LinkQuor>(linkQuor1Box, QStringLiteral("LinkQuor3"), {0, 120, 3615, 855}, services);

    QWidget *mailBrasko1Box = pictureBox("MailBrasko1", {260, 6540, 3255, 315});
    MailBrasko2 = makeControl<MailBrasko>(mailBrasko1Box, QStringLiteral("MailBrasko2"), {0, 0, 3135, 255}, services);
}

ClickLabel *SplashWindow::label(const char *name, const QRect &twips, const QString &caption)
{
    auto *result = makeControl<ClickLabel>(Frame1, QLatin1String(name), twips, QAccessible::StaticText);
    result->setTextFormat(Qt::PlainText);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setWordWrap(true);
    setCaption(*result, caption);
    return result;
}

QWidget *SplashWindow::pictureBox(const char *name, const QRect &twips)
{
    auto *result = makeControl<QWidget>(this, QLatin1String(name), twips);
    result->setAttribute(Qt::WA_NoMousePropagation);
    return result;
}

FrmSplash::FrmSplash(Program &program, Roads &roads)
    : FormOf(program)
    , m_roads(roads)
{
}

std::unique_ptr<FormWindow> FrmSplash::createWindow()
{
    auto window = std::make_unique<SplashWindow>(services());
    window->installEventFilter(this);
    for (QWidget *control : window->findChildren<QWidget *>())
        control->installEventFilter(this);

    connect(window->Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    connect(new ClickWatcher(*window), &ClickWatcher::clicked, this, &FrmSplash::Form_Click);
    connect(window->Frame1, &ClickFrame::clicked, this, &FrmSplash::Frame1_Click);
    const auto onClick = [this](ClickLabel *part, void (FrmSplash::*handler)()) {
        connect(part, &ClickLabel::clicked, this, handler);
    };
    onClick(window->Image1, &FrmSplash::Image1_Click);
    onClick(window->lblAutoren, &FrmSplash::lblAutoren_Click);
    onClick(window->lblQuor2, &FrmSplash::lblQuor2_Click);
    onClick(window->lblQuor3, &FrmSplash::lblQuor3_Click);
    onClick(window->lblErklaerung, &FrmSplash::lblErklaerung_Click);
    onClick(window->lblTeam, &FrmSplash::lblTeam_Click);
    onClick(window->lblTeamnamen, &FrmSplash::lblTeamnamen_Click);
    onClick(window->lblTitel, &FrmSplash::lblTitel_Click);
    onClick(window->lblversion, &FrmSplash::lblversion_Click);
    return window;
}

void FrmSplash::Form_Load()
{
    SplashWindow &controls = *ui();
    controls.Timer1->start();

    // Centred by the labels' design widths, which their captions do not change.
    controls.lblTitel->move((controls.width() - controls.lblTitel->width()) / 2, controls.lblTitel->y());
    controls.lblErklaerung->move((controls.width() - controls.lblErklaerung->width()) / 2,
                                 controls.lblErklaerung->y());

    setCaption(*controls.lblQuor2, Contacts::schoolStreet.toString() + cr + Contacts::schoolTown.toString() + cr
                                       + QStringLiteral("z. Hd. ") + Contacts::teacher.toString());
    setCaption(*controls.lblTitel, services().programTitle());
    setCaption(*controls.lblErklaerung, beschreibung + cr + cr + QStringLiteral("1. - 4. Schuljahr"));
    const ProgramVersion version = services().programVersion();
    setCaption(*controls.lblversion,
               QStringLiteral("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    QStringList namen;
    for (QStringView author : Contacts::authors)
        namen.append(author.toString());
    setCaption(*controls.lblTeamnamen, namen.join(cr));
}

bool FrmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isLoaded()) {
        Form_KeyPress();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void FrmSplash::Timer1_Timer() { m_roads.leaveSplash(); }
void FrmSplash::Form_KeyPress() { m_roads.leaveSplash(); }
void FrmSplash::Form_Click() { m_roads.leaveSplash(); }
void FrmSplash::Frame1_Click() { m_roads.leaveSplash(); }
void FrmSplash::Image1_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblAutoren_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblQuor2_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblQuor3_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblErklaerung_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblTeam_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblTeamnamen_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblTitel_Click() { m_roads.leaveSplash(); }
void FrmSplash::lblversion_Click() { m_roads.leaveSplash(); }

void FrmSplash::disableTimer1()
{
    if (SplashWindow *controls = ui())
        controls->Timer1->stop();
}
