#include "frmsplash.h"

#include "forms.h"
#include "frmauswahl.h"

#include <QEvent>

FrmSplash::FrmSplash(Forms &forms)
    : Form(forms)
    , m_forms(forms)
{
}

std::unique_ptr<FormWindow> FrmSplash::createWindow()
{
    auto window = std::make_unique<FormWindow>(QString(), QSize(9840, 7125), TitleButtons::None);
    window->installEventFilter(this);
    return window;
}

bool FrmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        leave();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void FrmSplash::leave()
{
    m_forms.frmAuswahl().Show();
    Unload();
}
