#include "frmweiter.h"

#include "forms.h"
#include "frmauswahl.h"
#include "geometry.h"
#include "graphicalbuttons.h"
#include "look.h"

namespace {

GraphicalButton *makeButton(QWidget &parent, const QString &objectName, const QString &caption, const QRect &twips)
{
    auto *button = new GraphicalButton(caption, &parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    button->setFont(Look::font(14.25));
    button->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

} // namespace

class WeiterWindow : public FormWindow
{
public:
    WeiterWindow()
        : FormWindow(QStringLiteral("Memory"), QSize(5190, 2310), TitleButtons::StandardLessMaximise)
    {
        setObjectName(QStringLiteral("frmWeiter"));
        Look::setBackground(*this, Look::desktop);
        cmdWeiter = makeButton(*this, QStringLiteral("cmdWeiter"), QStringLiteral("Ich will weiter spielen!"), {120, 120, 4935, 975});
        cmdEnde = makeButton(*this, QStringLiteral("cmdEnde"), QStringLiteral("Spiel beenden!"), {120, 1200, 4935, 975});
        setTabOrder(cmdWeiter, cmdEnde);
        cmdWeiter->setFocus();
    }

    GraphicalButton *cmdWeiter = nullptr;
    GraphicalButton *cmdEnde = nullptr;
};

FrmWeiter::FrmWeiter(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmWeiter::createWindow()
{
    auto window = std::make_unique<WeiterWindow>();
    connect(window->cmdWeiter, &QPushButton::clicked, this, &FrmWeiter::cmdWeiter_Click);
    connect(window->cmdEnde, &QPushButton::clicked, this, &FrmWeiter::cmdEnde_Click);
    return window;
}

void FrmWeiter::Form_Load()
{
    // When a board opened this window, that board's click handler is still running.
    m_forms.unloadBoards();
}

void FrmWeiter::cmdWeiter_Click()
{
    m_forms.frmAuswahl().Show();
    Unload();
}

void FrmWeiter::cmdEnde_Click()
{
    m_forms.End();
}

void FrmWeiter::closeBox()
{
    cmdEnde_Click();
}
