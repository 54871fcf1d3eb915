#include "forms.h"
#include "frmsplash.h"
#include "qtservices.h"
#include "startup.h"
#include "version.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    const StartPlan plan = planStart(argc, argv);
    if (plan.exitCode)
        return *plan.exitCode;
    std::optional<StartFailureGuard> startGuard(std::in_place, plan);
    QApplication app(argc, argv);
    startGuard.reset();

    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBEL_APP_ID));
    // Only End leaves the program: closing or hiding the last window does not.
    QApplication::setQuitOnLastWindowClosed(false);

    QtServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    return QApplication::exec();
}
