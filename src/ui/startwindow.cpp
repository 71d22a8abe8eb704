#include "ui/startwindow.h"

#include "base/controls.h"

#include <QWebEngineView>

namespace zv::ui {

StartWindow::StartWindow(std::function<void()> created) {
    setObjectName(QStringLiteral("StartWindow"));
    auto* view = new QWebEngineView(this);
    view->setObjectName(QStringLiteral("超文本浏览框1"));
    view->setGeometry(0, 0, 8, 0);
    registerWindow(objectName(), this);
    if (created)
        created();
}

} // namespace zv::ui
