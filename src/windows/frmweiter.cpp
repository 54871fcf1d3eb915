#include "frmweiter.h"

#include "commandbutton.h"
#include "graphicalbuttons.h"
#include "look.h"
#include "roads.h"

class WeiterWindow : public FormWindow
{
public:
    WeiterWindow()
        : FormWindow(QStringLiteral("Memory"), QSize(5190, 2310), TitleButtons::StandardLessMaximise)
    {
        setObjectName(QStringLiteral("frmWeiter"));
        Look::setBackground(*this, Look::desktop);
        cmdWeiter = makeCommandButton(*this, QStringLiteral("cmdWeiter"), QStringLiteral("Ich will weiter spielen!"), {120, 120, 4935, 975}, 14.25);
        cmdEnde = makeCommandButton(*this, QStringLiteral("cmdEnde"), QStringLiteral("Spiel beenden!"), {120, 1200, 4935, 975}, 14.25);
        setTabOrder(cmdWeiter, cmdEnde);
        cmdWeiter->setFocus();
    }

    GraphicalButton *cmdWeiter = nullptr;
    GraphicalButton *cmdEnde = nullptr;
};

FrmWeiter::FrmWeiter(Program &program, Roads &roads)
    : Form(program)
    , m_roads(roads)
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
    m_roads.unloadBoards();
}

void FrmWeiter::cmdWeiter_Click()
{
    m_roads.playAgain();
}

void FrmWeiter::cmdEnde_Click()
{
    m_roads.End();
}

void FrmWeiter::closeBox()
{
    cmdEnde_Click();
}
