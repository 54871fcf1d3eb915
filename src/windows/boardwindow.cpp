#include "boardwindow.h"

#include "forms.h"

BoardWindow::BoardWindow(Forms &forms, const zorbel::BoardLayout &layout)
    : Form(forms)
    , m_forms(forms)
    , m_layout(layout)
{
}

std::unique_ptr<FormWindow> BoardWindow::createWindow()
{
    const bool small = m_layout.id == zorbel::BoardId::frm3x4 || m_layout.id == zorbel::BoardId::frm4x4;
    return std::make_unique<FormWindow>(QStringLiteral("Memory"), QSize(m_layout.clientWidth, m_layout.clientHeight),
                                        small ? TitleButtons::StandardLessMaximise : TitleButtons::Standard);
}
