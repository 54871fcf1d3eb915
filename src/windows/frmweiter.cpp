#include "frmweiter.h"

#include "forms.h"

FrmWeiter::FrmWeiter(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmWeiter::createWindow()
{
    return std::make_unique<FormWindow>(QStringLiteral("Memory"), QSize(5190, 2310), TitleButtons::StandardLessMaximise);
}
