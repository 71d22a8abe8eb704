// The window the process entry creates first; it is never shown and holds
// only the HTML view that asks for the product page.
#pragma once

#include <QWidget>
#include <functional>

namespace zv::ui {

class StartWindow : public QWidget {
    Q_OBJECT
public:
    // created runs once the window exists (the start-up sequence).
    explicit StartWindow(std::function<void()> created = {});
};

} // namespace zv::ui
