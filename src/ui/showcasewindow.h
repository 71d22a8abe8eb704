// The picture window shown once, modally, while the program starts.
#pragma once

#include <QDialog>

namespace zv::ui {

class ShowcaseWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize LaidOutSize{548, 460};
    explicit ShowcaseWindow(QWidget* parent = nullptr);
};

} // namespace zv::ui
