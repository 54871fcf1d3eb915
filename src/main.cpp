#include "app/qtservices.h"
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
    const std::unique_ptr<QApplication> app = startToolkit(plan, argc, argv);

    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBEL_APP_ID));
    // Only End leaves the program: closing or hiding the last window does not.
    QApplication::setQuitOnLastWindowClosed(false);

    QtServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    return QApplication::exec();
}
