#include "ui/secondary.h"

#include "base/controls.h"
#include "ui/aboutwindow.h"
#include "ui/helpwindow.h"
#include "ui/showcasewindow.h"

#include <QPointer>

namespace zv::ui {

void openHelpWindow() {
    // A second request brings the open window to the front.
    // (A window closed but not yet deleted does not count.)
    auto* open = qobject_cast<HelpWindow*>(findWindow(QStringLiteral("HelpWindow")));
    if (open && open->isVisible()) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    auto* window = new HelpWindow;
    if (!window->documentShown()) {
        window->close();
        return;
    }
    window->show();
}

void openAboutWindow() {
    AboutWindow window(findWindow(MainWindowName));
    window.exec();
}

void showShowcaseWindow() {
    ShowcaseWindow window;
    window.exec();
}

} // namespace zv::ui
