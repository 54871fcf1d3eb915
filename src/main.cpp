#include "app/platformservices.h"
#include "app/startup.h"
#include "navigation/forms.h"
#include "version.h"
#include "windows/frmsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const StartPlan plan = planStart(argc, argv);
    if (plan.exitCode)
        return *plan.exitCode;
    const Toolkit toolkit(plan, argc, argv);

    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBEL_APP_ID));

    PlatformServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    return QApplication::exec();
}
