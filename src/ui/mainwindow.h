// The program's working window.
#pragma once

#include "base/controls.h"

#include <QMainWindow>
#include <functional>

class QMenu;

namespace zv::ui {

// What the frame runs when the window is created and when it goes away.
struct MainWindowHooks {
    std::function<void()> created;
    std::function<void()> destroyed;
};

class MainWindow : public QMainWindow, public OuterSized {
    Q_OBJECT
public:
    // The window as laid out, before the creation handler sets its size. Outer
    // sizes include the frame and the menu bar (ui/framedwindow.h).
    static constexpr QSize LaidOutSize{808, 328};
    // The menu bar height the layout reckons with; a taller bar makes the window taller.
    static constexpr int NominalMenuBarHeight = 20;

    explicit MainWindow(MainWindowHooks hooks = {});
    ~MainWindow() override;

    QSize outerSize() const override { return m_outerSize; }
    void setOuterSize(QSize size) override;

    QMenu* shortcutMenu() const { return m_shortcutMenu; }
    // The area below the menu bar that holds the controls.
    QWidget* clientArea() const { return m_client; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void bindEvents();
    void popUpShortcutMenu(QPoint globalPos);

    MainWindowHooks m_hooks;
    QWidget* m_client = nullptr;
    QMenu* m_shortcutMenu = nullptr;
    QSize m_outerSize = LaidOutSize;
    bool m_activatedOnce = false;
};

} // namespace zv::ui
