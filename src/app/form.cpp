#include "form.h"

#include "geometry.h"
#include "program.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

Qt::WindowFlags flagsFor(TitleButtons buttons)
{
    const Qt::WindowFlags base = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (buttons) {
    case TitleButtons::None:
        return base;
    case TitleButtons::StandardLessMaximise:
        return base | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case TitleButtons::Standard:
        return base | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    }
    return base;
}

} // namespace

FormWindow::FormWindow(const QString &caption, QSize clientTwips, TitleButtons buttons)
    : QWidget(nullptr, flagsFor(buttons))
    , m_buttons(buttons)
{
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(clientTwips));
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_buttons != TitleButtons::None)
        Q_EMIT closeBoxClicked();
}

Form::Form(Program &program)
    : m_program(program)
{
}

Form::~Form() = default;

Services &Form::services() const
{
    return m_program.services();
}

void Form::Show()
{
    if (m_program.hasEnded())
        return;
    if (!m_window) {
        m_window = createWindow();
        connect(m_window.get(), &FormWindow::closeBoxClicked, this, &Form::closeBox);
        place();
        Form_Load();
        if (!m_window || m_program.hasEnded())
            return;
    }
    m_window->showAsDesigned();
    m_window->raise();
    m_window->activateWindow();
}

void Form::Hide()
{
    if (m_window)
        m_window->hide();
}

void Form::Unload()
{
    if (!m_window)
        return;
    m_window->hide();
    m_window.release()->deleteLater();
}

void Form::closeBox()
{
    Unload();
}

void Form::place()
{
    // setGeometry places the client area, not the frame.
    if (const auto position = clientPositionTwips()) {
        m_window->setGeometry(QRect(twipsToPixels(*position), m_window->size()));
        return;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect client(QPoint(0, 0), m_window->size());
    client.moveCenter(screen->availableGeometry().center());
    m_window->setGeometry(client);
}
