#include "frmurkunde.h"

#include "forms.h"

FrmUrkunde::FrmUrkunde(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmUrkunde::createWindow()
{
    return std::make_unique<FormWindow>(QStringLiteral("Memory"), QSize(6405, 8205), TitleButtons::None);
}

std::optional<QPoint> FrmUrkunde::clientPositionTwips() const
{
    return QPoint(0, 0);
}
