// The process entry of the desktop program.
#include "app/startup.h"
#include "base/globals.h"
#include "ui/startwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    zv::app::prepareToolkit();
    QApplication application(argc, argv);
    zv::app::setUpApplication();
    zv::releaseGlobals();
    zv::ui::StartWindow start(zv::app::runStartup);
    return application.exec();
}
