// Outer sizes of framed windows as the layout gives them: the frame and title
// bar of the system the layout was made on are part of them.
#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

namespace zv::ui {

// Left, top, right and bottom of a fixed border with a title bar.
inline constexpr QMargins NominalFrame{3, 22, 3, 3};

inline QSize clientSizeOf(QSize outer) {
    return outer.shrunkBy(NominalFrame);
}
inline QSize outerSizeOf(QSize client) {
    return client.grownBy(NominalFrame);
}

// Places a window so that its outer rectangle, frame included, is centred on the screen.
void centreOnScreen(QWidget* window, QSize outer, QMargins frame = NominalFrame);

} // namespace zv::ui
