#include "frmanleitung.h"

#include "forms.h"

FrmAnleitung::FrmAnleitung(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmAnleitung::createWindow()
{
    return std::make_unique<FormWindow>(QStringLiteral("Form1"), QSize(10590, 8445), TitleButtons::Standard);
}
