// The about window: borderless with rounded corners, moved by dragging.
#pragma once

#include <QDialog>

namespace zv::ui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize LaidOutSize{408, 282};
    explicit AboutWindow(QWidget* parent = nullptr);

    // The corner ellipse of the outline: min(W div 5, H div 5).
    static int cornerSize(QSize size) { return std::min(size.width() / 5, size.height() / 5); }
};

} // namespace zv::ui
