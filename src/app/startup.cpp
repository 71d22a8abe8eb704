#include "app/startup.h"

#include "base/controls.h"
#include "base/globals.h"
#include "base/gui.h"
#include "base/net.h"
#include "base/number.h"
#include "base/program.h"
#include "help/document.h"
#include "help/links.h"
#include "pool/entry.h"
#include "ui/mainwindow.h"
#include "ui/secondary.h"

#include <QApplication>
#include <QFont>
#include <QStringList>
#include <unistd.h>

namespace zv::app {

void prepareToolkit() {
    // The HTML views share the toolkit's GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The web engine refuses to run its sandbox as root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void setUpApplication() {
    installFontSubstitutions();
    // The system's default GUI font of the layout: 宋体 at 12 pixels.
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QApplication::setQuitOnLastWindowClosed(false);
}

void runStartup() {
    const QStringList arguments = QCoreApplication::arguments(); // read, never used
    Q_UNUSED(arguments);
    setSkinStyle(1);
    setProductGlobals();
    InstallationId = deriveInstallationId();
    ui::showShowcaseWindow();
    auto* window = new ui::MainWindow({setUpMainWindow, endProgram});
    window->show();
    setUpMainWindow();
    help::requestProductPage();
    VersionText = bytesToText(fetchUrl(help::versionFileAddress()));
    help::checkForUpdate();
}

void setUpMainWindow() {
    setWindowOuterSize(648, 328);
    setSkinStyle(1);
    setWindowCaption(ProductName + " v" + versionText());
    DataFileExtension = ".dll";
    pool::refreshPoolDisplay();
}

void endProgram() {
    help::removeHelpFiles();
    releaseGlobals();
    endProcess(0);
}

} // namespace zv::app
