#include "startmessage.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

void showStartMessage(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (!GetConsoleWindow() && !(startup.dwFlags & STARTF_USESTDHANDLES)) {
        const UINT icon = stream == stdout ? MB_ICONINFORMATION : MB_ICONERROR;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                    reinterpret_cast<const wchar_t *>(QCoreApplication::applicationName().utf16()),
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND | icon);
        return;
    }
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
}
