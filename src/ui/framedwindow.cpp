#include "ui/framedwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zv::ui {

void centreOnScreen(QWidget* window, QSize outer, QMargins frame) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() -
                     QPoint(outer.width() / 2, outer.height() / 2) +
                     QPoint(frame.left(), frame.top()));
}

} // namespace zv::ui
