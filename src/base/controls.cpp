#include "base/controls.h"

#include <QHash>
#include <QListWidget>
#include <QPalette>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace zv {

namespace {

struct RegisteredWindow {
    QPointer<QWidget> window;
    QHash<QString, QPointer<QWidget>> controls;
};

QHash<QString, RegisteredWindow>& registry() {
    static QHash<QString, RegisteredWindow> windows;
    return windows;
}

QListWidget* listBox(const QString& name) {
    return qobject_cast<QListWidget*>(control(name));
}

QWidget* mainWindow() {
    return findWindow(MainWindowName);
}

} // namespace

void registerWindow(const QString& windowName, QWidget* window) {
    RegisteredWindow entry;
    entry.window = window;
    if (window) {
        const auto children = window->findChildren<QWidget*>();
        for (QWidget* child : children)
            if (!child->objectName().isEmpty())
                entry.controls.insert(child->objectName(), child);
    }
    registry().insert(windowName, entry);
}

QWidget* findWindow(const QString& windowName) {
    const auto it = registry().constFind(windowName);
    return it == registry().constEnd() ? nullptr : it->window.data();
}

QWidget* findControl(const QString& windowName, const QString& controlName) {
    const auto it = registry().constFind(windowName);
    if (it == registry().constEnd() || !it->window)
        return nullptr;
    return it->controls.value(controlName).data();
}

QWidget* control(const QString& name) {
    return findControl(MainWindowName, name);
}

Text controlText(const QString& name) {
    QWidget* w = control(name);
    return w ? gbk(w->property("text").toString()) : Text();
}

void setControlText(const QString& name, const Text& text) {
    if (QWidget* w = control(name))
        w->setProperty("text", fromGbk(text));
}

void setControlTextColour(const QString& name, const QColor& colour) {
    QWidget* w = control(name);
    if (!w)
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

QColor controlTextColour(const QString& name) {
    QWidget* w = control(name);
    return w ? w->palette().color(QPalette::Text) : QColor();
}

void setControlEnabled(const QString& name, bool enabled) {
    if (QWidget* w = control(name))
        w->setEnabled(enabled);
}

void setControlFocus(const QString& name) {
    if (QWidget* w = control(name))
        w->setFocus(Qt::OtherFocusReason);
}

void listClear(const QString& name) {
    if (QListWidget* list = listBox(name))
        list->clear();
}

void listAppend(const QString& name, const Text& row) {
    if (QListWidget* list = listBox(name))
        list->addItem(fromGbk(row));
}

void listInsert(const QString& name, int index, const Text& row) {
    if (QListWidget* list = listBox(name))
        list->insertItem(index, fromGbk(row));
}

int listCount(const QString& name) {
    QListWidget* list = listBox(name);
    return list ? list->count() : 0;
}

Text listRow(const QString& name, int index) {
    QListWidget* list = listBox(name);
    if (!list || index < 0 || index >= list->count())
        return {};
    return gbk(list->item(index)->text());
}

int windowOuterWidth() {
    auto* sized = dynamic_cast<OuterSized*>(mainWindow());
    return sized ? sized->outerSize().width() : 0;
}

int windowOuterHeight() {
    auto* sized = dynamic_cast<OuterSized*>(mainWindow());
    return sized ? sized->outerSize().height() : 0;
}

void setWindowOuterWidth(int width) {
    if (auto* sized = dynamic_cast<OuterSized*>(mainWindow()))
        sized->setOuterSize(QSize(width, sized->outerSize().height()));
}

void setWindowOuterSize(int width, int height) {
    if (auto* sized = dynamic_cast<OuterSized*>(mainWindow()))
        sized->setOuterSize(QSize(width, height));
}

void setWindowCaption(const Text& caption) {
    if (QWidget* w = mainWindow())
        w->setWindowTitle(fromGbk(caption));
}

} // namespace zv
