#include "frmdrucken.h"

#include "commandbutton.h"
#include "frmurkunde.h"
#include "controlfactory.h"
#include "graphicalbuttons.h"
#include "look.h"
#include "printlayout.h"
#include "roads.h"
#include "services.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

class DruckenWindow : public FormWindow
{
public:
    DruckenWindow()
        : FormWindow(QStringLiteral("Memory"), QSize(5130, 2280), TitleButtons::StandardLessMaximise)
    {
        setObjectName(QStringLiteral("frmDrucken"));
        Look::setBackground(*this, Look::desktop);

        cmdDruck = makeCommandButton(*this, QStringLiteral("cmdDruck"), QStringLiteral("Drucken"), {120, 120, 4935, 975}, 14.25);
        cmdKeinDruck = makeCommandButton(*this, QStringLiteral("cmdKeinDruck"), QStringLiteral("Nicht drucken"), {120, 1200, 4935, 975}, 14.25);

        // Holds the captured certificate between the clipboard and the printer.
        picHiddenPict = makeControl<QLabel>(this, QStringLiteral("picHiddenPict"), {120, 120, 1485, 2100});
        picHiddenPict->setAccessibleName(QStringLiteral("picHiddenPict"));
        picHiddenPict->setVisible(false);

        setTabOrder(cmdDruck, cmdKeinDruck);
        cmdDruck->setFocus();
    }

    GraphicalButton *cmdDruck = nullptr;
    GraphicalButton *cmdKeinDruck = nullptr;
    QLabel *picHiddenPict = nullptr;
};

FrmDrucken::FrmDrucken(Program &program, Roads &roads)
    : FormOf(program)
    , m_roads(roads)
{
}

std::unique_ptr<FormWindow> FrmDrucken::createWindow()
{
    auto window = std::make_unique<DruckenWindow>();
    connect(window->cmdDruck, &QPushButton::clicked, this, &FrmDrucken::cmdDruck_Click);
    connect(window->cmdKeinDruck, &QPushButton::clicked, this, &FrmDrucken::cmdKeinDruck_Click);
    return window;
}

void FrmDrucken::Form_Load()
{
    // This window is not shown yet, so the capture holds the certificate alone.
    m_roads.frmUrkunde().paintAndActivate();
    services().processPendingEvents();
    if (QWidget *certificate = m_roads.frmUrkunde().window())
        services().setClipboardImage(certificate->grab().toImage());
}

void FrmDrucken::cmdDruck_Click()
{
    ui()->picHiddenPict->setPixmap(QPixmap::fromImage(services().clipboardImage()));
    const QImage picture = ui()->picHiddenPict->pixmap().toImage();
    // Without a picture in the clipboard there is nothing to print.
    if (!picture.isNull()) {
        // The certificate keeps its own proportion on paper.
        pictureAspect = static_cast<float>(picture.height()) / static_cast<float>(picture.width());
        services().printImage(picture, [this](const QRectF &printable) {
            const PrintLayout layout = layoutPrint(static_cast<float>(printable.left()), static_cast<float>(printable.top()),
                                                   static_cast<float>(printable.width()), static_cast<float>(printable.height()),
                                                   pictureAspect);
            printLeft = layout.printLeft;
            printTop = layout.printTop;
            printWidth = layout.printWidth;
            printHeight = layout.printHeight;
            return QRectF(printLeft, printTop, printWidth, printHeight);
        });
    }
    m_roads.toContinueWindow(*this);
}

void FrmDrucken::cmdKeinDruck_Click()
{
    m_roads.toContinueWindow(*this);
}

void FrmDrucken::closeBox()
{
    cmdKeinDruck_Click();
}

std::optional<QPoint> FrmDrucken::clientPositionTwips() const
{
    return QPoint(6825, 3075);
}
