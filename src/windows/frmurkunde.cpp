#include "frmurkunde.h"

#include "frmauswahl.h"
#include "controlfactory.h"
#include "look.h"
#include "roads.h"
#include "services.h"

#include <QLabel>
#include <QPixmap>

#include <array>

namespace {

QLabel *makeLabel(QWidget &parent, const QString &objectName, const QRect &twips, double pointSize)
{
    auto *label = makeCaptioned<QLabel>(&parent, objectName, twips, pointSize);
    // Names are shown exactly as typed: "<b>Max</b>" is a name, not markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    Look::setBackground(*label, Look::white);
    return label;
}

} // namespace

class UrkundeWindow : public FormWindow
{
public:
    UrkundeWindow()
        : FormWindow(QStringLiteral("Memory"), QSize(6405, 8205), TitleButtons::None)
    {
        setObjectName(QStringLiteral("frmUrkunde"));
        setFont(Look::font(8.25));
        Look::setBackground(*this, Look::white);

        lblUrkunde = makeLabel(*this, QStringLiteral("lblUrkunde"), {120, 240, 6135, 1935}, 72);
        lblUrkunde->setText(QStringLiteral("Urkunde"));
        lblText[0] = makeLabel(*this, QStringLiteral("lblText(0)"), {120, 2520, 6135, 2775}, 18);

        imgLogo = makeControl<QLabel>(this, QStringLiteral("imgLogo"), {1650, 4920, 3060, 1200});
        imgLogo->setAccessibleName(QStringLiteral("Zorbel"));
        imgLogo->setScaledContents(true);
        imgLogo->setPixmap(Look::builtInPicture(QStringLiteral(":/assets/logo.png")));
        // The logo overlaps the bottom of the name-and-date block and must stay visible.
        imgLogo->raise();

        lblText[1] = makeLabel(*this, QStringLiteral("lblText(1)"), {0, 6240, 6255, 855}, 36);
        QPalette red = lblText[1]->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        lblText[1]->setPalette(red);
        lblText[2] = makeLabel(*this, QStringLiteral("lblText(2)"), {0, 7440, 6255, 495}, 18);
    }

    QLabel *lblUrkunde = nullptr;
    std::array<QLabel *, 3> lblText{};
    QLabel *imgLogo = nullptr;
};

FrmUrkunde::FrmUrkunde(Program &program, Roads &roads)
    : FormOf(program)
    , m_roads(roads)
{
}

std::unique_ptr<FormWindow> FrmUrkunde::createWindow()
{
    return std::make_unique<UrkundeWindow>();
}

void FrmUrkunde::Form_Load()
{
    FrmAuswahl &auswahl = m_roads.frmAuswahl();
    const QChar lineBreak(u'\r');
    const QString block = auswahl.vorname() + QLatin1Char(' ') + auswahl.name()
        + lineBreak + QStringLiteral("hat am")
        + lineBreak + services().todayShortDate()
        + lineBreak + QStringLiteral("bei dem mathematischen Memory");
    ui()->lblText[0]->setText(Look::displayText(block));
    ui()->lblText[1]->setText(auswahl.punkte());
    ui()->lblText[2]->setText(QStringLiteral("Punkte erreicht."));
    // The board whose last click opened this window goes here, while that click
    // handler is still running.
    m_roads.unloadBoards();
}

void FrmUrkunde::paintAndActivate()
{
    UrkundeWindow *certificate = ui();
    if (!certificate)
        return;
    certificate->showAsDesigned();
    certificate->raise();
    certificate->activateWindow();
    certificate->repaint();
}

std::optional<QPoint> FrmUrkunde::clientPositionTwips() const
{
    return QPoint(0, 0);
}
