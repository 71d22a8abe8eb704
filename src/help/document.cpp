#include "help/document.h"

#include "base/controls.h"
#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"

#include <QFile>
#include <QSet>
#include <QUrl>
#include <QWebEngineView>

namespace zv::help {

namespace {

const QString HelpWindowName = QStringLiteral("HelpWindow");

QSet<QString>& pendingFiles() {
    static QSet<QString> files;
    return files;
}

void removeHelpFile(const QString& path) {
    if (pendingFiles().remove(path))
        deleteFile(path);
}

} // namespace

Bytes helpDocument() {
    QFile resource(QStringLiteral(":/manual/zanvelo-help.mht"));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : Bytes();
}

bool showHelpDocument() {
    QWidget* window = findWindow(HelpWindowName);
    if (!window)
        return false;
    window->setWindowTitle(fromGbk(ProductName + gbk(" 使用帮助")));
    const Bytes document = helpDocument();
    const QString path = document.isEmpty()
                             ? QString()
                             : writeNewTempFile(tempDirectory(), QStringLiteral(".mht"), document);
    if (path.isEmpty()) {
        messageBox(gbk("帮助文档打开失败：请重试！"), MbIconStop, gbk("错误"));
        return false;
    }
    pendingFiles().insert(path);
    auto* view =
        qobject_cast<QWebEngineView*>(findControl(HelpWindowName, QStringLiteral("超文本浏览框1")));
    if (!view) {
        removeHelpFile(path);
        return false;
    }
    // The view reads the file after the navigation has started: the file goes
    // once the document has loaded, or with the window.
    QObject::connect(view, &QWebEngineView::loadFinished, view, [path] { removeHelpFile(path); });
    QObject::connect(window, &QObject::destroyed, [path] { removeHelpFile(path); });
    view->load(QUrl::fromLocalFile(path));
    return true;
}

void removeHelpFiles() {
    const QSet<QString> files = pendingFiles();
    for (const QString& path : files)
        removeHelpFile(path);
}

} // namespace zv::help
