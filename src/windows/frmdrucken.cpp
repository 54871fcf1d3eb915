#include "frmdrucken.h"

#include "forms.h"

FrmDrucken::FrmDrucken(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmDrucken::createWindow()
{
    return std::make_unique<FormWindow>(QStringLiteral("Memory"), QSize(5130, 2280), TitleButtons::StandardLessMaximise);
}

std::optional<QPoint> FrmDrucken::clientPositionTwips() const
{
    return QPoint(6825, 3075);
}
