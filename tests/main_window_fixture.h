// The main window as start-up makes it, for GUI tests: created with the
// frame's creation and destruction handlers, shown and active, its store in a
// fresh folder of its own. The end of the process is recorded instead of
// ending the test.
#pragma once

#include "app/startup.h"
#include "base/controls.h"
#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"
#include "base/program.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

class MainWindowFixture {
public:
    MainWindowFixture() {
        zv::setRunDirectory(storeDir.path());
        zv::setProgramEndAction([this](int code) { endCodes.append(code); });
        zv::resetProgramEnd();
        zv::app::setUpApplication();
        zv::setProductGlobals();
        zv::InstallationId = zv::installationIdFor("test");
        window = new zv::ui::MainWindow({zv::app::setUpMainWindow, zv::app::endProgram});
        window->show();
        zv::app::setUpMainWindow();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
    ~MainWindowFixture() {
        delete window.data();
        zv::resetProgramEnd();
        zv::setProgramEndAction({});
        zv::setRunDirectory({});
    }

    template <typename W = QWidget> W* get(const char* name) const {
        return qobject_cast<W*>(zv::control(QString::fromUtf8(name)));
    }

    QTemporaryDir storeDir;
    QPointer<zv::ui::MainWindow> window;
    QList<int> endCodes;
};
