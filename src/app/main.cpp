#include "forms.h"
#include "frmsplash.h"
#include "qtservices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Only End leaves the program: closing or hiding the last window does not.
    QApplication::setQuitOnLastWindowClosed(false);

    QtServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    return QApplication::exec();
}
