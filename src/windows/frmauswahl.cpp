#include "frmauswahl.h"

#include "forms.h"

FrmAuswahl::FrmAuswahl(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmAuswahl::createWindow()
{
    return std::make_unique<FormWindow>(QStringLiteral("Memory"), QSize(7950, 8160), TitleButtons::None);
}
